// The three password generators and the special-character sets they are given.
#pragma once

#include <cstdint>

#include "bytestring/ByteString.h"

namespace keyloom {

// "<>\"^'%&`|": left out of complex passwords by default.
ByteString DefaultExclusionSet();
// The default nine followed by "!()", in force after -E or -B.
ByteString ExtendedExclusionSet();

// Digits and letters of both cases (codes 48..122 drawn, the 13 others discarded).
ByteString MakeSimplePassword(std::int32_t length);
// Codes 33..126 less the bytes of `exclusion_set`; the set must leave a candidate.
ByteString MakeComplexPassword(std::int32_t length, const ByteString& exclusion_set);
// Drawn from A-Z, 0-9, the inclusion set, a-z, 0-9, the inclusion set, without rejection.
ByteString MakeCustomPassword(std::int32_t length, const ByteString& inclusion_set);

// True when `exclusion_set` leaves MakeComplexPassword at least one candidate.
bool LeavesComplexCandidates(const ByteString& exclusion_set);

}  // namespace keyloom
