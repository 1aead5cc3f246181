#pragma once

#include <QProxyStyle>

namespace corvane {

// The desktop's style, with check and option boxes drawn to the scale of the window they are in
// (WindowScaler::scaleOf): a style draws them at one size whatever the size of the text beside them.
class ScalingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace corvane
