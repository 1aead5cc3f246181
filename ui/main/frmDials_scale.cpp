// The window grows and shrinks as a whole: every control keeps its place in the design, at a scale
// that the window's size gives; Ctrl++, Ctrl+- and Ctrl+0 change the size by steps.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <cmath>

#include "ui/common/WindowScaler.h"
#include "ui/main/LengthPanel.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPanels.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ElidedLabel.h"

namespace corvane {

using namespace mainlayout;

namespace {

// The zoom steps, as a part of the design size.
constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

}  // namespace

void frmDials::buildViewMenu() {
    QMenu* view = new QMenu(QStringLiteral("&View"), this);
    view->setObjectName(QStringLiteral("mnuView"));
    ui_.mnuViewZoomIn = view->addAction(QStringLiteral("Zoom &In"), this, [this] { zoomBy(+1); });
    ui_.mnuViewZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ui_.mnuViewZoomOut = view->addAction(QStringLiteral("Zoom &Out"), this, [this] { zoomBy(-1); });
    ui_.mnuViewZoomOut->setShortcut(QKeySequence::ZoomOut);
    ui_.mnuViewActualSize = view->addAction(QStringLiteral("&Actual Size"), this, [this] { zoomTo(1.0); });
    ui_.mnuViewActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    ui_.mnuViewZoomIn->setObjectName(QStringLiteral("mnuViewZoomIn"));
    ui_.mnuViewZoomOut->setObjectName(QStringLiteral("mnuViewZoomOut"));
    ui_.mnuViewActualSize->setObjectName(QStringLiteral("mnuViewActualSize"));
    // Before Tools, after Edit.
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 2 ? menus[2] : nullptr, view);
}

double frmDials::scaleForSize(QSize size) const {
    const double s =
        std::min(size.width() / double(designSize_.width()), size.height() / double(designSize_.height()));
    return std::max(1.0, s);
}

void frmDials::zoomTo(double scale) {
    if (isMaximized() || isFullScreen()) showNormal();
    QSize wanted(static_cast<int>(std::lround(designSize_.width() * scale)),
                 static_cast<int>(std::lround(designSize_.height() * scale)));
    // A step that does not fit the screen goes as far as the screen allows.
    if (const QScreen* s = screen()) wanted = wanted.boundedTo(s->availableSize());
    resize(wanted.expandedTo(designSize_));
}

void frmDials::zoomBy(int steps) {
    const double now = layout_.scale();
    if (steps > 0) {
        for (double z : kZoomSteps)
            if (z > now + 1e-6) return zoomTo(z);
    } else {
        for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
            if (*it < now - 1e-6) return zoomTo(*it);
        zoomTo(1.0);
    }
}

void frmDials::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyScale(scaleForSize(event->size()));
}

void frmDials::applyScale(double scale) {
    // The window's font first: the menu bar and the status bar grow with it, and every control
    // that has no font of its own follows it.
    QFont f = font();
    f.setPointSizeF(baseFontPoints_ * scale);
    setFont(f);
    // Menus are windows of their own, which a window's font does not reach.
    for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(f);
    // Labels with a style sheet of their own do not follow a parent's font change.
    for (QWidget* w : {static_cast<QWidget*>(ui_.lblReadingsCheck), static_cast<QWidget*>(ui_.lblVerdict)})
        w->setFont(f);
    layout_.setScale(scale);
    // The growth and tolerance windows open at this scale.
    WindowScaler::setScaleOf(this, scale);
    // The canvas at the design size times the scale, centred in the room between the bars.
    const QSize canvas(layout_.toPixels(kCanvas.width()), layout_.toPixels(kCanvas.height()));
    const QSize room = centralWidget()->size();
    canvas_->setGeometry(QRect(QPoint(std::max(0, (room.width() - canvas.width()) / 2), 0), canvas));
    panels_->lengths().sizeGrid();
    for (QPushButton* b : {ui_.cmdComments, ui_.cmdGrowth, ui_.cmdTolerances, ui_.cmdG1Inc, ui_.cmdG1Dec,
                           ui_.cmdScale, ui_.cmdG2Inc, ui_.cmdG2Dec}) {
        const int side = std::min(b->width(), b->height()) - layout_.toPixels(10);
        b->setIconSize(QSize(side, side));
    }
    // The verdict keeps room for its longest line, with the frame and padding of its style.
    ui_.lblVerdict->setMinimumWidth(ui_.lblVerdict->fontMetrics().horizontalAdvance(QStringLiteral(
                                        "\u2716 Alignment: Out of tolerance at 7200 rpm (short coupling)")) +
                                    layout_.toPixels(24));
}

}  // namespace corvane
