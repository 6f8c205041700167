// A standard stream as the program writes it: pieces of a line gather in memory, and the
// finished line (with the platform's line end) goes to the operating system at once.
#pragma once

#include <string>
#include <string_view>

#include "bytestring/ByteString.h"
#include "bytestring/Exception.h"

namespace keyloom {

// A write that the operating system refused (a full disk, a closed stream).
class EInOutError : public Exception {
 public:
  using Exception::Exception;
  const char* KindName() const noexcept override { return "EInOutError"; }
};

// Where finished lines go: a file descriptor, a handle, or memory in tests.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Hands all of `bytes` on; throws EInOutError when that fails.
  virtual void WriteAll(std::string_view bytes) = 0;
};

class TextWriter {
 public:
  // Texts are converted to `output_page` (a tag or a numeric page); lines end in `line_end`.
  TextWriter(ByteSink& sink, CodePage output_page, std::string line_end)
      : sink_(sink), page_(output_page), line_end_(std::move(line_end)) {}

  TextWriter& Write(const ByteString& piece);
  // Ends the line and hands it to the sink.
  TextWriter& EndLine();
  TextWriter& Line(const ByteString& text) { return Write(text).EndLine(); }

  const std::string& LineEnd() const { return line_end_; }

 private:
  ByteSink& sink_;
  CodePage page_;
  std::string line_end_;
  std::string pending_;
};

}  // namespace keyloom
