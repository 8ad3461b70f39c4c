#pragma once

#include <QWidget>

namespace vantorel {

class Panel;

// Where a service of one's own could come from: the app has no connected VPN service, and three
// infrastructure partners are offered, each with a link to its documentation. The page is the
// same in every state and reads nothing from the model.
class ServiceView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServiceView)

public:
    explicit ServiceView(QWidget* parent = nullptr);

private:
    Panel* partner(const QString& name, const QString& tag, const QString& detail, const QString& url);
};

} // namespace vantorel
