// Runs a Windows program as a child process (CreateProcess) and collects what it leaves
// behind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace keyloom::testing {

enum class ChildOutput {
  Files,       // standard output and error each go to a file, read after the child ends
  BrokenPipe,  // standard output is a pipe whose reading end is already closed
  NoHandle,    // standard output is no handle at all
};

enum class ChildConsole {
  None,    // no console at all (DETACHED_PROCESS), as under a service or a redirecting tool
  Hidden,  // a console of its own without a window (CREATE_NO_WINDOW)
};

struct ChildResult {
  std::uint32_t pid = 0;  // the child's process id, as CreateProcess reports it
  int exit_code = -1;
  std::string out;
  std::string err;
};

// The command line that hands `args` to a program unchanged, quoted as the C run-time
// splits it.
std::string QuoteCommandLine(const std::string& program, const std::vector<std::string>& args);

// Starts `program` with `args` (ANSI byte strings) and waits for it to end. Fails the
// calling test (and returns exit code -1) when the child cannot be started.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     ChildOutput output = ChildOutput::Files,
                     ChildConsole console = ChildConsole::None);

}  // namespace keyloom::testing
