#include "Printing.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace af {

QPrinter& AfxPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

void AfxPrintSetup(QWidget* parent) {
  QPageSetupDialog dialog(&AfxPrinter(), parent);
  dialog.exec();
}

}  // namespace af
