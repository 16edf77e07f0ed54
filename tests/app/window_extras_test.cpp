// The additions around the list: a dropped file opens, the filter bar narrows the list (and
// sort, search, copy, print and export follow it), the event detail pane, export files read
// back, and the text encoding menu lists again.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include "app/detail_pane.h"
#include "app/export_action.h"
#include "app/filter_bar.h"
#include "app/row_table_model.h"
#include "app/start_options.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

// Answers the export dialog with the next choice; none left is a cancel.
class StubExportDialog final : public ExportDialog {
 public:
  std::optional<ExportChoice> ChooseTarget(QWidget*, const QString& suggested) override {
    lastSuggested = suggested;
    if (answers.empty()) return std::nullopt;
    ExportChoice choice = answers.front();
    answers.pop_front();
    return choice;
  }
  std::deque<ExportChoice> answers;
  QString lastSuggested;
};

StubExportDialog* UseExportStub(WindowUnderTest& ui) {
  auto stub = std::make_unique<StubExportDialog>();
  StubExportDialog* kept = stub.get();
  ui.window->SetExportDialog(std::move(stub));
  return kept;
}

const std::vector<Column> kEventColumns = {{"ID", 900, Alignment::Right, "NUMBER"},
                                           {"Ch", 500, Alignment::Centre, "NUMBER"},
                                           {"Type", 1400, Alignment::Centre, ""},
                                           {"Command", 3000, Alignment::Left, ""}};
const std::vector<std::vector<std::string>> kEventRows = {
    {"000022", "", "Metadata", "Track Name: Song"}, {"000030", "2", "Midi Event", "Note On C4"},
    {"000034", "1", "Midi Event", "Note On E4"},    {"000040", "", "Sysex Command", "XG System On"},
    {"000048", "1", "Midi Event", "Note Off C4"},   {"000052", "1", "Midi Event", "Control Change"},
};

QStringList Column0(const WindowUnderTest& ui) {
  QStringList cells;
  for (int row = 0; row < ui.Rows(); ++row) cells << ui.Cell(row, 0);
  return cells;
}

int RowOfCommand(const WindowUnderTest& ui, int commandColumn, const QString& prefix) {
  for (int row = 0; row < ui.Rows(); ++row)
    if (ui.Cell(row, commandColumn).startsWith(prefix)) return row;
  return -1;
}

void SelectRow(const WindowUnderTest& ui, int row) {
  QTableView* list = ui.window->listView();
  list->selectionModel()->setCurrentIndex(
      list->model()->index(row, 0),
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void Drop(WindowUnderTest& ui, const QList<QUrl>& urls, bool& accepted) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint centre = ui.window->rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ui.window.get(), &enter);
  accepted = enter.isAccepted();
  if (!accepted) return;
  QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ui.window.get(), &drop);
}

// A song whose track name is テスト in Shift_JIS bytes.
builder::Bytes ShiftJisSong() {
  builder::TrackBuilder track;
  track.Meta(0, 0x03, std::string_view("\x83\x65\x83\x58\x83\x67"))
      .Event(0, {0x90, 0x3C, 0x64})
      .EndOfTrack(480);
  return builder::SmfBuilder(0, 480).Track(track).Build();
}

}  // namespace

class WindowExtrasTest : public QObject {
  Q_OBJECT

 private slots:
  void dropOpensTheFirstLocalFile() {
    WindowUnderTest ui;
    TestFiles files;
    const QString first = files.Write("first.mid", SmallSong());
    const QString second = files.Write("second.mid", ManyNotes(4));
    bool accepted = false;
    Drop(ui,
         {QUrl(QStringLiteral("https://example.org/x.mid")), QUrl::fromLocalFile(first),
          QUrl::fromLocalFile(second)},
         accepted);
    QVERIFY(accepted);
    QTRY_COMPARE(QString::fromStdString(ui.window->session().window.fileName), first);
    QCOMPARE(ui.PressedView(), QString("Midi"));
    QVERIFY(ui.Rows() > 3);
    QCOMPARE(ui.dialog->shown, 0);
    QVERIFY(ui.messages->messages.isEmpty());

    Drop(ui, {QUrl(QStringLiteral("https://example.org/y.mid"))}, accepted);
    QVERIFY(!accepted);
  }

