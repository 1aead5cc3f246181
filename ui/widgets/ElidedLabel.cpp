#include "ui/widgets/ElidedLabel.h"

#include <QResizeEvent>

namespace corvane {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text) {
    full_ = text;
    setAccessibleDescription(text);
    elide();
}

QSize ElidedLabel::sizeHint() const { return {minimumWidth(), QLabel::sizeHint().height()}; }

QSize ElidedLabel::minimumSizeHint() const { return {minimumWidth(), QLabel::minimumSizeHint().height()}; }

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    const int room = contentsRect().width() - 2 * margin() - 2 * indent();
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, std::max(room, 0));
    QLabel::setText(shown);
}

}  // namespace corvane
