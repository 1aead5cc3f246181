#include "ui/common/WindowZoom.h"

#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "ui/common/DesignLayout.h"

namespace corvane {

namespace {

constexpr const char* kZoomProperty = "corvaneZoom";

// The zoom steps, as a part of the design size.
constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// A layout-built window's content nudges its own size as its type changes; a change of zoom smaller
// than this is taken for that, not for the user's resizing.
constexpr double kLayoutZoomSlack = 0.005;

int times(int value, double zoom) { return static_cast<int>(std::lround(value * zoom)); }

// A least or fixed size times the zoom; "no limit" stays no limit.
QSize zoomed(QSize size, double zoom) {
    const auto one = [zoom](int v) { return v >= QWIDGETSIZE_MAX ? v : times(v, zoom); };
    return {one(size.width()), one(size.height())};
}

QFont zoomedFont(QFont font, double zoom) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, times(font.pixelSize(), zoom)));
    return font;
}

// The toolkit's own parts of a control (a table's scroll bars, a viewport) size themselves.
bool isToolkitPart(const QWidget* widget) { return widget->objectName().startsWith(QLatin1String("qt_")); }

void activateLayout(QWidget* window) {
    if (QLayout* layout = window->layout()) {
        layout->invalidate();
        layout->activate();
    }
}

}  // namespace

WindowZoom::WindowZoom(QWidget* window) : QObject(window), window_(window), windowFont_(window->font()) {
    const QSize noLimit(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() || isToolkitPart(widget)) continue;
        DesignedWidget designed{widget, widget->minimumSize(), widget->maximumSize(),
                                widget->testAttribute(Qt::WA_SetFont), widget->font()};
        if (designed.minimum.isNull() && designed.maximum == noLimit && !designed.ownFont) continue;
        widgets_.push_back(designed);
    }
    for (QLayout* layout : window->findChildren<QLayout*>()) {
        DesignedLayout designed{layout, layout->contentsMargins(), layout->spacing()};
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            designed.horizontalSpacing = grid->horizontalSpacing();
            designed.verticalSpacing = grid->verticalSpacing();
        }
        layouts_.push_back(designed);
    }
    // The window's least size is set here, from the design; the layout does not hold it to the
    // content's least size, or a window once enlarged could not be made smaller again.
    if (QLayout* layout = window->layout()) layout->setSizeConstraint(QLayout::SetNoConstraint);
    window->installEventFilter(this);
}

WindowZoom::WindowZoom(QWidget* window, DesignLayout& places, QSize designSize)
    : QObject(window), window_(window), places_(&places), windowFont_(window->font()), design_(designSize) {
    window->installEventFilter(this);
}

double WindowZoom::zoomOf(const QWidget* window) {
    const QVariant value = window ? window->property(kZoomProperty) : QVariant();
    return value.isValid() ? std::max(1.0, value.toDouble()) : 1.0;
}

void WindowZoom::setZoomOf(QWidget* window, double zoom) { window->setProperty(kZoomProperty, zoom); }

double WindowZoom::zoomForSize(QSize size) const {
    return std::max(
        1.0, std::min(size.width() / double(design_.width()), size.height() / double(design_.height())));
}

void WindowZoom::fit(double zoom) {
    zoom = std::max(1.0, zoom);
    if (!places_) {
        // The design is the window's smallest size at zoom 1 with what it holds now.
        apply(1.0);
        activateLayout(window_);
        design_ = window_->sizeHint().expandedTo(window_->minimumSizeHint());
    }
    window_->setMinimumSize(design_);
    apply(zoom);
    resizeFor(zoom);
}

void WindowZoom::zoomTo(double zoom) {
    zoom = std::max(1.0, zoom);
    if (window_->isMaximized() || window_->isFullScreen()) window_->showNormal();
    if (!places_) apply(zoom);
    resizeFor(zoom);
}

void WindowZoom::zoomBy(int steps) {
    if (steps > 0) {
        for (double z : kZoomSteps)
            if (z > zoom_ + 1e-6) return zoomTo(z);
    } else {
        for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
            if (*it < zoom_ - 1e-6) return zoomTo(*it);
        zoomTo(1.0);
    }
}

void WindowZoom::resizeFor(double zoom) {
    QSize wanted(times(design_.width(), zoom), times(design_.height(), zoom));
    if (!places_) {
        // The content's own wish at this zoom wins where type does not grow quite in proportion.
        activateLayout(window_);
        wanted = wanted.expandedTo(window_->sizeHint());
    }
    // A zoom that does not fit the screen goes as far as the screen allows.
    if (const QScreen* screen = window_->screen()) wanted = wanted.boundedTo(screen->availableSize());
    window_->resize(wanted.expandedTo(design_));
}

void WindowZoom::apply(double zoom) {
    if (applying_) return;
    applying_ = true;
    zoom_ = zoom;
    setZoomOf(window_, zoom);
    // The window's font first: its menu bar and status bar grow with it, and every control that has
    // no font of its own follows it. Menus are windows of their own, which the window's font does
    // not reach.
    const QFont font = zoomedFont(windowFont_, zoom);
    window_->setFont(font);
    for (QMenu* menu : window_->findChildren<QMenu*>()) menu->setFont(font);
    if (places_) places_->setZoom(zoom);
    applyToLayouts(zoom);
    if (onZoom) onZoom(zoom);
    applying_ = false;
}

void WindowZoom::applyToLayouts(double zoom) {
    for (const DesignedWidget& designed : widgets_) {
        if (!designed.widget) continue;
        designed.widget->setMinimumSize(zoomed(designed.minimum, zoom));
        designed.widget->setMaximumSize(zoomed(designed.maximum, zoom));
        if (designed.ownFont) designed.widget->setFont(zoomedFont(designed.font, zoom));
    }
    for (const DesignedLayout& designed : layouts_) {
        if (!designed.layout) continue;
        const QMargins& m = designed.margins;
        designed.layout->setContentsMargins(times(m.left(), zoom), times(m.top(), zoom),
                                            times(m.right(), zoom), times(m.bottom(), zoom));
        if (auto* grid = qobject_cast<QGridLayout*>(designed.layout.data())) {
            if (designed.horizontalSpacing >= 0)
                grid->setHorizontalSpacing(times(designed.horizontalSpacing, zoom));
            if (designed.verticalSpacing >= 0)
                grid->setVerticalSpacing(times(designed.verticalSpacing, zoom));
        } else if (designed.spacing >= 0) {
            designed.layout->setSpacing(times(designed.spacing, zoom));
        }
    }
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize && !applying_ && !design_.isEmpty()) {
        const double zoom = zoomForSize(window_->size());
        // A window drawn from places is set anew at every size: its room changes even where its zoom
        // does not, and a place or font set to what it holds already is not set again.
        if (places_ || std::abs(zoom - zoom_) > kLayoutZoomSlack) apply(zoom);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
