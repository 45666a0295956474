#include "transfer/EibVerbindung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cmath>

#include "model/AtomicFile.h"
#include "model/Cp1252.h"
#include "model/Environment.h"
#include "model/Texte.h"
#include "transfer/Wartezeiten.h"
#include "views/Meldungstexte.h"

namespace qv {

namespace {

// A device's data message in the receive buffer: its sender and its application data (from the
// transport control byte on). Empty for any other message.
std::optional<std::pair<uint16_t, QByteArray>> datenAntwort(const EibPuffer& p) {
  if (p[0] < 8 || p[1] != 0x39) return std::nullopt;
  const QByteArray m(reinterpret_cast<const char*>(p.data()), 1 + p[0]);
  const int n = std::min((p[7] & 15) + 1, p[0] - 7);
  return std::make_pair(Wort_aus_String(m, 4), m.mid(8, n));
}

// What tells one answer from another of the same device: the service with its count and the
// address after it, without the transport control bits.
QByteArray antwortArt(const QByteArray& apdu) {
  QByteArray a = apdu.left(4);
  if (!a.isEmpty()) a[0] = static_cast<char>(a[0] & 3);
  return a;
}

}  // namespace

QByteArray Chr32(int x) { return QByteArray(1, static_cast<char>(((x % 32) + 32) % 32)); }

QByteArray String_aus_Wort(uint16_t w) {
  QByteArray s(2, 0);
  s[0] = static_cast<char>(w >> 8);
  s[1] = static_cast<char>(w & 0xFF);
  return s;
}

uint16_t Wort_aus_String(const QByteArray& s, int pos) {
  if (pos < 1 || pos + 1 > s.size()) return 0;
  return static_cast<uint16_t>(static_cast<uint8_t>(s[pos - 1]) * 256 + static_cast<uint8_t>(s[pos]));
}

QByteArray Lokal_Lesen_Telegramm(uint16_t adresse, int anzahl) {
  QByteArray t;
  t.append(char(4)).append(char(0x4C)).append(static_cast<char>(anzahl)).append(String_aus_Wort(adresse));
  return t;
}

QByteArray Lokal_Schreiben_Telegramm(uint16_t adresse, const QByteArray& daten) {
  const int n = static_cast<int>(daten.size());
  if (n > 27) return {};
  QByteArray t = Chr32(n + 4);
  t.append(char(0x46)).append(static_cast<char>(n)).append(String_aus_Wort(adresse)).append(daten);
  return t;
}

QString Hex_Text(const QByteArray& s, int von, int anzahl) {
  const int len = static_cast<int>(s.size());
  const int bis = anzahl == 0 ? len : std::min(len, von + anzahl);
  QString text;
  for (int i = std::max(von, 1); i <= bis; ++i)
    text += u' ' + QString::number(static_cast<uint8_t>(s[i - 1]), 16).toUpper();
  return text;
}

BusSitzung::BusSitzung(EibTreiber* treiber) : treiber_(treiber) {
  rcvtimer_.setSingleShot(true);
  pause_.setSingleShot(true);
  pause_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&rcvtimer_, &QTimer::timeout, [this] { EIB_Empfang = 2; });
  QObject::connect(&pause_, &QTimer::timeout, [this] { EIB_Warten = 0; });
}

BusSitzung::~BusSitzung() { Protokoll_schliessen(); }

// ---- log ------------------------------------------------------------------------------------

bool BusSitzung::Protokoll_neu(const QString& datei) {
  Protokoll_schliessen();
  // Only a regular file takes the log: a FIFO would block and a device would take the lines.
  // Such a name stays as it is and the operation runs without a log.
  QString grund;
  if (regularTarget(datei, &grund).isEmpty()) {
    letzterFehler = datei + QStringLiteral(": ") + grund;
    return false;
  }
  protokollDatei_ = datei;
  protokoll_.clear();
  protokollGemeldet_ = false;
  return true;
}

bool BusSitzung::Protokoll_sichern() {
  if (protokollDatei_.isEmpty()) return true;
  QString grund;
  if (writeFileAtomically(protokollDatei_, protokoll_, &grund)) return true;
  if (!protokollGemeldet_) refuse(Datei_nicht_schreibbar(protokollDatei_, grund));
  protokollGemeldet_ = true;
  return false;
}

void BusSitzung::Protokoll_schliessen() {
  Protokoll_sichern();
  protokollDatei_.clear();
  protokoll_.clear();
}

void BusSitzung::log(const QString& zeile) {
  if (protokollDatei_.isEmpty()) return;
  protokoll_ += cp1252::encode(zeile) + "\r\n";
}

// ---- progress -------------------------------------------------------------------------------

void BusSitzung::status(const QString& text) {
  if (aufStatus) aufStatus(text);
}

void BusSitzung::logUndStatus(const QString& text) {
  log(text);
  status(text);
}

