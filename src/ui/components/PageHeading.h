#pragma once

#include <QWidget>

namespace vantorel {

class Eyebrow;
class TextLabel;

// The title block at the top of a page: eyebrow, large rounded title and a muted subtitle.
class PageHeading final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageHeading)

public:
    PageHeading(const QString& eyebrow, const QString& title, const QString& subtitle, QWidget* parent = nullptr);

private:
    Eyebrow* m_eyebrow;
    TextLabel* m_title;
    TextLabel* m_subtitle;
};

} // namespace vantorel
