// The main window driven as a user drives it: a file on the command line, the Open command
// through a stubbed dialog, the view and action buttons, the options, refusals and errors.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "app/row_table_model.h"
#include "app_test_support.h"
#include "core/failure.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

constexpr int kSmallSongRows = 7;  // the End of Track event has no row
constexpr int kSysexRow = 3;
constexpr int kRunningStatusRow = 5;
const QString kBadFile = "Bad File";
const QString kNotMidi = "This file is not based on the midi standard and can not be processed.";
const QString kNotConverted = "This file could not be converted to type 0 midi format";
const QString kNotFound = "This file is Not found.";

QString LabelText(const WindowUnderTest& ui, const char* name) {
  return ui.window->findChild<QLabel*>(name)->text();
}

QAction* ViewButton(const WindowUnderTest& ui, const QString& key) {
  for (QAction* action : ui.window->findChild<QToolBar*>("Viewbar")->actions())
    if (action->data().toString() == key) return action;
  return nullptr;
}

}  // namespace

class WindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void commandLineFileIsListed_data() {
    QTest::addColumn<bool>("quoted");
    QTest::newRow("quoted") << true;
    QTest::newRow("unquoted, blanks kept") << false;
  }
  void commandLineFileIsListed() {
    QFETCH(bool, quoted);
    TestFiles files;
    const QString path = files.Write("my song.mid", SmallSong());
    WindowUnderTest ui;
    const std::string line = quoted ? "\"" + path.toStdString() + "\"" : path.toStdString();
    ui.window->LoadCommandLine(line);
    QCOMPARE(ui.Rows(), kSmallSongRows);
    QCOMPARE(ui.PressedView(), QString("Midi"));
    QCOMPARE(ui.window->windowTitle(), QString("Veltrix"));  // only the Open command sets it
    QCOMPARE(LabelText(ui, "lblFilename"), QString("my song.mid"));
    QVERIFY(LabelText(ui, "lblTracks").startsWith("Tracks: "));
    QVERIFY(ui.messages->messages.isEmpty());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void commandLineRefusalsLeaveTheWindowUsable_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << true << kBadFile;
    QTest::newRow("MX") << QByteArray("MXhd\0\0\0\6", 8) << true << kNotMidi;
    QTest::newRow("missing") << QByteArray() << false << kNotFound;
  }
  void commandLineRefusalsLeaveTheWindowUsable() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QFETCH(QString, message);
    TestFiles files;
    const QString path = exists ? files.Write("x.mid", builder::Bytes(bytes.begin(), bytes.end()))
                                : files.Path("absent.mid");
    WindowUnderTest ui;
    ui.window->LoadCommandLine(path.toStdString());
    QCOMPARE(ui.messages->messages, QStringList{message});
    QCOMPARE(ui.Rows(), 0);
    QVERIFY(ui.Headers().isEmpty());

    ui.OpenThroughMenu(files.Write("good.mid", SmallSong()));
    QCOMPARE(ui.Rows(), kSmallSongRows);
    QCOMPARE(ui.messages->messages.size(), 1);
  }

  void openCommandListsTheChosenFile() {
    TestFiles files;
    const QString path = files.Write("song.mid", SmallSong());
    WindowUnderTest ui;
    ui.window->LoadCommandLine("");
    ui.OpenThroughMenu(path);
    QCOMPARE(ui.dialog->shown, 1);
    QCOMPARE(ui.window->windowTitle(), "Veltrix   " + path);
    QCOMPARE(ui.Rows(), kSmallSongRows);
    QCOMPARE(ui.Headers(), QStringList({"ID", "Delay", "Measure", "Ch", "Type", "Command"}));
    QCOMPARE(ui.Cell(0, 0), QString("000022"));
    QCOMPARE(ui.window->statusText(), QString(" To sort, click on a column header."));
    QCOMPARE(ui.window->findChild<QProgressBar*>("pbr1")->value(), 0);

    // The next dialog starts at the current file.
    ui.dialog->answers.push_back(QString());
    ui.Trigger("mnuOpen");
    QCOMPARE(ui.dialog->lastCurrentFile, path);
  }

  void cancellingTheDialogChangesNothing() {
    TestFiles files;
    const QString path = files.Write("song.mid", SmallSong());
    WindowUnderTest ui;
    ui.OpenThroughMenu(path);
    const QString title = ui.window->windowTitle();
    ui.dialog->answers.push_back(QString());
    ui.window->ActionBarAction("Open");
    QCOMPARE(ui.dialog->shown, 2);
    QCOMPARE(ui.window->windowTitle(), title);
    QCOMPARE(ui.Rows(), kSmallSongRows);
    QVERIFY(ui.messages->messages.isEmpty());
  }

  void openRefusalsEmptyTheListAndTakeTheCaption_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << kBadFile;
    QTest::newRow("RIFF") << QByteArray("RIFF\0\0\0\4WAVE", 12) << kNotMidi;
    const builder::Bytes broken = builder::SmfBuilder(1, 96).TrackCount(2).Build();
    QTest::newRow("format 1 that cannot be converted")
        << QByteArray(reinterpret_cast<const char*>(broken.data()),
                      static_cast<qsizetype>(broken.size()))
        << kNotConverted;
  }
  void openRefusalsEmptyTheListAndTakeTheCaption() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("good.mid", SmallSong()));
    const QString refused = files.Write("refused.mid", builder::Bytes(bytes.begin(), bytes.end()));
    ui.OpenThroughMenu(refused);
    QCOMPARE(ui.messages->messages, QStringList{message});
    QCOMPARE(ui.window->windowTitle(), "Veltrix   " + refused);
    QCOMPARE(ui.Rows(), 0);
    QCOMPARE(ui.messages->shownUnderBusyCursor, 0);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void anUnreadableFileIsReportedAndTheWindowStaysUsable() {
    TestFiles files;
    WindowUnderTest ui;
    ui.dialog->answers.push_back(files.Path("gone.mid"));
    ui.window->ActionBarAction("Open");
    QCOMPARE(ui.messages->messages, QStringList{kNotFound});
    QCOMPARE(ui.Rows(), 0);
    ui.OpenThroughMenu(files.Write("good.mid", SmallSong()));
    QCOMPARE(ui.Rows(), kSmallSongRows);
  }

  void viewButtonsSwitchTheView_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("firstHeader");
    QTest::addColumn<int>("columns");
    QTest::newRow("Casm") << "Casm"
                          << "   " << 3;
    QTest::newRow("Ots") << "Ots"
                         << "OTS #" << 5;
    QTest::newRow("Mfd") << "Mfd"
                         << "Music" << 5;
    QTest::newRow("Midi") << "Midi"
                          << "ID" << 6;
  }
  void viewButtonsSwitchTheView() {
    QFETCH(QString, key);
    QFETCH(QString, firstHeader);
    QFETCH(int, columns);
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    for (int click = 0; click < 2; ++click) {  // the pressed button rebuilds its view
      ViewButton(ui, key)->trigger();
      QCOMPARE(ui.PressedView(), key);
      QCOMPARE(ui.Headers().size(), columns);
      QCOMPARE(ui.Headers().front(), firstHeader);
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void decodeOptionRelistsAtOnce() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    const QString decoded = ui.Cell(kSysexRow, 5);
    ViewButton(ui, "Casm")->trigger();

    ui.Trigger("mnuDecode");
    QVERIFY(!ui.window->findChild<QAction*>("mnuDecode")->isChecked());
    QCOMPARE(ui.PressedView(), QString("Midi"));
    QCOMPARE(ui.Rows(), kSmallSongRows);
    QCOMPARE(ui.Cell(kSysexRow, 5), QString("43 10 4C 00 F7 "));

    ui.Trigger("mnuDecode");
    QCOMPARE(ui.Cell(kSysexRow, 5), decoded);
  }

  void optionsWithNoFileOnlyChangeTheOption() {
    WindowUnderTest ui;
    ui.window->LoadCommandLine("");
    ui.Trigger("mnuDecode");
    ui.Trigger("mnuRunningStatus");
    QVERIFY(ui.messages->messages.isEmpty());
    QCOMPARE(LabelText(ui, "lblWarning"), QString());
    QVERIFY(!ui.window->session().options().DecodeSysex);
    QVERIFY(ui.window->session().options().MarkRunningStatus);
    // The changed option holds for the next file.
    TestFiles files;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    QCOMPARE(ui.Cell(kSysexRow, 5), QString("43 10 4C 00 F7 "));
  }

  void runningStatusMarkShowsFromTheNextListing() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    ui.Trigger("mnuRunningStatus");
    QVERIFY(ui.window->findChild<QAction*>("mnuRunningStatus")->isChecked());
    QVERIFY(!ui.Cell(kRunningStatusRow, 5).endsWith('*'));
    ViewButton(ui, "Midi")->trigger();
    QVERIFY(ui.Cell(kRunningStatusRow, 5).endsWith('*'));
    QVERIFY(!ui.Cell(kRunningStatusRow - 1, 5).endsWith('*'));
  }

  void hideGridlinesToggles() {
    WindowUnderTest ui;
    ui.Trigger("mnuHideGridlines");
    QVERIFY(!ui.window->listView()->showGrid());
    QVERIFY(ui.window->findChild<QAction*>("mnuHideGridlines")->isChecked());
    ui.Trigger("mnuHideGridlines");
    QVERIFY(ui.window->listView()->showGrid());
  }

  void copyPutsHeaderAndSelectedRowsOnTheClipboard() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    const QString header = "ID\tDelay\tMeasure\tCh\tType\tCommand\t\r\n";

    ui.window->ActionBarAction("Copy");
    QCOMPARE(QGuiApplication::clipboard()->text(), header);
    QCOMPARE(ui.window->statusText(), QString("Copy completed"));

    QItemSelectionModel* selection = ui.window->listView()->selectionModel();
    auto selectRow = [&](int row) {
      selection->select(ui.window->tableModel()->index(row, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    selectRow(4);
    selectRow(2);
    ui.Trigger("mnuCopy");
    const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
    QCOMPARE(lines.size(), 4);  // header, two rows, the empty rest after the last CR LF
    QCOMPARE(lines[0] + "\r\n", header);
    QVERIFY(lines[1].startsWith(ui.Cell(2, 0) + '\t'));
    QVERIFY(lines[2].startsWith(ui.Cell(4, 0) + '\t'));
    QCOMPARE(lines[1].count('\t'), 5);
    QVERIFY(lines[1].contains("\t\tMetadata\t"));  // an empty Ch cell gives two TABs
    QCOMPARE(lines[3], QString());
  }

  void actionBarKeysWithoutAnActionDoNothing() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    for (const char* key : {"Find", "Next", "Options", "open", "Nothing"}) {
      ui.window->ActionBarAction(key);
      QCOMPARE(ui.Rows(), kSmallSongRows);
    }
    QVERIFY(ui.messages->messages.isEmpty());
    QCOMPARE(ui.dialog->shown, 1);
  }

  void exitClosesTheWindow() {
    WindowUnderTest ui;
    QVERIFY(ui.window->isVisible());
    ui.window->ActionBarAction("Exit");
    QVERIFY(!ui.window->isVisible());
  }

  // Thousands of equal reports in one command show once, then one box counts the rest.
  void repeatedReportsAreShownOnceACommand() {
    WindowUnderTest ui;
    Session& session = ui.window->session();
    ui.window->SetActionHandler("Find", [&session] {
      for (int i = 0; i < 5000; ++i) session.reporter.Report(Failure(kSubscriptOutOfRange), "X");
      session.reporter.Report(Failure(kDivisionByZero), "X");
      session.reporter.Report(Failure(kSubscriptOutOfRange), "X");
    });
    ui.window->ActionBarAction("Find");
    QCOMPARE(ui.messages->messages.size(), 3);
    QVERIFY(ui.messages->messages[0].startsWith("Error #: 9, "));
    QVERIFY(ui.messages->messages[1].startsWith("Error #: 11, "));
    QCOMPARE(ui.messages->messages[2],
             QString("5000 further reports of this command were not shown."));

    ui.window->ActionBarAction("Find");  // a new command shows its first report again
    QCOMPARE(ui.messages->messages.size(), 6);
    QCOMPARE(ui.messages->messages[3], ui.messages->messages[0]);
  }

  void listingMovesTheProgressBarUnderTheHourglass() {
    TestFiles files;
    const QString path = files.Write("many.mid", ManyNotes(20000));
    WindowUnderTest ui;
    int moves = 0;
    int movesWithoutHourglass = 0;
    connect(ui.window.get(), &MainWindow::listingProgress, this, [&](qint64) {
      ++moves;
      const QCursor* cursor = QApplication::overrideCursor();
      if (cursor == nullptr || cursor->shape() != Qt::WaitCursor) ++movesWithoutHourglass;
    });
    ui.OpenThroughMenu(path);
    QCOMPARE(ui.Rows(), 20001);
    QVERIFY(moves > 100);
    QCOMPARE(movesWithoutHourglass, 0);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(ui.window->findChild<QProgressBar*>("pbr1")->value(), 0);
  }

  void resizingMovesTheListsEdgesWithTheWindow() {
    WindowUnderTest ui;
    QWidget* list = ui.window->listView();
    QWidget* warning = ui.window->findChild<QWidget*>("lblWarning");
    QWidget* progress = ui.window->findChild<QWidget*>("pbr1");
    const QRect start = list->geometry();
    const QSize windowStart = ui.window->size();

    ui.window->resize(windowStart + QSize(150, 90));
    QTRY_COMPARE(list->geometry(), QRect(start.topLeft(), start.size() + QSize(150, 90)));
    QCOMPARE(warning->y(), list->geometry().bottom() + 1 + 7);
    QCOMPARE(progress->y(), warning->y());
    QCOMPARE(warning->x(), 8);
    QCOMPARE(ui.window->findChild<QWidget*>("Frame2")->geometry(), QRect(284, 47, 331, 62));

    // Narrower than the top row (a list 609 wide) the window cannot get; lower it can, down to
    // the list's minimum.
    ui.window->resize(windowStart - QSize(400, 200));
    QTRY_COMPARE(list->geometry(), QRect(start.topLeft(), QSize(609, start.height() - 200)));
    QCOMPARE(warning->y(), start.bottom() - 200 + 1 + 7);
  }
};

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
