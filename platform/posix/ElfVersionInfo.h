// Version information on POSIX: a data block in a named section of an ELF executable.
#pragma once

#include <memory>

#include "bytestring/ByteString.h"
#include "platform/FileVersionInfo.h"

namespace keyloom {

// A reader for ELF files; `own_path` is the running program's path, which it reads through
// the process's own executable rather than by name.
std::unique_ptr<TFileVersionInfo> MakeElfVersionInfo(const ByteString& own_path);

}  // namespace keyloom
