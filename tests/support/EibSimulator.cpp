#include "tests/support/EibSimulator.h"

#include <algorithm>

#include <poll.h>
#include <unistd.h>

#include "transfer/EibSeriell.h"

namespace qv::test {
namespace {

constexpr uint16_t kKasten = 206;
constexpr uint16_t kEigeneAdresse = 0x11FF;

uint8_t b(const QByteArray& a, int i) { return static_cast<uint8_t>(a[i]); }

QByteArray datenNachricht(uint16_t quelle, const QByteArray& apdu) {
  QByteArray m;
  m.append(char(0x39)).append(char(0xB0));
  m.append(static_cast<char>(quelle >> 8)).append(static_cast<char>(quelle & 255));
  m.append(static_cast<char>(kEigeneAdresse >> 8)).append(static_cast<char>(kEigeneAdresse & 255));
  m.append(static_cast<char>(0x60 | ((apdu.size() - 1) & 15))).append(apdu);
  return m;
}

}  // namespace

// ---- devices --------------------------------------------------------------------------------

SimGeraet::SimGeraet(uint16_t a) : adresse(a) {
  // A bus coupler of brand 1's first device type.
  speicher[0x104] = 0xE1;
  speicher[0x105] = 0x24;
  speicher[0x106] = 0x01;
  for (int i = 0x107; i < 0x200; ++i) speicher[i] = static_cast<uint8_t>(i * 7 + 3);
}

std::vector<QByteArray> SimGeraet::verarbeite(const QByteArray& apdu) {
  alsWiederholung_ = false;
  if (stumm || apdu.size() < 2) return {};
  const int apci = ((b(apdu, 0) & 3) << 8) | b(apdu, 1);
  const int n = apci & 15;
  // Answers carry transport control bits (numbered data, sequence) in their first byte.
  const auto kopf = [&](int code) {
    folge_ = static_cast<uint8_t>((folge_ + 1) & 15);
    QByteArray k;
    k.append(static_cast<char>(0x40 | (folge_ << 2) | (code >> 8))).append(static_cast<char>(code & 255));
    return k;
  };
  switch (apci & 0x3C0) {
    case 0x300: {
      QByteArray a = kopf(0x340);
      a.append(static_cast<char>(maske[0])).append(static_cast<char>(maske[1]));
      return {a};
    }
    case 0x200: {
      if (apdu.size() < 4) return {};
      const uint16_t adr = static_cast<uint16_t>(b(apdu, 2) * 256 + b(apdu, 3));
      wirdGelesen(adr, n);
      QByteArray a = kopf((fremderDienst ? 0x2C0 : 0x240) | n);
      a.append(apdu.mid(2, 2));
      for (int i = 0; i < n; ++i) a.append(static_cast<char>(speicher[(adr + i) % speicher.size()]));
      antwortet(adr, n, a);
      return {a};
    }
    case 0x280: {
      if (apdu.size() < 4 + n) return {};
      const uint16_t adr = static_cast<uint16_t>(b(apdu, 2) * 256 + b(apdu, 3));
      ++memoryWrites;
      if (!schreibtNicht) {
        for (int i = 0; i < n; ++i) speicher[(adr + i) % speicher.size()] = b(apdu, 4 + i);
        geschrieben(adr, n);
      }
      return {};
    }
    default:
      return {};
  }
}

SimSchaltuhr::SimSchaltuhr(uint16_t a) : SimGeraet(a) {
  for (auto& e : sw) e.fill(255);
}

void SimSchaltuhr::geschrieben(uint16_t adr, int anzahl) {
  if (adr > kKasten || adr + anzahl <= kKasten || speicher[kKasten] != 1) return;
  befehle.push_back(QByteArray(reinterpret_cast<const char*>(&speicher[kKasten + 2]), speicher[kKasten + 1]));
  ++anfragen;
  lesungen_ = 0;
  offen_ = true;
  warte_ = beschaeftigt;
  gekommen_ = std::chrono::steady_clock::now();
  speicher[kKasten] = 2;
}

void SimSchaltuhr::wirdGelesen(uint16_t adr, int anzahl) {
  if (!offen_ || adr > kKasten || adr + anzahl <= kKasten) return;
  if (warte_ > 0) {
    --warte_;
    return;
  }
  if (std::chrono::steady_clock::now() - gekommen_ < std::chrono::milliseconds(nimmtNachMs)) return;
  offen_ = false;
  fuehreAus();
}

void SimSchaltuhr::antwortet(uint16_t adr, int anzahl, QByteArray& apdu) {
  if (adr > kKasten || adr + anzahl <= kKasten) return;
  const int anfrage = anfragen - 1;
  ++lesungen_;
  if (anfrage == kopieVon && !kopie_ && speicher[kKasten] != 2) kopie_ = apdu;
  if (anfrage == kopieStatt && lesungen_ <= kopieLesungen && kopie_) {
    apdu = *kopie_;
    if (lesungen_ == kopieLesungen) kopie_.reset();
    alsWiederholung_ = kopieAlsWiederholung;
  }
}

void SimSchaltuhr::fuehreAus() {
  uint8_t* m = &speicher[kKasten];
  const uint8_t befehl = m[2];
  const std::array<uint8_t, 6> d{m[3], m[4], m[5], m[6], m[7], m[8]};
  m[0] = 0;
  if (befehl & 0x80) {
    if (nimmtNicht > 0) {
      --nimmtNicht;
      return;
    }
    if (befehl == 0xC4 && d[0] == 0) swKopf = d[1];
    else if (befehl == 0xC4 && d[0] >= 1 && d[0] <= 20) sw[d[0] - 1] = {d[1], d[2], d[3], d[4]};
    else if (befehl == 0xE5 && d[0] == 0x55) saetze.clear();
    else if (befehl == 0xE0) saetze.push_back({d[0], d[1], 0, static_cast<uint8_t>(d[3] & 127), d[4], d[5]});
    for (int i = 1; i < 9; ++i) m[i] = 255;
    return;
  }
  for (int i = 1; i < 9; ++i) m[i] = 0;
  m[1] = (befehl == 0x60 || befehl == 0x61) ? 7 : 6;
  if (nichtBereit > 0) {
    --nichtBereit;
    return;
  }
  m[2] = 255;
  if (befehl == 0x44) {
    m[7] = regel;
  } else if (befehl == 0x40) {
    if (d[0] == 0) m[4] = swKopf;
    else if (d[0] <= 20) std::copy(sw[d[0] - 1].begin(), sw[d[0] - 1].end(), m + 4);
  } else if (befehl == 0x60 || befehl == 0x61) {
    zeiger_ = befehl == 0x60 ? 0 : zeiger_ + 1;
    if (ketteEndlos && !saetze.empty()) zeiger_ %= saetze.size();
    if (zeiger_ >= saetze.size()) {
      for (int i = 2; i < 9; ++i) m[i] = 255;
      return;
    }
    const Satz& s = saetze[zeiger_];
    const size_t link = zeiger_ + 1 < saetze.size() || ketteEndlos ? zeiger_ + 2 : 0;
    m[3] = static_cast<int>(zeiger_) == kaputterSatz ? 92 : s[0];
    m[4] = s[1];
    m[5] = static_cast<uint8_t>(link & 255);
    m[6] = static_cast<uint8_t>((s[3] & 127) | ((link >> 8) & 1) << 7);
    m[7] = s[4];
    m[8] = s[5];
  }
}

// ---- the coupler ----------------------------------------------------------------------------

KopplerKern::KopplerKern() { lokal[0x116] = 5; }

SimGeraet* KopplerKern::geraet(uint16_t adresse) {
  for (auto& g : geraete)
    if (g->adresse == adresse) return g.get();
  return nullptr;
}

std::vector<QByteArray> KopplerKern::verarbeite(const QByteArray& n) {
  empfangen.push_back(n);
  if (n.isEmpty()) return {};
  const auto adr = [&] { return static_cast<uint16_t>(b(n, 2) * 256 + b(n, 3)); };
  switch (b(n, 0)) {
    case 0x4C: {
      if (n.size() < 4 || keineBestaetigung) return {};
      QByteArray a = n.left(4);
      a[0] = char(0x4B);
      for (int i = 0; i < (b(n, 1) & 15); ++i) a.append(static_cast<char>(lokal[(adr() + i) % lokal.size()]));
      return {a};
    }
    case 0x46: {
      if (n.size() < 4) return {};
      for (int i = 0; i < b(n, 1) && 4 + i < n.size(); ++i) lokal[(adr() + i) % lokal.size()] = b(n, 4 + i);
      if (adr() == 0x60 && n.size() > 4) {
        // The coupler's mode byte: C0h resets it, which also ends any transport connection.
        layer = b(n, 4) == 0xC0 ? 0 : b(n, 4);
        if (b(n, 4) == 0xC0) verbindung = -1;
      }
      return {};
    }
    case 0x23:
      if (layer == 150 && n.size() >= 6) verbindung = b(n, 4) * 256 + b(n, 5);
      return {};
    case 0x24:
      verbindung = -1;
      return {};
    case 0x21: {
      if (layer != 150 || verbindung < 0 || n.size() < 8) return {};
      SimGeraet* g = geraet(static_cast<uint16_t>(verbindung));
      if (!g) return {};
      std::vector<QByteArray> aus;
      for (const QByteArray& apdu : g->verarbeite(n.mid(7, b(n, 6) + 1))) {
        if (fremdeNachrichten) {
          aus.push_back(datenNachricht(static_cast<uint16_t>(g->adresse + 1), apdu));
          aus.push_back(QByteArray("\x4B\x01\x01\x16\x00", 5));
          QByteArray anders = datenNachricht(g->adresse, QByteArray(apdu.size(), char(0)));
          anders[0] = char(0x49);
          aus.push_back(anders);
        }
        aus.push_back(datenNachricht(g->adresse, apdu));
        // A repetition on the bus: the repeat bit of the control field clear.
        if (g->alsWiederholung()) aus.back()[1] = static_cast<char>(b(aus.back(), 1) & ~0x20);
      }
      return aus;
    }
    default:
      return {};
  }
}

// ---- the in-process driver ------------------------------------------------------------------

int16_t SimulierterKoppler::EIB_Open(int16_t, int16_t, int16_t, int16_t, int16_t) {
  if (openFehler) return openFehler;
  offen_ = true;
  ++geoeffnet;
  ausgang_.clear();
  return 0;
}

int16_t SimulierterKoppler::EIB_ResetAst() { return offen_ ? resetAstFehler : eibfehler::NichtOffen; }

int16_t SimulierterKoppler::EIB_ResetBcu() {
  if (!offen_) return eibfehler::NichtOffen;
  if (resetBcuFehler) return resetBcuFehler;
  kern.verarbeite(QByteArray("\x46\x01\x00\x60\xC0", 5));
  return 0;
}

int16_t SimulierterKoppler::EIB_SetLayer(int16_t layer) {
  if (!offen_) return eibfehler::NichtOffen;
  QByteArray n("\x46\x01\x00\x60", 4);
  kern.verarbeite(n.append(static_cast<char>(layer)));
  return 0;
}

int16_t SimulierterKoppler::EIB_Send(const QByteArray& t) {
  if (!offen_) return eibfehler::NichtOffen;
  if (t.size() < 2 || b(t, 0) != t.size() - 1) return eibfehler::Nachricht;
  // What came before a message cannot answer it. The link layer drops it before it sends; this
  // stand-in, whose polls stay empty once before each message, drops it here as well.
  ausgang_.clear();
  warte_ = 0;
  for (const QByteArray& a : kern.verarbeite(t.mid(1))) ausgang_.push_back(QByteArray(1, static_cast<char>(a.size())) + a);
  return 0;
}

int16_t SimulierterKoppler::EIB_SendStatus(int16_t& a, int16_t& bb, int16_t& fertig) {
  a = bb = 0;
  if (!offen_) return eibfehler::NichtOffen;
  fertig = sendNieFertig ? 1 : 0;
  return 0;
}

int16_t SimulierterKoppler::EIB_Receive(EibPuffer& p, int16_t& laenge) {
  p.fill(0);
  laenge = 0;
  if (!offen_) return eibfehler::NichtOffen;
  if (!liegen.empty()) {
    const QByteArray m = liegen.front();
    liegen.pop_front();
    std::copy(m.begin(), m.end(), p.begin());
    laenge = static_cast<int16_t>(m.size());
    return 0;
  }
  while (!eingeschoben.empty()) {
    ausgang_.push_front(eingeschoben.back());
    eingeschoben.pop_back();
  }
  if (ausgang_.empty()) return 0;
  if (warte_ < verzoegerung) {
    ++warte_;
    return 0;
  }
  warte_ = 0;
  const QByteArray m = ausgang_.front();
  ausgang_.pop_front();
  if (m.size() > static_cast<qsizetype>(p.size())) return 0;  // too long for the buffer: dropped
  std::copy(m.begin(), m.end(), p.begin());
  laenge = static_cast<int16_t>(m.size());
  return 0;
}

int16_t SimulierterKoppler::EIB_Close() {
  offen_ = false;
  ausgang_.clear();
  return 0;
}

// ---- the coupler behind a pseudo-terminal ---------------------------------------------------

Ft12Koppler::Ft12Koppler() : t_([this] { lauf(); }) {}

Ft12Koppler::~Ft12Koppler() {
  ende_ = true;
  t_.join();
}

void Ft12Koppler::sende(const QByteArray& nachricht) {
  std::lock_guard<std::mutex> l(m_);
  ausgang_.push_back({nachricht, std::chrono::steady_clock::now()});
}

std::vector<uint8_t> Ft12Koppler::steuerbytes() {
  std::lock_guard<std::mutex> l(m_);
  return steuer_;
}

void Ft12Koppler::nimm(const QByteArray& daten, uint8_t steuer) {
  std::lock_guard<std::mutex> l(m_);
  const bool fcb = (steuer & 0x20) != 0;
  const bool wiederholt = (steuer & 0x10) && hostFcb_ == fcb;
  // The mailbox requests of the clock so far; -1 without one.
  const SimSchaltuhr* uhr = nullptr;
  for (const auto& g : kern_.geraete)
    if ((uhr = dynamic_cast<const SimSchaltuhr*>(g.get()))) break;
  const int anfragenBisher = uhr ? uhr->anfragen : -1;
  const int verloren = verloreneAnfrage;
  if (!wiederholt && spaeteQuittung_) {
    spaeteQuittung_ = false;
    leitung(QByteArray(1, static_cast<char>(ft12::Quittung)));
    // A memory write of a mailbox request (first byte 1) to 206.
    const bool anfrage = daten.size() >= 12 && b(daten, 0) == 0x21 && (b(daten, 7) & 3) == 2 &&
                         (b(daten, 8) & 0xC0) == 0x80 && b(daten, 9) == 0 && b(daten, 10) == kKasten && b(daten, 11) == 1;
    if (anfrage && anfragenBisher == verloren) {
      verloreneAnfrage = -1;
      ++verloreneRahmen;
      return;
    }
  }
  steuer_.push_back(steuer);
  if (!wiederholt) hostFcb_ = fcb;
  const int nummer = wiederholt ? -1 : hostRahmen++;
  if (!wiederholt && verloren >= 0 && anfragenBisher == verloren) spaeteQuittung_ = true;
  else if (nummer < 0 || nummer != verschluckteQuittung) leitung(QByteArray(1, static_cast<char>(ft12::Quittung)));
  if (wiederholt) return;
  const auto jetzt = std::chrono::steady_clock::now();
  const std::vector<QByteArray> aus = kern_.verarbeite(daten);
  const auto istDaten = [](const QByteArray& a) { return !a.isEmpty() && b(a, 0) == 0x39; };
  const bool beantwortet = std::any_of(aus.begin(), aus.end(), istDaten);
  bool ersetzt = false;
  if (gehalten_ && beantwortet && --gehaltenNoch_ == 0) {
    ausgang_.push_back(*gehalten_);
    gehalten_.reset();
    ersetzt = spaeteStattAntwort;
  }
  for (const QByteArray& a : aus) {
    Ausgehend o{a, jetzt};
    if (istDaten(a)) {
      o.nummer = antworten++;
      if (ersetzt) continue;
      o.doppelt = o.nummer == wiederholteAntwort;
      if (o.nummer == spaeteAntwort && spaeteAntwortNach > 0) {
        gehalten_ = o;
        gehaltenNoch_ = spaeteAntwortNach;
        continue;
      }
      if (o.nummer == spaeteAntwort) o.faellig += std::chrono::milliseconds(verspaetungMs.load());
    }
    ausgang_.push_back(o);
  }
  if (streuBestaetigung >= 0 && nummer == streuBestaetigung) ausgang_.push_back({QByteArray("\x4B\x01\x01\x16\x07", 5), jetzt});
}

void Ft12Koppler::sendeRahmen() {
  QByteArray r = imFlug_;
  if (kaputteRahmen > 0) {
    --kaputteRahmen;
    ++falscheRahmen;
    r[r.size() - 2] = static_cast<char>(r[r.size() - 2] + 1);
  }
  leitung(r);
  ++sendungen_;
  gesendet_ = std::chrono::steady_clock::now();
}

void Ft12Koppler::leitung(const QByteArray& bytes) {
  const int rate = baud;
  if (rate <= 0) {
    pty_.write(bytes);
    return;
  }
  const auto start = std::chrono::steady_clock::now();
  const std::chrono::duration<double> proByte(11.0 / rate);
  for (int i = 0; i < bytes.size(); ++i) {
    std::this_thread::sleep_until(start + proByte * (i + 1));
    pty_.write(bytes.mid(i, 1));
  }
}

void Ft12Koppler::lauf() {
  using namespace std::chrono;
  QByteArray puffer;
  steady_clock::time_point eingangFrei{};
  while (!ende_) {
    const QByteArray neu = pty_.read(5);
    // The pseudo-terminal carries the host's bytes at once; a paced line is still busy with them.
    if (const int rate = baud; rate > 0 && !neu.isEmpty()) {
      eingangFrei = std::max(eingangFrei, steady_clock::now()) +
                    duration_cast<steady_clock::duration>(duration<double>(11.0 * double(neu.size()) / rate));
      std::this_thread::sleep_until(eingangFrei);
    }
    puffer += neu;
    while (std::optional<ft12::Stueck> s = ft12::Zerlege(puffer)) {
      if (s->art == ft12::Stueck::Quittung) {
        if (imFlug_.isEmpty()) continue;
        if (doppelt_) {
          doppelt_ = false;  // this E5h is lost on the way
          continue;
        }
        imFlug_.clear();
        if (!zuruecksetzen_) fcb_ = !fcb_;
        zuruecksetzen_ = false;
        continue;
      }
      if (keineQuittung || (stummAb >= 0 && hostRahmen >= stummAb)) {
        std::lock_guard<std::mutex> l(m_);
        steuer_.push_back(s->steuer);
        continue;
      }
      if (s->art == ft12::Stueck::Fest) {
        leitung(QByteArray(1, static_cast<char>(ft12::Quittung)));
        spaeteQuittung_ = false;  // a link reset: an E5h held back has no frame left to stand for
        std::lock_guard<std::mutex> l(m_);
        steuer_.push_back(s->steuer);
        hostFcb_.reset();
        continue;
      }
      nimm(s->daten, s->steuer);
    }
    const auto jetzt = steady_clock::now();
    if (!imFlug_.isEmpty()) {
      if (jetzt - gesendet_ < milliseconds(150)) continue;
      if (sendungen_ < 4) {
        sendeRahmen();
        continue;
      }
      // Given up: the host may have taken it after all, so the link starts again.
      imFlug_ = ft12::FesterRahmen(ft12::ResetAnfrage);
      zuruecksetzen_ = true;
      doppelt_ = false;
      fcb_ = true;
      sendungen_ = 0;
      sendeRahmen();
      continue;
    }
    std::lock_guard<std::mutex> l(m_);
    for (auto it = ausgang_.begin(); it != ausgang_.end(); ++it) {
      if (it->faellig > jetzt) continue;
      if (aufgegebeneAntwort >= 0 && it->nummer >= aufgegebeneAntwort && !fcb_) {
        aufgegebeneAntwort = -1;
        kaputteRahmen = 4;
      }
      imFlug_ = ft12::Rahmen(fcb_ ? 0xF3 : 0xD3, it->nachricht);
      doppelt_ = it->doppelt;
      sendungen_ = 0;
      ausgang_.erase(it);
      sendeRahmen();
      break;
    }
  }
}

}  // namespace qv::test
