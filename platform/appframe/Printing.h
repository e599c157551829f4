#pragma once
// The printer shared by all views, and the framework's Print Setup.

class QPrinter;
class QWidget;

namespace af {

QPrinter& AfxPrinter();
// Lets the user choose the printer's page and orientation.
void AfxPrintSetup(QWidget* parent);

}  // namespace af
