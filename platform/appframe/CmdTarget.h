#pragma once
// Command handling by number: a target runs the handler registered for a
// command and tells the state (enabled or not) of the commands it knows.

#include <functional>
#include <map>

namespace af {

// The state of one command being updated: enabled unless a handler says no.
class CCmdUI {
 public:
  explicit CCmdUI(int id) : id_(id) {}
  int Id() const { return id_; }
  void Enable(bool enabled = true) { enabled_ = enabled; }
  bool Enabled() const { return enabled_; }

 private:
  int id_;
  bool enabled_ = true;
};

class CCmdTarget {
 public:
  using Handler = std::function<void()>;
  using UpdateHandler = std::function<void(CCmdUI&)>;

  virtual ~CCmdTarget() = default;

  // Runs the handler of `id`; true when there is one.
  virtual bool OnCmdMsg(int id);
  // Sets the state of `ui`'s command; true when this target knows the
  // command (it has an update handler or a command handler).
  virtual bool OnUpdateCmdUI(CCmdUI& ui);

 protected:
  void OnCommand(int id, Handler handler);
  void OnUpdateCommand(int id, UpdateHandler handler);

 private:
  std::map<int, Handler> handlers_;
  std::map<int, UpdateHandler> updaters_;
};

}  // namespace af
