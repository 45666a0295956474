#include "transfer/EibSeriell.h"

#include "transfer/Wartezeiten.h"

namespace qv {

QString Comport_Geraet(int n) {
  const QByteArray v = qgetenv(("QUORVEL_COM" + QByteArray::number(n)).constData());
  if (!v.isEmpty()) return QString::fromLocal8Bit(v);
  return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

namespace ft12 {

QByteArray Rahmen(uint8_t steuer, const QByteArray& daten) {
  const int l = static_cast<int>(daten.size()) + 1;
  QByteArray r;
  r.append(char(0x68)).append(static_cast<char>(l)).append(static_cast<char>(l)).append(char(0x68));
  r.append(static_cast<char>(steuer)).append(daten);
  uint8_t summe = steuer;
  for (char c : daten) summe = static_cast<uint8_t>(summe + static_cast<uint8_t>(c));
  r.append(static_cast<char>(summe)).append(char(0x16));
  return r;
}

QByteArray FesterRahmen(uint8_t steuer) {
  QByteArray r;
  r.append(char(0x10)).append(static_cast<char>(steuer)).append(static_cast<char>(steuer)).append(char(0x16));
  return r;
}

std::optional<Stueck> Zerlege(QByteArray& p) {
  const auto b = [&](int i) { return static_cast<uint8_t>(p[i]); };
  while (!p.isEmpty()) {
    if (b(0) == Quittung) {
      p.remove(0, 1);
      return Stueck{Stueck::Quittung, 0, {}};
    }
    if (b(0) == 0x10) {
      if (p.size() < 4) return std::nullopt;
      if (b(1) == b(2) && b(3) == 0x16) {
        const Stueck s{Stueck::Fest, b(1), {}};
        p.remove(0, 4);
        return s;
      }
    } else if (b(0) == 0x68) {
      if (p.size() < 4) return std::nullopt;
      const int l = b(1);
      if (l >= 1 && b(2) == l && b(3) == 0x68) {
        if (p.size() < l + 6) return std::nullopt;
        uint8_t summe = 0;
        for (int i = 4; i < 4 + l; ++i) summe = static_cast<uint8_t>(summe + b(i));
        if (summe == b(4 + l) && b(5 + l) == 0x16) {
          const Stueck s{Stueck::Variabel, b(4), p.mid(5, l - 1)};
          p.remove(0, l + 6);
          return s;
        }
      }
    }
    p.remove(0, 1);  // not the start of a sound piece
  }
  return std::nullopt;
}

}  // namespace ft12

SerielleEibSchnittstelle::~SerielleEibSchnittstelle() { EIB_Close(); }

int16_t SerielleEibSchnittstelle::EIB_Open(int16_t port, int16_t baud, int16_t, int16_t, int16_t) {
  EIB_Close();
  port_.setPortName(Comport_Geraet(port + 1));
  port_.setBaudRate(baud);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::EvenParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) {
    qWarning("EIB: %s: %s", qPrintable(port_.portName()), qPrintable(port_.errorString()));
    return eibfehler::Schnittstelle;
  }
  port_.clear();
  empfang_.clear();
  nachrichten_.clear();
  offen_.clear();
  quittung_ = Quittung::Da;
  gestoert_ = false;
  fcb_ = true;
  koppelFcb_.reset();
  return 0;
}

int16_t SerielleEibSchnittstelle::EIB_Close() {
  if (port_.isOpen()) {
    port_.waitForBytesWritten(100);
    port_.close();
  }
  offen_.clear();
  quittung_ = Quittung::Da;
  return 0;
}

int16_t SerielleEibSchnittstelle::schreibe(const QByteArray& bytes) {
  if (!port_.isOpen()) return eibfehler::NichtOffen;
  if (port_.write(bytes) != bytes.size()) return eibfehler::Schreiben;
  port_.flush();
  return 0;
}

void SerielleEibSchnittstelle::pumpe() {
  if (!port_.isOpen()) return;
  port_.waitForReadyRead(0);
  empfang_ += port_.readAll();
  while (std::optional<ft12::Stueck> s = ft12::Zerlege(empfang_)) {
    if (s->art == ft12::Stueck::Quittung) {
      // Only now does the next frame get the other frame-count bit.
      if (quittung_ == Quittung::Offen) {
        if (offenZaehlt_) fcb_ = !fcb_;
        quittung_ = Quittung::Da;
        offen_.clear();
      }
      continue;
    }
    // Every frame of the coupler is acknowledged, a repeated one as well: it was sent again
    // because our E5h got lost, and what it carries has been taken already.
    schreibe(QByteArray(1, static_cast<char>(ft12::Quittung)));
    if (s->art == ft12::Stueck::Fest) {
      koppelFcb_.reset();
      continue;
    }
    if (s->steuer & 0x10) {
      const bool fcb = (s->steuer & 0x20) != 0;
      if (koppelFcb_ == fcb) continue;
      koppelFcb_ = fcb;
    }
    // A message longer than the receive buffer (count byte plus 39) is not delivered. A coupler
    // that floods the line loses what the program has not taken yet, not the memory.
    constexpr size_t kWarteschlange = 256;
    if (s->art == ft12::Stueck::Variabel && !s->daten.isEmpty() && s->daten.size() <= 39 &&
        nachrichten_.size() < kWarteschlange)
      nachrichten_.push_back(QByteArray(1, static_cast<char>(s->daten.size())) + s->daten);
  }
}

SerielleEibSchnittstelle::Quittung SerielleEibSchnittstelle::quittung() {
  pumpe();
  if (quittung_ != Quittung::Offen || !gesendet_.hasExpired(wiederholMs_)) return quittung_;
  if (sendungen_ < 4 && schreibe(offen_) == 0) {
    ++sendungen_;
    gesendet_.start();
    return quittung_;
  }
  quittung_ = Quittung::Aufgegeben;
  gestoert_ = true;
  offen_.clear();
  return quittung_;
}

int16_t SerielleEibSchnittstelle::warteQuittung() {
  warte_bis([this] { return quittung() != Quittung::Offen; }, 5 * wiederholMs_ + 100);
  if (quittung_ == Quittung::Da) return 0;
  gestoert_ = true;
  return eibfehler::KeineQuittung;
}

int16_t SerielleEibSchnittstelle::sendeRahmen(const QByteArray& rahmen, bool zaehlt) {
  // A frame still unacknowledged leaves both sides unsure of the frame-count bit.
  if (quittung_ == Quittung::Offen) gestoert_ = true;
  if (int16_t r = schreibe(rahmen)) return r;
  offen_ = rahmen;
  offenZaehlt_ = zaehlt;
  sendungen_ = 1;
  gesendet_.start();
  quittung_ = Quittung::Offen;
  return 0;
}

int16_t SerielleEibSchnittstelle::linkZuruecksetzen() {
  if (int16_t r = sendeRahmen(ft12::FesterRahmen(ft12::ResetAnfrage), false)) return r;
  fcb_ = true;
  const int16_t r = warteQuittung();
  if (r == 0) gestoert_ = false;
  return r;
}

int16_t SerielleEibSchnittstelle::sendeDaten(const QByteArray& nachricht) {
  if (gestoert_)
    if (int16_t r = linkZuruecksetzen()) return r;
  return sendeRahmen(ft12::Rahmen(fcb_ ? 0x73 : 0x53, nachricht), true);
}

int16_t SerielleEibSchnittstelle::EIB_ResetAst() {
  if (!port_.isOpen()) return eibfehler::NichtOffen;
  return linkZuruecksetzen();
}

int16_t SerielleEibSchnittstelle::EIB_ResetBcu() {
  if (int16_t r = sendeDaten(QByteArray("\x46\x01\x00\x60\xC0", 5))) return r;
  return warteQuittung();
}

int16_t SerielleEibSchnittstelle::EIB_SetLayer(int16_t layer) {
  QByteArray n("\x46\x01\x00\x60", 4);
  n.append(static_cast<char>(layer & 255));
  if (int16_t r = sendeDaten(n)) return r;
  return warteQuittung();
}

int16_t SerielleEibSchnittstelle::EIB_Send(const QByteArray& telegramm) {
  if (!port_.isOpen()) return eibfehler::NichtOffen;
  if (telegramm.size() < 2 || static_cast<uint8_t>(telegramm[0]) != telegramm.size() - 1 || telegramm.size() > 255)
    return eibfehler::Nachricht;
  // What came before this message stays queued: the link layer drops it, and looks at it first.
  pumpe();
  return sendeDaten(telegramm.mid(1));
}

int16_t SerielleEibSchnittstelle::EIB_SendStatus(int16_t& a, int16_t& b, int16_t& fertig) {
  a = b = 0;
  if (!port_.isOpen()) return eibfehler::NichtOffen;
  // A frame given up stays unfinished: the link's send time then ends the wait.
  fertig = quittung() == Quittung::Da ? 0 : 1;
  return 0;
}

int16_t SerielleEibSchnittstelle::EIB_Receive(EibPuffer& puffer, int16_t& laenge) {
  puffer.fill(0);
  laenge = 0;
  if (!port_.isOpen()) return eibfehler::NichtOffen;
  quittung();
  if (nachrichten_.empty()) return 0;
  const QByteArray m = nachrichten_.front();
  nachrichten_.pop_front();
  std::copy(m.begin(), m.end(), puffer.begin());
  laenge = static_cast<int16_t>(m.size());
  return 0;
}

}  // namespace qv
