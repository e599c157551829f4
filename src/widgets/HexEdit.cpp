#include "HexEdit.h"

#include <QRegularExpressionValidator>

namespace gw::widgets {

namespace {

// Accepts hexadecimal digits and shows them in upper case.
class HexValidator : public QRegularExpressionValidator {
 public:
  explicit HexValidator(QObject* parent)
      : QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,2}")),
                                    parent) {}
  State validate(QString& input, int& position) const override {
    input = input.toUpper();
    return QRegularExpressionValidator::validate(input, position);
  }
};

}  // namespace

CHexEdit::CHexEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(2);
  setValidator(new HexValidator(this));
  setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 12);
}

}  // namespace gw::widgets
