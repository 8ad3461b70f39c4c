#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The Unicode rules that the records are checked by, on UTF-8 text, with ICU's data.
namespace vantorel::text {

// True when the bytes are well-formed UTF-8 (no surrogates, no overlong forms, nothing above U+10FFFF).
bool isValidUtf8(std::string_view text);

// Number of user-perceived characters (extended grapheme clusters).
std::size_t characterCount(std::string_view text);

// Removes white space and line breaks at both ends: general category Z, U+0009 to U+000D and
// U+0085. Inner white space stays. Ill-formed bytes are never removed.
std::string trimmed(std::string_view text);

// True when some scalar has general category Cc or Cf (tab, line feed, zero-width joiner,
// soft hyphen, direction marks, ...). Ill-formed text counts as containing one.
bool containsControlScalar(std::string_view text);

// Full Unicode lower-case mapping, the same in every locale. Ill-formed text comes back unchanged.
std::string lowercased(std::string_view text);

// Unicode canonical equivalence: a precomposed letter equals its decomposed form.
bool canonicallyEqual(std::string_view a, std::string_view b);

// Case-insensitive, accent-sensitive containment: both texts are compared in their canonically
// decomposed, fully case-folded forms, and a match that starts or ends inside a combining
// sequence does not count ("cafe" is not found in "café"). An empty needle is found everywhere.
bool caselessContains(std::string_view haystack, std::string_view needle);

struct CaselessFolded;

// A haystack prepared once for caselessContains, for searching the same texts for many needles.
class CaselessText final {
public:
    explicit CaselessText(std::string_view text);
    ~CaselessText();
    CaselessText(CaselessText&&) noexcept;
    CaselessText& operator=(CaselessText&&) noexcept;

private:
    friend class CaselessPattern;
    bool m_valid;
    std::unique_ptr<CaselessFolded> m_folded;
};

// caselessContains with the needle prepared once, for searching many texts for the same one.
class CaselessPattern final {
public:
    explicit CaselessPattern(std::string_view needle);
    ~CaselessPattern();
    CaselessPattern(const CaselessPattern&) = delete;
    CaselessPattern& operator=(const CaselessPattern&) = delete;

    bool foundIn(std::string_view haystack) const;
    bool foundIn(const CaselessText& haystack) const;

private:
    bool m_empty;
    bool m_valid;
    std::unique_ptr<CaselessFolded> m_folded;
};

} // namespace vantorel::text
