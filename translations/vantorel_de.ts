<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AppPage</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Your service</source>
        <translation>Ihr Dienst</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keep your own list of IKEv2 VPN locations, with their passwords in the secret store.</source>
        <translation>Verwaltet Ihre eigene Liste von IKEv2-VPN-Standorten; die Passwörter liegen im Schlüsselbund des Systems.</translation>
    </message>
    <message>
        <source>Start in the tray without showing the window.</source>
        <translation>Im Systembereich starten, ohne das Fenster anzuzeigen.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A VPN provider&apos;s profile to import: strongSwan (.sswan), Apple (.mobileconfig) or NetworkManager (.nmconnection).</source>
        <translation>Das zu importierende Profil eines VPN-Anbieters: strongSwan (.sswan), Apple (.mobileconfig) oder NetworkManager (.nmconnection).</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>F O R  M A C</source>
        <translation>F Ü R  M A C</translation>
    </message>
    <message>
        <source>for Mac</source>
        <translation>für Mac</translation>
    </message>
    <message>
        <source>MAC PREVIEW</source>
        <translation>MAC-VORSCHAU</translation>
    </message>
    <message>
        <source>macOS</source>
        <translation>macOS</translation>
    </message>
    <message>
        <source>Waiting for macOS to establish the tunnel.</source>
        <translation>Warten, bis macOS den Tunnel aufgebaut hat.</translation>
    </message>
    <message>
        <source>macOS reports an active VPN tunnel.</source>
        <translation>macOS meldet einen aktiven VPN-Tunnel.</translation>
    </message>
    <message>
        <source>Waiting for macOS to finish disconnecting.</source>
        <translation>Warten, bis macOS die Verbindung getrennt hat.</translation>
    </message>
    <message>
        <source>Built into macOS</source>
        <translation>In macOS integriert</translation>
    </message>
    <message>
        <source>Saved on this Mac</source>
        <translation>Auf diesem Mac gespeichert</translation>
    </message>
    <message>
        <source>Reported by macOS</source>
        <translation>Von macOS gemeldet</translation>
    </message>
    <message>
        <source>Managed by macOS</source>
        <translation>Von macOS verwaltet</translation>
    </message>
    <message>
        <source>This preview does not route or protect traffic. VPN connections become available after service activation and Apple signing.</source>
        <translation>Diese Vorschau leitet keinen Datenverkehr und schützt ihn nicht. VPN-Verbindungen sind nach der Aktivierung des Dienstes und der Signierung durch Apple verfügbar.</translation>
    </message>
    <message>
        <source>Keychain</source>
        <translation>Schlüsselbund</translation>
    </message>
    <message>
        <source>Passwords stay on this Mac</source>
        <translation>Passwörter bleiben auf diesem Mac</translation>
    </message>
    <message>
        <source>Apple IKEv2</source>
        <translation>Apple IKEv2</translation>
    </message>
    <message>
        <source>Native Network Extension</source>
        <translation>Native Network Extension</translation>
    </message>
    <message>
        <source>Disconnect when this Mac sleeps</source>
        <translation>Trennen, wenn dieser Mac in den Ruhezustand wechselt</translation>
    </message>
    <message>
        <source>This is your independent Mac client. No reseller account, billing service or live server catalog is connected yet.</source>
        <translation>Dies ist Ihr unabhängiger Mac-Client. Noch sind kein Reseller-Konto, kein Abrechnungsdienst und kein Live-Serverkatalog angebunden.</translation>
    </message>
    <message>
        <source>Next: select a partner, obtain test access, connect the customer service, and sign the Mac VPN build. End-to-end connection and leak tests follow.</source>
        <translation>Als Nächstes: einen Partner wählen, Testzugang erhalten, den Kundendienst anbinden und den Mac-VPN-Build signieren. Danach folgen End-to-End-Tests der Verbindung und auf Lecks.</translation>
    </message>
    <message>
        <source>Add the IKEv2 connection details supplied by your VPN provider.
