// The thermal growth and tolerance windows as the technician uses them.

#include "calc/methods/Growth.h"

#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include "UiTestSupport.h"
#include "WindowTestAdapters.h"
#include "calc/methods/Alignment.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/Thermometer.h"

using namespace corvane;

namespace {

QStringList row(const QTableWidget* grid, int r) {
    QStringList texts;
    for (int c = 1; c < grid->columnCount(); ++c) texts << grid->item(r, c)->text();
    return texts;
}

void clickCell(QTableWidget* grid, int r, int c) {
    const QRect cell = grid->visualItemRect(grid->item(r, c));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// The growth or tolerance window over a stand-in main window, on the default project.
template <class Window, class Adapter>
struct Program : OptionWindowStage {
    std::unique_ptr<Window> window = std::make_unique<Window>(state, &main);  // after the stage

    explicit Program(int method = 0) : OptionWindowStage(method) {}
    Window& w() { return *window; }
    Adapter ui() const { return Adapter(*window); }
    // Opens the window as the main window does and hands it to `drive` while it is shown.
    int open(const std::function<void()>& drive, int bracketSide = 0) {
        if constexpr (std::is_same_v<Window, frmGrowth>) window->initGrowthPanel(bracketSide);
        env.dialogs.driveModals([&](QDialog&) { drive(); });
        return env.dialogs.runModal(*window);
    }
};
using GrowthProgram = Program<frmGrowth, GrowthWindowTestAdapter>;
using ToleranceProgram = Program<frmTolerances, ToleranceWindowTestAdapter>;

// One line of the verdict the tolerance window shows, as a screen reader hears it.
QString verdictLine(const frmTolerances& w, int line) {
    return ToleranceWindowTestAdapter(w).lblVerdict()->accessibleDescription().section('\n', line, line);
}

}  // namespace

class GrowthAndToleranceTest : public QObject {
    Q_OBJECT
private slots:
    void theGridsAndPictureFollowTheMethod() {
        const struct {
            int method, bracketSide, feet, picture;
        } cases[] = {{0, 0, 4, 0}, {1, -1, 2, 1}, {1, 0, 2, 1}, {1, 1, 2, 3}, {2, 0, 2, 2}};
        for (const auto& c : cases) {
            GrowthProgram p(c.method);
            p.open(
                [&] {
                    QCOMPARE(p.ui().gridHeight()->columnCount(), c.feet + 1);
                    QCOMPARE(p.ui().gridGrowth()->columnCount(), c.feet + 1);
                    for (int k = 0; k < 4; ++k) QCOMPARE(p.ui().picMachine(k)->isVisible(), k == c.picture);
                },
                c.bracketSide);
        }
    }

