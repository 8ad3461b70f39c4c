#pragma once

#include "core/ProviderFile.h"

#include <QObject>
#include <chrono>
#include <expected>
#include <filesystem>
#include <functional>
#include <string>

class QSocketNotifier;
class QTimer;

namespace vantorel {

// Reads providers' profile files in a process of its own (vantorel-read-profile), so that the
// parsers' copies of a file and its password never enter this process, and a file made to break a
// parser cannot break the app. The window stays responsive meanwhile: the reading is a child
// process and a pipe watched by the event loop.
class ProviderFileReader final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProviderFileReader)

public:
    using Result = std::expected<ProviderFile, VPNFailure>;
    using Done = std::function<void(Result)>;

    // Beside the app, as installed and in the build tree: ../libexec/vantorel/vantorel-read-profile.
    static std::filesystem::path installedHelper();
    // Reading a profile takes milliseconds; a helper that has not answered by then never will.
    static constexpr std::chrono::milliseconds usualDeadline{10'000};

    explicit ProviderFileReader(std::filesystem::path helper, std::chrono::milliseconds deadline = usualDeadline,
                                QObject* parent = nullptr);
    ~ProviderFileReader() override;

    // Starts reading `file`; `done` is called on a later turn of the event loop, exactly once,
    // unless another read replaces this one first. A helper that cannot be started makes the file
    // unreadable; one that does not answer within the deadline, or answers with anything but a
    // reading, makes it damaged (a file that breaks a parser is a damaged file). Either way the
    // helper is killed, and reaped once it has gone, without waiting for it.
    void read(const std::filesystem::path& file, Done done);

private:
    void readPipe();
    // A read that could not start ends on a later turn all the same, as `read` promises.
    void failLater();
    void finish(Result result);
    void stop();
    // Kills the helper and lets the event loop collect its exit status once it has gone.
    void endChild();

    std::filesystem::path m_helper;
    int m_child = -1;
    int m_pipe = -1;
    std::string m_received;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_deadline;
    Done m_done;
};

} // namespace vantorel
