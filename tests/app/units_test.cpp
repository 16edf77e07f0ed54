// The window's plain helpers: per-command messages, start arguments, layout, title text.
#include <QTest>
#include <QWindow>

#include "app/command_messages.h"
#include "app/main_window.h"
#include "app/start_options.h"
#include "app/window_layout.h"

using namespace veltrix::app;

class UnitsTest : public QObject {
  Q_OBJECT

 private slots:
  void commandMessagesHoldBackRepeats() {
    std::vector<std::string> shown;
    CommandMessages messages([&](const std::string& text) { shown.push_back(text); });
    messages.Post("outside");
    messages.Post("outside");  // outside a command nothing is held back
    messages.Begin();
    messages.Post("a");
    messages.Begin();  // a nested command belongs to the outer one
    messages.Post("a");
    messages.Post("b");
    messages.End();
    QCOMPARE(shown.size(), size_t{4});
    messages.Post("a");
    messages.End();
    QCOMPARE(shown,
             (std::vector<std::string>{"outside", "outside", "a", "b",
                                       "2 further reports of this command were not shown."}));
    messages.Begin();
    messages.Post("a");
    messages.Post("a");
    messages.End();
    QCOMPARE(shown.back(), std::string("1 further report of this command was not shown."));
    QCOMPARE(shown[shown.size() - 2], std::string("a"));
  }

  void startArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("quit");
    QTest::addColumn<QString>("screenshot");
    QTest::newRow("none") << QStringList{} << "" << false << "";
    QTest::newRow("joined by one blank")
        << QStringList{"/tmp/My", "Song.mid"} << "/tmp/My Song.mid" << false << "";
    QTest::newRow("quotes kept for the path rule")
        << QStringList{"\"/a b.mid\""} << "\"/a b.mid\"" << false << "";
    QTest::newRow("options first")
        << QStringList{"--quit-after-load", "--screenshot", "s.png", "f"} << "f" << true << "s.png";
    QTest::newRow("options only at the front")
        << QStringList{"f", "--quit-after-load"} << "f --quit-after-load" << false << "";
    QTest::newRow("double dash ends options")
        << QStringList{"--", "--quit-after-load"} << "--quit-after-load" << false << "";
  }
  void startArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, commandLine);
    QFETCH(bool, quit);
    QFETCH(QString, screenshot);
    std::vector<std::string> list;
    for (const QString& argument : arguments) list.push_back(argument.toStdString());
    const StartOptions options = ParseStartArguments(list);
    QVERIFY(options.error.empty());
    QCOMPARE(QString::fromStdString(options.commandLine), commandLine);
    QCOMPARE(options.quitAfterLoad, quit);
    QCOMPARE(QString::fromStdString(options.screenshotPath), screenshot);
  }

  void screenshotNeedsAFileName() { QVERIFY(!ParseStartArguments({"--screenshot"}).error.empty()); }

  void viewTakesAViewName() {
    QCOMPARE(QString::fromStdString(ParseStartArguments({"--view", "casm", "a.sty"}).view),
             QString("Casm"));
    QVERIFY(!ParseStartArguments({"--view", "Casm"}).error.empty());
    QVERIFY(!ParseStartArguments({"--view"}).error.empty());
  }

  void listAreaFollowsTheClientSize() {
    const QSize design = DesignClientSize();
    QCOMPARE(design, QSize(620, 606));
    ListArea area = ListAreaFor(design + QSize(40, 30));
    QCOMPARE(area.list, QRect(6, 114, 649, 475));
    QCOMPARE(area.warningTop, 114 + 475 + 7);
    QCOMPARE(ListAreaFor(QSize(100, 100)).list, QRect(QPoint(6, 114), kMinimumListSize));
    QCOMPARE(ListAreaFor(design, 150).list, QRect(6, 150, 609, 409));
  }

  void titleKeepsBracketedStars() {
    QCOMPARE(WindowTitleText("Veltrix   /a/[*].mid"), QString("Veltrix   /a/[*][*].mid"));
    QWidget widget;
    widget.setWindowTitle(WindowTitleText("Veltrix   /a/[*].mid"));
    widget.show();
    QVERIFY(widget.windowHandle() != nullptr);
    QCOMPARE(widget.windowHandle()->title(), QString("Veltrix   /a/[*].mid"));
  }
};

QTEST_MAIN(UnitsTest)
#include "units_test.moc"
