#pragma once
// The state of a page's controls as plain data: what a window shows (texts,
// selections, check marks, addresses) and how (enabled, visible, limits,
// ranges). A page changes it in its handlers; the window toolkit only mirrors
// it and reports what the user does.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ClockValue.h"

namespace gw::pages {

struct Control {
  bool enabled = true;
  bool visible = true;
};

// An edit or a static text.
struct TextControl : Control {
  std::string text;
  std::size_t maxLength = 0;  // characters the user can type; 0 = no limit
  bool password = false;      // characters hidden
  std::string inputMask;      // a masked edit's mask ('#' one digit), else empty

  // Text as the user typed it: cut to the limit.
  void SetTyped(std::string_view typed) {
    text = std::string(maxLength != 0 ? typed.substr(0, maxLength) : typed);
  }
};

// A drop list.
struct ListControl : Control {
  std::vector<std::string> items;
  int selection = -1;  // -1 = nothing selected

  bool Holds(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }
  // Selects `index`, or nothing when the list has no such entry.
  void Select(int index) { selection = Holds(index) ? index : -1; }
};

struct CheckControl : Control {
  bool checked = false;
};

// The range of one field of an address control.
struct FieldRange {
  std::uint8_t low = 0;
  std::uint8_t high = 255;
};

// An IPv4 address control: four fields, first octet first.
struct AddressControl : Control {
  static constexpr int kFields = 4;
  std::array<std::uint8_t, kFields> fields{};
  std::array<FieldRange, kFields> ranges{};

  // The address most significant octet first, as records hold it.
  std::uint32_t Value() const {
    return (std::uint32_t{fields[0]} << 24) | (std::uint32_t{fields[1]} << 16) |
           (std::uint32_t{fields[2]} << 8) | std::uint32_t{fields[3]};
  }
  void SetValue(std::uint32_t address) {
    for (int i = 0; i < kFields; ++i) {
      fields[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(address >> (24 - 8 * i));
    }
  }
  // A field as the user left it (-1 blank): the control keeps a typed value
  // inside the field's range and reads a blank field as 0. False when the
  // control is disabled or has no such field.
  bool TakeField(int field, int value) {
    if (!enabled || field < 0 || field >= kFields) return false;
    const auto f = static_cast<std::size_t>(field);
    const int low = ranges[f].low;
    const int high = ranges[f].high;
    fields[f] = static_cast<std::uint8_t>(value < 0      ? 0
                                          : value < low  ? low
                                          : value > high ? high
                                                         : value);
    return true;
  }
};

// A date picker (year, month, day of `value`, kept to minimum..maximum) or
// a time picker (hour, minute, second of `value`).
struct DateTimeControl : Control {
  DateTime value;
  DateTime minimum = kFirstClockDate;
  DateTime maximum = kLastClockDate;
};

// The spin button beside an edit.
struct SpinControl : Control {
  int low = 0;
  int high = 100;
  int position = 0;
};

// Fills a drop list's entries.
template <std::size_t N>
std::vector<std::string> Items(const std::array<std::string_view, N>& entries) {
  return std::vector<std::string>(entries.begin(), entries.end());
}

}  // namespace gw::pages
