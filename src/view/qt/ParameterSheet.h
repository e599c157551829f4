#pragma once
// The property sheet of an opened node with its nine pages.

#include <memory>

#include "appframe/PropertySheet.h"
#include "view/NodeInteraction.h"

namespace gw::frame {
class CGwCfgDoc;
}

namespace gw::view {

// The sheet for `plan`, with every page given the document, opening on the
// plan's page.
std::unique_ptr<af::CPropertySheet> BuildParameterSheet(frame::CGwCfgDoc& doc,
                                                        const SheetPlan& plan, QWidget* parent);

}  // namespace gw::view
