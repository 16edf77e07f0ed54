#include "app/detail_pane.h"

#include "app/display_text.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

namespace veltrix::app {

QString DetailText(const EventDetail& detail) {
  QString text;
  const int32_t count = detail.lastByte - detail.firstByte + 1;
  text += QStringLiteral("Bytes %1 to %2 (%3 byte%4)\n")
              .arg(detail.firstByte)
              .arg(detail.lastByte)
              .arg(count)
              .arg(count == 1 ? QString() : QStringLiteral("s"));
  if (!detail.time.empty())
    text += QStringLiteral("Time %1\n").arg(QString::fromStdString(detail.time));
  text += u'\n';
  for (const HexDumpLine& line : detail.dump)
    text += QString::fromLatin1(HexDumpLineText(line).c_str()) + u'\n';
  text += u'\n';
  text += DisplayText(detail.command);
  return text;
}

DetailPane::DetailPane(DockHost& host, QWidget* parent)
    : DockPanel(host, QStringLiteral("DetailPane"), QStringLiteral("Event Detail"),
                QStringLiteral("Event Detail"), parent) {
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("detailText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setPlainText(QString::fromLatin1(kNoDetailText));
  setWidget(text_);
}

void DetailPane::ShowDetail(const std::optional<EventDetail>& detail) {
  text_->setPlainText(detail ? DetailText(*detail) : QString::fromLatin1(kNoDetailText));
}

void DetailPane::ShowCurrentRow() {
  const std::optional<size_t> row = host().CurrentTableRow();
  std::optional<EventDetail> detail;
  if (row) {
    try {
      detail = DescribeEvent(host().session(), *row);
    } catch (const std::exception&) {
      // An event whose bytes the image lacks has no detail; the list reports its faults.
      detail.reset();
    }
  }
  ShowDetail(detail);
}

// A hex dump line (offset, sixteen bytes, their characters) without wrapping.
int DetailPane::ContentWidth() const {
  const QFontMetrics metrics = text_->fontMetrics();
  return metrics.horizontalAdvance(QString(80, u'0')) + 48;
}

QString DetailPane::text() const {
  return text_->toPlainText();
}

}  // namespace veltrix::app
