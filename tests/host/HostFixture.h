#pragma once
// The host with the real plug-in loaded from bin/Plugins and, where a test
// needs modules, nxgsim (SimProcess) on a loopback address of its own.

#include <dlfcn.h>

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
#include "support/SimHarness.h"

namespace gw::test {

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

  // nxgsim on `address` with `args`, PortLink.ini aimed at it, and the host
  // started: the session's first document, or null.
  af::CDocument* StartWithSim(const std::string& address, std::vector<std::string> args) {
    env_.WritePortLinkIni(QString::fromStdString(address));
    args.insert(args.begin(), {"--address", address});
    sim_ = std::make_unique<SimProcess>(args);
    EXPECT_TRUE(sim_->WaitReady());
    return Open().Start();
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
  std::unique_ptr<SimProcess> sim_;
  std::vector<HostMessageRecord> messages_;
  QString previousFolder_;
};

}  // namespace gw::test
