// What a screen reader, or a tool driving the program through the accessibility interface, finds
// in the windows: every control by its name and role, and what the results, grid and knobs hold.
// Also the entry boxes' keyboard behaviour, which is the same in every window.

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

// Roles of the controls a person operates or reads; each of them needs a name.
bool needsName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::Table:
        case QAccessible::Dial:
        case QAccessible::Slider:
        case QAccessible::Grouping:
        case QAccessible::Graphic:
            return true;
        default:
            return false;
    }
}

// Controls of `window` (its own, not Qt's inner parts) that reach assistive technology nameless.
QStringList namelessControls(QWidget* window) {
    QStringList nameless;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString id = widget->objectName();
        if (id.isEmpty() || id.startsWith(QLatin1String("qt_"))) continue;
        QAccessibleInterface* iface = accessible(widget);
        if (!iface || !needsName(iface->role())) continue;
        if (iface->text(QAccessible::Name).trimmed().isEmpty()) nameless << id;
    }
    return nameless;
}

}  // namespace

class MainAccessTest : public QObject {
    Q_OBJECT
private slots:
    void everyMainWindowControlHasItsNameRoleAndToolTip_data();
    void everyMainWindowControlHasItsNameRoleAndToolTip();
    void noControlOfTheThreeWindowsIsNameless();
    void resultsGridKnobsAndDateExposeWhatTheyShow();
    void anEditedBoxIsCommittedWhenTheFocusPassesToAnotherWindow_data();
    void anEditedBoxIsCommittedWhenTheFocusPassesToAnotherWindow();
    void enterWalksOnAndTheNextBoxIsSelectedInEveryWindow();
};

