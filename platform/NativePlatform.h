// The platform of the machine the program runs on, and what only the platform can know about
// an error: the chain of calls that led to it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Platform.h"

namespace keyloom {

// Reads the process's arguments, identifier, locale and streams once, at creation.
std::unique_ptr<Platform> CreateNativePlatform(int argc, char** argv);

// Return addresses of the current call chain, innermost first, without this function's own.
std::vector<std::uintptr_t> CaptureCallChain();

}  // namespace keyloom