Your password is stored in this Mac’s Keychain.</source>
        <translation>Fügen Sie die IKEv2-Verbindungsdaten Ihres VPN-Anbieters hinzu.
Ihr Passwort wird im Schlüsselbund dieses Macs gespeichert.</translation>
    </message>
    <message>
        <source>Stored in this Mac’s Keychain</source>
        <translation>Im Schlüsselbund dieses Macs gespeichert</translation>
    </message>
    <message>
        <source>Saving a location doesn’t connect it or change your Mac’s network settings. This version supports provider certificates trusted by macOS.</source>
        <translation>Das Speichern eines Standorts stellt keine Verbindung her und ändert nicht die Netzwerkeinstellungen Ihres Macs. Diese Version unterstützt Zertifikate von Anbietern, denen macOS vertraut.</translation>
    </message>
    <message>
        <source>The location was removed, but its Keychain password could not be deleted. You can remove its Vantorel connection entry (Morvik or Tessan in older versions) in Keychain Access.</source>
        <translation>Der Standort wurde entfernt, aber sein Passwort im Schlüsselbund konnte nicht gelöscht werden. Sie können seinen Eintrag „Vantorel connection“ (in älteren Versionen Morvik oder Tessan) in der Schlüsselbundverwaltung entfernen.</translation>
    </message>
    <message>
        <source>This preview cannot create a VPN tunnel. A VPN-enabled Apple signing profile is required for the connection build.</source>
        <translation>Diese Vorschau kann keinen VPN-Tunnel aufbauen. Für den Verbindungs-Build ist ein Apple-Signierprofil mit VPN-Berechtigung erforderlich.</translation>
    </message>
    <message>
        <source>macOS could not complete the VPN request. Check your connection details and VPN permission, then try again.</source>
        <translation>macOS konnte die VPN-Anfrage nicht ausführen. Prüfen Sie Ihre Verbindungsdaten und die VPN-Berechtigung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Waiting for your Keychain. Unlock it to save the location, or cancel.</source>
        <translation>Warten auf Ihren Schlüsselbund. Entsperren Sie ihn, um den Standort zu speichern, oder brechen Sie ab.</translation>
    </message>
    <message>
        <source>Waiting for your Keychain to delete the location’s password. Unlock it, or stop waiting.</source>
        <translation>Warten, bis Ihr Schlüsselbund das Passwort des Standorts löscht. Entsperren Sie ihn, oder warten Sie nicht länger.</translation>
    </message>
    <message>
        <source>F O R  L I N U X</source>
        <translation>F Ü R  L I N U X</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>für Linux</translation>
    </message>
    <message>
        <source>LINUX PREVIEW</source>
        <translation>LINUX-VORSCHAU</translation>
    </message>
    <message>
        <source>Linux</source>
        <translation>Linux</translation>
    </message>
    <message>
        <source>Waiting for the system to establish the tunnel.</source>
        <translation>Warten, bis das System den Tunnel aufgebaut hat.</translation>
    </message>
    <message>
        <source>The system reports an active VPN tunnel.</source>
        <translation>Das System meldet einen aktiven VPN-Tunnel.</translation>
    </message>
    <message>
        <source>Waiting for the system to finish disconnecting.</source>
        <translation>Warten, bis das System die Verbindung getrennt hat.</translation>
    </message>
    <message>
        <source>Through NetworkManager</source>
        <translation>Über NetworkManager</translation>
    </message>
    <message>
        <source>Saved on this computer</source>
        <translation>Auf diesem Computer gespeichert</translation>
    </message>
    <message>
        <source>Reported by the system</source>
        <translation>Vom System gemeldet</translation>
    </message>
    <message>
        <source>Managed by the system</source>
        <translation>Vom System verwaltet</translation>
    </message>
    <message>
        <source>This preview does not route or protect traffic. VPN connections become available after service activation.</source>
        <translation>Diese Vorschau leitet keinen Datenverkehr und schützt ihn nicht. VPN-Verbindungen sind nach der Aktivierung des Dienstes verfügbar.</translation>
    </message>
    <message>
        <source>Secret Service</source>
        <translation>Secret Service</translation>
    </message>
    <message>
        <source>Passwords stay on this computer</source>
        <translation>Passwörter bleiben auf diesem Computer</translation>
    </message>
    <message>
        <source>NetworkManager</source>
        <translation>NetworkManager</translation>
    </message>
    <message>
        <source>IKEv2 through strongSwan</source>
        <translation>IKEv2 über strongSwan</translation>
    </message>
    <message>
        <source>Disconnect when this computer sleeps</source>
        <translation>Trennen, wenn dieser Computer in den Ruhezustand wechselt</translation>
    </message>
    <message>
        <source>This is your independent desktop client. No reseller account, billing service or live server catalog is connected yet.</source>
        <translation>Dies ist Ihr unabhängiger Desktop-Client. Noch sind kein Reseller-Konto, kein Abrechnungsdienst und kein Live-Serverkatalog angebunden.</translation>
    </message>
    <message>
        <source>Next: select a partner, obtain test access, connect the customer service, and package the Linux VPN build. End-to-end connection and leak tests follow.</source>
        <translation>Als Nächstes: einen Partner wählen, Testzugang erhalten, den Kundendienst anbinden und den Linux-VPN-Build paketieren. Danach folgen End-to-End-Tests der Verbindung und auf Lecks.</translation>
    </message>
    <message>
        <source>Add the IKEv2 connection details supplied by your VPN provider.
