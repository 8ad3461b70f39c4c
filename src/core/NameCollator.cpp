#include "NameCollator.h"

#include <unicode/ucol.h>

namespace vantorel {

void NameCollator::Close::operator()(UCollator* collator) const {
    ucol_close(collator);
}

NameCollator::NameCollator(const std::string& locale) {
    UErrorCode status = U_ZERO_ERROR;
    // ICU falls back through the locale's parents to the root order for names it does not know.
    m_collator.reset(ucol_open(locale.c_str(), &status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        m_collator.reset(ucol_open("", &status));
    }
    if (m_collator) {
        ucol_setStrength(m_collator.get(), UCOL_SECONDARY);
        ucol_setAttribute(m_collator.get(), UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    }
}

NameCollator::~NameCollator() = default;

bool NameCollator::less(std::string_view a, std::string_view b) const {
    if (!m_collator) {
        return a < b;
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = ucol_strcollUTF8(m_collator.get(), a.data(), static_cast<int32_t>(a.size()),
                                                     b.data(), static_cast<int32_t>(b.size()), &status);
    return U_SUCCESS(status) && result == UCOL_LESS;
}

} // namespace vantorel
