#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "core/failure.h"
#include "core/window_model.h"

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
int PrintList(const WindowModel& window, const QString& heading, QPrinter& printer);

}  // namespace veltrix::app