Your password is stored in your system keyring.</source>
        <translation>Fügen Sie die IKEv2-Verbindungsdaten Ihres VPN-Anbieters hinzu.
Ihr Passwort wird im Schlüsselbund Ihres Systems gespeichert.</translation>
    </message>
    <message>
        <source>Stored in your system keyring</source>
        <translation>Im Schlüsselbund Ihres Systems gespeichert</translation>
    </message>
    <message>
        <source>Saving a location doesn’t connect it or change your computer’s network settings. This version supports provider certificates trusted by the system.</source>
        <translation>Das Speichern eines Standorts stellt keine Verbindung her und ändert nicht die Netzwerkeinstellungen Ihres Computers. Diese Version unterstützt Zertifikate von Anbietern, denen das System vertraut.</translation>
    </message>
    <message>
        <source>The location was removed, but its password could not be deleted from your keyring. You can remove its “Vantorel connection” entry with your keyring manager, such as Passwords and Keys.</source>
        <translation>Der Standort wurde entfernt, aber sein Passwort konnte nicht aus Ihrem Schlüsselbund gelöscht werden. Sie können seinen Eintrag „Vantorel connection“ mit Ihrer Schlüsselbundverwaltung entfernen, etwa mit „Passwörter und Verschlüsselung“.</translation>
    </message>
    <message>
        <source>This preview cannot create a VPN tunnel. A packaged Linux VPN build is required for connections.</source>
        <translation>Diese Vorschau kann keinen VPN-Tunnel aufbauen. Für Verbindungen ist ein paketierter Linux-VPN-Build erforderlich.</translation>
    </message>
    <message>
        <source>The system could not complete the VPN request. Check your connection details and VPN permission, then try again.</source>
        <translation>Das System konnte die VPN-Anfrage nicht ausführen. Prüfen Sie Ihre Verbindungsdaten und die VPN-Berechtigung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Waiting for your keyring. Unlock it to save the location, or cancel.</source>
        <translation>Warten auf Ihren Schlüsselbund. Entsperren Sie ihn, um den Standort zu speichern, oder brechen Sie ab.</translation>
    </message>
    <message>
        <source>Waiting for your keyring to delete the location’s password. Unlock it, or stop waiting.</source>
        <translation>Warten, bis Ihr Schlüsselbund das Passwort des Standorts löscht. Entsperren Sie ihn, oder warten Sie nicht länger.</translation>
    </message>
