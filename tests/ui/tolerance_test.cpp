#include <QLabel>
#include <QtTest>

#include "UiTestSupport.h"
#include "calc/Alignment.h"
#include "calc/NumberFormat.h"
#include "ui/tolerance/frmTolerances.h"

using namespace corvane;

class ToleranceTest : public QObject {
    Q_OBJECT

    struct Program {
        UiTestEnvironment env;
        AppState state;
        QWidget main;
        std::unique_ptr<frmTolerances> tolerances;

        explicit Program(int method = 0) {
            setDefaults(state.Project);
            state.Paths = env.folder.paths();
            state.CalcMethod = method;
            main.resize(900, 700);
            tolerances = std::make_unique<frmTolerances>(state, &main);
        }
        void open(const std::function<void()>& drive) {
            env.dialogs.onModal = [&](QDialog& dialog) {
                return ScriptedDialogs::runShown(dialog, [&](QDialog&) { drive(); });
            };
            env.dialogs.runModal(*tolerances);
        }
    };

private slots:
    void theSpanComesFromTheSelectedMethodsGeometry_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<float>("span");
        QTest::addColumn<float>("tolerance");
        QTest::addColumn<QString>("line");
        QTest::newRow("reverse dial: distance C")
            << 0 << 10.0f << 4.1666665f << "Acceptable Offset:  4.167 mils";
        QTest::newRow("rim and face: distance A")
            << 1 << 20.0f << 8.333333f << "Acceptable Offset:  8.333 mils";
        QTest::newRow("jack shaft: distance A")
            << 2 << 70.0f << 29.166666f << "Acceptable Offset:  29.17 mils";
    }
    void theSpanComesFromTheSelectedMethodsGeometry() {
        QFETCH(int, method);
        QFETCH(float, span);
        QFETCH(float, tolerance);
        QFETCH(QString, line);
        Program p(method);
        p.state.Project.Span = 0;
        p.tolerances = std::make_unique<frmTolerances>(p.state, &p.main);
        QCOMPARE(p.state.Project.Span, span);
        QCOMPARE(p.state.Tolerance, tolerance);
        QCOMPARE(p.tolerances->lblTolerance->text(), line);
        p.open([&] {
            QCOMPARE(p.tolerances->txtSpan->text(), QString::fromStdString(formatValue(span)));
            QCOMPARE(p.tolerances->txtRPM->text(), QStringLiteral("3600."));
            QVERIFY(p.tolerances->txtRPM->hasFocus());
        });
    }

    void aSpeedOfZeroGivesNoOffsetAndANumberNoSingleHoldsIsRefused() {
        Program p;
        p.open([&] {
            typeInto(p.tolerances->txtRPM, QStringLiteral("0"));
            QCOMPARE(p.state.Project.RPM, 0.0f);
            QCOMPARE(p.state.Tolerance, 0.0f);
            QCOMPARE(p.tolerances->txtRPM->text(), QStringLiteral("0.00"));
            QCOMPARE(p.tolerances->lblTolerance->text(), QStringLiteral("Acceptable Offset:  0.00 mils"));
            QVERIFY(p.tolerances->txtSpan->hasFocus());
            typeInto(p.tolerances->txtSpan, QStringLiteral("1e39"));
            QCOMPARE(p.state.Project.Span, 10.0f);
            QCOMPARE(p.tolerances->txtSpan->text(), QStringLiteral("10.00"));
        });
        QVERIFY(p.state.Changed);
    }

    void aTypedSpanLastsUntilTheWindowIsPreparedAgain() {
        Program p;
        p.open([&] {
            typeInto(p.tolerances->txtSpan, QStringLiteral("20 in"));
            QCOMPARE(p.tolerances->txtSpan->text(), QStringLiteral("20.00"));
            QCOMPARE(p.tolerances->lblTolerance->text(), QStringLiteral("Acceptable Offset:  8.333 mils"));
        });
        QCOMPARE(p.state.Project.Span, 20.0f);
        QCOMPARE(p.state.Tolerance, 8.333333f);
        // Shown again, the window starts from the coupling geometry.
        p.open([&] { QCOMPARE(p.tolerances->txtSpan->text(), QStringLiteral("10.00")); });
        QCOMPARE(p.state.Project.Span, 10.0f);
        QCOMPARE(p.state.Tolerance, 4.1666665f);
    }

    void closingKeepsAValueStillBeingTypedAndLookingChangesNothing() {
        Program p;
        p.open([&] { QTest::keyClick(p.tolerances->txtRPM, Qt::Key_Escape); });
        QVERIFY(!p.state.Changed);
        p.open([&] {
            typeInto(p.tolerances->txtRPM, QStringLiteral("1800"), false);
            QTest::keyClick(p.tolerances->txtRPM, Qt::Key_Escape);
            QVERIFY(!p.tolerances->isVisible());
        });
        QCOMPARE(p.state.Project.RPM, 1800.0f);
        QCOMPARE(p.state.Tolerance, 8.333333f);
        QVERIFY(p.state.Changed);
    }
};

QTEST_MAIN(ToleranceTest)
#include "tolerance_test.moc"
