#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/print/WindowPrinter.h"

using namespace corvane;

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

        // Read from the PDF's object dictionaries: the page objects (not the page tree, "/Type
        // /Pages"), each page's media box, and the size of every image.
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 3);
        const QRegularExpression box(
            QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]"));
        int boxes = 0;
        for (auto it = box.globalMatch(text); it.hasNext(); ++boxes) {
            const auto m = it.next();
            QVERIFY2(m.captured(1).toDouble() > m.captured(2).toDouble(), "portrait page");
        }
        QVERIFY(boxes > 0);
        const QRegularExpression image(
            QStringLiteral("/Subtype\\s*/Image[^>]*?/Width\\s+(\\d+)[^>]*?/Height\\s+(\\d+)"));
        int images = 0;
        for (auto it = image.globalMatch(text); it.hasNext(); ++images) {
            const auto m = it.next();
            QCOMPARE(QSize(m.captured(1).toInt(), m.captured(2).toInt()), size);
        }
        QVERIFY(images > 0);
    }

    void cancellingOrAPrinterThatCannotStartEndsQuietly() {
        Program p;
        printWindow(&p.window, p.env.dialogs);  // the scripted user cancels
        QCOMPARE(p.env.dialogs.printerRequests, 1);
        p.printTo(p.env.folder.filePath(QStringLiteral("missing/folder/out.pdf")), 2);
        QVERIFY(p.env.dialogs.messages.isEmpty());
        QVERIFY(
            QDir(p.env.folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
