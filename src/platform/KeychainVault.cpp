// The path-level parts of libsecret (opening a service with its session, encoding a secret for it,
// showing a prompt by its path) sit behind this acknowledgement although they have not changed in
// years. The requests themselves go out through GDBus, so that each has the timeout it needs: every
// request libsecret sends for itself gives up after D-Bus's default 25 seconds, while the person is
// still typing.
#define SECRET_API_SUBJECT_TO_CHANGE

#include "KeychainVault.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <libsecret/secret.h>
#include <optional>
#include <string>
#include <utility>

namespace vantorel {
namespace {

using Done = CredentialVault::Done;
using Result = CredentialVault::Result;

constexpr const char* servicePath = "/org/freedesktop/secrets";
// The alias path rather than the collection it names: the service resolves it, and reports a missing
// default collection as "no such object" so that one can be created.
constexpr const char* defaultCollection = "/org/freedesktop/secrets/aliases/default";
constexpr const char* serviceInterface = "org.freedesktop.Secret.Service";
constexpr const char* collectionInterface = "org.freedesktop.Secret.Collection";
constexpr const char* itemInterface = "org.freedesktop.Secret.Item";

template <auto release> struct Release {
    template <class T> void operator()(T* p) const { release(p); }
};
template <class T> using ObjectPtr = std::unique_ptr<T, Release<g_object_unref>>;
using VariantPtr = std::unique_ptr<GVariant, Release<g_variant_unref>>;
using ValuePtr = std::unique_ptr<SecretValue, Release<secret_value_unref>>;
using ErrorPtr = std::unique_ptr<GError, Release<g_error_free>>;

CredentialVault::Result unavailable() {
    return std::unexpected(VPNFailure::credentialsUnavailable());
}

bool isEmptyPath(const char* path) {
    return path == nullptr || std::strcmp(path, "/") == 0 || *path == '\0';
}

// Items are identified by the two attributes alone, so an item stored by any client under the same
// pair counts as existing and is removed with ours; no "xdg:schema" attribute is searched for or
// stored. The keychain's accessibility class and synchronisation flag have no counterpart here: a
// Secret Service item is readable while its collection is unlocked, and the service never copies it
// to other machines. Both are dropped.
GVariant* lookupAttributes(const std::string& account) {
    GVariantBuilder attributes;
    g_variant_builder_init(&attributes, G_VARIANT_TYPE("a{ss}"));
    g_variant_builder_add(&attributes, "{ss}", "service", KeychainVault::service.data());
    g_variant_builder_add(&attributes, "{ss}", "account", account.c_str());
    return g_variant_builder_end(&attributes);
}

void wipeAndFree(gpointer bytes) {
    char* block = static_cast<char*>(bytes) - sizeof(std::size_t);
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    explicit_bzero(block, sizeof size + size + 1);
    std::free(block);
}

// The password's bytes in a buffer of our own, which libsecret takes over and hands back to
// wipeAndFree when done with it. secret_value_new would copy them instead into memory that it frees
// without clearing whenever locking memory fails. The size travels in front of the bytes, since the
// release function is given only the pointer.
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

// The item paths a search found, locked or not; nothing found when the search failed.
struct Matches {
    bool searched = false;
    std::vector<std::string> unlocked;
    std::vector<std::string> locked;

    bool empty() const { return unlocked.empty() && locked.empty(); }
};

std::vector<std::string> paths(GVariant* array) {
    std::vector<std::string> out;
    GVariantIter iter;
    g_variant_iter_init(&iter, array);
    const gchar* path = nullptr;
    while (g_variant_iter_next(&iter, "&o", &path)) {
        out.emplace_back(path);
    }
    return out;
}

} // namespace

// One vault call: the requests it sends one after another, each continued by the store's answer,
// until it finishes. Every request in flight keeps the call alive. A stop request cancels whatever
// may be cancelled and, unless a store is out, finishes the call on the next turn of the loop.
class KeychainVault::Call : public std::enable_shared_from_this<Call> {
public:
    Call(Done done, std::chrono::milliseconds timeout, SecretServiceFlags flags)
        : m_done(std::move(done)), m_timeout(static_cast<gint>(timeout.count())), m_flags(flags),
          m_cancellable(g_cancellable_new()) {}
    virtual ~Call() = default;
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

