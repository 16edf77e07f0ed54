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

// Where the list, the warning label and the progress bar go in a client area (above the
// status bar) of the given size: the list takes all extra width and height, the warning
// and the progress bar stay 100 twips under it, and nothing shrinks below its start size.
struct ListArea {
  QRect list;
  int warningTop;
};
ListArea ListAreaFor(QSize client);

}  // namespace veltrix::app
