// The time commands through the window: the Time Column option with the length label, Go To
// with a refused and an accepted entry, and the marker jumps by their keys.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

// Rows: time signature, tempo, marker "Intro A" (tick 0), a note at measure 2 (2 s), marker
// "Main A" and a note at measure 3 (4 s).
builder::Bytes SongWithSections() {
  builder::TrackBuilder track;
  track.TimeSignature(0, 4, 2).Tempo(0, 500000).Meta(0, 0x06, "Intro A");
  track.Event(1920, {0x90, 0x3C, 0x64}).Meta(1920, 0x06, "Main A").Event(0, {0x90, 0x3E, 0x64});
  track.EndOfTrack();
  return builder::SmfBuilder(0, 480).Track(track).Build();
}

int CurrentRow(const WindowUnderTest& ui) {
  return ui.window->listView()->currentIndex().row();
}

}  // namespace

class TimeCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void timeColumnGoToAndMarkers() {
    WindowUnderTest ui;
    TestFiles files;
    ui.OpenThroughMenu(files.Write("sections.mid", SongWithSections()));
    const QStringList plain = ui.Headers();
    QCOMPARE(plain.size(), 6);
    auto* length = ui.window->findChild<QLabel*>(QStringLiteral("lblLength"));
    QVERIFY(length && !length->isVisible());

    ui.Trigger("mnuTimeColumn");
    QCOMPARE(ui.Headers().at(3), QString("Time"));
    QCOMPARE(ui.Cell(3, 3), QString("0:02.000"));
    QCOMPARE(ui.Cell(5, 3), QString("0:04.000"));
    QVERIFY(length->isVisible());
    QCOMPARE(length->text(), QString("Length: 0:04"));

    QTest::keyClick(ui.window->listView(), Qt::Key_G, Qt::ControlModifier);
    auto* dialog = ui.window->findChild<QDialog*>(QStringLiteral("dlgGoTo"));
    QVERIFY(dialog && dialog->isVisible());
    auto* entry = dialog->findChild<QLineEdit*>(QStringLiteral("txtGoTo"));
    auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    entry->setText(QStringLiteral("2:0"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->findChild<QLabel*>(QStringLiteral("lblGoToReason"))->text().isEmpty());
    entry->setText(QStringLiteral("2"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(ui.window->findChild<QDialog*>(QStringLiteral("dlgGoTo")) == nullptr);
    QCOMPARE(CurrentRow(ui), 3);

    QTest::keyClick(ui.window->listView(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(CurrentRow(ui), 4);
    QTest::keyClick(ui.window->listView(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(CurrentRow(ui), 4);  // no marker after it
    QTest::keyClick(ui.window->listView(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(CurrentRow(ui), 2);

    ui.Trigger("mnuTimeColumn");
    QCOMPARE(ui.Headers(), plain);
    QVERIFY(!length->isVisible());

    // Turned on in another view, the option shows the song's length there at once.
    for (QAction* button : ui.window->findChild<QToolBar*>("Viewbar")->actions())
      if (button->data().toString() == "Ots") button->trigger();
    QCOMPARE(ui.PressedView(), QString("Ots"));
    ui.Trigger("mnuTimeColumn");
    QVERIFY(length->isVisible());
    QCOMPARE(length->text(), QString("Length: 0:04"));
    ui.Trigger("mnuTimeColumn");
  }
};

QTEST_MAIN(TimeCommandsTest)
#include "time_commands_test.moc"
