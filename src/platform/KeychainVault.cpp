// The path-level calls (search, create, unlock and delete by D-Bus object path) are what libsecret's
// own store is built from; they sit behind this acknowledgement although they have not changed in
// years. Only they let an item be created without replacing one.
#define SECRET_API_SUBJECT_TO_CHANGE

#include "KeychainVault.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <libsecret/secret.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vantorel {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* serviceName = KeychainVault::service.data();
static_assert(KeychainVault::service.data()[KeychainVault::service.size()] == '\0');
constexpr const char* labelText = KeychainVault::label.data();
static_assert(KeychainVault::label.data()[KeychainVault::label.size()] == '\0');

// The alias path rather than the collection it names: the service resolves it, and reports a missing
// default collection as "no such object" so that one can be created.
constexpr const char* defaultCollection = "/org/freedesktop/secrets/aliases/default";

// Items are identified by the two attributes alone (DONT_MATCH_NAME), so an item stored by any client
// under the same pair counts as existing and is removed with ours; no "xdg:schema" attribute is
// searched for or stored. The keychain's accessibility class and synchronisation flag have no
// counterpart here: a Secret Service item is readable while its collection is unlocked, and the
// service never copies it to other machines. Both are dropped.
const SecretSchema& connectionSchema() {
    static const SecretSchema schema = [] {
        SecretSchema s{};
        s.name = "org.vantorel.Connection";
        s.flags = SECRET_SCHEMA_DONT_MATCH_NAME;
        s.attributes[0] = {"service", SECRET_SCHEMA_ATTRIBUTE_STRING};
        s.attributes[1] = {"account", SECRET_SCHEMA_ATTRIBUTE_STRING};
        return s;
    }();
    return schema;
}

template <auto release> struct Release {
    template <class T> void operator()(T* p) const { release(p); }
};
template <class T> using ObjectPtr = std::unique_ptr<T, Release<g_object_unref>>;
using HashTablePtr = std::unique_ptr<GHashTable, Release<g_hash_table_unref>>;
using ValuePtr = std::unique_ptr<SecretValue, Release<secret_value_unref>>;
using PathsPtr = std::unique_ptr<gchar*, Release<g_strfreev>>;
using ErrorPtr = std::unique_ptr<GError, Release<g_error_free>>;
using StringPtr = std::unique_ptr<gchar, Release<g_free>>;

// When the call gives up. Shared with the service object the call opened, whose prompts move it.
struct Deadline {
    Clock::time_point at;
    std::chrono::milliseconds promptAllowance;

    void promptShown() { at = std::max(at, Clock::now() + promptAllowance); }
};

constexpr const char* deadlineKey = "vantorel-deadline";

using PromptAsync = void (*)(SecretService*, SecretPrompt*, const GVariantType*, GCancellable*, GAsyncReadyCallback,
                             gpointer);
PromptAsync parentPromptAsync = nullptr;

// libsecret shows every prompt (unlock, delete confirmation, new collection) through this class
// method, which makes it the one place that knows a prompt is up.
//
// The prompt never gets the call's cancellable. Cancelling makes libsecret dismiss the prompt, and
// gnome-keyring 42 aborts when an unlock prompt is dismissed before its prompter has answered,
// taking the user's unlocked keyrings down with it. A call that gives up leaves its prompt to the user
// instead: answered, it unlocks the collection and nothing more, since the call stores nothing
// after giving up; its callback then frees what the call left behind.
void promptAsync(SecretService* self, SecretPrompt* prompt, const GVariantType* returnType, GCancellable*,
                 GAsyncReadyCallback callback, gpointer data) {
    if (auto* deadline = static_cast<std::shared_ptr<Deadline>*>(g_object_get_data(G_OBJECT(self), deadlineKey))) {
        (*deadline)->promptShown();
    }
    parentPromptAsync(self, prompt, returnType, nullptr, callback, data);
}

GType promptAwareServiceType() {
    static const GType type = g_type_register_static_simple(
        SECRET_TYPE_SERVICE, "VantorelSecretService", sizeof(SecretServiceClass),
        [](gpointer klass, gpointer) {
            auto* serviceClass = static_cast<SecretServiceClass*>(klass);
            parentPromptAsync = serviceClass->prompt_async;
            serviceClass->prompt_async = promptAsync;
        },
        sizeof(SecretService), nullptr, GTypeFlags{});
    return type;
}

