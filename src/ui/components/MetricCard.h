#pragma once

#include "ui/components/Fonts.h"
#include "ui/components/Panel.h"

namespace vantorel {

class IconLabel;
class TextLabel;

// A statistic tile: a small caption with its symbol, a large value and a muted detail. Cards in
// one row share its width equally.
class MetricCard final : public Panel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MetricCard)

public:
    MetricCard(const QString& icon, const QString& title, const QString& value, const QString& detail,
               QWidget* parent = nullptr);

    void setValue(const QString& value);
    QString value() const;
    // The value is rounded by default; a live timer wants monospaced figures, a placeholder dash
    // the standard face.
    void setValueDesign(Fonts::Design design);
    void setDetail(const QString& detail);
    QString detail() const;

private:
    IconLabel* m_caption;
    TextLabel* m_value;
    TextLabel* m_detail;
};

} // namespace vantorel
