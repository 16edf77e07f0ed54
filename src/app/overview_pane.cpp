#include "app/overview_pane.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "overview/overview_report.h"
#include "overview/voice_names.h"

namespace veltrix::app {

namespace {

using namespace overview;

constexpr int kEventRole = Qt::UserRole;

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTreeWidgetItem* Group(QTreeWidget* tree, const QString& title) {
  auto* item = new QTreeWidgetItem(tree, {title});
  QFont bold = item->font(0);
  bold.setBold(true);
  item->setFont(0, bold);
  item->setFirstColumnSpanned(false);
  return item;
}

QTreeWidgetItem* Line(QTreeWidgetItem* parent, const QStringList& cells,
                      std::optional<EventId> event = std::nullopt) {
  auto* item = new QTreeWidgetItem(parent, cells);
  if (event) {
    item->setData(0, kEventRole, *event);
    item->setToolTip(0, QStringLiteral("Click to select the event in the list"));
  }
  return item;
}

QString Range(const ChannelUse& use) {
  if (!use.lowest || !use.highest) return {};
  return Utf8(NoteText(*use.lowest)) + QStringLiteral(" - ") + Utf8(NoteText(*use.highest));
}

void AddHeader(QTreeWidget* tree, const FileOverview& found) {
  QTreeWidgetItem* file = Group(tree, QStringLiteral("File"));
  if (!found.readable) {
    Line(file, {QStringLiteral("Not read"), Utf8(found.message)});
    return;
  }
  if (found.microseconds)
    Line(file, {QStringLiteral("Length"), Utf8(LengthText(*found.microseconds))});
  if (found.tempoFirst) {
    QString tempo = Utf8(DecimalText(*found.tempoFirst)) + QStringLiteral(" BPM");
    if (found.tempoChanges > 1)
      tempo +=
          QStringLiteral(" (%1 to %2, %3 changes)")
              .arg(Utf8(DecimalText(*found.tempoLowest)), Utf8(DecimalText(*found.tempoHighest)))
              .arg(found.tempoChanges);
    Line(file, {QStringLiteral("Tempo"), tempo});
  }
  QStringList signatures;
  for (const TimeSignatureAt& signature : found.timeSignatures)
    signatures << Utf8(signature.signature) +
                      QStringLiteral(" at measure %1").arg(signature.measure);
  if (!signatures.isEmpty())
    Line(file, {QStringLiteral("Time signature"), signatures.join(QStringLiteral(", "))});
  QStringList keys;
  for (const std::string& key : found.keys) keys << Utf8(key);
  if (!keys.isEmpty()) Line(file, {QStringLiteral("Key"), keys.join(QStringLiteral(", "))});
  QString format = Utf8(found.kind);
  if (found.format) format += QStringLiteral(", format %1").arg(*found.format);
  if (found.tracks) format += QStringLiteral(", %1 track(s)").arg(*found.tracks);
  if (found.style && !found.style->format.empty())
    format += QStringLiteral(", ") + Utf8(found.style->format);
  Line(file, {QStringLiteral("Format"), format});
  if (found.title) Line(file, {QStringLiteral("Title"), Utf8(*found.title)});
}

void AddChannels(QTreeWidget* tree, const FileOverview& found) {
  if (found.channels.empty()) return;
  QTreeWidgetItem* group = Group(tree, QStringLiteral("Channels"));
  for (const ChannelUse& use : found.channels) {
    const QString voice = use.programs.empty() ? QString() : Utf8(use.programs.front().name);
    QTreeWidgetItem* channel = Line(group, {QStringLiteral("Channel %1").arg(use.channel), voice,
                                            QStringLiteral("%1 notes").arg(use.notes), Range(use)});
    for (const ProgramAt& program : use.programs)
      Line(channel,
           {QStringLiteral("Tick %1").arg(program.tick), Utf8(program.name),
            QStringLiteral("Program %1").arg(program.program)},
           program.event);
  }
}

void AddStyle(QTreeWidget* tree, const StyleOverview& style) {
  if (!style.sections.empty()) {
    QTreeWidgetItem* group = Group(tree, QStringLiteral("Sections"));
    for (const StyleSection& section : style.sections)
      Line(group,
           {Utf8(section.name), QStringLiteral("measure %1").arg(section.measure),
            Utf8(DecimalText(section.bars)) + QStringLiteral(" bars")},
           section.event);
  }
  if (!style.parts.empty()) {
    QTreeWidgetItem* group = Group(tree, QStringLiteral("Parts"));
    for (const StylePart& part : style.parts)
      Line(group,
           {QStringLiteral("Channel %1").arg(part.channel), Utf8(part.name), Utf8(part.voice), [&] {
              QStringList sections;
              for (const std::string& name : part.sections) sections << Utf8(name);
              return sections.join(QStringLiteral(", "));
            }()});
  }
  for (const OtsSetting& setting : style.ots) {
    QTreeWidgetItem* group = Group(tree, QStringLiteral("OTS %1").arg(setting.number));
    for (const OtsPart& part : setting.parts)
      Line(group, {QStringLiteral("Channel %1").arg(part.channel), Utf8(part.voice),
                   part.volume ? QStringLiteral("volume %1").arg(*part.volume) : QString(),
                   part.pan ? QStringLiteral("pan %1").arg(*part.pan) : QString()});
  }
}

void AddMarkers(QTreeWidget* tree, const FileOverview& found) {
  if (found.markers.empty()) return;
  QTreeWidgetItem* group = Group(tree, QStringLiteral("Markers"));
  for (const MarkerAt& marker : found.markers)
    Line(group,
         {Utf8(marker.text), marker.microseconds ? Utf8(TimeText(*marker.microseconds)) : QString(),
          QStringLiteral("tick %1").arg(marker.tick)},
         marker.event);
}

}  // namespace

OverviewPane::OverviewPane(DockHost& host, QWidget* parent)
    : DockPanel(host, QStringLiteral("OverviewPane"), QStringLiteral("Overview"),
                QStringLiteral("Overview"), parent) {
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("overviewTree"));
  tree_->setColumnCount(4);
  tree_->setHeaderHidden(true);
  tree_->setUniformRowHeights(true);
  setWidget(tree_);
  connect(tree_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { SelectEventOf(item); });
  connect(tree_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { SelectEventOf(item); });
}

