#pragma once

#include <array>
#include <string_view>

namespace vantorel {

// The main window's pages, in sidebar order.
enum class AppPage { connection, locations, preferences, service };

inline constexpr std::array<AppPage, 4> allPages{AppPage::connection, AppPage::locations, AppPage::preferences,
                                                 AppPage::service};

// The page's title, shown in the sidebar and the top bar.
std::string_view rawValue(AppPage page);
// The name of the page's symbol image.
std::string_view symbolName(AppPage page);

} // namespace vantorel
