#pragma once
// The pages of the parameter sheet over one node record, without a module:
// the values of the keys as the pages show them (show --json, decode --json,
// diff) and the pages' entries and limits (fields).

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CliUi.h"
#include "keys/KeyTable.h"
#include "protocol/DocumentCore.h"

namespace gw::cli {

class RecordSheet {
 public:
  explicit RecordSheet(const NodeRecord& record);
  const pages::PropertyPage& Page(pages::PageId page) const;

 private:
  class NoStore : public SerializeStore {
   public:
    int GetSerializeData(std::uint8_t*) override { return 0; }
    int SetSerializeData(const std::uint8_t*, int) override { return -1; }
  };
  CliUi ui_;
  SystemClock clock_;
  NoStore store_;
  DocumentCore doc_;
  std::unique_ptr<pages::SheetRules> sheet_;
};

using FieldValue = std::pair<const keys::Field*, std::string>;

// Every key but the secret ones, in sheet order.
std::vector<FieldValue> FieldValues(const NodeRecord& record);

}  // namespace gw::cli
