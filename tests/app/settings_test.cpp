// What the window keeps between runs, in a settings file of the test's own: a second window
// finds the size, panes, a column width, the text encoding, the last folder and the recent
// files of the first; a first run and the list's own options start as the window always has.
#include <QAction>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/detail_pane.h"
#include "app/problems_pane.h"
#include "app/recent_files.h"
#include "app/settings_store.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

// One run of the program: a window with the settings file, put back as at start.
struct Run {
  explicit Run(const QString& file) : settings(file, QSettings::IniFormat) {
    auto presenter = std::make_unique<RecordingPresenter>();
    auto stub = std::make_unique<StubOpenDialog>();
    messages = presenter.get();
    dialog = stub.get();
    window = std::make_unique<MainWindow>(
        std::move(presenter), std::make_unique<RememberingOpenDialog>(std::move(stub), settings));
    window->SetManualFolders({});
    (new WindowSettings(*window, settings))->Restore();
    recent = new RecentFiles(*window, settings,
                             [this](const QString& text) { messages->messages.append(text); });
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qWarning("the window was not exposed");
  }
  void Open(const QString& path) {
    dialog->answers.push_back(path);
    window->findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QTest::qWait(1);  // the widths the listing asked for are placed
  }
  QAction* Action(const char* name) const {
    return window->findChild<QAction*>(QString::fromLatin1(name));
  }
  QHeaderView* Header() const { return window->listView()->horizontalHeader(); }

  QSettings settings;
  RecordingPresenter* messages;
  StubOpenDialog* dialog;
  std::unique_ptr<MainWindow> window;
  RecentFiles* recent;
};

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void aSecondRunFindsWhatTheFirstLeft() {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("Veltrix.conf"));
    TestFiles files;
    const QString song = files.Write(QStringLiteral("song.mid"), SmallSong());
    int defaultWidth = 0;
    {
      Run first(file);
      first.window->resize(1000, 720);
      first.Open(song);
      defaultWidth = first.Header()->sectionSize(3);
      first.Header()->resizeSection(3, defaultWidth + 77);
      first.Action("mnuEncoding_Shift_JIS")->trigger();
      first.window->detailPane()->show();
      first.Action("mnuDecode")->trigger();  // the list's own options are not kept
      first.Action("mnuHideGridlines")->trigger();
      first.window->close();
    }
    Run second(file);
    QCOMPARE(second.window->size(), QSize(1000, 720));
    QVERIFY(second.window->detailPane()->isVisible());
    QVERIFY(second.Action("mnuEncoding_Shift_JIS")->isChecked());
    QCOMPARE(second.window->session().codePage.name(), std::string("Shift_JIS"));
    QVERIFY(second.Action("mnuDecode")->isChecked());
    QVERIFY(!second.Action("mnuHideGridlines")->isChecked());
    QVERIFY(second.window->listView()->showGrid());
    QCOMPARE(second.recent->files(), QStringList{QFileInfo(song).absoluteFilePath()});

    second.Open(song);
    // The dialog started in the last folder, with no file named.
    QCOMPARE(QFileInfo(second.dialog->lastCurrentFile).absolutePath(),
             QFileInfo(song).absolutePath());
    QVERIFY(QFileInfo(second.dialog->lastCurrentFile).fileName().isEmpty());
    QCOMPARE(second.Header()->sectionSize(3), defaultWidth + 77);
  }

  void theAdditionsPanesAndTimeColumnAreKept() {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("Veltrix.conf"));
    {
      Run first(file);
      first.Action("mnuTimeColumn")->trigger();
      first.Action("mnuProblems")->trigger();
      first.window->close();
    }
    Run second(file);
    QVERIFY(second.Action("mnuTimeColumn")->isChecked());
    QVERIFY(second.window->session().options().TimeColumn);
    QVERIFY(second.window->problemsPane()->isVisible());
  }

  void aFirstRunLooksAsWithoutSettings() {
    QTemporaryDir config;
    Run first(config.filePath(QStringLiteral("Veltrix.conf")));
    WindowUnderTest plain;
    QCOMPARE(first.window->size(), plain.window->size());
    QCOMPARE(first.window->detailPane()->isVisible(), plain.window->detailPane()->isVisible());
    QCOMPARE(first.window->session().codePage.name(), plain.window->session().codePage.name());
    for (const char* option : {"mnuDecode", "mnuHideGridlines", "mnuRunningStatus"})
      QCOMPARE(first.Action(option)->isChecked(),
               plain.window->findChild<QAction*>(QString::fromLatin1(option))->isChecked());
    QVERIFY(!first.recent->menu()->isEnabled());
    QVERIFY(first.dialog->lastCurrentFile.isEmpty());
  }

  void recentFilesKeepTheLastEight() {
    QStringList files;
    for (int i = 1; i <= 10; ++i) files = WithRecentFile(files, QStringLiteral("/f%1").arg(i));
    QCOMPARE(files.size(), kRecentFilesKept);
    QCOMPARE(files.front(), QStringLiteral("/f10"));
    QCOMPARE(files.back(), QStringLiteral("/f3"));
    files = WithRecentFile(files, QStringLiteral("/f5"));
    QCOMPARE(files.mid(0, 3), (QStringList{"/f5", "/f10", "/f9"}));
    QCOMPARE(files.count(QStringLiteral("/f5")), 1);
  }

  void aRecentFileOpensAndAGoneOneIsTakenOff() {
    QTemporaryDir config;
    TestFiles files;
    const QString kept = files.Write(QStringLiteral("kept.mid"), SmallSong());
    const QString gone = files.Write(QStringLiteral("gone.mid"), SmallSong());
    Run run(config.filePath(QStringLiteral("Veltrix.conf")));
    run.Open(kept);
    run.Open(gone);
    run.Open(files.Write(QStringLiteral("refused.mid"), {'X', 'Y', 'Z'}));
    QCOMPARE(run.recent->files().size(), 2);  // a refused file is not listed, so not kept
    QVERIFY(QFile::remove(gone));

    run.recent->menu()->actions().at(1)->trigger();  // "kept", the older one
    QCOMPARE(QString::fromStdString(run.window->session().window.fileName), kept);
    QCOMPARE(run.recent->files().value(0), QFileInfo(kept).absoluteFilePath());

    run.messages->messages.clear();
    run.recent->OpenRecent(QFileInfo(gone).absoluteFilePath());
    QCOMPARE(run.messages->messages,
             QStringList{RecentFileGoneMessage(QFileInfo(gone).absoluteFilePath())});
    QCOMPARE(run.recent->files(), QStringList{QFileInfo(kept).absoluteFilePath()});
    QCOMPARE(run.recent->menu()->actions().size(), 1);
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
