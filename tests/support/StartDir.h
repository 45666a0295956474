#pragma once
// A temporary start directory that is the current directory for its lifetime, as the program
// keeps its settings, brand and data files in the directory it was started from.
#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace qv::test {

class StartDir {
 public:
  StartDir();
  ~StartDir();
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  void write(const QString& name, const QByteArray& bytes) const;
  QByteArray read(const QString& name) const;
  // Copies a shipped data file (from data/) into the start directory.
  void copyShipped(const QString& name) const;

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// The bytes of a file under tests/data.
QByteArray testData(const QString& relative);

}  // namespace qv::test
