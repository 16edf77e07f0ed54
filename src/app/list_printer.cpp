#include "app/list_printer.h"

#include "app/display_text.h"
#include "core/list_rows.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

#include "app/row_table_model.h"
#include "core/number_text.h"

namespace veltrix::app {

namespace {

constexpr qreal kColumnGapChars = 1.5;  // room between two columns, in average character widths
constexpr int kHeadingPointSize = 10;
constexpr size_t kRowsPerStep = 1000;  // rows measured between two progress reports

QFont PrintFont(int pointSize, bool bold) {
  QFont font(QStringLiteral("Arial"), pointSize);
  font.setFamilies(
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
  font.setBold(bold);
  return font;
}

// A cell as one line of print, as the list shows it.
QString PrintText(std::string_view cell) {
  return DisplayText(cell);
}

// The column widths on a page `available` wide: all as wide as their widest text when that
// fits; otherwise the narrow ones keep their width and the others share the rest equally.
std::vector<qreal> FitWidths(const std::vector<qreal>& natural, qreal available) {
  if (std::accumulate(natural.begin(), natural.end(), qreal(0)) <= available) return natural;
  std::vector<size_t> order(natural.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return natural[a] < natural[b]; });
  std::vector<qreal> widths(natural.size());
  qreal remaining = available;
  for (size_t i = 0; i < order.size(); ++i) {
    const qreal share = remaining / static_cast<qreal>(order.size() - i);
    if (natural[order[i]] > share) {
      for (size_t k = i; k < order.size(); ++k) widths[order[k]] = share;
      break;
    }
    widths[order[i]] = natural[order[i]];
    remaining -= natural[order[i]];
  }
  return widths;
}

// The lines a text takes in a column `width` wide, broken at blanks where possible.
QStringList WrappedLines(const QString& text, const QFont& font, QPaintDevice* device,
                         qreal width) {
  QTextLayout layout(text, font, device);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines.append(text.mid(line.textStart(), line.textLength()));
  }
  layout.endLayout();
  if (lines.isEmpty()) lines.append(QString());
  return lines;
}

// Lines [first, first + count) of one row, placed on a page.
struct RowPiece {
  size_t row;
  int first;
  int count;
};

class ListPrintout {
 public:
  ListPrintout(const ShownList& shown, const QString& heading, QPrinter& printer)
      : columns_(shown.Columns()),
        rows_(shown),
        heading_(heading),
        printer_(printer),
        font_(ListPrintFont()),
        headerFont_(PrintFont(font_.pointSize(), true)),
        headingFont_(PrintFont(kHeadingPointSize, true)),
        metrics_(font_, &printer),
        headerMetrics_(headerFont_, &printer),
        lineHeight_(metrics_.lineSpacing()),
        gap_(metrics_.averageCharWidth() * kColumnGapChars),
        page_(printer.pageRect(QPrinter::DevicePixel).size()) {}

  int Print(const PrintSteps& steps) {
    // Laying out is measured in rows (the first half), drawing in pages (the second half).
    auto onRow = [&](size_t row) {
      return !steps || row % kRowsPerStep != 0 ||
             steps(static_cast<int>(row * 500 / std::max<size_t>(rows_.size(), 1)));
    };
    if (!PlanColumns(onRow)) return 0;
    CountRowLines();
    Paginate();
    QPainter painter;
    if (!painter.begin(&printer_)) throw Failure(kPrinterError, "Printer error");
    size_t drawn = 0;
    for (size_t p = 0; p < pages_.size(); ++p, ++drawn) {
      if (steps && !steps(500 + static_cast<int>(p * 500 / pages_.size()))) break;
      if (p > 0 && !printer_.newPage()) throw Failure(kPrinterError, "Printer error");
      PaintPage(painter, p);
    }
    if (!painter.end()) throw Failure(kPrinterError, "Printer error");
    return static_cast<int>(drawn);
  }