// What a started asynchronous call and its callback share. A call the caller gave up on may still
// complete much later (an abandoned prompt, once the user answers it) or never, so the callback owns
// a reference of its own and nothing it touches lives on the caller's stack.
struct Completion {
    GAsyncResult* result = nullptr;

    Completion() = default;
    Completion(const Completion&) = delete;
    Completion& operator=(const Completion&) = delete;
    ~Completion() {
        if (result != nullptr) {
            g_object_unref(result);
        }
    }
};

void onComplete(GObject*, GAsyncResult* result, gpointer data) {
    const std::unique_ptr<std::shared_ptr<Completion>> completion(static_cast<std::shared_ptr<Completion>*>(data));
    (*completion)->result = G_ASYNC_RESULT(g_object_ref(result));
}

// A call that has not answered within this long is probably waiting on its user: from then on the
// window is kept alive and the call may take as long as a prompt.
constexpr std::chrono::milliseconds patienceAfter{250};
// How long each turn of a patient wait may do other work before looking at the call again.
constexpr std::chrono::milliseconds waitingSlice{20};

// One vault operation: its deadline, its cancellable, and the private main context it runs on.
// libsecret attaches every callback to the thread-default context at the time of the call, so
// pushing ours keeps the application's own loop (and its other sources) out of the way. With
// someone's patience, a call that does not answer at once hands its waiting over to them.
class Call {
public:
    Call(GMainContext* context, KeychainVault::Deadlines deadlines, CredentialVault::Patience* patience)
        : m_context(context), m_deadline(std::make_shared<Deadline>(Clock::now() + deadlines.call, deadlines.prompt)),
          m_cancellable(g_cancellable_new()), m_patience(patience) {
        g_main_context_push_thread_default(m_context);
    }

    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

    ~Call() {
        g_cancellable_cancel(m_cancellable.get());
        // Cancelled D-Bus calls complete at once; running their callbacks now frees their state.
        // Whatever is still outstanding (an abandoned prompt) runs during a later call.
        for (int i = 0; i < 1000 && g_main_context_iteration(m_context, FALSE); ++i) {
        }
        g_main_context_pop_thread_default(m_context);
        if (m_waiting) {
            m_patience->waitingEnded();
        }
    }

    // True when the call was given up on before it had its answer (its deadline, or the person).
    bool abandoned() const { return g_cancellable_is_cancelled(m_cancellable.get()); }

    // Starts `start(cancellable, callback, userData)` and runs the context until it completes.
    // Null when the deadline passed first, or the person stopped waiting; the call is then cancelled.
    template <class Start> ObjectPtr<GAsyncResult> await(Start&& start) {
        if (g_cancellable_is_cancelled(m_cancellable.get())) {
            return nullptr;
        }
        const auto completion = std::make_shared<Completion>();
        std::forward<Start>(start)(m_cancellable.get(), onComplete, new std::shared_ptr<Completion>(completion));
        const auto started = Clock::now();
        while (completion->result == nullptr) {
            if (m_waiting) {
                while (completion->result == nullptr && g_main_context_iteration(m_context, FALSE)) {
                }
                if (completion->result != nullptr) {
                    break;
                }
                if (Clock::now() >= m_deadline->at || !m_patience->keepWaiting(waitingSlice)) {
                    g_cancellable_cancel(m_cancellable.get());
                    return nullptr;
                }
                continue;
            }
            const auto now = Clock::now();
            if (now >= m_deadline->at) {
                g_cancellable_cancel(m_cancellable.get());
                return nullptr;
            }
            if (m_patience != nullptr && now >= started + patienceAfter) {
                m_waiting = true;
                m_deadline->at = std::max(m_deadline->at, now + m_deadline->promptAllowance);
                m_patience->waitingBegan();
                continue;
            }
            // Wakes the iteration at the deadline, or when patience is due; a prompt may have moved
            // the deadline meanwhile, which the next turn of the loop sees.
            auto wake = m_deadline->at;
            if (m_patience != nullptr) {
                wake = std::min(wake, started + patienceAfter);
            }
            const auto remaining =
                std::max(std::chrono::ceil<std::chrono::milliseconds>(wake - now), std::chrono::milliseconds(1));
            GSource* timer = g_timeout_source_new(static_cast<guint>(remaining.count()));
            g_source_set_callback(
                timer, [](gpointer) -> gboolean { return G_SOURCE_REMOVE; }, nullptr, nullptr);
            g_source_attach(timer, m_context);
            g_main_context_iteration(m_context, TRUE);
            g_source_destroy(timer);
            g_source_unref(timer);
        }
        return ObjectPtr<GAsyncResult>(std::exchange(completion->result, nullptr));
    }