void BusSitzung::messerMaximum(int maximum) {
  maximum_ = std::max(maximum, 0);
  wert_ = std::min(wert_, maximum_);
  if (aufMesser) aufMesser(maximum_, wert_);
}

void BusSitzung::messerWert(int wert) {
  wert_ = std::clamp(wert, 0, maximum_);
  if (aufMesser) aufMesser(maximum_, wert_);
}

// ---- waits ----------------------------------------------------------------------------------

void BusSitzung::Nachgeben() {
  QEventLoop schleife;
  QTimer::singleShot(1, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
  schleife.exec();
}

void BusSitzung::starteEmpfang() {
  EIB_Empfang = 0;
  rcvtimer_.stop();
  rcvtimer_.setInterval(timing.empfangMs);
  rcvtimer_.start();
}

void BusSitzung::Warte_ms(int ms) {
  pause_.stop();
  pause_.setInterval(std::max(0, static_cast<int>(std::lround(ms * timing.pausenFaktor))));
  EIB_Warten = 1;
  pause_.start();
  while (EIB_Warten != 0) Nachgeben();
}

void BusSitzung::Pause_s(double sekunden) {
  // Monotonic time: a pause lasts its length whatever the clock of the day does meanwhile.
  warte(static_cast<int>(std::lround(sekunden * 1000.0 * timing.pausenFaktor)));
}

bool BusSitzung::schonErhalten(const EibPuffer& p) {
  constexpr uint8_t kNichtWiederholt = 0x20;
  if (p[0] < 2 || p[1] != 0x39) return false;
  QByteArray m(reinterpret_cast<const char*>(p.data()), 1 + p[0]);
  const bool wiederholt = (p[2] & kNichtWiederholt) == 0;
  m[2] = static_cast<char>(p[2] | kNichtWiederholt);
  if (wiederholt && std::find(erhalten_.begin(), erhalten_.end(), m) != erhalten_.end()) return true;
  // A repetition comes within a few messages of its original, other senders' included.
  erhalten_.push_back(m);
  if (erhalten_.size() > 16) erhalten_.pop_front();
  return false;
}

BusSitzung::Abholung BusSitzung::nimmWeg(bool pruefen) {
  EibPuffer p{};
  int16_t laenge = 0;
  if (treiber_->EIB_Receive(p, laenge) != 0) return Abholung::Fehler;
  if (p[0] == 0) return Abholung::Nichts;
  if (schonErhalten(p)) return Abholung::Nachricht;
  const auto antwort = pruefen ? datenAntwort(p) : std::nullopt;
  if (antwort && letzteAntwort_ && antwort->first == letzteAntwort_->first &&
      antwortArt(antwort->second) == letzteAntwort_->second)
    ausserTakt = true;
  return Abholung::Nachricht;
}

void BusSitzung::leereBisRuhig(bool pruefen) {
  if (!treiber_) return;
  // Until the line has been quiet for half the receive time; a line that never falls quiet
  // ends the wait after a few receive times, and the driver then drops what is queued.
  const int ruheMs = timing.empfangMs / 2;
  QElapsedTimer ruhig, gesamt;
  ruhig.start();
  gesamt.start();
  while (!ruhig.hasExpired(ruheMs) && !gesamt.hasExpired(4 * timing.empfangMs)) {
    const Abholung a = nimmWeg(pruefen);
    if (a == Abholung::Fehler) return;
    if (a == Abholung::Nachricht) ruhig.start();
    else Nachgeben();
  }
}

void BusSitzung::nachlaufVerwerfen() {
  if (!nachlauf_) return;
  nachlauf_ = false;
  // A wait timed out: what comes now is most likely its late answer.
  leereBisRuhig(false);
}

void BusSitzung::nachlaufPruefen() {
  nachlaufVerwerfen();
  leereBisRuhig(true);
}

int16_t BusSitzung::kein_Treiber() {
  letzterFehler = QStringLiteral("no bus driver");
  return eibfehler::NichtOffen;
}

// ---- link operations ------------------------------------------------------------------------

int16_t BusSitzung::Bus_Oeffnen(int16_t port, int16_t baud) {
  const Texts& t = texts();
  const auto fehler = [&](const QString& schritt, int16_t code) {
    log(t.S_FehlerBei + schritt);
    return code;
  };
  if (!treiber_) return fehler(t.S_instAST, 1);
  log(t.S_instAST);
  if (treiber_->EIB_Open(port, baud, 2000, 500, 0) != 0) return fehler(t.S_instAST, 1);
  log(t.S_resetAST);
  if (int16_t r = treiber_->EIB_ResetAst()) return fehler(t.S_resetAST, r);
  log(t.S_resetLocal);
  if (int16_t r = treiber_->EIB_ResetBcu()) return fehler(t.S_resetLocal, r);
  log(t.S_wechLayer);
  if (int16_t r = treiber_->EIB_SetLayer(EIB_Layer)) return fehler(t.S_wechLayer, r);
  log(t.S_leseAdre);
  if (int16_t r = Sende_Lokal(Lokal_Lesen_Telegramm(0x116, 1))) return fehler(t.S_leseAdre, r);
  log(t.S_warteAdre);
  QByteArray daten;
  if (int16_t r = Erwarte_Bestaetigung(daten)) return fehler(t.S_warteAdre, r);
  EIB_AdrTabLaenge = daten.isEmpty() ? 0 : static_cast<uint8_t>(daten[0]);
  if (EIB_AdrTabLaenge == 0) return 0;
  const QString setze = t.S_setzeAdre + QString::number(EIB_AdrTabLaenge);
  log(setze);
  if (int16_t r = Sende_Lokal(Lokal_Schreiben_Telegramm(0x116, QByteArray(1, char(1))))) return fehler(setze, r);
  return 0;
}

void BusSitzung::Bus_Schliessen() {
  if (!treiber_) return;
  if (EIB_AdrTabLaenge != 0) {
    const QString setze = texts().S_setzeAdre + QString::number(EIB_AdrTabLaenge);
    log(setze);
    const QByteArray wert(1, static_cast<char>(EIB_AdrTabLaenge));
    if (Sende_Lokal(Lokal_Schreiben_Telegramm(0x116, wert)) != 0) log(texts().S_FehlerBei + setze);
  }
  treiber_->EIB_Close();
}

int16_t BusSitzung::Sende_Lokal(const QByteArray& telegramm) {
  const Texts& t = texts();
  nachlaufVerwerfen();
  starteEmpfang();
  log(t.S_sendeLoca + Hex_Text(telegramm, 1, 0));
  if (!treiber_) return kein_Treiber();
  // Nothing that came before this message can answer it; a second answer among it is noted.
  for (int i = 0; i < 1024; ++i)
    if (nimmWeg(true) != Abholung::Nachricht) break;
  int16_t r = treiber_->EIB_Send(telegramm);
  if (r != 0) {
    log(t.S_FehlerBei + t.S_sendeLoca + u' ' + QString::number(r));
    return r;
  }
  int16_t a = 0, b = 0, fertig = 1;
  for (;;) {
    r = treiber_->EIB_SendStatus(a, b, fertig);
    if (r != 0 || fertig == 0) return r;
    Nachgeben();
    if (EIB_Empfang != 0) {
      log(t.S_Timeout + t.S_sendeTele + QStringLiteral(" 107"));
      nachlauf_ = true;
      return 107;
    }
  }
}

int16_t BusSitzung::Erwarte_Bestaetigung(QByteArray& daten) {
  starteEmpfang();
  log(texts().S_erwaBest);
  if (!treiber_) return kein_Treiber();
  EibPuffer p{};
  int16_t laenge = 0;
  while (EIB_Empfang == 0) {
    p.fill(0);
    if (int16_t r = treiber_->EIB_Receive(p, laenge)) return r;
    schonErhalten(p);  // only noted: no data message ends this wait
    if (p[0] != 0 && p[1] == 0x4B) {
      const int n = std::min<int>(p[2] & 15, p[0] - 4);
      daten = QByteArray(reinterpret_cast<const char*>(p.data()) + 5, std::max(n, 0));
      return 0;
    }
    // Messages that keep coming must not hold the receive timer off.
    if (p[0] == 0) Nachgeben();
    else QCoreApplication::processEvents();
  }
  nachlauf_ = true;
  return 105;
}

int16_t BusSitzung::Erwarte_Antwort(uint16_t phys, QByteArray& apdu,
                                    const std::function<bool(const QByteArray&)>& passt) {
  const Texts& t = texts();
  starteEmpfang();
  log(t.S_erwaAntw);
  if (!treiber_) return kein_Treiber();
  EibPuffer p{};
  int16_t laenge = 0;
  int16_t ergebnis = 106;
  while (EIB_Empfang == 0) {
    p.fill(0);
    const int16_t r = treiber_->EIB_Receive(p, laenge);
    const QByteArray m(reinterpret_cast<const char*>(p.data()), 1 + p[0]);
    if (r != 0) {
      log(t.S_FehlerBei + t.S_erwaAntw + Hex_Text(m, 1, 0));
      ergebnis = r;
      break;
    }
    if (p[0] == 0) {
      Nachgeben();
      continue;
    }
    const auto antwort = schonErhalten(p) ? std::nullopt : datenAntwort(p);
    if (!antwort || antwort->first != phys || (passt && !passt(antwort->second))) {
      QCoreApplication::processEvents();
      continue;
    }
    apdu = antwort->second;
    letzteAntwort_ = std::make_pair(phys, antwortArt(apdu));
    log(t.S_Antwort + Hex_Text(m, 1, 0));
    ergebnis = 0;
    break;
  }
  if (ergebnis == 106) log(t.S_Timeout + t.S_erwaAntw);
  if (ergebnis != 0) nachlauf_ = true;
  rcvtimer_.stop();
  return ergebnis;
}

}  // namespace qv
