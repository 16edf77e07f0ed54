// Moving through a large listing in the window: Ctrl+End to the last row, and screens of rows
// far apart, each until the list has painted. The file is VELTRIX_BENCH_FILE, or a generated
// file of VELTRIX_BENCH_EVENTS events (1,000,000 by default); it is opened once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <random>

#include "app/main_window.h"
#include "builder/smf_builder.h"
#include "gui/window_doubles.h"
#include "tools/large_file.h"

namespace {

using veltrix::bench::CountingPresenter;
using veltrix::bench::FixedDialog;

// The window with the file listed, made at the first use and closed before the application
// ends (a window must not outlive it).
std::unique_ptr<QTemporaryDir> folder;
std::unique_ptr<veltrix::app::MainWindow> window;

veltrix::app::MainWindow& OpenedWindow() {
  if (window) return *window;
  QString path = qEnvironmentVariable("VELTRIX_BENCH_FILE");
  if (path.isEmpty()) {
    const char* count = std::getenv("VELTRIX_BENCH_EVENTS");
    const auto events = static_cast<uint32_t>(count ? std::strtoul(count, nullptr, 10) : 1000000);
    folder = std::make_unique<QTemporaryDir>();
    path = folder->filePath("large.mid");
    veltrix::builder::WriteFile(path.toStdString(), veltrix::bench::LargeFormat0File(events));
  }
  window = std::make_unique<veltrix::app::MainWindow>(std::make_unique<CountingPresenter>(),
                                                      std::make_unique<FixedDialog>(path));
  window->resize(1200, 900);
  window->show();
  QApplication::processEvents();
  window->OpenCommand();
  QApplication::processEvents();
  return *window;
}

void Paint(QTableView& list) {
  list.viewport()->repaint();
  QApplication::processEvents();
}

void BM_CtrlEndThenCtrlHome(benchmark::State& state) {
  QTableView& list = *OpenedWindow().listView();
  list.setFocus();
  int lastRowShown = 0;
  for (auto _ : state) {
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Home}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
      QApplication::sendEvent(&list, &press);
      Paint(list);
      if (key == Qt::Key_End) lastRowShown = list.rowAt(list.viewport()->height() - 1);
    }
  }
  // The row at the foot of the list after Ctrl+End: the last row, counted from 0.
  state.counters["rows"] = list.model()->rowCount();
  state.counters["last_row_shown"] = lastRowShown;
}
BENCHMARK(BM_CtrlEndThenCtrlHome)->Unit(benchmark::kMillisecond);

// A screen of rows at a place chosen at random over the whole list.
void BM_ScreenAnywhere(benchmark::State& state) {
  QTableView& list = *OpenedWindow().listView();
  QScrollBar& bar = *list.verticalScrollBar();
  std::mt19937 places(7);
  for (auto _ : state) {
    bar.setValue(std::uniform_int_distribution<int>(0, bar.maximum())(places));
    Paint(list);
  }
  state.counters["rows"] = list.model()->rowCount();
}
BENCHMARK(BM_ScreenAnywhere)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  window.reset();
  folder.reset();
  return 0;
}
