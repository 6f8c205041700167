// Version information on POSIX: a data block in a named section of an ELF executable. The
// block's format is described in resources/README.md.
#pragma once

#include <memory>
#include <string_view>

#include "bytestring/ByteString.h"
#include "platform/FileVersionInfo.h"

namespace keyloom {

// The section of an ELF file that holds the version block.
inline constexpr std::string_view kVersionSectionName = ".keyloom.version";

// A reader for ELF files, 32- and 64-bit, of either byte order; `own_path` is the running
// program's path, which it reads through the process's own executable rather than by name.
std::unique_ptr<TFileVersionInfo> MakeElfVersionInfo(const ByteString& own_path);

}  // namespace keyloom
