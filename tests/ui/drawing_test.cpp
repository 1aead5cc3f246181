// The machine drawings under the length labels, and the about window.

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
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

    void gapCentresLieBetweenConsecutiveMarks_data() { kinds_data(); }
    void gapCentresLieBetweenConsecutiveMarks() {
        QFETCH(Kind, kind);
        QFETCH(int, gaps);
        const std::vector<int> centres = MachineDrawing::gapCentres(kind);
        const std::vector<int> marks = MachineDrawing::markPositions(kind);
        QCOMPARE(int(centres.size()), gaps);
        QCOMPARE(int(marks.size()), gaps + 1);
        for (std::size_t i = 0; i < marks.size(); ++i) {
            QVERIFY2(marks[i] > 0 && marks[i] < MachineDrawing::kWidth, "mark outside the drawing");
            if (i > 0) QVERIFY2(marks[i] > marks[i - 1], "marks not left to right");
        }
        for (std::size_t i = 0; i < centres.size(); ++i) {
            // Room for a letter: at least a label's half width to either mark.
            QVERIFY2(centres[i] - marks[i] >= 10,
                     qPrintable(QString("gap %1 too narrow on the left").arg(i)));
            QVERIFY2(marks[i + 1] - centres[i] >= 10,
                     qPrintable(QString("gap %1 too narrow on the right").arg(i)));
        }
    }

    // The drawn marks stand where markPositions says, and the label spot at each gap centre on
    // the dimension line is left blank, so the main window's letters line up and stay readable.
    void drawnMarksMatchPositionsAndLabelSpotsAreClear_data() { kinds_data(); }
    void drawnMarksMatchPositionsAndLabelSpotsAreClear() {
        QFETCH(Kind, kind);
        const QImage image = render(kind);
        QCOMPARE(image.size(), QSize(MachineDrawing::kWidth, MachineDrawing::kHeight));
        const int bandTop = MachineDrawing::kHeight - MachineDrawing::kMarkBand;
        for (int x : MachineDrawing::markPositions(kind)) {
            for (int y = bandTop + 1; y < MachineDrawing::kHeight - 3; ++y) {
                QVERIFY2(isDark(image.pixel(x, y)),
                         qPrintable(QString("no mark at x %1, y %2").arg(x).arg(y)));
            }
        }
        for (int c : MachineDrawing::gapCentres(kind)) {
            for (int y = bandTop; y < MachineDrawing::kHeight - 2; ++y) {
                for (int x = c - 6; x <= c + 6; ++x) {
                    QVERIFY2(isWhite(image.pixel(x, y)),
                             qPrintable(QString("drawing in the label spot at x %1, y %2").arg(x).arg(y)));
                }
            }
        }
        // Between the marks the dimension line runs: some dark pixels on the band, off the centre.
        const std::vector<int> marks = MachineDrawing::markPositions(kind);
        int dark = 0;
        for (int y = bandTop; y < MachineDrawing::kHeight; ++y) {
            for (int x = marks.front() + 2; x < marks.front() + 10; ++x)
                dark += isDark(image.pixel(x, y)) ? 1 : 0;
        }
        QVERIFY2(dark > 0, "no dimension line next to the first mark");
    }

    void eachArrangementHasItsOwnPicture() {
        const Kind kinds[] = {Kind::ReverseDial, Kind::RimFaceFixed, Kind::RimFaceMoveable, Kind::JackShaft};
        std::vector<QImage> images;
        for (Kind k : kinds) {
            images.push_back(render(k));
            const QImage& img = images.back();
            int drawn = 0;
            for (int y = 0; y < img.height() - MachineDrawing::kMarkBand; ++y)
                for (int x = 1; x < img.width() - 1; ++x) drawn += isWhite(img.pixel(x, y)) ? 0 : 1;
            // Machines, shafts and couplings fill a good part of the picture above the marks.
            QVERIFY2(drawn > img.width() * 20, "picture nearly blank");
        }
        for (std::size_t i = 0; i < images.size(); ++i)
            for (std::size_t j = i + 1; j < images.size(); ++j)
                QVERIFY2(images[i] != images[j],
                         qPrintable(QString("pictures %1 and %2 are the same").arg(i).arg(j)));
    }

    void drawingIsAGraphicWithADescriptiveName_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("reverse dial") << Kind::ReverseDial << "Reverse dial arrangement";
        QTest::newRow("rim face fixed")
            << Kind::RimFaceFixed
            << "Rim and face arrangement, indicators on the fixed machine's coupling half";
        QTest::newRow("rim face moveable")
            << Kind::RimFaceMoveable
            << "Rim and face arrangement, indicators on the moveable machine's coupling half";
        QTest::newRow("jack shaft") << Kind::JackShaft << "Jack shaft arrangement";
    }
    void drawingIsAGraphicWithADescriptiveName() {
        QFETCH(Kind, kind);
        QFETCH(QString, name);
        MachineDrawing drawing(kind);
        QCOMPARE(drawing.kind(), kind);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&drawing);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Graphic);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    void aboutShowsTitleVersionDisclaimerAndButtons() {
        frmAbout about;
        const auto labels = about.findChildren<QLabel*>();
        QStringList texts;
        for (QLabel* l : labels) texts << l->text();
        QVERIFY2(texts.contains("Corvane"), qPrintable(texts.join(" | ")));
        QVERIFY2(texts.contains("Version 1.5.6"), qPrintable(texts.join(" | ")));
        QVERIFY(texts.join(' ').contains("responsible"));
        QCOMPARE(about.okButton()->text(), QString("OK"));
        QCOMPARE(about.systemInfoButton()->text(), QString("&System Info..."));
        QVERIFY(about.isModal());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QImage shot = about.grab().toImage();
        QVERIFY(!shot.isNull() && shot.width() >= 380);
    }

    // Enter means OK wherever the focus is; Escape closes without accepting.
    void aboutKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("focusOnSystemInfo");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << int(Qt::Key_Return) << false << int(QDialog::Accepted);
        QTest::newRow("Enter on System Info") << int(Qt::Key_Return) << true << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false << int(QDialog::Accepted);
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

    // An installed tool is started instead, and the about window stays open.
    void systemInfoStartsInstalledTool() {
#ifndef Q_OS_LINUX
        QSKIP("the tools looked for are Linux programs");
#endif
        QTemporaryDir bin;
        const QString marker = bin.filePath("started");
        const QString tool = bin.filePath("gnome-system-monitor");
        QFile script(tool);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        QCOMPARE(frmAbout::findSystemInfoTool().program, tool);
        ScriptedDialogs dialogs;
        frmAbout about(nullptr, &dialogs);
        about.systemInfoButton()->click();
        qputenv("PATH", oldPath);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
