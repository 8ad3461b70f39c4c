#include "Shot.h"

#include "ui/shell/MainWindow.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace vantorel::screenshots {

QImage render(QWidget& widget) {
    const qreal density = widget.devicePixelRatioF();
    QImage image((QSizeF(widget.size()) * density).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

void settle(QWidget& widget) {
    QApplication::processEvents();
    const auto moving = [&] {
        return std::ranges::any_of(widget.findChildren<QAbstractAnimation*>(), [](const QAbstractAnimation* animation) {
            return animation->state() == QAbstractAnimation::Running && animation->loopCount() >= 0;
        });
    };
    // Bounded, so that a component that keeps restarting its animation cannot hold the tool up.
    QElapsedTimer waited;
    waited.start();
    while (moving() && waited.elapsed() < 5000) {
        QEventLoop frame;
        QTimer::singleShot(16, &frame, &QEventLoop::quit);
        frame.exec();
    }
    QApplication::processEvents();
}

void waitFor(const std::function<bool()>& ready) {
    QElapsedTimer waited;
    waited.start();
    while (!ready() && waited.elapsed() < 5000) {
        QEventLoop frame;
        QTimer::singleShot(16, &frame, &QEventLoop::quit);
        frame.exec();
    }
}

bool save(const Shot& shot, const QDir& folder) {
    auto widget = shot.build();
    widget->ensurePolished();
    const int width = shot.width > 0 ? shot.width : widget->sizeHint().width();
    const int height = shot.height > 0                                       ? shot.height
                       : qobject_cast<QMainWindow*>(widget.get()) != nullptr ? MainWindow::defaultWindowSize.height()
                       : widget->hasHeightForWidth()                         ? widget->heightForWidth(width)
                                                                             : widget->sizeHint().height();
    widget->resize(width, height);
    widget->show();
    settle(*widget);
    // A window is made as tall as its page needs, so that the picture shows the whole page.
    if (auto* scroll = widget->findChild<QScrollArea*>(QStringLiteral("pageScrollArea")); scroll && shot.height == 0) {
        const int hidden = scroll->widget()->heightForWidth(scroll->viewport()->width()) - scroll->viewport()->height();
        if (hidden > 0) {
            widget->resize(width, height + hidden);
            settle(*widget);
        }
    }

    const QImage image = shot.capture(*widget);
    const auto path = folder.filePath(QString::fromLatin1(shot.file));
    if (!image.save(path)) {
        std::fprintf(stderr, "vantorel-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace vantorel::screenshots
