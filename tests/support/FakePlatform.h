// A platform for in-process runs: fixed arguments and process id, captured streams, and
// version information from memory or from a chosen reader.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace keyloom::testing {

class StringSink final : public ByteSink {
 public:
  void WriteAll(std::string_view bytes) override;
  std::string text;
  bool fail = false;  // throw EInOutError on every write, as a full disk would
};

// Version information held in memory: entries looked up by key without regard to case, each
// "key=value" cut at 255 characters as a platform's reader hands them out.
class MemoryVersionInfo final : public TFileVersionInfo {
 public:
  explicit MemoryVersionInfo(std::vector<std::pair<std::string, std::string>> entries,
                             bool present = true)
      : entries_(std::move(entries)), present_(present) {}
  void SetFileName(const ByteString& path) override { path_ = path; }
  void ReadFileInfo() override;
  ByteString Value(const ByteString& key) const override;

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
  bool present_;
  ByteString path_;
};

class FakePlatform final : public Platform {
 public:
  explicit FakePlatform(std::vector<std::string> args = {}, std::uint32_t pid = 4242);
  ~FakePlatform() override;

  int ArgumentCount() const override { return static_cast<int>(args.size()); }
  ByteString Argument(int index) const override;
  std::uint32_t ProcessId() const override { return pid; }
  TextWriter& StandardOutput() override { return out_; }
  TextWriter& StandardError() override { return err_; }
  const CodePageSystem& CodePages() const override { return *code_pages_; }
  CodePage ConsoleOutputCodePage() const override { return code_pages_->AnsiCodePage(); }
  ByteString OwnExecutablePath() const override { return ByteString(own_path, kAnsiCodePage); }
  bool FileExists(const ByteString& path) const override;
  std::unique_ptr<TFileVersionInfo> CreateFileVersionInfo() const override;
  const MonthNames& MonthAbbreviations() const override { return months; }
  [[noreturn]] void Exit(int code) override;

  // Makes `page` the ANSI, OEM and console code page (through the platform's conversions
  // for pages other than UTF-8) for the rest of this platform's life.
  void UseCodePage(CodePage page);

  const std::string& Out() const { return out_sink_.text; }
  const std::string& Err() const { return err_sink_.text; }
  StringSink& OutSink() { return out_sink_; }

  std::vector<std::string> args;
  std::uint32_t pid;
  std::string own_path = "/opt/keyloom/bin/keyloom";
  // Paths FileExists accepts; by default only own_path. Set `use_real_files` to ask the
  // file system instead.
  std::vector<std::string> existing_files;
  bool use_real_files = false;
  MonthNames months = EnglishMonthNames();
  // How many readers of version information the run has created.
  mutable int version_readers_created = 0;
  // Makes the reader of version information; by default one holding `version_entries`.
  std::function<std::unique_ptr<TFileVersionInfo>()> version_reader;
  std::vector<std::pair<std::string, std::string>> version_entries = {
      {"FileVersion", "2.4.0.360"},
      {"FileDescription", "Test build"},
      {"CompanyName", "Keyloom"},
      {"Comments", "Made for tests"},
      {"LegalCopyright", "(c) 2026 Keyloom"}};

 private:
  std::unique_ptr<CodePageSystem> code_pages_;
  StringSink out_sink_;
  StringSink err_sink_;
  TextWriter out_;
  TextWriter err_;
};

}  // namespace keyloom::testing