void MainAccessTest::everyMainWindowControlHasItsNameRoleAndToolTip_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");  // empty: not checked
    QTest::addColumn<QString>("toolTip");      // empty: not checked
    const int text = QAccessible::EditableText, button = QAccessible::Button, group = QAccessible::Grouping;
    const int combo = QAccessible::ComboBox, dial = QAccessible::Dial;
    QTest::newRow("reading box 12:00") << "txtD1_0" << text << "Dial 1 - 12:00 o'clock reading"
                                       << ""
                                       << "";
    QTest::newRow("reading box 9:00 dial 2") << "txtD2_3" << text << "Dial 2 - 9:00 o'clock reading"
                                             << ""
                                             << "";
    QTest::newRow("knob keeps its tool tip") << "cwkDial1_1" << dial << "Dial 1 - 3:00 o'clock"
                                             << ""
                                             << "Dial 1 - 3:00 o'clock ";
    QTest::newRow("knob of dial 2") << "cwkDial2_2" << dial << "Dial 2 - 6:00 o'clock"
                                    << ""
                                    << "Dial 2 - 6:00 o'clock ";
    QTest::newRow("first growth box") << "txtGro_0" << text << "Foot 1 growth (mils)"
                                      << ""
                                      << "";
    QTest::newRow("last growth box") << "txtGro_3" << text << "Foot 4 growth (mils)"
                                     << ""
                                     << "";
    QTest::newRow("comments button") << "cmdComments" << button << "Add Comments"
                                     << ""
                                     << "Add Comments";
    QTest::newRow("growth button") << "cmdGrowth" << button << "Thermal Growth Calcs"
                                   << ""
                                   << "Thermal Growth Calcs";
    QTest::newRow("tolerance button") << "cmdTolerances" << button << "Alignment Tolerance Calcs"
                                      << ""
                                      << "Alignment Tolerance Calcs";
    QTest::newRow("zoom button keeps its spelling") << "cmdG1Dec" << button << "Descrease Scale"
                                                    << ""
                                                    << "Descrease Scale";
    QTest::newRow("autoscale button") << "cmdScale" << button << "AutoScale"
                                      << ""
                                      << "AutoScale";
    QTest::newRow("reset button") << "cmdReset" << button << "Reset Values"
                                  << ""
                                  << "Reset ALL data values to 0";
    QTest::newRow("machine") << "txtMachine" << text << "Machine"
                             << ""
                             << "";
    QTest::newRow("technician") << "txtTechnician" << text << "Technician"
                                << ""
                                << "";
    QTest::newRow("fixed machine name") << "txtM1" << text << "Fixed machine"
                                        << ""
                                        << "";
    QTest::newRow("sag box named by its caption") << "txtMisc1" << text << "Sag (mils)"
                                                  << ""
                                                  << "";
    QTest::newRow("header frame") << "frameHeader" << group << "Header"
                                  << ""
                                  << "";
    QTest::newRow("units frame inside a frame") << "frameUnits" << group << "Engineering Units"
                                                << ""
                                                << "";
    QTest::newRow("miscellaneous frame") << "frameMisc" << group << "Miscellaneous"
                                         << ""
                                         << "";
    QTest::newRow("dial frame") << "frameDial1" << group << "Dial Indicator 1"
                                << ""
                                << "";
    // A list is announced by its current entry; the description says what it chooses.
    QTest::newRow("machines list") << "cmbMachine" << combo << "2 Machines"
                                   << "Machines"
                                   << "";
    QTest::newRow("rotation list") << "cmbRotation" << combo << "Full Rotation"
                                   << "Rotation"
                                   << "";
    QTest::newRow("bracket side list") << "cmbFixMove" << combo << "Fixed Mach"
                                       << "Indicators Attached to Machine"
                                       << "Indicators Attached to Machine";
    QTest::newRow("method option") << "optAcalc_1" << int(QAccessible::RadioButton) << "Rim and Face"
                                   << ""
                                   << "";
    QTest::newRow("units option") << "optEU_1" << int(QAccessible::RadioButton) << "Metric"
                                  << ""
                                  << "";
    QTest::newRow("growth switch") << "chkTgrowth" << int(QAccessible::CheckBox) << "Thermal Growth"
                                   << ""
                                   << "";
    QTest::newRow("stationary foot") << "chkStation_0" << int(QAccessible::CheckBox) << "Stationary foot 1"
                                     << ""
                                     << "";
    QTest::newRow("length grid") << "gridLength" << int(QAccessible::Table) << "Length Grid"
                                 << ""
                                 << "";
}

void MainAccessTest::everyMainWindowControlHasItsNameRoleAndToolTip() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, toolTip);
    MainWindowUnderTest t;
    auto* widget = t.w().findChild<QWidget*>(control);
    QVERIFY2(widget, qPrintable(control));
    QAccessibleInterface* iface = accessible(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name).trimmed(), name);
    if (!description.isEmpty()) QCOMPARE(iface->text(QAccessible::Description), description);
    if (!toolTip.isEmpty()) QCOMPARE(widget->toolTip(), toolTip);
}

void MainAccessTest::noControlOfTheThreeWindowsIsNameless() {
    MainWindowUnderTest t;
    for (QWidget* window :
         std::initializer_list<QWidget*>{t.window.get(), t.w().growthWindow(), t.w().toleranceWindow()}) {
        const QStringList nameless = namelessControls(window);
        QVERIFY2(nameless.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                                nameless.join(QStringLiteral(", "))));
    }
}

