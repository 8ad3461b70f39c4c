#pragma once

#include <QString>
#include <string_view>

namespace vantorel {

// The core keeps text as UTF-8; Qt shows QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace vantorel
