#!/usr/bin/env python3
"""Solves the example frame and writes its forces file, GALPAO.ESF.

The frame is the typical portal of a small steel storage shed: two fixed-base
columns, two rafters meeting at the ridge and a slender tie between the eaves.

    node 3 (6.0, 6.5)             ridge, on the symmetry axis
         /      \\
        /        \\                 bars 3 and 4: rafters (IPE 300)
 node 2 ---------- node 4          bar 5: tie between the eaves (tube 76.1 x 4)
 (0, 5)|  bar 5   |(12, 5)
       |          |                bars 1 and 2: columns (IPE 360)
 node 1|          |node 5          fixed bases
 (0, 0)            (12, 0)

It is solved by a linear-elastic plane-frame stiffness analysis (three degrees
of freedom per node, bars rigidly connected) for three load cases:

  G  dead load: roofing, purlins and rafter weight, 3.2 kN/m on the plan of the roof
  Q  imposed roof load, 3.0 kN/m on the plan of the roof
  W  wind from the left: 2.9 kN/m pressure on the left wall, 1.8 kN/m suction on
     the right wall, 3.2 and 1.8 kN/m suction normal to the left and right roof

and the results are written as the listing that the post-processor reads:
node and bar sections, then one block per load case with the nodal
displacements, the internal forces at both ends of every bar and the nodal
resultants (at the supports: the reactions). Units: kN, m, rad.

Sign conventions of the listing: each bar has its local x axis from its
initial to its final node and its local y axis 90 degrees anticlockwise from
it. Normal force is positive in tension; bending moment is positive when it
stretches the face on the local -y side; shear force V = dM/dx. Displacements
and nodal resultants are in the global axes (X to the right, Y up, rotation
and moment anticlockwise).

Forces are printed with two decimals: combined with multipliers of one
decimal (GALPAO.CMB), every combined value is exact at the report's three
decimals, so the report can be checked by hand to the last digit.

Run: python3 examples/make_example.py   (writes examples/GALPAO.ESF)
     python3 examples/make_example.py --revision
         (writes examples/GALPAO-R1.ESF, the first revision: see REVISION)
Only the standard library is used.
"""

import math
import os
import sys

E = 2.05e8  # kN/m2, structural steel

NODES = [  # x, y, restraint codes (1 = restrained) for X, Y, rotation
    (0.0, 0.0, (1, 1, 1)),
    (0.0, 5.0, (0, 0, 0)),
    (6.0, 6.5, (0, 0, 0)),
    (12.0, 5.0, (0, 0, 0)),
    (12.0, 0.0, (1, 1, 1)),
]

PROPERTIES = {  # number: (name, area m2, second moment of area m4)
    1: ("IPE 360", 72.73e-4, 16266e-8),
    2: ("IPE 300", 53.81e-4, 8356e-8),
    3: ("TUBO 76.1X4", 9.06e-4, 59.1e-8),
}

# Bars: initial node, final node, property. Mirror bars come in pairs, each
# numbered from its left end or from its foot, the left one first.
BARS = [
    (1, 2, 1),  # left column
    (5, 4, 1),  # right column
    (2, 3, 2),  # left rafter
    (3, 4, 2),  # right rafter
    (2, 4, 3),  # tie
]

# Distributed loads per case: (bar, kind, value in kN/m).
#   "plan":   vertical load per metre of horizontal projection, downwards
#   "normal": load per metre of bar along its local y axis
CASES = [
    ("G", "PESO PROPRIO, COBERTURA E TERCAS", [(3, "plan", 3.2), (4, "plan", 3.2)]),
    ("Q", "SOBRECARGA NA COBERTURA", [(3, "plan", 3.0), (4, "plan", 3.0)]),
    ("W", "VENTO DA ESQUERDA PARA A DIREITA",
     [(1, "normal", -2.9), (2, "normal", -1.8), (3, "normal", 3.2), (4, "normal", 1.8)]),
]

