#include "tests/support/StartDir.h"

#include <QFile>
#include <stdexcept>

namespace qv::test {

StartDir::StartDir() : previous_(QDir::currentPath()) {
  if (!dir_.isValid() || !QDir::setCurrent(dir_.path())) throw std::runtime_error("no temporary directory");
}

StartDir::~StartDir() { QDir::setCurrent(previous_); }

void StartDir::write(const QString& name, const QByteArray& bytes) const {
  QFile f(file(name));
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write test file");
}

QByteArray StartDir::read(const QString& name) const {
  QFile f(file(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void StartDir::copyShipped(const QString& name) const {
  QFile::remove(file(name));
  if (!QFile::copy(QStringLiteral(QV_SHIPPED_DATA "/") + name, file(name)))
    throw std::runtime_error("shipped file missing");
}

QByteArray testData(const QString& relative) {
  QFile f(QStringLiteral(QV_TEST_DATA "/") + relative);
  if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("test data missing");
  return f.readAll();
}

}  // namespace qv::test
