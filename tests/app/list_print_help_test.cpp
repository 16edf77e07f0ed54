// Printing the list (read back from PDF with pdftotext), the Help command and the About box.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "../support/required_data.h"
#include "app/about_dialog.h"
#include "app/help_opener.h"
#include "app/list_printer.h"
#include "app_test_support.h"

using namespace veltrix;
using namespace veltrix::app;
using namespace veltrix::app::testing;

namespace {

const std::vector<Column> kPrintColumns = {{"Position", 900, Alignment::Right, "NUMBER"},
                                           {"Kind", 1200, Alignment::Left, ""},
                                           {"Content", 3000, Alignment::Left, ""}};

// The text of a PDF file as pdftotext reads it.
QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString WithoutBlanks(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

int PrintToPdf(const WindowModel& window, const QString& heading, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  return PrintList(window, heading, printer);
}

WindowModel Listing(const std::vector<std::vector<std::string>>& rows) {
  WindowModel window;
  window.SetColumns(kPrintColumns);
  for (const auto& row : rows) window.rows.AddRow(row);
  return window;
}

QString LabelText(QWidget* parent, const char* name) {
  auto* label = parent->findChild<QLabel*>(name);
  return label ? label->text() : QString("<missing>");
}

}  // namespace

class ListPrintHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      qWarning("pdftotext is not installed: the printed texts are not read back");
  }

  void printHeading_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Windows path") << "C:\\Styles\\Pop.sty"
                                  << "Veltrix Listing  Pop.sty";
    QTest::newRow("no file") << ""
                             << "Veltrix Listing  ";
    QTest::newRow("blanks kept") << "/home/me/My Song.mid"
                                 << "Veltrix Listing  My Song.mid";
  }
  void printHeading() {
    QFETCH(QString, fileName);
    QFETCH(QString, heading);
    QCOMPARE(PrintHeading(fileName.toStdString()), heading);
  }

  void printFontAndFailureText() {
    QCOMPARE(ListPrintFont().family(), QString("Arial"));
    QCOMPARE(ListPrintFont().pointSize(), 8);
    QCOMPARE(PrintFailureText(Failure(kPrinterError, "Printer error")),
             QString("  Error 482;Printer error"));
  }

  void printedListHoldsHeadingHeadersAndEveryRow() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      VELTRIX_QSKIP_WHEN_MISSING("pdftotext is missing");
    QTemporaryDir folder;
    const WindowModel window = Listing({{"1", "Metadata", "Track Name: Song"},
                                        {"22", "Midi Event", "Note On    C  5    velocity: 100"},
                                        {"-3", "", "Sysex Command"}});
    const QString path = folder.filePath("list.pdf");
    QCOMPARE(PrintToPdf(window, "Veltrix Listing  song.mid", path), 1);
    const QString text = PdfText(path);
    QVERIFY(text.contains(QRegularExpression("Veltrix Listing\\s+song\\.mid")));
    for (const char* expected : {"Position", "Kind", "Content", "Track Name: Song", "22",
                                 "Midi Event", "velocity: 100", "-3", "Sysex Command"})
      QVERIFY2(text.contains(expected), qPrintable(expected));
  }

  // Every page repeats the heading and the column headers; no row is lost between pages, and
  // a cell too long for the page's width wraps instead of being cut off.
  void longListsArePagedAndLongCellsWrap() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      VELTRIX_QSKIP_WHEN_MISSING("pdftotext is missing");
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r <= 250; ++r)
      rows.push_back({std::to_string(r), "Kind", "row" + std::to_string(r) + "x"});
    std::string hex;
    for (int i = 0; i < 400; ++i) hex += (i % 2 ? "4C " : "F0 ");
    rows.push_back({"999", "Long", hex + "LASTBYTE"});
    QTemporaryDir folder;
    const QString path = folder.filePath("long.pdf");
    const int pages = PrintToPdf(Listing(rows), "Veltrix Listing  long.mid", path);
    QVERIFY(pages >= 3);
    const QString text = PdfText(path);
    QCOMPARE(text.count("Veltrix Listing"), pages);
    QCOMPARE(text.count("Position"), pages);
    QVERIFY(text.contains(QString("Page %1 of %1").arg(pages)));
    for (int r = 1; r <= 250; ++r)
      QVERIFY2(text.contains(QString("row%1x").arg(r)), qPrintable(QString::number(r)));
    QVERIFY(WithoutBlanks(text).contains(WithoutBlanks(QString::fromStdString(hex)) + "LASTBYTE"));
  }

  void printCommandPrintsTheListUnderItsHeadingThroughThePreview() {
    TestFiles files;
    WindowUnderTest ui;
    ui.OpenThroughMenu(files.Write("song.mid", SmallSong()));
    ui.preview->pdfPath = files.Path("out.pdf");
    ui.Trigger("mnuPrint");
    ui.window->ActionBarAction("Print");
    QCOMPARE(ui.preview->captions, QStringList({"Print Preview", "Print Preview"}));
    QVERIFY(ui.messages->messages.isEmpty());
    QVERIFY(QFile::exists(ui.preview->pdfPath));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) return;
    const QString text = PdfText(ui.preview->pdfPath);
    QVERIFY(text.contains(QRegularExpression("Veltrix Listing\\s+song\\.mid")));
    for (const QString& header : ui.Headers()) QVERIFY2(text.contains(header), qPrintable(header));
    QVERIFY(text.contains(ui.Cell(ui.Rows() - 1, 0)));
  }

  void printingWithNoFilePrintsTheHeadersOnly() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      VELTRIX_QSKIP_WHEN_MISSING("pdftotext is missing");
    TestFiles files;
    WindowUnderTest ui;
    ui.window->LoadCommandLine("");
    ui.preview->pdfPath = files.Path("empty.pdf");
    ui.window->listviewPrint();
    const QString text = PdfText(ui.preview->pdfPath);
    QCOMPARE(text.split('\n').first().trimmed(), QString("Veltrix Listing"));
    for (const QString& header : ui.Headers()) QVERIFY2(text.contains(header), qPrintable(header));
    QVERIFY(!text.contains(QRegularExpression("\\d")));  // no row
  }

  void aPrinterThatCannotBeUsedIsReported() {
    WindowUnderTest ui;
    ui.window->LoadCommandLine("");
    ui.preview->pdfPath = "/nonexistent-folder/out.pdf";
    ui.window->listviewPrint();
    QCOMPARE(ui.messages->messages, QStringList{"  Error 482;Printer error"});
  }

  void helpOpensTheManualOrSaysItIsMissing() {
    QCOMPARE(ManualFolders().first(), QCoreApplication::applicationDirPath());
    QTemporaryDir empty, withManual;
    QFile manual(withManual.filePath("Veltrix.pdf"));
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.close();

    WindowUnderTest ui;
    ui.window->SetManualFolders({empty.path()});
    ui.Trigger("mnuHelp");
    QCOMPARE(ui.messages->messages,
             QStringList{"Cannot find the Information File named Veltrix.pdf"});
    QVERIFY(ui.desktop->opened.isEmpty());

    ui.window->SetManualFolders({empty.path(), withManual.path()});
    ui.Trigger("mnuHelp");
    QCOMPARE(ui.desktop->opened, QStringList{QFileInfo(manual).absoluteFilePath()});
    QCOMPARE(ui.messages->messages.size(), 1);

    ui.desktop->opens = false;  // no viewer took it
    ui.Trigger("mnuHelp");
    QCOMPARE(ui.messages->messages.size(), 2);
    QCOMPARE(ui.messages->messages.last(), ui.messages->messages.first());
  }

  void aboutBoxIsOneModelessInstance() {
    WindowUnderTest ui;
    ui.Trigger("mnuAbout");
    AboutDialog* about = ui.window->aboutBox();
    QVERIFY(about != nullptr);
    QCOMPARE(about->objectName(), QString("frmAbout"));
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QString("About Veltrix"));
    QCOMPARE(LabelText(about, "lblTitle"), QString("Veltrix"));
    QCOMPARE(LabelText(about, "lblVersion"), QString("Version 2.0.1"));
    QVERIFY(!LabelText(about, "lblDescription").isEmpty());
    QCOMPARE(about->findChild<QPushButton*>("cmdSysInfo")->text(), QString("&System Info..."));

    ui.Trigger("mnuAbout");
    QCOMPARE(ui.window->aboutBox(), about);
    QCOMPARE(ui.window->findChildren<AboutDialog*>().size(), 1);

    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(ui.window->aboutBox() == nullptr);
    ui.Trigger("mnuAbout");
    QVERIFY(ui.window->aboutBox() != nullptr);

    ui.window->close();  // closing the main window closes the box too
    QTRY_VERIFY(ui.window->aboutBox() == nullptr);
  }

  void systemInfoStartsTheDesktopToolOrSaysItIsUnavailable() {
    WindowUnderTest ui;
    ui.Trigger("mnuAbout");
    auto* sysInfo = ui.window->aboutBox()->findChild<QPushButton*>("cmdSysInfo");
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(ui.messages->messages, QStringList{"System Information Is Unavailable At This Time"});
    QVERIFY(ui.desktop->started.isEmpty());

    ui.desktop->programs = {{"kinfocenter", "/usr/bin/kinfocenter"},
                            {"hardinfo", "/usr/bin/hardinfo"}};
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(ui.desktop->started, QStringList{"/usr/bin/hardinfo"});
    QCOMPARE(ui.messages->messages.size(), 1);

    ui.desktop->starts = false;
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(ui.messages->messages.size(), 2);
  }

  void listCommandsAreEnabled() {
    WindowUnderTest ui;
    for (const char* name :
         {"mnuPrint", "mnuFindPartialMatch", "mnuFindExactMatch", "mnuFindNextPartialMatch",
          "mnuFindNextExactMatch", "mnuCopy", "mnuHelp", "mnuAbout"})
      QVERIFY2(ui.window->findChild<QAction*>(name)->isEnabled(), name);
  }
};

QTEST_MAIN(ListPrintHelpTest)
#include "list_print_help_test.moc"
