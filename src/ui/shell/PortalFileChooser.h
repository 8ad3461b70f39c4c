#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QWidget;

namespace vantorel {

// The desktop's own file chooser (GNOME's, KDE's, …), asked for through the XDG desktop portal, to
// pick one file to open. open() returns at once; one of the signals follows when the person has
// chosen, or straight away when the session has no portal with a file chooser, in which case the
// caller shows a dialog of its own.
class PortalFileChooser final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortalFileChooser)

public:
    struct Filter {
        QString name;
        QStringList globs; // "*.sswan"
    };

    explicit PortalFileChooser(QObject* parent = nullptr);
    // Closes a chooser still open, so that no dialog outlives the window it was opened for.
    ~PortalFileChooser() override;

    // While a chooser is open (or being opened), another open() does nothing.
    bool isOpen() const { return !m_request.isEmpty(); }
    // `window` is the chooser's parent on screen; `folder` is where it starts; the first filter is
    // the one in effect.
    void open(const QWidget* window, const QString& title, const QString& folder, const QList<Filter>& filters);

signals:
    void fileSelected(const QString& path);
    void cancelled();
    void unavailable();

private slots:
    // The portal's answer; named for QtDBus, which connects a D-Bus signal only by slot signature.
    void takeResponse(uint response, const QVariantMap& results);

private:
    void listen(const QString& request, bool on);
    void giveUp();

    QString m_request; // the object path of the open request, empty when none is
    int m_serial = 0;
};

} // namespace vantorel
