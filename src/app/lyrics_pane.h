#pragma once

#include <QDockWidget>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/session.h"
#include "lyrics/song_lyrics.h"

class QLabel;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace veltrix::app {

// Options > Lyrics: the song's words as timed lines beside the list. The song's information
// above the lines, each line with its time at the left; the line sung at the list's current
// row is highlighted and kept in view; a click on a line or a syllable selects its event.
// Read from the Midi listing's event index and the file's bytes, never from the list's cells.
class LyricsPane : public QDockWidget {
  Q_OBJECT

 public:
  // Selects the list row of a table row (0-based) in the Midi view.
  using SelectEvent = std::function<void(size_t tableRow)>;
  // Reads the files' texts in another code page, as the Text Encoding menu does.
  using ChooseEncoding = std::function<void(const QString& name)>;

  LyricsPane(const Session& session, SelectEvent select, ChooseEncoding choose,
             QWidget* parent = nullptr);

  // After every listing: reads the lyrics again when the listing changed and the pane shows.
  void Refresh();
  // The list's current table row changed (nothing for none): highlights the line sung there.
  void ShowRow(std::optional<size_t> tableRow);
  // As a click on line `line` (from 0): selects the event of its first syllable.
  void ActivateLine(int line);
  // Puts the lines on the clipboard as text, a blank line between paragraphs.
  void CopyLines();

  const SongLyrics& lyrics() const { return song_; }
  int highlightedLine() const { return highlighted_; }
  // The code page the one-click switch offers; empty when it is not shown.
  QString offeredEncoding() const { return offered_; }
  QString text() const;

 private:
  void Render();
  void OfferSwitch(const FileImage& own);
  void LinkClicked(const QUrl& link);

  const Session& session_;
  SelectEvent select_;
  ChooseEncoding choose_;
  QLabel* info_ = nullptr;
  QWidget* switchBar_ = nullptr;
  QLabel* switchText_ = nullptr;
  QPushButton* switchButton_ = nullptr;
  QTextBrowser* lines_ = nullptr;

  SongLyrics song_;
  std::string readFor_;  // what the lyrics were read from: file, code page and listing
  int highlighted_ = -1;
  QString offered_;
};

class MainWindow;

// Adds the pane, hidden, to the window's right dock area and its entry "Lyrics" to the Options
// menu, and keeps it in step with the window's listings and current row.
LyricsPane* AddLyricsPane(MainWindow& window);

}  // namespace veltrix::app
