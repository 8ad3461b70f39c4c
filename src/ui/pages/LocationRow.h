#pragma once

#include "core/VPNProfile.h"

#include <QCache>
#include <QFont>
#include <QStaticText>
#include <QWidget>
#include <array>

class QAction;
class QMenu;
class QPushButton;

namespace vantorel {

class SymbolButton;

// Lines of row text, shaped once and shared by the rows of one list. Shaping is most of what
// painting a row costs, and the same lines come back again and again: a country that many
// locations share, the rows of a search typed and taken back, rows scrolled away and back.
class RowTexts final {
public:
    // `text` in `font`, ending in an ellipsis where it is wider than `width`.
    QStaticText line(const QString& text, const QFont& font, int width);

private:
    struct Key {
        QString text;
        QFont font;
        int width;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0) { return qHashMulti(seed, key.text, key.font, key.width); }
    };
    QCache<Key, QStaticText> m_lines{512};
};

// One saved location in the Locations list: its symbol, name and country, and its three controls
// (favourite, select, and a menu with the removal). The symbol and the two lines are painted by
// the row itself and only the controls are widgets of their own: the rows in view are given other
// locations and moved as the page scrolls and on every keystroke in the search box, and every
// child widget adds to that.
// Assistive technology reads the row by its name, with the country as its description.
// A row shows the location it was last given and reports what the user asks for; it changes
// nothing itself. It draws no background: the list behind it paints the rows.
class LocationRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocationRow)

public:
    // `texts` outlives the row.
    LocationRow(RowTexts& texts, QWidget* parent = nullptr);

    // Shows `profile`; `selected` whether it is the library's selection, `canEdit` whether the
    // model takes edits now.
    void setLocation(const VPNProfile& profile, bool selected, bool canEdit);
    const VPNProfile& profile() const { return m_profile; }

    // The controls in the order Tab visits them.
    std::array<QWidget*, 3> controls() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void favoriteRequested(const VPNProfile& profile);
    void selectRequested(const VPNProfile& profile);
    void removeRequested(const VPNProfile& profile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where the texts may run: from after the symbol to before the first control.
    QRect textArea() const;
    void prepareTexts();
    void showMenu();

    RowTexts& m_texts;
    VPNProfile m_profile;
    bool m_selected = false;
    bool m_canEdit = false;
    bool m_filled = false;
    bool m_textsReady = false;
    QStaticText m_name;
    QStaticText m_detail;
    SymbolButton* m_star;
    QPushButton* m_select;
    SymbolButton* m_menuButton;
    QAction* m_remove;
    QMenu* m_menu = nullptr; // made when first opened
};

} // namespace vantorel