</context>
<context>
    <name>TunnelPhase</name>
    <message>
        <source>Setup required</source>
        <translation>Einrichtung erforderlich</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
        <source>VPN connected</source>
        <translation>VPN verbunden</translation>
    </message>
    <message>
        <source>Reconnecting</source>
        <translation>Verbindung wird wiederhergestellt</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Verbindung wird getrennt</translation>
    </message>
    <message>
        <source>Status unavailable</source>
        <translation>Status nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>VPNFailure</name>
    <message>
        <source>Enter a connection password of at most 1,024 bytes.</source>
        <translation>Geben Sie ein Verbindungspasswort mit höchstens 1.024 Byte ein.</translation>
    </message>
    <message>
        <source>This is not a regular file, so it cannot be imported.</source>
        <translation>Dies ist keine gewöhnliche Datei und kann daher nicht importiert werden.</translation>
    </message>
    <message>
        <source>This file is larger than 1 MiB, too large to be a VPN profile.</source>
        <translation>Diese Datei ist größer als 1 MiB und damit zu groß für ein VPN-Profil.</translation>
    </message>
    <message>
        <source>This file could not be read. Check that it still exists and that you may open it.</source>
        <translation>Diese Datei konnte nicht gelesen werden. Prüfen Sie, ob sie noch existiert und ob Sie sie öffnen dürfen.</translation>
    </message>
    <message>
        <source>This file is not a VPN profile Vantorel can read. Use the .sswan, .mobileconfig or .nmconnection profile from your provider.</source>
        <translation>Diese Datei ist kein VPN-Profil, das Vantorel lesen kann. Verwenden Sie das .sswan-, .mobileconfig- oder .nmconnection-Profil Ihres Anbieters.</translation>
    </message>
    <message>
        <source>This VPN profile is damaged and cannot be read. Ask your provider for a new copy.</source>
        <translation>Dieses VPN-Profil ist beschädigt und kann nicht gelesen werden. Bitten Sie Ihren Anbieter um eine neue Kopie.</translation>
    </message>
    <message>
        <source>This VPN profile holds no IKEv2 connection.</source>
        <translation>Dieses VPN-Profil enthält keine IKEv2-Verbindung.</translation>
    </message>
    <message>
        <source>The IKEv2 connections in this profile sign in with a certificate or a shared secret. Vantorel keeps connections that sign in with a user name and password.</source>
        <translation>Die IKEv2-Verbindungen in diesem Profil melden sich mit einem Zertifikat oder einem gemeinsamen Schlüssel an. Vantorel speichert Verbindungen, die sich mit Benutzername und Passwort anmelden.</translation>
    </message>
    <message>
        <source>This VPN profile is encrypted for one device and cannot be read. Ask your provider for an unencrypted copy.</source>
        <translation>Dieses VPN-Profil ist für ein bestimmtes Gerät verschlüsselt und kann nicht gelesen werden. Bitten Sie Ihren Anbieter um eine unverschlüsselte Kopie.</translation>
    </message>
    <message>
        <source>This VPN profile was changed after it was signed, so it may not be what your provider sent. Ask your provider for a new copy.</source>
        <translation>Dieses VPN-Profil wurde nach dem Signieren verändert und ist daher vielleicht nicht das, was Ihr Anbieter gesendet hat. Bitten Sie Ihren Anbieter um eine neue Kopie.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Diese Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The connection password is unavailable. Add the location again with your provider credentials.</source>
        <translation>Das Verbindungspasswort ist nicht verfügbar. Fügen Sie den Standort erneut mit den Zugangsdaten Ihres Anbieters hinzu.</translation>
    </message>
    <message>
        <source>Your saved locations could not be read or saved. Existing data has been preserved.</source>
        <translation>Ihre gespeicherten Standorte konnten nicht gelesen oder gespeichert werden. Vorhandene Daten sind erhalten geblieben.</translation>
    </message>
    <message>
        <source>Enter a location name and country, using at most 80 characters each.</source>
        <translation>Geben Sie einen Standortnamen und ein Land mit jeweils höchstens 80 Zeichen ein.</translation>
    </message>
    <message>
        <source>Enter the provider’s server hostname, without https://, a port or a path.</source>
        <translation>Geben Sie den Hostnamen des Servers Ihres Anbieters ein, ohne https://, Port oder Pfad.</translation>
    </message>
    <message>
        <source>Enter the server certificate identity supplied by your provider, such as vpn.example.com.</source>
        <translation>Geben Sie die Identität des Serverzertifikats ein, die Ihr Anbieter nennt, etwa vpn.example.com.</translation>
    </message>
    <message>
        <source>Enter the VPN username supplied by your provider.</source>
        <translation>Geben Sie den VPN-Benutzernamen ein, den Ihr Anbieter nennt.</translation>
    </message>
