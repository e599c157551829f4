#pragma once
// What a link operation came to, and why when it failed. Plain integers stay
// at the transport libraries' C boundary; inside the tool every step of a
// transaction answers with one of these.

namespace gw {

enum class LinkStatus {
  Ok,
  NotOpen,           // no link is open for this action
  Busy,              // another action holds the link (a poll inside a running action)
  CannotOpen,        // the transport refused to open the port or socket
  NoTransport,       // the transport reports neither serial nor Ethernet
  NotBuilt,          // no module to address, or no such command or block
  SendFailed,        // the transport took none of the request
  TimedOut,          // no reply within the reply wait
  NothingReceived,   // the receive gave no bytes
  BadFrame,          // a serial frame that does not decode or add up
  WrongTransaction,  // a reply to an earlier request
  WrongModule,       // a reply from a module other than the one addressed
  TooShort,          // shorter than a reply to this request must be
  Refused,           // the module answered, and its reply code says no
};

struct LinkResult {
  LinkStatus status = LinkStatus::Ok;
  int length = 0;  // bytes of the reply taken, when there was one
  // Why the last reply set aside during the wait was set aside (Ok: none
  // was), so a wait that ran out can tell silence from answers of others.
  LinkStatus setAside = LinkStatus::Ok;

  bool Ok() const { return status == LinkStatus::Ok; }
  // A reply that belongs to another request or module: it is set aside and
  // the wait for the right one goes on.
  bool IsSetAside() const {
    return status == LinkStatus::WrongTransaction || status == LinkStatus::WrongModule;
  }
};

inline LinkResult Failed(LinkStatus status) { return {status, 0, LinkStatus::Ok}; }

}  // namespace gw
