#include "SecretServiceTesting.h"

#include "platform/KeychainVault.h"

#include <QProcess>
#include <cstdlib>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <sstream>

namespace vantorel::testing {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a program found on PATH, without a shell, with `input` on its standard input.
ToolRun runTool(const QStringList& argv, std::string_view input = {}) {
    QProcess process;
    process.start(argv.front(), argv.mid(1));
    process.write(input.data(), qint64(input.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit) {
        return {-1, {}, process.errorString().toStdString()};
    }
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

// What `secret-tool search --all` printed: items, labels and secrets on its output, attributes on its
// error stream (their prefixes tell the two apart).
StoredItems parsed(const ToolRun& run) {
    StoredItems items;
    std::istringstream lines(run.out + "\n" + run.err);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("[")) {
            ++items.count;
        } else if (line.starts_with("label = ")) {
            items.labels.push_back(line.substr(8));
        } else if (line.starts_with("secret = ")) {
            items.secrets.push_back(line.substr(9));
        } else if (line.starts_with("schema = ")) {
            items.attributes.push_back("xdg:schema = " + line.substr(9));
        } else if (line.starts_with("attribute.")) {
            items.attributes.push_back(line.substr(10));
        }
    }
    return items;
}

const QString service = QString::fromUtf8(KeychainVault::service);

// kwalletd5 5.103 fails about one encrypted session in a hundred (it refuses a client key, or derives
// another key, when one starts with a zero byte): a store fails, or a secret reads back empty. Only
// the tools here try again; the vault's own calls are left to show it.
constexpr int attempts = 3;

} // namespace

void requireSecretService(std::string_view mode) {
    const char* actual = std::getenv("VANTOREL_TEST_SECRET_SERVICE");
    ASSERT_TRUE(actual != nullptr && mode == actual)
        << "run this test through tests/platform/with-secret-service " << mode;
}

StoredItems storedItems(std::string_view account) {
    QStringList argv{"secret-tool", "search", "--all", "service", service};
    if (!account.empty()) {
        argv << "account" << QString::fromUtf8(account);
    }
    for (int attempt = 1;; ++attempt) {
        const auto run = runTool(argv);
        StoredItems items = parsed(run);
        // A locked item shows no secret either; it costs the retries and no more.
        if ((run.status == 0 && std::ssize(items.secrets) == items.count) || attempt == attempts) {
            return items;
        }
    }
}

void storeWithSecretTool(std::string_view account, std::string_view secret, const QStringList& extra) {
    const QStringList argv =
        QStringList{"secret-tool", "store", "--label=Stored elsewhere", "service", service, "account"} +
        QStringList{QString::fromUtf8(account)} + extra;
    ToolRun run;
    for (int attempt = 0; attempt < attempts && run.status != 0; ++attempt) {
        run = runTool(argv, secret);
    }
    ASSERT_EQ(run.status, 0) << run.err;
}

void lockDefaultCollection() {
    const auto run = runTool({"dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.secrets",
                              "/org/freedesktop/secrets", "org.freedesktop.Secret.Service.Lock",
                              "array:objpath:/org/freedesktop/secrets/aliases/default"});
    ASSERT_EQ(run.status, 0) << run.err;
}

CredentialVault::Result answerOf(const VaultCall& start, std::optional<std::chrono::milliseconds> giveUpAfter) {
    std::stop_source stop;
    std::optional<CredentialVault::Result> answer;
    start(stop.get_token(), [&](CredentialVault::Result result) { answer = std::move(result); });
    EXPECT_FALSE(answer) << "answered from inside the call";
    const auto giveUpAt = std::chrono::steady_clock::now() + giveUpAfter.value_or(std::chrono::hours(1));
    while (!answer) {
        if (std::chrono::steady_clock::now() >= giveUpAt && !stop.stop_requested()) {
            stop.request_stop();
            EXPECT_FALSE(answer) << "answered from inside the stop request";
        }
        g_main_context_iteration(nullptr, FALSE);
        g_usleep(1000);
    }
    return *answer;
}

void runFor(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        g_main_context_iteration(nullptr, FALSE);
        g_usleep(1000);
    }
}

StalledPrompter::StalledPrompter() {
    g_autoptr(GError) error = nullptr;
    m_connection =
        g_dbus_connection_new_for_address_sync(g_getenv("DBUS_SESSION_BUS_ADDRESS"),
                                               GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                                    G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                                               nullptr, nullptr, &error);
    if (m_connection == nullptr) {
        ADD_FAILURE() << error->message;
        return;
    }
    // Swallows every call, so the keyring's request to show its prompt is never answered.
    g_dbus_connection_add_filter(
        m_connection,
        [](GDBusConnection*, GDBusMessage* message, gboolean incoming, gpointer) -> GDBusMessage* {
            if (incoming && g_dbus_message_get_message_type(message) == G_DBUS_MESSAGE_TYPE_METHOD_CALL) {
                g_object_unref(message);
                return nullptr;
            }
            return message;
        },
        nullptr, nullptr);
    g_autoptr(GVariant) reply = g_dbus_connection_call_sync(
        m_connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
        g_variant_new("(su)", "org.gnome.keyring.SystemPrompter", 0u), G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE,
        -1, nullptr, &error);
    guint32 owner = 0;
    if (reply != nullptr) {
        g_variant_get(reply, "(u)", &owner);
    }
    EXPECT_EQ(owner, 1u) << (error != nullptr ? error->message : "the prompter's name is taken");
}

StalledPrompter::~StalledPrompter() {
    if (m_connection != nullptr) {
        g_dbus_connection_close_sync(m_connection, nullptr, nullptr);
        g_object_unref(m_connection);
    }
}

} // namespace vantorel::testing
