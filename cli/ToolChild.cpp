#include "ToolChild.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gw::cli {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& words) {
  std::vector<char*> pointers;
  for (std::string& w : words) pointers.push_back(w.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Everything the child writes until it closes its end.
std::string ReadAll(int fd) {
  std::string text;
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n > 0) {
      text.append(chunk, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      return text;
    }
  }
}

}  // namespace

ChildResult RunThisProgram(const std::vector<std::string>& args,
                           const std::vector<std::string>& environment) {
  ChildResult result;
  std::vector<std::string> argv{"nxgcfg"};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> envp = environment;
  int errorPipe[2];
  if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
    result.error = std::string("cannot make a pipe: ") + std::strerror(errno);
    return result;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
  pid_t pid = -1;
  // Threads of this process start children side by side: every other
  // descriptor is close-on-exec, so a child holds no other child's pipe.
  const int spawned = ::posix_spawn(&pid, "/proc/self/exe", &actions, nullptr,
                                    Pointers(argv).data(), Pointers(envp).data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(errorPipe[1]);
  if (spawned != 0) {
    ::close(errorPipe[0]);
    result.error = std::string("cannot start nxgcfg: ") + std::strerror(spawned);
    return result;
  }
  result.error = ReadAll(errorPipe[0]);
  ::close(errorPipe[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace gw::cli