</context>
<context>
    <name>vantorel::AddLocationSheet</name>
    <message>
        <source>Add Location</source>
        <translation>Standort hinzufügen</translation>
    </message>
</context>
<context>
    <name>vantorel::AddLocationView</name>
    <message>
        <source>A NEW WAY TO CONNECT</source>
        <translation>EIN NEUER WEG INS NETZ</translation>
    </message>
    <message>
        <source>Add a VPN location</source>
        <translation>VPN-Standort hinzufügen</translation>
    </message>
    <message>
        <source>Use IKEv2 details supplied by your VPN provider.</source>
        <translation>Verwenden Sie die IKEv2-Angaben Ihres VPN-Anbieters.</translation>
    </message>
    <message>
        <source>Location name</source>
        <translation>Name des Standorts</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Frankfurt</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Server hostname</source>
        <translation>Hostname des Servers</translation>
    </message>
    <message>
        <source>Server certificate identity</source>
        <translation>Identität des Serverzertifikats</translation>
    </message>
    <message>
        <source>Exact remote ID from your provider</source>
        <translation>Genaue Remote-ID Ihres Anbieters</translation>
    </message>
    <message>
        <source>VPN username</source>
        <translation>VPN-Benutzername</translation>
    </message>
    <message>
        <source>Customer VPN username</source>
        <translation>VPN-Benutzername Ihres Kundenkontos</translation>
    </message>
    <message>
        <source>VPN password</source>
        <translation>VPN-Passwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>Standort speichern</translation>
    </message>
    <message>
        <source>Location from this file</source>
        <translation>Standort aus dieser Datei</translation>
    </message>
    <message>
        <source>This file holds your password in plain text. You can delete the file once the location is saved.</source>
        <translation>Diese Datei enthält Ihr Passwort im Klartext. Sie können die Datei löschen, sobald der Standort gespeichert ist.</translation>
    </message>
    <message>
        <source>This file also carries your provider’s own certificate authority, which this version does not use.</source>
        <translation>Diese Datei enthält außerdem die eigene Zertifizierungsstelle Ihres Anbieters, die diese Version nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>vantorel::AppModel</name>
    <message>
        <source>“%1”
%2</source>
        <extracomment>A refused file: its name in quotes, on a line of its own, then why it was refused.</extracomment>
        <translation>„%1“
%2</translation>
    </message>
