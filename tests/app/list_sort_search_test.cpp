// Column sorting by header clicks, Exact and Partial Match with Find Next, and the Copy text.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "app/row_table_model.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

const std::vector<Column> kValueAndName = {{"Value", 900, Alignment::Right, "NUMBER"},
                                           {"Name", 1500, Alignment::Left, ""}};

QStringList CellsOf(const WindowUnderTest& ui, int column) {
  QStringList cells;
  for (int row = 0; row < ui.Rows(); ++row) cells << ui.Cell(row, column);
  return cells;
}

QHeaderView* Header(const WindowUnderTest& ui) {
  return ui.window->listView()->horizontalHeader();
}

void CompareIndicator(const WindowUnderTest& ui, int column, Qt::SortOrder order) {
  QVERIFY(Header(ui)->isSortIndicatorShown());
  QCOMPARE(Header(ui)->sortIndicatorSection(), column);
  QCOMPARE(Header(ui)->sortIndicatorOrder(), order);
}

const std::vector<std::vector<std::string>> kSearchRows = {
    {"alpha", "Note Off", "x"},         // row 1: "Note" begins a later cell
    {"xNote", "a Note inside", "y"},    // row 2: "Note" only inside cells
    {"note on", "Sysex Command", "z"},  // row 3: the first cell begins with "note"
    {"omega", "Note On", "SYSEX"},      // row 4
};
const std::vector<Column> kThreeColumns = {{"Item", 900, Alignment::Left, ""},
                                           {"Text", 1500, Alignment::Left, ""},
                                           {"Extra", 600, Alignment::Left, ""}};

}  // namespace

class ListSortSearchTest : public QObject {
  Q_OBJECT

 private slots:
  void headerClicksSortNumbersByValueNonNumbersFirst() {
    WindowUnderTest ui;
    ui.ShowList(kValueAndName, {{"12", "twelve"},
                                {"-5", "minus five"},
                                {"abc", "text"},
                                {"0", "zero"},
                                {"", "empty"},
                                {"3", "three"},
                                {"-10", "minus ten"}});
    QVERIFY(!Header(ui)->isSortIndicatorShown());

    ui.ClickHeader(0);  // the first click sorts ascending
    QCOMPARE(CellsOf(ui, 0), QStringList({"abc", "", "-10", "-5", "0", "3", "12"}));
    QCOMPARE(CellsOf(ui, 1),
             QStringList({"text", "empty", "minus ten", "minus five", "zero", "three", "twelve"}));
    CompareIndicator(ui, 0, Qt::AscendingOrder);
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    ui.ClickHeader(0);
    QCOMPARE(CellsOf(ui, 0), QStringList({"12", "3", "0", "-5", "-10", "abc", ""}));
    CompareIndicator(ui, 0, Qt::DescendingOrder);
  }

  // The direction alternates on every click, whichever column is clicked.
  void directionAlternatesAcrossColumns() {
    WindowUnderTest ui;
    ui.ShowList(kValueAndName, {{"2", "beta"}, {"10", "Alpha"}, {"1", "gamma"}, {"9", "alpha"}});
    ui.ClickHeader(1);
    QCOMPARE(CellsOf(ui, 1), QStringList({"Alpha", "alpha", "beta", "gamma"}));  // case ignored
    CompareIndicator(ui, 1, Qt::AscendingOrder);
    ui.ClickHeader(0);
    QCOMPARE(CellsOf(ui, 0), QStringList({"10", "9", "2", "1"}));
    CompareIndicator(ui, 0, Qt::DescendingOrder);
    ui.ClickHeader(1);
    QCOMPARE(CellsOf(ui, 1), QStringList({"Alpha", "alpha", "beta", "gamma"}));
    CompareIndicator(ui, 1, Qt::AscendingOrder);
  }

  // The sort stays on for later listings; sorting keeps the widths the user gave the columns.
  void sortStaysForLaterListingsAndKeepsColumnWidths() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    Header(ui)->resizeSection(5, 321);
    const QString firstId = ui.Cell(0, 0);
    ui.ClickHeader(0);
    ui.ClickHeader(0);
    QCOMPARE(ui.Cell(ui.Rows() - 1, 0), firstId);
    QCOMPARE(Header(ui)->sectionSize(5), 321);

