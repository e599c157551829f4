// Binding PortLink and MbKit into the link function table.
#include <bit>
#include <string>

#include "DeviceLink.h"
#include "LinkEntryPoints.h"
#include "model/Texts.h"

// Each name of the list, resolved into the table field of that name; the
// chain stops at the first name missing.
#define GW_RESOLVE(name) resolve(#name, api.name)&&

namespace gw {

namespace {

// Resolves the entry points of one library in a fixed order, testing each
// name right after it is resolved and stopping at the first one missing.
class Resolver {
 public:
  Resolver(LibraryLoader& loader, UserInterface& ui, void* module, std::string library)
      : loader_(loader), ui_(ui), module_(module), library_(std::move(library)) {}

  template <typename Fn>
  bool operator()(const char* name, Fn& slot) {
    void* address = loader_.Symbol(module_, name);
    if (address == nullptr) {
      ui_.Message(text::EntryPointMissing(name, library_), Buttons::Ok, Icon::None);
      return false;
    }
    static_assert(sizeof(Fn) == sizeof(void*));
    slot = std::bit_cast<Fn>(address);
    return true;
  }

 private:
  LibraryLoader& loader_;
  UserInterface& ui_;
  void* module_;
  std::string library_;
};

}  // namespace

void DeviceLink::Bind(LibraryLoader& loader, const Terminate& terminate) {
  if (!BindPortLink(loader) || !BindMbKit(loader)) {
    terminate(0);  // the message has been shown
    return;
  }
  comPort_ = portLink_.GetCOMPortNum();
  commType_ = portLink_.GetCommType();
  remoteAddress_ = portLink_.GetRemoteIPAddr();
}

bool DeviceLink::BindPortLink(LibraryLoader& loader) {
  const std::string library = "PortLink";
  loader_ = &loader;
  portLink_.module = loader.Open(library);
  if (portLink_.module == nullptr) {
    ui_.Message(text::CannotLoadLibrary(library), Buttons::Ok, Icon::None);
    return false;
  }
  Resolver resolve(loader, ui_, portLink_.module, library);
  PortLinkApi& api = portLink_;
  return GW_PORTLINK_ENTRY_POINTS(GW_RESOLVE) true;
}

bool DeviceLink::BindMbKit(LibraryLoader& loader) {
  const std::string library = "MbKit";
  mbKit_.module = loader.Open(library);
  if (mbKit_.module == nullptr) {
    ui_.Message(text::CannotLoadLibrary(library), Buttons::Ok, Icon::None);
    return false;
  }
  Resolver resolve(loader, ui_, mbKit_.module, library);
  MbKitApi& api = mbKit_;
  return GW_MBKIT_ENTRY_POINTS(GW_RESOLVE) true;
}

}  // namespace gw

#undef GW_RESOLVE
