#include "ui/common/DesignLayout.h"

#include <cmath>

namespace corvane {

void DesignLayout::place(QWidget* widget, const QRect& design) {
    for (Entry& entry : entries_) {
        if (entry.widget == widget) {
            entry.design = design;
            apply(entry);
            return;
        }
    }
    // Every control's font size is kept and set on the control itself where it differs: a style sheet
    // on a control (a marked box, a coloured label) stops it from following its parent's font.
    Entry entry{widget, design, widget->font().pointSizeF() / zoom_};
    entries_.push_back(entry);
    apply(entries_.back());
}

QRect DesignLayout::designOf(const QWidget* widget) const {
    for (const Entry& entry : entries_)
        if (entry.widget == widget) return entry.design;
    return {};
}

int DesignLayout::toPixels(int design) const { return static_cast<int>(std::lround(design * zoom_)); }

QRect DesignLayout::toPixels(const QRect& design) const {
    // The edges are rounded, not the sizes, so neighbours that touch in the design still touch.
    const int left = toPixels(design.left()), top = toPixels(design.top());
    const int right = toPixels(design.left() + design.width()),
              bottom = toPixels(design.top() + design.height());
    return QRect(left, top, right - left, bottom - top);
}

void DesignLayout::setZoom(double zoom) {
    if (!(zoom > 0) || zoom == zoom_) return;
    zoom_ = zoom;
    for (Entry& entry : entries_) apply(entry);
}

void DesignLayout::apply(Entry& entry) const {
    if (!entry.widget) return;
    entry.widget->setGeometry(toPixels(entry.design));
    // Only a change of size is set: setting a font, even the same one, makes the widget and all
    // it holds work out their sizes again.
    const double points = entry.fontPoints * zoom_;
    if (entry.fontPoints > 0 && std::abs(entry.widget->font().pointSizeF() - points) > 1e-6) {
        QFont font = entry.widget->font();
        font.setPointSizeF(points);
        entry.widget->setFont(font);
    }
}

}  // namespace corvane
