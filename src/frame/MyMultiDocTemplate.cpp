#include "MyMultiDocTemplate.h"

#include "appframe/WinApp.h"

namespace gw::frame {

CMyMultiDocTemplate::CMyMultiDocTemplate(af::ResourceModule* instance, int resourceId,
                                         DocumentFactory document, FrameFactory frame,
                                         ViewFactory view)
    : CMultiDocTemplate(resourceId, std::move(document), std::move(frame), std::move(view)),
      instance_(instance) {}

template <typename Operation>
auto CMyMultiDocTemplate::WithOwnResources(Operation operation) {
  af::ResourceModule* previous = af::AfxGetResourceHandle();
  af::AfxSetResourceHandle(instance_);
  struct Restore {
    af::ResourceModule* handle;
    ~Restore() { af::AfxSetResourceHandle(handle); }
  } restore{previous};
  return operation();
}

void CMyMultiDocTemplate::LoadTemplate() {
  WithOwnResources([this] { CMultiDocTemplate::LoadTemplate(); });
}

af::CDocument* CMyMultiDocTemplate::OpenDocumentFile(const QString& path, bool makeVisible) {
  return WithOwnResources([&] { return CMultiDocTemplate::OpenDocumentFile(path, makeVisible); });
}

}  // namespace gw::frame
