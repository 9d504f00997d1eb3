// The libFuzzer entry of one fuzzing program; KORVATH_FUZZ_TARGET names the
// target function (see fuzz_targets.h).

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return KORVATH_FUZZ_TARGET(data, size);
}
