// The machine drawings under the length letters, and the about window.

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/about/frmAbout.h"
#include "ui/widgets/MachineDrawing.h"

using namespace corvane;
using Kind = MachineDrawing::Kind;

Q_DECLARE_METATYPE(corvane::MachineDrawing::Kind)

namespace {

bool isWhite(QRgb c) { return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245; }
bool isDark(QRgb c) { return qGray(c) < 110; }

QImage render(Kind kind) {
    MachineDrawing drawing(kind);
    return drawing.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }

    void kinds_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("gaps");
        QTest::newRow("reverse dial: A to E") << Kind::ReverseDial << 5;
        QTest::newRow("rim and face, fixed half: A, B") << Kind::RimFaceFixed << 2;
        QTest::newRow("rim and face, moveable half: A, B") << Kind::RimFaceMoveable << 2;
        QTest::newRow("jack shaft: A to C") << Kind::JackShaft << 3;
    }

    // The main window centres its length letters on the gaps: one gap per letter, between marks
    // drawn left to right where markPositions says, the label spot left blank, the picture not blank.
    void marksAndGapsLineUpWithTheLetters_data() { kinds_data(); }
    void marksAndGapsLineUpWithTheLetters() {
        QFETCH(Kind, kind);
        QFETCH(int, gaps);
        const std::vector<int> centres = MachineDrawing::gapCentres(kind);
        const std::vector<int> marks = MachineDrawing::markPositions(kind);
        QCOMPARE(int(centres.size()), gaps);
        QCOMPARE(int(marks.size()), gaps + 1);
        QVERIFY(marks.front() > 0 && marks.back() < MachineDrawing::kWidth);
        for (std::size_t i = 0; i < centres.size(); ++i)
            QVERIFY2(centres[i] - marks[i] >= 10 && marks[i + 1] - centres[i] >= 10, "no room for a letter");

        const QImage image = render(kind);
        QCOMPARE(image.size(), QSize(MachineDrawing::kWidth, MachineDrawing::kHeight));
        const int bandTop = MachineDrawing::kHeight - MachineDrawing::kMarkBand;
        for (int x : marks)
            QVERIFY2(isDark(image.pixel(x, bandTop + 3)), qPrintable(QString("no mark at %1").arg(x)));
        for (int c : centres)
            for (int x = c - 6; x <= c + 6; ++x)
                QVERIFY2(isWhite(image.pixel(x, bandTop + 3)),
                         qPrintable(QString("drawing on the letter at %1").arg(x)));
        int drawn = 0;
        for (int y = 0; y < bandTop; ++y)
            for (int x = 1; x < image.width() - 1; ++x) drawn += isWhite(image.pixel(x, y)) ? 0 : 1;
        QVERIFY2(drawn > image.width() * 20, "picture nearly blank");
    }

    // Enter means OK wherever the focus is; Escape closes without accepting.
    void aboutKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("focusOnSystemInfo");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << int(Qt::Key_Return) << false << int(QDialog::Accepted);
        QTest::newRow("Enter on System Info") << int(Qt::Key_Return) << true << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false << int(QDialog::Rejected);
    }
    void aboutKeyboard() {
        QFETCH(int, key);
        QFETCH(bool, focusOnSystemInfo);
        QFETCH(int, result);
        ScriptedDialogs dialogs;
        frmAbout about(nullptr, &dialogs);
        about.setProperty(kScriptedDialogProperty, true);
        about.setResult(-1);
        QSignalSpy finished(&about, &QDialog::finished);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        if (focusOnSystemInfo) about.systemInfoButton()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(about.result(), result);
        QVERIFY(!about.isVisible());
        QVERIFY2(dialogs.messages.isEmpty(), "Enter started System Info");
    }

    // With no information tool on the PATH the user still gets the essentials, in a message.
    void systemInfoWithoutToolShowsSummary() {
        QTemporaryDir emptyBin;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", emptyBin.path().toLocal8Bit());
        ScriptedDialogs dialogs;
        frmAbout about(nullptr, &dialogs);
        about.systemInfoButton()->click();
        qputenv("PATH", oldPath);
        QCOMPARE(dialogs.messages.size(), 1);
        const QString text = dialogs.messages.front();
        QVERIFY2(text.startsWith("Operating system: " + QSysInfo::prettyProductName() + "\n"),
                 qPrintable(text));
        QVERIFY2(text.contains("\nProcessor: " + QSysInfo::currentCpuArchitecture()), qPrintable(text));
        QVERIFY2(text.endsWith("\nQt version: " + QString(qVersion())), qPrintable(text));
    }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
