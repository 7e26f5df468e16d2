#pragma once
// Built programs run from a shell, as a user runs them.
#include <filesystem>
#include <string>

namespace virano::testing {

struct ProgramRun {
  int status = -1;  // the exit code; -1 when the program did not exit normally
  std::string out, err;
  std::string all() const { return out + err; }
};

// `text` as one word of a shell command, quoted.
std::string ShellQuote(const std::string& text);

// Runs the shell command `command` in `folder`; what it wrote to standard
// output and standard error is kept apart.
ProgramRun RunShell(const std::filesystem::path& folder, const std::string& command);

}  // namespace virano::testing
