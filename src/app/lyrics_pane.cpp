#include "app/lyrics_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/encoding_menu.h"
#include "lyrics/encoding_guess.h"
#include "lyrics/indexed_file.h"
#include "lyrics/lyrics_reader.h"
#include "lyrics/lyrics_text.h"
#include "timing/clock_text.h"

namespace veltrix::app {

namespace {

QString Html(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

QString SourceText(const SongLyrics& song) {
  switch (song.source) {
    case LyricSource::Lyric:
      return song.alsoKar ? QStringLiteral("From the lyric events (the .kar words are left out)")
                          : QStringLiteral("From the lyric events");
    case LyricSource::Kar:
      return QStringLiteral("From the .kar words");
    case LyricSource::None:
      break;
  }
  return QStringLiteral("No lyrics");
}

// The Text Encoding menu's name of a code page, compared without letter case; empty when the
// menu does not offer it.
QString MenuName(const std::string& codePage) {
  for (const TextEncoding& encoding : kTextEncodings)
    if (QString::fromLatin1(encoding.name)
            .compare(QString::fromStdString(codePage), Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(encoding.name);
  return {};
}

// Western code pages read a text alike for the detector's purpose.
bool Western(const std::string& codePage) {
  const QString name = QString::fromStdString(codePage).toUpper();
  return name == u"WINDOWS-1252" || name == u"ISO-8859-1" || name == u"ISO-8859-15";
}

}  // namespace

LyricsPane::LyricsPane(DockHost& host, QWidget* window)
    : DockPanel(host, QStringLiteral("LyricsPane"), QStringLiteral("Lyrics"),
                QStringLiteral("Lyrics"), window),
      window_(window) {
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);

  auto* top = new QHBoxLayout();
  info_ = new QLabel(body);
  info_->setObjectName(QStringLiteral("lyricsInfo"));
  info_->setWordWrap(true);
  info_->setTextFormat(Qt::RichText);
  top->addWidget(info_, 1);
  auto* copy = new QPushButton(QStringLiteral("Copy"), body);
  copy->setObjectName(QStringLiteral("lyricsCopy"));
  connect(copy, &QPushButton::clicked, this, &LyricsPane::CopyLines);
  top->addWidget(copy, 0, Qt::AlignTop);
  layout->addLayout(top);

  switchBar_ = new QWidget(body);
  auto* switchLayout = new QHBoxLayout(switchBar_);
  switchLayout->setContentsMargins(0, 0, 0, 0);
  switchText_ = new QLabel(switchBar_);
  switchText_->setWordWrap(true);
  switchButton_ = new QPushButton(switchBar_);
  switchButton_->setObjectName(QStringLiteral("lyricsSwitchEncoding"));
  connect(switchButton_, &QPushButton::clicked, this, [this] {
    if (offered_.isEmpty()) return;
    if (auto* entry = window_->findChild<QAction*>(QStringLiteral("mnuEncoding_") + offered_))
      entry->trigger();
  });
  switchLayout->addWidget(switchText_, 1);
  switchLayout->addWidget(switchButton_);
  switchBar_->hide();
  layout->addWidget(switchBar_);

  lines_ = new QTextBrowser(body);
  lines_->setObjectName(QStringLiteral("lyricsLines"));
  lines_->setOpenLinks(false);
  lines_->document()->setDefaultStyleSheet(
      QStringLiteral("a { text-decoration: none; color: %1; } p { margin: 0; }")
          .arg(palette().color(QPalette::Text).name()));
  connect(lines_, &QTextBrowser::anchorClicked, this, &LyricsPane::LinkClicked);
  layout->addWidget(lines_, 1);
  setWidget(body);
  Render();
}

void LyricsPane::ListingChanged() {
  Refresh();
  ShowRow(host().CurrentTableRow());
}

void LyricsPane::CurrentRowChanged() {
  ShowRow(host().CurrentTableRow());
}

void LyricsPane::Refresh() {
  const Session& session = host().session();
  const EventIndex& events = session.window.events;
  const std::string path = session.window.fileName;
  // A new file, code page, listing or sort of it; a filter changes none of them.
  std::string key = path + '\n' + session.codePage.name() + '\n' + events.view() + '\n' +
                    std::to_string(events.size()) + '\n' +
                    std::to_string(session.image.FileLength());
  if (events.size() > 0)
    key += '\n' + std::to_string(events.Of(0)->first) + ' ' +
           std::to_string(events.Of(events.size() - 1)->first);
  if (key == readFor_) return;
  readFor_ = key;
  song_ = {};
  offered_.clear();
  if (!path.empty() && events.view() == "Midi" && events.size() > 0) {
    const FileImage own = OwnBytesOf(path, session.image);
    song_ = ReadLyrics(session.image, events, session.codePage, own);
    OfferSwitch(own);
  }
  highlighted_ = -1;
  Render();
}

void LyricsPane::OfferSwitch(const FileImage& own) {
  if (song_.lines.empty()) return;
  const Session& session = host().session();
  const EncodingGuess guess = GuessEncoding(TextBytesOf(session.image, session.window.events, own));
  const std::string chosen = session.codePage.name();
  if (!guess.confident || (Western(guess.name) && Western(chosen))) return;
  const QString name = MenuName(guess.name);
  if (name.isEmpty() || name.compare(QString::fromStdString(chosen), Qt::CaseInsensitive) == 0)
    return;
  offered_ = name;
}

void LyricsPane::ShowRow(std::optional<size_t> tableRow) {
  int line = -1;
  const EventIndex& events = host().session().window.events;
  const std::optional<EventRecord> record =
      tableRow && events.view() == "Midi" ? events.Of(*tableRow) : std::nullopt;
  if (record) {
    // The line being sung at the event: the last one that began at or before its tick.
    const auto after =
        std::upper_bound(song_.lines.begin(), song_.lines.end(), record->tick,
                         [](int32_t tick, const LyricLine& l) { return tick < l.tick; });
    line = static_cast<int>(after - song_.lines.begin()) - 1;
  }
  if (line == highlighted_) return;
  highlighted_ = line;
  Render();
}

void LyricsPane::ActivateLine(int line) {
  if (line < 0 || static_cast<size_t>(line) >= song_.lines.size()) return;
  for (const LyricSyllable& syllable : song_.lines[static_cast<size_t>(line)].syllables)
    if (syllable.row >= 0) {
      SelectEventAt(syllable.offset);
      return;
    }
}

void LyricsPane::SelectEventAt(int64_t offset) {
  // By the event's bytes, not its row: the Midi view may be listed anew (and sorted) first.
  host().SelectEvent([offset](const WindowModel& midi) -> std::optional<size_t> {
    for (size_t row = 0; row < midi.events.size(); ++row)
      if (midi.events.Of(row)->first == offset) return row;
    return std::nullopt;
  });
}

void LyricsPane::CopyLines() {
  const std::string text = PlainLyricsText(song_);
  QApplication::clipboard()->setText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QString LyricsPane::text() const {
  return lines_->toPlainText();
}

void LyricsPane::LinkClicked(const QUrl& link) {
  const QString target = link.toString();
  bool ok = false;
  if (target.startsWith(u"line:")) {
    const int line = target.mid(5).toInt(&ok);
    if (ok) ActivateLine(line);
  } else if (target.startsWith(u"event:")) {
    const qlonglong offset = target.mid(6).toLongLong(&ok);
    if (ok) SelectEventAt(offset);
  }
}

void LyricsPane::Render() {
  QString info;
  if (!song_.title.empty()) info += QStringLiteral("<b>%1</b>").arg(Html(song_.title));
  if (!song_.author.empty())
    info += (info.isEmpty() ? QString() : QStringLiteral(" &mdash; ")) + Html(song_.author);
  if (!song_.language.empty())
    info += (info.isEmpty() ? QString() : QStringLiteral(" &middot; ")) + Html(song_.language);
  info += (info.isEmpty() ? QString() : QStringLiteral("<br>")) +
          QStringLiteral("<small>%1</small>").arg(SourceText(song_));
  info_->setText(info);

  switchBar_->setVisible(!offered_.isEmpty());
  if (!offered_.isEmpty()) {
    switchText_->setText(QStringLiteral("The texts look like %1.").arg(offered_));
    switchButton_->setText(QStringLiteral("Read as %1").arg(offered_));
  }

  const QColor highlight = palette().color(QPalette::Highlight);
  const QColor highlightText = palette().color(QPalette::HighlightedText);
  QString html;
  for (size_t i = 0; i < song_.lines.size(); ++i) {
    const LyricLine& line = song_.lines[i];
    const bool current = static_cast<int>(i) == highlighted_;
    html +=
        QStringLiteral("<p style=\"%1%2\"><a name=\"l%3\" href=\"line:%3\" style=\"color:%4\">")
            .arg(line.paragraph && i > 0 ? QStringLiteral("margin-top:0.8em;") : QString())
            .arg(current ? QStringLiteral("background-color:%1;").arg(highlight.name()) : QString())
            .arg(i)
            .arg(current ? highlightText.name() : QStringLiteral("gray"));
    html += QString::fromLatin1(song_.givesTime ? ClockText(line.microseconds).c_str() : "") +
            QStringLiteral("</a>&nbsp;&nbsp;");
    const QString colour =
        current ? QStringLiteral(" style=\"color:%1\"").arg(highlightText.name()) : QString();
    for (const LyricSyllable& syllable : line.syllables) {
      if (syllable.row >= 0)
        html += QStringLiteral("<a href=\"event:%1\"%2>%3</a>")
                    .arg(syllable.offset)
                    .arg(colour, Html(syllable.text));
      else
        html += QStringLiteral("<span%1>%2</span>").arg(colour, Html(syllable.text));
    }
    html += QStringLiteral("</p>");
  }
  lines_->setHtml(html);
  if (highlighted_ >= 0) lines_->scrollToAnchor(QStringLiteral("l%1").arg(highlighted_));
}

}  // namespace veltrix::app
