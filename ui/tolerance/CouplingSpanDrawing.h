#pragma once

#include <QWidget>

namespace corvane {

// A small fixed picture for the tolerance window: two coupling hubs on their shafts, an arrow
// for the rotation, and the span between the two measuring planes marked below them, so that
// the user sees which distance the "Span" box asks for.
class CouplingSpanDrawing : public QWidget {
    Q_OBJECT
public:
    explicit CouplingSpanDrawing(QWidget* parent = nullptr);

    static constexpr int kWidth = 150;
    static constexpr int kHeight = 100;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace corvane
