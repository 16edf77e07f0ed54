#pragma once

#include <QAbstractItemModelTester>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "app/desktop_services.h"
#include "app/main_window.h"
#include "app/message_presenter.h"
#include "app/open_dialog.h"
#include "app/print_preview.h"
#include "app/search_prompt.h"
#include "builder/smf_builder.h"

namespace veltrix::app::testing {

// Keeps every message instead of showing a box.
class RecordingPresenter final : public MessagePresenter {
 public:
  void Show(QWidget*, const QString& text) override;
  QStringList messages;
  int shownUnderBusyCursor = 0;  // messages shown while the hourglass was up
};

// Answers the Open dialog from a queue; an empty answer, or none left, is a cancel.
class StubOpenDialog final : public OpenDialog {
 public:
  std::optional<QString> ChooseFile(QWidget*, const QString& currentFile) override;
  std::deque<QString> answers;
  int shown = 0;
  QString lastCurrentFile;
};

// Answers the search prompt from a queue (an empty answer, or none left, as a cancel) and
// keeps what it was asked.
class StubSearchPrompt final : public SearchPrompt {
 public:
  QString Ask(QWidget*, const QString& prompt, const QString& title,
              const QString& preset) override;
  std::deque<QString> answers;
  int shown = 0;
  QString lastPrompt, lastTitle, lastPreset;
};

// Keeps the captions of the previews asked for; with `pdfPath` set, prints the document into
// that PDF file as the preview's Print button would.
class StubPrintPreview final : public PrintPreview {
 public:
  void Show(QWidget*, const QString& caption,
            const std::function<void(QPrinter& printer)>& paint) override;
  QStringList captions;
  QString pdfPath;
};

// A desktop with the programs of `programs` (name to path) and no document viewer behind it:
// it keeps what it was asked to open and start.
class StubDesktop final : public DesktopServices {
 public:
  bool OpenDocument(const QString& path) override;
  std::optional<QString> FindProgram(const QString& name) override;
  bool StartProgram(const QString& path) override;
  std::map<QString, QString> programs;
  bool opens = true;
  bool starts = true;
  QStringList opened;
  QStringList started;
};

// A main window with the recording presenter and stubs for every dialog and the desktop,
// shown offscreen. The manual is looked for in no folder unless a test names one.
struct WindowUnderTest {
  WindowUnderTest();
  RecordingPresenter* messages;
  StubOpenDialog* dialog;
  StubSearchPrompt* prompt;
  StubPrintPreview* preview;
  StubDesktop* desktop;
  std::unique_ptr<MainWindow> window;
  // Checks every reset of the list's model that the commands of a test cause.
  std::unique_ptr<QAbstractItemModelTester> modelTester;

  // Opens `path` through the Open menu entry, as a user choosing it in the dialog.
  void OpenThroughMenu(const QString& path);
  void Trigger(const char* actionName);
  QString Cell(int row, int column) const;
  int Rows() const;
  QStringList Headers() const;
  QString PressedView() const;  // key of the checked Viewbar button, "" for none

  // Puts these columns and rows in the list, as a view would.
  void ShowList(const std::vector<Column>& columns,
                const std::vector<std::vector<std::string>>& rows);
  // A mouse click on the header of `column` (0 for the first).
  void ClickHeader(int column);
  // The 0-based rows selected, in list order.
  QList<int> SelectedRows() const;
};

// Files built for a test in a private folder.
class TestFiles {
 public:
  QString Write(const QString& name, const builder::Bytes& bytes);
  QString Path(const QString& name) const { return folder_.filePath(name); }

 private:
  QTemporaryDir folder_;
};

// A small format-0 song: tempo, time signature, a sysex, notes (one with running status).
builder::Bytes SmallSong();
// A format-0 file of about `events` note events.
builder::Bytes ManyNotes(int events);

}  // namespace veltrix::app::testing
