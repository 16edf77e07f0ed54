#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/dock_panel.h"
#include "core/file_image.h"
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
class LyricsPane : public DockPanel {
  Q_OBJECT

 public:
  // `window` is the main window, whose Text Encoding menu the one-click switch uses.
  LyricsPane(DockHost& host, QWidget* window);

  // As a click on line `line` (from 0): selects the event of its first syllable.
  void ActivateLine(int line);
  // Puts the lines on the clipboard as text, a blank line between paragraphs.
  void CopyLines();

  const SongLyrics& lyrics() const { return song_; }
  int highlightedLine() const { return highlighted_; }
  // The code page the one-click switch offers; empty when it is not shown.
  QString offeredEncoding() const { return offered_; }
  QString text() const;

 protected:
  void ListingChanged() override;
  void CurrentRowChanged() override;

 private:
  // Reads the lyrics again when the file, the code page or the listing changed.
  void Refresh();
  // Highlights the line sung at the list's current row.
  void ShowRow(std::optional<size_t> tableRow);
  // Selects the event whose first byte is `offset` in the listed image.
  void SelectEventAt(int64_t offset);
  void Render();
  void OfferSwitch(const FileImage& own);
  void LinkClicked(const QUrl& link);

  QWidget* window_;
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

}  // namespace veltrix::app
