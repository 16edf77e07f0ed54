#include "app/encoding_detect.h"

#include <QTimer>

#include "app/encoding_menu.h"
#include "app/main_window.h"
#include "app/row_table_model.h"
#include "lyrics/encoding_guess.h"
#include "lyrics/indexed_file.h"

namespace veltrix::app {

namespace {

constexpr const char* kNoGuessCodePage = "WINDOWS-1252";

}  // namespace

EncodingDetector::EncodingDetector(MainWindow& window) : QObject(&window), window_(window) {
  connect(window_.tableModel(), &RowTableModel::filterApplied, this, &EncodingDetector::Listed);
}

void EncodingDetector::Choose(const QString& name) {
  if (name != QLatin1String(kDetectEncoding)) {
    active_ = false;
    window_.SetTextEncoding(name);
    return;
  }
  active_ = true;
  guessedFile_.clear();
  GuessForListedFile();
}

void EncodingDetector::Listed() {
  if (!active_ || guessQueued_ || window_.session().window.fileName == guessedFile_) return;
  // The listing's command is still running: the file is listed again once it has ended.
  guessQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    guessQueued_ = false;
    GuessForListedFile();
  });
}

void EncodingDetector::GuessForListedFile() {
  const Session& session = window_.session();
  const std::string& path = session.window.fileName;
  if (!active_ || path.empty() || path == guessedFile_ || session.window.events.size() == 0) return;
  guessedFile_ = path;
  const EncodingGuess guess = GuessEncoding(
      TextBytesOf(session.image, session.window.events, OwnBytesOf(path, session.image)));
  const std::string name = guess.name.empty() ? kNoGuessCodePage : guess.name;
  if (name != session.codePage.name()) window_.SetTextEncoding(QString::fromStdString(name));
  window_.ShowStatusText(guess.name.empty()
                             ? QStringLiteral("Text encoding: nothing guessed, windows-1252")
                             : QStringLiteral("Text encoding guessed: ") +
                                   QString::fromStdString(guess.name));
}

}  // namespace veltrix::app