    void start(std::stop_token stop) {
        m_stop = stop;
        // Stopped already, the call finishes on the next turn, as stopped() arranges.
        m_onStop.emplace(std::move(stop), [this] { stopped(); });
        if (!m_stop.stop_requested()) {
            openService();
        }
    }

    // The vault is going: nothing of the call may reach its caller any more.
    void detach() {
        m_onStop.reset();
        m_done = nullptr;
        m_finished = true;
        g_cancellable_cancel(m_cancellable.get());
    }

protected:
    virtual void opened() = 0;

    // False when the call is over, or has just been given up; the step that asks goes no further.
    bool proceed() {
        if (m_finished) {
            return false;
        }
        if (m_stop.stop_requested() && !m_storeOut) {
            finish(unavailable());
            return false;
        }
        return true;
    }

    bool stopRequested() const { return m_stop.stop_requested(); }

    void finish(Result result) {
        if (std::exchange(m_finished, true)) {
            return;
        }
        closeSession();
        if (auto done = std::exchange(m_done, nullptr)) {
            done(std::move(result));
        }
    }

    // A fresh connection to the service for every call: a cached one would outlive a restart of the
    // keyring daemon together with its session.
    void openService() {
        struct Pending {
            std::shared_ptr<Call> call;
        };
        secret_service_open(
            SECRET_TYPE_SERVICE, nullptr, m_flags, m_cancellable.get(),
            [](GObject*, GAsyncResult* result, gpointer data) {
                const std::unique_ptr<Pending> pending(static_cast<Pending*>(data));
                GError* error = nullptr;
                ObjectPtr<SecretService> service(secret_service_open_finish(result, &error));
                const ErrorPtr owned(error);
                Call& call = *pending->call;
                if (!call.proceed()) {
                    return;
                }
                // Once more when the session could not be set up: KWallet 5 refuses about one session
                // in 256 (a client key that starts with a zero byte).
                if (!service && !std::exchange(call.m_reopened, true)) {
                    return call.openService();
                }
                if (!service) {
                    return call.finish(unavailable());
                }
                call.m_service = std::move(service);
                call.opened();
            },
            new Pending{shared_from_this()});
    }

    using Reply = std::function<void(VariantPtr reply, ErrorPtr error)>;

    // One request to the store; `cancellable` false for the one request a stop must not cancel, the
    // store itself, whose answer says what the store did with it.
    void request(const char* path, const char* interface, const char* method, GVariant* parameters,
                 const char* replyType, bool cancellable, Reply then) {
        struct Pending {
            std::shared_ptr<Call> call;
            Reply then;
        };
        GDBusProxy* proxy = G_DBUS_PROXY(m_service.get());
        g_dbus_connection_call(
            g_dbus_proxy_get_connection(proxy), g_dbus_proxy_get_name(proxy), path, interface, method, parameters,
            G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NONE, m_timeout, cancellable ? m_cancellable.get() : nullptr,
            [](GObject* source, GAsyncResult* result, gpointer data) {
                const std::unique_ptr<Pending> pending(static_cast<Pending*>(data));
                GError* error = nullptr;
                VariantPtr reply(g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error));
                if (!pending->call->m_finished) {
                    pending->then(std::move(reply), ErrorPtr(error));
                } else if (error != nullptr) {
                    g_error_free(error);
                }
            },
            new Pending{shared_from_this(), std::move(then)});
    }

    // Shows a prompt the store asked for; `then` gets its result, null when it was dismissed or
    // failed. The prompt is never dismissed from here: gnome-keyring 42 aborts when an unlock prompt
    // is dismissed before its prompter has answered, taking the user's unlocked keyrings down with it.
    // A call given up leaves its prompt to the user; answered, it unlocks the collection and nothing
    // more, since the call sends nothing after giving up.
    void prompt(const char* path, const char* returnType, std::function<void(VariantPtr)> then) {
        struct Pending {
            std::shared_ptr<Call> call;
            std::function<void(VariantPtr)> then;
        };
        secret_service_prompt_at_dbus_path(
            m_service.get(), path, returnType == nullptr ? nullptr : G_VARIANT_TYPE(returnType), nullptr,
            [](GObject* source, GAsyncResult* result, gpointer data) {
                const std::unique_ptr<Pending> pending(static_cast<Pending*>(data));
                GError* error = nullptr;
                VariantPtr value(secret_service_prompt_at_dbus_path_finish(SECRET_SERVICE(source), result, &error));
                const ErrorPtr owned(error);
                if (!pending->call->m_finished) {
                    pending->then(std::move(value));
                }
            },
            new Pending{shared_from_this(), std::move(then)});
    }

