// What every native platform holds alike: the values read once at start-up, the argument
// list, and the two standard streams as line writers over sinks of the system's own kind.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace keyloom {

class ProcessPlatform : public Platform {
 public:
  // Read by the native platform before anything else runs.
  struct StartValues {
    std::uint32_t pid = 0;
    ByteString own_path;
    MonthNames months;
    CodePage console_page = kAnsiCodePage;
    std::string line_end;
  };

  int ArgumentCount() const override { return static_cast<int>(args_.size()); }
  ByteString Argument(int index) const override;
  std::uint32_t ProcessId() const override { return values_.pid; }
  TextWriter& StandardOutput() override { return out_; }
  TextWriter& StandardError() override { return err_; }
  CodePage ConsoleOutputCodePage() const override { return values_.console_page; }
  ByteString OwnExecutablePath() const override { return values_.own_path; }
  const MonthNames& MonthAbbreviations() const override { return values_.months; }

 protected:
  // The arguments after the program name become ANSI byte strings.
  ProcessPlatform(int argc, char** argv, StartValues values, std::unique_ptr<ByteSink> out,
                  std::unique_ptr<ByteSink> err);

 private:
  StartValues values_;
  std::vector<ByteString> args_;
  std::unique_ptr<ByteSink> out_sink_;
  std::unique_ptr<ByteSink> err_sink_;
  TextWriter out_;
  TextWriter err_;
};

}  // namespace keyloom
