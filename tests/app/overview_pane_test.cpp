// The Overview dock through the window: off at start, it shows the open file's channels and
// markers, and a click on a marker selects the marker's row in the Midi view.
#include <QAction>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "app/overview_pane.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

class OverviewPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheFileAndLeadsToAMarker() {
    TestFiles files;
    WindowUnderTest ui;
    // The first event starts at offset 22 (header 14, track head 8); the marker behind the
    // three bytes of the program change at 25.
    const builder::Bytes song = builder::SmfBuilder(0, 480)
                                    .Track(builder::TrackBuilder()
                                               .Event(0, {0xC0, 1})
                                               .Meta(10, 0x06, "Verse")
                                               .Event(0, {0x90, 0x3C, 0x40})
                                               .EndOfTrack(480))
                                    .Build();
    ui.OpenThroughMenu(files.Write("song.mid", song));
    auto* pane = ui.window->findChild<OverviewPane*>();
    QVERIFY(pane->isHidden());
    ui.Trigger("mnuOverview");
    QVERIFY(pane->isVisible());

    const QList<QTreeWidgetItem*> channel =
        pane->tree()->findItems("Channel 1", Qt::MatchRecursive | Qt::MatchExactly);
    QCOMPARE(channel.size(), 1);
    QCOMPARE(channel[0]->text(1), QString("Bright Acoustic Piano"));
    QCOMPARE(channel[0]->text(2), QString("1 notes"));

    ui.Trigger("Viewbar_Casm");
    const QList<QTreeWidgetItem*> marker =
        pane->tree()->findItems("Verse", Qt::MatchRecursive | Qt::MatchExactly);
    QCOMPARE(marker.size(), 1);
    emit pane->tree()->itemClicked(marker[0], 0);
    QCOMPARE(ui.window->session().window.PressedView(), std::string("Midi"));
    QCOMPARE(ui.Cell(ui.window->listView()->currentIndex().row(), 0), QString("000025"));
  }
};

QTEST_MAIN(OverviewPaneTest)
#include "overview_pane_test.moc"
