// Runs the real program as a child process and collects what it leaves behind.
#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

namespace keyloom::testing {

enum class OutputTarget { Pipe, DevFull, Closed };

struct ProcessResult {
  pid_t pid = 0;
  int exit_code = -1;  // -1 when a signal ended the child
  int signal = 0;
  bool timed_out = false;  // the child was killed after the time limit
  std::string out;
  std::string err;
};

// Starts `binary` with `args` in the C locale and waits for it, at most `limit_seconds`.
ProcessResult RunProcess(const std::string& binary, const std::vector<std::string>& args,
                         OutputTarget out_target = OutputTarget::Pipe, int limit_seconds = 60);

}  // namespace keyloom::testing
