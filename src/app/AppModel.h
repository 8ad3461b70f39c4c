#pragma once

#include "app/AppPage.h"
#include "core/AtomicFile.h"
#include "core/ProfileLibrary.h"
#include "core/ProviderFile.h"
#include "core/TunnelPhase.h"
#include "core/Uuid.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <expected>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace vantorel {

// What the model keeps to itself: the views that include this header cannot reach the secret
// store, the document or the tunnel except through the model's operations.
class CredentialVault;
class NameCollator;
class ProfileRepository;
class ProviderFileReader;
class TunnelService;

// The one object every page reads and every user action goes through. Every published write,
// even of an equal value, emits willChange() once before the value is stored; views coalesce
// those into one redraw per turn of the event loop.
//
// Every library change follows one pattern: check canEdit, build the next library from a copy,
// have the repository store it, and only then publish it. The library in memory never runs
// ahead of the file.
class AppModel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppModel)

public:
    static constexpr std::string_view documentRelativePath = "Vantorel/locations-v1.json";

    // The application's model: the system secret store and the per-user data folder.
    explicit AppModel(QObject* parent = nullptr);
    // For tests and other hosts: a given vault, and the document at `documentPath` (none: the
    // platform has no data folder, so storage starts unhealthy and nothing is ever written).
    // Providers' files are read by `importHelper` (empty: the one installed beside the app).
    AppModel(std::unique_ptr<CredentialVault> vault, std::optional<std::filesystem::path> documentPath,
             DocumentWriter writer = {}, std::filesystem::path importHelper = {}, QObject* parent = nullptr);
    ~AppModel() override;

    // Published state.
    AppPage page() const { return m_page; }
    void setPage(AppPage page);
    const ProfileLibrary& library() const { return m_library; }
    TunnelPhase phase() const { return m_phase; }
    const std::optional<QDateTime>& connectedAt() const { return m_connectedAt; }
    const std::optional<Uuid>& activeID() const { return m_activeID; }
    bool busy() const { return m_busy; }
    // A call to the secret store is waiting for its answer (the store may be asking for a password
    // in a window of its own). Meanwhile the event loop keeps running and nothing can be edited.
    bool waitingForSecretStore() const { return m_waitingForSecretStore; }
    // Gives up the call being waited for; it fails, and nothing of it is kept.
    void stopWaitingForSecretStore();
    bool storageHealthy() const { return m_storageHealthy; }
    const std::optional<QString>& message() const { return m_message; }
    void setMessage(std::optional<QString> message);
    bool showingAdd() const { return m_showingAdd; }
    void setShowingAdd(bool showing);
    const QString& query() const { return m_query; }
    void setQuery(QString query);
    bool favoritesOnly() const { return m_favoritesOnly; }
    void setFavoritesOnly(bool only);

    // Derived values, recomputed on every read.
    bool canEdit() const;
    // The location the tunnel reports as in use; never falls back to the selection.
    std::optional<VPNProfile> activeProfile() const;
    // The locations passing the favourites filter and the search, favourites first, then by name.
    std::vector<VPNProfile> visibleProfiles() const;

    // Library operations. All do nothing while canEdit is false; failures to store go to message.
    void favorite(const VPNProfile& profile);
    void select(const VPNProfile& profile);
    void setAllowLocalNetwork(bool allow);
    void setDisconnectOnSleep(bool disconnect);
    // Runs its steps synchronously; views start it with startRemove so it runs on a later turn.
    void remove(VPNProfile profile); // by value: the argument may refer into the library it replaces
    // The one operation whose failure goes back to its caller (the add-location sheet).
    std::expected<void, VPNFailure> add(const QString& name, const QString& country, const QString& server,
                                        const QString& identity, const QString& username, const QString& password);
    // Asks the tunnel service for the current status; ignored while busy.
    void refresh();

    // Reads a provider's profile file in the background. What it offers opens the add-location
    // sheet filled in (the sheet takes it with takeImport); a file that offers nothing puts its
    // reason in message. Refused as the add operation is while editing is not allowed. Nothing is
    // stored: only the sheet's save does that.
    void importFile(const QString& file);
    // The locations of the last file read, handed over once; the model keeps no copy.
    std::optional<ProviderFile> takeImport();
    bool hasImport() const { return m_import.has_value(); }

    // Queue remove or refresh for a later turn of the event loop. Dropped if the model is gone.
    void startRemove(const VPNProfile& profile);
    void startRefresh();

signals:
    void willChange();

private:
    friend void reportTunnelStatus(AppModel&, TunnelPhase, std::optional<QDateTime>, std::optional<Uuid>);

    template <typename T, typename V> void publish(T& field, V&& value) {
        emit willChange();
        field = std::forward<V>(value);
        if constexpr (std::is_same_v<T, ProfileLibrary>) {
            m_listing.reset();
        }
    }
    void start(std::optional<std::filesystem::path> documentPath, DocumentWriter writer);
    void offerImport(std::expected<ProviderFile, VPNFailure> reading);
    // The pattern of every library change: nothing unless canEdit; `edit` changes a copy and says
    // whether there is anything to store; the copy is published only once it is stored.
    void change(const std::function<bool(ProfileLibrary&)>& edit);
    void persist(const ProfileLibrary& next);

    AppPage m_page = AppPage::connection;
    ProfileLibrary m_library;
    TunnelPhase m_phase = TunnelPhase::unavailable;
    std::optional<QDateTime> m_connectedAt;
    std::optional<Uuid> m_activeID;
    bool m_busy = false;
    bool m_waitingForSecretStore = false;
    bool m_stopWaiting = false;
    bool m_storageHealthy = true;
    std::optional<QString> m_message;
    bool m_showingAdd = false;
    QString m_query;
    bool m_favoritesOnly = false;
    std::optional<ProviderFile> m_import;

    // Declared in this order so that the repository, which refers to the vault, goes first.
    std::unique_ptr<CredentialVault> m_vault;
    std::unique_ptr<TunnelService> m_tunnel;
    // Null only when the platform gave no data folder; canEdit is then false for good.
    std::unique_ptr<ProfileRepository> m_repository;
    mutable std::unique_ptr<NameCollator> m_collator; // made on first use
    // What every search of the library needs, made when first asked for after the library changed,
    // so that a keystroke in the search box only filters: the positions in m_library.profiles,
    // favourites first and then by name, and the searched text of each profile, prepared.
    struct Listing;
    mutable std::unique_ptr<Listing> m_listing;
    std::filesystem::path m_importHelper;
    class SecretStorePatience;
    std::unique_ptr<SecretStorePatience> m_patience;
    std::unique_ptr<ProviderFileReader> m_reader; // made for the first file
};

} // namespace vantorel
