#include "style/ots_rows.h"

#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "midi/made_rows.h"

namespace veltrix {

namespace {

// The Ots view's columns.
enum OtsColumn : size_t { kTrack, kId, kDelay, kType, kCommand, kOtsColumns };

class OtsRows final : public EventRowMaker {
 public:
  using EventRowMaker::EventRowMaker;

  size_t ColumnCount() const override { return kOtsColumns; }

  bool MakeCell(const EventRecord& record, size_t column, MadeRow& row) const override {
    row.Clear();
    char text[24];
    switch (column) {
      case kTrack:
        row.Add({text, FormatDecimal(text, record.otsTrack)});
        return false;
      case kId:
        row.Add({});
        row.Add({text, FormatZeroPadded(text, record.first, 6)});
        return false;
      default:
        Make(record, row);
        return true;
    }
  }

 private:
  void MakeRow(const EventRecord& record, MadeRow& row) const override {
    WalkState state = StateBefore(record);
    WalkedEvent event;
    Decode(record, state, event);
    char number[24];
    row.Add({number, FormatDecimal(number, record.otsTrack)});
    row.Add({number, FormatZeroPadded(number, event.id, 6)});
    row.Add({number, FormatDecimal(number, event.delta)});
    row.Add(event.type);
    row.Add(event.command);
  }
};

}  // namespace

std::shared_ptr<const RowMaker> MakeOtsRows(const Session& session) {
  return std::make_shared<const OtsRows>(session);
}

}  // namespace veltrix
