#include "ui/common/WindowPlacement.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace corvane {

void centreOnMainWindow(QWidget* window, const QWidget* mainWindow) {
    if (!mainWindow) return;
    const QRect main = mainWindow->geometry();
    const int width = window->width();
    const int height = window->height();
    QPoint topLeft(main.x() + (main.width() - width) / 2, main.y() + (main.height() - height) / 2);
    if (QScreen* screen = mainWindow->screen()) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - width)));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - height)));
    }
    window->move(topLeft);
}

QRect fittedToScreen(const QRect& wanted, const QRect& available, const QSize& minimum) {
    const int width = std::max(minimum.width(), std::min(wanted.width(), available.width()));
    const int height = std::max(minimum.height(), std::min(wanted.height(), available.height()));
    const int x = std::clamp(wanted.x(), available.left(),
                             std::max(available.left(), available.left() + available.width() - width));
    const int y = std::clamp(wanted.y(), available.top(),
                             std::max(available.top(), available.top() + available.height() - height));
    return {x, y, width, height};
}

void restoreWindowPlace(QWidget* window, const QByteArray& geometry) {
    if (!geometry.isEmpty()) window->restoreGeometry(geometry);
    if (window->isMaximized() || window->isFullScreen()) return;
    QScreen* screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect fitted =
        fittedToScreen(window->geometry(), screen->availableGeometry(), window->minimumSize());
    if (fitted != window->geometry()) window->setGeometry(fitted);
}

}  // namespace corvane
