// Version information on Windows: a file's VS_VERSIONINFO resource, through the version API.
#pragma once

#include <memory>

#include "bytestring/ByteString.h"
#include "platform/FileVersionInfo.h"

namespace keyloom {

// A reader of version resources. For `own_path`, the running program's path, it reads the
// program's own RT_VERSION resource (identifier 1) from memory; any other path is read with
// GetFileVersionInfo.
std::unique_ptr<TFileVersionInfo> MakeWindowsVersionInfo(const ByteString& own_path);

}  // namespace keyloom
