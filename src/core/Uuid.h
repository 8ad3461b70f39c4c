#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// A 128-bit identifier. Its text form, in the library document and as the secret store's
// account name, is the canonical upper-case 8-4-4-4-12 form.
class Uuid final {
public:
    using Bytes = std::array<std::uint8_t, 16>;

    constexpr Uuid() = default;
    constexpr explicit Uuid(const Bytes& bytes) : m_bytes(bytes) {}

    // A fresh random (version 4) identifier from the operating system's random source.
    static Uuid random();
    // Accepts exactly 36 characters in the 8-4-4-4-12 form, hexadecimal digits of either case.
    static std::optional<Uuid> parse(std::string_view text);

    // Canonical upper-case text, 36 characters.
    std::string string() const;
    const Bytes& bytes() const { return m_bytes; }

    friend constexpr auto operator<=>(const Uuid&, const Uuid&) = default;

private:
    Bytes m_bytes{};
};

} // namespace vantorel
