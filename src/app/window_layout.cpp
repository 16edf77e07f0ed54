#include "app/window_layout.h"

#include <algorithm>
#include <cmath>

namespace veltrix::app {

namespace {
constexpr int kWarningGapTwips = 100;
}

int ToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect ToPixels(const TwipsRect& rect) {
  return QRect(ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width),
               ToPixels(rect.height));
}

QRect PlaceOf(std::string_view name) {
  for (const ControlPlace& place : kControlPlaces)
    if (name == place.name) return ToPixels(place.rect);
  return {};
}

QSize DesignClientSize() {
  const QRect statusBar = PlaceOf("StatusBar1");
  return QSize(statusBar.width(), statusBar.top());
}

int StatusBarHeight() {
  return PlaceOf("StatusBar1").height();
}

namespace {

// A rectangle at its design place, grown to `need` and moved right by `shift`.
QRect Grown(const QRect& design, QSize need, int shift = 0) {
  return QRect(design.left() + shift, design.top(), std::max(design.width(), need.width()),
               std::max(design.height(), need.height()));
}

// The left edge of a control that follows `before` in a row: its design place, or further
// right when the one before has grown into the design gap between them.
int Follow(const QRect& designBefore, const QRect& before, const QRect& design) {
  return std::max(design.left(), before.right() + 1 + design.left() - designBefore.right() - 1);
}

// Grows a frame so its contents keep the design margins to its right and bottom edges.
QRect AroundContents(const QRect& designFrame, const QRect& designLast, const QRect& last,
                     int left) {
  const int rightMargin = designFrame.width() - designLast.right() - 1;
  const int bottomMargin = designFrame.height() - designLast.bottom() - 1;
  return QRect(left, designFrame.top(),
               std::max(designFrame.width(), last.right() + 1 + rightMargin),
               std::max(designFrame.height(), last.bottom() + 1 + bottomMargin));
}

// A tool bar lies over its frame, below the frame's caption.
constexpr int kToolBarInset = 4;
constexpr int kToolBarTop = 14;

}  // namespace

TopLayout LayoutTop(const TopNeeds& needs) {
  TopLayout top;
  // Labels sit lower in their frame when the frame's caption is taller than designed.
  const int titleDrop = std::max(0, needs.frameTitleHeight - ToPixels(210));
  auto label = [&](const char* name, QSize need, int shift) {
    return Grown(PlaceOf(name), need, shift).translated(0, titleDrop);
  };

  top.lblFilename = label("lblFilename", needs.filename, 0);
  const QRect designFrame3 = PlaceOf("Frame3");
  top.frameFilename =
      AroundContents(designFrame3, PlaceOf("lblFilename"), top.lblFilename, designFrame3.left());

  top.lblTracks = label("lblTracks", needs.tracks, 0);
  top.lblTicks = label("LblTicksPerQtrNote", needs.ticks, 0);
  top.lblTicks.moveLeft(Follow(PlaceOf("lblTracks"), top.lblTracks, PlaceOf("LblTicksPerQtrNote")));
  top.lblLength = label("lblTracklength", needs.length, 0);
  top.lblLength.moveLeft(
      Follow(PlaceOf("LblTicksPerQtrNote"), top.lblTicks, PlaceOf("lblTracklength")));
  const QRect designFrame4 = PlaceOf("Frame4");
  top.frameData = AroundContents(designFrame4, PlaceOf("lblTracklength"), top.lblLength,
                                 Follow(designFrame3, top.frameFilename, designFrame4));

  // The bar frames move down by as much as the first row grew.
  const int firstRowGrowth = std::max(top.frameFilename.bottom() - designFrame3.bottom(),
                                      top.frameData.bottom() - designFrame4.bottom());
  const int toolBarTop = std::max(kToolBarTop, needs.frameTitleHeight + 2);
  auto barFrame = [&](const char* name, QSize need, int left) {
    const QRect design = PlaceOf(name);
    return QRect(left, design.top() + firstRowGrowth,
                 std::max(design.width(), need.width() + 2 * kToolBarInset),
                 std::max(design.height(), need.height() + toolBarTop + 2));
  };
  const QRect designFrame1 = PlaceOf("Frame1");
  top.frameViewBar = barFrame("Frame1", needs.viewBar, designFrame1.left());
  top.frameActionBar = barFrame("Frame2", needs.actionBar,
                                Follow(designFrame1, top.frameViewBar, PlaceOf("Frame2")));
  // Frames of one row are as tall as the tallest of them.
  const int barHeight = std::max(top.frameViewBar.height(), top.frameActionBar.height());
  top.frameViewBar.setHeight(barHeight);
  top.frameActionBar.setHeight(barHeight);
  auto barPlace = [&](const QRect& frame) {
    return frame.adjusted(kToolBarInset, toolBarTop, -kToolBarInset, -2);
  };
  top.viewBar = barPlace(top.frameViewBar);
  top.actionBar = barPlace(top.frameActionBar);

  const QRect designList = PlaceOf("ListView1");
  const QRect designFrame2 = PlaceOf("Frame2");
  top.listTop = designList.top() + (top.frameActionBar.bottom() - designFrame2.bottom());
  const int rightMargin = DesignClientSize().width() - designFrame4.right() - 1;
  top.width = std::max({top.frameData.right(), top.frameActionBar.right()}) + 1 + rightMargin;
  return top;
}

ListArea ListAreaFor(QSize client, int listTop) {
  const QRect start = PlaceOf("ListView1");
  const QSize design = DesignClientSize();
  const int rightMargin = design.width() - start.right() - 1;
  const int bottomSpace = design.height() - start.bottom() - 1;
  const int width = std::max(kMinimumListSize.width(), client.width() - start.left() - rightMargin);
  const int height = std::max(kMinimumListSize.height(), client.height() - listTop - bottomSpace);
  ListArea area;
  area.list = QRect(start.left(), listTop, width, height);
  area.warningTop = listTop + height + ToPixels(kWarningGapTwips);
  return area;
}

ListArea ListAreaFor(QSize client) {
  return ListAreaFor(client, PlaceOf("ListView1").top());
}

QSize MinimumClientSize(const TopLayout& top, int bottomWidth) {
  const QRect start = PlaceOf("ListView1");
  const QSize design = DesignClientSize();
  const int rightMargin = design.width() - start.right() - 1;
  const int bottomSpace = design.height() - start.bottom() - 1;
  const int width = std::max({top.width, start.left() + kMinimumListSize.width() + rightMargin,
                              bottomWidth + rightMargin});
  return QSize(width, top.listTop + kMinimumListSize.height() + bottomSpace);
}

}  // namespace veltrix::app