</context>
<context>
    <name>vantorel::ConnectionView</name>
    <message>
        <source>YOUR PRIVATE CONNECTION</source>
        <translation>IHRE PRIVATE VERBINDUNG</translation>
    </message>
    <message>
        <source>A little more peace of mind.</source>
        <translation>Ein wenig mehr Gelassenheit.</translation>
    </message>
    <message>
        <source>One place to connect, wherever life takes you.</source>
        <translation>Ein Ort für Ihre Verbindung, wohin das Leben Sie auch führt.</translation>
    </message>
    <message>
        <source>LOCAL PREVIEW</source>
        <translation>LOKALE VORSCHAU</translation>
    </message>
    <message>
        <source>Manage locations</source>
        <translation>Standorte verwalten</translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation>PROTOKOLL</translation>
    </message>
    <message>
        <source>SESSION</source>
        <translation>SITZUNG</translation>
    </message>
    <message>
        <source>LOCATIONS</source>
        <translation>STANDORTE</translation>
    </message>
    <message>
        <source>Your app is ready to explore.
Activate a VPN service to start connecting.</source>
        <translation>Ihre App ist bereit zum Erkunden.
Aktivieren Sie einen VPN-Dienst, um sich zu verbinden.</translation>
    </message>
    <message>
        <source>Your traffic is not using Vantorel.</source>
        <translation>Ihr Datenverkehr läuft nicht über Vantorel.</translation>
    </message>
    <message>
        <source>The connection is recovering. Protection is not confirmed.</source>
        <translation>Die Verbindung wird wiederhergestellt. Der Schutz ist nicht bestätigt.</translation>
    </message>
    <message>
        <source>Refresh the connection status before continuing.</source>
        <translation>Aktualisieren Sie den Verbindungsstatus, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Status aktualisieren</translation>
    </message>
    <message>
        <source>Set up your service</source>
        <translation>Dienst einrichten</translation>
    </message>
    <message>
        <source>CONNECTION ACTIVE</source>
        <translation>VERBINDUNG AKTIV</translation>
    </message>
    <message>
        <source>CONNECTION STATUS</source>
        <translation>VERBINDUNGSSTATUS</translation>
    </message>
    <message>
        <source>Current VPN session</source>
        <translation>Aktuelle VPN-Sitzung</translation>
    </message>
    <message>
        <source>Choose your first location</source>
        <translation>Wählen Sie Ihren ersten Standort</translation>
    </message>
    <message>
        <source>Add a location from your VPN service</source>
        <translation>Fügen Sie einen Standort Ihres VPN-Dienstes hinzu</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>Keine aktive Sitzung</translation>
    </message>
</context>
<context>
    <name>vantorel::ContentView</name>
    <message>
        <source>Stop waiting</source>
        <translation>Nicht länger warten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantorel::LocationRow</name>
    <message>
        <source>Remove location…</source>
        <translation>Standort entfernen …</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
    <message>
        <source>More actions for %1</source>
        <translation>Weitere Aktionen für %1</translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation>%1 aus den Favoriten entfernen</translation>
    </message>
    <message>
        <source>Favorite %1</source>
        <translation>%1 zu den Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Selected %1</source>
        <translation>%1 ist ausgewählt</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>%1 auswählen</translation>
    </message>
</context>
<context>
    <name>vantorel::LocationsView</name>
    <message>
        <source>Remove this location and its saved password?</source>
        <translation>Diesen Standort und sein gespeichertes Passwort entfernen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>YOUR WAY OUT</source>
        <translation>IHR WEG HINAUS</translation>
    </message>
    <message>
        <source>Find your place.</source>
        <translation>Finden Sie Ihren Ort.</translation>
    </message>
    <message>
        <source>Your saved VPN locations, all in one place.</source>
        <translation>Ihre gespeicherten VPN-Standorte, alle an einem Ort.</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Standort hinzufügen</translation>
    </message>
    <message>
        <source>Search locations or countries</source>
        <translation>Standorte oder Länder suchen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Favorites only</source>
        <translation>Nur Favoriten</translation>
    </message>
    <message>
        <source>A world of possibilities. Your first stop is setup.</source>
        <translation>Eine Welt voller Möglichkeiten. Ihr erster Halt ist die Einrichtung.</translation>
    </message>
    <message>
        <source>Add your first location</source>
        <translation>Ersten Standort hinzufügen</translation>
    </message>
    <message>
        <source>No matching locations.</source>
        <translation>Keine passenden Standorte.</translation>
    </message>
    <message>
        <source>Try a different search or turn off the Favorites filter.</source>
        <translation>Versuchen Sie eine andere Suche, oder schalten Sie den Favoritenfilter aus.</translation>
    </message>
    <message>
        <source>Clear filters</source>
        <translation>Filter zurücksetzen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Only add customer VPN credentials here. Reseller API keys belong on your service’s backend.</source>
        <translation>Fügen Sie hier nur VPN-Zugangsdaten von Kunden hinzu. API-Schlüssel von Resellern gehören in das Backend Ihres Dienstes.</translation>
    </message>
