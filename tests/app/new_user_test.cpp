// What a new user meets in the window: a refused file, the next file after a scrolled or
// warned one, the Time column going while the list is sorted by it, Help without a viewer,
// Go To by kind, long print previews, column and dialog sizes and the Open dialog's filters.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include "app/go_to.h"
#include "app/list_printer.h"
#include "app/open_dialog.h"
#include "app/problems_pane.h"
#include "app/recent_files.h"
#include "app_test_support.h"
#include "builder/style_builder.h"
#include "shell/open_command.h"
#include "views/about_info.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

QString LabelText(const WindowUnderTest& ui, const char* name) {
  return ui.window->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// 120 beats a minute at 480 ticks a quarter: 960 ticks a second. A note every second on
// channels counting down, and the text "thirty" at 30 s.
builder::Bytes SecondsSong() {
  builder::TrackBuilder track;
  track.TimeSignature(0, 4, 2).Tempo(0, 500000);
  for (int second = 0; second < 40; ++second) {
    int delta = second == 0 ? 0 : 960;
    if (second == 30) {
      track.Meta(delta, 0x01, "thirty");
      delta = 0;
    }
    track.Event(delta, {static_cast<uint8_t>(0x90 | (15 - second % 16)), 60, 1});
  }
  return builder::SmfBuilder(0, 480).Track(track.EndOfTrack()).Build();
}

class AnsweringPreview final : public PrintPreview {
 public:
  void Show(QWidget*, const QString&, const std::function<void(QPrinter&)>&) override { ++shown; }
  bool AgreeToLongList(QWidget*, int pages) override {
    askedPages = pages;
    return agree;
  }
  bool agree = false;
  int askedPages = 0;
  int shown = 0;
};

// Programs in a folder of their own, the search path set to it while the test runs.
class FakePrograms {
 public:
  FakePrograms() : path_(qgetenv("PATH")) { qputenv("PATH", folder_.path().toLocal8Bit()); }
  ~FakePrograms() { qputenv("PATH", path_); }
  void Add(const char* name, const char* script) {
    QFile file(folder_.filePath(QString::fromLatin1(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("#!/bin/sh\n") + script + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

 private:
  QTemporaryDir folder_;
  QByteArray path_;
};

}  // namespace

class NewUserTest : public QObject {
  Q_OBJECT

 private slots:
  void refusedFileLeavesNothingOfThePreviousOne() {
    TestFiles files;
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath("v.ini"), QSettings::IniFormat);
    WindowUnderTest ui;
    auto* recent = new RecentFiles(*ui.window, settings, [](const QString&) {});
    const QString song = files.Write("song.mid", SmallSong());
    ui.OpenThroughMenu(song);
    QVERIFY(ui.Rows() > 0);
    QVERIFY(!LabelText(ui, "lblTracks").isEmpty());

    ui.OpenThroughMenu(files.Write("junk.mid", builder::Bytes{'h', 'e', 'l', 'l', 'o'}));
    QCOMPARE(ui.messages->messages, QStringList{kNotMidiMessage});
    QCOMPARE(ui.Rows(), 0);
    QCOMPARE(LabelText(ui, "lblFilename"), QString("junk.mid"));
    QCOMPARE(LabelText(ui, "lblTracks"), QString());
    QCOMPARE(recent->files().size(), 1);  // the song only
    // The Problems pane checks the refused file: five bytes hold no MIDI header.
    ui.Trigger("mnuProblems");
    QVERIFY(ui.window->problemsPane()->shownCheck().has_value());
    QVERIFY(!ui.window->problemsPane()->shownCheck()->format.has_value());
  }

  void nextFileShowsItsFirstRowAndNoOldWarning() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    ui.window->ViewBarAction("Casm");  // a song has no CASM section
    QCOMPARE(LabelText(ui, "lblWarning"), QString("No CASM in file"));
    ui.OpenThroughMenu(files.Write("long.mid", ManyNotes(3000)));
    QCOMPARE(LabelText(ui, "lblWarning"), QString());
    QScrollBar* bar = ui.window->listView()->verticalScrollBar();
    ui.window->listView()->scrollToBottom();
    QVERIFY(bar->value() > 0);
    ui.OpenThroughMenu(files.Write("long2.mid", ManyNotes(2000)));
    QCOMPARE(bar->value(), 0);
  }

  // With the Time column on, the Midi view's columns are ID, Delay, Measure:Beat:Tick, Time,
  // Ch, Type, Command; without it Ch is the fourth.
  void timeColumnGoingKeepsTheSort_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("markAfter");  // -1: no sort mark
    QTest::newRow("by Time, latest first") << 3 << 2 << -1;
    QTest::newRow("by Ch") << 4 << 1 << 3;
  }
  void timeColumnGoingKeepsTheSort() {
    QFETCH(int, column);
    QFETCH(int, clicks);
    QFETCH(int, markAfter);
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("seconds.mid", SecondsSong()));
    ui.Trigger("mnuTimeColumn");
    QCOMPARE(ui.Headers().value(3), QString("Time"));
    for (int click = 0; click < clicks; ++click) ui.ClickHeader(column);
    const QString firstBefore = ui.Cell(0, 0);
    ui.Trigger("mnuTimeColumn");
    QCOMPARE(ui.Headers().value(3), QString("Ch"));
    QHeaderView* header = ui.window->listView()->horizontalHeader();
    QCOMPARE(header->isSortIndicatorShown(), markAfter >= 0);
    if (markAfter >= 0) QCOMPARE(header->sortIndicatorSection(), markAfter);
    // The same first row: for the time sort, the End of Track, whose offset is the largest.
    QCOMPARE(ui.Cell(0, 0), firstBefore);
    if (markAfter < 0)
      for (int row = 1; row < ui.Rows(); ++row) QVERIFY(ui.Cell(row, 0) < firstBefore);
  }

  // F1 hands the manual on only when the desktop names a program for PDF files.
  void helpAsksForAViewerFirst() {
    QTemporaryDir folder;
    const QString manual = folder.filePath(kManualFileName);
    for (const bool viewer : {false, true}) {
      FakePrograms programs;
      programs.Add("xdg-mime", viewer ? "echo viewer.desktop" : "exit 0");
      QCOMPARE(HasViewerFor(manual), viewer);
    }
  }

  void goToReadsByTheChosenKind() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("seconds.mid", SecondsSong()));
    auto openDialog = [&] {
      ui.Trigger("mnuGoTo");
      auto* dialog = ui.window->findChild<GoToDialog*>();
      dialog->setAttribute(Qt::WA_DeleteOnClose, false);
      return dialog;
    };
    GoToDialog* dialog = openDialog();
    auto* kind = dialog->findChild<QComboBox*>("cboGoToKind");
    kind->setCurrentText("Time");
    dialog->findChild<QLineEdit*>("txtGoTo")->setText("0:30");
    dialog->accept();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const int row = ui.window->listView()->currentIndex().row();
    QVERIFY(ui.Cell(row, 5).contains("thirty"));
    delete dialog;

    dialog = openDialog();  // the kind is kept
    QCOMPARE(dialog->findChild<QComboBox*>("cboGoToKind")->currentText(), QString("Time"));
    dialog->findChild<QComboBox*>("cboGoToKind")->setCurrentText("Measure");
    dialog->findChild<QLineEdit*>("txtGoTo")->setText("twelve");
    dialog->accept();
    auto* reason = dialog->findChild<QLabel*>("lblGoToReason");
    QVERIFY(!reason->text().isEmpty());
    QTRY_VERIFY(reason->height() >= reason->heightForWidth(reason->width()));
    delete dialog;

    ui.window->listView()->setFocus();
    QTest::keyClick(ui.window->listView(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(ui.window->statusBar()->currentMessage(), QString("No markers in this file"));
  }

  void longListIsAskedAboutFirst() {
    for (const int rows : {150000, 500}) {
      WindowUnderTest ui;
      auto owned = std::make_unique<AnsweringPreview>();
      AnsweringPreview* preview = owned.get();
      ui.window->SetPrintPreview(std::move(owned));
      ui.ShowList({{"ID", 700, Alignment::Left, ""}},
                  std::vector<std::vector<std::string>>(static_cast<size_t>(rows), {"x"}));
      ui.Trigger("mnuPrint");
      // An 8-point line on any paper: well over 1,000 pages for 150,000 rows, one for 500.
      QCOMPARE(preview->askedPages > 1000, rows > 1000);
      QCOMPARE(preview->shown, rows > 1000 ? 0 : 1);
    }
  }

  void cancelledPrintStopsDrawing() {
    WindowModel window;
    window.SetColumns({{"ID", 700, Alignment::Left, ""}});
    for (int row = 0; row < 400; ++row) window.rows.AddRow({"x"});
    QTemporaryDir folder;
    for (const bool cancel : {false, true}) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(folder.filePath("list.pdf"));
      // Drawing is the second half of the work.
      const int pages = PrintList(window, "h", printer,
                                  [&](int thousandths) { return !cancel || thousandths < 500; });
      QCOMPARE(pages > 1, !cancel);
    }
  }

  void columnsShowTheirTexts() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(
        files.Write("style.sty", builder::StyleBuilder(builder::SampleStyleTrack())
                                     .Casm(builder::CasmBuilder().Cseg().Sdec("Main A").Ctab({}))
                                     .Build()));
    ui.window->ViewBarAction("Casm");
    QTableView* list = ui.window->listView();
    QHeaderView* header = list->horizontalHeader();
    int longest = 0;
    for (int row = 0; row < ui.Rows(); ++row)
      longest = std::max(longest, list->fontMetrics().horizontalAdvance(ui.Cell(row, 1)));
    QVERIFY(longest > 0);
    // A cell draws its text inside a margin of the focus frame's width and one pixel a side.
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    QVERIFY(header->sectionSize(1) >= longest + 2 * margin);
    // The last column ends at the list's right edge.
    const int last = header->count() - 1;
    QVERIFY(header->sectionViewportPosition(last) + header->sectionSize(last) >=
            list->viewport()->width());
  }

  void openDialogOffersMidiFilesAndAllFiles() {
    QTemporaryDir folder;
    for (const char* name : {"a.midi", "B.MIDI", "c.mid", "notes.txt"}) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog;
    ConfigureOpenDialog(dialog);
    QVERIFY(dialog.width() > 624 && dialog.height() > 412);
    dialog.setDirectory(folder.path());
    auto* list = dialog.findChild<QListView*>("listView");
    auto shownNames = [&] {
      QStringList names;
      const QModelIndex root = list->rootIndex();
      for (int row = 0; row < list->model()->rowCount(root); ++row)
        names << list->model()->index(row, 0, root).data().toString();
      names.sort();
      return names;
    };
    QTRY_COMPARE(shownNames(), QStringList({"B.MIDI", "a.midi", "c.mid"}));
    QCOMPARE(dialog.nameFilters().size(), 2);
    QCOMPARE(dialog.nameFilters().front(), OpenNameFilter());
    dialog.selectNameFilter(dialog.nameFilters().back());
    QTRY_COMPARE(shownNames(), QStringList({"B.MIDI", "a.midi", "c.mid", "notes.txt"}));
  }
};

QTEST_MAIN(NewUserTest)
#include "new_user_test.moc"