# The first revision of the frame (GALPAO-R1.CMB, GALPAO-R1.ESF): the imposed
# load of a roof reached only for maintenance is 0.25 kN/m2, not 0.5; with
# frames 6.0 m apart, 1.5 kN/m instead of 3.0. Everything else as before.
REVISION = {"Q": [(3, "plan", 1.5), (4, "plan", 1.5)]}


def revised(cases):
    return [(name, title, REVISION.get(name, loads)) for name, title, loads in cases]


def geometry(bar):
    ni, nf, _ = BARS[bar - 1]
    xi, yi, _ = NODES[ni - 1]
    xf, yf, _ = NODES[nf - 1]
    length = math.hypot(xf - xi, yf - yi)
    return length, (xf - xi) / length, (yf - yi) / length


def local_stiffness(area, inertia, length):
    ea, ei = E * area / length, E * inertia
    l2, l3 = length * length, length ** 3
    k = [[0.0] * 6 for _ in range(6)]
    for a, b, v in [(0, 0, ea), (0, 3, -ea), (3, 3, ea),
                    (1, 1, 12 * ei / l3), (1, 2, 6 * ei / l2), (1, 4, -12 * ei / l3), (1, 5, 6 * ei / l2),
                    (2, 2, 4 * ei / length), (2, 4, -6 * ei / l2), (2, 5, 2 * ei / length),
                    (4, 4, 12 * ei / l3), (4, 5, -6 * ei / l2), (5, 5, 4 * ei / length)]:
        k[a][b] = k[b][a] = v
    return k


def rotation(c, s):
    """Global to local: local = T @ global."""
    t = [[0.0] * 6 for _ in range(6)]
    for o in (0, 3):
        t[o][o], t[o][o + 1] = c, s
        t[o + 1][o], t[o + 1][o + 1] = -s, c
        t[o + 2][o + 2] = 1.0
    return t


def mat_vec(m, v):
    return [sum(m[i][j] * v[j] for j in range(len(v))) for i in range(len(m))]


def transpose(m):
    return [list(r) for r in zip(*m)]


def fixed_end_actions(bar, loads):
    """End actions of the bar held fixed at both ends, local axes."""
    length, c, s = geometry(bar)
    qx = qy = 0.0
    for b, kind, value in loads:
        if b != bar:
            continue
        if kind == "plan":  # vertical, per horizontal metre -> per metre of bar
            gy = -value * abs(c)
            qx += s * gy
            qy += c * gy
        else:
            qy += value
    return [-qx * length / 2, -qy * length / 2, -qy * length ** 2 / 12,
            -qx * length / 2, -qy * length / 2, qy * length ** 2 / 12]


