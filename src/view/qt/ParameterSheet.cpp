#include "ParameterSheet.h"

#include "frame/GwCfgApp.h"
#include "frame/GwCfgDoc.h"

namespace gw::view {

namespace {

// A page whose controls are not there yet: it shows its tab and holds the
// document like every page.
class CPendingPage : public af::CPropertyPage {
 public:
  CPendingPage(const QString& caption, frame::CGwCfgDoc& doc)
      : CPropertyPage(caption), doc_(doc) {}
  frame::CGwCfgDoc& Document() const { return doc_; }

 private:
  frame::CGwCfgDoc& doc_;
};

}  // namespace

std::unique_ptr<af::CPropertySheet> BuildParameterSheet(frame::CGwCfgDoc& doc,
                                                        const SheetPlan& plan, QWidget* parent) {
  auto sheet = std::make_unique<af::CPropertySheet>(QString::fromStdString(plan.caption), parent);
  for (SheetPage page : kSheetPages) {
    sheet->AddPage(new CPendingPage(frame::theApp.Tr(PageCaption(page)), doc));
  }
  sheet->SetActivePage(plan.startPage);
  return sheet;
}

}  // namespace gw::view
