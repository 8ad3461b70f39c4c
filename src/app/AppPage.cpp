#include "AppPage.h"

namespace vantorel {

std::string_view rawValue(AppPage page) {
    switch (page) {
    case AppPage::connection:
        return "Connection";
    case AppPage::locations:
        return "Locations";
    case AppPage::preferences:
        return "Preferences";
    case AppPage::service:
        return "Your service";
    }
    return {};
}

std::string_view symbolName(AppPage page) {
    switch (page) {
    case AppPage::connection:
        return "shield.lefthalf.filled";
    case AppPage::locations:
        return "globe.americas";
    case AppPage::preferences:
        return "slider.horizontal.3";
    case AppPage::service:
        return "person.crop.circle";
    }
    return {};
}

std::optional<AppPage> appPageFromRawValue(std::string_view raw) {
    for (const AppPage page : allPages) {
        if (rawValue(page) == raw) {
            return page;
        }
    }
    return std::nullopt;
}

} // namespace vantorel