void MainAccessTest::resultsGridKnobsAndDateExposeWhatTheyShow() {
    MainWindowUnderTest t;
    frmDials& w = t.w();
    typeInto(w.txtD1[1], QStringLiteral("12.6"));
    QCOMPARE(accessible(w.lblAcalc1)->text(QAccessible::Name), w.lblAcalc1->text());
    QCOMPARE(accessible(w.lblAcalc2)->text(QAccessible::Name), w.lblAcalc2->text());
    QVERIFY(!w.lblAcalc1->text().isEmpty());

    QAccessibleValueInterface* knob = accessible(w.cwkDial1[1])->valueInterface();
    QVERIFY(knob);
    QCOMPARE(knob->currentValue().toDouble(), double(12.6f));

    QAccessibleTableInterface* grid = accessible(w.gridLength)->tableInterface();
    QVERIFY(grid);
    QCOMPARE(grid->rowCount(), 5);
    QCOMPARE(grid->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("B"));
    QCOMPARE(grid->cellAt(1, 1)->text(QAccessible::Name), w.gridLength->item(1, 1)->text());

    // The date is read out with its caption, and follows the project shown.
    t.state.Project.DateStamp = 45100.25;
    w.fillTXTfields();
    QCOMPARE(accessible(w.lblCompany)->text(QAccessible::Name),
             QStringLiteral("Date: ") + w.lblCompany->text());
    QCOMPARE(w.lblCompany->text(), QStringLiteral("23-Jun-2023 06:00:00"));
}

void MainAccessTest::anEditedBoxIsCommittedWhenTheFocusPassesToAnotherWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("edited");
    QTest::newRow("main window, edited") << "main" << true;
    QTest::newRow("main window, untouched") << "main" << false;
    QTest::newRow("growth window, edited") << "growth" << true;
    QTest::newRow("growth window, untouched") << "growth" << false;
    QTest::newRow("tolerance window, edited") << "tolerance" << true;
    QTest::newRow("tolerance window, untouched") << "tolerance" << false;
}

void MainAccessTest::anEditedBoxIsCommittedWhenTheFocusPassesToAnotherWindow() {
    QFETCH(QString, window);
    QFETCH(bool, edited);
    MainWindowUnderTest t;
    frmDials& w = t.w();
    ProjectRecord& r = t.state.Project;
    QLineEdit* box = window == QLatin1String("main")     ? w.txtD1[1]
                     : window == QLatin1String("growth") ? w.growthWindow()->txtHotT
                                                         : w.toleranceWindow()->txtRPM;
    float& field = window == QLatin1String("main")     ? r.dial1(0, 1)
                   : window == QLatin1String("growth") ? r.HotTemp[0]
                                                       : r.RPM;
    const float before = field;
    // Text that differs from the stored value, set as the program would (not an edit) or typed.
    box->setText(QStringLiteral("345"));
    box->setModified(edited);
    t.state.Changed = false;
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(box, &away);
    QCOMPARE(field, edited ? 345.0f : before);
    QCOMPARE(t.state.Changed, edited);
}

void MainAccessTest::enterWalksOnAndTheNextBoxIsSelectedInEveryWindow() {
    MainWindowUnderTest t;
    frmDials& w = t.w();
    // Main window: a reading typed and Enter stores it and selects the next reading.
    typeInto(w.txtD1[0], QStringLiteral("7"));
    QCOMPARE(t.state.Project.dial1(0, 0), 7.0f);
    QTRY_VERIFY(w.txtD1[1]->hasFocus());
    QTRY_COMPARE(w.txtD1[1]->selectedText(), w.txtD1[1]->text());

    // Tolerance window: speed, Enter, then the span box with its value selected.
    frmTolerances* tolerances = w.toleranceWindow();
    t.dialogs().onModal = [&](QDialog& dialog) {
        return ScriptedDialogs::runShown(dialog, [&](QDialog&) {
            typeInto(tolerances->txtRPM, QStringLiteral("1800"));
            QCOMPARE(t.state.Project.RPM, 1800.0f);
            QTRY_VERIFY(tolerances->txtSpan->hasFocus());
            QTRY_COMPARE(tolerances->txtSpan->selectedText(), tolerances->txtSpan->text());
            QVERIFY(!tolerances->txtSpan->text().isEmpty());
        });
    };
    w.cmdTolerances_Click();
    QCOMPARE(t.dialogs().modalDialogs.last(), QStringLiteral("corvane::frmTolerances"));
}

QTEST_MAIN(MainAccessTest)
#include "main_access_test.moc"
