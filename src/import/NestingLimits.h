#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// How deep the structures of a provider's file go, found without recursion before any parser sees
// the bytes: the parsers that read them recurse once per level, and a file nested a hundred thousand
// levels deep, well under the size limit, would overflow their stack. A real profile nests a handful
// of levels.
//
// Each check is about depth alone. Bytes it cannot follow are left to the parser, which refuses
// them as it always has.
namespace vantorel::nesting {

inline constexpr std::size_t deepestAllowed = 64;
// The most values a binary property list may unfold into (see below).
inline constexpr std::uint64_t largestUnfolded = 200'000;

// Arrays and objects of JSON text.
bool jsonWithin(std::string_view bytes, std::size_t levels = deepestAllowed);
// Elements of XML text.
bool xmlWithin(std::string_view bytes, std::size_t levels = deepestAllowed);
// Containers of a binary property list ("bplist00"), whose objects refer to each other by number: a
// loop among them is as deep as it goes round. Its parser also makes a value of its own for every
// reference, so a few objects that refer to each other many times over unfold into millions of
// values: those count too.
bool binaryPropertyListWithin(std::string_view bytes, std::size_t levels = deepestAllowed,
                              std::uint64_t values = largestUnfolded);
// Constructed values of DER or BER, as a CMS envelope is written.
bool derWithin(std::string_view bytes, std::size_t levels = deepestAllowed);

} // namespace vantorel::nesting
