#pragma once

#include <QRect>
#include <QSize>
#include <string_view>

namespace veltrix::app {

// Window layout values are kept in twips, as designed, and shown at 15 twips a pixel.
inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
  int left, top, width, height;
};

// Where each control of the main window sits: relative to the client area, or to its frame
// for the labels inside a frame.
struct ControlPlace {
  const char* name;
  TwipsRect rect;
};

inline constexpr ControlPlace kControlPlaces[] = {
    {"Frame3", {90, 60, 4035, 585}},
    {"lblFilename", {270, 210, 3675, 330}},
    {"Frame4", {4245, 60, 4995, 585}},
    {"lblTracks", {135, 240, 735, 240}},
    {"LblTicksPerQtrNote", {1155, 240, 1530, 240}},
    {"lblTracklength", {3015, 240, 1800, 240}},
    {"Frame1", {120, 705, 3990, 930}},
    {"Frame2", {4260, 705, 4965, 930}},
    {"ListView1", {90, 1710, 9135, 6675}},
    {"lblWarning", {120, 8565, 4995, 330}},
    {"pbr1", {5265, 8580, 3915, 315}},
    {"StatusBar1", {0, 9090, 9300, 435}},
};

int ToPixels(int twips);
QRect ToPixels(const TwipsRect& rect);
// The place of a control of the table, in pixels; an empty rectangle for an unknown name.
QRect PlaceOf(std::string_view name);

// The client area the layout was made for, above the status bar, in pixels.
QSize DesignClientSize();
// The status bar's height, in pixels.
int StatusBarHeight();

// The top of the window laid out for what its texts need. Each label is at least as large as
// its text, each frame grows around its labels or tool bar, and a control to the right of a
// grown one moves right (one below moves down) by as much, so order and gaps stay as designed.
struct TopNeeds {
  QSize filename, tracks, ticks, length;  // the labels' size hints
  QSize viewBar, actionBar;               // the tool bars' size hints
  int frameTitleHeight = 0;               // the height of a frame's caption
};
struct TopLayout {
  QRect frameFilename, lblFilename, frameData, lblTracks, lblTicks, lblLength;
  QRect frameViewBar, frameActionBar, viewBar, actionBar;
  int listTop = 0;
  int width = 0;  // the client width the top needs, its right margin included
};
TopLayout LayoutTop(const TopNeeds& needs);

// The smallest list the window keeps: a header and a few rows.
inline constexpr QSize kMinimumListSize{160, 96};

// Where the list, the warning label and the progress bar go in a client area (above the
// status bar) of the given size, with the list's top at `listTop`: the list takes all the
// width and height the client leaves, but never less than its minimum, and the warning and
// the progress bar stay 100 twips under it.
struct ListArea {
  QRect list;
  int warningTop;
};
ListArea ListAreaFor(QSize client, int listTop);
ListArea ListAreaFor(QSize client);
// The client size below which the list would be smaller than its minimum or the controls
// would overlap, for a top laid out as `top`.
QSize MinimumClientSize(const TopLayout& top, int bottomWidth);

}  // namespace veltrix::app
