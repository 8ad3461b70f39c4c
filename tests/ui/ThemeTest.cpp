#include "ui/components/Theme.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace vantorel;

namespace {

const QFont::Weight ladder[] = {QFont::ExtraLight, QFont::Light,    QFont::Normal,
                                QFont::Medium,     QFont::DemiBold, QFont::Bold};

double ink(const QFont& font, const QString& text) {
    QImage image(900, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(10, 55, text);
    }
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qAlpha(image.pixel(x, y));
        }
    }
    return sum / 255;
}

double lightness(QRgb pixel) {
    return QColor::fromRgba(pixel).lightnessF();
}

} // namespace

TEST(Fonts, EveryWeightIsItsOwnFaceAndCoversTheTextShown) {
    // Characters beyond ASCII that texts of the program show: middle dot, em dash, ellipsis,
    // typographic apostrophe.
    const QString special = QStringLiteral("\u00B7\u2014\u2026\u2019");
    const auto sample = QStringLiteral("Vantorel 0123456789 Hamburg");
    for (const auto design : {Fonts::Design::standard, Fonts::Design::rounded, Fonts::Design::monospaced}) {
        double previous = 0;
        QStringList families;
        for (const auto weight : ladder) {
            SCOPED_TRACE(testing::Message() << "design " << int(design) << " weight " << weight);
            const auto font = Fonts::font(design, 20, weight);
            const auto family = Fonts::family(design, weight);
            ASSERT_FALSE(family.isEmpty());
            // The bundled face itself, not a fallback or a synthesised bold.
            EXPECT_EQ(QFontInfo(font).family(), family);
            const auto raw = QRawFont::fromFont(font);
            EXPECT_EQ(raw.familyName(), family);
            for (const QChar c : special + sample) {
                EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
            }
            const double current = ink(font, sample + special);
            EXPECT_GT(current, previous * 1.04) << "no heavier than the weight before";
            previous = current;
        }
    }
    EXPECT_EQ(QFontInfo(Fonts::system(13)).pixelSize(), 13);
    const auto tracked = Fonts::tracked(Fonts::system(9, QFont::DemiBold), 1.8);
    EXPECT_EQ(tracked.letterSpacingType(), QFont::AbsoluteSpacing);
    EXPECT_NEAR(tracked.letterSpacing(), 1.8, 1.0 / 64); // Qt keeps it in 1/64ths
}

TEST(Theme, NothingQtDrawsItselfIsLight) {
    const auto colors = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role :
             {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase}) {
            EXPECT_LT(colors.color(group, role).lightnessF(), 0.3) << group << " " << role;
        }
    }
    EXPECT_LT(QToolTip::palette().color(QPalette::ToolTipBase).lightnessF(), 0.3);
    EXPECT_EQ(colors.color(QPalette::Active, QPalette::Highlight), Palette::violet.color());
    EXPECT_EQ(colors.color(QPalette::Active, QPalette::HighlightedText), Palette::background.color());

    // Render Qt's own widgets and check that light pixels are no more than their text.
    const std::pair<const char*, std::function<QWidget*()>> widgets[] = {
        {"menu",
         [] {
             auto* menu = new QMenu;
             menu->addAction(QStringLiteral("Add Location…"));
             menu->addSeparator();
             menu->addAction(QStringLiteral("Quit Vantorel"))->setEnabled(false);
             return menu;
         }},
        {"scroll bar",
         [] {
             auto* bar = new QScrollBar(Qt::Vertical);
             bar->setRange(0, 100);
             bar->resize(16, 200);
             return bar;
         }},
        {"field",
         [] {
             return new QLineEdit(QStringLiteral("uk.provider.example"));
         }},
        {"combo box",
         [] {
             auto* box = new QComboBox;
             box->addItem(QStringLiteral("United Kingdom"));
             return box;
         }},
        {"push button",
         [] {
             return new QPushButton(QStringLiteral("Select"));
         }},
        {"message box",
         [] {
             auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Vantorel"),
                                         QStringLiteral("Your library could not be saved."), QMessageBox::Ok);
             return box;
         }},
        {"dialog",
         [] {
             auto* dialog = new QDialog;
             dialog->resize(200, 120);
             return dialog;
         }},
    };
    for (const auto& [name, make] : widgets) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> widget(make());
        widget->ensurePolished();
        if (widget->size().isEmpty() || widget->size() == QSize(640, 480)) {
            widget->resize(widget->sizeHint().expandedTo(QSize(16, 16)));
        }
        const auto image = widget->grab().toImage();
        // The commonest colour is the widget's own background; light pixels are its text.
        QHash<QRgb, int> counts;
        int light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                ++counts[pixel];
                light += lightness(pixel) > 0.6 ? 1 : 0;
            }
        }
        const auto commonest = std::max_element(counts.cbegin(), counts.cend());
        EXPECT_LT(lightness(commonest.key()), 0.3);
        EXPECT_LT(light / (double(image.width()) * image.height()), 0.3);
    }
}
