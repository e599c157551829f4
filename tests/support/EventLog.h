#pragma once
// One ordered record of what the fake transport and the fake clock saw:
// "send 4/0" (command/block; "send ?" when unreadable), "pause 100",
// "wait 2000" (ReadSelect), "recv 116", and the link calls with their
// arguments, e.g. "OpenSocket 2 127.0.0.1 0 20006 3", "mb CloseSocket".

#include <algorithm>
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

  // The entries whose first word is one of `kinds`, e.g. {"send", "pause"}.
  std::vector<std::string> Only(std::initializer_list<std::string_view> kinds) const {
    std::vector<std::string> out;
    for (const auto& e : events_) {
      if (std::find(kinds.begin(), kinds.end(), e.substr(0, e.find(' '))) != kinds.end()) {
        out.push_back(e);
      }
    }
    return out;
  }

 private:
  std::vector<std::string> events_;
};

}  // namespace gw::test
