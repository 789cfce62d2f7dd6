// One libFuzzer program per target; QUOTARA_FUZZ_TARGET names it.

#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const quotara::fuzz::Target* target = quotara::fuzz::findTarget(QUOTARA_FUZZ_TARGET);
    target->run({data, size});
    return 0;
}
