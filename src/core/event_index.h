#pragma once

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace veltrix {

// What the walk that lists an event knows of it, kept beside its row: where its bytes lie in
// the file image, when it sounds and what it is.
struct EventRecord {
  int32_t first = 0;   // its delta-time byte: the ID of its row
  int32_t last = 0;    // its last byte
  int32_t tick = 0;    // the running tick count at the event
  uint8_t status = 0;  // its status byte, the running status for an event without one
  uint8_t reserved = 0;
  int16_t otsTrack = 0;  // the one-touch-setting track it belongs to (from 1), 0 for none
};

// The measure state of one walk: set by the first Time Signature event (grid) and by every
// one (denominator, read by the tempo text).
struct MeasureState {
  int32_t ticksPerMeasure = 0;  // 0: no grid set yet
  int32_t ticksPerBeat = 0;
  int16_t denominator = 0;
  bool operator==(const MeasureState&) const = default;
};

// A Time Signature event that changed the walk's measure state, and the state after it.
struct MeasureChange {
  int32_t first = 0;  // the event's delta-time byte
  MeasureState state;
};

// The measure state in force before the event at `first`, from the changes a walk met, in the
// walk's order (which is the order of their first bytes).
MeasureState MeasureBefore(const std::vector<MeasureChange>& changes, int32_t first);

// A Set Tempo event the walk met: three data bytes of a value above 0.
struct TempoChange {
  int32_t tick = 0;
  int32_t microsecondsPerQuarter = 0;
  int16_t otsTrack = 0;  // as in EventRecord
};

// The records of a listing, one per row and in the rows' order (a sort reorders both alike),
// with the tempo changes the walk met. Made by the walk that lists the Midi or Ots view;
// empty for the other views.
class EventIndex {
 public:
  // Starts the index of a listing of `view` ("Midi", "Ots").
  void Start(std::string view);
  void Clear() { Start({}); }

  // The view the index was made for, empty for none.
  const std::string& view() const { return view_; }
  size_t size() const { return records_.size(); }
  // The record of row `row`; nothing beyond the rows.
  std::optional<EventRecord> Of(size_t row) const {
    if (row >= records_.size()) return std::nullopt;
    const Packed& packed = records_[row];
    if (packed.length == kLongEvent || !trackStarts_.empty()) return Unpacked(packed);
    return EventRecord{
        packed.first, packed.first + packed.length, packed.tick, packed.status, 0, 0};
  }

  // Adds the record of the next row. The records of one-touch-setting tracks come in the
  // order of their first bytes (a walk reads the file forward).
  void Add(const EventRecord& record) {
    const int64_t length = int64_t{record.last} - record.first;
    const int16_t track = trackStarts_.empty() ? 0 : trackStarts_.back().track;
    if (length < 0 || length >= kLongEvent || record.otsTrack != track) return AddAside(record);
    records_.push_back({record.first, record.tick, record.status, static_cast<uint8_t>(length)});
    if (record.tick > latestTick_) latestTick_ = record.tick;
  }
  // The largest tick of the records, whatever their order; nothing without records.
  std::optional<int32_t> LatestTick() const {
    return records_.empty() ? std::nullopt : std::optional<int32_t>(latestTick_);
  }
  // A tempo change at `tick` of track `otsTrack` (0 in the Midi view), in the walk's order.
  void AddTempo(int32_t tick, int32_t microsecondsPerQuarter, int16_t otsTrack = 0) {
    tempos_.push_back({tick, microsecondsPerQuarter, otsTrack});
  }
  // The tempo changes in the walk's order (by track, then by tick).
  const std::vector<TempoChange>& tempos() const { return tempos_; }
  // A change of the measure state by the event at `first`, in the walk's order.
  void AddMeasureChange(int32_t first, const MeasureState& state) {
    measures_.push_back({first, state});
  }
  // The measure state the walk had when it came to the event at `first` (before the event's
  // own change): what its Measure and Command texts were made with.
  MeasureState MeasureBefore(int32_t first) const {
    return veltrix::MeasureBefore(measures_, first);
  }
  const std::vector<MeasureChange>& measureChanges() const { return measures_; }
  // Reorders the records as the rows: record i of the result is record order[i].
  void Permute(const std::vector<uint32_t>& order);

 private:
  // A record as kept: ten bytes a row, as every row of a listing has one. Most events are
  // short: one of 255 bytes or more keeps its last byte aside, and the track of a
  // one-touch-setting listing is found from where each track's records begin.
  struct __attribute__((packed)) Packed {
    int32_t first;
    int32_t tick;
    uint8_t status;
    uint8_t length;  // last - first
  };
  static_assert(sizeof(Packed) == 10, "a record is kept for every row of a listing");
  static constexpr uint8_t kLongEvent = 0xFF;  // the length of an event kept aside

  // Where the records of a one-touch-setting track begin: the first byte of its first record.
  struct TrackStart {
    int32_t first;
    int16_t track;
  };
  // The last byte of an event whose length does not fit its record.
  struct LongEvent {
    int32_t first;
    int32_t last;
  };

  EventRecord Unpacked(const Packed& packed) const;
  // Adds a record whose event is too long for its word or that begins another track.
  void AddAside(const EventRecord& record);

  // The records in blocks of two megabytes that never move, so a growing index never holds
  // its old and new copies at once; each whole block is taken in a large page (each first
  // touch of a small page costs a fault).
  class Records {
   public:
    Records() = default;
    Records(Records&& other) noexcept
        : blocks_(std::move(other.blocks_)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    Records& operator=(Records&& other) noexcept {
      blocks_ = std::move(other.blocks_);
      size_ = std::exchange(other.size_, 0);
      capacity_ = std::exchange(other.capacity_, 0);
      return *this;
    }
    Records(const Records& other);
    Records& operator=(const Records& other);
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Packed& operator[](size_t row) const { return blocks_[row / kBlock].get()[row % kBlock]; }
    void push_back(const Packed& record) {
      if (size_ == capacity_) AddRoom();
      blocks_.back().get()[size_ % kBlock] = record;
      ++size_;
    }

   private:
    static constexpr size_t kBlock = (size_t{2} << 20) / sizeof(Packed);  // records in 2 MB
    struct Free {
      void operator()(Packed* block) const noexcept;
    };
    // A new block, or a larger first block while the index is small: a short file's index
    // takes no two megabytes.
    void AddRoom();
    std::vector<std::unique_ptr<Packed[], Free>> blocks_;
    size_t size_ = 0;
    size_t capacity_ = 0;  // the records the blocks have room for
  };

  std::string view_;
  Records records_;
  std::vector<TrackStart> trackStarts_;  // in the order of their first bytes
  std::vector<LongEvent> longEvents_;    // in the order of their first bytes
  std::vector<TempoChange> tempos_;
  std::vector<MeasureChange> measures_;
  int32_t latestTick_ = INT32_MIN;
};

}  // namespace veltrix
