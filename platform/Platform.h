// The one narrow interface between the program and the operating system. The front end is
// handed a Platform, so a whole run can also execute in-process against a test double.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "bytestring/ByteString.h"
#include "bytestring/CodePage.h"
#include "platform/FileVersionInfo.h"
#include "platform/TextWriter.h"

namespace keyloom {

using MonthNames = std::array<ByteString, 12>;

// The English abbreviations, used where the user's settings give none.
MonthNames EnglishMonthNames();

class Platform {
 public:
  virtual ~Platform() = default;

  // Arguments after the program name; Argument(i) for i in 1..ArgumentCount(), empty
  // beyond the last. Each is a byte string in the ANSI code page.
  virtual int ArgumentCount() const = 0;
  virtual ByteString Argument(int index) const = 0;

  // The identifier of the running process, read once at start-up.
  virtual std::uint32_t ProcessId() const = 0;

  virtual TextWriter& StandardOutput() = 0;
  virtual TextWriter& StandardError() = 0;

  // The code pages in force and their conversions; the console's output page is the one
  // the two standard streams carry.
  virtual const CodePageSystem& CodePages() const = 0;
  virtual CodePage ConsoleOutputCodePage() const = 0;

  // The full path of the program's own executable file, in the ANSI code page.
  virtual ByteString OwnExecutablePath() const = 0;
  // True when the path names an existing file that is not a directory; links are followed.
  virtual bool FileExists(const ByteString& path) const = 0;
  // A new reader of version information; the running program's own information when the
  // path it is given equals OwnExecutablePath().
  virtual std::unique_ptr<TFileVersionInfo> CreateFileVersionInfo() const = 0;

  // Abbreviated month names of the user's regional settings, read once at start-up.
  virtual const MonthNames& MonthAbbreviations() const = 0;

  // Ends the process with `code` after the standard streams are done.
  [[noreturn]] virtual void Exit(int code) = 0;

  // The code the process will exit with; set by the run as it goes.
  int ExitCode() const { return exit_code_; }
  void SetExitCode(int code) { exit_code_ = code; }

 private:
  int exit_code_ = 0;
};

}  // namespace keyloom