    // A fresh connection to the service for every call: a cached one would outlive a restart of
    // the keyring daemon together with its session.
    ObjectPtr<SecretService> openService(SecretServiceFlags flags) {
        const auto result = await([&](GCancellable* cancellable, GAsyncReadyCallback callback, gpointer data) {
            secret_service_open(promptAwareServiceType(), nullptr, flags, cancellable, callback, data);
        });
        if (!result) {
            return nullptr;
        }
        GError* error = nullptr;
        ObjectPtr<SecretService> service(secret_service_open_finish(result.get(), &error));
        ErrorPtr owned(error);
        if (!service) {
            return nullptr;
        }
        g_object_set_data_full(G_OBJECT(service.get()), deadlineKey, new std::shared_ptr<Deadline>(m_deadline),
                               [](gpointer p) { delete static_cast<std::shared_ptr<Deadline>*>(p); });
        // A store that holds a call until its user unlocks it (KeePassXC searches so) would otherwise
        // meet D-Bus's own 25-second limit while the person is still typing; our deadline governs.
        g_dbus_proxy_set_default_timeout(G_DBUS_PROXY(service.get()),
                                         static_cast<gint>(m_deadline->promptAllowance.count()));
        return service;
    }

private:
    GMainContext* m_context;
    std::shared_ptr<Deadline> m_deadline;
    ObjectPtr<GCancellable> m_cancellable;
    CredentialVault::Patience* m_patience;
    bool m_waiting = false;
};

struct Matches {
    PathsPtr unlocked;
    PathsPtr locked;

    bool empty() const { return *unlocked == nullptr && *locked == nullptr; }
};

HashTablePtr lookupAttributes(const std::string& account) {
    return HashTablePtr(
        secret_attributes_build(&connectionSchema(), "service", serviceName, "account", account.c_str(), nullptr));
}

// Every item in every collection, locked or not, without unlocking anything or loading a secret.
std::optional<Matches> search(Call& call, SecretService* service, GHashTable* attributes) {
    const auto result = call.await([&](GCancellable* cancellable, GAsyncReadyCallback callback, gpointer data) {
        secret_service_search_for_dbus_paths(service, &connectionSchema(), attributes, cancellable, callback, data);
    });
    if (!result) {
        return std::nullopt;
    }
    gchar** unlocked = nullptr;
    gchar** locked = nullptr;
    GError* error = nullptr;
    const bool found = secret_service_search_for_dbus_paths_finish(service, result.get(), &unlocked, &locked, &error);
    Matches matches{PathsPtr(unlocked), PathsPtr(locked)};
    ErrorPtr owned(error);
    if (!found || !matches.unlocked || !matches.locked) {
        return std::nullopt;
    }
    return matches;
}

// True when the call completed; whether the objects really are unlocked shows in the next step,
// since a refused prompt completes without an error.
bool unlock(Call& call, SecretService* service, const gchar** paths) {
    const auto result = call.await([&](GCancellable* cancellable, GAsyncReadyCallback callback, gpointer data) {
        secret_service_unlock_dbus_paths(service, paths, cancellable, callback, data);
    });
    if (!result) {
        return false;
    }
    GError* error = nullptr;
    const gint count = secret_service_unlock_dbus_paths_finish(service, result.get(), nullptr, &error);
    ErrorPtr owned(error);
    return count >= 0 && error == nullptr;
}

bool createDefaultCollection(Call& call, SecretService* service) {
    HashTablePtr properties(g_hash_table_new_full(g_str_hash, g_str_equal, nullptr, (GDestroyNotify)g_variant_unref));
    g_hash_table_insert(properties.get(), const_cast<gchar*>("org.freedesktop.Secret.Collection.Label"),
                        g_variant_ref_sink(g_variant_new_string("Default keyring")));
    const auto result = call.await([&](GCancellable* cancellable, GAsyncReadyCallback callback, gpointer data) {
        secret_service_create_collection_dbus_path(service, properties.get(), "default", SECRET_COLLECTION_CREATE_NONE,
                                                   cancellable, callback, data);
    });
    if (!result) {
        return false;
    }
    GError* error = nullptr;
    const StringPtr path(secret_service_create_collection_dbus_path_finish(service, result.get(), &error));
    ErrorPtr owned(error);
    return path != nullptr;
}

