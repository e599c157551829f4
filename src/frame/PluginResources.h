#pragma once
// The plug-in library's own resources: the English string table, menu 130,
// the document string and icon 130. A language library carries the same
// numbers with translated texts.

#include <vector>

#include "appframe/Resources.h"

namespace gw::frame {

// The module's own resources ("the plug-in library's instance").
af::ResourceModule& PluginInstance();

// Every user-visible text of the plug-in that a language library translates:
// the string table and the texts the plug-in shows without a number.
std::vector<const char*> TranslatableTexts();

}  // namespace gw::frame
