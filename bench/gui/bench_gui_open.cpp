// Opening a generated 1,000,000-event file in the window, from the Open command until the
// list has painted its first screen. Reports the peak resident memory of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/main_window.h"
#include "builder/smf_builder.h"
#include "gui/window_doubles.h"
#include "tools/large_file.h"

namespace {

using veltrix::bench::CountingPresenter;
using veltrix::bench::FixedDialog;

double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

void BM_OpenInWindow(benchmark::State& state) {
  const auto events = static_cast<uint32_t>(state.range(0));
  QTemporaryDir folder;
  const QString path = folder.filePath("large.mid");
  veltrix::builder::WriteFile(path.toStdString(), veltrix::bench::LargeFormat0File(events));

  int rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto presenter = std::make_unique<CountingPresenter>();
    CountingPresenter* messages = presenter.get();
    veltrix::app::MainWindow window(std::move(presenter), std::make_unique<FixedDialog>(path));
    window.show();
    QApplication::processEvents();
    state.ResumeTiming();

    window.OpenCommand();
    window.listView()->viewport()->repaint();
    QApplication::processEvents();

    state.PauseTiming();
    rows = window.listView()->model()->rowCount();
    if (messages->shown != 0) state.SkipWithError("the listing reported errors");
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
  state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_OpenInWindow)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
