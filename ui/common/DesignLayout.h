#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace corvane {

// A window drawn to a fixed design: every control has its place and its font size in design units
// (pixels at a scale of 1), and one scale factor maps them to the screen. Setting another scale
// moves, sizes and re-fonts every control at once, so the arrangement stays the one designed.
class DesignLayout {
public:
    // Puts `widget` at `design` (in design units) and remembers it with its present font size.
    void place(QWidget* widget, const QRect& design);
    void place(QWidget* widget, int x, int y, int width, int height) {
        place(widget, QRect(x, y, width, height));
    }
    // The design rectangle a widget was placed at; an empty one when it was never placed.
    QRect designOf(const QWidget* widget) const;

    double scale() const { return scale_; }
    // Maps every placed widget anew.
    void setScale(double scale);

    // Design units to pixels at the present scale.
    int toPixels(int design) const;
    QRect toPixels(const QRect& design) const;
    double toPixelsF(double design) const { return design * scale_; }

private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect design;
        double fontPoints = 0;  // the widget's font size at a scale of 1
    };
    void apply(Entry& entry) const;

    std::vector<Entry> entries_;
    double scale_ = 1.0;
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
