#pragma once
// The host's byte store as the document sees it. Whoever includes this links
// the CfgLib library.

#include "model/NodeListExchange.h"
#include "platform/cfglib/CfgLib.h"

namespace gw {

class CfgLibStore : public SerializeStore {
 public:
  int GetSerializeData(std::uint8_t* buffer) override { return lib_.GetSerializeData(buffer); }
  int SetSerializeData(const std::uint8_t* data, int length) override {
    return lib_.SetSerializeData(data, length);
  }

 private:
  CCfgLib lib_;
};

}  // namespace gw