void OverviewPane::FileOpened() {
  const std::string& path = host().session().window.fileName;
  if (path.empty()) return ShowOverview(std::nullopt);
  ShowOverview(OverviewOfFile(path, host().session().codePage.name()));
}

void OverviewPane::ShowOverview(const std::optional<FileOverview>& found) {
  tree_->clear();
  if (!found) return;
  AddHeader(tree_, *found);
  AddChannels(tree_, *found);
  if (found->style) AddStyle(tree_, *found->style);
  AddMarkers(tree_, *found);
  for (int group = 0; group < tree_->topLevelItemCount(); ++group)
    tree_->topLevelItem(group)->setExpanded(true);
  for (int column = 0; column < tree_->columnCount(); ++column)
    tree_->resizeColumnToContents(column);
}

int OverviewPane::ContentWidth() const {
  const QFontMetrics metrics = tree_->fontMetrics();
  return metrics.horizontalAdvance(
             QStringLiteral("Channel 16  Electric Bass (finger)  9999 notes  C#10 - G10")) +
         48;
}

void OverviewPane::SelectEventOf(QTreeWidgetItem* item) {
  const QVariant event = item->data(0, kEventRole);
  if (!event.isValid()) return;
  const int32_t id = event.toInt();
  host().SelectEvent([id](const WindowModel& listing) -> std::optional<size_t> {
    for (size_t row = 0; row < listing.events.size(); ++row)
      if (listing.events.Of(row)->first == id) return row;
    return std::nullopt;
  });
}

}  // namespace veltrix::app
