#include "TransportSettings.h"

#include <arpa/inet.h>
#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <cstring>
#include <vector>

namespace gw::host {

namespace {

template <typename Fn>
bool Bind(void* module, const char* name, Fn& fn) {
  void* symbol = dlsym(module, name);
  fn = reinterpret_cast<Fn>(symbol);
  return symbol != nullptr;
}

}  // namespace

TransportSettingsLibrary::TransportSettingsLibrary() {
  // Through the loader's search path first, then beside the program (a
  // sanitizer runtime that wraps dlopen hides the program's RUNPATH).
  module_ = dlopen("libPortLink.so", RTLD_NOW | RTLD_LOCAL);
  if (!module_) {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("libPortLink.so");
    module_ = dlopen(beside.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
  }
  if (!module_) {
    error_ = QString::fromLocal8Bit(dlerror());
    return;
  }
  available_ =
      Bind(module_, "GetCommType", getCommType_) && Bind(module_, "SetCommType", setCommType_) &&
      Bind(module_, "GetCOMPortNum", getComPort_) && Bind(module_, "SetCOMPortNum", setComPort_) &&
      Bind(module_, "GetRemoteIPAddr", getRemote_) &&
      Bind(module_, "SetRemoteIPAddr", setRemote_) &&
      Bind(module_, "GetCOMPortDevice", getDevice_) &&
      Bind(module_, "SetCOMPortDevice", setDevice_) && Bind(module_, "SaveCommSettings", save_);
  if (!available_) error_ = QStringLiteral("libPortLink.so lacks a settings entry point");
}

TransportSettingsLibrary::~TransportSettingsLibrary() {
  if (module_) dlclose(module_);
}

TransportSettings TransportSettingsLibrary::Load() const {
  TransportSettings settings;
  if (!available_) return settings;
  settings.commType = getCommType_();
  settings.comPort = getComPort_();
  settings.comDevice = ComDevice(settings.comPort);
  settings.remoteAddress = getRemote_();
  return settings;
}

QString TransportSettingsLibrary::ComDevice(int port) const {
  if (!available_) return {};
  std::vector<char> path(256, '\0');
  int length = getDevice_(port, path.data(), static_cast<int>(path.size()));
  if (length >= static_cast<int>(path.size())) {
    path.assign(static_cast<std::size_t>(length) + 1, '\0');
    length = getDevice_(port, path.data(), static_cast<int>(path.size()));
  }
  if (length <= 0) return {};
  return QString::fromLocal8Bit(path.data());
}

QString TransportSettingsLibrary::Store(const TransportSettings& settings) const {
  if (!available_) return error_;
  setCommType_(settings.commType);
  setComPort_(settings.comPort);
  if (!settings.comDevice.isEmpty()) {
    setDevice_(settings.comPort, settings.comDevice.toLocal8Bit().constData());
  }
  setRemote_(htonl(settings.remoteAddress));
  switch (const int error = save_()) {
    case 0:
      return {};
    case EBADMSG:
      return QCoreApplication::translate(
          "PortLinkSettings",
          "PortLink.ini holds lines that a rewrite would lose, so it was left as it is.");
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("PortLinkSettings",
                                         "PortLink.ini or its folder is read-only.");
    default:
      return QString::fromLocal8Bit(std::strerror(error));
  }
}

}  // namespace gw::host
