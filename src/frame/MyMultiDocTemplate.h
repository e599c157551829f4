#pragma once
// The plug-in's document template: its menu, icon and document string always
// come from the plug-in itself, also when a language library is loaded.

#include "appframe/DocTemplate.h"

namespace gw::frame {

class CMyMultiDocTemplate : public af::CMultiDocTemplate {
 public:
  CMyMultiDocTemplate(af::ResourceModule* instance, int resourceId, DocumentFactory document,
                      FrameFactory frame, ViewFactory view);

  void LoadTemplate() override;
  af::CDocument* OpenDocumentFile(const QString& path, bool makeVisible = true) override;

  af::ResourceModule* ResourceInstance() const { return instance_; }

 private:
  // Runs `operation` with the template's resource instance current.
  template <typename Operation>
  auto WithOwnResources(Operation operation);

  af::ResourceModule* instance_;
};

}  // namespace gw::frame
