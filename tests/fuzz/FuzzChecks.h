// The checks behind the fuzz targets. Each takes one input as libFuzzer hands it out and
// returns an empty text when every property holds, or a description of the first one that
// does not. The libFuzzer entries abort on a description; the replay test reports it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace keyloom::fuzz {

// A whole in-process run: the process id from the first four bytes, the arguments from the
// rest split on NUL bytes.
std::string CheckInvocation(const std::uint8_t* data, std::size_t size);

// ParseLength against ReferenceLength on the input as one text.
std::string CheckLength(const std::uint8_t* data, std::size_t size);

// Every engine: the input fed in pieces, with a clone taken between two pieces, gives the
// digest of the whole input at once.
std::string CheckDigest(const std::uint8_t* data, std::size_t size);

// The length argument's integer rule, written apart from the product: the value, or nothing
// when the text is refused.
std::optional<std::int32_t> ReferenceLength(std::string_view text);

}  // namespace keyloom::fuzz