def solve(matrix, rhs):
    """Gaussian elimination with partial pivoting."""
    n = len(rhs)
    a = [row[:] + [rhs[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(col + 1, n):
            f = a[r][col] / a[col][col]
            for k in range(col, n + 1):
                a[r][k] -= f * a[col][k]
    x = [0.0] * n
    for r in reversed(range(n)):
        x[r] = (a[r][n] - sum(a[r][k] * x[k] for k in range(r + 1, n))) / a[r][r]
    return x


def analyse(loads):
    ndof = 3 * len(NODES)
    k_global = [[0.0] * ndof for _ in range(ndof)]
    p = [0.0] * ndof
    parts = []
    for bar, (ni, nf, prop) in enumerate(BARS, start=1):
        length, c, s = geometry(bar)
        _, area, inertia = PROPERTIES[prop]
        k = local_stiffness(area, inertia, length)
        t = rotation(c, s)
        kg = [[sum(t[m][i] * k[m][n] * t[n][j] for m in range(6) for n in range(6)) for j in range(6)]
              for i in range(6)]
        dofs = [3 * (ni - 1) + d for d in range(3)] + [3 * (nf - 1) + d for d in range(3)]
        fef = fixed_end_actions(bar, loads)
        equivalent = mat_vec(transpose(t), fef)
        for i in range(6):
            p[dofs[i]] -= equivalent[i]
            for j in range(6):
                k_global[dofs[i]][dofs[j]] += kg[i][j]
        parts.append((k, t, dofs, fef))
    free = [3 * n + d for n, (_, _, codes) in enumerate(NODES) for d in range(3) if codes[d] == 0]
    x = solve([[k_global[i][j] for j in free] for i in free], [p[i] for i in free])
    u = [0.0] * ndof
    for i, v in zip(free, x):
        u[i] = v
    end_actions, resultants = [], [0.0] * ndof
    for k, t, dofs, fef in parts:
        f = [a + b for a, b in zip(mat_vec(k, mat_vec(t, [u[d] for d in dofs])), fef)]
        end_actions.append(f)
        for i, g in enumerate(mat_vec(transpose(t), f)):
            resultants[dofs[i]] += g
    return u, end_actions, resultants


def internal_forces(f):
    """End actions (forces of the nodes on the bar) -> N, V, M at both ends."""
    return (-f[0], f[1], -f[2]), (f[3], -f[4], f[5])


def num(value, width, decimals):
    text = f"{value:{width}.{decimals}f}"
    if float(text) == 0.0:  # no "-0.000" in a listing
        text = f"{0.0:{width}.{decimals}f}"
    return text


def ruler(char="-"):
    return " " + char * 79


def listing(cases):
    out = []
    w = out.append
    w(ruler("="))
    w("     ANALISE ELASTICA LINEAR DE PORTICO PLANO - LISTAGEM DE RESULTADOS")
    w("     GALPAO DE ESTOCAGEM - PORTICO TIPO (EIXOS 2 A 7, ESPACAMENTO 6.0 M)")
    w(ruler("="))
    w("")
    w("     DADOS GERAIS")
    w(f"     NUMERO DE NOS ..................{len(NODES):6d}")
    w(f"     NUMERO DE BARRAS ...............{len(BARS):6d}")
    w(f"     NUMERO DE PROPRIEDADES .........{len(PROPERTIES):6d}")
    w(f"     NUMERO DE CARREGAMENTOS ........{len(cases):6d}")
    w(f"     MODULO DE ELASTICIDADE (KN/M2) .{E:14.4E}")
    w("     UNIDADES: KN, M, RAD")
    w("")
    w("     COORDENADAS E RESTRICOES NODAIS (1 = RESTRITO)")
    w("")
    w("      NO              X              Y     RESTRICAO X  RESTRICAO Y  RESTRICAO R")
    w("                    (M)            (M)")
    w(ruler())
    for n, (x, y, codes) in enumerate(NODES, start=1):
        w(f"{n:8d}{num(x, 15, 3)}{num(y, 15, 3)}{codes[0]:13d}{codes[1]:13d}{codes[2]:13d}")
    w("")
    w("     PROPRIEDADES DAS SECOES")
    w("")
    w("    PROP   SECAO                      AREA (M2)      INERCIA (M4)")
    w(ruler())
    for prop, (name, area, inertia) in PROPERTIES.items():
        w(f"{prop:8d}   {name:<20s}{area:16.4E}{inertia:18.4E}")
    w("")
    w("     CARACTERISTICAS DAS BARRAS")
    w("")
    w("     BARRA   NO INIC  ROTUL   NO FINAL  ROTUL    PROP     COMPRIMENTO      COS X")
    w("                                                                 (M)")
    w("                      (ROTUL: 1 = EXTREMIDADE ARTICULADA)")
    w(ruler())
    for bar, (ni, nf, prop) in enumerate(BARS, start=1):
        length, c, _ = geometry(bar)
        w(f"{bar:10d}{ni:9d}{0:7d}{nf:9d}{0:7d}{prop:8d}{num(length, 16, 3)}{num(c, 14, 4)}")
    w("")
    w("     CARGAS DISTRIBUIDAS NAS BARRAS (KN/M)")
    w("     PROJ: VERTICAL, POR METRO DE PROJECAO HORIZONTAL, PARA BAIXO")
    w("     NORMAL: POR METRO DE BARRA, NO SENTIDO DO EIXO LOCAL Y")
    w("")
    w("     CARR   BARRA   TIPO          VALOR")
    w(ruler())
    for name, _, loads in cases:
        for bar, kind, value in loads:
            w(f"     {name:<4s}{bar:8d}   {'PROJ' if kind == 'plan' else 'NORMAL':<6s}{num(value, 13, 3)}")
    for name, title, loads in cases:
        u, end_actions, resultants = analyse(loads)
        w("")
        applied_x = -sum(resultants[0::3])  # free nodes carry no load: the
        applied_y = -sum(resultants[1::3])  # loads balance the reactions
        # The block: heading, 10 records, displacements, 9 records, bar
        # groups of 3 records, then the nodal resultants.
        w(f"     CARREGAMENTO: {name:<4s} - {title}")
        w(ruler("="))
        w("")
        w(f"     SOMA DAS CARGAS APLICADAS (KN):   FX ={num(applied_x, 10, 2)}   FY ={num(applied_y, 10, 2)}")
        w("")
        w("")
        w("     DESLOCAMENTOS NODAIS (SISTEMA GLOBAL)")
        w("")
        w("      NO                    DX                       DY                       DZ")
        w("                           (M)                      (M)                    (RAD)")
        w(ruler())
        for n in range(len(NODES)):
            w(f"{n + 1:8d}{num(u[3 * n], 22, 7)}{num(u[3 * n + 1], 25, 7)}{num(u[3 * n + 2], 25, 7)}")
        w("")
        w("")
        w("     ESFORCOS NAS EXTREMIDADES DAS BARRAS (SISTEMA LOCAL)")
        w("     NORMAL POSITIVA DE TRACAO; MOMENTO POSITIVO QUANDO TRACIONA A FACE -Y LOCAL")
        w("     EIXO X LOCAL DO NO INICIAL AO FINAL, EIXO Y A 90 GRAUS ANTI-HORARIO; V = DM/DX")
        w("")
        w("    BARRA           NO            NORMAL             CORTANTE            MOMENTO")
        w("                                   (KN)                 (KN)             (KN.M)")
        w(ruler())
        for bar, f in enumerate(end_actions, start=1):
            ni, nf, _ = BARS[bar - 1]
            for node, (n_, v_, m_) in zip((ni, nf), internal_forces(f)):
                w(f"{bar:9d}{node:13d}{num(n_, 18, 2)}{num(v_, 21, 2)}{num(m_, 19, 2)}")
            w("")
        w("     RESULTANTES NODAIS (SISTEMA GLOBAL; NOS APOIOS: REACOES)")
        w("")
        w("      NO                    FX                       FY                       MZ")
        w("                          (KN)                     (KN)                   (KN.M)")
        w(ruler())
        for n in range(len(NODES)):
            w(f"{n + 1:8d}{num(resultants[3 * n], 22, 2)}{num(resultants[3 * n + 1], 25, 2)}"
              f"{num(resultants[3 * n + 2], 25, 2)}")
        w(ruler())
        w(f"     SOMA DAS REACOES (KN):            FX ={num(-applied_x, 10, 2)}   FY ={num(-applied_y, 10, 2)}")
    w("")
    w(ruler("="))
    w("     FIM DA LISTAGEM")
    return "\n".join(out) + "\n"


def main():
    revision = sys.argv[1:] == ["--revision"]
    if sys.argv[1:] and not revision:
        sys.exit("usage: make_example.py [--revision]")
    name = "GALPAO-R1.ESF" if revision else "GALPAO.ESF"
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    with open(target, "w", newline="\n") as f:
        f.write(listing(revised(CASES) if revision else CASES))
    print(f"written: {target}", file=sys.stderr)


if __name__ == "__main__":
    main()