// The label and exactly the two lookup attributes.
HashTablePtr itemProperties(const std::string& account) {
    GVariantBuilder attributes;
    g_variant_builder_init(&attributes, G_VARIANT_TYPE("a{ss}"));
    g_variant_builder_add(&attributes, "{ss}", "service", serviceName);
    g_variant_builder_add(&attributes, "{ss}", "account", account.c_str());

    HashTablePtr properties(g_hash_table_new_full(g_str_hash, g_str_equal, nullptr, (GDestroyNotify)g_variant_unref));
    g_hash_table_insert(properties.get(), const_cast<gchar*>("org.freedesktop.Secret.Item.Label"),
                        g_variant_ref_sink(g_variant_new_string(labelText)));
    g_hash_table_insert(properties.get(), const_cast<gchar*>("org.freedesktop.Secret.Item.Attributes"),
                        g_variant_ref_sink(g_variant_builder_end(&attributes)));
    return properties;
}

// Sessions live until the client disconnects, and ours is the process's shared bus connection.
void closeSession(SecretService* service) {
    const gchar* session = secret_service_get_session_dbus_path(service);
    if (session == nullptr) {
        return;
    }
    GDBusProxy* proxy = G_DBUS_PROXY(service);
    g_dbus_connection_call(g_dbus_proxy_get_connection(proxy), g_dbus_proxy_get_name(proxy), session,
                           "org.freedesktop.Secret.Session", "Close", nullptr, nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START,
                           -1, nullptr, nullptr, nullptr);
}

void wipeAndFree(gpointer bytes) {
    char* block = static_cast<char*>(bytes) - sizeof(std::size_t);
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    explicit_bzero(block, sizeof size + size + 1);
    std::free(block);
}

// The password's bytes in a buffer of our own, which libsecret takes over and hands back to
// wipeAndFree when the last call holding it is done. secret_value_new would copy them instead into
// memory that it frees without clearing whenever locking memory fails. The size travels in front
// of the bytes, since the release function is given only the pointer.
SecretValue* secretValue(std::string_view password) {
    const std::size_t size = password.size();
    auto* block = static_cast<char*>(std::malloc(sizeof size + size + 1));
    if (block == nullptr) {
        return nullptr;
    }
    std::memcpy(block, &size, sizeof size);
    char* bytes = block + sizeof size;
    std::memcpy(bytes, password.data(), size);
    bytes[size] = '\0';
    return secret_value_new_full(bytes, static_cast<gssize>(size), "text/plain", wipeAndFree);
}

std::unexpected<VPNFailure> unavailable() {
    return std::unexpected(VPNFailure::credentialsUnavailable());
}

enum class Insert { stored, refused, sessionFailed };

// One attempt at storing; `abandoned` collects the ids of stores given up while the store held them.
Insert insertOnce(Call& call, std::string_view password, const Uuid& id, std::set<Uuid>& abandoned) {
    const std::string account = id.string();
    const auto service = call.openService(SECRET_SERVICE_OPEN_SESSION);
    if (!service) {
        return call.abandoned() ? Insert::refused : Insert::sessionFailed;
    }
    const std::unique_ptr<SecretService, void (*)(SecretService*)> session(service.get(), closeSession);

    // Look before storing: the service's CreateItem either replaces a matching item or adds a second
    // one beside it, and an existing password must survive untouched.
    const auto attributes = lookupAttributes(account);
    const auto existing = search(call, service.get(), attributes.get());
    if (!existing || !existing->empty()) {
        return Insert::refused;
    }

    const ValuePtr secret(secretValue(password));
    if (!secret) {
        return Insert::refused;
    }
    const auto properties = itemProperties(account);
    bool unlocked = false;
    bool created = false;
    for (;;) {
        const auto result = call.await([&](GCancellable* cancellable, GAsyncReadyCallback callback, gpointer data) {
            secret_service_create_item_dbus_path(service.get(), defaultCollection, properties.get(), secret.get(),
                                                 SECRET_ITEM_CREATE_NONE, cancellable, callback, data);
        });
        if (!result) {
            // The store may still carry out a request it was holding when the call gave up; the next
            // call takes away what it left under this id.
            abandoned.insert(id);
            return Insert::refused;
        }
        GError* error = nullptr;
        const StringPtr item(secret_service_create_item_dbus_path_finish(service.get(), result.get(), &error));
        const ErrorPtr owned(error);
        if (item) {
            // A store whose own prompt the person cancelled may still report success (KeePassXC
            // reports the item "/"), so the item must be there to count as stored.
            const auto stored = search(call, service.get(), attributes.get());
            return stored && !stored->empty() ? Insert::stored : Insert::refused;
        }
        // Each remedy once: a prompt the user refused leaves the same error behind.
        if (!unlocked && g_error_matches(error, SECRET_ERROR, SECRET_ERROR_IS_LOCKED)) {
            unlocked = true;
            const gchar* paths[] = {defaultCollection, nullptr};
            if (!unlock(call, service.get(), paths)) {
                return Insert::refused;
            }
        } else if (!created && (g_error_matches(error, SECRET_ERROR, SECRET_ERROR_NO_SUCH_OBJECT) ||
                                g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_METHOD))) {
            created = true;
            if (!createDefaultCollection(call, service.get())) {
                return Insert::refused;
            }
        } else {
            return Insert::sessionFailed;
        }
    }
}

} // namespace

