// The libFuzzer entry of one target; KEYLOOM_FUZZ_CHECK names its check function.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure = keyloom::fuzz::KEYLOOM_FUZZ_CHECK(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "check failed: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
