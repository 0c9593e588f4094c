// Writes the benchmark inputs into a directory: for FULL, WIDE and PADDED the
// combination file (.CMB), the forces file (.FRC) and the console answers
// (.ANS) that name them.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_inputs.h"

namespace {

bool write_file(const std::filesystem::path& path, auto&& write) {
  std::ofstream out(path, std::ios::binary);
  write(out);
  out.flush();
  if (!out) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s DIRECTORY [PADDING_MEGABYTES]\n", argv[0]);
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  auto padded = toval::bench::padded_shape();
  if (argc == 3) padded.padding = std::strtoull(argv[2], nullptr, 10) * 1'000'000ULL;

  for (const auto& shape : {toval::bench::full_shape(), toval::bench::wide_shape(), padded}) {
    bool ok =
        write_file(dir / (shape.name + ".FRC"),
                   [&](std::ostream& o) { toval::bench::write_forces(o, shape); }) &&
        write_file(dir / (shape.name + ".CMB"),
                   [&](std::ostream& o) { toval::bench::write_combinations(o, shape); }) &&
        write_file(dir / (shape.name + ".ANS"), [&](std::ostream& o) { o << toval::bench::answers(shape); });
    if (!ok) return 1;
  }
  return 0;
}
