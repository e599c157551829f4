#pragma once
// A page of the parameter sheet in its window. The page itself (its control
// data, rules and handlers) is the toolkit-free PropertyPage; the window
// shows that data whenever the page reports a change, forwards what the user
// does to the page's handlers, and moves the keyboard focus where the page
// asks. Pages that are not built yet get a bare window.

#include "appframe/PropertySheet.h"
#include "pages/SheetRules.h"

namespace gw::pages {

class CPageWindow : public af::CPropertyPage {
  Q_OBJECT

 public:
  // The window of the sheet's page `index`.
  CPageWindow(SheetRules& sheet, int index);
  ~CPageWindow() override;

  PropertyPage& Page() const { return sheet_.Page(index_); }

  // Activation is the page's (and the sheet's) business.
  bool OnSetActive() override;

  // Shows the page's data again and gives the focus where the page asks.
  void Refresh();

 protected:
  // Sets every widget from the page's control data.
  virtual void Mirror() {}
  // The widget of a page's edit, for focus requests.
  virtual QWidget* WidgetOf(const TextControl* control) const;

 private:
  SheetRules& sheet_;
  int index_;
};

}  // namespace gw::pages
