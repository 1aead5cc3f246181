// How quickly the main window comes up and answers a typed reading, on the offscreen platform.
//
//   start-up:  from creating the main window (construction and the start-up load of a project) to its
//              first painted frame, against a bare main window holding one plot of the same size;
//   reading:   from committing a typed 3:00 reading of dial 1 to both result labels and both graphs
//              recalculated and repainted.
//
// Each sample is one start-up or one commit; the summary printed at the end gives the medians and
// the start-up ratio.

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include "project/AppState.h"
#include "ui/common/DialogProvider.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ResultGraph.h"

namespace {

using namespace corvane;

// Answers every question as a person who cancels would, and never blocks.
class SilentDialogs : public DialogProvider {
public:
    void showMessage(QWidget*, const QString&) override {}
    bool askYesNo(QWidget*, const QString&, Default) override { return false; }
    corvane::SaveAnswer askToSave(QWidget*, const QString&) override { return corvane::SaveAnswer::DontSave; }
    std::optional<QString> chooseOpenFile(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QString> chooseSaveFile(QWidget*, const QString&, const QString&) override { return {}; }
    bool setUpPrinter(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> chooseReportFile(QWidget*, const QString&) override { return {}; }
    void previewReport(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {}
    int runModal(QDialog&) override { return 0; }
};

// Notes the first paint of any widget of one window. The whole frame (the window and all its
// children) is painted inside the one update event that delivers it, so once the event loop has
// returned after the first paint, the first frame is complete.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    bool painted() const { return painted_; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            painted_ = true;
        }
        return false;
    }

private:
    QWidget* window_;
    bool painted_ = false;
};

// Shows the window and runs the event loop until its first frame is painted.
bool showAndWaitForFirstFrame(QWidget& window) {
    FirstPaint watch(&window);
    window.show();
    QElapsedTimer limit;
    limit.start();
    while (!watch.painted() && limit.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return watch.painted();
}

// CPU time of this thread, in ms: on a busy machine wall time also counts other programs' turns.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One measurement: wall time and this thread's CPU time.
class Stopwatch {
public:
    Stopwatch() : cpu0_(threadCpuMs()) { wall_.start(); }
    double wallMs() const { return wall_.nsecsElapsed() / 1e6; }
    double cpuMs() const { return threadCpuMs() - cpu0_; }
    qint64 elapsed() const { return wall_.elapsed(); }

private:
    QElapsedTimer wall_;
    double cpu0_;
};

double median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

struct Samples {
    std::vector<double> mainStartMs, mainStartCpuMs;
    std::vector<double> plainStartMs, plainStartCpuMs;
    std::vector<double> readingMs, readingCpuMs;
    QSize mainWindowSize{800, 587};
};

void mainWindowToFirstFrame(benchmark::State& state, Samples& samples, const QString& programFolder) {
    for (auto _ : state) {
        Stopwatch clock;
        AppState app;
        app.Paths.programFolder = programFolder.toStdString();
        SilentDialogs dialogs;
        auto window = std::make_unique<frmDials>(app, dialogs);
        const double constructed = clock.wallMs();
        window->formLoad(false);
        const double loaded = clock.wallMs();
        const bool painted = showAndWaitForFirstFrame(*window);
        const double ms = clock.wallMs();
        if (!painted) {
            state.SkipWithError("the main window was never painted");
            break;
        }
        samples.mainStartMs.push_back(ms);
        samples.mainStartCpuMs.push_back(clock.cpuMs());
        samples.mainWindowSize = window->size();
        state.SetIterationTime(ms / 1e3);
        // Where the time goes: construction, start-up load and refresh, showing and painting.
        state.counters["construct_ms"] = constructed;
        state.counters["formLoad_ms"] = loaded - constructed;
        state.counters["showPaint_ms"] = ms - loaded;
        window.reset();
        QCoreApplication::processEvents();
    }
}

// The floor: the cheapest window with a plot in it, the same size as the main window.
void plainWindowToFirstFrame(benchmark::State& state, Samples& samples) {
    for (auto _ : state) {
        Stopwatch clock;
        auto window = std::make_unique<QMainWindow>();
        auto* plot = new QCustomPlot(window.get());
        plot->addGraph();
        window->setCentralWidget(plot);
        window->resize(samples.mainWindowSize);
        const bool painted = showAndWaitForFirstFrame(*window);
        const double ms = clock.wallMs();
        if (!painted) {
            state.SkipWithError("the plain window was never painted");
            break;
        }
        samples.plainStartMs.push_back(ms);
        samples.plainStartCpuMs.push_back(clock.cpuMs());
        state.SetIterationTime(ms / 1e3);
        window.reset();
        QCoreApplication::processEvents();
    }
}

void typedReadingToRepaint(benchmark::State& state, Samples& samples, const QString& programFolder) {
    AppState app;
    app.Paths.programFolder = programFolder.toStdString();
    SilentDialogs dialogs;
    frmDials window(app, dialogs);
    window.formLoad(false);
    if (!showAndWaitForFirstFrame(window)) {
        state.SkipWithError("the main window was never painted");
        return;
    }
    // A graph may put its replot off to the next turn of the event loop; count the replots so
    // that the time runs until both graphs really hold the new result.
    int replots = 0;
    for (ResultGraph* graph : {window.controls().Graph1, window.controls().Graph2}) {
        QObject::connect(graph->plotWidget(), &QCustomPlot::afterReplot, [&replots] { ++replots; });
    }
    // Alternate between two readings so that every commit really changes both results.
    const QString readings[2] = {QStringLiteral("12.6"), QStringLiteral("-7.4")};
    int next = 0;
    for (auto _ : state) {
        Stopwatch clock;
        replots = 0;
        window.controls().txtD1[1]->setText(readings[next]);
        window.txtD1_LostFocus(1);
        const double handled = clock.wallMs();
        while (replots < 2 && clock.elapsed() < 1000) QCoreApplication::processEvents();
        const double replotted = clock.wallMs();
        window.controls().lblAcalc1->repaint();
        window.controls().lblAcalc2->repaint();
        window.controls().Graph1->repaint();
        window.controls().Graph2->repaint();
        const double ms = clock.wallMs();
        if (replots < 2) {
            state.SkipWithError("a graph was not replotted after the reading");
            break;
        }
        samples.readingMs.push_back(ms);
        samples.readingCpuMs.push_back(clock.cpuMs());
        state.SetIterationTime(ms / 1e3);
        state.counters["handler_ms"] += handled;
        state.counters["replot_ms"] += replotted - handled;
        state.counters["repaint_ms"] += ms - replotted;
        next = 1 - next;
    }
    for (const char* name : {"handler_ms", "replot_ms", "repaint_ms"}) {
        state.counters[name] = benchmark::Counter(state.counters[name], benchmark::Counter::kAvgIterations);
    }
    app.Session.markSaved(app.Project);  // nothing to save: the window must not ask on the way out
}

// The offscreen platform says on every window that it cannot pass size hints on; nothing else is
// dropped.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietOffscreen);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir programFolder;
    if (!programFolder.isValid()) {
        std::fprintf(stderr, "cannot create a temporary program folder\n");
        return 1;
    }
    Samples samples;
    const QString folder = programFolder.path();

    // The main window runs first: the plain window takes its size from it.
    benchmark::RegisterBenchmark("MainWindow_ToFirstFrame",
                                 [&](benchmark::State& s) { mainWindowToFirstFrame(s, samples, folder); })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(25)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainWindowWithPlot_ToFirstFrame",
                                 [&](benchmark::State& s) { plainWindowToFirstFrame(s, samples); })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(25)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TypedReading_ToRepaintedResults",
                                 [&](benchmark::State& s) { typedReadingToRepaint(s, samples, folder); })
        ->UseManualTime()
        ->Iterations(200)
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // The first start-up also creates the default project and warms the font caches: leave it out.
    for (auto* v :
         {&samples.mainStartMs, &samples.mainStartCpuMs, &samples.plainStartMs, &samples.plainStartCpuMs}) {
        if (v->size() > 1) v->erase(v->begin());
    }
    const double mainMs = median(samples.mainStartMs), mainCpu = median(samples.mainStartCpuMs);
    const double plainMs = median(samples.plainStartMs), plainCpu = median(samples.plainStartCpuMs);
    std::printf("\nmedian start-up to first frame (wall / CPU):\n");
    std::printf("  main window                 %7.2f ms / %7.2f ms\n", mainMs, mainCpu);
    std::printf("  plain window with one plot  %7.2f ms / %7.2f ms\n", plainMs, plainCpu);
    if (plainMs > 0 && plainCpu > 0) {
        std::printf("  ratio                       %7.2f    / %7.2f     (aim: at most 1.5)\n",
                    mainMs / plainMs, mainCpu / plainCpu);
    }
    std::printf(
        "median typed reading to repainted labels and graphs (wall / CPU): %.3f ms / %.3f ms (aim: under 5 "
        "ms)\n",
        median(samples.readingMs), median(samples.readingCpuMs));
    return 0;
}
