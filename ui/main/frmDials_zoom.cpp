// The window grows and shrinks as a whole: every control keeps its place in the design, at the zoom
// that the window's size gives; Ctrl++, Ctrl+- and Ctrl+0 change the size by steps.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "ui/common/WindowZoom.h"
#include "ui/main/LengthPanel.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPanels.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ElidedLabel.h"

namespace corvane {

using namespace mainlayout;

void frmDials::buildViewMenu() {
    QMenu* view = new QMenu(QStringLiteral("&View"), this);
    view->setObjectName(QStringLiteral("mnuView"));
    ui_.mnuViewZoomIn = view->addAction(QStringLiteral("Zoom &In"), this, [this] { zoom_->zoomBy(+1); });
    ui_.mnuViewZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ui_.mnuViewZoomOut = view->addAction(QStringLiteral("Zoom &Out"), this, [this] { zoom_->zoomBy(-1); });
    ui_.mnuViewZoomOut->setShortcut(QKeySequence::ZoomOut);
    ui_.mnuViewActualSize =
        view->addAction(QStringLiteral("&Actual Size"), this, [this] { zoom_->zoomTo(1.0); });
    ui_.mnuViewActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    ui_.mnuViewZoomIn->setObjectName(QStringLiteral("mnuViewZoomIn"));
    ui_.mnuViewZoomOut->setObjectName(QStringLiteral("mnuViewZoomOut"));
    ui_.mnuViewActualSize->setObjectName(QStringLiteral("mnuViewActualSize"));
    // Before Tools, after Edit.
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 2 ? menus[2] : nullptr, view);
}

void frmDials::showZoomed() {
    // Labels with a style sheet of their own do not follow a parent's font change.
    for (QWidget* w : {static_cast<QWidget*>(ui_.lblReadingsCheck), static_cast<QWidget*>(ui_.lblVerdict)})
        w->setFont(font());
    // The canvas at the design size times the zoom, centred in the room between the bars.
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
