#pragma once
// The serial line to the key adapter: a small byte-link interface, its QSerialPort binding and
// the receive of one answer.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

class QSerialPort;

namespace qv {

class ByteLink {
 public:
  virtual ~ByteLink() = default;
  virtual bool write(const QByteArray& bytes) = 0;
  // Drops whatever has been received and not read.
  virtual void purge() = 0;
  // Appends what has arrived to buf, waiting up to ms (yielding) for at least one byte;
  // false when nothing came. With ms = 0 it only looks at what the line holds now.
  virtual bool readSome(QByteArray& buf, int ms) = 0;
};

// The adapter's port: 9600 baud, 8 data bits, no parity, one stop bit, no flow control.
class SerialLink final : public ByteLink {
 public:
  SerialLink();
  ~SerialLink() override;
  // False with *fehler set when the port cannot be opened.
  bool open(const QString& device, int baud, QString* fehler);
  bool write(const QByteArray& bytes) override;
  void purge() override;
  bool readSome(QByteArray& buf, int ms) override;

 private:
  std::unique_ptr<QSerialPort> port_;
};

// The length of an answer whose first byte tells it (status 2, old adapter 2, data 19); else 0.
int Antwortlaenge(uint8_t erstes);

// Waits for one answer: 0 = received (antwort holds it), 1 = time-out (antwort unchanged).
// An answer whose first byte tells its length ends when it is whole; any other answer, and one
// that stays short, when the line has been quiet for the quiet time.
int Empfange_Seriell(ByteLink& link, QByteArray& antwort);

}  // namespace qv
