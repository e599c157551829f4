#pragma once
// The host's notification messages: a message number and two integers, sent
// synchronously to the main window as an event.

#include <QEvent>
#include <QString>
#include <QtGlobal>

namespace af {

class HostMessageEvent : public QEvent {
 public:
  HostMessageEvent(int message, qintptr wParam, qintptr lParam, QString text = {});

  static QEvent::Type EventType();

  int Message() const { return message_; }
  qintptr WParam() const { return wParam_; }
  qintptr LParam() const { return lParam_; }
  // The text lParam points to, for messages that carry one.
  const QString& Text() const { return text_; }

  qintptr Result() const { return result_; }
  void SetResult(qintptr result) { result_ = result; }

 private:
  int message_;
  qintptr wParam_;
  qintptr lParam_;
  QString text_;
  qintptr result_ = 0;
};

// Sends the message to the main window and returns once it has been handled;
// the handler's result, or 0 when there is no main window.
qintptr SendMessageToMainWindow(int message, qintptr wParam, qintptr lParam);
// The same with a text: lParam points to it, zero-terminated, during the call.
qintptr SendTextToMainWindow(int message, qintptr wParam, const QString& text);

}  // namespace af
