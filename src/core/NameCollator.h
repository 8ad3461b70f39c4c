#pragma once

#include <memory>
#include <string>
#include <string_view>

struct UCollator; // ICU's collator, kept out of this header

namespace vantorel {

// Orders location names the way people expect in their language: case-insensitive but
// accent-sensitive, and runs of digits by their numeric value ("Server 2" before "Server 10").
// Creating a collator is costly, so one instance is built and reused.
class NameCollator final {
public:
    // `locale` is an ICU/POSIX locale name such as "en_GB" or "de"; an unknown name falls back to
    // the root collation order.
    explicit NameCollator(const std::string& locale);
    ~NameCollator();
    NameCollator(const NameCollator&) = delete;
    NameCollator& operator=(const NameCollator&) = delete;

    // True when `a` sorts strictly before `b`. Names that compare equal are neither.
    bool less(std::string_view a, std::string_view b) const;

private:
    struct Close {
        void operator()(UCollator* collator) const;
    };
    std::unique_ptr<UCollator, Close> m_collator;
};

} // namespace vantorel
