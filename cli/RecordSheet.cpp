#include "RecordSheet.h"

namespace gw::cli {

RecordSheet::RecordSheet(const NodeRecord& record) : doc_(ui_, clock_, store_, CommSettings()) {
  ui_.SetQuiet(true);  // the Overview page's warnings belong to an opened module
  NodeTable& nodes = doc_.Nodes();
  nodes.SetCount(1);
  nodes.Node(0) = record;
  nodes.SetCurrent(0);
  nodes.UpdateFirmwareNumber(0);
  sheet_ = pages::OpenParameterSheet(doc_, pages::SheetUse::CommandLine);
}

const pages::PropertyPage& RecordSheet::Page(pages::PageId page) const {
  return sheet_->Page(pages::PageIndex(page));
}

std::vector<FieldValue> FieldValues(const NodeRecord& record) {
  const RecordSheet sheet(record);
  std::vector<FieldValue> values;
  for (const keys::Field& f : keys::AllFields()) {
    if (!f.secret) values.emplace_back(&f, f.get(sheet.Page(f.page)));
  }
  return values;
}

}  // namespace gw::cli