  // Lines a page holds below a heading and a header of one line.
  int LinesPerPage() const {
    return std::max(1,
                    static_cast<int>((FooterTop() - lineHeight_ * 0.5 - BodyTop()) / lineHeight_));
  }

 private:
  size_t Columns() const { return columns_.size(); }
  qreal TextWidth(size_t column) const {
    return std::max(widths_[column] - gap_, metrics_.averageCharWidth() * 2);
  }
  QString Cell(size_t row, size_t column) const { return PrintText(rows_.Cell(row, column)); }

  // False when `onRow` stopped it.
  bool PlanColumns(const std::function<bool(size_t row)>& onRow) {
    std::vector<qreal> natural(Columns());
    for (size_t c = 0; c < Columns(); ++c) {
      headers_.append(PrintText(columns_[c].header));
      natural[c] = headerMetrics_.horizontalAdvance(headers_.back());
    }
    for (size_t r = 0; r < rows_.size(); ++r) {
      if (!onRow(r)) return false;
      for (size_t c = 0; c < Columns(); ++c)
        natural[c] = std::max(natural[c], metrics_.horizontalAdvance(Cell(r, c)));
    }
    for (qreal& width : natural) width += gap_;
    widths_ = FitWidths(natural, page_.width());
    wraps_ = widths_ != natural;
    lefts_.assign(Columns(), 0);
    for (size_t c = 1; c < Columns(); ++c) lefts_[c] = lefts_[c - 1] + widths_[c - 1];
    headerLines_.resize(Columns());
    for (size_t c = 0; c < Columns(); ++c) {
      headerLines_[c] = headerMetrics_.horizontalAdvance(headers_[c]) <= TextWidth(c)
                            ? QStringList{headers_[c]}
                            : WrappedLines(headers_[c], headerFont_, &printer_, TextWidth(c));
      headerLineCount_ = std::max(headerLineCount_, static_cast<int>(headerLines_[c].size()));
    }
    return true;
  }

  bool CellWraps(const QString& text, size_t column) const {
    return wraps_ && metrics_.horizontalAdvance(text) > TextWidth(column);
  }

  void CountRowLines() {
    rowLines_.assign(rows_.size(), 1);
    if (!wraps_) return;
    for (size_t r = 0; r < rows_.size(); ++r)
      for (size_t c = 0; c < Columns(); ++c) {
        const QString text = Cell(r, c);
        if (!CellWraps(text, c)) continue;
        const int lines =
            static_cast<int>(WrappedLines(text, font_, &printer_, TextWidth(c)).size());
        rowLines_[r] = std::max(rowLines_[r], lines);
      }
  }

  qreal HeadingHeight() const { return QFontMetricsF(headingFont_, &printer_).lineSpacing(); }
  qreal BodyTop() const {
    return HeadingHeight() + lineHeight_ * 0.5 + lineHeight_ * headerLineCount_ + lineHeight_ * 0.3;
  }
  qreal FooterTop() const { return page_.height() - lineHeight_; }

  // Whole rows go on a page while they fit; a row longer than a page goes on line by line.
  void Paginate() {
    const int perPage = LinesPerPage();
    pages_.assign(1, {});
    int free = perPage;
    for (size_t r = 0; r < rowLines_.size(); ++r) {
      int first = 0;
      const int lines = rowLines_[r];
      if (lines > free && lines <= perPage) {
        pages_.emplace_back();
        free = perPage;
      }
      while (first < lines) {
        if (free == 0) {
          pages_.emplace_back();
          free = perPage;
        }
        const int count = std::min(free, lines - first);
        pages_.back().push_back({r, first, count});
        first += count;
        free -= count;
      }
    }
  }

  QRectF LineRect(size_t column, qreal top) const {
    return QRectF(lefts_[column] + gap_ / 2, top, TextWidth(column), lineHeight_);
  }

