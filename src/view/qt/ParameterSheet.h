#pragma once
// The parameter sheet of an opened node in its window: the toolkit-free sheet
// (its pages, Apply, OK, Cancel and the active page) shown as a tabbed dialog.

#include <memory>

#include "appframe/PropertySheet.h"
#include "pages/SheetRules.h"

namespace gw::frame {
class CGwCfgDoc;
}

namespace gw::view {

class CParameterSheet : public af::CPropertySheet {
  Q_OBJECT

 public:
  // Shows `sheet` (already open on its start page) with a window per page.
  CParameterSheet(std::unique_ptr<pages::SheetRules> sheet, QWidget* parent);
  ~CParameterSheet() override;

  pages::SheetRules& Sheet() const { return *sheet_; }

  bool Apply() override;

 protected:
  void Ok() override;
  void Cancel() override;

 private:
  // Follows the sheet: the modified pages, the active page, the end.
  void Follow();

  std::unique_ptr<pages::SheetRules> sheet_;
  bool closing_ = false;
};

// The sheet of the document's current node, which has just been opened.
std::unique_ptr<CParameterSheet> BuildParameterSheet(DocumentCore& document, QWidget* parent);

}  // namespace gw::view
