#pragma once

#include <QLabel>

namespace corvane {

// A one-line label that shows as much of its text as fits and ends it with "…" when it does not;
// the whole text stays its text(), its tool tip when it is cut, and what a screen reader hears.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void setFullText(const QString& text);
    QString fullText() const { return full_; }
    // Its width comes from the room it is given, not from its text.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString full_;
};

}  // namespace corvane
