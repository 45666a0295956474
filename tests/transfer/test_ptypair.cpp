// The line the serial tests run on: a QSerialPort on the slave of a pseudo-terminal pair passes
// every byte value unchanged both ways, also after the port was closed and opened again.
#include <gtest/gtest.h>

#include <QSerialPort>

#include "tests/support/PtyPair.h"

namespace qv::test {
namespace {

QByteArray alleBytes() {
  QByteArray b;
  for (int i = 0; i < 256; ++i) b.append(char(i));
  return b;
}

TEST(PtyPair, SerialPortPassesEveryByteValueBothWaysAcrossReopen) {
  PtyPair pty;
  for (int runde = 0; runde < 2; ++runde) {
    QSerialPort port(pty.slavePath());
    port.setBaudRate(9600);
    ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();

    ASSERT_EQ(port.write(alleBytes()), 256);
    ASSERT_TRUE(port.waitForBytesWritten(1000));
    EXPECT_EQ(pty.readExactly(256, 1000), alleBytes());

    ASSERT_TRUE(pty.write(alleBytes()));
    QByteArray got;
    while (got.size() < 256 && port.waitForReadyRead(1000)) got += port.readAll();
    EXPECT_EQ(got, alleBytes());
    port.close();
  }
}

}  // namespace
}  // namespace qv::test
