#include "AppModel.h"

#include "app/UserText.h"
#include "core/NameCollator.h"
#include "core/PlatformText.h"
#include "core/ProfileRepository.h"
#include "core/Text.h"
#include "platform/ProviderFileReader.h"
#include "platform/SystemVault.h"
#include "platform/TunnelService.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace vantorel {
namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

std::optional<std::filesystem::path> platformDocumentPath() {
    // $XDG_DATA_HOME or ~/.local/share on Linux, ~/Library/Application Support on macOS.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(folder.toStdString()) / AppModel::documentRelativePath;
}

// An add or removal that has not had the secret store's answer within this long is probably waiting
// for its user: the sheet, or the removal's notice, says so.
constexpr std::chrono::milliseconds answerExpectedWithin{250};

} // namespace

struct AppModel::Listing {
    std::vector<std::size_t> order;
    std::vector<text::CaselessText> searched;
};

AppModel::AppModel(QObject* parent)
    : QObject(parent), m_vault(std::make_unique<SystemVault>()), m_tunnel(std::make_unique<TunnelService>()) {
    start(platformDocumentPath(), {});
}

AppModel::AppModel(std::unique_ptr<CredentialVault> vault, std::optional<std::filesystem::path> documentPath,
                   DocumentWriter writer, std::filesystem::path importHelper, QObject* parent)
    : QObject(parent), m_vault(std::move(vault)), m_tunnel(std::make_unique<TunnelService>()),
      m_importHelper(std::move(importHelper)) {
    start(std::move(documentPath), std::move(writer));
}

// Whatever is still out answers no one: a stopped change calls nothing back.
AppModel::~AppModel() {
    m_stop.request_stop();
}

void AppModel::start(std::optional<std::filesystem::path> documentPath, DocumentWriter writer) {
    m_patienceShown = new QTimer(this);
    m_patienceShown->setSingleShot(true);
    m_patienceShown->setInterval(answerExpectedWithin);
    connect(m_patienceShown, &QTimer::timeout, this, [this] { publish(m_waitingForSecretStore, true); });
    m_deadline = new QTimer(this);
    m_deadline->setObjectName(QStringLiteral("secretStoreDeadline"));
    m_deadline->setSingleShot(true);
    m_deadline->setInterval(secretStorePatience);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        // As a refusal from the store: the add's sentence in the sheet, the removal's in the alert.
        const Operation timedOut = m_operation;
        stopOperation();
        if (timedOut == Operation::adding) {
            publish(m_addFailure, describe(VPNFailure::credentialsUnavailable()));
        } else {
            publish(m_message, platformWords(platformText().credentialLeftBehind));
        }
        endOperation();
    });
    if (documentPath) {
        m_repository = std::make_unique<ProfileRepository>(std::move(*documentPath), *m_vault, std::move(writer));
    }
    // One synchronous load. On failure the empty library stays and nothing is ever saved over the
    // file, so whatever is on disk survives for the user (or a later version) to recover.
    auto loaded = m_repository ? m_repository->load() : std::unexpected(VPNFailure::storageUnavailable());
    if (loaded) {
        publish(m_library, std::move(*loaded));
    } else {
        publish(m_storageHealthy, false);
        publish(m_message, describe(VPNFailure::storageUnavailable()));
    }

    // The tunnel outlives no one, but its callback must not keep the model alive or touch it
    // after it is gone, hence the weak pointer checked before every write.
    m_tunnel->setChanged([self = QPointer<AppModel>(this)](TunnelPhase phase, std::optional<QDateTime> since,
                                                           std::optional<Uuid> location) {
        if (self) {
            self->publish(self->m_phase, phase);
        }
        if (self) {
            self->publish(self->m_connectedAt, std::move(since));
        }
        if (self) {
            self->publish(self->m_activeID, std::move(location));
        }
    });
    startRefresh();
}

void AppModel::setPage(AppPage page) {
    publish(m_page, page);
}
void AppModel::setMessage(std::optional<QString> message) {
    publish(m_message, std::move(message));
}
void AppModel::setShowingAdd(bool showing) {
    publish(m_showingAdd, showing);
}
void AppModel::setQuery(QString query) {
    publish(m_query, std::move(query));
}
void AppModel::setFavoritesOnly(bool only) {
    publish(m_favoritesOnly, only);
}

bool AppModel::canEdit() const {
    return m_storageHealthy && !m_busy && !isActive(m_phase) && m_phase != TunnelPhase::unknown;
}

std::optional<VPNProfile> AppModel::activeProfile() const {
    if (!m_activeID) {
        return std::nullopt;
    }
    const auto found = std::ranges::find(m_library.profiles, *m_activeID, &VPNProfile::id);
    return found == m_library.profiles.end() ? std::nullopt : std::optional(*found);
}

