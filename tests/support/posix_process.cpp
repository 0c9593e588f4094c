#include "support/posix_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

namespace toval::testing::posix {

namespace {

// In the child: connect `fd` to `path`; false when it cannot be opened.
bool redirect(int fd, const std::string& path, int flags) {
  int opened = ::open(path.c_str(), flags, 0644);
  if (opened < 0 || ::dup2(opened, fd) < 0) return false;
  ::close(opened);
  return true;
}

}  // namespace

int run_process(const std::string& dir, const std::vector<std::string>& argv, const std::string& in_file,
                const std::string& out_file, const std::string& err_file) {
  if (argv.empty()) return -1;
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    const int out_flags = O_WRONLY | O_CREAT | O_TRUNC;
    if (::chdir(dir.c_str()) == 0 && redirect(0, in_file, O_RDONLY) && redirect(1, out_file, out_flags) &&
        redirect(2, err_file, out_flags))
      ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int raw = 0;
  while (::waitpid(child, &raw, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string full_device() {
  return std::filesystem::exists("/dev/full") ? "/dev/full" : "";
}

std::string make_temp_dir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "toval-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary directory");
  return pattern;
}

}  // namespace toval::testing::posix
