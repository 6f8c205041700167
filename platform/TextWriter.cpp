#include "platform/TextWriter.h"

namespace keyloom {

TextWriter& TextWriter::Write(const ByteString& piece) {
  pending_ += ConvertBytes(piece.View(), piece.Tag(), page_);
  return *this;
}

TextWriter& TextWriter::EndLine() {
  pending_ += line_end_;
  std::string line;
  line.swap(pending_);
  sink_.WriteAll(line);
  return *this;
}

}  // namespace keyloom
