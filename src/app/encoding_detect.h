#pragma once

#include <QObject>
#include <QString>
#include <string>

namespace veltrix::app {

class MainWindow;

// Options > Text Encoding > Detect: each file listed is read in the code page the detector
// guesses from all its texts, named in the status bar. Choosing a code page ends it.
class EncodingDetector : public QObject {
  Q_OBJECT

 public:
  explicit EncodingDetector(MainWindow& window);

  // The Text Encoding menu's choice: kDetectEncoding or a code page name.
  void Choose(const QString& name);
  bool active() const { return active_; }

 private:
  // After every listing: a file not guessed yet gets its guess, and is listed again in it
  // when that differs from the code page it was listed in.
  void Listed();
  void GuessForListedFile();

  MainWindow& window_;
  bool active_ = false;
  bool guessQueued_ = false;
  std::string guessedFile_;
};

}  // namespace veltrix::app
