#pragma once
// An archive: a document's serialization over a file or a memory buffer, in
// one direction. A failed read or write marks the archive failed with the
// text the framework shows for it.

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace af {

class CArchive {
 public:
  enum Mode { store, load };

  // `name` names the device in error texts (a file's path).
  CArchive(QIODevice& device, Mode mode, QString name = {});

  bool IsStoring() const { return mode_ == store; }
  bool IsLoading() const { return mode_ == load; }

  void Write(const void* data, qint64 size);
  void Write(const QByteArray& bytes) { Write(bytes.constData(), bytes.size()); }
  // Reads exactly `size` bytes; a shorter read fails the archive with the
  // end-of-file text.
  bool Read(void* data, qint64 size);
  // The rest of the device.
  QByteArray ReadAll();

  void Fail(QString text);
  bool Failed() const { return failed_; }
  const QString& ErrorText() const { return error_; }
  const QString& Name() const { return name_; }

 private:
  QIODevice& device_;
  Mode mode_;
  QString name_;
  bool failed_ = false;
  QString error_;
};

}  // namespace af
