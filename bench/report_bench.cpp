// Time to write a one-project report as corvane-cli report and File > Export Report... do it: the
// calculation, the layout of every page, the PDF in memory, and the PDF written safely to a file.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "calc/graph/ToleranceBand.h"
#include "calc/methods/Growth.h"
#include "report/Report.h"
#include "report/ReportFile.h"

namespace {

// The default project with growth and the tolerance band on: every part of a section is drawn.
std::vector<corvane::ReportSection> oneProject() {
    corvane::ProjectRecord record;
    corvane::setDefaults(record);
    record.Machine = "Cooling water pump P-101";
    record.Technician = "J. Smith";
    record.Comments = "As found before the overhaul.\r\nBase plate shimmed on foot 3.";
    for (int f = 0; f < 4; ++f) record.growth(0, f) = corvane::footGrowth(144, 72, 10, 0);
    corvane::CalcOptions options;
    options.growthOn = true;
    options.toleranceOn = true;
    options.tolerance = corvane::calcTolerance(corvane::toleranceSpan(record, 0), record.RPM);
    return {corvane::makeReportSection("job.qdl", record, options)};
}

void reportInMemory(benchmark::State& state) {
    const auto sections = oneProject();
    for (auto _ : state) {
        QByteArray pdf = corvane::reportPdf(sections, corvane::DisplayFormat{});
        benchmark::DoNotOptimize(pdf);
    }
}

void reportWrittenToFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("job.pdf"));
    for (auto _ : state) {
        const auto sections = oneProject();
        const QByteArray pdf = corvane::reportPdf(sections, corvane::DisplayFormat{});
        if (!corvane::writeFileReplacing(file, pdf)) state.SkipWithError("cannot write the report");
    }
}

}  // namespace

BENCHMARK(reportInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(reportWrittenToFile)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Fonts need Qt Gui; a benchmark run has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
