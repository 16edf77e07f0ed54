#include "app_test_support.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QPrinter>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <algorithm>

#include "app/row_table_model.h"

namespace veltrix::app::testing {

void RecordingPresenter::Show(QWidget*, const QString& text) {
  messages.append(text);
  if (QApplication::overrideCursor() != nullptr) ++shownUnderBusyCursor;
}

std::optional<QString> StubOpenDialog::ChooseFile(QWidget*, const QString& currentFile) {
  ++shown;
  lastCurrentFile = currentFile;
  if (answers.empty()) return std::nullopt;
  const QString answer = answers.front();
  answers.pop_front();
  if (answer.isEmpty()) return std::nullopt;
  return answer;
}

QString StubSearchPrompt::Ask(QWidget*, const QString& prompt, const QString& title,
                              const QString& preset) {
  ++shown;
  lastPrompt = prompt;
  lastTitle = title;
  lastPreset = preset;
  if (answers.empty()) return QString();
  const QString answer = answers.front();
  answers.pop_front();
  return answer;
}

void StubPrintPreview::Show(QWidget*, const QString& caption,
                            const std::function<void(QPrinter& printer)>& paint) {
  captions.append(caption);
  if (pdfPath.isEmpty()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  paint(printer);
}

bool StubDesktop::OpenDocument(const QString& path) {
  opened.append(path);
  return opens;
}

std::optional<QString> StubDesktop::FindProgram(const QString& name) {
  auto found = programs.find(name);
  if (found == programs.end()) return std::nullopt;
  return found->second;
}

bool StubDesktop::StartProgram(const QString& path) {
  started.append(path);
  return starts;
}

WindowUnderTest::WindowUnderTest() {
  auto presenter = std::make_unique<RecordingPresenter>();
  auto stub = std::make_unique<StubOpenDialog>();
  auto searchPrompt = std::make_unique<StubSearchPrompt>();
  auto printPreview = std::make_unique<StubPrintPreview>();
  auto stubDesktop = std::make_unique<StubDesktop>();
  messages = presenter.get();
  dialog = stub.get();
  prompt = searchPrompt.get();
  preview = printPreview.get();
  desktop = stubDesktop.get();
  window = std::make_unique<MainWindow>(std::move(presenter), std::move(stub));
  window->SetSearchPrompt(std::move(searchPrompt));
  window->SetPrintPreview(std::move(printPreview));
  window->SetDesktop(std::move(stubDesktop));
  window->SetManualFolders({});
  modelTester = std::make_unique<QAbstractItemModelTester>(
      window->tableModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) qWarning("the window was not exposed");
}

void WindowUnderTest::OpenThroughMenu(const QString& path) {
  dialog->answers.push_back(path);
  Trigger("mnuOpen");
}

void WindowUnderTest::Trigger(const char* actionName) {
  QAction* action = window->findChild<QAction*>(QString::fromLatin1(actionName));
  QVERIFY2(action != nullptr, actionName);
  action->trigger();
}

QString WindowUnderTest::Cell(int row, int column) const {
  const RowTableModel* model = window->tableModel();
  return model->data(model->index(row, column)).toString();
}

int WindowUnderTest::Rows() const {
  return window->tableModel()->rowCount();
}

QStringList WindowUnderTest::Headers() const {
  QStringList headers;
  const RowTableModel* model = window->tableModel();
  for (int c = 0; c < model->columnCount(); ++c)
    headers.append(model->headerData(c, Qt::Horizontal).toString());
  return headers;
}

QString WindowUnderTest::PressedView() const {
  QString pressed;
  auto* bar = window->findChild<QToolBar*>(QStringLiteral("Viewbar"));
  for (QAction* action : bar->actions())
    if (action->isChecked()) pressed += action->data().toString();
  return pressed;
}

void WindowUnderTest::ShowList(const std::vector<Column>& columns,
                               const std::vector<std::vector<std::string>>& rows) {
  WindowModel& model = window->session().window;
  model.SetColumns(columns);
  for (const auto& row : rows) model.rows.AddRow(row);
  window->tableModel()->Refresh();
}

void WindowUnderTest::ClickHeader(int column) {
  QHeaderView* header = window->listView()->horizontalHeader();
  const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

QList<int> WindowUnderTest::SelectedRows() const {
  QList<int> rows;
  for (const QModelIndex& index : window->listView()->selectionModel()->selectedRows())
    rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

QString TestFiles::Write(const QString& name, const builder::Bytes& bytes) {
  const QString path = folder_.filePath(name);
  builder::WriteFile(path.toStdString(), bytes);
  return path;
}

builder::Bytes SmallSong() {
  builder::TrackBuilder track;
  track.Meta(0, 0x03, "Song")
      .TimeSignature(0, 4, 2)
      .Tempo(0, 500000)
      .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0xF7})
      .Event(0, {0x90, 0x3C, 0x64})
      .Event(240, {0x3E, 0x64})
      .Event(240, {0x80, 0x3C, 0x40})
      .EndOfTrack();
  return builder::SmfBuilder(0, 480).Track(track).Build();
}

builder::Bytes ManyNotes(int events) {
  builder::TrackBuilder track;
  track.TimeSignature(0, 4, 2);
  for (int i = 0; i < events; ++i)
    track.Event(10, {static_cast<uint8_t>(i % 2 ? 0x80 : 0x90), 0x3C, 0x40});
  track.EndOfTrack();
  return builder::SmfBuilder(0, 480).Track(track).Build();
}

}  // namespace veltrix::app::testing
