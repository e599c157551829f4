#pragma once
// Showing a page's control data in Qt widgets. Each call sets only what
// differs, with the widget's signals blocked, so that mirroring never reports
// a user change back to the page and never moves the cursor of an edit the
// user is typing in.

#include <QString>
#include <functional>

#include "pages/ControlState.h"

class QAbstractButton;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTimeEdit;
class QWidget;

namespace gw::widgets {
class CIpAddressCtrl;
class CMaskedEdit;
class CSpinEdit;
}  // namespace gw::widgets

namespace gw::pages {

// A text of the plug-in in the chosen language, as the translator that the
// plug-in's application sets gives it (the text itself without one).
QString Translated(const std::string& text);
void SetTranslator(std::function<QString(const char*)> translator);

void Show(QWidget* widget, const Control& control);
void Show(QLineEdit* edit, const TextControl& control);
void Show(QComboBox* list, const ListControl& control);
void Show(QAbstractButton* box, const CheckControl& control);
void Show(widgets::CIpAddressCtrl* address, const AddressControl& control);
void Show(widgets::CMaskedEdit* edit, const TextControl& control);
// A static text: the page's text in the chosen language.
void Show(QLabel* label, const TextControl& control);
void Show(QDateEdit* picker, const DateTimeControl& control);
void Show(QTimeEdit* picker, const DateTimeControl& control);
void Show(widgets::CSpinEdit* spin, const TextControl& text, const SpinControl& control);

// Puts every caption of a page's form (labels, buttons, group boxes) into the
// chosen language.
void TranslateForm(QWidget* form);

}  // namespace gw::pages
