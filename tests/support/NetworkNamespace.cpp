#include "NetworkNamespace.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace gw::test {

namespace {

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

bool NetworkNamespacesAvailable() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(::unshare(CLONE_NEWNET) == 0 ? 0 : 1);
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

int RunInNetworkNamespace(const std::function<int()>& body, std::string& childErr) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return -1;
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    ::dup2(pipeFds[1], STDERR_FILENO);
    ::close(pipeFds[1]);
    const bool entered = ::unshare(CLONE_NEWNET) == 0;
    if (!entered) std::perror("unshare");
    const int code = entered ? body() : 90;
    std::fflush(nullptr);
    ::_exit(code);
  }
  ::close(pipeFds[1]);
  std::array<char, 512> chunk{};
  ssize_t got = 0;
  while ((got = ::read(pipeFds[0], chunk.data(), chunk.size())) > 0) {
    childErr.append(chunk.data(), static_cast<std::size_t>(got));
  }
  ::close(pipeFds[0]);
  int status = 0;
  const bool ended = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status);
  return ended ? WEXITSTATUS(status) : -1;
}

bool Shell(const std::string& command) {
  return std::system(("{ " + command + "; } >/dev/null").c_str()) == 0;
}

NamespaceHandshake::NamespaceHandshake() {
  if (::pipe2(toParent_, O_CLOEXEC) != 0 || ::pipe2(toChild_, O_CLOEXEC) != 0) {
    std::perror("NamespaceHandshake");
  }
}

NamespaceHandshake::~NamespaceHandshake() {
  for (int* fd : {&toParent_[0], &toParent_[1], &toChild_[0], &toChild_[1]}) CloseFd(*fd);
}

bool NamespaceHandshake::EnterAndWait() {
  CloseFd(toParent_[0]);
  CloseFd(toChild_[1]);
  const char entered = ::unshare(CLONE_NEWNET) == 0 ? 'y' : 'n';
  if (entered != 'y') std::perror("unshare");
  if (::write(toParent_[1], &entered, 1) != 1 || entered != 'y') return false;
  char go = 0;
  return ::read(toChild_[0], &go, 1) == 1 && go == 'g';
}

bool NamespaceHandshake::AwaitChild(std::chrono::milliseconds wait) {
  CloseFd(toParent_[1]);
  CloseFd(toChild_[0]);
  pollfd entry{toParent_[0], POLLIN, 0};
  char entered = 0;
  return ::poll(&entry, 1, static_cast<int>(wait.count())) == 1 &&
         ::read(toParent_[0], &entered, 1) == 1 && entered == 'y';
}

void NamespaceHandshake::Release() {
  const char go = 'g';
  if (::write(toChild_[1], &go, 1) != 1) std::perror("NamespaceHandshake::Release");
  CloseFd(toChild_[1]);
}

}  // namespace gw::test
