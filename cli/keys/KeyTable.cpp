#include "keys/KeyTable.h"

#include <algorithm>
#include <cctype>

#include "platform/util/Ipv4Text.h"

namespace gw::cli::keys {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::vector<Field> Collect() {
  std::vector<Field> all;
  for (auto table : {OverviewFields, BasicFields, MailFields, NtpFields, MonitorFields,
                     SlaveModeFields, IpFilterFields, UserDefineFields, SecurityFields}) {
    for (Field& f : table()) all.push_back(std::move(f));
  }
  // Sheet order, each page's rows as its table lists them.
  std::stable_sort(all.begin(), all.end(), [](const Field& a, const Field& b) {
    return pages::PageIndex(a.page) < pages::PageIndex(b.page);
  });
  return all;
}

}  // namespace

const char* TypeName(ValueType type) {
  switch (type) {
    case ValueType::Text:
      return "text";
    case ValueType::Integer:
      return "integer";
    case ValueType::Choice:
      return "choice";
    case ValueType::Ipv4:
      return "ipv4";
    case ValueType::Switch:
      return "switch";
    case ValueType::Password:
      return "password";
  }
  return "";
}

const std::vector<Field>& AllFields() {
  static const std::vector<Field> fields = Collect();
  return fields;
}

const Field* FindField(std::string_view key) {
  const std::string wanted = Lower(key);
  for (const Field& f : AllFields()) {
    if (f.key == wanted) return &f;
  }
  return nullptr;
}

std::string NotSettableNow(const pages::Control& control) {
  return control.visible ? "the page has this control disabled now"
                         : "the page does not show this control for this module";
}

std::optional<std::string> TypedText(const pages::TextControl& control, const std::string& value) {
  if (!control.enabled || !control.visible) return NotSettableNow(control);
  if (control.maxLength != 0 && value.size() > control.maxLength) {
    return "the page takes at most " + std::to_string(control.maxLength) + " characters";
  }
  return std::nullopt;
}

std::optional<int> ListIndex(const pages::ListControl& control, const std::string& value) {
  const std::string wanted = Lower(value);
  for (std::size_t i = 0; i < control.items.size(); ++i) {
    if (Lower(control.items[i]) == wanted) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string ListAllowed(const pages::ListControl& control) {
  std::string text;
  for (const std::string& item : control.items) text += (text.empty() ? "" : "|") + item;
  return text;
}

std::optional<bool> ParseSwitch(const std::string& value) {
  const std::string v = Lower(value);
  if (v == "on" || v == "true" || v == "yes" || v == "1") return true;
  if (v == "off" || v == "false" || v == "no" || v == "0") return false;
  return std::nullopt;
}

std::optional<std::string> AddressFields(const pages::AddressControl& control,
                                         const std::string& value, std::array<int, 4>& fields) {
  if (!control.enabled || !control.visible) return NotSettableNow(control);
  const auto address = platform::ParseIpv4(value);
  if (!address) return "'" + value + "' is not an IPv4 address";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const int octet = static_cast<int>((*address >> (24 - 8 * i)) & 0xFF);
    const pages::FieldRange range = control.ranges[i];
    if (octet < range.low || octet > range.high) {
      return "field " + std::to_string(i + 1) + " of the address must be " +
             std::to_string(range.low) + " to " + std::to_string(range.high);
    }
    fields[i] = octet;
  }
  return std::nullopt;
}

std::string AddressText(const pages::AddressControl& control) {
  std::string text;
  for (std::size_t i = 0; i < control.fields.size(); ++i) {
    text += (i ? "." : "") + std::to_string(control.fields[i]);
  }
  return text;
}

namespace {
constexpr const char* kTableReadOnly = "the page has this table read-only now";
constexpr const char* kCellRefused = "the page refused the value";
}  // namespace

std::optional<std::string> EditCell(pages::GridModel& grid, pages::CellRef cell,
                                    const std::string& value) {
  if (!grid.Editable()) return kTableReadOnly;
  const std::string& mask = grid.Column(cell.column).inputMask;
  if (pages::FitToMask(mask, value) != value) {
    return "'" + value + "' does not fit the column (" + mask + ")";
  }
  if (!grid.StartEdit(cell)) return kTableReadOnly;
  grid.SetEditText(value);
  if (grid.FinishEdit()) return std::nullopt;
  grid.CancelEdit();
  return kCellRefused;
}

std::optional<std::string> CheckCell(pages::GridModel& grid, pages::CellRef cell, bool on) {
  if (!grid.Editable()) return kTableReadOnly;
  if (grid.Checked(cell.column, cell.row) != on) grid.Click(cell);
  if (grid.Checked(cell.column, cell.row) != on) return kCellRefused;
  return std::nullopt;
}

}  // namespace gw::cli::keys
