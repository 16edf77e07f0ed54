// Turns the Markdown manual into the PDF the Help command opens.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: veltrix-manual-pdf MANUAL.md OUTPUT.pdf\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument document;
  document.setDefaultFont(QFont("Arial", 10));
  document.setMarkdown(QString::fromUtf8(source.readAll()));

  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setTitle("Veltrix");
  writer.setCreator("Veltrix");
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  writer.setResolution(300);
  document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
  document.print(&writer);
  return 0;
}
