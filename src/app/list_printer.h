#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <string>

#include "core/failure.h"
#include "core/shown_list.h"

class QPrinter;

namespace veltrix::app {

// The failure number of a printer that cannot be drawn on.
inline constexpr int kPrinterError = 482;

// The heading above the printed list: "Veltrix Listing  " and the file-name part of the
// current file's path (nothing after it when no file is open).
QString PrintHeading(const std::string& fileName);

// Arial at 8 points, or a font of the same widths where Arial is not installed.
QFont ListPrintFont();

// The message of a failed print: "  Error " + number + ";" + description.
QString PrintFailureText(const Failure& failure);

// Prints the list as it stands on `printer`: on every page the heading and the column headers,
// then as many rows as fit. Every column is printed; where they do not fit the page's width
// side by side, the widest are narrowed and their texts wrap onto further lines, so no text is
// cut off. Returns the number of pages. Throws Failure kPrinterError when the printer cannot
// be drawn on.
// `steps`, when given, hears how far the work has come, in thousandths (laying out the rows,
// then drawing the pages), and stops it by returning false: the pages drawn so far stay.
using PrintSteps = std::function<bool(int thousandths)>;
int PrintList(const ShownList& shown, const QString& heading, QPrinter& printer,
              const PrintSteps& steps = {});

// About how many pages the list fills on `printer`, counting one line a row: a quick lower
// bound, for asking before a very long list is laid out.
int EstimatedPrintPages(const ShownList& shown, QPrinter& printer);

// Lists longer than this many pages are printed only after the user agrees.
inline constexpr int kPagesAskedAbout = 1000;

}  // namespace veltrix::app
