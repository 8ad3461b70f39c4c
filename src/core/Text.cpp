#include "Text.h"

#include <algorithm>
#include <memory>
#include <unicode/brkiter.h>
#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/ucasemap.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace vantorel::text {
namespace {

// Calls `visit(codePoint, begin, end)` for each scalar; returns false at the first ill-formed sequence.
template <typename Visit> bool forEachScalar(std::string_view text, Visit&& visit) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t i = 0;
    while (i < length) {
        const int32_t begin = i;
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            return false;
        }
        if (!visit(c, begin, i)) {
            break;
        }
    }
    return true;
}

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool isTrimmable(UChar32 c) {
    if ((c >= 0x09 && c <= 0x0D) || c == 0x85) {
        return true;
    }
    const int8_t category = u_charType(c);
    return category == U_SPACE_SEPARATOR || category == U_LINE_SEPARATOR || category == U_PARAGRAPH_SEPARATOR;
}

// Break iterators are costly to create and not thread-safe, so each thread keeps one.
icu::BreakIterator* characterBreaks() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

const icu::Normalizer2* nfd() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFDInstance(status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}

// NFD(fold(NFD(text))): the form in which canonically equivalent, case-variant texts are equal.
icu::UnicodeString caselessForm(std::string_view text) {
    const icu::Normalizer2* normalizer = nfd();
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString form = normalizer->normalize(
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size()))), status);
    form.foldCase(U_FOLD_CASE_DEFAULT);
    return normalizer->normalize(form, status);
}

bool isCombiningMark(UChar32 c) {
    return (U_GET_GC_MASK(c) & U_GC_M_MASK) != 0;
}

const icu::Normalizer2* nfc() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    return isAscii(text) || forEachScalar(text, [](UChar32, int32_t, int32_t) { return true; });
}

std::size_t characterCount(std::string_view text) {
    // Plain ASCII without carriage returns has one character per byte (CR LF is one cluster).
    if (isAscii(text) && text.find('\r') == std::string_view::npos) {
        return text.size();
    }
    UErrorCode status = U_ZERO_ERROR;
    UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    icu::BreakIterator* breaks = characterBreaks();
    std::size_t count = 0;
    if (U_SUCCESS(status) && breaks != nullptr) {
        breaks->setText(utext, status);
        if (U_SUCCESS(status)) {
            for (int32_t at = breaks->next(); at != icu::BreakIterator::DONE; at = breaks->next()) {
                ++count;
            }
        }
    }
    utext_close(utext);
    return count;
}

std::string trimmed(std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t begin = 0;
    while (begin < length) {
        int32_t next = begin;
        UChar32 c;
        U8_NEXT(bytes, next, length, c);
        if (c < 0 || !isTrimmable(c)) {
            break;
        }
        begin = next;
    }
    int32_t end = length;
    while (end > begin) {
        int32_t previous = end;
        UChar32 c;
        U8_PREV(bytes, begin, previous, c);
        if (c < 0 || !isTrimmable(c)) {
            break;
        }
        end = previous;
    }
    return std::string(text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
}

bool containsControlScalar(std::string_view text) {
    // In ASCII the controls are exactly 0x00 to 0x1F and 0x7F, and there are no format characters.
    if (isAscii(text)) {
        return std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    }
    bool found = false;
    const bool wellFormed = forEachScalar(text, [&](UChar32 c, int32_t, int32_t) {
        const int8_t category = u_charType(c);
        found = category == U_CONTROL_CHAR || category == U_FORMAT_CHAR;
        return !found;
    });
    return found || !wellFormed;
}

std::string lowercased(std::string_view text) {
    if (isAscii(text)) {
        std::string lower(text);
        for (char& c : lower) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return lower;
    }
    if (!isValidUtf8(text)) {
        return std::string(text);
    }
    // The root locale gives the language-independent full mapping (no Turkish dotless i).
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> map(ucasemap_open("", U_FOLD_CASE_DEFAULT, &status),
                                                             &ucasemap_close);
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    std::string lower(text.size() * 3 + 4, '\0');
    const auto source = static_cast<int32_t>(text.size());
    int32_t length =
        ucasemap_utf8ToLower(map.get(), lower.data(), static_cast<int32_t>(lower.size()), text.data(), source, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        lower.assign(static_cast<std::size_t>(length), '\0');
        length = ucasemap_utf8ToLower(map.get(), lower.data(), length, text.data(), source, &status);
    }
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    lower.resize(static_cast<std::size_t>(length));
    return lower;
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    const icu::Normalizer2* normalizer = nfc();
    if (normalizer == nullptr || !isValidUtf8(a) || !isValidUtf8(b)) {
        return false;
    }
    UErrorCode status = U_ZERO_ERROR;
    const bool aIsNfc =
        normalizer->isNormalizedUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())), status);
    const bool bIsNfc =
        normalizer->isNormalizedUTF8(icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    if (U_FAILURE(status)) {
        return false;
    }
    // NFC is unique: two different texts that are both already in it are not equivalent.
    if (aIsNfc && bIsNfc) {
        return false;
    }
    auto normalize = [&](std::string_view in, bool alreadyNfc) {
        if (alreadyNfc) {
            return std::string(in);
        }
        std::string out;
        icu::StringByteSink<std::string> sink(&out);
        normalizer->normalizeUTF8(0, icu::StringPiece(in.data(), static_cast<int32_t>(in.size())), sink, nullptr,
                                  status);
        return out;
    };
    const std::string na = normalize(a, aIsNfc);
    const std::string nb = normalize(b, bIsNfc);
    return U_SUCCESS(status) && na == nb;
}

struct CaselessFolded {
    icu::UnicodeString form;
};

CaselessText::CaselessText(std::string_view text)
    : m_valid(nfd() != nullptr && isValidUtf8(text)),
      m_folded(std::make_unique<CaselessFolded>(m_valid ? caselessForm(text) : icu::UnicodeString())) {}

CaselessText::~CaselessText() = default;
CaselessText::CaselessText(CaselessText&&) noexcept = default;
CaselessText& CaselessText::operator=(CaselessText&&) noexcept = default;

CaselessPattern::CaselessPattern(std::string_view needle)
    : m_empty(needle.empty()), m_valid(nfd() != nullptr && isValidUtf8(needle)),
      m_folded(std::make_unique<CaselessFolded>(m_valid ? caselessForm(needle) : icu::UnicodeString())) {}

CaselessPattern::~CaselessPattern() = default;

bool CaselessPattern::foundIn(std::string_view haystack) const {
    // An empty needle is found even in ill-formed text, and nothing needs folding for it.
    return m_empty || foundIn(CaselessText(haystack));
}

bool CaselessPattern::foundIn(const CaselessText& haystack) const {
    if (m_empty) {
        return true;
    }
    const icu::UnicodeString& pattern = m_folded->form;
    if (!m_valid || pattern.isEmpty() || !haystack.m_valid) {
        return false;
    }
    const icu::UnicodeString& text = haystack.m_folded->form;
    for (int32_t at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern, at + 1)) {
        const int32_t end = at + pattern.length();
        const bool startsInsideSequence = isCombiningMark(text.char32At(at)) && at > 0;
        const bool endsInsideSequence = end < text.length() && isCombiningMark(text.char32At(end));
        if (!startsInsideSequence && !endsInsideSequence) {
            return true;
        }
    }
    return false;
}

bool caselessContains(std::string_view haystack, std::string_view needle) {
    return CaselessPattern(needle).foundIn(haystack);
}

} // namespace vantorel::text
