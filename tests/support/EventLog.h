#pragma once
// One ordered record of what the fake transport and the fake clock saw, so a
// test can assert the exact sequence of sends, pauses and waits.
//
// Entries: "send 4/0" (command/block of the request; "send ?" when it could
// not be read), "pause 100", "wait 2000" (ReadSelect), "recv 116" / "recv 0"
// (RecvData), and the link calls by name with their arguments, e.g.
// "OpenSocket 2 127.0.0.1 0 20006 3", "mb OpenModbusTCPSocket 127.0.0.9".

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace gw::test {

class EventLog {
 public:
  void Add(std::string event) { events_.push_back(std::move(event)); }
  void Clear() { events_.clear(); }
  const std::vector<std::string>& All() const { return events_; }

  // The entries whose first word is one of `kinds`, e.g. {"send", "pause", "wait"}.
  std::vector<std::string> Only(std::initializer_list<std::string_view> kinds) const {
    std::vector<std::string> out;
    for (const auto& e : events_) {
      const std::string_view first = std::string_view(e).substr(0, e.find(' '));
      for (std::string_view k : kinds) {
        if (first == k) {
          out.push_back(e);
          break;
        }
      }
    }
    return out;
  }

 private:
  std::vector<std::string> events_;
};

}  // namespace gw::test
