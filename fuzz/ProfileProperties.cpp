#include "ProfileProperties.h"

#include "import/ProfileFormats.h"

#include <algorithm>

namespace vantorel::fuzzing {
namespace {

std::optional<std::string> checkReading(const ProviderFileReading& reading, const char* reader) {
    const auto fault = [reader](const char* what) {
        return std::string(reader) + ": " + what;
    };
    if (reading) {
        if (reading->locations.empty()) {
            return fault("a file read without a location");
        }
        if (!detail::textsAreUtf8(*reading)) {
            return fault("a text that is not UTF-8");
        }
    }
    const std::string encoded = encodeReading(reading);
    if (decodeReading(encoded) != reading) {
        return fault("the reading changed on its way through the pipe");
    }
    // Every answer cut short is refused: the ends of the answer, where a helper that died would
    // have stopped, and a few cuts between them.
    const std::size_t size = encoded.size();
    for (const std::size_t cut : {std::size_t(0), std::size_t(1), size / 3, size / 2, size - 1}) {
        if (cut < size && decodeReading(std::string_view(encoded).substr(0, cut))) {
            return fault("an answer cut short was taken for a whole one");
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> checkProfile(std::string_view bytes) {
    const struct {
        const char* name;
        ProviderFileReading (*read)(std::string_view);
    } readers[] = {{"entry point", readProviderFile},
                   {"strongSwan", readStrongSwanProfile},
                   {"Apple", readAppleProfile},
                   {"NetworkManager", readNetworkManagerConnection}};
    for (const auto& [name, read] : readers) {
        if (auto fault = checkReading(read(bytes), name)) {
            return fault;
        }
    }
    return std::nullopt;
}

} // namespace vantorel::fuzzing
