// The length step and the option loop: how the argument list becomes the run settings.
#pragma once

#include <cstdint>
#include <string_view>

#include "buildinfo/BuildInfo.h"
#include "frontend/RunSettings.h"
#include "platform/Platform.h"

namespace keyloom {

// The integer rule of the length argument: at most 255 characters, leading blanks and tabs,
// an optional sign, an optional base prefix ("$", "x", "X", "0x", "0X" hexadecimal, "%"
// binary, "&" octal), then only digits of that base. Fails on anything else or on a value
// beyond 32 bits; hexadecimal, binary and octal values wrap into the signed range.
bool ParseLength(std::string_view text, std::int32_t& value);

// Takes the length from the first argument; returns the position of the first argument
// left for the option loop (1 or 2).
int ApplyLengthStep(const Platform& platform, RunSettings& settings);

// Walks the arguments from `first_index` on and changes the settings option by option.
// Returns true when an option ended the run at once (after printing what it prints and
// setting the exit code): -INFO, a help option, or an unknown hash name.
bool RunOptionLoop(Platform& platform, RunSettings& settings, TFileVersionInfoRec& build_info,
                   int first_index);

}  // namespace keyloom
