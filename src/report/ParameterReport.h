#pragma once
// A readable report of one node record: every parameter under the caption its
// configuration page gives it, with the value as that page would show it.
// Sections come in the order of the parameter sheet's tabs. The tree holds
// only texts, so it turns into aligned terminal text (FormatReportText) or
// into JSON just as easily.

#include <string>
#include <string_view>
#include <vector>

#include "model/NodeRecord.h"

namespace gw {

struct ReportItem {
  std::string name;
  std::string value;

  friend bool operator==(const ReportItem&, const ReportItem&) = default;
};

struct ReportTable {
  std::string title;
  std::vector<std::string> columns;
  // Every row has exactly columns.size() cells.
  std::vector<std::vector<std::string>> rows;
};

struct ReportSection {
  std::string title;  // the tab caption: "Overview", "Basic", ...
  std::vector<ReportItem> items;
  std::vector<ReportTable> tables;
};

// Decodes the whole record. firmwareNumber is the node's firmware version as
// a decimal number times 100 (FirmwareNumber()); the IPv6 fields and the
// "Serial Device Server" configuration exist when HasIpv6AndDeviceServer(). A field value outside
// the list its page offers reads "unknown (value)"; no record content can make this fail. Password
// bytes are never shown, only whether one is set.
std::vector<ReportSection> DescribeNode(const NodeRecord& record, int firmwareNumber);

// The sections as terminal text: a heading per section, its items as
// "name: value" with the values aligned, then its tables with a column title
// line, a dashed line and the rows, each column as wide as its widest cell.
std::string FormatReportText(const std::vector<ReportSection>& sections);

// Aligned columns for a terminal: the widest cell of each column, and one
// row with its cells padded to those widths, two spaces apart, without
// trailing blanks, ending in a line break.
std::vector<std::size_t> ColumnWidths(const std::vector<std::vector<std::string>>& rows);
std::string AlignedRow(const std::vector<std::string>& cells,
                       const std::vector<std::size_t>& widths, std::string_view indent = {});

}  // namespace gw
