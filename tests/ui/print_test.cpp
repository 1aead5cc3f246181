// File > Print (the window as a picture), and File > Export Report... and File > Print Report... in
// the main window, with the dialogs scripted: the report shows the window as it stands, including a
// value still being typed.

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "MainWindowTestSupport.h"
#include "ui/print/WindowPrinter.h"

using namespace corvane;

namespace {

// What a poppler-utils tool says of a PDF, blanks folded.
QString pdfTool(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QLatin1String(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        recordTestFailure(QLatin1String(tool) + QStringLiteral(" (poppler-utils) failed on ") +
                          arguments.last());
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

QString pdfText(const QString& file) { return pdfTool("pdftotext", {QStringLiteral("-layout"), file, "-"}); }

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

    struct Program {
        UiTestEnvironment env;
        QWidget window;

        Program() {
            (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("Vertical moves"), &window));
            window.resize(640, 420);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        void printTo(const QString& file, int copies, const std::function<void()>& duringDialog = {}) {
            env.dialogs.onPrinter = [=](QPrinter& printer) {
                if (duringDialog) duringDialog();
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(file);
                printer.setCopyCount(copies);
                return true;
            };
            printWindow(&window, env.dialogs);
        }
    };

private slots:
    // The picture is taken before the print dialog opens, so a window that changes meanwhile (the
    // dialog covering it) still prints as the user saw it: one landscape page per copy.
    void eachCopyIsALandscapePageWithThePictureTakenBeforeTheDialog() {
        Program p;
        const QSize size = captureWindow(&p.window).size();
        QCOMPARE(size, p.window.size() * p.window.devicePixelRatio());
        const QString pdf = p.env.folder.filePath(QStringLiteral("out.pdf"));
        p.printTo(pdf, 3, [&] { p.window.resize(300, 200); });
        QVERIFY(p.env.dialogs.messages.isEmpty());

        // One page per copy, each wider than high, and every image the picture as it was taken.
        const QString info = pdfTool("pdfinfo", {QStringLiteral("-l"), QStringLiteral("99"), pdf});
        const QRegularExpression page(QStringLiteral("Page \\d+ size: ([\\d.]+) x ([\\d.]+)"));
        QCOMPARE(info.count(page), 3);
        for (auto it = page.globalMatch(info); it.hasNext();) {
            const auto m = it.next();
            QVERIFY2(m.captured(1).toDouble() > m.captured(2).toDouble(), qPrintable(m.captured()));
        }
        const QString images = pdfTool("pdfimages", {QStringLiteral("-list"), pdf});
        const QRegularExpression image(QStringLiteral("\\d+ \\d+ image (\\d+) (\\d+)"));
        QVERIFY2(images.contains(image), qPrintable(images));
        for (auto it = image.globalMatch(images); it.hasNext();) {
            const auto m = it.next();
            QCOMPARE(QSize(m.captured(1).toInt(), m.captured(2).toInt()), size);
        }

        // Cancelled, or on a printer that cannot start, it ends quietly and writes nothing.
        p.env.dialogs.onPrinter = {};  // the scripted user cancels
        printWindow(&p.window, p.env.dialogs);
        QCOMPARE(p.env.dialogs.printerRequests, 2);
        p.printTo(p.env.folder.filePath(QStringLiteral("missing/folder/out.pdf")), 2);
        QVERIFY(p.env.dialogs.messages.isEmpty());
        QCOMPARE(QDir(p.env.folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("out.pdf")});
    }

    void exportAndPrintReportTheWindowAsItStands() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        // Both are in the File menu.
        const QMenu* file = w.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
        auto* exportAction = file->findChild<QAction*>(QStringLiteral("mnuFileExportReport"));
        auto* printAction = file->findChild<QAction*>(QStringLiteral("mnuFilePrintReport"));
        QVERIFY(exportAction && printAction && file->actions().contains(exportAction));

        // Rim and face with growth on, a machine name, and the rim's 6:00 reading typed but not yet
        // committed: Vn = -2 * 20 / 10 - 14 / 2 = -11, Vf = -2 * 40 / 10 - 7 = -15.
        typeInto(w.controls().txtMachine, QStringLiteral("Pump P-7"));
        w.controls().optAcalc[1]->click();
        w.controls().chkTgrowth->click();
        typeInto(w.controls().txtD1[2], QStringLiteral("14"), false);

        const QString folder = QFileInfo(t.defaultProject()).path();
        const QString exported = folder + QStringLiteral("/job report.pdf");
        t.dialogs().reportFileAnswers = {exported, t.defaultProject(), std::nullopt};
        exportAction->trigger();
        QCOMPARE(t.dialogs().reportProposals, QStringList{folder + QStringLiteral("/Corvane.pdf")});
        QCOMPARE(w.controls().lblAcalc1->text(), QStringLiteral("NEAR Foot: move  11.00 mils  DOWN\r\n"
                                                                "FAR Foot:  move  15.00 mils  DOWN"));
        const QString text = pdfText(exported);
        for (const char* expected :
             {"Machine Pump P-7", "File Corvane.qdl", "Method Rim and Face", "Bracket side Fixed Mach",
              "Thermal growth Applied", "NEAR Foot: move 11.00 mils DOWN", "FAR Foot: move 15.00 mils DOWN",
              "Verdict Alignment:", "Readings check", "Page 3 of 3"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(t.dialogs().messages.isEmpty());

        // A project's own name is refused, and the project stays as it was; Cancel writes nothing.
        const QByteArray project = fileBytes(t.defaultProject());
        exportAction->trigger();
        QCOMPARE(t.dialogs().messages.size(), 1);
        QVERIFY(t.dialogs().messages.front().contains(QStringLiteral("is a project file name")));
        exportAction->trigger();
        QCOMPARE(fileBytes(t.defaultProject()), project);
        QCOMPARE(QDir(folder).entryList(QStringList{QStringLiteral("*.pdf")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("job report.pdf")});

        // Print Report: the preview prints the same pages.
        const QString printed = folder + QStringLiteral("/printed.pdf");
        t.dialogs().onPreview = [&](QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            paint(printer);
        };
        printAction->trigger();
        QCOMPARE(t.dialogs().previewRequests, 1);
        QCOMPARE(pdfText(printed), text);
        QCOMPARE(t.dialogs().messages.size(), 1);
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