  void filterKeepsRowsWithTheTextTypeAndChannel() {
    WindowUnderTest ui;
    ui.window->session().window.statusText = " To sort, click on a column header.";
    ui.ShowList(kEventColumns, kEventRows);
    FilterBar* bar = ui.window->filterBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->typeChoice()->isVisible());
    QVERIFY(bar->channelChoice()->isVisible());

    bar->textField()->setText(QStringLiteral("note ON"));
    QCOMPARE(Column0(ui), QStringList({"000030", "000034"}));
    QCOMPARE(ui.window->rowCountText(), QString("2 of 6 rows"));

    bar->textField()->clear();
    bar->typeChoice()->setCurrentText(QStringLiteral("Midi Event"));
    bar->channelChoice()->setCurrentIndex(bar->channelChoice()->findData(1));
    QCOMPARE(Column0(ui), QStringList({"000034", "000048", "000052"}));
    QCOMPARE(ui.window->rowCountText(), QString("3 of 6 rows"));

    bar->typeChoice()->setCurrentIndex(0);
    bar->channelChoice()->setCurrentIndex(0);
    QCOMPARE(ui.Rows(), 6);
    QCOMPARE(ui.window->statusText(), QString(" To sort, click on a column header."));

    // A view without Type and Ch columns offers no quick choices.
    ui.ShowList({{"Item", 900, Alignment::Left, ""}}, {{"a"}, {"b"}});
    QTRY_VERIFY(!bar->typeChoice()->isVisible());
    QTRY_VERIFY(!bar->channelChoice()->isVisible());