</context>
<context>
    <name>vantorel::MainWindow</name>
    <message>
        <source>VPN profiles</source>
        <translation>VPN-Profile</translation>
    </message>
    <message>
        <source>strongSwan profiles</source>
        <translation>strongSwan-Profile</translation>
    </message>
    <message>
        <source>Apple configuration profiles</source>
        <translation>Apple-Konfigurationsprofile</translation>
    </message>
    <message>
        <source>NetworkManager connections</source>
        <translation>NetworkManager-Verbindungen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add Location…</source>
        <translation>Standort hinzufügen …</translation>
    </message>
    <message>
        <source>Import Location…</source>
        <translation>Standort importieren …</translation>
    </message>
    <message>
        <source>Quit Vantorel</source>
        <translation>Vantorel beenden</translation>
    </message>
    <message>
        <source>Import Location</source>
        <translation>Standort importieren</translation>
    </message>
</context>
<context>
    <name>vantorel::NameOnlyFileTypes</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>VPN profile</source>
        <translation>VPN-Profil</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 file</source>
        <extracomment>The type of a file whose name ends in %1, as &quot;PDF file&quot;.</extracomment>
        <translation>%1-Datei</translation>
    </message>
</context>
<context>
    <name>vantorel::PreferencesView</name>
    <message>
        <source>MAKE YOURSELF AT HOME</source>
        <translation>FÜHLEN SIE SICH WIE ZU HAUSE</translation>
    </message>
    <message>
        <source>Your connection, your way.</source>
        <translation>Ihre Verbindung, Ihr Weg.</translation>
    </message>
    <message>
        <source>These preferences apply to your next connection.</source>
        <translation>Diese Einstellungen gelten für Ihre nächste Verbindung.</translation>
    </message>
    <message>
        <source>Disconnect your current session to change preferences.</source>
        <translation>Trennen Sie Ihre aktuelle Sitzung, um die Einstellungen zu ändern.</translation>
    </message>
    <message>
        <source>BUILT IN</source>
        <translation>INTEGRIERT</translation>
    </message>
    <message>
        <source>CREDENTIALS</source>
        <translation>ZUGANGSDATEN</translation>
    </message>
    <message>
        <source>TUNNEL ENGINE</source>
        <translation>TUNNEL-ENGINE</translation>
    </message>
    <message>
        <source>Kill switch, automatic reconnection and split tunneling are not available in this version.</source>
        <translation>Kill Switch, automatische Wiederverbindung und Split Tunneling sind in dieser Version nicht verfügbar.</translation>
    </message>
    <message>
        <source>Allow local network access</source>
        <translation>Zugriff auf das lokale Netzwerk erlauben</translation>
    </message>
    <message>
        <source>Disconnect on sleep</source>
        <translation>Im Ruhezustand trennen</translation>
    </message>
    <message>
        <source>Keep printers and other nearby devices reachable outside the VPN.</source>
        <translation>Drucker und andere Geräte in der Nähe bleiben außerhalb des VPN erreichbar.</translation>
    </message>
    <message>
        <source>End your session on sleep. You’ll reconnect manually when you return.</source>
        <translation>Beendet Ihre Sitzung im Ruhezustand. Wenn Sie zurückkommen, verbinden Sie sich selbst wieder.</translation>
    </message>
    <message>
        <source>No analytics or browsing history collection is implemented in this app. Your VPN provider’s separate privacy policy still applies.</source>
        <translation>Diese App erhebt keine Analysedaten und keinen Browserverlauf. Die Datenschutzerklärung Ihres VPN-Anbieters gilt weiterhin.</translation>
    </message>
