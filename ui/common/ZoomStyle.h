#pragma once

#include <QProxyStyle>

namespace corvane {

// The desktop's style, with check and option boxes drawn to the zoom of the window they are in
// (WindowZoom::zoomOf): a style draws them at one size whatever the size of the text beside them.
class ZoomStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace corvane
