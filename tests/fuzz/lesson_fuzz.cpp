// SPDX-License-Identifier: MIT
// The coverage-guided fuzzer's entry (clang's libFuzzer): the build makes it where clang is
// installed, and the test fuzz.lesson runs it for a minute from the seeds beside it.
#include "lesson_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korru::fuzz::try_input(data, size);
    return 0;
}
