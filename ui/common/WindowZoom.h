#pragma once

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>
#include <vector>

class QLayout;
class QWidget;

namespace corvane {

class DesignLayout;

// A window's zoom: how large it shows itself against its design, worked out from the size the user
// gives it. The design size is the smallest the window can be (zoom 1); a larger window shows
// everything larger, by the part of its design size it has in the narrower direction.
//
// Two kinds of window are zoomed alike. A window built with Qt layouts is its own design as built:
// its font, every fixed or least size its controls were given, and its layouts' margins and spacing
// are set to the design times the zoom. A window drawn from a table of places (DesignLayout) has a
// fixed design size; the zoom maps the table's places and fonts to the screen. Sizes a window works
// out for itself (a grid sized to its rows, a canvas centred in the room) are its own to redo: it
// gets each new zoom through onZoom.
class WindowZoom : public QObject {
public:
    // A window built with Qt layouts; its design is taken when it is fitted.
    explicit WindowZoom(QWidget* window);
    // A window whose controls sit at the places of `places`, in a window of `designSize` at zoom 1.
    WindowZoom(QWidget* window, DesignLayout& places, QSize designSize);

    double zoom() const { return zoom_; }

    // Shows the window at `zoom` and sizes it to match, as far as the screen allows. A layout-built
    // window takes its design afresh first, from its content as it is now.
    void fit(double zoom);

    // The zoom steps (View > Zoom In, Zoom Out, Actual Size): the window is resized to a step of its
    // design size, and its new size gives the zoom.
    void zoomBy(int steps);
    void zoomTo(double zoom);

    // Called with the zoom whenever it is set, after the fonts, places and sizes above.
    std::function<void(double)> onZoom;

    // The zoom a window shows itself at: windows opened from another open at its zoom, and the style
    // draws check and option boxes to it.
    static double zoomOf(const QWidget* window);
    static void setZoomOf(QWidget* window, double zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DesignedWidget {
        QPointer<QWidget> widget;
        QSize minimum;
        QSize maximum;
        bool ownFont = false;
        QFont font;
    };
    struct DesignedLayout {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing = -1;
        int horizontalSpacing = -1;
        int verticalSpacing = -1;
    };

    void apply(double zoom);
    void applyToLayouts(double zoom);
    void resizeFor(double zoom);
    double zoomForSize(QSize size) const;

    QWidget* window_;
    DesignLayout* places_ = nullptr;
    QFont windowFont_;
    QSize design_;
    double zoom_ = 1.0;
    bool applying_ = false;
    std::vector<DesignedWidget> widgets_;
    std::vector<DesignedLayout> layouts_;
};

}  // namespace corvane
