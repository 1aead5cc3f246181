#include "ui/common/ScalingStyle.h"

#include <QWidget>
#include <cmath>

#include "ui/common/WindowScaler.h"

namespace corvane {

int ScalingStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            if (widget) return static_cast<int>(std::lround(size * WindowScaler::scaleOf(widget->window())));
            return size;
        default:
            return size;
    }
}

}  // namespace corvane
