#pragma once

#include <chrono>

namespace gw {

// Fixed when the document is built and never changed.
struct LinkTiming {
  int retryCount = 5;
  std::chrono::milliseconds sendPause{100};
  std::chrono::milliseconds retryPause{500};
  std::chrono::milliseconds replyWait{2000};
};

}  // namespace gw
