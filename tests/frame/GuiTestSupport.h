#pragma once
// What the desktop program's tests share: a QApplication on the offscreen
// platform around the GoogleTest run, and per test a temporary host folder
// ($GWSUITE_HOME) whose PortLink.ini points at a loopback address, with the
// host's settings inside it and every message box and file dialog answered
// by the test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "appframe/Dialogs.h"

namespace gw::test {

// Threads of this process now.
inline int ThreadCount() {
  return static_cast<int>(
      QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

inline int RunGuiTests(int argc, char** argv) {
  const int threadsAtStart = ThreadCount();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("GWSUITE_LOOPBACK_ONLY", "1");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  // Zero-length timers still pending (a closing frame's, a catcher's) fire
  // now and free themselves before the application goes.
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // The raster paint engine fills large areas on threads of Qt's global
  // pool. They are ended here and given the moment they need to be gone
  // completely: a thread still ending while the process ends leaves its
  // per-thread data to the leak checker.
  QThreadPool::globalInstance()->waitForDone();
  for (int i = 0; i < 2000 && ThreadCount() > threadsAtStart; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return result;
}

class GuiEnvironment {
 public:
  explicit GuiEnvironment(const QString& loopback = QStringLiteral("127.0.0.1")) {
    previousHome_ = qgetenv("GWSUITE_HOME");
    hadHome_ = qEnvironmentVariableIsSet("GWSUITE_HOME");
    qputenv("GWSUITE_HOME", home_.path().toLocal8Bit());
    QDir(home_.path()).mkpath(QStringLiteral("Config"));
    WritePortLinkIni(loopback);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsFolder());
    previousBox_ = af::AfxSetMessageBoxHook([this](const QString& text, unsigned) {
      messages.push_back(text.toStdString());
      if (answers.empty()) return af::IDOK;
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    });
    previousFile_ = af::AfxSetFileDialogHook([this](const af::FileDialogOptions& options) {
      dialogs.push_back(options);
      std::optional<QString> path;
      if (!files.empty()) {
        path = files.front();
        files.pop_front();
      }
      return path;
    });
  }

  ~GuiEnvironment() {
    af::AfxSetMessageBoxHook(previousBox_);
    af::AfxSetFileDialogHook(previousFile_);
    if (hadHome_) {
      qputenv("GWSUITE_HOME", previousHome_);
    } else {
      qunsetenv("GWSUITE_HOME");
    }
  }

  QString Home() const { return home_.path(); }
  QString Path(const QString& name) const { return QDir(home_.path()).filePath(name); }
  QString SettingsFolder() const { return Path(QStringLiteral("settings")); }
  // The file the host's settings live in on this platform.
  QString SettingsFile() const {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvane"),
                     QStringLiteral("GwSuite"))
        .fileName();
  }

  // `extra` lines go into the [PortLink] section too.
  void WritePortLinkIni(const QString& remote, int commType = 1, const QString& extra = {}) {
    QFile ini(Path(QStringLiteral("Config/PortLink.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(QStringLiteral("[PortLink]\nCommType=%1\nCOMPort=1\nRemoteIP=%2\n"
                             "BroadcastAddress=%2\n%3")
                  .arg(commType)
                  .arg(remote, extra)
                  .toUtf8());
  }

  void SetLanguageId(unsigned id) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvane"),
                       QStringLiteral("GwSuite"));
    settings.setValue(QStringLiteral("LanguageId"), id);
    settings.sync();
  }

  std::vector<std::string> messages;  // every message box, in order
  std::deque<int> answers;            // IDOK when empty
  std::vector<af::FileDialogOptions> dialogs;
  std::deque<QString> files;  // a cancel when empty

 private:
  QTemporaryDir home_;
  QByteArray previousHome_;
  bool hadHome_ = false;
  af::MessageBoxHook previousBox_;
  af::FileDialogHook previousFile_;
};

// Runs `inspect` on the first modal widget of type W that appears while the
// test goes on (a modal dialog runs its own event loop), then closes it with
// reject(). Polls with zero-length timers only, a bounded number of times.
template <typename W>
class ModalCatcher {
 public:
  explicit ModalCatcher(std::function<void(W&)> inspect, int polls = 20000)
      : state_(std::make_shared<State>()) {
    state_->inspect = std::move(inspect);
    state_->polls = polls;
    Arm(state_);
  }
  ~ModalCatcher() { state_->stopped = true; }
  ModalCatcher(const ModalCatcher&) = delete;
  ModalCatcher& operator=(const ModalCatcher&) = delete;

  bool Caught() const { return state_->caught; }

 private:
  struct State {
    std::function<void(W&)> inspect;
    int polls = 0;
    bool caught = false;
    bool stopped = false;
  };

  static void Arm(std::shared_ptr<State> state) {
    QTimer::singleShot(0, [state] {
      if (state->stopped || state->caught) return;
      if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
        state->caught = true;
        state->inspect(*w);
        w->reject();
      } else if (--state->polls > 0) {
        Arm(state);
      }
    });
  }

  std::shared_ptr<State> state_;
};

}  // namespace gw::test

// The main of a test program of the desktop program.
#define GW_GUI_TEST_MAIN() \
  int main(int argc, char** argv) { return gw::test::RunGuiTests(argc, argv); }
