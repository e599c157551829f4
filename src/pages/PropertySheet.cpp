#include "PropertySheet.h"

#include <algorithm>

namespace gw::pages {

PropertySheet::PropertySheet(DocumentCore& document,
                             std::vector<std::unique_ptr<PropertyPage>> pages)
    : pages_(std::move(pages)) {
  if (const NodeRecord* node = document.Nodes().CurrentRecord()) caption_ = node->ModuleName();
  for (auto& page : pages_) {
    page->SetDocument(&document);
    page->SetHost(this);
  }
}

void PropertySheet::Open(int startPage) {
  for (auto& page : pages_) {
    page->OnInitDialog();
    page->NotifyChanged();
  }
  if (startPage >= 0 && startPage < PageCount()) active_ = startPage;
  Notify();
}

bool PropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= PageCount() || closed_) return false;
  if (index == active_) return true;
  if (!Page(index).OnSetActive()) return false;
  active_ = index;
  Notify();
  return true;
}

bool PropertySheet::ApplyEnabled() const {
  return std::any_of(pages_.begin(), pages_.end(),
                     [](const auto& page) { return page->IsModified(); });
}

bool PropertySheet::Apply() {
  for (int i = 0; i < PageCount() && !closed_; ++i) {
    PropertyPage& page = Page(i);
    if (!page.IsModified()) continue;
    const bool applied = page.OnApply();
    page.NotifyChanged();
    if (!applied) {
      active_ = i;
      Notify();
      return false;
    }
    page.SetModified(false);
  }
  Notify();
  return true;
}

bool PropertySheet::Ok() {
  if (!Apply()) return false;
  CloseSheet();
  return true;
}

void PropertySheet::PageModifiedChanged(PropertyPage&) { Notify(); }

void PropertySheet::CloseSheet() {
  if (closed_) return;
  closed_ = true;
  Notify();
}

void PropertySheet::QuerySiblings() {
  for (auto& page : pages_) {
    page->OnSiblingQuery();
    page->NotifyChanged();
  }
}

void PropertySheet::Notify() const {
  if (listener_) listener_();
}

}  // namespace gw::pages
