#include "PlatformFixtures.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <iterator>
#include <stdexcept>

#include "link/DeviceLink.h"
#include "support/RecordingUi.h"

namespace gw::test {

namespace {

// The link of the plug-in, bound once; a failure to bind fails the test.
struct Bound {
  NodeTable nodes;
  RecordingUi ui;
  SystemClock clock;
  DeviceLink link{nodes, ui, clock};
  PortLinkExtras extras;

  Bound() {
    link.Bind(SystemLoader(), [this](int) {
      throw std::runtime_error("cannot bind the libraries: " + ui.messages.at(0));
    });
    extras.SetCOMPortDevice = std::bit_cast<decltype(extras.SetCOMPortDevice)>(
        ::dlsym(link.PortLink().module, "SetCOMPortDevice"));
    extras.GetCOMPortDevice = std::bit_cast<decltype(extras.GetCOMPortDevice)>(
        ::dlsym(link.PortLink().module, "GetCOMPortDevice"));
    extras.SaveCommSettings = std::bit_cast<decltype(extras.SaveCommSettings)>(
        ::dlsym(link.PortLink().module, "SaveCommSettings"));
  }
};

Bound& Libraries() {
  static Bound bound;
  return bound;
}

}  // namespace

PortLinkApi& PortLink() { return Libraries().link.PortLink(); }
MbKitApi& MbKit() { return Libraries().link.MbKit(); }
PortLinkExtras& PortLinkMore() { return Libraries().extras; }

Response TakeResponse(PortLinkApi::ResponseDataFn responseData) {
  Response response;
  response.data.resize(1536);
  response.result = responseData(&response.station, &response.function, response.data.data());
  response.data.resize(static_cast<std::size_t>(std::max(response.result, 0)));
  return response;
}

int EntryCount(const std::filesystem::path& folder) {
  const std::filesystem::directory_iterator entries(folder);
  return static_cast<int>(std::distance(begin(entries), end(entries)));
}

Pty::Pty() {
  termios raw{};
  ::cfmakeraw(&raw);
  std::array<char, 256> name{};
  if (::openpty(&controller_, &device_, name.data(), &raw, nullptr) != 0) {
    throw std::runtime_error("cannot open a pseudo-terminal");
  }
  path_ = name.data();
  ::fcntl(controller_, F_SETFL, ::fcntl(controller_, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty() {
  ::close(controller_);
  ::close(device_);
}

void Pty::Write(const Bytes& bytes) const {
  if (::write(controller_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("cannot write to the pseudo-terminal");
  }
}

Bytes Pty::Read(std::size_t want, milliseconds wait) const {
  Bytes bytes;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (bytes.size() < want) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd entry{controller_, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&entry, 1, static_cast<int>(left.count())) <= 0) break;
    std::array<std::uint8_t, 512> chunk{};
    const ssize_t got =
        ::read(controller_, chunk.data(), std::min(chunk.size(), want - bytes.size()));
    if (got <= 0) break;
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
  }
  return bytes;
}

}  // namespace gw::test
