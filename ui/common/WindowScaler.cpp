#include "ui/common/WindowScaler.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr const char* kScaleProperty = "corvaneScale";

int times(int value, double scale) { return static_cast<int>(std::lround(value * scale)); }

// A least or fixed size times the scale; "no limit" stays no limit.
QSize scaled(QSize size, double scale) {
    const auto one = [scale](int v) { return v >= QWIDGETSIZE_MAX ? v : times(v, scale); };
    return {one(size.width()), one(size.height())};
}

QFont scaledFont(QFont font, double scale) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, times(font.pixelSize(), scale)));
    return font;
}

// The toolkit's own parts of a control (a table's scroll bars, a viewport) size themselves.
bool isToolkitPart(const QWidget* widget) { return widget->objectName().startsWith(QLatin1String("qt_")); }

}  // namespace

WindowScaler::WindowScaler(QWidget* window) : QObject(window), window_(window) {
    windowFont_ = window->font();
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

double WindowScaler::scaleOf(const QWidget* window) {
    const QVariant value = window ? window->property(kScaleProperty) : QVariant();
    return value.isValid() ? std::max(1.0, value.toDouble()) : 1.0;
}

void WindowScaler::setScaleOf(QWidget* window, double scale) { window->setProperty(kScaleProperty, scale); }

void WindowScaler::fit(double scale) {
    scale = std::max(1.0, scale);
    apply(1.0);
    if (QLayout* layout = window_->layout()) {
        layout->invalidate();
        layout->activate();
    }
    smallest_ = window_->sizeHint().expandedTo(window_->minimumSizeHint());
    window_->setMinimumSize(smallest_);
    apply(scale);
    if (QLayout* layout = window_->layout()) {
        layout->invalidate();
        layout->activate();
    }
    // The content's own wish at this scale wins where type does not grow quite in proportion.
    QSize wanted = scaled(smallest_, scale).expandedTo(window_->sizeHint());
    if (const QScreen* screen = window_->screen()) wanted = wanted.boundedTo(screen->availableSize());
    window_->resize(wanted.expandedTo(smallest_));
}

void WindowScaler::apply(double scale) {
    if (applying_) return;
    applying_ = true;
    scale_ = scale;
    window_->setFont(scaledFont(windowFont_, scale));
    setScaleOf(window_, scale);
    for (const DesignedWidget& designed : widgets_) {
        if (!designed.widget) continue;
        designed.widget->setMinimumSize(scaled(designed.minimum, scale));
        designed.widget->setMaximumSize(scaled(designed.maximum, scale));
        if (designed.ownFont) designed.widget->setFont(scaledFont(designed.font, scale));
    }
    for (const DesignedLayout& designed : layouts_) {
        if (!designed.layout) continue;
        const QMargins& m = designed.margins;
        designed.layout->setContentsMargins(times(m.left(), scale), times(m.top(), scale),
                                            times(m.right(), scale), times(m.bottom(), scale));
        if (auto* grid = qobject_cast<QGridLayout*>(designed.layout.data())) {
            if (designed.horizontalSpacing >= 0)
                grid->setHorizontalSpacing(times(designed.horizontalSpacing, scale));
            if (designed.verticalSpacing >= 0)
                grid->setVerticalSpacing(times(designed.verticalSpacing, scale));
        } else if (designed.spacing >= 0) {
            designed.layout->setSpacing(times(designed.spacing, scale));
        }
    }
    if (onScale) onScale(scale);
    applying_ = false;
}

bool WindowScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize && !applying_ && !smallest_.isEmpty()) {
        const QSize size = window_->size();
        const double scale = std::max(1.0, std::min(size.width() / double(smallest_.width()),
                                                    size.height() / double(smallest_.height())));
        if (std::abs(scale - scale_) > 0.005) apply(scale);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
