#include "HostTool.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

#include "HostResources.h"
#include "appframe/ChildFrame.h"
#include "appframe/Dialogs.h"
#include "appframe/PropertySheet.h"
#include "appframe/View.h"

namespace gw::host {

namespace {

// Where the diagram draws the first node.
constexpr QPoint kFirstIcon(84, 54);

af::CView* ActiveView(CMainFrame& main) {
  af::CMDIChildWnd* frame = main.MDIGetActive();
  return frame ? frame->GetActiveView() : nullptr;
}

}  // namespace

HostTool::HostTool() = default;

HostTool::~HostTool() {
  if (main_) main_->close();
  main_.reset();
  plugins_.Unload();
}

bool HostTool::Start(const char* name) {
  QDir::setCurrent(QApplication::applicationDirPath());
  InitHostResources();
  af::AfxSetMessageBoxHook([](const QString& text, unsigned) {
    std::printf("message: %s\n", qPrintable(text));
    return af::IDOK;
  });
  if (plugins_.LoadAll() == 0) {
    std::fprintf(stderr, "%s: no plug-in: %s\n", name, qPrintable(plugins_.Errors().join("; ")));
    return false;
  }
  main_ = std::make_unique<CMainFrame>(plugins_);
  main_->resize(1000, 660);
  main_->show();
  if (!main_->Start()) return false;
  main_->UpdateCommandStates();
  QApplication::processEvents();
  return true;
}

void Click(QWidget* target, QPoint at, QEvent::Type type) {
  QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void Run(int ms) {
  // An event loop of its own: the program idles as gwsuite would between
  // events.
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool SelectFirstNode(CMainFrame& main) {
  af::CView* view = ActiveView(main);
  if (view == nullptr) return false;
  Click(view->viewport(), kFirstIcon, QEvent::MouseButtonPress);
  Click(view->viewport(), kFirstIcon, QEvent::MouseButtonRelease);
  QApplication::processEvents();
  return true;
}

bool WithFirstSheet(CMainFrame& main, const std::function<bool(af::CPropertySheet&)>& onSheet) {
  af::CView* view = ActiveView(main);
  if (view == nullptr) return false;
  // The sheet is modal: it is caught from inside its own event loop.
  bool done = false;
  bool looking = true;
  int polls = 100000;
  std::function<void()> catchSheet = [&] {
    if (!looking) return;
    if (auto* sheet = qobject_cast<af::CPropertySheet*>(QApplication::activeModalWidget())) {
      done = onSheet(*sheet);
      sheet->reject();
    } else if (--polls > 0) {
      QTimer::singleShot(0, catchSheet);
    }
  };
  QTimer::singleShot(0, catchSheet);
  Click(view->viewport(), kFirstIcon, QEvent::MouseButtonDblClick);
  looking = false;
  return done;
}

}  // namespace gw::host