</context>
<context>
    <name>vantorel::ServiceView</name>
    <message>
        <source>FIRST CHOICE TO EVALUATE</source>
        <translation>ERSTE WAHL ZUM PRÜFEN</translation>
    </message>
    <message>
        <source>Custom apps, Mac SDK and IKEv2 / WireGuard. Partner access is required for the SDK and test network.</source>
        <translation>Eigene Apps, Mac-SDK sowie IKEv2 / WireGuard. Für SDK und Testnetz ist ein Partnerzugang erforderlich.</translation>
    </message>
    <message>
        <source>ALTERNATIVE</source>
        <translation>ALTERNATIVE</translation>
    </message>
    <message>
        <source>Mac SDK and API options for a custom customer experience. Request commercial terms and test access.</source>
        <translation>Mac-SDK und API-Optionen für ein eigenes Kundenerlebnis. Fragen Sie Konditionen und einen Testzugang an.</translation>
    </message>
    <message>
        <source>API OPTION</source>
        <translation>API-OPTION</translation>
    </message>
    <message>
        <source>Public account and WireGuard configuration APIs. Requires a separate WireGuard client integration.</source>
        <translation>Öffentliche APIs für Konten und die WireGuard-Konfiguration. Erfordert die gesonderte Einbindung eines WireGuard-Clients.</translation>
    </message>
    <message>
        <source>THE NEXT CONNECTION</source>
        <translation>DIE NÄCHSTE VERBINDUNG</translation>
    </message>
    <message>
        <source>Our app. A global network.</source>
        <translation>Unsere App. Ein weltweites Netz.</translation>
    </message>
    <message>
        <source>Choose the infrastructure partner behind your VPN service.</source>
        <translation>Wählen Sie den Infrastrukturpartner hinter Ihrem VPN-Dienst.</translation>
    </message>
    <message>
        <source>Service is not activated</source>
        <translation>Der Dienst ist nicht aktiviert</translation>
    </message>
    <message>
        <source>RESELLER SHORTLIST</source>
        <translation>RESELLER-AUSWAHL</translation>
    </message>
    <message>
        <source>Read %1 integration details</source>
        <translation>Integrationsdetails von %1 lesen</translation>
    </message>
</context>
<context>
    <name>vantorel::Sidebar</name>
    <message>
        <source>Made to be yours.</source>
        <translation>Ganz für Sie gemacht.</translation>
    </message>
    <message>
        <source>Your connection.
A calmer corner of the internet.</source>
        <translation>Ihre Verbindung.
Eine ruhigere Ecke des Internets.</translation>
    </message>
    <message>
        <source>WORKSPACE</source>
        <translation>ARBEITSBEREICH</translation>
    </message>
</context>
<context>
    <name>vantorel::SidebarRow</name>
    <message>
        <source>Current page</source>
        <translation>Aktuelle Seite</translation>
    </message>
</context>
<context>
    <name>vantorel::TrayMenu</name>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Show Vantorel</source>
        <translation>Vantorel anzeigen</translation>
    </message>
    <message>
        <source>Quit Vantorel</source>
        <translation>Vantorel beenden</translation>
    </message>
</context>
<context>
    <name>vantorel::VantorelApp</name>
    <message>
        <source>vantorel: there is no system tray to start hidden in, so the window is shown.</source>
        <translation>vantorel: Es gibt keinen Systembereich, in dem das Programm verborgen starten könnte; das Fenster wird angezeigt.</translation>
    </message>
</context>
</TS>
