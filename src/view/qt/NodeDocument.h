#pragma once
// The document the node view shows: a framework document that holds the
// toolkit-free core. The plug-in's document is one.

#include "appframe/Document.h"
#include "protocol/DocumentCore.h"

namespace gw::view {

class CNodeDocument : public af::CDocument {
 public:
  virtual DocumentCore& Core() = 0;
  NodeTable& Nodes() { return Core().Nodes(); }
};

}  // namespace gw::view
