// Options > Decode GM/GS/Universal through the window: off at the start, it changes the Command
// column of the messages it knows; the Event Detail pane decodes them either way.
#include <QAction>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include "app/detail_pane.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

// Row 0 is GM System On (7E 7F 09 01), row 1 a note.
builder::Bytes GmSong() {
  builder::TrackBuilder track;
  track.Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7}).Event(0, {0x90, 0x3C, 0x64}).EndOfTrack();
  return builder::SmfBuilder(0, 480).Track(track).Build();
}

}  // namespace

class UniversalOptionTest : public QObject {
  Q_OBJECT

 private slots:
  void optionAndDetail() {
    WindowUnderTest ui;
    TestFiles files;
    ui.OpenThroughMenu(files.Write("gm.mid", GmSong()));
    auto* option = ui.window->findChild<QAction*>(QStringLiteral("mnuDecodeUniversal"));
    QVERIFY(option && option->isCheckable() && !option->isChecked());
    const int command = static_cast<int>(ui.Headers().indexOf("Command"));
    const QString undecoded = ui.Cell(0, command);
    const QString note = ui.Cell(1, command);
    QVERIFY(undecoded != "GM System On");

    ui.Trigger("mnuEventDetail");
    QTableView* list = ui.window->listView();
    list->selectionModel()->setCurrentIndex(
        list->model()->index(0, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QVERIFY2(ui.window->detailPane()->text().endsWith(undecoded + "\nGM System On"),
             qPrintable(ui.window->detailPane()->text()));

    ui.Trigger("mnuDecodeUniversal");
    QCOMPARE(ui.Cell(0, command), QString("GM System On"));
    QCOMPARE(ui.Cell(1, command), note);
    ui.Trigger("mnuDecodeUniversal");
    QCOMPARE(ui.Cell(0, command), undecoded);
  }
};

QTEST_MAIN(UniversalOptionTest)
#include "universal_option_test.moc"