    // Every item in every collection under the pair, locked or not, without unlocking anything or
    // loading a secret.
    void search(const std::string& account, std::function<void(Matches)> then) {
        request(servicePath, serviceInterface, "SearchItems", g_variant_new("(@a{ss})", lookupAttributes(account)),
                "(aoao)", true, [then = std::move(then)](VariantPtr reply, ErrorPtr error) {
                    if (error) {
                        return then(Matches{});
                    }
                    VariantPtr unlocked(g_variant_get_child_value(reply.get(), 0));
                    VariantPtr locked(g_variant_get_child_value(reply.get(), 1));
                    then(Matches{true, paths(unlocked.get()), paths(locked.get())});
                });
    }

    // A request the store may answer with a prompt to show first (as the path in the answer's last
    // element): the call fails on an error, and goes on with `then` once any prompt is over.
    void requestThroughPrompt(const char* path, const char* interface, const char* method, GVariant* parameters,
                              const char* replyType, const char* promptResult, std::function<void()> then) {
        request(path, interface, method, parameters, replyType, true,
                [this, promptResult, then = std::move(then)](VariantPtr reply, ErrorPtr error) {
                    if (!proceed()) {
                        return;
                    }
                    if (error) {
                        return finish(unavailable());
                    }
                    const gchar* promptPath = nullptr;
                    g_variant_get_child(reply.get(), g_variant_n_children(reply.get()) - 1, "&o", &promptPath);
                    if (isEmptyPath(promptPath)) {
                        return then();
                    }
                    prompt(promptPath, promptResult, [this, then](VariantPtr) {
                        if (proceed()) {
                            then();
                        }
                    });
                });
    }

    // Asks the store to unlock `objects`. Whether they really are unlocked shows in the next step,
    // since a refused prompt completes without an error.
    void unlock(const std::vector<std::string>& objects, std::function<void()> then) {
        GVariantBuilder list;
        g_variant_builder_init(&list, G_VARIANT_TYPE("ao"));
        for (const auto& object : objects) {
            g_variant_builder_add(&list, "o", object.c_str());
        }
        requestThroughPrompt(servicePath, serviceInterface, "Unlock", g_variant_new("(ao)", &list), "(aoo)", "ao",
                             std::move(then));
    }

    // Sessions live until the client disconnects, and ours is the process's shared bus connection.
    void closeSession() {
        if (!m_service) {
            return;
        }
        const gchar* session = secret_service_get_session_dbus_path(m_service.get());
        if (session == nullptr) {
            return;
        }
        GDBusProxy* proxy = G_DBUS_PROXY(m_service.get());
        g_dbus_connection_call(g_dbus_proxy_get_connection(proxy), g_dbus_proxy_get_name(proxy), session,
                               "org.freedesktop.Secret.Session", "Close", nullptr, nullptr, G_DBUS_CALL_FLAGS_NONE, -1,
                               nullptr, nullptr, nullptr);
    }

    // True while a request that may store is out: a stop then waits for its answer.
    bool m_storeOut = false;
    ObjectPtr<SecretService> m_service;

private:
    // Runs inside the stop request; the caller hears of it on the next turn of the loop.
    void stopped() {
        g_cancellable_cancel(m_cancellable.get());
        if (m_storeOut || m_finished) {
            return;
        }
        g_idle_add_full(
            G_PRIORITY_DEFAULT,
            [](gpointer data) -> gboolean {
                (*static_cast<std::shared_ptr<Call>*>(data))->finish(unavailable());
                return G_SOURCE_REMOVE;
            },
            new std::shared_ptr<Call>(shared_from_this()),
            [](gpointer data) { delete static_cast<std::shared_ptr<Call>*>(data); });
    }

