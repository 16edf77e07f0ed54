// The list's table model over the RowTable, and the column fit on a bounded sample.
#include <QAbstractItemModelTester>
#include <QFont>
#include <QTest>

#include "app/column_fit.h"
#include "app/row_table_model.h"

using namespace veltrix;
using namespace veltrix::app;

namespace {

std::vector<Column> TwoColumns() {
  return {{"ID", 700, Alignment::Left, "NUMBER"}, {"Type", 1400, Alignment::Centre, ""}};
}

}  // namespace

class RowTableModelTest : public QObject {
  Q_OBJECT

 private slots:
  void passesTheModelTesterThroughRefreshes() {
    WindowModel window;
    RowTableModel model(window);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    window.SetColumns(TwoColumns());
    for (int i = 0; i < 50; ++i) window.rows.AddRow({std::to_string(i), "Midi Event"});
    model.Refresh();
    QCOMPARE(model.rowCount(), 50);
    window.SetColumns({{"Music", 3000, Alignment::Left, ""}});
    model.Refresh();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 1);
  }

  void cellsHeadersAlignmentsAndTags() {
    WindowModel window;
    window.SetColumns(TwoColumns());
    window.rows.AddRow({"000022", "Meta\xC3\xA4"});  // UTF-8 text
    RowTableModel model(window);
    model.Refresh();
    QCOMPARE(model.data(model.index(0, 0)).toString(), QString("000022"));
    QCOMPARE(model.data(model.index(0, 1)).toString(), QString::fromUtf8("Meta\xC3\xA4"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Type"));
    QCOMPARE(model.headerData(0, Qt::Horizontal, RowTableModel::kColumnTagRole).toString(),
             QString("NUMBER"));
    QCOMPARE(model.headerData(1, Qt::Horizontal, RowTableModel::kColumnTagRole).toString(),
             QString());
    QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
  }

  // While a command refills the rows the view still holds the old counts; it must read
  // empty cells, not stray memory.
  void staleCountsReadEmptyCells() {
    WindowModel window;
    window.SetColumns(TwoColumns());
    for (int i = 0; i < 10; ++i) window.rows.AddRow({"a", "b"});
    RowTableModel model(window);
    model.Refresh();
    window.SetColumns(TwoColumns());  // emptied by the next listing
    QCOMPARE(model.rowCount(), 10);
    QCOMPARE(model.data(model.index(9, 1)).toString(), QString());
  }

  void fitMeasuresTheLongestTextsAnywhereInALargeTable() {
    WindowModel window;
    window.SetColumns(TwoColumns());
    const int rows = 200000;
    for (int i = 0; i < rows; ++i)
      window.rows.AddRow({"1", i == rows / 2 ? std::string(300, 'W') : "x"});
    QFont font;
    FitMetrics metrics{QFontMetrics(font), QFontMetrics(font)};
    const std::vector<int> widths = FitColumnWidths(window, metrics, false);
    QCOMPARE(widths.size(), size_t{2});
    QVERIFY(widths[1] >= metrics.cells.horizontalAdvance(QString(300, 'W')));
    QVERIFY(widths[0] < metrics.cells.horizontalAdvance("ID") + metrics.headerPadding);
  }

  void fitToHeaderTakesTheWiderOfHeaderAndContent() {
    WindowModel window;
    window.SetColumns(
        {{"A very long header text", 500, Alignment::Left, ""}, {"H", 500, Alignment::Left, ""}});
    window.rows.AddRow({"1", "a much longer cell than its header"});
    QFont font;
    FitMetrics metrics{QFontMetrics(font), QFontMetrics(font)};
    const std::vector<int> content = FitColumnWidths(window, metrics, false);
    const std::vector<int> withHeader = FitColumnWidths(window, metrics, true);
    QVERIFY(withHeader[0] > content[0]);
    QCOMPARE(withHeader[1], content[1]);
    QVERIFY(withHeader[0] >= metrics.header.horizontalAdvance("A very long header text"));
  }
};

QTEST_MAIN(RowTableModelTest)
#include "row_table_model_test.moc"
