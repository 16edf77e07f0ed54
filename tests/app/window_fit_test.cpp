// The window as a user sees it on any screen: no text cut off, a list that follows the
// window's size without covering anything, the status texts kept, control characters visible.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/display_text.h"
#include "core/list_rows.h"
#include "app/filter_bar.h"
#include "app/row_table_model.h"
#include "app/window_layout.h"
#include "app_test_support.h"
#include "views/export_writers.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

template <class Widget>
Widget* Find(const WindowUnderTest& ui, const char* name) {
  auto* widget = ui.window->findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no %s", name);
  return widget;
}

// Lets the window lay itself out after a change of text, font or size.
void Settle(WindowUnderTest& ui) {
  ui.window->resize(ui.window->width() + 40, ui.window->height() + 40);
  QApplication::processEvents();
}

// Every label at least as large as its text and inside its frame; frames, tool bars, list,
// warning and progress bar apart from each other and inside the client area.
void CheckNothingCutOff(const WindowUnderTest& ui) {
  const std::pair<const char*, const char*> labels[] = {{"lblFilename", "Frame3"},
                                                        {"lblTracks", "Frame4"},
                                                        {"LblTicksPerQtrNote", "Frame4"},
                                                        {"lblTracklength", "Frame4"}};
  for (const auto& [name, frame] : labels) {
    auto* label = Find<QLabel>(ui, name);
    QVERIFY2(label->width() >= label->sizeHint().width(), name);
    QVERIFY2(label->height() >= label->sizeHint().height(), name);
    QVERIFY2(Find<QGroupBox>(ui, frame)->rect().contains(label->geometry()), name);
  }
  auto* warning = Find<QLabel>(ui, "lblWarning");
  QVERIFY(warning->width() >= warning->sizeHint().width());
  // Every button of a tool bar shown whole: none pushed into the bar's overflow menu.
  for (const char* name : {"Viewbar", "ActionBar"}) {
    auto* bar = Find<QToolBar>(ui, name);
    for (const QToolButton* button : bar->findChildren<QToolButton*>()) {
      const bool overflow = button->objectName() == "qt_toolbar_ext_button";
      QVERIFY2(overflow != button->isVisibleTo(bar), name);
      if (!overflow) {
        QVERIFY2(bar->rect().contains(button->geometry()), name);
        // Room for the icon and, under it, one line of the caption.
        QVERIFY2(button->height() >= button->iconSize().height() + button->fontMetrics().height(),
                 name);
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()), name);
      }
    }
  }
  QWidget* client = ui.window->centralWidget();
  const QRect clientArea = client->rect();
  const QStringList placed = {"Frame3",    "Frame4",     "Frame1", "Frame2",
                              "ListView1", "lblWarning", "pbr1"};
  for (int a = 0; a < placed.size(); ++a) {
    const QRect first = client->findChild<QWidget*>(placed[a])->geometry();
    QVERIFY2(clientArea.contains(first), qPrintable(placed[a]));
    for (int b = a + 1; b < placed.size(); ++b)
      QVERIFY2(!first.intersects(client->findChild<QWidget*>(placed[b])->geometry()),
               qPrintable(placed[a] + " overlaps " + placed[b]));
  }
}

}  // namespace

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void labelsGrowToTheirLongestTexts() {
    TestFiles files;
    WindowUnderTest ui;
    const QString name = QString(96, u'W') + ".mid";
    ui.OpenThroughMenu(
        files.Write(name, builder::SmfBuilder(0, 32767)
                              .Track(builder::TrackBuilder().Event(0, {0xC0, 1}).EndOfTrack())
                              .Build()));
    QCOMPARE(Find<QLabel>(ui, "LblTicksPerQtrNote")->text(), QString("Ticks/Qtr Note:  32767"));
    Find<QLabel>(ui, "lblTracklength")->setText("File length:  2147483647");
    Find<QLabel>(ui, "lblWarning")->setText("Tracklength should be: 2147483647  File has errors");
    Settle(ui);
    CheckNothingCutOff(ui);

    // A larger font, as on a screen of more dots per inch.
    QFont large = ui.window->font();
    large.setPointSize(16);
    ui.window->setFont(large);
    Settle(ui);
    CheckNothingCutOff(ui);
  }

  void listFollowsTheWindowDownToASmallMinimum() {
    WindowUnderTest ui;
    ui.window->LoadCommandLine("");
    QTableView* list = ui.window->listView();
    const QSize start = list->size();
    ui.window->resize(ui.window->width(), ui.window->height() - 200);
    QApplication::processEvents();
    QCOMPARE(list->height(), start.height() - 200);

    // Asked to be tiny, the window stops where the list has its minimum.
    ui.window->resize(50, 50);
    QApplication::processEvents();
    QVERIFY(list->height() >= kMinimumListSize.height());
    QVERIFY(list->width() >= kMinimumListSize.width());
    CheckNothingCutOff(ui);
    QVERIFY(ui.window->centralWidget()->geometry().bottom() <
            ui.window->statusBar()->geometry().top());
  }

  void copyCompletedStaysWhileAFilterIsOn() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    ui.window->filterBar()->textField()->setText("Note");
    const QString count = ui.window->rowCountText();
    QVERIFY(count.endsWith(" rows"));
    QCOMPARE(ui.window->statusText(), QString(" To sort, click on a column header."));
    ui.window->ActionBarAction("Copy");
    QCOMPARE(ui.window->statusText(), QString("Copy completed"));
    QCOMPARE(ui.window->rowCountText(), count);
    ui.window->filterBar()->textField()->clear();
    QCOMPARE(ui.window->rowCountText(), QString());
    QCOMPARE(ui.window->statusText(), QString("Copy completed"));
  }

  // The Midi view's columns are fitted to the rows it makes when they are shown, the Time
  // column's too: no cell of the first rows is cut.
  void midiColumnsFitTheirRows() {
    TestFiles files;
    for (bool timed : {false, true}) {
      WindowUnderTest ui;
      ui.window->session().window.options.TimeColumn = timed;
      ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
      const QTableView* list = Find<QTableView>(ui, "ListView1");
      const QFontMetrics metrics = list->fontMetrics();
      const int columns = list->model()->columnCount();
      QCOMPARE(columns, timed ? 7 : 6);
      for (int row = 0; row < list->model()->rowCount(); ++row)
        for (int column = 0; column < columns; ++column) {
          const QString text = list->model()->index(row, column).data().toString();
          QVERIFY2(list->columnWidth(column) >= metrics.horizontalAdvance(text),
                   qPrintable(QString("row %1 column %2: %3").arg(row).arg(column).arg(text)));
        }
    }
  }

  void controlCharactersShowAsSymbolsButTheDataKeepsThem() {
    QCOMPARE(DisplayText(std::string_view("Style\0\0\0", 8)), QString("Style"));
    QCOMPARE(DisplayText(std::string_view("a\0b\tc\x7F", 6)),
             QString::fromUtf8("a\u2400b\u2409c\u2421"));

    WindowUnderTest ui;
    const std::string padded("StyleName: Cool8Beat\0\0\0\0", 24);
    ui.ShowList({{"Command", 900, Alignment::Left, ""}}, {{padded}, {std::string("x\0y", 3)}});
    QCOMPARE(ui.Cell(0, 0), QString("StyleName: Cool8Beat"));
    QCOMPARE(ui.Cell(1, 0), QString::fromUtf8("x\u2400y"));
    // Copy and export take the bytes as they are.
    QCOMPARE(ListRows(ui.window->session().window).Cell(0, 0), std::string_view(padded));
    std::string tsv;
    AppendTsv(ui.window->session().window, tsv);
    QVERIFY(tsv.find(padded) != std::string::npos);
  }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
