#include "tests/endtoend/Process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <stdexcept>

extern char** environ;

namespace keyloom::testing {
namespace {

void Check(int rc, const char* what) {
  if (rc != 0) throw std::runtime_error(std::string(what) + " failed");
}

// Reads both pipes to their ends without letting either fill up; false when the deadline
// passed first.
bool Drain(int out_fd, int err_fd, std::string& out, std::string& err,
           std::chrono::steady_clock::time_point deadline) {
  pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  int open = (out_fd >= 0) + (err_fd >= 0);
  if (out_fd < 0) fds[0].fd = -1;
  char buffer[65536];
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      for (pollfd& p : fds) {
        if (p.fd >= 0) ::close(p.fd);
      }
      return false;
    }
    const int ready = ::poll(fds, 2, static_cast<int>(left.count()));
    if (ready < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll failed");
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? out : err).append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  return true;
}

}  // namespace

ProcessResult RunProcess(const std::string& binary, const std::vector<std::string>& args,
                         OutputTarget out_target, int limit_seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limit_seconds);
  int out_pipe[2] = {-1, -1};
  int err_pipe[2];
  if (out_target == OutputTarget::Pipe) Check(::pipe(out_pipe), "pipe");
  Check(::pipe(err_pipe), "pipe");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  switch (out_target) {
    case OutputTarget::Pipe:
      posix_spawn_file_actions_adddup2(&actions, out_pipe[1], STDOUT_FILENO);
      posix_spawn_file_actions_addclose(&actions, out_pipe[0]);
      posix_spawn_file_actions_addclose(&actions, out_pipe[1]);
      break;
    case OutputTarget::DevFull:
      posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
      break;
    case OutputTarget::Closed:
      posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
      break;
  }
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, err_pipe[0]);
  posix_spawn_file_actions_addclose(&actions, err_pipe[1]);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(binary.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  char lc_all[] = "LC_ALL=C";
  char* envp[] = {lc_all, nullptr};

  ProcessResult result;
  const int rc = ::posix_spawn(&result.pid, binary.c_str(), &actions, nullptr, argv.data(), envp);
  posix_spawn_file_actions_destroy(&actions);
  if (out_pipe[1] >= 0) ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  if (rc != 0) throw std::runtime_error("posix_spawn failed for " + binary);

  if (!Drain(out_pipe[0], err_pipe[0], result.out, result.err, deadline)) {
    ::kill(result.pid, SIGKILL);
    result.timed_out = true;
  }
  int status = 0;
  while (::waitpid(result.pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace keyloom::testing
