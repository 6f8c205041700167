// The platform's reader of a file's version information: it reads one file and hands out
// the entries of one string table, looked up by key without regard to case.
#pragma once

#include <memory>
#include <vector>

#include "bytestring/ByteString.h"
#include "bytestring/Exception.h"

namespace keyloom {

// Raised by Read when the file holds no version information or no string table.
class EVersionInfoError : public Exception {
 public:
  using Exception::Exception;
  const char* KindName() const noexcept override { return "EVersionInfoError"; }
};

class TFileVersionInfo {
 public:
  virtual ~TFileVersionInfo() = default;
  virtual void SetFileName(const ByteString& path) = 0;
  // Reads the version information of the file named last; throws on any failure.
  virtual void ReadFileInfo() = 0;
  // The value of the first entry whose key matches `key` without regard to case, empty
  // when there is none. Entries are "key=value" texts of at most 255 characters.
  virtual ByteString Value(const ByteString& key) const = 0;
};

// The value of the first "key=value" entry whose key matches `key` without regard to ASCII
// case; empty when there is none. Shared by the platforms' readers.
ByteString FindEntryValue(const std::vector<ByteString>& entries, const ByteString& key);

}  // namespace keyloom
