// The window's keys, pressed as a user presses them, the manual's list of them, and the
// command line of the window: --help, --version and several files.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include "app/app_command_line.h"
#include "app/detail_pane.h"
#include "app/filter_bar.h"
#include "app/start_options.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

// The menu keys as a user reads them in the manual's Keyboard table, with the menu entry each
// runs.
struct UserKey {
  const char* keys;
  const char* entry;
  const char* manualLine;
};
const UserKey kUserKeys[] = {
    {"Ctrl+O", "mnuOpen", "| Ctrl+O | Open |"},
    {"Ctrl+F", "mnuFindPartialMatch", "| Ctrl+F | Find > Partial Match |"},
    {"F3", "mnuFindNextPartialMatch", "| F3 | Find Next > Partial Match |"},
    {"Ctrl+C", "mnuCopy", "| Ctrl+C | Copy (in the filter field"},
    {"Ctrl+P", "mnuPrint", "| Ctrl+P | Print |"},
    {"F1", "mnuHelp", "| F1 | Info/Help |"},
    {"Ctrl+Q", "mnuExit", "| Ctrl+Q | Exit |"},
};

class KeyboardTest : public QObject {
  Q_OBJECT

 private:
  void PressKeys(WindowUnderTest& ui, const char* keys) {
    ui.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ui.window.get()));
    const QKeyCombination key = QKeySequence(QString::fromLatin1(keys))[0];
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : ui.window.get(),
                    key.key(), key.keyboardModifiers());
  }

 private slots:
  void keysRunTheirCommands() {
    TestFiles files;
    const QString song = files.Write(QStringLiteral("song.mid"), SmallSong());
    WindowUnderTest ui;
    ui.OpenThroughMenu(song);
    ui.window->listView()->setFocus();

    PressKeys(ui, "Ctrl+O");
    QCOMPARE(ui.dialog->shown, 2);

    ui.prompt->answers.push_back(QStringLiteral("note"));
    PressKeys(ui, "Ctrl+F");
    QCOMPARE(ui.prompt->shown, 1);
    const QList<int> first = ui.SelectedRows();
    QCOMPARE(first.size(), 1);
    QString cells;
    for (int column = 0; column < ui.Headers().size(); ++column) cells += ui.Cell(first[0], column);
    QVERIFY2(cells.contains(QStringLiteral("note"), Qt::CaseInsensitive), qPrintable(cells));
    PressKeys(ui, "F3");  // partial match again, from the row after the hit
    QCOMPARE(ui.prompt->shown, 1);
    QVERIFY(ui.SelectedRows().value(0) > first[0]);

    QApplication::clipboard()->clear();
    PressKeys(ui, "Ctrl+C");
    QVERIFY(QApplication::clipboard()->text().startsWith(ui.Headers().value(0)));

    PressKeys(ui, "Ctrl+P");
    QCOMPARE(ui.preview->captions.size(), 1);

    PressKeys(ui, "F1");  // no manual in any folder: the message says so
    QCOMPARE(ui.messages->messages.value(0),
             QStringLiteral("Cannot find the Information File named Veltrix.pdf"));

    PressKeys(ui, "Ctrl+Q");
    QVERIFY(!ui.window->isVisible());
  }

  void captionsKeepTheirTexts() {
    WindowUnderTest ui;
    for (const UserKey& key : kUserKeys) {
      const QAction* action = ui.window->findChild<QAction*>(QString::fromLatin1(key.entry));
      QVERIFY2(action != nullptr, key.entry);
      QVERIFY(!action->text().contains(u'\t'));
      QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(key.keys)));
    }
  }

  void filterFieldKeys() {
    WindowUnderTest ui;
    QLineEdit* field = ui.window->filterBar()->textField();
    ui.window->listView()->setFocus();
    PressKeys(ui, "Ctrl+L");
    QCOMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("Note"));
    QCOMPARE(field->text(), QStringLiteral("Note"));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(field->text().isEmpty());
  }

  void tabGoesDownTheWindow() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write(QStringLiteral("song.mid"), SmallSong()));
    ui.window->detailPane()->show();
    ui.window->filterBar()->textField()->setFocus();
    QWidget* window = ui.window.get();
    QList<QWidget*> visited{QApplication::focusWidget()};
    for (int step = 0; step < 6; ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (visited.contains(QApplication::focusWidget())) break;
      visited.append(QApplication::focusWidget());
    }
    QVERIFY(visited.contains(ui.window->listView()));
    QVERIFY(visited.contains(ui.window->detailPane()->widget()));
    // Each stop lies below, or level with and right of, the one before.
    for (int i = 1; i < visited.size(); ++i) {
      const QPoint before = visited[i - 1]->mapTo(window, QPoint(0, 0));
      const QPoint now = visited[i]->mapTo(window, QPoint(0, 0));
      QVERIFY2(now.y() > before.y() || now.x() > before.x(), qPrintable(visited[i]->objectName()));
    }
  }

  void manualListsTheKeys() {
    QFile manual(QStringLiteral(VELTRIX_SOURCE_DIR "/docs/manual.md"));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(manual.readAll());
    QStringList lines{QStringLiteral("| Ctrl+L | to the filter field"),
                      QStringLiteral("| Escape | in the filter bar: clears the text and every choice |")};
    for (const UserKey& key : kUserKeys) lines << QString::fromUtf8(key.manualLine);
    for (const QString& line : lines) QVERIFY2(text.contains(line), qPrintable(line));
  }

  void helpAndVersionArguments() {
    QVERIFY(ParseStartArguments({"--help"}).help);
    QVERIFY(ParseStartArguments({"--version"}).version);
    const StartOptions file = ParseStartArguments({"--", "--help"});
    QVERIFY(!file.help);
    QCOMPARE(file.commandLine, std::string("--help"));
    QCOMPARE(VersionText(), QStringLiteral("veltrix 2.0.1\n"));
  }

  void severalFiles_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("notOpened");
    QTest::newRow("one file") << QStringList{"a.mid"} << QStringList{"a.mid"} << "a.mid"
                              << QStringList{};
    QTest::newRow("a name with blanks in words")
        << QStringList{"My", "Song.mid"} << QStringList{"My Song.mid", "My"} << "My Song.mid"
        << QStringList{};
    QTest::newRow("several files")
        << QStringList{"a.mid", "b.sty", "c.kar"} << QStringList{"a.mid", "b.sty"} << "a.mid"
        << QStringList{"b.sty", "c.kar"};
    QTest::newRow("no file at all: joined, reported as today")
        << QStringList{"x", "y"} << QStringList{} << "x y" << QStringList{};
  }

  void severalFiles() {
    QFETCH(QStringList, words);
    QFETCH(QStringList, existing);
    QFETCH(QString, opened);
    QFETCH(QStringList, notOpened);
    std::vector<std::string> given;
    for (const QString& word : words) given.push_back(word.toStdString());
    const CommandLineFiles files = ChooseCommandLineFiles(given, [&](const std::string& path) {
      return existing.contains(QString::fromStdString(path));
    });
    QCOMPARE(QString::fromStdString(files.commandLine), opened);
    QStringList named;
    for (const std::string& file : files.notOpened) named << QString::fromStdString(file);
    QCOMPARE(named, notOpened);
    if (!files.notOpened.empty())
      QVERIFY(NotOpenedMessage(files.notOpened).endsWith(named.join(u'\n')));
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
