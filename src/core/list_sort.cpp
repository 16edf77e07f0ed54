#include "core/list_sort.h"

#include "core/ascii_case.h"
#include "core/cell_match.h"
#include "core/list_rows.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <deque>
#include <string>
#include <numeric>
#include <unordered_map>
#include <vector>

namespace veltrix {

namespace {

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// A date as "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS" turned into one comparable number.
bool ReadsAsDate(std::string_view text, double& value) {
  text = Trimmed(text);
  int parts[6] = {0, 0, 0, 0, 0, 0};
  const char separators[] = {'-', '-', ' ', ':', ':'};
  size_t count = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  while (count < 6) {
    auto [next, ec] = std::from_chars(p, end, parts[count]);
    if (ec != std::errc() || next == p) return false;
    ++count;
    p = next;
    if (p == end) break;
    if (count > 5 || *p != separators[count - 1]) return false;
    ++p;
  }
  if (p != end || (count != 3 && count != 6)) return false;
  if (parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31) return false;
  value =
      ((((parts[0] * 100.0 + parts[1]) * 100 + parts[2]) * 100 + parts[3]) * 100 + parts[4]) * 100 +
      parts[5];
  return true;
}

// A clock time as "m:ss.mmm" or "h:mm:ss.mmm" (any number of fields, any fraction) in
// seconds.
bool ReadsAsClock(std::string_view text, double& value) {
  text = Trimmed(text);
  if (text.empty()) return false;
  double total = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  while (true) {
    int64_t field = 0;
    auto [next, ec] = std::from_chars(p, end, field);
    if (ec != std::errc() || next == p || field < 0) return false;
    total = total * 60 + static_cast<double>(field);
    p = next;
    if (p == end) break;
    if (*p == '.') {
      double fraction = 0;
      double scale = 0.1;
      for (++p; p != end; ++p, scale /= 10) {
        if (*p < '0' || *p > '9') return false;
        fraction += (*p - '0') * scale;
      }
      total += fraction;
      break;
    }
    if (*p++ != ':') return false;
  }
  value = total;
  return true;
}

constexpr const auto& kLower = kAsciiLower;

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = kLower[static_cast<unsigned char>(a[i])];
    unsigned char y = kLower[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The rank of each cell's text among the column's distinct texts, letter case ignored.
// Listings repeat the same texts many times, so the texts are compared once per distinct
// text and the rows are then sorted by a number.
std::vector<uint32_t> TextRanks(const ListRows& rows, size_t column) {
  std::unordered_map<std::string_view, uint32_t> ids;
  // A made cell lasts only until the next one is made: each distinct text is kept here.
  std::deque<std::string> texts;
  std::vector<std::string_view> distinct;
  std::vector<uint32_t> idOfRow(rows.size());
  for (size_t r = 0; r < rows.size(); ++r) {
    const std::string_view cell = rows.Cell(r, column);
    auto found = ids.find(cell);
    if (found == ids.end()) {
      const std::string_view kept = texts.emplace_back(cell);
      found = ids.emplace(kept, static_cast<uint32_t>(distinct.size())).first;
      distinct.push_back(kept);
    }
    idOfRow[r] = found->second;
  }
  std::vector<uint32_t> byText(distinct.size());
  std::iota(byText.begin(), byText.end(), 0u);
  std::sort(byText.begin(), byText.end(), [&](uint32_t a, uint32_t b) {
    return CompareIgnoringCase(distinct[a], distinct[b]) < 0;
  });
  std::vector<uint32_t> rankOfId(distinct.size());
  uint32_t rank = 0;
  for (size_t i = 0; i < byText.size(); ++i) {
    if (i > 0 && CompareIgnoringCase(distinct[byText[i - 1]], distinct[byText[i]]) != 0) ++rank;
    rankOfId[byText[i]] = rank;
  }
  for (uint32_t& id : idOfRow) id = rankOfId[id];
  return idOfRow;
}

}  // namespace

bool ReadsAsNumber(std::string_view text, double& value) {
  text = Trimmed(text);
  if (text.empty()) return false;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (*begin == '+') ++begin;
  if (begin == end ||
      !(std::isdigit(static_cast<unsigned char>(*begin)) || *begin == '.' || *begin == '-'))
    return false;
  auto [next, ec] = std::from_chars(begin, end, value, std::chars_format::general);
  return ec == std::errc() && next == end;
}

std::string InvertDigits(std::string_view text) {
  std::string inverted(text);
  for (char& c : inverted) {
    if (c >= '0' && c <= '9')
      c = static_cast<char>('9' - (c - '0'));
    else if (c == '-')
      c = ' ';
  }
  return inverted;
}

void SortByColumnClick(WindowModel& window, size_t column) {
  window.sort.order = (window.sort.order + 1) % 2;
  window.sort.key = column;
  window.sort.sorted = true;
  ApplyListSort(window);
}

void ApplyListSort(WindowModel& window) {
  const ListSort& sort = window.sort;
  const size_t rows = window.RowCount();
  const ListRows listed(window);
  if (!sort.sorted || sort.key >= window.columns.size() || rows < 2) return;
  const std::string tag = UpperCase(window.columns[sort.key].tag);
  const bool descending = sort.order == 1;
  std::vector<uint32_t> order(rows);
  std::iota(order.begin(), order.end(), 0u);

  if (tag == "NUMBER" || tag == "DATE" || tag == "TIME") {
    // Cells that read as no number sort before every number (after, when descending).
    struct Key {
      bool valid;
      double value;
    };
    std::vector<Key> keys(rows);
    for (size_t r = 0; r < rows; ++r) {
      std::string_view cell = listed.Cell(r, sort.key);
      keys[r].valid = tag == "NUMBER" ? ReadsAsNumber(cell, keys[r].value)
                      : tag == "TIME" ? ReadsAsClock(cell, keys[r].value)
                                      : ReadsAsDate(cell, keys[r].value);
    }
    auto less = [&](uint32_t a, uint32_t b) {
      const Key& x = keys[a];
      const Key& y = keys[b];
      if (x.valid != y.valid) return !x.valid;
      return x.valid && x.value < y.value;
    };
    // A list often stands in the column's order already (the IDs of a listing in the walk's
    // order): it then stays as it is, or is turned round when every key differs.
    bool inOrder = true;
    bool keysDiffer = true;
    for (uint32_t r = 1; r < rows && inOrder; ++r) {
      inOrder = !less(r, r - 1);
      keysDiffer = keysDiffer && less(r - 1, r);
    }
    if (inOrder && !descending) return;
    if (inOrder && keysDiffer)
      std::reverse(order.begin(), order.end());
    else if (descending)
      std::stable_sort(order.begin(), order.end(),
                       [&](uint32_t a, uint32_t b) { return less(b, a); });
    else
      std::stable_sort(order.begin(), order.end(), less);
  } else {
    std::vector<uint32_t> ranks = TextRanks(listed, sort.key);
    if (descending)
      std::stable_sort(order.begin(), order.end(),
                       [&](uint32_t a, uint32_t b) { return ranks[b] < ranks[a]; });
    else
      std::stable_sort(order.begin(), order.end(),
                       [&](uint32_t a, uint32_t b) { return ranks[a] < ranks[b]; });
  }
  window.PermuteRows(order);
}

}  // namespace veltrix
