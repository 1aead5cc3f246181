#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace corvane {

// The places of a window drawn to a fixed design: every control has its place and its font size in
// design units (pixels at zoom 1), and the window's zoom (WindowZoom) maps them to the screen. Another
// zoom moves, sizes and re-fonts every control at once, so the arrangement stays the one designed.
class DesignLayout {
public:
    // Puts `widget` at `design` (in design units) and remembers it with its present font size.
    void place(QWidget* widget, const QRect& design);
    void place(QWidget* widget, int x, int y, int width, int height) {
        place(widget, QRect(x, y, width, height));
    }
    // The design rectangle a widget was placed at; an empty one when it was never placed.
    QRect designOf(const QWidget* widget) const;

    double zoom() const { return zoom_; }
    // Maps every placed widget anew.
    void setZoom(double zoom);

    // Design units to pixels at the present zoom.
    int toPixels(int design) const;
    QRect toPixels(const QRect& design) const;
    double toPixelsF(double design) const { return design * zoom_; }

private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect design;
        double fontPoints = 0;  // the widget's font size at zoom 1
    };
    void apply(Entry& entry) const;

    std::vector<Entry> entries_;
    double zoom_ = 1.0;
};

// Sets a flag for as long as it lives and puts back what the flag held before: a guard against
// re-entering a handler while the window itself changes its controls.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = previous_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool previous_;
};

}  // namespace corvane
