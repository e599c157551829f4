#pragma once
// Tools > Communication Setting: how the transport reaches the modules
// (Ethernet with its remote address, or a serial COM port and its device).

#include <QDialog>

#include "TransportSettings.h"

class QButtonGroup;
class QLineEdit;
class QSpinBox;
class QLabel;

namespace gw::host {

class CommSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CommSettingsDialog(QWidget* parent);

  // The settings as the controls show them.
  TransportSettings Shown() const;
  void Show(const TransportSettings& settings);
  // Checks the controls; the reason when they are not usable.
  QString Problem() const;

  void accept() override;

 private:
  void UpdateEnabled();

  TransportSettingsLibrary portLink_;
  QButtonGroup* type_;
  QSpinBox* comPort_;
  QLineEdit* comDevice_;
  QLineEdit* remote_;
  QLabel* status_;
};

}  // namespace gw::host
