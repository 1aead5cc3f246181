#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/print/WindowPrinter.h"

using namespace corvane;

namespace {

struct PdfSummary {
    int pages = 0;
    bool allLandscape = true;
    QList<QSize> images;
};

// What a PDF file holds, read from its object dictionaries: the page objects (not the page tree,
// "/Type /Pages"), each page's media box, and the size of every image.
PdfSummary readPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromLatin1(file.readAll());
    PdfSummary summary;
    summary.pages = int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
    const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    int boxes = 0;
    for (auto it = box.globalMatch(text); it.hasNext(); ++boxes) {
        const auto m = it.next();
        const double width = m.captured(3).toDouble() - m.captured(1).toDouble();
        const double height = m.captured(4).toDouble() - m.captured(2).toDouble();
        if (!(width > height)) summary.allLandscape = false;
    }
    if (boxes == 0) summary.allLandscape = false;
    const QRegularExpression image(
        QStringLiteral("/Subtype\\s*/Image[^>]*?/Width\\s+(\\d+)[^>]*?/Height\\s+(\\d+)"));
    for (auto it = image.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        summary.images << QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    return summary;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

    struct Program {
        UiTestEnvironment env;
        QWidget window;
        QLabel* label = nullptr;

        Program() {
            window.setWindowTitle(QStringLiteral("CORVANE v.1.5"));
            auto* layout = new QVBoxLayout(&window);
            label = new QLabel(QStringLiteral("Vertical moves"), &window);
            layout->addWidget(label);
            window.resize(640, 420);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        QString pdf() const { return env.folder.filePath(QStringLiteral("out.pdf")); }
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
        p.printTo(p.pdf(), 3, [&] { p.window.resize(300, 200); });
        const PdfSummary pdf = readPdf(p.pdf());
        QCOMPARE(pdf.pages, 3);
        QVERIFY(pdf.allLandscape);
        QVERIFY(!pdf.images.isEmpty());
        for (const QSize& image : pdf.images) QCOMPARE(image, size);
        QVERIFY(p.env.dialogs.messages.isEmpty());
    }

    void cancellingOrAPrinterThatCannotStartEndsQuietly() {
        Program p;
        printWindow(&p.window, p.env.dialogs);  // the scripted user cancels
        QCOMPARE(p.env.dialogs.printerRequests, 1);
        const QString unreachable = p.env.folder.filePath(QStringLiteral("missing/folder/out.pdf"));
        p.printTo(unreachable, 2);
        QVERIFY(p.env.dialogs.messages.isEmpty());
        QVERIFY(!QFile::exists(unreachable));
        QVERIFY(QDir(p.env.folder.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
