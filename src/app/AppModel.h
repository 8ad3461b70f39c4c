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
#include <chrono>
#include <expected>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <type_traits>
#include <vector>

class QTimer;

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
//
// Adding and removing a location also wait for the secret store, which may be asking its user for a
// password: they are operations in progress, started here and finished by the store's answers on a
// later turn of the event loop, with `busy` set throughout. Nothing ever waits inside the model.
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
    // The add or removal in progress, if any.
    enum class Operation { none, adding, removing };
    Operation operation() const { return m_operation; }
    // The operation has not had the secret store's answer within a moment: the store may be asking
    // its user for a password in a window of its own.
    bool waitingForSecretStore() const { return m_waitingForSecretStore; }
    // Gives up the operation in progress, whichever call it waits for; nothing of it is kept. A
    // removal given up leaves its password behind, which message says.
    void giveUp();
    // Why the last add failed; none while one runs, or after one succeeded.
    const std::optional<QString>& addFailure() const { return m_addFailure; }
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
    // Saves the library without the location, then deletes its password; a password that cannot be
    // deleted is reported in message.
    void remove(VPNProfile profile); // by value: the argument may refer into the library it replaces
    // Starts adding; the outcome comes later: on success the sheet closes (showingAdd false), on
    // failure addFailure says why. Refused at once, as storageUnavailable, while editing is not allowed.
    void add(const QString& name, const QString& country, const QString& server, const QString& identity,
             const QString& username, const QString& password);
    // Asks the tunnel service for the current status; ignored while busy.
    void refresh();

    // Reads a provider's profile file in the background. What it offers opens the add-location
    // sheet filled in (the sheet takes it with takeImport); a file that offers nothing puts its
    // reason in message. Refused as the add operation is while editing is not allowed. Nothing is
    // stored: only the sheet's save does that.
    void importFile(const QString& file);
    // The folder of the last file read, for the next file to be chosen from; empty before the first.
    const QString& lastImportFolder() const { return m_lastImportFolder; }
    // The locations of the last file read, handed over once; the model keeps no copy.
    std::optional<ProviderFile> takeImport();
    bool hasImport() const { return m_import.has_value(); }

    // Queues refresh for a later turn of the event loop. Dropped if the model is gone.
    void startRefresh();

    // For quitting: gives up the operation in progress and calls `done` once the secret store has
    // answered every call still out (deleting a store it carried out after all), or after
    // `patience`, whichever comes first, but always on a later turn.
    void shutDown(std::function<void()> done, std::chrono::milliseconds patience);

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
    void offerImport(ProviderFile file);
    // The operation's state: begun, ended (and what waited for it let in), given up.
    std::stop_token beginOperation(Operation operation);
    void endOperation();
    void stopOperation();
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
    Operation m_operation = Operation::none;
    bool m_waitingForSecretStore = false;
    std::optional<QString> m_addFailure;
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
    std::unique_ptr<ProviderFileReader> m_reader; // made for the first file
    QString m_lastImportFolder;
    // What arrived while an operation was in progress, opened once it ends.
    std::optional<QString> m_fileAfterOperation;
    std::optional<ProviderFile> m_readingAfterOperation;
    std::stop_source m_stop;           // of the operation in progress
    QTimer* m_patienceShown = nullptr; // after the moment without an answer
    QTimer* m_deadline = nullptr;      // the give-up
    bool m_shuttingDown = false;
};

} // namespace vantorel
