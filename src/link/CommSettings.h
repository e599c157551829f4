#pragma once
// The two small files the tool keeps in the configuration folder: the
// settings file, whose section CommConf gives the address of the IP search,
// and the IP list, which collects the address of every module ever found.

#include <cstdint>
#include <string>

#include "model/NodeTable.h"

namespace gw {

class CommSettings {
 public:
  // Files of the model "NXG4120-T" in the configuration folder.
  CommSettings();
  // Files in the given folder (tests, tools).
  explicit CommSettings(std::string folder, std::string modelName = "NXG4120-T");

  std::string SettingsPath() const;  // <folder>/NXG4120-T.ini
  std::string IpListPath() const;    // <folder>/IPList.ini

  // IPAddress of section CommConf, host order; 255.255.255.255 when missing
  // or when the folder cannot be made.
  std::uint32_t LoadRemoteAddress() const;

  // Appends the address of every node not yet listed, under the folder's
  // update lock; a list that cannot be read whole is left as it is.
  void MergeIpList(const NodeTable& nodes) const;

 private:
  bool EnsureFolder() const;
  std::string folder_;
  std::string modelName_;
};

// A decimal number as the settings file holds it: at most 64 characters,
// converted as unsigned, a leading minus negating modulo 2^32.
std::uint32_t ParseProfileNumber(const std::string& text);
// Dotted text to an address, most significant octet first, by the rule of
// the IP list (and of the relay table): the forms inet_addr takes
// ("10.0.0", "0x7f.1" too); anything else gives 255.255.255.255. Where a
// user types an address, platform::ParseIpv4 takes four decimal octets only.
std::uint32_t ParseDottedAddress(const std::string& text);

}  // namespace gw
