#include "ui/common/WindowPlacement.h"

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

}  // namespace corvane
