<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>AppPage</name>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your service</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keep your own list of IKEv2 VPN locations, with their passwords in the secret store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start in the tray without showing the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A VPN provider&apos;s profile to import: strongSwan (.sswan), Apple (.mobileconfig) or NetworkManager (.nmconnection).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[file]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>F O R  M A C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC PREVIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for macOS to establish the tunnel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS reports an active VPN tunnel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for macOS to finish disconnecting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built into macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved on this Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported by macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Managed by macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This preview does not route or protect traffic. VPN connections become available after service activation and Apple signing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keychain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords stay on this Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple IKEv2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native Network Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect when this Mac sleeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is your independent Mac client. No reseller account, billing service or live server catalog is connected yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: select a partner, obtain test access, connect the customer service, and sign the Mac VPN build. End-to-end connection and leak tests follow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the IKEv2 connection details supplied by your VPN provider.
Your password is stored in this Mac’s Keychain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored in this Mac’s Keychain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving a location doesn’t connect it or change your Mac’s network settings. This version supports provider certificates trusted by macOS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location was removed, but its Keychain password could not be deleted. You can remove its Vantorel connection entry (Morvik or Tessan in older versions) in Keychain Access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This preview cannot create a VPN tunnel. A VPN-enabled Apple signing profile is required for the connection build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS could not complete the VPN request. Check your connection details and VPN permission, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for your Keychain. Unlock it to save the location, or cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for your Keychain to delete the location’s password. Unlock it, or stop waiting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F O R  L I N U X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINUX PREVIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the system to establish the tunnel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system reports an active VPN tunnel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the system to finish disconnecting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through NetworkManager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported by the system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Managed by the system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This preview does not route or protect traffic. VPN connections become available after service activation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords stay on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetworkManager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IKEv2 through strongSwan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect when this computer sleeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is your independent desktop client. No reseller account, billing service or live server catalog is connected yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: select a partner, obtain test access, connect the customer service, and package the Linux VPN build. End-to-end connection and leak tests follow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the IKEv2 connection details supplied by your VPN provider.
Your password is stored in your system keyring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored in your system keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving a location doesn’t connect it or change your computer’s network settings. This version supports provider certificates trusted by the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location was removed, but its password could not be deleted from your keyring. You can remove its “Vantorel connection” entry with your keyring manager, such as Passwords and Keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This preview cannot create a VPN tunnel. A packaged Linux VPN build is required for connections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system could not complete the VPN request. Check your connection details and VPN permission, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for your keyring. Unlock it to save the location, or cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for your keyring to delete the location’s password. Unlock it, or stop waiting.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TunnelPhase</name>
    <message>
        <source>Setup required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status unavailable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPNFailure</name>
    <message>
        <source>Enter a connection password of at most 1,024 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a regular file, so it cannot be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is larger than 1 MiB, too large to be a VPN profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file could not be read. Check that it still exists and that you may open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a VPN profile Vantorel can read. Use the .sswan, .mobileconfig or .nmconnection profile from your provider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This VPN profile is damaged and cannot be read. Ask your provider for a new copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This VPN profile holds no IKEv2 connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IKEv2 connections in this profile sign in with a certificate or a shared secret. Vantorel keeps connections that sign in with a user name and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This VPN profile is encrypted for one device and cannot be read. Ask your provider for an unencrypted copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This VPN profile was changed after it was signed, so it may not be what your provider sent. Ask your provider for a new copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection password is unavailable. Add the location again with your provider credentials.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your saved locations could not be read or saved. Existing data has been preserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a location name and country, using at most 80 characters each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the provider’s server hostname, without https://, a port or a path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the server certificate identity supplied by your provider, such as vpn.example.com.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the VPN username supplied by your provider.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::AddLocationSheet</name>
    <message>
        <source>Add Location</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::AddLocationView</name>
    <message>
        <source>A NEW WAY TO CONNECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a VPN location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use IKEv2 details supplied by your VPN provider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>London</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server hostname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server certificate identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact remote ID from your provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer VPN username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location from this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file holds your password in plain text. You can delete the file once the location is saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file also carries your provider’s own certificate authority, which this version does not use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::AppModel</name>
    <message>
        <source>“%1”
%2</source>
        <extracomment>A refused file: its name in quotes, on a line of its own, then why it was refused.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::ConnectionView</name>
    <message>
        <source>YOUR PRIVATE CONNECTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A little more peace of mind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One place to connect, wherever life takes you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCAL PREVIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SESSION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCATIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your app is ready to explore.
Activate a VPN service to start connecting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your traffic is not using Vantorel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection is recovering. Protection is not confirmed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the connection status before continuing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up your service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONNECTION ACTIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONNECTION STATUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current VPN session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your first location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a location from your VPN service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No active session</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::ContentView</name>
    <message>
        <source>Stop waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::LocationRow</name>
    <message>
        <source>Remove location…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More actions for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::LocationsView</name>
    <message>
        <source>Remove this location and its saved password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUR WAY OUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find your place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your saved VPN locations, all in one place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search locations or countries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A world of possibilities. Your first stop is setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your first location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matching locations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try a different search or turn off the Favorites filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only add customer VPN credentials here. Reseller API keys belong on your service’s backend.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::MainWindow</name>
    <message>
        <source>VPN profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strongSwan profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple configuration profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetworkManager connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Location…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Location…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Vantorel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Location</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::NameOnlyFileTypes</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <extracomment>The type of a file whose name ends in %1, as &quot;PDF file&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::PreferencesView</name>
    <message>
        <source>MAKE YOURSELF AT HOME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your connection, your way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These preferences apply to your next connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect your current session to change preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUILT IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CREDENTIALS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TUNNEL ENGINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kill switch, automatic reconnection and split tunneling are not available in this version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow local network access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect on sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep printers and other nearby devices reachable outside the VPN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End your session on sleep. You’ll reconnect manually when you return.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No analytics or browsing history collection is implemented in this app. Your VPN provider’s separate privacy policy still applies.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::ServiceView</name>
    <message>
        <source>FIRST CHOICE TO EVALUATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom apps, Mac SDK and IKEv2 / WireGuard. Partner access is required for the SDK and test network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALTERNATIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac SDK and API options for a custom customer experience. Request commercial terms and test access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>API OPTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public account and WireGuard configuration APIs. Requires a separate WireGuard client integration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE NEXT CONNECTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our app. A global network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the infrastructure partner behind your VPN service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service is not activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESELLER SHORTLIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read %1 integration details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::Sidebar</name>
    <message>
        <source>Made to be yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your connection.
A calmer corner of the internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORKSPACE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::SidebarRow</name>
    <message>
        <source>Current page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TrayMenu</name>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Vantorel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Vantorel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::VantorelApp</name>
    <message>
        <source>vantorel: there is no system tray to start hidden in, so the window is shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