    Done m_done;
    gint m_timeout;
    SecretServiceFlags m_flags;
    ObjectPtr<GCancellable> m_cancellable;
    std::stop_token m_stop;
    std::optional<std::stop_callback<std::function<void()>>> m_onStop;
    bool m_finished = false;
    bool m_reopened = false;
};

namespace {

class InsertCall final : public KeychainVault::Call {
public:
    InsertCall(std::string_view password, const Uuid& id, Done done, std::chrono::milliseconds timeout)
        : Call(std::move(done), timeout, SECRET_SERVICE_OPEN_SESSION), m_account(id.string()),
          m_secret(secretValue(password)) {}

private:
    // Look before storing: the service's CreateItem either replaces a matching item or adds a second
    // one beside it, and an existing password must survive untouched.
    void opened() override {
        search(m_account, [this](Matches existing) {
            if (!proceed()) {
                return;
            }
            if (!existing.searched || !existing.empty() || !m_secret) {
                return finish(unavailable());
            }
            store();
        });
    }

    void store() {
        if (!proceed()) {
            return;
        }
        GVariantBuilder properties;
        g_variant_builder_init(&properties, G_VARIANT_TYPE("a{sv}"));
        g_variant_builder_add(&properties, "{sv}", "org.freedesktop.Secret.Item.Label",
                              g_variant_new_string(KeychainVault::label.data()));
        GVariant* attributes = lookupAttributes(m_account);
        g_variant_builder_add(&properties, "{sv}", "org.freedesktop.Secret.Item.Attributes", attributes);
        GVariant* secret = secret_service_encode_dbus_secret(m_service.get(), m_secret.get());
        if (secret == nullptr) {
            g_variant_unref(g_variant_ref_sink(g_variant_builder_end(&properties)));
            return finish(unavailable());
        }
        m_storeOut = true;
        request(defaultCollection, collectionInterface, "CreateItem",
                g_variant_new("(a{sv}@(oayays)b)", &properties, secret, FALSE), "(oo)", false,
                [this](VariantPtr reply, ErrorPtr error) { answered(std::move(reply), std::move(error)); });
    }

    void answered(VariantPtr reply, ErrorPtr error) {
        if (!error) {
            const gchar* item = nullptr;
            const gchar* promptPath = nullptr;
            g_variant_get(reply.get(), "(&o&o)", &item, &promptPath);
            if (isEmptyPath(promptPath)) {
                return stored(item);
            }
            // KeePassXC answers a store into its locked database with a prompt that unlocks and stores.
            return prompt(promptPath, "o", [this](VariantPtr created) {
                stored(created ? g_variant_get_string(created.get(), nullptr) : nullptr);
            });
        }
        // Never sent again after D-Bus gave up on it: the store may still be holding it.
        if (g_error_matches(error.get(), G_IO_ERROR, G_IO_ERROR_TIMED_OUT)) {
            return finish(unavailable());
        }
        // An error answer: nothing was stored.
        m_storeOut = false;
        if (!proceed()) {
            return;
        }
        // Each remedy once: a prompt the user refused leaves the same error behind.
        if (!m_unlocked && g_error_matches(error.get(), SECRET_ERROR, SECRET_ERROR_IS_LOCKED)) {
            m_unlocked = true;
            return unlock({defaultCollection}, [this] { store(); });
        }
        if (!m_createdCollection && (g_error_matches(error.get(), SECRET_ERROR, SECRET_ERROR_NO_SUCH_OBJECT) ||
                                     g_error_matches(error.get(), G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_METHOD))) {
            m_createdCollection = true;
            return createDefaultCollection();
        }
        // Once more on a fresh session: KWallet 5 refuses or garbles about one session in a hundred (a
        // key that starts with a zero byte), and answers the store with an error.
        if (!m_retried) {
            m_retried = true;
            closeSession();
            m_service.reset();
            return openService();
        }
        finish(unavailable());
    }

    // A store whose own prompt the person cancelled may still report success (KeePassXC reports the
    // item "/"), so the item must be there to count as stored. Given up meanwhile, the store's answer
    // is the call's: its caller takes back what was stored.
    void stored(const char* item) {
        if (isEmptyPath(item)) {
            return finish(unavailable());
        }
        if (stopRequested()) {
            return finish({});
        }
        search(m_account, [this](Matches found) {
            if (found.searched) {
                return finish(found.empty() ? unavailable() : Result());
            }
            finish(stopRequested() ? Result() : unavailable());
        });
    }

