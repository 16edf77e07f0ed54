#pragma once

#include <QAbstractItemModelTester>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>

#include "app/main_window.h"
#include "app/message_presenter.h"
#include "app/open_dialog.h"
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

// A main window with the recording presenter and the stub dialog, shown offscreen.
struct WindowUnderTest {
  WindowUnderTest();
  RecordingPresenter* messages;
  StubOpenDialog* dialog;
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
