// Constants fixed when the program is built; the one unit that defines them is generated
// from BuildConstants.cpp.in.
#pragma once

#include "bytestring/ByteString.h"

namespace keyloom {

// The build date as "yyyy/mm/dd".
extern const char kBuildDate[];
// The build date and time as "yyyy/mm/dd hh:mm:ss", on a 24-hour clock.
extern const char kBuildDateTime[];

// " using " + the compiler's name + " " + its three-number version, e.g. " using GCC 12.2.0".
ByteString ToolchainText();

// The processor tag that follows the version on the banner's lines.
inline constexpr const char* kProcessorTag = " x86";

}  // namespace keyloom
