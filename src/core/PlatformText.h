#pragma once

#include <array>
#include <string_view>

namespace vantorel {

// Every text that names the operating system, its secret store or its VPN facility. The wording
// was first written for a Mac; on another system those sentences would be false, so each system
// has a column of its own and the build takes the one of the system it targets. Views and the
// model take such texts from here and nowhere else. Texts about a partner's products are not
// platform words and stay where they are used.
struct PlatformText {
    std::string_view sidebarPlatform;       // spaced capitals under the app's name
    std::string_view sidebarPlatformSpoken; // the same, as a screen reader should say it
    std::string_view previewFooter;
    std::string_view connectionBadge;
    std::string_view connectingDetail;
    std::string_view connectedDetail;
    std::string_view disconnectingDetail;
    std::string_view protocolDetail;
    std::string_view locationsDetail;
    std::string_view sessionReportedBy;
    std::string_view sessionManagedBy;
    std::string_view previewNotice;
    std::string_view credentialsValue;
    std::string_view credentialsDetail;
    std::string_view tunnelEngineValue;
    std::string_view tunnelEngineDetail;
    std::string_view disconnectOnSleepTitle;
    std::string_view serviceStatusDetail;
    std::string_view serviceNextSteps;
    std::string_view emptyLocationsDetail;
    std::string_view passwordPlaceholder;
    std::string_view addLocationNotice;
    std::string_view credentialLeftBehind;
    std::string_view signingRequired; // the failure of a request the system's VPN facility needs signed
    std::string_view operationFailed; // the failure of any other request to the system's VPN facility
    std::string_view waitingToStore;  // the secret store has not answered a save yet
    std::string_view waitingToDelete; // nor a removal's deletion

    // The whole column, for checks that must not miss a text.
    std::array<std::string_view, 27> all() const;
};

extern const PlatformText macOSText;
extern const PlatformText linuxText;

// The column of the system this build targets.
const PlatformText& platformText();

} // namespace vantorel
