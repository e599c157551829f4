#pragma once
// The parameter sheet of an opened node without its window: its caption,
// its pages in tab order, the active page, Apply, OK and Cancel, and the
// services the pages ask of it (closing the whole sheet, the
// parameters-replaced query to every page).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pages/PropertyPage.h"

namespace gw::pages {

class SheetRules : public PageHost {
 public:
  using Listener = std::function<void()>;

  // Hands every page the document and this sheet; the sheet owns them.
  SheetRules(DocumentCore& document, std::vector<std::unique_ptr<PropertyPage>> pages);
  ~SheetRules() override = default;
  SheetRules(const SheetRules&) = delete;
  SheetRules& operator=(const SheetRules&) = delete;

  // The current node's ModuleName (at most 32 characters).
  const std::string& Caption() const { return caption_; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  PropertyPage& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }
  // The first page of this class, or null.
  template <typename T>
  T* Find() const {
    for (const auto& page : pages_) {
      if (auto* found = dynamic_cast<T*>(page.get())) return found;
    }
    return nullptr;
  }

  // Initialises every page in tab order and makes `startPage` active.
  void Open(int startPage = 0);
  int ActiveIndex() const { return active_; }
  // Moves to the page unless it refuses; true when it is active afterwards.
  bool SetActivePage(int index);

  // Apply is enabled while a page is modified.
  bool ApplyEnabled() const;
  // Applies every modified page (and every page that applies unmodified) in
  // tab order. A page that refuses becomes active and stops the Apply
  // (false). A page may close the sheet on the way.
  bool Apply();
  // Apply, then close unless a page refused.
  bool Ok();
  void Cancel() { CloseSheet(); }
  bool Closed() const { return closed_; }

  // Called after every change of the sheet's own state (active page, Apply
  // enabled, closed).
  void SetChangeListener(Listener listener) { listener_ = std::move(listener); }

  // PageHost
  void PageModifiedChanged(PropertyPage& page) override;
  void CloseSheet() override;
  void QuerySiblings() override;

 private:
  void Notify() const;

  std::string caption_;
  std::vector<std::unique_ptr<PropertyPage>> pages_;
  int active_ = 0;
  bool closed_ = false;
  Listener listener_;
};

}  // namespace gw::pages
