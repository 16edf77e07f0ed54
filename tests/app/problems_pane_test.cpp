// The Problems pane through the window: it finds what is wrong with the open file, counts it
// in its title, leads to the event on a double-click and never shows a message box.
#include <QAction>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "app/problems_pane.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

class ProblemsPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void findsTheFaultsAndLeadsToTheirEvents() {
    TestFiles files;
    WindowUnderTest ui;
    // A note-off without note-on at offset 25, a note left sounding at offset 29.
    const builder::Bytes song = builder::SmfBuilder(0, 480)
                                    .Track(builder::TrackBuilder()
                                               .Event(0, {0xC0, 1})
                                               .Event(0, {0x80, 0x40, 0})
                                               .Event(10, {0x90, 0x3C, 0x40})
                                               .EndOfTrack())
                                    .Build();
    ui.OpenThroughMenu(files.Write("song.mid", song));
    ProblemsPane* pane = ui.window->problemsPane();
    QVERIFY(pane->isHidden());
    ui.Trigger("mnuProblems");
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->windowTitle(), QString("Problems: 0 errors, 1 warning, 1 note"));
    QCOMPARE(pane->list()->topLevelItemCount(), 2);

    const int sounding = pane->list()->topLevelItem(0)->text(0) == "note-left-sounding" ? 0 : 1;
    pane->GoToFinding(sounding);
    QCOMPARE(ui.window->listView()->currentIndex().row(), 2);
    QCOMPARE(ui.Cell(2, 0), QString("000029"));
    pane->GoToFinding(1 - sounding);
    QCOMPARE(ui.Cell(ui.window->listView()->currentIndex().row(), 0), QString("000025"));

    // Another file: found anew.
    ui.OpenThroughMenu(files.Write(
        "clean.mid",
        builder::SmfBuilder(0, 480).Track(builder::TrackBuilder().EndOfTrack()).Build()));
    QCOMPARE(pane->windowTitle(), QString("Problems: 0 errors, 0 warnings, 0 notes"));
    QVERIFY(ui.messages->messages.isEmpty());
  }
};

QTEST_MAIN(ProblemsPaneTest)
#include "problems_pane_test.moc"
