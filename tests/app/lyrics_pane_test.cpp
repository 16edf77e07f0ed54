// The Lyrics pane through the window: hidden at start, its lines follow the list's current row
// and lead to their events, and it offers the code page the texts are written in; Text
// Encoding > Detect reads each file in the guessed code page.
#include <QAction>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/lyrics_pane.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

LyricsPane* PaneOf(const WindowUnderTest& ui) {
  return ui.window->findChild<LyricsPane*>(QStringLiteral("LyricsPane"));
}

// "Sakura" in Shift_JIS, a lyric event of its own per word.
builder::Bytes ShiftJisSong() {
  const builder::Bytes words = {0x82, 0xb3, 0x82, 0xad, 0x82, 0xe7, 0x20, 0x82, 0xb3,
                                0x82, 0xad, 0x82, 0xe7, 0x20, 0x96, 0xed, 0x90, 0xb6,
                                0x82, 0xcc, 0x8b, 0xf3, 0x82, 0xcd, 0x0d};
  return builder::SmfBuilder(0, 480)
      .Track(builder::TrackBuilder().Meta(0, 0x05, words).EndOfTrack())
      .Build();
}

}  // namespace

class LyricsPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void linesFollowTheListAndLeadToTheirEvents() {
    TestFiles files;
    WindowUnderTest ui;
    // Rows: 0 "\Hel" at tick 0, 1 "lo", 2 "/world" at 480, 3 a note, 4 "\Next" at 960.
    const builder::Bytes song = builder::SmfBuilder(0, 480)
                                    .Track(builder::TrackBuilder()
                                               .Meta(0, 0x01, "\\Hel")
                                               .Meta(240, 0x01, "lo")
                                               .Meta(240, 0x01, "/world")
                                               .Event(240, {0x90, 0x3C, 0x40})
                                               .Meta(240, 0x01, "\\Next")
                                               .EndOfTrack())
                                    .Build();
    ui.OpenThroughMenu(files.Write("song.kar", song));
    LyricsPane* pane = PaneOf(ui);
    QVERIFY(pane != nullptr);
    QVERIFY(pane->isHidden());
    ui.Trigger("mnuLyrics");
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->lyrics().lines.size(), size_t{3});
    QVERIFY(pane->text().contains("0:01.000  Next"));

    ui.window->SelectListRow(4);  // the note, sung in the line "world"
    QCOMPARE(pane->highlightedLine(), 1);
    pane->ActivateLine(2);
    QCOMPARE(ui.window->listView()->currentIndex().row(), 4);
    QCOMPARE(pane->highlightedLine(), 2);
    QVERIFY(pane->offeredEncoding().isEmpty());
  }

  void offersAndDetectsTheTextsCodePage() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("sakura.mid", ShiftJisSong()));
    ui.Trigger("mnuLyrics");
    LyricsPane* pane = PaneOf(ui);
    QCOMPARE(pane->offeredEncoding(), QString("Shift_JIS"));
    pane->findChild<QPushButton*>(QStringLiteral("lyricsSwitchEncoding"))->click();
    QCOMPARE(QString::fromStdString(ui.window->session().codePage.name()), QString("Shift_JIS"));
    QCOMPARE(QString::fromStdString(pane->lyrics().lines.at(0).text),
             QString("さくら さくら 弥生の空は"));
    QVERIFY(pane->offeredEncoding().isEmpty());

    ui.Trigger("mnuEncoding_windows-1252");
    ui.Trigger("mnuEncoding_auto");
    QCOMPARE(QString::fromStdString(ui.window->session().codePage.name()), QString("SHIFT_JIS"));
    QCOMPARE(ui.window->statusText(), QString("Text encoding guessed: SHIFT_JIS"));

    // While Detect is chosen, each file opened gets its own guess.
    const builder::Bytes cyrillic = {0xca, 0xe0, 0xeb, 0xe8, 0xed, 0xea, 0xe0, 0x2c, 0x20, 0xea,
                                     0xe0, 0xeb, 0xe8, 0xed, 0xea, 0xe0, 0x2c, 0x20, 0xea, 0xe0,
                                     0xeb, 0xe8, 0xed, 0xea, 0xe0, 0x20, 0xec, 0xee, 0xff, 0x21};
    ui.OpenThroughMenu(files.Write(
        "kalinka.mid", builder::SmfBuilder(0, 480)
                           .Track(builder::TrackBuilder().Meta(0, 0x05, cyrillic).EndOfTrack())
                           .Build()));
    QTRY_COMPARE(QString::fromStdString(ui.window->session().codePage.name()),
                 QString("WINDOWS-1251"));
    QCOMPARE(QString::fromStdString(pane->lyrics().lines.at(0).text),
             QString("Калинка, калинка, калинка моя!"));
  }
};

QTEST_MAIN(LyricsPaneTest)
#include "lyrics_pane_test.moc"
