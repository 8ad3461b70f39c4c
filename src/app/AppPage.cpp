#include "AppPage.h"

#include <QtGlobal>

namespace vantorel {
namespace {

struct PageInfo {
    std::string_view raw;
    std::string_view symbol;
};

// In the order of AppPage's cases.
constexpr std::array<PageInfo, allPages.size()> pages{{
    {QT_TRANSLATE_NOOP("AppPage", "Connection"), "shield.lefthalf.filled"},
    {QT_TRANSLATE_NOOP("AppPage", "Locations"), "globe.americas"},
    {QT_TRANSLATE_NOOP("AppPage", "Preferences"), "slider.horizontal.3"},
    {QT_TRANSLATE_NOOP("AppPage", "Your service"), "person.crop.circle"},
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
