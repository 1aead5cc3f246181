#include "ui/print/WindowPrinter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/common/DialogProvider.h"

namespace corvane {

namespace {

// Platforms without a real screen to read pixels from.
bool screenCanBeRead() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

QImage captureWindow(QWidget* window) {
    if (!window) return {};
    if (screenCanBeRead() && window->isVisible()) {
        // A menu that has just closed over the window must be painted over before the pixels
        // are read.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (QScreen* screen = window->screen()) {
            // The frame and title bar as the screen shows them, with whatever lies over the window.
            const QRect frame = window->frameGeometry();
            const QPoint origin = frame.topLeft() - screen->geometry().topLeft();
            const QPixmap shot = screen->grabWindow(0, origin.x(), origin.y(), frame.width(), frame.height());
            if (!shot.isNull() && !shot.size().isEmpty()) return shot.toImage();
        }
    }
    // Where the screen cannot be read (Wayland, offscreen), the window is drawn into an image.
    return window->grab().toImage();
}

void printWindow(QWidget* window, DialogProvider& dialogs) {
    // Taken before the print dialog opens, so the dialog is never part of the picture.
    const QImage picture = captureWindow(window);
    if (picture.isNull()) return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs.setUpPrinter(window, printer)) return;
    printer.setPageOrientation(QPageLayout::Landscape);

    // Every copy is a page of our own, so that a file printer gets all of them too.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);

    // The picture at the size it has on the screen, shrunk only when the page is smaller.
    const QSizeF natural = picture.deviceIndependentSize();
    const qreal screenDpi = window && window->screen() ? window->screen()->logicalDotsPerInch() : 96.0;
    QSizeF target = natural * (printer.resolution() / screenDpi);

    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRectF page = painter.viewport();
    if (target.width() > page.width() || target.height() > page.height())
        target = target.scaled(page.size(), Qt::KeepAspectRatio);
    const QRectF place(QPointF(0, 0), target);

    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage()) break;
        painter.drawImage(place, picture);
        if (printer.printerState() == QPrinter::Error) break;
    }
    painter.end();
}

}  // namespace corvane
