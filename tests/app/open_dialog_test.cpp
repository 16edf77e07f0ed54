// The Open dialog's filter: its exact text and its matching of any letter case.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/open_dialog.h"

using namespace veltrix::app;

namespace {

bool Matches(const QStringList& patterns, const QString& name) {
  for (const QString& pattern : patterns)
    if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
            .match(name)
            .hasMatch())
      return true;
  return false;
}

}  // namespace

class OpenDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void filterTexts() {
    const QString patterns =
        "*.mid;*.sty;*.pcs;*.bcs;*.sst;*.prs;*.pst;*.kar;*.wav;*.mp3;*.pad;*.fps;"
        "*.vce;*.VCE;*.mgv;*.liv;*.sar;*.clv;*.swv;*.org;*.drm;*.ldr;*.sfx;*.lsf ";
    QCOMPARE(OpenFilterPatternText(), patterns);
    QCOMPARE(OpenFilterDescription(), "Files(" + patterns + ")");
    QVERIFY(OpenNameFilter().startsWith(OpenFilterDescription() + " ("));
  }

  void patternsMatchAnyLetterCase_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::newRow("lower") << "song.mid" << true;
    QTest::newRow("upper") << "POPS.STY" << true;
    QTest::newRow("mixed") << "Song.Kar" << true;
    QTest::newRow("last pattern, blank trimmed") << "x.LSF" << true;
    QTest::newRow("digit in extension") << "a.MP3" << true;
    QTest::newRow("other extension") << "notes.txt" << false;
    QTest::newRow("extension inside the name") << "a.mid.bak" << false;
  }
  void patternsMatchAnyLetterCase() {
    QFETCH(QString, name);
    QFETCH(bool, shown);
    const QStringList patterns = CaseInsensitivePatterns(OpenFilterPatternText());
    QCOMPARE(Matches(patterns, name), shown);
    QCOMPARE(patterns.count("*.[vV][cC][eE]"), 1);  // "*.vce" and "*.VCE" are one pattern
  }

  // The real dialog over a folder: upper-case names are listed, other files are not, and the
  // filter box shows the description only.
  void dialogListsFilesOfAnyCase() {
    QTemporaryDir folder;
    for (const char* name : {"POPS.STY", "song.mid", "Song2.Mid", "notes.txt"}) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog;
    ConfigureOpenDialog(dialog);
    dialog.setDirectory(folder.path());
    auto* list = dialog.findChild<QListView*>("listView");
    QVERIFY(list != nullptr);
    auto shownNames = [&] {
      QStringList names;
      const QModelIndex root = list->rootIndex();
      for (int row = 0; row < list->model()->rowCount(root); ++row)
        names << list->model()->index(row, 0, root).data().toString();
      names.sort();
      return names;
    };
    QTRY_COMPARE(shownNames(), QStringList({"POPS.STY", "Song2.Mid", "song.mid"}));
    QCOMPARE(dialog.nameFilters().size(), 2);  // and All files
    auto* filterBox = dialog.findChild<QComboBox*>("fileTypeCombo");
    QVERIFY(filterBox != nullptr);
    QCOMPARE(filterBox->currentText(), OpenFilterDescription());
  }
};

QTEST_MAIN(OpenDialogTest)
#include "open_dialog_test.moc"
