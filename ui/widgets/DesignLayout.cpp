#include "ui/widgets/DesignLayout.h"

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
    // Every control gets its font size set on itself: a style sheet on a control (a marked box, a
    // coloured label) stops it from following its parent's font, so the parent's cannot be relied on.
    Entry entry{widget, design, widget->font().pointSizeF() / scale_};
    entries_.push_back(entry);
    apply(entries_.back());
}

QRect DesignLayout::designOf(const QWidget* widget) const {
    for (const Entry& entry : entries_)
        if (entry.widget == widget) return entry.design;
    return {};
}

int DesignLayout::toPixels(int design) const { return static_cast<int>(std::lround(design * scale_)); }

QRect DesignLayout::toPixels(const QRect& design) const {
    // The edges are rounded, not the sizes, so neighbours that touch in the design still touch.
    const int left = toPixels(design.left()), top = toPixels(design.top());
    const int right = toPixels(design.left() + design.width()),
              bottom = toPixels(design.top() + design.height());
    return QRect(left, top, right - left, bottom - top);
}

void DesignLayout::setScale(double scale) {
    if (!(scale > 0) || scale == scale_) return;
    scale_ = scale;
    for (Entry& entry : entries_) apply(entry);
}

void DesignLayout::apply(Entry& entry) const {
    if (!entry.widget) return;
    entry.widget->setGeometry(toPixels(entry.design));
    if (entry.fontPoints > 0) {
        QFont font = entry.widget->font();
        font.setPointSizeF(entry.fontPoints * scale_);
        entry.widget->setFont(font);
    }
}

}  // namespace corvane
