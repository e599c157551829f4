#include "platform/util/ByteStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "platform/util/AtomicFile.h"
#include "platform/util/ConfigFolder.h"
#include "platform/util/FileLock.h"

namespace gw::platform {

namespace {

void Complain(std::string_view owner, const std::string& what) {
  std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(owner.size()), owner.data(), what.c_str());
}

}  // namespace

int StoreBytes(std::string_view name, const std::uint8_t* data, int length,
               std::string_view owner) {
  if (length < 0 || (length > 0 && data == nullptr)) {
    Complain(owner, "no data to store");
    return -1;
  }
  if (static_cast<std::size_t>(length) > kByteStoreCapacity) {
    Complain(owner, std::to_string(length) + " bytes do not fit the store of " +
                        std::to_string(kByteStoreCapacity) + " bytes; nothing stored");
    return -1;
  }
  if (!EnsureConfigFolder()) {
    Complain(owner, "cannot create the configuration folder " + ConfigFolder().string());
    return -1;
  }
  const std::filesystem::path file = ConfigFile(name);
  const std::span<const std::uint8_t> bytes(data, static_cast<std::size_t>(length));
  const FolderLock lock(file);
  if (!WriteFileAtomically(file, bytes, kPrivateFileMode)) {
    Complain(owner, WriteFailureText(file, errno));
    return -1;
  }
  return length;
}

int LoadBytes(std::string_view name, std::uint8_t* buffer, std::string_view owner) {
  if (buffer == nullptr) {
    Complain(owner, "no buffer to load into");
    return 0;
  }
  const std::filesystem::path file = ConfigFile(name);
  const FileContent content = ReadSmallFile(file, kByteStoreCapacity);
  switch (content.status) {
    case ReadStatus::Ok:
      std::copy(content.bytes.begin(), content.bytes.end(), buffer);
      return static_cast<int>(content.bytes.size());
    case ReadStatus::Missing:
      return 0;
    case ReadStatus::TooLarge:
      Complain(owner, file.string() + " holds more than " + std::to_string(kByteStoreCapacity) +
                          " bytes; ignored");
      return 0;
    case ReadStatus::Failed:
      break;
  }
  Complain(owner, "cannot read " + file.string() + ": " + std::strerror(errno));
  return 0;
}

}  // namespace gw::platform