    void createDefaultCollection() {
        GVariantBuilder properties;
        g_variant_builder_init(&properties, G_VARIANT_TYPE("a{sv}"));
        g_variant_builder_add(&properties, "{sv}", "org.freedesktop.Secret.Collection.Label",
                              g_variant_new_string("Default keyring"));
        requestThroughPrompt(servicePath, serviceInterface, "CreateCollection",
                             g_variant_new("(a{sv}s)", &properties, "default"), "(oo)", "o", [this] { store(); });
    }

    std::string m_account;
    ValuePtr m_secret;
    bool m_unlocked = false;
    bool m_createdCollection = false;
    bool m_retried = false;
};

class RemoveCall final : public KeychainVault::Call {
public:
    RemoveCall(const Uuid& id, Done done, std::chrono::milliseconds timeout)
        : Call(std::move(done), timeout, SECRET_SERVICE_NONE), m_account(id.string()) {}

private:
    void opened() override {
        search(m_account, [this](Matches matches) {
            if (!proceed()) {
                return;
            }
            if (!matches.searched) {
                return finish(unavailable());
            }
            if (matches.empty()) {
                return finish({});
            }
            m_items = matches.unlocked;
            m_items.insert(m_items.end(), matches.locked.begin(), matches.locked.end());
            if (matches.locked.empty()) {
                return deleteFrom(0);
            }
            unlock(matches.locked, [this] { deleteFrom(0); });
        });
    }

    void deleteFrom(std::size_t next) {
        if (!proceed()) {
            return;
        }
        if (next == m_items.size()) {
            // A delete whose confirmation prompt was refused reports success, so trust only a fresh
            // search.
            return search(m_account, [this](Matches left) {
                if (proceed()) {
                    finish(left.searched && left.empty() ? Result() : unavailable());
                }
            });
        }
        request(m_items[next].c_str(), itemInterface, "Delete", nullptr, "(o)", true,
                [this, next](VariantPtr reply, ErrorPtr error) {
                    if (!proceed()) {
                        return;
                    }
                    // Gone already (another client, or a second item of the same pair) is what we wanted.
                    if (error && !g_error_matches(error.get(), SECRET_ERROR, SECRET_ERROR_NO_SUCH_OBJECT) &&
                        !g_error_matches(error.get(), G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_OBJECT)) {
                        return finish(unavailable());
                    }
                    const gchar* promptPath = nullptr;
                    if (reply) {
                        g_variant_get(reply.get(), "(&o)", &promptPath);
                    }
                    if (isEmptyPath(promptPath)) {
                        return deleteFrom(next + 1);
                    }
                    prompt(promptPath, nullptr, [this, next](VariantPtr) { deleteFrom(next + 1); });
                });
    }

    std::string m_account;
    std::vector<std::string> m_items;
};

} // namespace

KeychainVault::KeychainVault(std::chrono::milliseconds requestTimeout) : m_requestTimeout(requestTimeout) {
    // Registers the service's error names with GDBus, so that the answers of our own requests carry
    // SECRET_ERROR codes.
    (void)SECRET_ERROR;
}

KeychainVault::~KeychainVault() {
    for (const auto& weak : m_calls) {
        if (const auto call = weak.lock()) {
            call->detach();
        }
    }
}

void KeychainVault::track(const std::shared_ptr<Call>& call) {
    std::erase_if(m_calls, [](const std::weak_ptr<Call>& weak) { return weak.expired(); });
    m_calls.push_back(call);
}

void KeychainVault::insert(std::string_view password, const Uuid& id, std::stop_token stop, Done done) {
    const auto call = std::make_shared<InsertCall>(password, id, std::move(done), m_requestTimeout);
    track(call);
    call->start(std::move(stop));
}

void KeychainVault::remove(const Uuid& id, std::stop_token stop, Done done) {
    const auto call = std::make_shared<RemoveCall>(id, std::move(done), m_requestTimeout);
    track(call);
    call->start(std::move(stop));
}

} // namespace vantorel