    // A type chosen in a view with a Type column holds again when such a view comes back.
    ui.window->session().window.rows.Clear();
    ui.ShowList(kEventColumns, kEventRows);
    bar->typeChoice()->setCurrentText(QStringLiteral("Sysex Command"));
    QCOMPARE(Column0(ui), QStringList({"000040"}));
    ui.window->session().window.rows.Clear();
    ui.ShowList({{"Item", 900, Alignment::Left, ""}}, {{"a"}, {"b"}});
    QCOMPARE(ui.Rows(), 2);
    ui.window->session().window.rows.Clear();
    ui.ShowList(kEventColumns, kEventRows);
    QCOMPARE(Column0(ui), QStringList({"000040"}));
    QCOMPARE(ui.window->rowCountText(), QString("1 of 6 rows"));
  }

  void sortSearchCopyAndPrintWorkOnTheShownRows() {
    WindowUnderTest ui;
    ui.ShowList(kEventColumns, kEventRows);
    ui.window->filterBar()->textField()->setText(QStringLiteral("C4"));
    QCOMPARE(Column0(ui), QStringList({"000030", "000048"}));

    // Sorting sorts the whole list and keeps the filter.
    ui.ClickHeader(0);
    ui.ClickHeader(0);
    QCOMPARE(Column0(ui), QStringList({"000048", "000030"}));
    ui.window->filterBar()->textField()->clear();
    QCOMPARE(Column0(ui).first(), QString("000052"));
    ui.window->filterBar()->textField()->setText(QStringLiteral("C4"));

    // Partial Match looks among the shown rows only, in their order.
    ui.prompt->answers = {QStringLiteral("Note")};
    ui.Trigger("mnuFindPartialMatch");
    QCOMPARE(ui.SelectedRows(), QList<int>({0}));
    ui.Trigger("mnuFindNextPartialMatch");
    QCOMPARE(ui.SelectedRows(), QList<int>({1}));
    ui.Trigger("mnuFindNextPartialMatch");  // no third shown row: the selection stays
    QCOMPARE(ui.SelectedRows(), QList<int>({1}));

    // Copy takes the selected shown row; all rows means all shown rows.
    int lastColumn = -1;
    QCOMPARE(ui.window->LvCopyToClipboard(false, 1, lastColumn, false), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString("000030\t2\tMidi Event\tNote On C4\r\n"));
    lastColumn = -1;
    QCOMPARE(ui.window->LvCopyToClipboard(false, 1, lastColumn, true), 2);
    QVERIFY(!QGuiApplication::clipboard()->text().contains("E4"));

    // The printed list has the shown rows only.
    ui.preview->pdfPath = QDir(QDir::tempPath()).filePath("veltrix-filter-print.pdf");
    ui.Trigger("mnuPrint");
    QCOMPARE(ui.preview->captions.size(), 1);
    QCOMPARE(ListRows(ui.window->ShownWindow()).size(), size_t{2});
    QFile::remove(ui.preview->pdfPath);
  }

  void filterIsAppliedAgainAfterEveryListing() {
    WindowUnderTest ui;
    TestFiles files;
    ui.window->filterBar()->textField()->setText(QStringLiteral("Note"));
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    QVERIFY(ui.Rows() > 0);
    const int command = static_cast<int>(ui.Headers().indexOf("Command"));
    for (int row = 0; row < ui.Rows(); ++row)
      QVERIFY2(ui.Cell(row, command).contains("Note", Qt::CaseInsensitive),
               qPrintable(ui.Cell(row, command)));
    QVERIFY(ui.window->rowCountText().endsWith(" rows"));
  }

  void detailPaneShowsBytesAndTime() {
    WindowUnderTest ui;
    TestFiles files;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    DetailPane* pane = ui.window->detailPane();
    QVERIFY(pane->isHidden());
    ui.Trigger("mnuEventDetail");
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->text(), QString::fromLatin1(kNoDetailText));

    const int command = static_cast<int>(ui.Headers().indexOf("Command"));
    const int sysex = RowOfCommand(ui, command, "XG F0");
    QVERIFY(sysex >= 0);
    SelectRow(ui, sysex);
    QVERIFY2(pane->text().contains("F0 05 43 10 4C 00 F7"), qPrintable(pane->text()));
    QVERIFY(pane->text().contains("(8 bytes)"));
    QVERIFY(pane->text().contains("Time 0:00.000"));

    // The last note sounds 480 ticks in: half a second at 120 beats a minute.
    SelectRow(ui, ui.Rows() - 1);
    QVERIFY2(pane->text().contains("Time 0:00.500"), qPrintable(pane->text()));
    QVERIFY(pane->text().endsWith(ui.Cell(ui.Rows() - 1, command)));

    // The detail follows the shown row, not the table row of the same number.
    ui.window->filterBar()->textField()->setText(ui.Cell(ui.Rows() - 1, 0));
    QCOMPARE(ui.Rows(), 1);
    SelectRow(ui, 0);
    QVERIFY(pane->text().contains("Time 0:00.500"));

    // A view with no event bytes shows the hint.
    ui.ShowList({{"Item", 900, Alignment::Left, ""}}, {{"a"}});
    SelectRow(ui, 0);
    QCOMPARE(pane->text(), QString::fromLatin1(kNoDetailText));
  }

  void exportFilesReadBack() {
    WindowUnderTest ui;
    TestFiles files;
    const QString song = files.Write("song.mid", SmallSong());
    ui.OpenThroughMenu(song);
    const QByteArray songBytes = ReadFile(song);
    StubExportDialog* dialog = UseExportStub(ui);
    const int rows = ui.Rows();
    const QStringList headers = ui.Headers();

    dialog->answers = {{files.Path("list.tsv"), ExportFormat::Tsv},
                       {files.Path("list.csv"), ExportFormat::Csv},
                       {files.Path("list.json"), ExportFormat::Json}};
    for (int i = 0; i < 3; ++i) ui.Trigger("mnuExport");
    QCOMPARE(dialog->lastSuggested, files.Path("song.tsv"));
    QVERIFY(ui.messages->messages.isEmpty());
    QCOMPARE(ui.window->statusText(), QString::fromLatin1(kExportCompleted));

    const QList<QByteArray> tsv = ReadFile(files.Path("list.tsv")).trimmed().split('\n');
    QCOMPARE(tsv.size(), rows + 1);
    QCOMPARE(QString::fromUtf8(tsv[0]).trimmed().split('\t'), headers);
    QCOMPARE(QString::fromUtf8(tsv[1]).trimmed().split('\t').first(), ui.Cell(0, 0));

    const QList<QByteArray> csv = ReadFile(files.Path("list.csv")).trimmed().split('\n');
    QCOMPARE(csv.size(), rows + 1);
    QCOMPARE(QString::fromUtf8(csv[0]).trimmed().split(','), headers);

    const QJsonObject json = QJsonDocument::fromJson(ReadFile(files.Path("list.json"))).object();
    QCOMPARE(json["columns"].toArray().size(), headers.size());
    const QJsonArray jsonRows = json["rows"].toArray();
    QCOMPARE(jsonRows.size(), rows);
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < headers.size(); ++column)
        QCOMPARE(jsonRows[row].toArray()[column].toString(), ui.Cell(row, column));

    // With a filter, only the shown rows go out.
    ui.window->filterBar()->textField()->setText(QStringLiteral("Note"));
    const int shown = ui.Rows();
    QVERIFY(shown > 0 && shown < rows);
    dialog->answers = {{files.Path("shown.json"), ExportFormat::Json}};
    ui.Trigger("mnuExport");
    const QJsonObject filtered =
        QJsonDocument::fromJson(ReadFile(files.Path("shown.json"))).object();
    QCOMPARE(filtered["rows"].toArray().size(), shown);

    // The listed file is never written: the export is refused with a message.
    dialog->answers = {{song, ExportFormat::Tsv}};
    ui.Trigger("mnuExport");
    QCOMPARE(ui.messages->messages.size(), 1);
    QCOMPARE(ReadFile(song), songBytes);

    // A cancel writes nothing.
    ui.Trigger("mnuExport");
    QCOMPARE(ui.messages->messages.size(), 1);
  }

  void exportFormatFollowsTheExtension() {
    QCOMPARE(ExportFormatOfPath("a/b.CSV"), std::optional(ExportFormat::Csv));
    QCOMPARE(ExportFormatOfPath("b.json"), std::optional(ExportFormat::Json));
    QCOMPARE(ExportFormatOfPath("b.tsv"), std::optional(ExportFormat::Tsv));
    QVERIFY(!ExportFormatOfPath("b.mid"));
    QCOMPARE(SuggestedExportPath("/m/song.tsv.mid"), QString("/m/song.tsv.tsv"));
    QCOMPARE(SuggestedExportPath(""), QString());
  }

  void startOptionsForFilterAndDetail() {
    StartOptions options =
        ParseStartArguments({"--filter", "Note On", "--detail", "3", "--", "song.mid"});
    QCOMPARE(options.error, std::string());
    QCOMPARE(options.filterText, std::string("Note On"));
    QCOMPARE(options.detailRow, 3);
    QCOMPARE(options.commandLine, std::string("song.mid"));
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--filter"},
                                                {"--detail"},
                                                {"--detail", "0"},
                                                {"--detail", "x1"},
                                                {"--detail", "99999999999"}})
      QVERIFY(!ParseStartArguments(bad).error.empty());
  }

  void textEncodingListsAgain() {
    WindowUnderTest ui;
    TestFiles files;
    ui.OpenThroughMenu(files.Write("sjis.mid", ShiftJisSong()));
    const int command = static_cast<int>(ui.Headers().indexOf("Command"));
    QVERIFY(command >= 0);
    QVERIFY(!ui.Cell(0, command).contains(QString::fromUtf8("テスト")));
    QVERIFY(ui.window->findChild<QAction*>("mnuEncoding_windows-1252")->isChecked());

    ui.Trigger("mnuEncoding_Shift_JIS");
    QVERIFY2(ui.Cell(0, command).contains(QString::fromUtf8("テスト")),
             qPrintable(ui.Cell(0, command)));
    QVERIFY(ui.window->findChild<QAction*>("mnuEncoding_Shift_JIS")->isChecked());
    QVERIFY(ui.messages->messages.isEmpty());

    // The code page stays for the next file.
    ui.OpenThroughMenu(files.Write("again.mid", ShiftJisSong()));
    QVERIFY(ui.Cell(0, command).contains(QString::fromUtf8("テスト")));

    ui.Trigger("mnuEncoding_windows-1252");
    QVERIFY(!ui.Cell(0, command).contains(QString::fromUtf8("テスト")));
  }
};

QTEST_MAIN(WindowExtrasTest)
#include "window_extras_test.moc"
