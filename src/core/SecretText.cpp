#include "SecretText.h"

#include <string.h> // explicit_bzero

namespace vantorel {

void wipeString(std::string& text) noexcept {
    // capacity(), not size(): a string that shrank, or one whose short text was moved out, still
    // holds the earlier bytes in its buffer.
    ::explicit_bzero(text.data(), text.capacity());
    text.clear();
}

SecretText::SecretText(SecretText&& other) noexcept : m_text(std::move(other.m_text)) {
    other.wipe();
}

SecretText& SecretText::operator=(const SecretText& other) {
    if (this != &other) {
        wipe();
        m_text = other.m_text;
    }
    return *this;
}

SecretText& SecretText::operator=(SecretText&& other) noexcept {
    if (this != &other) {
        wipe();
        m_text = std::move(other.m_text);
        other.wipe();
    }
    return *this;
}

void SecretText::wipe() noexcept {
    wipeString(m_text);
}

} // namespace vantorel
