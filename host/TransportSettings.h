#pragma once
// The transport settings as the transport library keeps them, reached through
// its entry points (loaded at run time from libPortLink.so).

#include <QString>
#include <cstdint>

namespace gw::host {

struct TransportSettings {
  int commType = 1;                          // 0 serial, 1 Ethernet
  int comPort = 1;                           // COM number
  QString comDevice;                         // the device behind COM<comPort>
  std::uint32_t remoteAddress = 0xFFFFFFFF;  // host order
};

class TransportSettingsLibrary {
 public:
  // Binds the entry points; Available() tells whether that worked.
  TransportSettingsLibrary();
  ~TransportSettingsLibrary();
  TransportSettingsLibrary(const TransportSettingsLibrary&) = delete;
  TransportSettingsLibrary& operator=(const TransportSettingsLibrary&) = delete;

  bool Available() const { return available_; }
  const QString& Error() const { return error_; }

  TransportSettings Load() const;
  // The device path of another COM number.
  QString ComDevice(int port) const;
  // Sets and saves the settings for every program that starts later; an
  // empty text, or why they could not be saved (they then hold for this
  // run only).
  QString Store(const TransportSettings& settings) const;

 private:
  void* module_ = nullptr;
  bool available_ = false;
  QString error_;
  int (*getCommType_)() = nullptr;
  void (*setCommType_)(int) = nullptr;
  int (*getComPort_)() = nullptr;
  void (*setComPort_)(int) = nullptr;
  std::uint32_t (*getRemote_)() = nullptr;
  void (*setRemote_)(std::uint32_t) = nullptr;
  int (*getDevice_)(int, char*, int) = nullptr;
  void (*setDevice_)(int, const char*) = nullptr;
  int (*save_)() = nullptr;
};

}  // namespace gw::host
