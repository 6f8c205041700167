#include "tests/windows/Process.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace keyloom::testing {
namespace {

// Long enough for any run of these tests; reached only when a child hangs.
constexpr DWORD kWaitLimitMilliseconds = 5 * 60 * 1000;

void AppendQuoted(std::string& line, const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) {
    line += arg;
    return;
  }
  line += '"';
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      line.append(2 * backslashes + 1, '\\');
    } else {
      line.append(backslashes, '\\');
    }
    backslashes = 0;
    line += c;
  }
  line.append(2 * backslashes, '\\');
  line += '"';
}

// A temporary file the child can inherit, deleted when closed.
class TempFile {
 public:
  TempFile() {
    char folder[MAX_PATH];
    char name[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    ::GetTempFileNameA(folder, "kl", 0, name);
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    handle_ = ::CreateFileA(
        name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  }
  ~TempFile() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  HANDLE Handle() const { return handle_; }

  std::string ReadAll() const {
    std::string text;
    ::SetFilePointer(handle_, 0, nullptr, FILE_BEGIN);
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(handle_, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
    return text;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::string QuoteCommandLine(const std::string& program, const std::vector<std::string>& args) {
  std::string line;
  AppendQuoted(line, program);
  for (const std::string& arg : args) {
    line += ' ';
    AppendQuoted(line, arg);
  }
  return line;
}

ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     ChildOutput output, ChildConsole console) {
  ChildResult result;
  TempFile out;
  TempFile err;
  if (out.Handle() == INVALID_HANDLE_VALUE || err.Handle() == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "No temporary files for the child's output";
    return result;
  }
  HANDLE pipe_read = nullptr;
  HANDLE pipe_write = nullptr;
  HANDLE child_out = out.Handle();
  if (output == ChildOutput::BrokenPipe) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!::CreatePipe(&pipe_read, &pipe_write, &inherit, 0)) {
      ADD_FAILURE() << "CreatePipe failed: " << ::GetLastError();
      return result;
    }
    ::CloseHandle(pipe_read);
    child_out = pipe_write;
  } else if (output == ChildOutput::NoHandle) {
    child_out = nullptr;
  }

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = child_out;
  startup.hStdError = err.Handle();
  PROCESS_INFORMATION process{};
  std::string command_line = QuoteCommandLine(program, args);
  const BOOL started =
      ::CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, TRUE,
                       console == ChildConsole::Hidden ? CREATE_NO_WINDOW : DETACHED_PROCESS,
                       nullptr, nullptr, &startup, &process);
  if (pipe_write != nullptr) ::CloseHandle(pipe_write);
  if (!started) {
    ADD_FAILURE() << "CreateProcess failed for " << program << ": " << ::GetLastError();
    return result;
  }
  result.pid = process.dwProcessId;
  if (::WaitForSingleObject(process.hProcess, kWaitLimitMilliseconds) != WAIT_OBJECT_0) {
    ADD_FAILURE() << program << " did not end";
    ::TerminateProcess(process.hProcess, 255);
    ::WaitForSingleObject(process.hProcess, INFINITE);
  }
  DWORD code = 0;
  if (::GetExitCodeProcess(process.hProcess, &code)) result.exit_code = static_cast<int>(code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  if (output == ChildOutput::Files) result.out = out.ReadAll();
  result.err = err.ReadAll();
  return result;
}

}  // namespace keyloom::testing
