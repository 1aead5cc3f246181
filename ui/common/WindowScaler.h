#pragma once

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QLayout;
class QWidget;

namespace corvane {

// Lets a window built with layouts grow and shrink as a whole. The window as built is its design at
// scale 1; its size at scale 1 is the smallest it can be. When the user resizes it, the scale is the
// part of that size the window now has, and the window's font, every fixed or least size its
// controls were given, and the layouts' margins and spacing are set to the design times the scale.
// Sizes the window works out itself (a grid sized to its rows) are the window's own to redo: it
// gets the new scale through onScale.
class WindowScaler : public QObject {
public:
    explicit WindowScaler(QWidget* window);

    double scale() const { return scale_; }

    // Sizes the window for its content as it is now, at the given scale: its smallest size is taken
    // afresh at scale 1, then it is made that size times the scale, as far as the screen allows.
    void fit(double scale);

    // Called with the scale whenever it changes, after the fonts and sizes above are set.
    std::function<void(double)> onScale;

    // The scale a window shows itself at: auxiliary windows open at the main window's, and the
    // style draws check and option boxes to it.
    static double scaleOf(const QWidget* window);
    static void setScaleOf(QWidget* window, double scale);

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

    void apply(double scale);

    QWidget* window_;
    QFont windowFont_;
    QSize smallest_;
    double scale_ = 1.0;
    bool applying_ = false;
    std::vector<DesignedWidget> widgets_;
    std::vector<DesignedLayout> layouts_;
};

}  // namespace corvane
