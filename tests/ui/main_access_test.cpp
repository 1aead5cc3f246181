// What a screen reader, or a tool driving the program through the accessibility interface, finds
// in the windows: every control by its name and role, and what the knobs and date hold.

#include <QAccessible>
#include <QFocusEvent>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "ui/growth/frmGrowth.h"
#include "ui/tolerance/frmTolerances.h"
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
    void mainWindowControlsHaveTheirNameRoleAndToolTip();
    void noControlOfTheThreeWindowsIsNameless();
    void knobsAndDateExposeWhatTheyShow();
    void anEditedBoxIsCommittedWhenTheFocusPassesToAnotherWindow();
};

// The name and role a screen reader announces, for one control of each kind (that no control is
// nameless is the next test).
void MainAccessTest::mainWindowControlsHaveTheirNameRoleAndToolTip() {
    using A = QAccessible;
    const struct {
        const char* control;
        A::Role role;
        const char* name;
        const char* toolTip;  // empty: not checked
    } cases[] = {
        {"txtD1_1", A::EditableText, "Dial 1 - 3:00 o'clock reading", ""},
        {"cwkDial1_1", A::Dial, "Dial 1 - 3:00 o'clock", "Dial 1 - 3:00 o'clock "},
        {"txtGro_0", A::EditableText, "Foot 1 growth (mils)", ""},
        // Picture buttons are named by their tool tips, spelling and all.
        {"cmdG1Dec", A::Button, "Descrease Scale", "Descrease Scale"},
        {"cmdReset", A::Button, "Reset Values", "Reset ALL data values to 0"},
        {"frameUnits", A::Grouping, "Engineering Units", ""},
        {"cmbRotation", A::ComboBox, "Full Rotation", ""},  // a list is announced by its current entry
        {"chkStation_0", A::CheckBox, "Stationary foot 1", ""},
        {"gridLength", A::Table, "Length Grid", ""},
    };
    MainWindowUnderTest t;
    for (const auto& c : cases) {
        auto* widget = t.w().findChild<QWidget*>(QLatin1String(c.control));
        QVERIFY2(widget, c.control);
        QAccessibleInterface* iface = accessible(widget);
        QCOMPARE(iface->role(), c.role);
        QCOMPARE(iface->text(QAccessible::Name).trimmed(), QString::fromUtf8(c.name));
        if (*c.toolTip) QCOMPARE(widget->toolTip(), QString::fromUtf8(c.toolTip));
    }
    // ... and the description says what the list chooses.
    QCOMPARE(
        accessible(t.w().findChild<QWidget*>(QStringLiteral("cmbRotation")))->text(QAccessible::Description),
        QStringLiteral("Rotation"));
}

void MainAccessTest::noControlOfTheThreeWindowsIsNameless() {
    MainWindowUnderTest t;
    for (QWidget* window :
         {static_cast<QWidget*>(t.window.get()), static_cast<QWidget*>(t.w().growthWindow()),
          static_cast<QWidget*>(t.w().toleranceWindow())}) {
        const QStringList nameless = namelessControls(window);
        QVERIFY2(nameless.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                                nameless.join(QStringLiteral(", "))));
    }
}

void MainAccessTest::knobsAndDateExposeWhatTheyShow() {
    MainWindowUnderTest t;
    frmDials& w = t.w();
    typeInto(w.controls().txtD1[1], QStringLiteral("12.6"));
    QAccessibleValueInterface* knob = accessible(w.controls().cwkDial1[1])->valueInterface();
    QVERIFY(knob);
    QCOMPARE(knob->currentValue().toDouble(), double(12.6f));

    // The date is read out with its caption, and follows the project shown.
    t.state.Project.DateStamp = 45100.25;
    w.fillTXTfields();
    QCOMPARE(accessible(w.controls().lblCompany)->text(QAccessible::Name),
             QStringLiteral("Date: 23-Jun-2023 06:00:00"));
}

// A screen reader or another program taking the focus must not lose what was typed, and a box
// the user did not touch must not be stored over the project.
void MainAccessTest::anEditedBoxIsCommittedWhenTheFocusPassesToAnotherWindow() {
    for (int window = 0; window < 3; ++window) {
        for (bool edited : {true, false}) {
            MainWindowUnderTest t;
            frmDials& w = t.w();
            ProjectRecord& r = t.state.Project;
            QLineEdit* box = window == 0   ? w.controls().txtD1[1]
                             : window == 1 ? w.growthWindow()->txtHotT
                                           : w.toleranceWindow()->txtRPM;
            float& field = window == 0 ? r.dial1(0, 1) : window == 1 ? r.HotTemp[0] : r.RPM;
            const float before = field;
            box->setText(QStringLiteral("345"));
            box->setModified(edited);
            t.state.Changed = false;
            QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(box, &away);
            QCOMPARE(field, edited ? 345.0f : before);
            QCOMPARE(t.state.Changed, edited);
        }
    }
}

QTEST_MAIN(MainAccessTest)
#include "main_access_test.moc"
