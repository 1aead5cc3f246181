// The three windows at the sizes a user gives them: every control inside its frame, none on top of
// another, no text cut, at 100 %, 150 % and 200 % and back down to the smallest size.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "MainWindowTestSupport.h"
#include "ui/common/WindowZoom.h"
#include "ui/growth/frmGrowth.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

// The toolkit's own insides of a control (a table's viewport, a combo box's list) are its business.
bool insideAControl(const QWidget* widget, const QWidget* window) {
    for (const QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QLineEdit*>(p) || qobject_cast<const ResultGraph*>(p))
            return true;
    return false;
}

QString rectText(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The length letters stand on the machine drawing, over the gaps between its marks.
bool captionOnDrawing(const QWidget* a, const QWidget* b) {
    return (qobject_cast<const MachineDrawing*>(a) && qobject_cast<const QLabel*>(b)) ||
           (qobject_cast<const MachineDrawing*>(b) && qobject_cast<const QLabel*>(a));
}

QString nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// Whether a label's or a button's text has the room it needs.
QString cutText(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        if (qobject_cast<const ElidedLabel*>(label) || label->wordWrap() || label->text().isEmpty())
            return {};
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            if (label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width())
                return QStringLiteral("\"%1\" is cut").arg(line);
        return {};
    }
    if (auto* grid = qobject_cast<const QTableWidget*>(widget)) {
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QTableWidgetItem* item = grid->item(r, c);
                if (!item) continue;
                const QRect cell = grid->visualItemRect(item);
                if (grid->fontMetrics().horizontalAdvance(item->text()) > cell.width() ||
                    grid->fontMetrics().height() > cell.height() || !grid->viewport()->rect().contains(cell))
                    return QStringLiteral("cell \"%1\" is cut").arg(item->text());
            }
        return {};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (button && !button->text().isEmpty() && button->sizeHint().width() > button->width())
        return QStringLiteral("\"%1\" is cut").arg(button->text());
    return {};
}

// Everything a user would see as broken in a window's arrangement.
QStringList arrangementFaults(QWidget* window) {
    QStringList faults;
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(window) || insideAControl(w, window)) continue;
        if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
        shown << w;
        const QWidget* parent = w->parentWidget();
        if (!parent->rect().contains(w->geometry()))
            faults << QStringLiteral("%1 (%2) leaves %3 (%4)")
                          .arg(nameOf(w), rectText(w->geometry()), nameOf(parent), rectText(parent->rect()));
        if (const QString cut = cutText(w); !cut.isEmpty()) faults << nameOf(w) + QStringLiteral(": ") + cut;
    }
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (shown[i]->parentWidget() == shown[j]->parentWidget() &&
                shown[i]->geometry().intersects(shown[j]->geometry()) &&
                !captionOnDrawing(shown[i], shown[j]))
                faults << QStringLiteral("%1 overlaps %2").arg(nameOf(shown[i]), nameOf(shown[j]));
    return faults;
}

// The font size of every control of a window, to see that all of them grow alike.
QHash<QWidget*, double> fontSizes(QWidget* window) {
    QHash<QWidget*, double> sizes;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->isWindow() && !w->objectName().startsWith(QLatin1String("qt_")))
            sizes.insert(w, w->font().pointSizeF());
    return sizes;
}

