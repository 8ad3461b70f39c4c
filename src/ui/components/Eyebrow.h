#pragma once

#include "ui/components/TextLabel.h"

namespace vantorel {

// The small spaced-out label above a heading. Callers pass upper-case text; it is shown as given.
class Eyebrow final : public TextLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Eyebrow)

public:
    explicit Eyebrow(const QString& text, QWidget* parent = nullptr);
};

} // namespace vantorel