    for (QAction* action : ui.window->findChild<QToolBar*>("Viewbar")->actions())
      if (action->data().toString() == "Midi") action->trigger();
    QCOMPARE(ui.Cell(ui.Rows() - 1, 0), firstId);
    CompareIndicator(ui, 0, Qt::DescendingOrder);
  }

  void exactMatchLooksAtFirstCellsBeforeOtherCells() {
    WindowUnderTest ui;
    ui.ShowList(kThreeColumns, kSearchRows);
    ui.prompt->answers = {"Note", "Note"};
    ui.Trigger("mnuFindExactMatch");
    QCOMPARE(ui.prompt->lastPrompt, QString("Enter item to search for"));
    QCOMPARE(ui.prompt->lastTitle, QString("Text Search"));
    QCOMPARE(ui.prompt->lastPreset, QString());
    QCOMPARE(ui.SelectedRows(), QList<int>{2});
    QCOMPARE(ui.window->LastSearchIndex, 3);
    QCOMPARE(ui.window->LastSearchText, QString("Note"));

    ui.Trigger("mnuFindNextExactMatch");  // from row 4: only later cells begin with "Note"
    QCOMPARE(ui.SelectedRows(), QList<int>{3});
    QCOMPARE(ui.window->LastSearchIndex, 4);

    ui.Trigger("mnuFindExactMatch");  // a new Find starts at row 1 again
    QCOMPARE(ui.prompt->lastPreset, QString("Note"));
    QCOMPARE(ui.SelectedRows(), QList<int>{2});
    QVERIFY(ui.messages->messages.isEmpty());

    ui.prompt->answers = {"inside"};  // only in the middle of a cell
    ui.Trigger("mnuFindExactMatch");
    QCOMPARE(ui.messages->messages, QStringList{" No Match Found"});
    QCOMPARE(ui.SelectedRows(), QList<int>{2});
  }

  void findNextPastTheLastRowIsReported() {
    WindowUnderTest ui;
    ui.ShowList(kThreeColumns, kSearchRows);
    ui.prompt->answers = {"omega"};
    ui.Trigger("mnuFindExactMatch");
    QCOMPARE(ui.SelectedRows(), QList<int>{3});
    ui.Trigger("mnuFindNextExactMatch");
    QCOMPARE(ui.messages->messages,
             QStringList{"Error #: 9, Subscript out of range, encountered in Function SearchList."
                         " If the solution is not obvious, please report this to the author."});
    QCOMPARE(ui.SelectedRows(), QList<int>{3});

    ui.Trigger("mnuFindNextPartialMatch");  // Partial Match past the end shows nothing
    QCOMPARE(ui.messages->messages.size(), 1);
    QCOMPARE(ui.SelectedRows(), QList<int>{3});
  }

  void partialMatchIgnoresCaseAndFindNextMovesOn() {
    WindowUnderTest ui;
    ui.ShowList(kThreeColumns, kSearchRows);
    ui.prompt->answers = {"sysex"};
    ui.Trigger("mnuFindPartialMatch");
    QCOMPARE(ui.SelectedRows(), QList<int>{2});
    ui.Trigger("mnuFindNextPartialMatch");
    QCOMPARE(ui.SelectedRows(), QList<int>{3});
    QCOMPARE(ui.window->LastSearchIndex, 4);

    ui.prompt->answers = {"nowhere"};
    ui.Trigger("mnuFindPartialMatch");
    QCOMPARE(ui.SelectedRows(), QList<int>{3});
    QCOMPARE(ui.window->LastSearchIndex, 1);  // unchanged by a search without a hit
    QVERIFY(ui.messages->messages.isEmpty());

    int32_t index = 1;
    ui.window->findPartialMatches("NOTE INS", index);
    QCOMPARE(index, 2);
    QCOMPARE(ui.SelectedRows(), QList<int>{1});
  }

  void partialMatchInAOneRowList() {
    WindowUnderTest ui;
    ui.ShowList(kThreeColumns, {{"only", "the one row", ""}});
    int32_t index = 1;
    ui.window->findPartialMatches("ONE", index);
    QCOMPARE(ui.SelectedRows(), QList<int>{0});
    QCOMPARE(index, 1);
  }

  void findNextWithoutASearchDoesNothing() {
    WindowUnderTest ui;
    ui.ShowList(kThreeColumns, kSearchRows);
    ui.Trigger("mnuFindNextExactMatch");
    ui.Trigger("mnuFindNextPartialMatch");
    QCOMPARE(ui.prompt->shown, 0);
    QCOMPARE(ui.window->LastSearchIndex, 0);
    QVERIFY(ui.SelectedRows().isEmpty());
    QVERIFY(ui.messages->messages.isEmpty());
  }

  void copyPutsTheHeaderAndRowsThreeAndFiveOnTheClipboard() {
    WindowUnderTest ui;
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r <= 6; ++r)
      rows.push_back({std::to_string(r), r == 3 ? "" : "cell " + std::to_string(r), "end"});
    ui.ShowList(kThreeColumns, rows);
    for (int row : {4, 2})
      ui.window->listView()->selectionModel()->select(
          ui.window->tableModel()->index(row, 0),
          QItemSelectionModel::Select | QItemSelectionModel::Rows);

    int lastColumn = -1;
    QCOMPARE(ui.window->LvCopyToClipboard(true, 1, lastColumn, false), 2);
    QCOMPARE(lastColumn, 3);
    const QString expected = "Item\tText\tExtra\t\r\n3\t\tend\r\n5\tcell 5\tend\r\n";
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QCOMPARE(ui.window->statusText(), QString("Copy completed"));

    QGuiApplication::clipboard()->clear();
    ui.Trigger("mnuCopy");
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QGuiApplication::clipboard()->clear();
    ui.window->ActionBarAction("Copy");
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
  }
};

QTEST_MAIN(ListSortSearchTest)
#include "list_sort_search_test.moc"
