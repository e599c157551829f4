#pragma once
// The IPv4 address control of the parameter pages: four decimal fields with
// dots between them inside one edit box, like the platform's IP address
// control. Typing a third digit, '.' or Right at the end of a field goes on to
// the next field; Backspace in an empty field and Left at the start go back.
// A value above a field's range is cut to its top at once, one below it is
// raised to its bottom when the user leaves the field; either way the control
// tells what it corrected in its tooltip. Only the user's edits notify.

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class QKeyEvent;
class QLabel;
class QLineEdit;

namespace gw::widgets {

class CIpAddressCtrl : public QWidget {
  Q_OBJECT

 public:
  explicit CIpAddressCtrl(QWidget* parent = nullptr);

  static constexpr int kFields = 4;

  // All four fields, most significant octet first (a.b.c.d = a<<24|...). No signal.
  void SetAddress(std::uint32_t address);
  // Blank fields count as 0.
  std::uint32_t Address() const;
  // One field (0 = first octet); value -1 blanks it, others are kept to
  // 0-255. No signal.
  void SetField(int field, int value);
  // The field's value, -1 when blank (or when there is no such field).
  int Field(int field) const;
  // The range the user's input of a field is kept to (default 0-255). Both
  // ends are kept to 0-255; a low above high is taken as the other way round.
  void SetFieldRange(int field, int low, int high);
  int FieldLow(int field) const;
  int FieldHigh(int field) const;
  bool IsBlank() const;                   // every field blank
  void ClearAddress();                    // every field blank, no signal
  QLineEdit* FieldEdit(int field) const;  // for tests and focus handling

  // What the control says when it corrects the user's value: %1 the value
  // typed, %2 and %3 the field's range.
  static constexpr const char* kRangeNotice = "%1 is not a valid value: %2 to %3";
  // The notice in the window's language (kRangeNotice translated).
  void SetRangeNoticeFormat(const QString& format);
  const QString& RangeNoticeFormat() const { return noticeFormat_; }
  // The last correction told, also the control's tooltip; empty before any.
  const QString& RangeNotice() const { return notice_; }

 signals:
  // The user changed a field: its index and its new value (-1 blank).
  void FieldChanged(int field, int value);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct FieldState {
    QLineEdit* edit = nullptr;
    int low = 0;
    int high = 255;
    int value = -1;       // the value last shown or notified
    bool edited = false;  // the user typed since the field was last settled
  };

  static bool IsField(int field) { return field >= 0 && field < kFields; }
  int IndexOf(const QObject* edit) const;
  void OnTextEdited(int field);
  // Raises a value under the field's range and writes the value in its
  // plain form, as the user leaves the field.
  void Settle(int field);
  void ShowValue(int field, int value);
  // Tells the user that `typed` in `field` was corrected to its range.
  void TellCorrected(int field, int typed);
  // Notifies when the user's edit changed the field's value.
  void Notify(int field, int value);
  // Leaves field `from` for `field`, its text selected or the cursor at its end.
  void MoveTo(int from, int field, bool selectAll);
  bool HandleKey(int field, QKeyEvent* key);

  std::array<FieldState, kFields> fields_{};
  std::array<QLabel*, kFields - 1> dots_{};
  QString noticeFormat_ = QString::fromLatin1(kRangeNotice);
  QString notice_;
};

}  // namespace gw::widgets
