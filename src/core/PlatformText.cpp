#include "PlatformText.h"

#include "Translatable.h"

#include <tuple>

namespace vantorel {

const PlatformText macOSText{
    .sidebarPlatform = VANTOREL_TRANSLATABLE("PlatformText", "F O R  M A C"),
    .sidebarPlatformSpoken = VANTOREL_TRANSLATABLE("PlatformText", "for Mac"),
    .previewFooter = VANTOREL_TRANSLATABLE("PlatformText", "MAC PREVIEW"),
    .connectionBadge = VANTOREL_TRANSLATABLE("PlatformText", "macOS"),
    .connectingDetail = VANTOREL_TRANSLATABLE("PlatformText", "Waiting for macOS to establish the tunnel."),
    .connectedDetail = VANTOREL_TRANSLATABLE("PlatformText", "macOS reports an active VPN tunnel."),
    .disconnectingDetail = VANTOREL_TRANSLATABLE("PlatformText", "Waiting for macOS to finish disconnecting."),
    .protocolDetail = VANTOREL_TRANSLATABLE("PlatformText", "Built into macOS"),
    .locationsDetail = VANTOREL_TRANSLATABLE("PlatformText", "Saved on this Mac"),
    .sessionReportedBy = VANTOREL_TRANSLATABLE("PlatformText", "Reported by macOS"),
    .sessionManagedBy = VANTOREL_TRANSLATABLE("PlatformText", "Managed by macOS"),
    .previewNotice = VANTOREL_TRANSLATABLE(
        "PlatformText",
        "This preview does not route or protect traffic. VPN connections become available after service "
        "activation and Apple signing."),
    .credentialsValue = VANTOREL_TRANSLATABLE("PlatformText", "Keychain"),
    .credentialsDetail = VANTOREL_TRANSLATABLE("PlatformText", "Passwords stay on this Mac"),
    .tunnelEngineValue = VANTOREL_TRANSLATABLE("PlatformText", "Apple IKEv2"),
    .tunnelEngineDetail = VANTOREL_TRANSLATABLE("PlatformText", "Native Network Extension"),
    .disconnectOnSleepTitle = VANTOREL_TRANSLATABLE("PlatformText", "Disconnect when this Mac sleeps"),
    .serviceStatusDetail = VANTOREL_TRANSLATABLE(
        "PlatformText", "This is your independent Mac client. No reseller account, billing service or live server "
                        "catalog is connected yet."),
    .serviceNextSteps = VANTOREL_TRANSLATABLE(
        "PlatformText", "Next: select a partner, obtain test access, connect the customer service, and sign the Mac "
                        "VPN build. End-to-end connection and leak tests follow."),
    .emptyLocationsDetail = VANTOREL_TRANSLATABLE(
        "PlatformText", "Add the IKEv2 connection details supplied by your VPN provider.\nYour password is stored "
                        "in this Mac\u2019s Keychain."),
    .passwordPlaceholder = VANTOREL_TRANSLATABLE("PlatformText", "Stored in this Mac\u2019s Keychain"),
    .addLocationNotice = VANTOREL_TRANSLATABLE(
        "PlatformText", "Saving a location doesn\u2019t connect it or change your Mac\u2019s network settings. This "
                        "version supports provider certificates trusted by macOS."),
    .credentialLeftBehind = VANTOREL_TRANSLATABLE(
        "PlatformText", "The location was removed, but its Keychain password could not be deleted. You can remove "
                        "its Vantorel connection entry (Morvik or Tessan in older versions) in Keychain Access."),
    .signingRequired = VANTOREL_TRANSLATABLE(
        "PlatformText", "This preview cannot create a VPN tunnel. A VPN-enabled Apple signing profile is required for "
                        "the connection build."),
    .operationFailed = VANTOREL_TRANSLATABLE(
        "PlatformText", "macOS could not complete the VPN request. Check your connection details and VPN permission, "
                        "then try again."),
    .waitingToStore =
        VANTOREL_TRANSLATABLE("PlatformText", "Waiting for your Keychain. Unlock it to save the location, or cancel."),
    .waitingToDelete = VANTOREL_TRANSLATABLE(
        "PlatformText",
        "Waiting for your Keychain to delete the location\u2019s password. Unlock it, or stop waiting."),
};

const PlatformText linuxText{
    .sidebarPlatform = VANTOREL_TRANSLATABLE("PlatformText", "F O R  L I N U X"),
    .sidebarPlatformSpoken = VANTOREL_TRANSLATABLE("PlatformText", "for Linux"),
    .previewFooter = VANTOREL_TRANSLATABLE("PlatformText", "LINUX PREVIEW"),
    .connectionBadge = VANTOREL_TRANSLATABLE("PlatformText", "Linux"),
    .connectingDetail = VANTOREL_TRANSLATABLE("PlatformText", "Waiting for the system to establish the tunnel."),
    .connectedDetail = VANTOREL_TRANSLATABLE("PlatformText", "The system reports an active VPN tunnel."),
    .disconnectingDetail = VANTOREL_TRANSLATABLE("PlatformText", "Waiting for the system to finish disconnecting."),
    .protocolDetail = VANTOREL_TRANSLATABLE("PlatformText", "Through NetworkManager"),
    .locationsDetail = VANTOREL_TRANSLATABLE("PlatformText", "Saved on this computer"),
    .sessionReportedBy = VANTOREL_TRANSLATABLE("PlatformText", "Reported by the system"),
    .sessionManagedBy = VANTOREL_TRANSLATABLE("PlatformText", "Managed by the system"),
    .previewNotice = VANTOREL_TRANSLATABLE(
        "PlatformText",
        "This preview does not route or protect traffic. VPN connections become available after service "
        "activation."),
    .credentialsValue = VANTOREL_TRANSLATABLE("PlatformText", "Secret Service"),
    .credentialsDetail = VANTOREL_TRANSLATABLE("PlatformText", "Passwords stay on this computer"),
    .tunnelEngineValue = VANTOREL_TRANSLATABLE("PlatformText", "NetworkManager"),
    .tunnelEngineDetail = VANTOREL_TRANSLATABLE("PlatformText", "IKEv2 through strongSwan"),
    .disconnectOnSleepTitle = VANTOREL_TRANSLATABLE("PlatformText", "Disconnect when this computer sleeps"),
    .serviceStatusDetail = VANTOREL_TRANSLATABLE(
        "PlatformText", "This is your independent desktop client. No reseller account, billing service or live "
                        "server catalog is connected yet."),
    .serviceNextSteps = VANTOREL_TRANSLATABLE(
        "PlatformText", "Next: select a partner, obtain test access, connect the customer service, and package the "
                        "Linux VPN build. End-to-end connection and leak tests follow."),
    .emptyLocationsDetail = VANTOREL_TRANSLATABLE(
        "PlatformText", "Add the IKEv2 connection details supplied by your VPN provider.\nYour password is stored "
                        "in your system keyring."),
    .passwordPlaceholder = VANTOREL_TRANSLATABLE("PlatformText", "Stored in your system keyring"),
    .addLocationNotice = VANTOREL_TRANSLATABLE(
        "PlatformText", "Saving a location doesn\u2019t connect it or change your computer\u2019s network settings. "
                        "This version supports provider certificates trusted by the system."),
    .credentialLeftBehind = VANTOREL_TRANSLATABLE(
        "PlatformText", "The location was removed, but its password could not be deleted from your keyring. You "
                        "can remove its \u201cVantorel connection\u201d entry with your keyring manager, such as "
                        "Passwords and Keys."),
    .signingRequired = VANTOREL_TRANSLATABLE(
        "PlatformText", "This preview cannot create a VPN tunnel. A packaged Linux VPN build is required for "
                        "connections."),
    .operationFailed = VANTOREL_TRANSLATABLE(
        "PlatformText", "The system could not complete the VPN request. Check your connection details and VPN "
                        "permission, then try again."),
    .waitingToStore =
        VANTOREL_TRANSLATABLE("PlatformText", "Waiting for your keyring. Unlock it to save the location, or cancel."),
    .waitingToDelete = VANTOREL_TRANSLATABLE(
        "PlatformText", "Waiting for your keyring to delete the location\u2019s password. Unlock it, or stop waiting."),
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