  void PaintPage(QPainter& painter, size_t pageIndex) {
    painter.setFont(headingFont_);
    painter.drawText(QRectF(0, 0, page_.width(), HeadingHeight()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, heading_);

    const qreal headerTop = HeadingHeight() + lineHeight_ * 0.5;
    painter.setFont(headerFont_);
    for (size_t c = 0; c < Columns(); ++c)
      for (int line = 0; line < headerLines_[c].size(); ++line)
        painter.drawText(LineRect(c, headerTop + line * lineHeight_), Alignment(c),
                         headerLines_[c][line]);
    if (Columns() > 0) {
      const qreal ruleY = headerTop + lineHeight_ * headerLineCount_ + lineHeight_ * 0.15;
      painter.setPen(QPen(Qt::black, std::max(1.0, printer_.resolution() / 150.0)));
      painter.drawLine(QPointF(0, ruleY), QPointF(lefts_.back() + widths_.back(), ruleY));
    }

    painter.setFont(font_);
    qreal top = BodyTop();
    for (const RowPiece& piece : pages_[pageIndex]) {
      for (size_t c = 0; c < Columns(); ++c) {
        const QString text = Cell(piece.row, c);
        if (!CellWraps(text, c)) {
          if (piece.first == 0) painter.drawText(LineRect(c, top), Alignment(c), text);
          continue;
        }
        const QStringList lines = WrappedLines(text, font_, &printer_, TextWidth(c));
        for (int line = 0; line < piece.count && piece.first + line < lines.size(); ++line)
          painter.drawText(LineRect(c, top + line * lineHeight_), Alignment(c),
                           lines[piece.first + line]);
      }
      top += piece.count * lineHeight_;
    }

    if (pages_.size() > 1) {
      const QString footer = QStringLiteral("Page %1 of %2").arg(pageIndex + 1).arg(pages_.size());
      painter.drawText(QRectF(0, FooterTop(), page_.width(), lineHeight_),
                       Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, footer);
    }
  }

  int Alignment(size_t column) const {
    const Qt::Alignment horizontal =
        QtAlignment(columns_[column].alignment) & Qt::AlignHorizontal_Mask;
    return static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextSingleLine);
  }

  const std::vector<Column> columns_;
  const ListRows rows_;
  const QString heading_;
  QPrinter& printer_;
  const QFont font_;
  const QFont headerFont_;
  const QFont headingFont_;
  const QFontMetricsF metrics_;
  const QFontMetricsF headerMetrics_;
  const qreal lineHeight_;
  const qreal gap_;
  const QSizeF page_;

  QStringList headers_;
  std::vector<qreal> widths_;
  std::vector<qreal> lefts_;
  bool wraps_ = false;
  std::vector<QStringList> headerLines_;
  int headerLineCount_ = 1;
  std::vector<int> rowLines_;
  std::vector<std::vector<RowPiece>> pages_;
};

}  // namespace

QString PrintHeading(const std::string& fileName) {
  return QStringLiteral("Veltrix Listing  ") +
         QFile::decodeName(QByteArray::fromStdString(FileNamePart(fileName)));
}

QFont ListPrintFont() {
  return PrintFont(8, false);
}

QString PrintFailureText(const Failure& failure) {
  return QStringLiteral("  Error ") + QString::fromStdString(PlainNumberText(failure.number())) +
         u';' + QString::fromStdString(failure.description());
}

int PrintList(const ShownList& shown, const QString& heading, QPrinter& printer,
              const PrintSteps& steps) {
  return ListPrintout(shown, heading, printer).Print(steps);
}

int EstimatedPrintPages(const ShownList& shown, QPrinter& printer) {
  const int perPage = ListPrintout(shown, QString(), printer).LinesPerPage();
  const size_t pages = (ListRows(shown).size() + static_cast<size_t>(perPage) - 1) / perPage;
  return static_cast<int>(std::min<size_t>(pages, std::numeric_limits<int>::max()));
}

}  // namespace veltrix::app
