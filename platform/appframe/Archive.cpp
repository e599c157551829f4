#include "Archive.h"

namespace af {

CArchive::CArchive(QIODevice& device, Mode mode, QString name)
    : device_(device), mode_(mode), name_(std::move(name)) {}

void CArchive::Write(const void* data, qint64 size) {
  if (failed_) return;
  if (device_.write(static_cast<const char*>(data), size) != size) {
    Fail(QStringLiteral("An error occurred while writing %1.").arg(name_));
  }
}

bool CArchive::Read(void* data, qint64 size) {
  if (failed_) return false;
  if (device_.read(static_cast<char*>(data), size) != size) {
    Fail(QStringLiteral("An attempt was made to access %1 past its end.").arg(name_));
    return false;
  }
  return true;
}

QByteArray CArchive::ReadAll() {
  if (failed_) return {};
  return device_.readAll();
}

void CArchive::Fail(QString text) {
  if (failed_) return;
  failed_ = true;
  error_ = std::move(text);
}

}  // namespace af
