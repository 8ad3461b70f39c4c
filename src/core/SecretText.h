#pragma once

#include <string>
#include <string_view>

namespace vantorel {

// Text whose memory is overwritten before it is given back, by every path that gives it back:
// destruction, assignment and being moved from. For passwords on their way to the
// secret store, typed or read from a provider's file.
class SecretText final {
public:
    SecretText() = default;
    explicit SecretText(std::string_view text) : m_text(text) {}
    SecretText(const SecretText& other) : m_text(other.m_text) {}
    SecretText(SecretText&& other) noexcept;
    SecretText& operator=(const SecretText& other);
    SecretText& operator=(SecretText&& other) noexcept;
    ~SecretText() { wipe(); }

    std::string_view view() const { return m_text; }
    bool empty() const { return m_text.empty(); }
    // Overwrites the text and leaves it empty.
    void wipe() noexcept;

    friend bool operator==(const SecretText& a, const SecretText& b) { return a.m_text == b.m_text; }

private:
    std::string m_text;
};

// Overwrites the bytes a string holds, including the room beyond its end, and empties it.
void wipeString(std::string& text) noexcept;

} // namespace vantorel
