// The desktop program: veltrix [--quit-after-load] [--screenshot FILE.png] [--filter TEXT]
// [--detail ROW] [--view VIEW] [--help] [--version] [--] [FILE...]
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/app_command_line.h"
#include "app/detail_pane.h"
#include "app/filter_bar.h"
#include "app/filter_settings.h"
#include "app/main_window.h"
#include "app/message_presenter.h"
#include "app/open_dialog.h"
#include "app/recent_files.h"
#include "app/settings_store.h"
#include "app/start_options.h"
#include "core/program_help.h"

using namespace veltrix::app;

int main(int argc, char** argv) {
  // Help and version need no display, so they are answered before the application starts.
  const StartOptions early = ParseStartArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (early.error.empty() && (early.help || early.version)) {
    std::fputs(early.help ? veltrix::kWindowHelpText : VersionText().toUtf8().constData(), stdout);
    return 0;
  }
  QApplication application(argc, argv);  // takes Qt's own options out of argv
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  QApplication::setApplicationVersion(QStringLiteral("2.0.1"));
  // The installed icon and desktop entry, where they are installed; nothing otherwise.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("veltrix")));
  QGuiApplication::setDesktopFileName(QStringLiteral("veltrix"));

  const StartOptions options = ParseStartArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!options.error.empty()) {
    std::fprintf(stderr, "veltrix: %s\n%s", options.error.c_str(), kStartUsage);
    return 2;
  }
  const CommandLineFiles files = ChooseCommandLineFiles(options.words, [](const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).isFile();
  });
  const bool unattended = options.quitAfterLoad || !options.screenshotPath.empty();
  std::unique_ptr<MessagePresenter> presenter;
  if (unattended) {
    presenter = std::make_unique<StandardErrorPresenter>();
  } else {
    presenter = std::make_unique<MessageBoxPresenter>();
  }
  MessagePresenter* messages = presenter.get();
  // Unattended runs leave the user's settings alone and always show the window as at first.
  const std::unique_ptr<QSettings> settings = unattended ? nullptr : UserSettings();
  std::unique_ptr<OpenDialog> openDialog = std::make_unique<FileOpenDialog>();
  if (settings)
    openDialog = std::make_unique<RememberingOpenDialog>(std::move(openDialog), *settings);
  MainWindow window(std::move(presenter), std::move(openDialog));
  if (settings) {
    (new WindowSettings(window, *settings))->Restore();
    (new FilterSettings(window, *settings))->Restore();
    new RecentFiles(window, *settings,
                    [&window, messages](const QString& text) { messages->Show(&window, text); });
  }
  window.show();

  int status = 0;
  QTimer::singleShot(0, &window, [&] {
    window.LoadCommandLine(files.commandLine);
    if (!files.notOpened.empty()) messages->Show(&window, NotOpenedMessage(files.notOpened));
    if (!options.view.empty()) window.ViewBarAction(QString::fromStdString(options.view));
    if (!options.filterText.empty())
      window.filterBar()->textField()->setText(QString::fromLocal8Bit(options.filterText.c_str()));
    if (options.detailRow > 0) {
      // The pane takes its room beside the list, so the window grows by it.
      window.resize(window.width() + 580, window.height());
      window.detailPane()->show();
      window.resizeDocks({window.detailPane()}, {570}, Qt::Horizontal);
      QTableView* list = window.listView();
      list->selectionModel()->setCurrentIndex(
          list->model()->index(options.detailRow - 1, 0),
          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (!unattended) return;
    // Let the list lay itself out and paint once before the picture or the end.
    QTimer::singleShot(200, &window, [&] {
      if (!options.screenshotPath.empty() &&
          !window.grab().save(QString::fromLocal8Bit(options.screenshotPath.c_str()), "PNG")) {
        std::fprintf(stderr, "veltrix: cannot write %s\n", options.screenshotPath.c_str());
        status = 1;
      }
      QApplication::quit();
    });
  });
  const int result = QApplication::exec();
  return status != 0 ? status : result;
}
