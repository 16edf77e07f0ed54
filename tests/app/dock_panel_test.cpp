// The docks beside the list through the window: their menu entries keep their words, they
// open wide enough to read, and an event the list has no row for is said so.
#include <QAction>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include "app/problems_pane.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

class DockPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void problemsDockKeepsItsMenuWordOpensWideAndSaysWhenNoRowFits() {
    TestFiles files;
    WindowUnderTest ui;
    // The header promises two tracks; one follows: a finding about the header, no event.
    const builder::Bytes song = builder::SmfBuilder(1, 480)
                                    .TrackCount(2)
                                    .Track(builder::TrackBuilder().EndOfTrack())
                                    .Build();
    ui.OpenThroughMenu(files.Write("song.mid", song));
    ui.Trigger("mnuProblems");
    ProblemsPane* pane = ui.window->problemsPane();
    QTRY_VERIFY(pane->isVisible());
    QVERIFY(pane->windowTitle().startsWith("Problems: 1 error"));
    QCOMPARE(ui.window->findChild<QAction*>("mnuProblems")->text(), QString("Problems"));

    // The title with its counts is readable, not cut to "Probl...", or the window has grown to
    // the screen's width to make room for it.
    const int title = pane->fontMetrics().horizontalAdvance(pane->windowTitle());
    const int screen = ui.window->screen()->availableGeometry().width();
    QTRY_VERIFY(pane->width() >= title || ui.window->width() >= screen);

    QCOMPARE(pane->list()->topLevelItemCount(), 1);
    QCOMPARE(pane->list()->topLevelItem(0)->text(0), QString("track-count"));
    pane->GoToFinding(0);
    QCOMPARE(ui.window->statusText(), QString::fromLatin1(kNoRowForEvent));
  }
};

QTEST_MAIN(DockPanelTest)
#include "dock_panel_test.moc"
