#include "transfer/Schnittstelle.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>

#include "transfer/Wartezeiten.h"

namespace qv {

SerialLink::SerialLink() : port_(std::make_unique<QSerialPort>()) {}
SerialLink::~SerialLink() {
  if (port_->isOpen()) port_->close();
}

bool SerialLink::open(const QString& device, int baud, QString* fehler) {
  port_->setPortName(device);
  port_->setBaudRate(baud);
  port_->setDataBits(QSerialPort::Data8);
  port_->setParity(QSerialPort::NoParity);
  port_->setStopBits(QSerialPort::OneStop);
  port_->setFlowControl(QSerialPort::NoFlowControl);
  if (port_->open(QIODevice::ReadWrite)) return true;
  if (fehler) *fehler = port_->errorString();
  return false;
}

bool SerialLink::write(const QByteArray& bytes) {
  if (port_->write(bytes) != bytes.size()) return false;
  return port_->waitForBytesWritten(1000) || port_->bytesToWrite() == 0;
}

void SerialLink::purge() {
  port_->readAll();
  port_->clear(QSerialPort::Input);
}

bool SerialLink::readSome(QByteArray& buf, int ms) {
  if (port_->bytesAvailable() == 0 && ms > 0) {
    QEventLoop schleife;
    QTimer frist;
    frist.setSingleShot(true);
    QObject::connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
    QObject::connect(port_.get(), &QSerialPort::readyRead, &schleife, &QEventLoop::quit);
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, &schleife, &QEventLoop::quit);
    frist.start(ms);
    schleife.exec();
  } else if (ms == 0) {
    // Takes in what the driver holds but has not yet reported.
    port_->waitForReadyRead(0);
  }
  const QByteArray neu = port_->readAll();
  buf += neu;
  return !neu.isEmpty();
}

int Antwortlaenge(uint8_t erstes) { return erstes == 1 || erstes == 2 ? 2 : erstes == 18 ? 19 : 0; }

int Empfange_Seriell(ByteLink& link, QByteArray& antwort) {
  const Wartezeiten& w = wartezeiten();
  QByteArray buf;
  if (!link.readSome(buf, w.antwortMs)) return 1;
  // Every answer of the protocol tells its length by its first byte: a status 2 bytes, data 19,
  // the old adapter's 2. Such an answer ends as soon as it is whole; any other after the quiet time.
  const int laenge = Antwortlaenge(static_cast<uint8_t>(buf[0]));
  // No answer is longer than 19 bytes: a line that keeps sending ends the answer at once.
  constexpr int kLaengsteAntwort = 64;
  const QDeadlineTimer ende(w.antwortMaxMs);
  while (!ende.hasExpired() && (laenge == 0 || buf.size() < laenge) && buf.size() < kLaengsteAntwort &&
         link.readSome(buf, w.ruheMs)) {
  }
  antwort = buf;
  return 0;
}

}  // namespace qv
