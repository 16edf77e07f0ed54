// The filter bar's event choices, the header's column menu and both kept between runs, on the
// small song of the test support: 7 rows (track name, time signature, tempo, a sysex, Note On
// C 5 and D 5 on channel 1, Note Off C 5).
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <deque>

#include "app/column_chooser.h"
#include "app/event_choices.h"
#include "app/export_action.h"
#include "app/filter_bar.h"
#include "app/filter_settings.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

class OneExport final : public ExportDialog {
 public:
  explicit OneExport(QString path) : path_(std::move(path)) {}
  std::optional<ExportChoice> ChooseTarget(QWidget*, const QString&) override {
    return ExportChoice{path_, ExportFormat::Tsv};
  }

 private:
  QString path_;
};

QString CopyAll(MainWindow& window) {
  int lastColumn = -1;
  window.LvCopyToClipboard(true, 1, lastColumn, true);
  return QGuiApplication::clipboard()->text();
}

// Shows or hides the column of that header through the header's menu.
void ToggleColumn(MainWindow& window, const QString& header) {
  QMenu* menu = window.findChild<ColumnChooser*>()->MakeMenu(&window);
  for (QAction* action : menu->actions())
    if (action->text() == header) action->trigger();
  delete menu;
}

constexpr int kTypeColumn = 4;  // ID, Delay, Measure:Beat:Tick, Ch, Type, Command

}  // namespace

class FilterKindsTest : public QObject {
  Q_OBJECT

 private slots:
  void kindsChannelsNotesAndInvert() {
    WindowUnderTest ui;
    TestFiles files;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    QCOMPARE(ui.Rows(), 7);
    FilterBar* bar = ui.window->filterBar();
    EventChoices* choices = bar->eventChoices();
    QVERIFY(!bar->clearAction()->isVisible());

    choices->kindAction(EventKind::kNoteOn)->trigger();
    QCOMPARE(ui.Rows(), 2);
    QCOMPARE(ui.window->rowCountText(), QString("2 of 7 rows"));
    QVERIFY(bar->clearAction()->isVisible());
    choices->channelAction(2)->trigger();
    QCOMPARE(ui.Rows(), 0);
    choices->channelAction(2)->trigger();
    choices->channelAction(1)->trigger();
    QCOMPARE(ui.Rows(), 2);
    choices->invertAction()->trigger();
    QCOMPARE(ui.Rows(), 5);
    choices->invertAction()->trigger();
    choices->highNoteField()->setText(QStringLiteral("C#5"));
    QCOMPARE(ui.Rows(), 1);

    // Escape in the bar clears every choice; Clear hides again.
    bar->textField()->setFocus();
    QTest::keyClick(bar->textField(), Qt::Key_Escape);
    QCOMPARE(ui.Rows(), 7);
    QVERIFY(!choices->kindAction(EventKind::kNoteOn)->isChecked());
    QVERIFY(choices->highNoteField()->text().isEmpty());
    QVERIFY(!bar->clearAction()->isVisible());

    // A note range that is no note keeps every row and says so.
    choices->lowNoteField()->setText(QStringLiteral("H9"));
    QCOMPARE(ui.Rows(), 7);
    QVERIFY(choices->lowNoteField()->toolTip().startsWith("Not a note"));
  }

  void hiddenColumnsInCopyPrintAndExport() {
    WindowUnderTest ui;
    TestFiles files;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    const QString whole = CopyAll(*ui.window);

    ToggleColumn(*ui.window, QStringLiteral("Type"));
    QVERIFY(ui.window->listView()->isColumnHidden(kTypeColumn));
    const QString copied = CopyAll(*ui.window);
    QVERIFY2(copied.startsWith("ID\tDelay\tMeasure\tCh\tCommand\t"), qPrintable(copied));
    QVERIFY(!copied.contains("Metadata") && !copied.contains("Midi Event"));
    QCOMPARE(ui.window->ShownWindow().Columns().size(), size_t{5});  // what Print lays out

    const QString tsv = files.Path("list.tsv");
    ui.window->SetExportDialog(std::make_unique<OneExport>(tsv));
    ui.Trigger("mnuExport");
    QFile exported(tsv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QByteArray text = exported.readAll();
    QCOMPARE(text.left(text.indexOf('\n')).trimmed().split('\t').size(), 5);
    QVERIFY(!text.contains("Type") && !text.contains("Midi Event"));

    ToggleColumn(*ui.window, QStringLiteral("Type"));
    QCOMPARE(CopyAll(*ui.window), whole);
  }

  void choicesAndHiddenColumnsSurviveARestart() {
    QTemporaryDir config;
    TestFiles files;
    const QString song = files.Write("song.mid", SmallSong());
    const QString file = config.filePath(QStringLiteral("Veltrix.conf"));
    for (int run = 0; run < 2; ++run) {
      QSettings settings(file, QSettings::IniFormat);
      WindowUnderTest ui;
      (new FilterSettings(*ui.window, settings))->Restore();
      ui.OpenThroughMenu(song);
      EventChoices* choices = ui.window->filterBar()->eventChoices();
      if (run == 0) {
        QCOMPARE(ui.Rows(), 7);
        choices->kindAction(EventKind::kNoteOn)->trigger();
        choices->kindAction(EventKind::kTempo)->trigger();
        choices->channelAction(1)->trigger();
        choices->controllerAction(7)->trigger();
        choices->lowNoteField()->setText(QStringLiteral("D5"));
        choices->invertAction()->trigger();
        ToggleColumn(*ui.window, QStringLiteral("Type"));
      }
      QCOMPARE(ui.Rows(), 6);  // all but Note On D 5
      QVERIFY(choices->kindAction(EventKind::kTempo)->isChecked());
      QVERIFY(choices->channelAction(1)->isChecked());
      QVERIFY(choices->controllerAction(7)->isChecked());
      QVERIFY(!choices->controllerAction(10)->isChecked());
      QCOMPARE(choices->lowNoteField()->text(), QString("D5"));
      QVERIFY(choices->invertAction()->isChecked());
      QVERIFY(ui.window->listView()->isColumnHidden(kTypeColumn));
      QVERIFY(ui.window->filterBar()->textField()->text().isEmpty());
    }
  }
};

QTEST_MAIN(FilterKindsTest)
#include "filter_kinds_test.moc"
