#pragma once

// src/overview: what a song or a style holds, in one pass over what the Midi listing's walk
// recorded (the event index and the listed image) and the style sections' readers. Above
// shell (a format-1 file is read from the same merged copy the listing shows); the window's
// Overview dock and veltrix-list --overview present it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace veltrix::overview {

// Where an event of the overview lies in the listed image: its first byte, the ID of its
// row in the Midi view.
using EventId = int32_t;

struct TimeSignatureAt {
  int64_t measure = 1;  // from 1, on the Measure column's grid
  int32_t tick = 0;
  std::string signature;  // "3/4"
};

struct MarkerAt {
  int32_t tick = 0;
  std::optional<int64_t> microseconds;
  std::string text;
  EventId event = 0;
};

struct ProgramAt {
  int32_t tick = 0;
  std::optional<int> bankMsb;  // the last CC 0 / CC 32 before it on its channel
  std::optional<int> bankLsb;
  int program = 0;
  std::string name;
  EventId event = 0;
};

struct ChannelUse {
  int channel = 1;    // 1-16
  int64_t notes = 0;  // note-ons with a velocity above 0
  std::optional<int> lowest, highest;
  std::optional<int> velocityLow, velocityHigh;
  bool drums = false;  // channel 10, or a bank MSB of 127
  std::vector<ProgramAt> programs;
  std::vector<int> controllers;  // the controller numbers used, ascending
};

struct SysexCounts {
  int64_t xg = 0, gm = 0, gs = 0, keyboard = 0, universal = 0, other = 0;
  // The standard the file is written for, from its reset messages: "XG" or "GS" (the later of
  // the two when both stand in it), else "GM2", else "GM"; nothing without a reset.
  std::optional<std::string> standard;
};

struct StyleSection {
  std::string name;
  int32_t tick = 0;
  int64_t measure = 1;
  int32_t ticks = 0;
  double bars = 0;  // ticks / ticks per measure of the first time signature
  EventId event = 0;
};

struct StylePart {
  int channel = 0;  // the destination channel, 1-16
  std::string name;
  int sourceChannel = 0;
  std::vector<std::string> sections;
  std::optional<int> program, bankMsb, bankLsb;
  std::string voice;
};

struct OtsPart {
  int channel = 0;
  std::optional<int> program, bankMsb, bankLsb;
  std::string voice;
  std::optional<int> volume, pan;
};

struct OtsSetting {
  int number = 0;  // 1-4
  std::vector<OtsPart> parts;
};

struct StyleOverview {
  std::string format;  // "SFF1", "SFF2", or empty when unknown
  std::vector<StyleSection> sections;
  std::vector<StylePart> parts;
  std::vector<OtsSetting> ots;
  int64_t musicFinderRecords = 0;
};

struct FileOverview {
  std::string path;
  bool readable = false;  // false: only path and problems are known
  std::string message;    // why the file could not be read
  std::string kind;       // "song" or "style"
  std::optional<int> format, declaredTracks, tracks, division;
  std::optional<int64_t> microseconds;                          // the song's length
  std::optional<double> tempoFirst, tempoLowest, tempoHighest;  // BPM
  int64_t tempoChanges = 0;
  std::vector<TimeSignatureAt> timeSignatures;
  std::vector<std::string> keys;
  std::vector<std::string> names;  // sequence and track names
  std::optional<std::string> copyright;
  std::optional<std::string> title;  // the first text event
  int64_t lyrics = 0;
  std::vector<MarkerAt> markers;
  std::vector<ChannelUse> channels;  // only channels with events, ascending
  SysexCounts sysex;
  std::array<int64_t, 3> problems{};  // errors, warnings, notes
  std::optional<StyleOverview> style;
};

// The overview of the file at `path`, its texts read in the code page `codePage`. Never
// throws for the file's sake: a file that cannot be read or listed comes back not readable.
FileOverview OverviewOfFile(const std::string& path, const std::string& codePage = "WINDOWS-1252");

// "m:ss" of a length in microseconds.
std::string LengthText(int64_t microseconds);

}  // namespace veltrix::overview
