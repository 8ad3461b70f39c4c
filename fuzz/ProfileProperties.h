#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorel::fuzzing {

// Bytes as a provider's profile file, given to the entry point and to each format's reader: any
// failure is fine; a reading that offers locations offers at least one, with UTF-8 texts, and
// comes back equal through the pipe between the reading process and the app, which refuses every
// cut-short answer.
std::optional<std::string> checkProfile(std::string_view bytes);

} // namespace vantorel::fuzzing
