#pragma once
// Network namespaces made by a test, so that traffic which must not reach a
// real network (broadcasts, other subnets) has nowhere else to go.

#include <chrono>
#include <functional>
#include <string>

namespace gw::test {

// True when this process may make a network namespace (unshare).
bool NetworkNamespacesAvailable();

// Runs `body` in a forked child inside a new network namespace: its exit
// code (what `body` returns), or -1. The child's stderr lands in `childErr`.
int RunInNetworkNamespace(const std::function<int()>& body, std::string& childErr);

// Runs a shell command, its standard output discarded: true on exit code 0.
bool Shell(const std::string& command);

// A handshake across fork: the child makes a network namespace of its own and
// waits there until the parent, who may now move interfaces into it
// (`ip link set X netns <child pid>`), lets it go on.
class NamespaceHandshake {
 public:
  NamespaceHandshake();
  ~NamespaceHandshake();
  NamespaceHandshake(const NamespaceHandshake&) = delete;
  NamespaceHandshake& operator=(const NamespaceHandshake&) = delete;

  // In the child: false when a step fails or the parent gave up.
  bool EnterAndWait();
  // In the parent: true once the child is in its namespace.
  bool AwaitChild(std::chrono::milliseconds wait);
  void Release();

 private:
  int toParent_[2] = {-1, -1};
  int toChild_[2] = {-1, -1};
};

}  // namespace gw::test
