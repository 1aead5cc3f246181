// The machine drawings under the length letters, and the about window.

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/about/frmAbout.h"
#include "ui/widgets/MachineDrawing.h"

using namespace corvane;
using Kind = MachineDrawing::Kind;

namespace {

bool isWhite(QRgb c) { return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245; }

}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }

    // The main window centres its length letters on the gaps: one gap per letter, between marks
    // drawn left to right where markPositions says, the label spot left blank, the picture not blank.
    void marksAndGapsLineUpWithTheLetters() {
        const std::pair<Kind, int> kinds[] = {{Kind::ReverseDial, 5},
                                              {Kind::RimFaceFixed, 2},
                                              {Kind::RimFaceMoveable, 2},
                                              {Kind::JackShaft, 3}};
        for (const auto& [kind, gaps] : kinds) {
            const std::vector<int> centres = MachineDrawing::gapCentres(kind);
            const std::vector<int> marks = MachineDrawing::markPositions(kind);
            QCOMPARE(int(centres.size()), gaps);
            QCOMPARE(int(marks.size()), gaps + 1);
            for (std::size_t i = 0; i < centres.size(); ++i)
                QVERIFY2(centres[i] - marks[i] >= 10 && marks[i + 1] - centres[i] >= 10,
                         "no room for a letter");

            MachineDrawing drawing(kind);
            const QImage image = drawing.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(image.size(), QSize(MachineDrawing::kWidth, MachineDrawing::kHeight));
            const int y = MachineDrawing::kHeight - MachineDrawing::kMarkBand + 3;
            for (int x : marks)
                QVERIFY2(qGray(image.pixel(x, y)) < 110, qPrintable(QString("no mark at %1").arg(x)));
            for (int c : centres)
                for (int x = c - 6; x <= c + 6; ++x)
                    QVERIFY2(isWhite(image.pixel(x, y)),
                             qPrintable(QString("drawing on the letter at %1").arg(x)));
            int drawn = 0;
            for (int row = 0; row < y - 3; ++row)
                for (int x = 1; x < image.width() - 1; ++x) drawn += isWhite(image.pixel(x, row)) ? 0 : 1;
            QVERIFY2(drawn > image.width() * 20, "picture nearly blank");
        }
    }

    // Enter means OK wherever the focus is (never System Info); Escape closes without accepting.
    void aboutKeyboard() {
        const struct {
            Qt::Key key;
            bool focusOnSystemInfo;
            int result;
        } cases[] = {{Qt::Key_Return, false, QDialog::Accepted},
                     {Qt::Key_Return, true, QDialog::Accepted},
                     {Qt::Key_Escape, false, QDialog::Rejected}};
        for (const auto& c : cases) {
            ScriptedDialogs dialogs;
            frmAbout about(nullptr, &dialogs);
            about.setProperty(kScriptedDialogProperty, true);
            about.setResult(-1);
            QSignalSpy finished(&about, &QDialog::finished);
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            if (c.focusOnSystemInfo) about.systemInfoButton()->setFocus();
            QTest::keyClick(QApplication::focusWidget(), c.key);
            QCOMPARE(finished.count(), 1);
            QCOMPARE(about.result(), c.result);
            QVERIFY(!about.isVisible());
            QVERIFY2(dialogs.messages.isEmpty(), "Enter started System Info");
        }
    }

    // With no information tool on the PATH the user still gets the essentials, in a message.
    void systemInfoWithoutToolShowsSummary() {
        QTemporaryDir emptyBin;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", emptyBin.path().toLocal8Bit());
        ScriptedDialogs dialogs;
        frmAbout(nullptr, &dialogs).systemInfoButton()->click();
        qputenv("PATH", oldPath);
        QCOMPARE(dialogs.messages.size(), 1);
        const QString text = dialogs.messages.front();
        const QString head = "Operating system: " + QSysInfo::prettyProductName() +
                             "\nProcessor: " + QSysInfo::currentCpuArchitecture();
        QVERIFY2(text.startsWith(head) && text.endsWith("\nQt version: " + QString(qVersion())),
                 qPrintable(text));
    }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
