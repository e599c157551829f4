#pragma once
// The fatal texts of binding the transport libraries. They have no
// string-table number: the tool shows them before any resource is at hand.

#include <string>

namespace gw::text {

inline std::string CannotLoadLibrary(const std::string& library) {
  return "Can't load " + library + ",\nProcess Terminate !!";
}

// "<name> function not in <library>.dll !!"; the Modbus TCP opener has always
// been reported with one more exclamation mark.
inline std::string EntryPointMissing(const std::string& name, const std::string& library) {
  std::string text = name + " function not in " + library + ".dll !!";
  if (name == "OpenModbusTCPSocket") text += "!";
  return text;
}

}  // namespace gw::text
