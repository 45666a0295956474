#pragma once
// The bus driver over a serial bus coupler (QSerialPort). The framing on the line is FT1.2 as
// serial bus-coupler interfaces use it: 68h L L 68h, a control byte with the frame-count bit, the
// message without its count byte, an 8-bit sum and 16h; E5h acknowledges; 10h 40h 40h 16h is the
// link reset. Both sides toggle their frame-count bit only once a frame is acknowledged, so a
// frame sent again after a lost E5h carries the same bit and is taken only once. The layer switch
// and the coupler reset are writes to the coupler's mode byte at &H60 (the layer value; C0h for
// the reset). This mapping is our own reading of such couplers and has not been tried on
// hardware.
#include <QByteArray>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QString>
#include <deque>
#include <optional>

#include "transfer/EibTreiber.h"

namespace qv {

// The serial device of COM n: $QUORVEL_COM<n> when set, else /dev/ttyS<n-1>.
QString Comport_Geraet(int n);

// ---- FT1.2 frames ---------------------------------------------------------------------------
namespace ft12 {
constexpr uint8_t Quittung = 0xE5;
constexpr uint8_t ResetAnfrage = 0x40;

QByteArray Rahmen(uint8_t steuer, const QByteArray& daten);  // variable-length frame
QByteArray FesterRahmen(uint8_t steuer);                     // 10h C C 16h

struct Stueck {
  enum Art { Quittung, Fest, Variabel } art;
  uint8_t steuer = 0;
  QByteArray daten;  // the message after the control byte
};
// Takes the first complete piece off the front of puffer; broken bytes are passed over one by
// one. Empty when no complete piece is there yet.
std::optional<Stueck> Zerlege(QByteArray& puffer);
}  // namespace ft12

class SerielleEibSchnittstelle final : public EibTreiber {
 public:
  // wiederholMs: a frame without E5h after this long is sent again, unchanged, up to three times;
  // four unanswered sends stay within the link's 2000 ms send time.
  explicit SerielleEibSchnittstelle(int wiederholMs = 300) : wiederholMs_(wiederholMs) {}
  ~SerielleEibSchnittstelle() override;

  int16_t EIB_Open(int16_t port, int16_t baud, int16_t p3, int16_t p4, int16_t p5) override;
  int16_t EIB_ResetAst() override;
  int16_t EIB_ResetBcu() override;
  int16_t EIB_SetLayer(int16_t layer) override;
  int16_t EIB_Send(const QByteArray& telegramm) override;
  int16_t EIB_SendStatus(int16_t& a, int16_t& b, int16_t& fertig) override;
  int16_t EIB_Receive(EibPuffer& puffer, int16_t& laenge) override;
  int16_t EIB_Close() override;

 private:
  // The frame last sent: waiting for its E5h, acknowledged, or given up after four sends.
  enum class Quittung { Da, Offen, Aufgegeben };

  int16_t schreibe(const QByteArray& bytes);
  int16_t sendeRahmen(const QByteArray& rahmen, bool zaehlt);
  int16_t sendeDaten(const QByteArray& nachricht);
  int16_t linkZuruecksetzen();
  int16_t warteQuittung();
  Quittung quittung();
  void pumpe();

  QSerialPort port_;
  QByteArray empfang_;
  std::deque<QByteArray> nachrichten_;
  QByteArray offen_;         // the frame awaiting E5h, byte for byte as sent
  bool offenZaehlt_ = false; // its acknowledgement toggles our frame-count bit
  int sendungen_ = 0;
  QElapsedTimer gesendet_;
  Quittung quittung_ = Quittung::Da;
  bool gestoert_ = false;    // a frame went unacknowledged: the link is reset before the next
  bool fcb_ = true;
  std::optional<bool> koppelFcb_;  // frame-count bit of the coupler's frame taken last
  int wiederholMs_;
};

}  // namespace qv
