#include "support/RunProgram.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace virano::testing {

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A new empty file of its own in the system's temporary folder.
std::filesystem::path TempFile() {
  std::string name = (std::filesystem::temp_directory_path() / "virano-utdata-XXXXXX").string();
  const int fd = ::mkstemp(name.data());
  if (fd >= 0) ::close(fd);
  return name;
}

}  // namespace

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

ProgramRun RunShell(const std::filesystem::path& folder, const std::string& command) {
  // What the program writes goes outside `folder`, which it may list.
  const std::filesystem::path out = TempFile(), err = TempFile();
  const std::string line = "cd " + ShellQuote(folder.string()) + " && (" + command + ") >" +
                           ShellQuote(out.string()) + " 2>" + ShellQuote(err.string());
  const int raw = std::system(line.c_str());
  ProgramRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return run;
}

}  // namespace virano::testing