// Sized to `zoom` times its least size, everything a user would see wrong once the window has laid
// itself out: a zoom or type size not followed (a style sheet on a control stops it from following
// its parent's font), a control out of place or cut. `fonts` were taken at zoom `fontsAt`.
QStringList faultsAt(QWidget* window, QSize smallest, double zoom, const QHash<QWidget*, double>& fonts,
                     double fontsAt) {
    window->resize((QSizeF(smallest) * zoom).toSize());
    const auto faultsNow = [&] {
        QStringList faults = arrangementFaults(window);
        if (std::abs(WindowZoom::zoomOf(window) - zoom) > 0.01)
            faults << QStringLiteral("zoom %1").arg(WindowZoom::zoomOf(window));
        for (auto it = fonts.begin(); it != fonts.end(); ++it)
            if (std::abs(it.key()->font().pointSizeF() - it.value() * zoom / fontsAt) > 0.05)
                faults << QStringLiteral("%1 %2 pt").arg(nameOf(it.key())).arg(it.key()->font().pointSizeF());
        return faults;
    };
    QStringList faults = faultsNow();
    for (int i = 0; i < 50 && !faults.isEmpty(); ++i) {
        QTest::qWait(20);
        faults = faultsNow();
    }
    return faults;
}

}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    // The menu steps the zoom up and back to the least size, never below it; at 100 %, 150 % and
    // 200 % every method keeps its arrangement.
    void mainWindowZoomsByStepsAndKeepsItsArrangement() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const QSize smallest = w.minimumSize();
        const QHash<QWidget*, double> atOne = fontSizes(&w);
        // The offscreen screen is small; the steps are looked at below what it holds.
        w.controls().mnuViewZoomIn->trigger();
        QTRY_COMPARE(
            w.size(),
            (QSizeF(smallest) * 1.25).toSize().boundedTo(w.screen()->availableSize()).expandedTo(smallest));
        w.controls().mnuViewActualSize->trigger();
        QTRY_COMPARE(w.size(), smallest);
        QCOMPARE(WindowZoom::zoomOf(&w), 1.0);
        w.controls().mnuViewZoomOut->trigger();
        QTRY_COMPARE(w.size(), smallest);

        // A reading that breaks the sum rule: its boxes are marked, with a style of their own.
        typeInto(w.controls().txtD1[2], QStringLiteral("70"));
        for (int method = 0; method < 3; ++method) {
            w.controls().optAcalc[method]->click();
            for (double zoom : {1.0, 1.5, 2.0}) {
                const QStringList faults = faultsAt(&w, smallest, zoom, atOne, 1.0);
                QVERIFY2(faults.isEmpty(),
                         qPrintable(QStringLiteral("method %1 at %2: ").arg(method).arg(zoom) +
                                    faults.join(QStringLiteral("; "))));
            }
        }
    }

    // The growth and tolerance windows open at the main window's zoom (125 %: as large as the test
    // screen holds both whole), keep their arrangement at every zoom and can be made small again.
    void growthAndToleranceWindowsFollowTheZoomAndKeepTheirArrangement() {
        // The reverse dial has four feet in the growth window, the other methods two and a picture each.
        for (int method : {0, 1, 2}) {
            OptionWindowStage stage(method, 1.25);
            frmGrowth growth(stage.state, &stage.main);
            growth.initGrowthPanel(0);
            growth.show();
            frmTolerances tolerance(stage.state, &stage.main);
            tolerance.show();
            for (QWidget* window : {static_cast<QWidget*>(&growth), static_cast<QWidget*>(&tolerance)}) {
                const QString name = QStringLiteral("method %1, %2").arg(method).arg(window->objectName());
                QVERIFY(QTest::qWaitForWindowExposed(window));
                QTRY_VERIFY2(std::abs(WindowZoom::zoomOf(window) - 1.25) < 0.02, qPrintable(name));
                const QSize smallest = window->minimumSize();
                QVERIFY(!smallest.isEmpty());
                const QHash<QWidget*, double> atStart = fontSizes(window);
                // Up to 200 %, then back down: the least size stays the design's, not the enlarged
                // content's.
                for (double zoom : {1.0, 1.5, 2.0, 1.0}) {
                    const QStringList faults = faultsAt(window, smallest, zoom, atStart, 1.25);
                    QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(" at %1: ").arg(zoom) +
                                                          faults.join(QStringLiteral("; "))));
                    QCOMPARE(window->minimumSize(), smallest);
                }
            }
        }
    }
};

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
