#include "HostMessage.h"

#include <QCoreApplication>

#include "MainFrame.h"

namespace af {

HostMessageEvent::HostMessageEvent(int message, qintptr wParam, qintptr lParam, QString text)
    : QEvent(EventType()),
      message_(message),
      wParam_(wParam),
      lParam_(lParam),
      text_(std::move(text)) {}

QEvent::Type HostMessageEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

namespace {

qintptr Send(HostMessageEvent& event) {
  CMDIFrameWnd* main = AfxGetMainWnd();
  if (!main) return 0;
  QCoreApplication::sendEvent(main, &event);
  return event.Result();
}

}  // namespace

qintptr SendMessageToMainWindow(int message, qintptr wParam, qintptr lParam) {
  HostMessageEvent event(message, wParam, lParam);
  return Send(event);
}

qintptr SendTextToMainWindow(int message, qintptr wParam, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  HostMessageEvent event(message, wParam, reinterpret_cast<qintptr>(bytes.constData()), text);
  return Send(event);
}

}  // namespace af
