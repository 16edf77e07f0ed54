// The window in a dark theme and at 200 %: the list, the detail pane and the warning line
// take their colours from the palette and stay readable, and the tool-bar icons have images
// drawn for twice their size.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "app/detail_pane.h"
#include "app/row_table_model.h"
#include "app/theme_colours.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

QPalette DarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
  dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
  dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
  dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
  dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
  return dark;
}

}  // namespace

class ThemeTest : public QObject {
  Q_OBJECT

 private slots:
  void darkThemeStaysReadable() {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write(QStringLiteral("song.mid"), SmallSong()));
    ui.window->detailPane()->show();

    // The list has no colours of its own: every cell is drawn in the palette's.
    const RowTableModel* model = ui.window->tableModel();
    QVERIFY(model->rowCount() > 0);
    for (int row = 0; row < model->rowCount(); ++row)
      for (int column = 0; column < model->columnCount(); ++column)
        for (int role : {Qt::BackgroundRole, Qt::ForegroundRole})
          QVERIFY(!model->data(model->index(row, column), role).isValid());
    for (QWidget* widget :
         {static_cast<QWidget*>(ui.window->listView()), ui.window->detailPane()->widget()}) {
      const QPalette shown = widget->palette();
      QCOMPARE(shown.color(QPalette::Base), DarkPalette().color(QPalette::Base));
      QVERIFY(ContrastRatio(shown.color(QPalette::Text), shown.color(QPalette::Base)) >= 7);
    }
    auto* warning = ui.window->findChild<QLabel*>(QStringLiteral("lblWarning"));
    QVERIFY(ContrastRatio(warning->palette().color(QPalette::WindowText),
                          DarkPalette().color(QPalette::Window)) >= 4.5);
    QApplication::setPalette(before);
  }

  void lightThemeKeepsTheDesignedRed() {
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    QCOMPARE(WarningTextColour(light), QColor(Qt::darkRed));
    QVERIFY(ContrastRatio(WarningTextColour(light), light.color(QPalette::Window)) >= 4.5);
    QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
  }

  void toolBarIconsAreSharpAtTwiceTheSize() {
    WindowUnderTest ui;
    for (const char* bar : {"Viewbar", "ActionBar"}) {
      for (QAction* action : ui.window->findChild<QToolBar*>(QString::fromLatin1(bar))->actions()) {
        if (action->isSeparator()) continue;
        const QPixmap image = action->icon().pixmap(QSize(16, 16), 2.0);
        QVERIFY2(image.width() >= 32, qPrintable(action->objectName()));
      }
    }
  }
};

QTEST_MAIN(ThemeTest)
#include "theme_test.moc"
