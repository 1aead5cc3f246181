#include "ui/common/ZoomStyle.h"

#include <QWidget>
#include <cmath>

#include "ui/common/WindowZoom.h"

namespace corvane {

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            if (widget) return static_cast<int>(std::lround(size * WindowZoom::zoomOf(widget->window())));
            return size;
        default:
            return size;
    }
}

}  // namespace corvane
