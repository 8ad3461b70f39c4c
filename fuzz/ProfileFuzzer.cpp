// libFuzzer target: arbitrary bytes as a provider's profile file, through every reader.
#include "ProfileProperties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto fault = vantorel::fuzzing::checkProfile({reinterpret_cast<const char*>(data), size})) {
        std::fprintf(stderr, "profile property broken: %s\n", fault->c_str());
        std::abort();
    }
    return 0;
}
