// Writes the benchmark inputs into a directory: for FULL, WIDE and PADDED the
// combination file (.CMB), the forces file (.FRC) and the console answers
// (.ANS) that name them; with --export first, LARGE and LARGE4X instead, the
// frames that bench/measure_export.sh gives to toval-tools export.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_inputs.h"

namespace {

bool write_file(const std::filesystem::path& path, auto&& write) {
  std::ofstream out(path, std::ios::binary);
  write(out);
  out.flush();
  if (!out) std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const char* program = argv[0];
  const bool large = argc > 1 && std::string(argv[1]) == "--export";
  if (large) --argc, ++argv;
  if (argc < 2 || argc > 3 || (large && argc > 2)) {
    std::fprintf(stderr, "usage: %s DIRECTORY [PADDING_MEGABYTES]\n       %s --export DIRECTORY\n", program,
                 program);
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  auto padded = toval::bench::padded_shape();
  if (argc == 3) padded.padding = std::strtoull(argv[2], nullptr, 10) * 1'000'000ULL;

  std::vector<toval::bench::Shape> shapes{toval::bench::full_shape(), toval::bench::wide_shape(), padded};
  if (large) shapes = {toval::bench::large_shape(), toval::bench::large_4x_shape()};
  for (const auto& shape : shapes) {
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