    // A material chosen by click or arrow key recomputes every foot and is kept; Exit leaves the
    // stored growth alone.
    void aMaterialRecomputesEveryFootAndExitKeepsTheGrowth() {
        GrowthProgram p;
        p.state.Project.Growth.fill(7);
        QSignalSpy applied(&p.w(), &frmGrowth::growthApplied);
        const int result = p.open([&] {
            QVERIFY(p.ui().optMaterial(0)->isChecked());  // the job's steel
            p.state.Session.markSaved(p.state.Project);
            QTest::mouseClick(p.ui().optMaterial(1), Qt::LeftButton);
            QCOMPARE(p.state.Project.Material, std::int16_t(1));
            QCOMPARE(row(p.ui().gridGrowth(), 0), QStringList(4, QStringLiteral("9.432")));
            QVERIFY(p.state.Session.changed());
            // The refresh ends on the foot the user was on, where the next edit must go.
            QCOMPARE(p.ui().gridHeight()->currentColumn(), 1);
            // Cast iron by the arrow key: 0.0067 * 72 * 10 mils.
            QVERIFY(focusInActiveWindow(p.ui().optMaterial(1)));
            QTest::keyClick(p.ui().optMaterial(1), Qt::Key_Right);
            QCOMPARE(p.state.Project.Material, std::int16_t(2));
            QCOMPARE(row(p.ui().gridGrowth(), 0), QStringList(4, QStringLiteral("4.824")));
            // Enter in a box or on a material leaves the window open; Enter on Exit presses it.
            typeInto(p.ui().txtHotT(), QStringLiteral("144"));
            QVERIFY(p.w().isVisible());
            QVERIFY(focusInActiveWindow(p.ui().optMaterial(2)));
            QTest::keyClick(p.ui().optMaterial(2), Qt::Key_Return);
            QVERIFY(p.w().isVisible());
            p.ui().cmdExit()->setFocus(Qt::TabFocusReason);
            QTest::keyClick(p.ui().cmdExit(), Qt::Key_Return);
            QVERIFY(!p.w().isVisible());
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(applied.count(), 0);
        QCOMPARE(p.state.Project.Material, std::int16_t(2));
        for (float g : p.state.Project.Growth) QCOMPARE(g, 7.0f);
    }

    // A height typed in the grid commits and walks along the feet; a temperature typed or set on a
    // thermometer changes its own foot only.
    void anEditForOneFootChangesThatFootOnly() {
        GrowthProgram p;
        p.open([&] {
            clickCell(p.ui().gridHeight(), 1, 3);
            QTest::keyClick(p.ui().gridHeight(), '1');
            QVERIFY(p.ui().txtHeight()->isVisible());
            QTest::keyClicks(p.ui().txtHeight(), "2.5");
            QTest::keyClick(p.ui().txtHeight(), Qt::Key_Return);
            QCOMPARE(p.state.Project.FootHeight[2], 12.5f);
            QCOMPARE(p.ui().gridHeight()->item(1, 3)->text(), QStringLiteral("12.50"));
            QCOMPARE(p.ui().gridHeight()->currentColumn(), 4);
            // Enter on the last foot commits and wraps to the first.
            QTest::keyClick(p.ui().gridHeight(), '8');
            QTest::keyClick(p.ui().txtHeight(), Qt::Key_Return);
            QCOMPARE(p.state.Project.FootHeight, (std::array<float, 4>{10, 10, 12.5f, 8}));
            QCOMPARE(p.ui().gridHeight()->currentColumn(), 1);
            QCOMPARE(p.ui().gridHeight()->currentRow(), 1);
            QCOMPARE(row(p.ui().gridGrowth(), 0), (QStringList{"4.680", "4.680", "5.850", "3.744"}));

            // (A value no Single holds is refused by every box alike: the main window's reading test.)
            clickCell(p.ui().gridHeight(), 2, 2);
            p.state.Session.markSaved(p.state.Project);
            typeInto(p.ui().txtHotT(), QStringLiteral("200"));
            QCOMPARE(p.state.Project.HotTemp, (std::array<float, 4>{144, 200, 144, 144}));
            QCOMPARE(row(p.ui().gridHeight(), 2), (QStringList{"144.0", "200.0", "144.0", "144.0"}));
            QCOMPARE(row(p.ui().gridGrowth(), 0), (QStringList{"4.680", "8.320", "5.850", "3.744"}));
            QCOMPARE(p.ui().lblDeltaT()->text(), QStringLiteral("Delta T (\u00B0F): 128.0"));
            QVERIFY(p.ui().cwHotT()->maximum() >= 200);
            QVERIFY(p.state.Session.changed());
            // A thermometer moved stores its temperature once, without an echo of the change: foot 4,
            // 0.0065 * 82 * 8 mils.
            clickCell(p.ui().gridHeight(), 2, 4);
            QSignalSpy moves(p.ui().cwColdT(), &Thermometer::valueChanged);
            p.ui().cwColdT()->setValue(62);
            QCOMPARE(moves.count(), 1);
            QCOMPARE(p.state.Project.ColdTemp, (std::array<float, 4>{72, 72, 72, 62}));
            QCOMPARE(p.ui().gridGrowth()->item(0, 4)->text(), QStringLiteral("4.264"));
        });
    }

    void applyStoresTheGrowthOfTheMethodsFeet() {
        // Concrete, 10 in feet, 50 / 100 / 25 / -50 degrees of warming; the two-foot methods also
        // store their feet as 3 and 4.
        const std::array<float, kGrowthFeet> fourFeet{3, 6, 1.5f, -3, 0, 0}, twoFeet{3, 6, 3, 6, 0, 0};
        for (int method = 0; method < kMethodCount; ++method) {
            GrowthProgram p(method);
            auto& record = p.state.Project;
            record.Material = 3;
            record.HotTemp = {122, 172, 97, 22};
            record.Growth.fill(99);
            QSignalSpy applied(&p.w(), &frmGrowth::growthApplied);
            const int result = p.open([&] { QTest::mouseClick(p.ui().cmdApplyGrowth(), Qt::LeftButton); });
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(applied.count(), 1);
            for (int f = 0; f < kGrowthFeet; ++f) {
                QCOMPARE(record.growth(method, f), (method == 0 ? fourFeet : twoFeet)[f]);
                for (int other = 0; other < kMethodCount; ++other)
                    if (other != method) QCOMPARE(record.growth(other, f), 99.0f);
            }
        }
    }

    void valuesBeingTypedWhenTheWindowClosesAreKept() {
        GrowthProgram p;
        p.open([&] {
            // A temperature typed and then Escape: the window closes, the temperature stays.
            typeInto(p.ui().txtColdT(), QStringLiteral("80"), false);
            QTest::keyClick(p.ui().txtColdT(), Qt::Key_Escape);
            QVERIFY(!p.w().isVisible());
        });
        QCOMPARE(p.state.Project.ColdTemp[0], 80.0f);

        // A height still in the cell editor when Apply is pressed goes into the applied growth.
        p.state.CalcMethod = 1;
        p.open([&] {
            clickCell(p.ui().gridHeight(), 1, 2);
            QTest::keyClick(p.ui().gridHeight(), '5');
            QVERIFY(p.ui().txtHeight()->isVisible());
            p.ui().cmdApplyGrowth()->click();
        });
        QCOMPARE(p.state.Project.FootHeight[1], 5.0f);
        QVERIFY(std::abs(p.state.Project.growth(1, 1) - 2.34f) < 1e-5f);  // steel, 0.0065 * 72 * 5 mils
    }

    // The tolerance window takes the span of the selected method, the jack shaft's distance A of
    // 70 in; a typed span and speed last until the window is prepared again.
    void aTypedSpanAndSpeedLastUntilTheWindowIsPreparedAgain() {
        ToleranceProgram p(kMethodJackShaft);
        QCOMPARE(p.state.Project.Span, 70.0f);
        QCOMPARE(p.state.Tolerance, 29.166666f);
        QVERIFY(!p.state.Session.changed());
        p.open([&] {
            QCOMPARE(p.ui().txtSpan()->text(), QStringLiteral("70.00"));
            QVERIFY(p.ui().txtRPM()->hasFocus());
            typeInto(p.ui().txtSpan(), QStringLiteral("20 in"));
            QCOMPARE(p.ui().txtSpan()->text(), QStringLiteral("20.00"));
            QCOMPARE(p.ui().lblTolerance()->text(), QStringLiteral("Acceptable Offset:  8.333 mils"));
            QCOMPARE(p.state.Tolerance, 8.333333f);
        });
        QCOMPARE(p.state.Project.Span, 20.0f);
        QVERIFY(p.state.Session.changed());
        // Shown again, the window starts from the coupling geometry; a speed still being typed when
        // Escape closes it is kept.
        p.open([&] {
            QCOMPARE(p.ui().txtSpan()->text(), QStringLiteral("70.00"));
            typeInto(p.ui().txtRPM(), QStringLiteral("1800"), false);
            QTest::keyClick(p.ui().txtRPM(), Qt::Key_Escape);
            QVERIFY(!p.w().isVisible());
        });
        QCOMPARE(p.state.Project.Span, 70.0f);
        QCOMPARE(p.state.Project.RPM, 1800.0f);
        QCOMPARE(p.state.Tolerance, 58.333332f);
    }

    // Below the offset: the verdict of the results the main window shows, with the main window's
    // choices (the rows, limits and texts are the verdict's tests). The default reverse dial job moves
    // 25 mils down and 5 left.
    void theVerdictFollowsTheSpeedAndTheMainWindowsChoices() {
        ToleranceProgram p;
        p.open([&] {
            QVERIFY(verdictLine(p.w(), 3).startsWith(QStringLiteral("Verdict: Out of tolerance")));
            typeInto(p.ui().txtRPM(), QStringLiteral("0"));
            QCOMPARE(p.ui().lblVerdict()->accessibleDescription(),
                     QStringLiteral("No verdict: the speed is 0"));
        });
        // Rim and face with the bracket on the moveable machine, as the main window has chosen: rim
        // 6:00 10, face 6:00 -2, A = B = 20, face diameter 10: near -4 + 5 = 1, far -8 + 5 = -3 mils;
        // plotted (20, -1) and (40, 3): 0.2 mils/in, -5 mils at the coupling.
        ToleranceProgram rimFace(kMethodRimFace);
        rimFace.window = std::make_unique<frmTolerances>(rimFace.state, &rimFace.main, [] {
            CalcOptions options;
            options.method = kMethodRimFace;
            options.bracketSide = 1;
            return options;
        });
        rimFace.open([&] {
            QCOMPARE(verdictLine(rimFace.w(), 1),
                     QStringLiteral("Vertical: offset -5.000 mils (excellent 1.0, acceptable 1.5), "
                                    "angle 0.200 mils/in (excellent 0.2, acceptable 0.3): Out of tolerance"));
        });
    }
};

QTEST_MAIN(GrowthAndToleranceTest)
#include "growth_test.moc"
