// libFuzzer target: arbitrary bytes as the texts of a location, a search and a name ordering.
#include "Properties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto fault = vantorel::fuzzing::checkRecord({reinterpret_cast<const char*>(data), size})) {
        std::fprintf(stderr, "record property broken: %s\n", fault->c_str());
        std::abort();
    }
    return 0;
}
