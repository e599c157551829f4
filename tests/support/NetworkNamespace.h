#pragma once
// Network namespaces made by a test, so that traffic which must not reach a
// real network (broadcasts, other subnets) has nowhere else to go: a child
// process in a namespace of its own, shell commands run there, and a
// handshake that lets a parent move interfaces into a child's namespace.

#include <chrono>
#include <functional>
#include <string>

namespace gw::test {

// True when this process may make a network namespace (unshare).
bool NetworkNamespacesAvailable();

// Runs `body` in a forked child inside a new network namespace and returns
// its exit code (or -1). The child's stderr is collected into `childErr`.
// `body` returns the child's exit code.
int RunInNetworkNamespace(const std::function<int()>& body, std::string& childErr);

// Runs a shell command (inside the namespace): true on exit code 0. Its
// standard output is discarded; its errors go to stderr.
bool Shell(const std::string& command);

// A handshake across fork: the child makes a network namespace of its own and
// waits there until the parent, who may now put interfaces into it (for
// example `ip link set X netns <child pid>`), lets it go on.
class NamespaceHandshake {
 public:
  NamespaceHandshake();
  ~NamespaceHandshake();
  NamespaceHandshake(const NamespaceHandshake&) = delete;
  NamespaceHandshake& operator=(const NamespaceHandshake&) = delete;

  // In the child: unshares the network namespace, tells the parent, and
  // waits for its release. False when a step fails or the parent gave up.
  bool EnterAndWait();
  // In the parent: true once the child is in its namespace.
  bool AwaitChild(std::chrono::milliseconds wait);
  // In the parent: lets the child go on.
  void Release();

 private:
  int toParent_[2] = {-1, -1};
  int toChild_[2] = {-1, -1};
};

}  // namespace gw::test
