#pragma once
// The two ways to a module, as a table of operations chosen once when an
// action opens the link and kept until it is closed: a serial line, where
// frames are stuffed and the receive waits on its own, and a UDP socket,
// where a datagram is a frame body and the link waits with ReadSelect.

#include <chrono>
#include <cstdint>

#include "link/LinkApi.h"
#include "link/LinkResult.h"
#include "model/ByteOrder.h"

namespace gw {

struct Transport {
  int commType;
  // The fixed pause between a read request and the receive of its reply.
  std::chrono::milliseconds readPause;
  // Replies a search takes at most: one on a serial line, where the modules
  // of a bus answer in turn; every module on a network.
  int searchReplies;
  // How long a Modbus request waits for its reply before fetching it (zero:
  // the fetch waits on its own, as on a serial line).
  std::chrono::milliseconds modbusReplyWait;
  // Opens the configuration link; `remote` (network order) is where an
  // Ethernet link sends.
  bool (*open)(PortLinkApi& api, std::uint32_t remote);
  void (*close)(PortLinkApi& api);
  // The transport's count of bytes taken, as SendData answers.
  int (*send)(PortLinkApi& api, ConstBytes body);
  // Waits up to `wait` for a reply to come; true when one may be received.
  bool (*await)(PortLinkApi& api, std::chrono::milliseconds wait);
  // One frame body into `buffer`: its length, or why there is none.
  LinkResult (*receive)(PortLinkApi& api, Bytes buffer);
  // Reads and drops whatever waits, so a reply that came after its request
  // gave up is not taken for the next one.
  void (*drain)(PortLinkApi& api, Bytes scratch);
  // The Modbus link of the monitor: a serial port, or a TCP socket to
  // `node` (network order), while which the transport's remote address
  // follows the node; `saved` keeps the address that closeModbus puts back.
  bool (*openModbus)(PortLinkApi& api, MbKitApi& mbKit, std::uint32_t node, std::uint32_t& saved);
  void (*closeModbus)(PortLinkApi& api, MbKitApi& mbKit, std::uint32_t saved);
};

// The transport of `commType`; null for a comm type the tool does not know.
const Transport* TransportFor(int commType);

}  // namespace gw
