#include "PlatformText.h"

#include <tuple>

namespace vantorel {

const PlatformText macOSText{
    .sidebarPlatform = "F O R  M A C",
    .sidebarPlatformSpoken = "for Mac",
    .previewFooter = "MAC PREVIEW",
    .connectionBadge = "macOS",
    .connectingDetail = "Waiting for macOS to establish the tunnel.",
    .connectedDetail = "macOS reports an active VPN tunnel.",
    .disconnectingDetail = "Waiting for macOS to finish disconnecting.",
    .protocolDetail = "Built into macOS",
    .locationsDetail = "Saved on this Mac",
    .sessionReportedBy = "Reported by macOS",
    .sessionManagedBy = "Managed by macOS",
    .previewNotice = "This preview does not route or protect traffic. VPN connections become available after service "
                     "activation and Apple signing.",
    .credentialsValue = "Keychain",
    .credentialsDetail = "Passwords stay on this Mac",
    .tunnelEngineValue = "Apple IKEv2",
    .tunnelEngineDetail = "Native Network Extension",
    .disconnectOnSleepTitle = "Disconnect when this Mac sleeps",
    .serviceStatusDetail = "This is your independent Mac client. No reseller account, billing service or live server "
                           "catalog is connected yet.",
    .serviceNextSteps = "Next: select a partner, obtain test access, connect the customer service, and sign the Mac "
                        "VPN build. End-to-end connection and leak tests follow.",
    .emptyLocationsDetail = "Add the IKEv2 connection details supplied by your VPN provider.\nYour password is stored "
                            "in this Mac\u2019s Keychain.",
    .passwordPlaceholder = "Stored in this Mac\u2019s Keychain",
    .addLocationNotice = "Saving a location doesn\u2019t connect it or change your Mac\u2019s network settings. This "
                         "version supports provider certificates trusted by macOS.",
    .credentialLeftBehind = "The location was removed, but its Keychain password could not be deleted. You can remove "
                            "its Vantorel connection entry (Morvik or Tessan in older versions) in Keychain Access.",
    .signingRequired = "This preview cannot create a VPN tunnel. A VPN-enabled Apple signing profile is required for "
                       "the connection build.",
    .operationFailed = "macOS could not complete the VPN request. Check your connection details and VPN permission, "
                       "then try again.",
    .waitingToStore = "Waiting for your Keychain. Unlock it to save the location, or cancel.",
    .waitingToDelete = "Waiting for your Keychain to delete the location\u2019s password. Unlock it, or stop waiting.",
};

const PlatformText linuxText{
    .sidebarPlatform = "F O R  L I N U X",
    .sidebarPlatformSpoken = "for Linux",
    .previewFooter = "LINUX PREVIEW",
    .connectionBadge = "Linux",
    .connectingDetail = "Waiting for the system to establish the tunnel.",
    .connectedDetail = "The system reports an active VPN tunnel.",
    .disconnectingDetail = "Waiting for the system to finish disconnecting.",
    .protocolDetail = "Through NetworkManager",
    .locationsDetail = "Saved on this computer",
    .sessionReportedBy = "Reported by the system",
    .sessionManagedBy = "Managed by the system",
    .previewNotice = "This preview does not route or protect traffic. VPN connections become available after service "
                     "activation.",
    .credentialsValue = "Secret Service",
    .credentialsDetail = "Passwords stay on this computer",
    .tunnelEngineValue = "NetworkManager",
    .tunnelEngineDetail = "IKEv2 through strongSwan",
    .disconnectOnSleepTitle = "Disconnect when this computer sleeps",
    .serviceStatusDetail = "This is your independent desktop client. No reseller account, billing service or live "
                           "server catalog is connected yet.",
    .serviceNextSteps = "Next: select a partner, obtain test access, connect the customer service, and package the "
                        "Linux VPN build. End-to-end connection and leak tests follow.",
    .emptyLocationsDetail = "Add the IKEv2 connection details supplied by your VPN provider.\nYour password is stored "
                            "in your system keyring.",
    .passwordPlaceholder = "Stored in your system keyring",
    .addLocationNotice = "Saving a location doesn\u2019t connect it or change your computer\u2019s network settings. "
                         "This version supports provider certificates trusted by the system.",
    .credentialLeftBehind = "The location was removed, but its password could not be deleted from your keyring. You "
                            "can remove its \u201cVantorel connection\u201d entry with your keyring manager, such as "
                            "Passwords and Keys.",
    .signingRequired = "This preview cannot create a VPN tunnel. A packaged Linux VPN build is required for "
                       "connections.",
    .operationFailed = "The system could not complete the VPN request. Check your connection details and VPN "
                       "permission, then try again.",
    .waitingToStore = "Waiting for your keyring. Unlock it to save the location, or cancel.",
    .waitingToDelete = "Waiting for your keyring to delete the location\u2019s password. Unlock it, or stop waiting.",
};

// A text added to the struct but not to all() would escape every check that walks the column.
static_assert(sizeof(PlatformText) == std::tuple_size_v<decltype(PlatformText{}.all())> * sizeof(std::string_view));

std::array<std::string_view, 27> PlatformText::all() const {
    return {sidebarPlatform,     sidebarPlatformSpoken,  previewFooter,        connectionBadge,   connectingDetail,
            connectedDetail,     disconnectingDetail,    protocolDetail,       locationsDetail,   sessionReportedBy,
            sessionManagedBy,    previewNotice,          credentialsValue,     credentialsDetail, tunnelEngineValue,
            tunnelEngineDetail,  disconnectOnSleepTitle, serviceStatusDetail,  serviceNextSteps,  emptyLocationsDetail,
            passwordPlaceholder, addLocationNotice,      credentialLeftBehind, signingRequired,   operationFailed,
            waitingToStore,      waitingToDelete};
}

const PlatformText& platformText() {
#ifdef __APPLE__
    return macOSText;
#else
    return linuxText;
#endif
}

} // namespace vantorel
