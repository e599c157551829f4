#pragma once
// The modal progress window of the search and the inquiry: a caption
// "<title> [<percent>%]", one line of text and a bar. The work it reports
// runs on the user-interface thread, so every change repaints at once.

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;

namespace gw::widgets {

// "Processing... [50%]"
QString ProgressCaption(const QString& title, int percent);

class CProgressWnd : public QDialog {
  Q_OBJECT

 public:
  CProgressWnd(QWidget* parent, const QString& title);

  // Shows the window; the windows it belongs to take no input until it
  // closes.
  void GoModal();
  void SetRange(int lower, int upper);
  void SetStep(int step) { step_ = step; }
  void SetText(const QString& text);
  void StepIt();
  void SetPos(int position);
  void Close();

  int Pos() const { return position_; }
  int Percent() const;
  QString Text() const;

 private:
  void Refresh();

  QString title_;
  QLabel* text_;
  QProgressBar* bar_;
  int lower_ = 0;
  int upper_ = 100;
  int step_ = 1;
  int position_ = 0;
};

}  // namespace gw::widgets