KeychainVault::KeychainVault(Deadlines deadlines) : m_deadlines(deadlines), m_context(g_main_context_new()) {}

KeychainVault::~KeychainVault() {
    // Lets callbacks that arrived since the last call free what they hold.
    for (int i = 0; i < 1000 && g_main_context_iteration(m_context, FALSE); ++i) {
    }
    g_main_context_unref(m_context);
}

std::expected<void, VPNFailure> KeychainVault::insert(std::string_view password, const Uuid& id) {
    clearAbandoned();
    Call call(m_context, m_deadlines, patience());
    // Once more on a fresh session when the encrypted session failed: KWallet 5 refuses or garbles
    // about one session in a hundred (a key that starts with a zero byte), and nothing was stored.
    for (int attempt = 0;; ++attempt) {
        const auto outcome = insertOnce(call, password, id, m_abandoned);
        if (outcome != Insert::sessionFailed || attempt > 0) {
            return outcome == Insert::stored ? std::expected<void, VPNFailure>() : unavailable();
        }
    }
}

std::expected<void, VPNFailure> KeychainVault::remove(const Uuid& id) {
    clearAbandoned();
    return removeItems(id);
}

void KeychainVault::clearAbandoned() {
    // Each id here belongs to no location: its store failed, so the location was never saved.
    std::erase_if(m_abandoned, [this](const Uuid& id) { return removeItems(id).has_value(); });
}

std::expected<void, VPNFailure> KeychainVault::removeItems(const Uuid& id) {
    Call call(m_context, m_deadlines, patience());
    const auto service = call.openService(SECRET_SERVICE_NONE);
    if (!service) {
        return unavailable();
    }
    const auto attributes = lookupAttributes(id.string());
    const auto matches = search(call, service.get(), attributes.get());
    if (!matches) {
        return unavailable();
    }
    if (matches->empty()) {
        return {};
    }
    if (*matches->locked != nullptr && !unlock(call, service.get(), const_cast<const gchar**>(matches->locked.get()))) {
        return unavailable();
    }

    for (gchar** list : {matches->unlocked.get(), matches->locked.get()}) {
        for (gchar** path = list; *path != nullptr; ++path) {
            const auto result = call.await([&](GCancellable* cancellable, GAsyncReadyCallback callback, gpointer data) {
                secret_service_delete_item_dbus_path(service.get(), *path, cancellable, callback, data);
            });
            if (!result) {
                return unavailable();
            }
            GError* error = nullptr;
            const bool deleted = secret_service_delete_item_dbus_path_finish(service.get(), result.get(), &error);
            const ErrorPtr owned(error);
            // Gone already (another client, or a second item of the same pair) is what we wanted.
            if (!deleted && !g_error_matches(error, SECRET_ERROR, SECRET_ERROR_NO_SUCH_OBJECT)) {
                return unavailable();
            }
        }
    }

    // A delete whose confirmation prompt was refused reports success, so trust only a fresh search.
    const auto left = search(call, service.get(), attributes.get());
    if (!left || !left->empty()) {
        return unavailable();
    }
    return {};
}

} // namespace vantorel