std::vector<VPNProfile> AppModel::visibleProfiles() const {
    // Filtering keeps the order it is given, so the whole library is sorted once per change and
    // each search only filters it. Sorted by position, so that the sort moves no strings; equal
    // names keep their stored order. The collator loads the locale's ordering rules, so it is made
    // when a list is first sorted, not while the window is opening.
    const auto& profiles = m_library.profiles;
    if (!m_listing) {
        if (!m_collator) {
            m_collator = std::make_unique<NameCollator>(QLocale().name().toStdString());
        }
        const NameCollator& collator = *m_collator;
        auto listing = std::make_unique<Listing>();
        listing->order.resize(profiles.size());
        std::iota(listing->order.begin(), listing->order.end(), std::size_t(0));
        std::ranges::stable_sort(listing->order, [&](std::size_t a, std::size_t b) {
            if (profiles[a].favorite != profiles[b].favorite) {
                return profiles[a].favorite;
            }
            return collator.less(profiles[a].name, profiles[b].name);
        });
        // The name and the country are searched as one text.
        for (const VPNProfile& profile : profiles) {
            listing->searched.emplace_back(profile.name + " " + profile.country);
        }
        m_listing = std::move(listing);
    }
    // The query is searched as typed: not trimmed, so a lone space is a real search.
    const text::CaselessPattern query(utf8(m_query));
    std::vector<VPNProfile> visible;
    for (const std::size_t position : m_listing->order) {
        const VPNProfile& profile = profiles[position];
        if ((!m_favoritesOnly || profile.favorite) && query.foundIn(m_listing->searched[position])) {
            visible.push_back(profile);
        }
    }
    return visible;
}

void AppModel::persist(const ProfileLibrary& next) {
    if (auto saved = m_repository->save(next); !saved) {
        publish(m_message, describe(saved.error()));
        return;
    }
    publish(m_library, next);
}

void AppModel::change(const std::function<bool(ProfileLibrary&)>& edit) {
    if (!canEdit()) {
        return;
    }
    ProfileLibrary next = m_library;
    if (edit(next)) {
        persist(next);
    }
}

void AppModel::favorite(const VPNProfile& profile) {
    change([&](ProfileLibrary& next) {
        const auto found = std::ranges::find(next.profiles, profile.id, &VPNProfile::id);
        if (found == next.profiles.end()) {
            return false;
        }
        found->favorite = !found->favorite;
        return true;
    });
}

void AppModel::select(const VPNProfile& profile) {
    // The id is not looked up: a selection that names nothing is refused by the library check.
    change([&](ProfileLibrary& next) {
        next.selectedID = profile.id;
        return true;
    });
}

void AppModel::setAllowLocalNetwork(bool allow) {
    change([&](ProfileLibrary& next) {
        next.settings.allowLocalNetwork = allow;
        return true;
    });
}

void AppModel::setDisconnectOnSleep(bool disconnect) {
    change([&](ProfileLibrary& next) {
        next.settings.disconnectOnSleep = disconnect;
        return true;
    });
}

std::stop_token AppModel::beginOperation(Operation operation) {
    m_stop = std::stop_source();
    publish(m_busy, true);
    publish(m_operation, operation);
    m_patienceShown->start();
    m_deadline->start();
    return m_stop.get_token();
}

void AppModel::stopOperation() {
    // The repository calls nothing back once stopped; what the store still holds, it takes care of.
    m_stop.request_stop();
}

void AppModel::endOperation() {
    m_patienceShown->stop();
    m_deadline->stop();
    publish(m_waitingForSecretStore, false);
    publish(m_operation, Operation::none);
    publish(m_busy, false);
    if (m_shuttingDown) {
        return;
    }
    // What arrived meanwhile, now that it can be taken.
    if (auto reading = std::exchange(m_readingAfterOperation, std::nullopt)) {
        offerImport(std::move(*reading));
    }
    if (auto file = std::exchange(m_fileAfterOperation, std::nullopt)) {
        importFile(*file);
    }
}

void AppModel::giveUp() {
    const Operation given = m_operation;
    if (given == Operation::none) {
        return;
    }
    stopOperation();
    if (given == Operation::removing) {
        publish(m_message, platformWords(platformText().credentialLeftBehind));
    }
    endOperation();
}

