#pragma once
// The host with the real plug-in loaded from bin/Plugins and, where a test
// needs modules, nxgsim on a loopback address of its own.

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <memory>
#include <string>
#include <vector>

#include "MainFrame.h"
#include "PluginSet.h"
#include "frame/GuiTestSupport.h"

extern char** environ;

namespace gw::test {

// nxgsim for one test, started without the toolkit; stopped when the object
// goes.
class Nxgsim {
 public:
  explicit Nxgsim(const QStringList& arguments) {
    const QByteArray program =
        QDir(QCoreApplication::applicationDirPath()).filePath("nxgsim").toLocal8Bit();
    std::vector<QByteArray> args{program};
    for (const QString& a : arguments) args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    // Blocks on the pipe (at most 10 s) until the simulator says it listens.
    std::string said;
    pollfd pfd{out[0], POLLIN, 0};
    while (pid_ > 0 && said.find("ready") == std::string::npos && ::poll(&pfd, 1, 10000) > 0) {
      char buffer[256];
      const ssize_t n = ::read(out[0], buffer, sizeof buffer);
      if (n <= 0) break;
      said.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    ready_ = said.find("ready") != std::string::npos;
  }
  ~Nxgsim() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  Nxgsim(const Nxgsim&) = delete;
  Nxgsim& operator=(const Nxgsim&) = delete;

  bool Ready() const { return ready_; }

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
};

struct HostMessageRecord {
  int message;
  QString text;
};

class HostFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString bin = QCoreApplication::applicationDirPath();
    // A document binds the transport libraries or ends the process (with
    // exit code 0); make sure that cannot pass for success.
    ASSERT_TRUE(QFile::exists(QDir(bin).filePath("libPortLink.so")));
    ASSERT_TRUE(QFile::exists(QDir(bin).filePath("libMbKit.so")));
    ASSERT_TRUE(QFile::exists(QDir(bin).filePath("Plugins/libNXG4120-T.so")));
    previousFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(env_.Home()));
  }

  void TearDown() override {
    if (main_) {
      main_->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      main_.reset();
    }
    plugins_.Unload();
    QDir::setCurrent(previousFolder_);
  }

  // Loads the plug-ins and opens the main window.
  host::CMainFrame& Open() {
    plugins_.LoadAll();
    main_ = std::make_unique<host::CMainFrame>(plugins_);
    QObject::connect(main_.get(), &host::CMainFrame::hostMessage,
                     [this](int message, qintptr, qintptr, const QString& text) {
                       messages_.push_back({message, text});
                     });
    main_->show();
    return *main_;
  }

  int Count(int message) const {
    int n = 0;
    for (const HostMessageRecord& m : messages_) n += m.message == message ? 1 : 0;
    return n;
  }

  // The active document's node list stream, as Save As writes it.
  QByteArray SavedNodeList(const QString& name = QStringLiteral("list.nxg")) {
    const QString path = env_.Path(name);
    QFile::remove(path);
    env_.files.push_back(path);
    main_->Dispatch(15353);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  QStringList MenuTitles() const {
    QStringList titles;
    for (QAction* action : main_->menuBar()->actions()) titles << action->text();
    return titles;
  }

  GuiEnvironment env_;
  host::PluginSet plugins_;
  std::unique_ptr<host::CMainFrame> main_;
  std::vector<HostMessageRecord> messages_;
  QString previousFolder_;
};

}  // namespace gw::test
