#pragma once

#include <optional>
#include <string>
#include <string_view>

// What must hold for any input at all, checked by the fuzz targets and replayed over the corpus by
// the normal test suite. Each returns what went wrong, or nothing.
namespace vantorel::fuzzing {

// Bytes as a library document: unreadable or refused is fine; a library that reads and passes its
// check must encode to bytes that read back to an equal library, and encoding it again must give
// the same bytes.
std::optional<std::string> checkDocument(std::string_view bytes);

// Bytes as the five texts of a location (then a search query and a second name), separated by
// 0xFF, a byte that never occurs in UTF-8: an accepted location is well-formed, trimmed, within
// its limits and unchanged by a second check; a text finds itself and the search ignores the case
// of ASCII letters; the name ordering is a strict order.
std::optional<std::string> checkRecord(std::string_view bytes);

} // namespace vantorel::fuzzing
