#pragma once
// The host with the real plug-in loaded from bin/Plugins and, where a test
// needs modules, nxgsim on a loopback address of its own.

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <memory>
#include <vector>

#include "MainFrame.h"
#include "PluginSet.h"
#include "frame/GuiTestSupport.h"

namespace gw::test {

// nxgsim for one test; stopped when the object goes.
class Nxgsim {
 public:
  explicit Nxgsim(const QStringList& arguments) {
    process_.setProgram(QDir(QCoreApplication::applicationDirPath()).filePath("nxgsim"));
    process_.setArguments(arguments);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (!process_.waitForStarted(10000)) return;
    QByteArray out;
    // Blocks on the pipe until the simulator says it listens.
    while (!out.contains("ready") && process_.waitForReadyRead(10000)) out += process_.readAllStandardOutput();
    ready_ = out.contains("ready");
  }
  ~Nxgsim() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(5000);
  }
  bool Ready() const { return ready_; }
  QByteArray Errors() { return process_.readAllStandardError(); }

 private:
  QProcess process_;
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