void AppModel::remove(VPNProfile profile) {
    if (!canEdit()) {
        return;
    }
    const std::stop_token stop = beginOperation(Operation::removing);
    auto removed = m_repository->remove(profile, m_library);
    if (!removed) {
        publish(m_message, describe(removed.error()));
        return endOperation();
    }
    publish(m_library, std::move(*removed));
    // The removal is on disk already; a password left behind is reported, not undone, and the next
    // change tries again to delete it.
    m_repository->deleteCredential(profile, m_library, stop, [this](CredentialVault::Result deleted) {
        if (!deleted) {
            publish(m_message, platformWords(platformText().credentialLeftBehind));
        }
        endOperation();
    });
}

void AppModel::add(const QString& name, const QString& country, const QString& server, const QString& identity,
                   const QString& username, const QString& password) {
    if (!canEdit()) {
        publish(m_addFailure, describe(VPNFailure::storageUnavailable()));
        return;
    }
    const VPNProfile profile{Uuid::random(), utf8(name),     utf8(country),  utf8(server),
                             utf8(identity), utf8(username), Uuid::random(), false};
    publish(m_addFailure, std::nullopt);
    const std::stop_token stop = beginOperation(Operation::adding);
    QByteArray secret = password.toUtf8();
    auto started =
        m_repository->add(profile, std::string_view(secret.constData(), static_cast<std::size_t>(secret.size())),
                          m_library, stop, [this](ProfileRepository::Saved added) {
                              if (!added) {
                                  publish(m_addFailure, describe(added.error()));
                              } else {
                                  publish(m_library, std::move(*added));
                                  publish(m_showingAdd, false);
                              }
                              endOperation();
                          });
    secret.fill('\0'); // our copy of the password goes as soon as it has been handed on
    if (!started) {
        publish(m_addFailure, describe(started.error()));
        endOperation();
    }
}

void AppModel::refresh() {
    if (m_busy) {
        return;
    }
    publish(m_busy, true);
    m_tunnel->reportStatus();
    publish(m_busy, false);
}

void AppModel::importFile(const QString& file) {
    // A file handed over during an add or a removal (a second start) waits for it to end.
    if (m_operation != Operation::none) {
        m_fileAfterOperation = file;
        return;
    }
    if (!canEdit()) {
        publish(m_message, describe(VPNFailure::storageUnavailable()));
        return;
    }
    if (!m_reader) {
        m_reader = std::make_unique<ProviderFileReader>(m_importHelper.empty() ? ProviderFileReader::installedHelper()
                                                                               : m_importHelper);
    }
    const QFileInfo read(file);
    m_lastImportFolder = read.absolutePath();
    m_reader->read(
        QFile::encodeName(file).toStdString(), [this, name = read.fileName()](ProviderFileReader::Result reading) {
            // A refusal names the file, by its name alone: the folder it is in is the person's own.
            // The name is on a line of its own, so line breaks in it (a file's name may hold any
            // character but "/") are shown as spaces.
            if (!reading) {
                QString shown = name;
                shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
                //: A refused file: its name in quotes, on a line of its own, then why it was refused.
                publish(m_message, tr("\u201C%1\u201D\n%2").arg(shown, describe(reading.error())));
                return;
            }
            offerImport(std::move(*reading));
        });
}

void AppModel::offerImport(ProviderFile file) {
    // An add or a removal may have begun while the file was read; it is offered once that is over.
    if (m_operation != Operation::none) {
        m_readingAfterOperation = std::move(file);
        return;
    }
    // Editing may have been locked while the file was read.
    if (!canEdit()) {
        publish(m_message, describe(VPNFailure::storageUnavailable()));
        return;
    }
    publish(m_import, std::move(file));
    publish(m_showingAdd, true);
}

std::optional<ProviderFile> AppModel::takeImport() {
    std::optional<ProviderFile> taken;
    if (m_import) {
        emit willChange();
        taken = std::move(m_import);
        m_import.reset();
    }
    return taken;
}

void reportTunnelStatus(AppModel& model, TunnelPhase phase, std::optional<QDateTime> since,
                        std::optional<Uuid> location) {
    model.m_tunnel->notify(phase, std::move(since), std::move(location));
}

void AppModel::startRefresh() {
    QMetaObject::invokeMethod(
        this, [this] { refresh(); }, Qt::QueuedConnection);
}

void AppModel::shutDown(std::function<void()> done, std::chrono::milliseconds patience) {
    m_shuttingDown = true;
    if (m_operation != Operation::none) {
        stopOperation();
        endOperation();
    }
    auto once = std::make_shared<std::function<void()>>(std::move(done));
    const auto finish = [once] {
        if (auto then = std::exchange(*once, nullptr)) {
            then();
        }
    };
    if (!m_repository || m_repository->settled()) {
        QMetaObject::invokeMethod(this, finish, Qt::QueuedConnection);
        return;
    }
    m_repository->setSettledHandler(finish);
    QTimer::singleShot(patience, this, finish);
}

} // namespace vantorel
