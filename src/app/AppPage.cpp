#include "AppPage.h"

namespace vantorel {
namespace {

struct PageInfo {
    std::string_view raw;
    std::string_view symbol;
};

// In the order of AppPage's cases.
constexpr std::array<PageInfo, allPages.size()> pages{{
    {"Connection", "shield.lefthalf.filled"},
    {"Locations", "globe.americas"},
    {"Preferences", "slider.horizontal.3"},
    {"Your service", "person.crop.circle"},
}};

const PageInfo& info(AppPage page) {
    return pages[static_cast<std::size_t>(page)];
}

} // namespace

std::string_view rawValue(AppPage page) {
    return info(page).raw;
}
std::string_view symbolName(AppPage page) {
    return info(page).symbol;
}

} // namespace vantorel
