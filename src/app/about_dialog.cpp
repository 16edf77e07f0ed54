#include "app/about_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/desktop_services.h"
#include "views/about_info.h"

namespace veltrix::app {

namespace {

constexpr const char* kCreditLine =
    "A viewer for Standard MIDI Files and arranger-keyboard style files, by the Veltrix team.";

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text,
                  const QStringList& families, int pointSize) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  if (!families.isEmpty()) {
    QFont font = label->font();
    font.setFamilies(families);
    font.setPointSize(pointSize);
    label->setFont(font);
  }
  return label;
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

AboutDialog::AboutDialog(std::function<void()> startSysInfo, QWidget* parent)
    : QDialog(parent), startSysInfo_(std::move(startSysInfo)) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle(Text(AboutCaption()));

  auto* picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MediaPlay);
  picIcon->setPixmap(icon.pixmap(32, 32));

  const QStringList title{QStringLiteral("Arial Black"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")};
  const QStringList narrow{QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                           QStringLiteral("DejaVu Sans Condensed")};
  QLabel* lblTitle = MakeLabel(this, "lblTitle", QString::fromLatin1(kApplicationTitle), title, 16);
  QLabel* lblVersion = MakeLabel(this, "lblVersion", Text(VersionText()), {}, 0);
  QLabel* lblDescription =
      MakeLabel(this, "lblDescription", QString::fromLatin1(kCreditLine), narrow, 9);
  lblDescription->setWordWrap(true);
  QLabel* lblDisclaimer = MakeLabel(this, "lblDisclaimer", QString(), narrow, 8);

  auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  auto* cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
  cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] {
    if (startSysInfo_) startSysInfo_();
  });

  auto* grid = new QGridLayout(this);
  grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(lblTitle, 0, 1);
  grid->addWidget(lblVersion, 1, 1);
  grid->addWidget(lblDescription, 2, 1);
  grid->addWidget(lblDisclaimer, 3, 1);
  grid->addWidget(cmdOK, 0, 2);
  grid->addWidget(cmdSysInfo, 1, 2);
  grid->setColumnStretch(1, 1);
  setMinimumWidth(420);
}

std::optional<std::string> FindSysInfoTool(DesktopServices& desktop) {
  for (const char* name : kSysInfoTools)
    if (std::optional<QString> path = desktop.FindProgram(QString::fromLatin1(name)))
      return QFile::encodeName(*path).toStdString();
  return std::nullopt;
}

void StartSystemInformation(DesktopServices& desktop,
                            const std::function<void(const QString& text)>& showMessage) {
  SysInfoActions actions;
  actions.fileExists = [](const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).isFile();
  };
  actions.startProgram = [&desktop](const std::string& path) {
    return desktop.StartProgram(QFile::decodeName(QByteArray::fromStdString(path)));
  };
  actions.showMessage = [&showMessage](const std::string& text) { showMessage(Text(text)); };
  StartSysInfo(nullptr, FindSysInfoTool(desktop), actions);
}

}  // namespace veltrix::app
