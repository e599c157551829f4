#pragma once
// The plug-in library's one exported function.

namespace af {
class CDocTemplate;
}

extern "C" __attribute__((visibility("default"))) af::CDocTemplate* DLLDocTemplate();
