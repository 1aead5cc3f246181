// What a screen reader, or a tool driving the program through the accessibility interface, finds
// in the windows: no control without a name, the knobs' readings, and nothing typed lost to it.

#include <QAccessible>
#include <QFocusEvent>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "ui/widgets/Knob.h"

using namespace corvane;

namespace {

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// Controls of `window` (its own, not Qt's inner parts) that a person operates or reads, yet that
// reach assistive technology nameless.
QStringList namelessControls(QWidget* window) {
    const QList<QAccessible::Role> named = {
        QAccessible::Button,   QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::EditableText,
        QAccessible::ComboBox, QAccessible::Table,    QAccessible::Dial,        QAccessible::Slider,
        QAccessible::Grouping, QAccessible::Graphic};
    QStringList nameless;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString id = widget->objectName();
        if (id.isEmpty() || id.startsWith(QLatin1String("qt_"))) continue;
        QAccessibleInterface* iface = accessible(widget);
        if (iface && named.contains(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
            nameless << id;
    }
    return nameless;
}

}  // namespace

class MainAccessTest : public QObject {
    Q_OBJECT
private slots:
    void noControlOfTheThreeWindowsIsNameless() {
        MainWindowUnderTest t;
        for (QWidget* window :
             std::initializer_list<QWidget*>{t.window.get(), t.w().growthWindow(), t.w().toleranceWindow()}) {
            const QStringList nameless = namelessControls(window);
            QVERIFY2(nameless.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                                    nameless.join(QStringLiteral(", "))));
        }
    }

    void aKnobExposesTheReadingItShows() {
        MainWindowUnderTest t;
        typeInto(t.w().controls().txtD1[1], QStringLiteral("12.6"));
        QAccessibleValueInterface* knob = accessible(t.w().controls().cwkDial1[1])->valueInterface();
        QVERIFY(knob);
        QCOMPARE(knob->currentValue().toDouble(), double(12.6f));
    }

    // A screen reader or another program taking the focus must not lose what was typed, and a box
    // the user did not touch must not be stored over the project.
    void anEditedBoxIsCommittedWhenTheFocusPassesToAnotherWindow() {
        for (int window = 0; window < 3; ++window) {
            for (bool edited : {true, false}) {
                MainWindowUnderTest t;
                frmDials& w = t.w();
                ProjectRecord& r = t.state.Project;
                QLineEdit* box = window == 0   ? w.controls().txtD1[1]
                                 : window == 1 ? GrowthWindowTestAdapter(*w.growthWindow()).txtHotT()
                                               : ToleranceWindowTestAdapter(*w.toleranceWindow()).txtRPM();
                float& field = window == 0 ? r.dial1(0, 1) : window == 1 ? r.HotTemp[0] : r.RPM;
                const float before = field;
                box->setText(QStringLiteral("345"));
                box->setModified(edited);
                t.state.Session.markSaved(t.state.Project);
                QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
                QCoreApplication::sendEvent(box, &away);
                QCOMPARE(field, edited ? 345.0f : before);
                QCOMPARE(t.state.Session.changed(), edited);
            }
        }
    }
};

QTEST_MAIN(MainAccessTest)
#include "main_access_test.moc"
