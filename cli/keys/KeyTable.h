#pragma once
// The settable keys of nxgcfg: one row per page control, with the page it
// belongs to, how it reads the control and which of the page's handlers a
// value goes through. A page's rows are one small table in one file
// (BasicKeys.cpp, SecurityKeys.cpp...); the pages themselves judge every
// value, so no page rule is repeated here. Builders below make a row from a
// control accessor and a handler.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/GridModel.h"
#include "sheet/SheetPages.h"

namespace gw::cli::keys {

enum class ValueType { Text, Integer, Choice, Ipv4, Switch, Password };
const char* TypeName(ValueType type);

struct Field {
  std::string key;  // lower-case, dotted, stable: "basic.keep-alive"
  pages::PageId page;
  std::string caption;  // as the page labels the control
  ValueType type;
  // The current value as the page shows it.
  std::function<std::string(const pages::PropertyPage&)> get;
  // The allowed values as the page's control states them, or the range the
  // page checks at Apply.
  std::function<std::string(const pages::PropertyPage&)> allowed;
  // Feeds `value` to the page's handlers; a reason when the page's control
  // cannot take it. Empty for a field that is only shown.
  std::function<std::optional<std::string>(pages::PropertyPage&, const std::string&)> set;
  bool secret = false;  // never shown (passwords)
};

// Every key in sheet order, and one by name.
const std::vector<Field>& AllFields();
const Field* FindField(std::string_view key);

// The tables of the pages, one per file.
std::vector<Field> OverviewFields();
std::vector<Field> BasicFields();
std::vector<Field> SecurityFields();
std::vector<Field> NtpFields();
std::vector<Field> IpFilterFields();
std::vector<Field> UserDefineFields();
std::vector<Field> MailFields();
std::vector<Field> SlaveModeFields();
std::vector<Field> MonitorFields();

// --- row builders -----------------------------------------------------------

// Why a control that is disabled or hidden on the page takes no value.
std::string NotSettableNow(const pages::Control& control);
std::optional<std::string> TypedText(const pages::TextControl& control, const std::string& value);
std::optional<int> ListIndex(const pages::ListControl& control, const std::string& value);
std::string ListAllowed(const pages::ListControl& control);
std::optional<bool> ParseSwitch(const std::string& value);
// The four octets of a dotted address, each inside the control's range.
std::optional<std::string> AddressFields(const pages::AddressControl& control,
                                         const std::string& value, std::array<int, 4>& fields);
std::string AddressText(const pages::AddressControl& control);
// A grid cell's edit cycle as the grid window drives it: open the editor,
// type the text, finish the edit (the grid's own check); a reason when the
// grid or the cell refuses (the grid has shown its message).
std::optional<std::string> EditCell(pages::GridModel& grid, pages::CellRef cell,
                                    const std::string& value);
// A check cell clicked when it is not already as wanted.
std::optional<std::string> CheckCell(pages::GridModel& grid, pages::CellRef cell, bool on);

template <class Page>
const Page& As(const pages::PropertyPage& page) {
  return dynamic_cast<const Page&>(page);
}
template <class Page>
Page& As(pages::PropertyPage& page) {
  return dynamic_cast<Page&>(page);
}

// An edit: text or a number the page checks itself (`range` says its rule).
// `handler` is one of the page's member functions, or a callable taking the
// page first (a row of a table binds its row number that way).
template <class Page, class Control, class Handler>
Field TextField(std::string key, pages::PageId page, std::string caption, ValueType type,
                Control control, Handler handler, std::string range = {}) {
  Field f{std::move(key), page, std::move(caption), type, {}, {}, {}};
  f.get = [control](const pages::PropertyPage& p) { return control(As<Page>(p)).text; };
  f.allowed = [control, range](const pages::PropertyPage& p) {
    if (!range.empty()) return range;
    const std::size_t limit = control(As<Page>(p)).maxLength;
    return limit == 0 ? std::string("any text")
                      : "at most " + std::to_string(limit) + " characters";
  };
  f.set = [control, handler](pages::PropertyPage& p,
                             const std::string& value) -> std::optional<std::string> {
    if (auto refused = TypedText(control(As<Page>(p)), value)) return refused;
    std::invoke(handler, As<Page>(p), std::string_view(value));
    return std::nullopt;
  };
  return f;
}

// A drop list: one of its entries, by its text.
template <class Page, class Control, class Handler>
Field ListField(std::string key, pages::PageId page, std::string caption, Control control,
                Handler handler) {
  Field f{std::move(key), page, std::move(caption), ValueType::Choice, {}, {}, {}};
  f.get = [control](const pages::PropertyPage& p) {
    const pages::ListControl& list = control(As<Page>(p));
    return list.Holds(list.selection) ? list.items[static_cast<std::size_t>(list.selection)]
                                      : std::string();
  };
  f.allowed = [control](const pages::PropertyPage& p) { return ListAllowed(control(As<Page>(p))); };
  f.set = [control, handler](pages::PropertyPage& p,
                             const std::string& value) -> std::optional<std::string> {
    const pages::ListControl& list = control(As<Page>(p));
    if (!list.enabled || !list.visible) return NotSettableNow(list);
    const auto index = ListIndex(list, value);
    if (!index) return "'" + value + "' is not one of " + ListAllowed(list);
    std::invoke(handler, As<Page>(p), *index);
    return std::nullopt;
  };
  return f;
}

// An IPv4 address control, fed field by field.
template <class Page, class Control, class Handler>
Field AddressField(std::string key, pages::PageId page, std::string caption, Control control,
                   Handler handler) {
  Field f{std::move(key), page, std::move(caption), ValueType::Ipv4, {}, {}, {}};
  f.get = [control](const pages::PropertyPage& p) { return AddressText(control(As<Page>(p))); };
  f.allowed = [control](const pages::PropertyPage& p) {
    const auto& r = control(As<Page>(p)).ranges;
    std::string text = "a.b.c.d with";
    for (std::size_t i = 0; i < r.size(); ++i) {
      text += (i ? ", " : " ") + std::to_string(r[i].low) + "-" + std::to_string(r[i].high);
    }
    return text;
  };
  f.set = [control, handler](pages::PropertyPage& p,
                             const std::string& value) -> std::optional<std::string> {
    std::array<int, 4> fields{};
    if (auto refused = AddressFields(control(As<Page>(p)), value, fields)) return refused;
    for (int i = 0; i < 4; ++i) {
      std::invoke(handler, As<Page>(p), i, fields[static_cast<std::size_t>(i)]);
    }
    return std::nullopt;
  };
  return f;
}

// A check box.
template <class Page, class Control, class Handler>
Field SwitchField(std::string key, pages::PageId page, std::string caption, Control control,
                  Handler handler) {
  Field f{std::move(key), page, std::move(caption), ValueType::Switch, {}, {}, {}};
  f.get = [control](const pages::PropertyPage& p) {
    return std::string(control(As<Page>(p)).checked ? "on" : "off");
  };
  f.allowed = [](const pages::PropertyPage&) { return std::string("on|off"); };
  f.set = [control, handler](pages::PropertyPage& p,
                             const std::string& value) -> std::optional<std::string> {
    const pages::CheckControl& check = control(As<Page>(p));
    if (!check.enabled || !check.visible) return NotSettableNow(check);
    const auto on = ParseSwitch(value);
    if (!on) return "'" + value + "' is neither on nor off";
    std::invoke(handler, As<Page>(p), *on);
    return std::nullopt;
  };
  return f;
}

// The same rows with one of the page's member functions, which names the page.
template <class Page, class Control>
Field TextField(std::string key, pages::PageId page, std::string caption, ValueType type,
                Control control, void (Page::*handler)(std::string_view), std::string range = {}) {
  return TextField<Page, Control, decltype(handler)>(std::move(key), page, std::move(caption), type,
                                                     control, handler, std::move(range));
}
template <class Page, class Control>
Field ListField(std::string key, pages::PageId page, std::string caption, Control control,
                void (Page::*handler)(int)) {
  return ListField<Page, Control, decltype(handler)>(std::move(key), page, std::move(caption),
                                                     control, handler);
}
template <class Page, class Control>
Field AddressField(std::string key, pages::PageId page, std::string caption, Control control,
                   void (Page::*handler)(int, int)) {
  return AddressField<Page, Control, decltype(handler)>(std::move(key), page, std::move(caption),
                                                        control, handler);
}
template <class Page, class Control>
Field SwitchField(std::string key, pages::PageId page, std::string caption, Control control,
                  void (Page::*handler)(bool)) {
  return SwitchField<Page, Control, decltype(handler)>(std::move(key), page, std::move(caption),
                                                       control, handler);
}

// A text cell of one of the page's grids; `grid` takes the page (const or
// not) and gives the grid.
template <class Page, class Grid>
Field GridTextField(std::string key, pages::PageId page, std::string caption, ValueType type,
                    Grid grid, pages::CellRef cell, std::string allowed) {
  Field f{std::move(key), page, std::move(caption), type, {}, {}, {}};
  f.get = [grid, cell](const pages::PropertyPage& p) {
    return grid(As<Page>(p)).Text(cell.column, cell.row);
  };
  f.allowed = [allowed](const pages::PropertyPage&) { return allowed; };
  f.set = [grid, cell](pages::PropertyPage& p, const std::string& value) {
    return EditCell(grid(As<Page>(p)), cell, value);
  };
  return f;
}

// A check cell of one of the page's grids.
template <class Page, class Grid>
Field GridCheckField(std::string key, pages::PageId page, std::string caption, Grid grid,
                     pages::CellRef cell) {
  Field f{std::move(key), page, std::move(caption), ValueType::Switch, {}, {}, {}};
  f.get = [grid, cell](const pages::PropertyPage& p) {
    return std::string(grid(As<Page>(p)).Checked(cell.column, cell.row) ? "on" : "off");
  };
  f.allowed = [](const pages::PropertyPage&) { return std::string("on|off"); };
  f.set = [grid, cell](pages::PropertyPage& p,
                       const std::string& value) -> std::optional<std::string> {
    const auto on = ParseSwitch(value);
    if (!on) return "'" + value + "' is neither on nor off";
    return CheckCell(grid(As<Page>(p)), cell, *on);
  };
  return f;
}

// A value the page only shows.
template <class Page, class Text>
Field ShownField(std::string key, pages::PageId page, std::string caption, Text text) {
  Field f{std::move(key), page, std::move(caption), ValueType::Text, {}, {}, {}};
  f.get = [text](const pages::PropertyPage& p) { return std::string(text(As<Page>(p))); };
  f.allowed = [](const pages::PropertyPage&) { return std::string("read-only"); };
  return f;
}

}  // namespace gw::cli::keys
