#include "transfer/EibGeraet.h"

#include <QTime>
#include <algorithm>

#include "model/Environment.h"
#include "model/Texte.h"

namespace qv {
namespace {

uint16_t wort(const QByteArray& zweiBytes) { return Wort_aus_String(zweiBytes, 1); }

QByteArray briefkastenAnfrage(int befehl, const QByteArray& daten) {
  QByteArray a;
  a.append(char(1)).append(static_cast<char>(daten.size() + 1)).append(static_cast<char>(befehl)).append(daten.left(6));
  a.append(QByteArray(9 - a.size(), 0));
  return a;
}

QString versuch(int k) { return QStringLiteral(" (") + QString::number(k) + u')'; }

// The mailbox routines rebuild the whole road to the clock: link and transport connection.
void neuVerbinden(BusSitzung& s, uint16_t phys) {
  s.Bus_Schliessen();
  if (s.Bus_Oeffnen(s.EIB_ComPort, 9600) == 0) Baue_Verbindung(s, phys);
}

// The mailbox's state after a write request, read again until two reads in a row agree. Nothing
// on the line tells a copy of an earlier answer of the clock from the answer to this read, but
// the mailbox keeps its state until the next request, so the read after it gives the state again.
// A mailbox that never reads alike leaves the exchange out of step.
int16_t leseBriefkasten(BusSitzung& s, uint16_t phys, QByteArray& antwort, bool& neu) {
  int16_t r = Lese_Speicher_Warten(s, phys, kBriefkasten, 9, antwort, &neu);
  for (int k = 0; r == 0 && k < 3; ++k) {
    QByteArray noch(9, 0);
    r = Lese_Speicher_Warten(s, phys, kBriefkasten, 9, noch, &neu);
    if (r == 0 && noch == antwort) return 0;
    antwort = noch;
  }
  if (r == 0) s.ausserTakt = true;
  return r;
}

// Sends of one request in all whose answers came, before an exchange that never gives two alike
// is left out of step.
constexpr int kSendungen = 4;

}  // namespace

const ApciTab& apciTab() {
  static const ApciTab t;
  return t;
}

QByteArray Apci_Mit_Anzahl(const QByteArray& apci, int anzahl) { return String_aus_Wort(wort(apci) | anzahl); }
QByteArray Apci_Maske(const QByteArray& apci, int maske) { return String_aus_Wort(wort(apci) & maske); }

int16_t Sende_Daten(BusSitzung& s, const QByteArray& apdu) {
  const int n = static_cast<int>(apdu.size());
  QByteArray t;
  t.append(static_cast<char>(7 + n)).append(char(0x21)).append(QByteArray(5, 0)).append(static_cast<char>(n - 1)).append(apdu);
  return s.Sende_Lokal(t);
}

int16_t Baue_Verbindung(BusSitzung& s, uint16_t phys) {
  const Texts& t = texts();
  const QTime jetzt = env().now().time();
  const double sekunden = jetzt.isValid() ? jetzt.msecsSinceStartOfDay() / 1000.0 : 0.0;
  s.log(t.S_BaueVerb + QString::number(phys) + QString::number(static_cast<float>(sekunden), 'g', 7));
  if (int16_t r = s.Sende_Lokal(Lokal_Schreiben_Telegramm(0x10D, QByteArray(1, char(0xFF))))) return r;
  const QString layer = t.S_wechLayer + QString::number(s.EIB_Layer);
  s.log(layer);
  if (!s.treiber()) return eibfehler::NichtOffen;
  if (int16_t r = s.treiber()->EIB_SetLayer(s.EIB_Layer)) {
    s.log(t.S_FehlerBei + layer);
    return r;
  }
  QByteArray verbinde("\x06\x23\x00\x00\x00", 5);
  return s.Sende_Lokal(verbinde + String_aus_Wort(phys));
}

int16_t Breche_Verbindung(BusSitzung& s) {
  s.log(texts().S_BrecVerb);
  return s.Sende_Lokal(QByteArray("\x06\x24\x00\x00\x00\x00\x00", 7));
}

void Bus_Wiederherstellen(BusSitzung& s) {
  s.log(texts().S_resetLocal);
  if (s.treiber()) s.treiber()->EIB_ResetBcu();
  s.Bus_Schliessen();
  s.Bus_Oeffnen(s.EIB_ComPort, 9600);
}

// ---- individual address ---------------------------------------------------------------------

std::optional<uint16_t> Phys_Adresse_Wert(const QString& text) {
  QString teil[3];
  int punkte = 0;
  for (QChar c : text) {
    if (c == u'.') {
      if (++punkte == 3) return std::nullopt;
    } else if (c.isDigit() && c.unicode() < 128) {
      teil[punkte] += c;
    } else if (c != u' ') {
      return std::nullopt;
    }
  }
  int64_t wert[3]{};
  for (int i = 0; i < 3; ++i)
    for (QChar c : teil[i]) {
      // Blanks inside a part are passed over, as the number reader always did ("1 2" is 12).
      wert[i] = std::min<int64_t>(wert[i] * 10 + (c.unicode() - u'0'), 100000);
    }
  if (wert[0] > 15 || wert[1] > 12 || wert[2] < 1 || wert[2] > 255) return std::nullopt;
  return static_cast<uint16_t>(wert[0] * 4096 + wert[1] * 256 + wert[2]);
}

uint16_t Phys_Adresse(const QString& text) {
  const std::optional<uint16_t> a = Phys_Adresse_Wert(text);
  if (a) return *a;
  refuse(texts().S_noValidAdr);
  return 0;
}

QString Phys_Adresse_Text(uint16_t adresse) {
  return QStringLiteral("%1.%2.%3").arg(adresse >> 12).arg((adresse >> 8) & 15).arg(adresse & 255);
}

// ---- memory services ------------------------------------------------------------------------

int16_t Frage_Speicher(BusSitzung& s, uint16_t adresse, int anzahl) {
  s.log(texts().S_frageSpei + QString::number(adresse) + QString::number(anzahl));
  s.leseAnfrage = std::make_pair(adresse, anzahl);
  return Sende_Daten(s, Apci_Mit_Anzahl(apciTab().ApciMemoryRead, anzahl) + String_aus_Wort(adresse));
}

int16_t Schreibe_Speicher(BusSitzung& s, uint16_t adresse, const QByteArray& daten) {
  const int n = static_cast<int>(daten.size());
  return Sende_Daten(s, Apci_Mit_Anzahl(apciTab().ApciMemoryWrite, n) + String_aus_Wort(adresse) + daten);
}

int16_t Erwarte_Speicher(BusSitzung& s, uint16_t phys, uint16_t& adresse, QByteArray& daten) {
  s.log(texts().S_erwaSpei);
  // A memory answer for another address or count belongs to an earlier read and is no answer;
  // another service is answered with 111.
  const auto passt = [anfrage = s.leseAnfrage](const QByteArray& apdu) {
    if (!anfrage || apdu.size() < 4 || Apci_Maske(apdu.left(2), 0x3C0) != apciTab().ApciMemoryResponse) return true;
    return Wort_aus_String(apdu, 3) == anfrage->first && (static_cast<uint8_t>(apdu[1]) & 15) == anfrage->second;
  };
  QByteArray apdu;
  if (int16_t r = s.Erwarte_Antwort(phys, apdu, passt)) return r;
  if (apdu.size() < 4 || Apci_Maske(apdu.left(2), 0x3C0) != apciTab().ApciMemoryResponse) return 111;
  const int n = static_cast<uint8_t>(apdu[1]) & 15;
  adresse = Wort_aus_String(apdu, 3);
  daten = apdu.mid(4, n);
  return 0;
}

int16_t Frage_Maskenversion(BusSitzung& s) {
  s.log(texts().S_warteMask2);
  return Sende_Daten(s, apciTab().ApciMaskVersionRead);
}

int16_t Erwarte_Maskenversion(BusSitzung& s, uint16_t phys, QByteArray& version) {
  s.log(texts().S_warteMask);
  QByteArray apdu;
  if (int16_t r = s.Erwarte_Antwort(phys, apdu)) return r;
  if (apdu.size() < 4 || Apci_Maske(apdu.left(2), 0x3C0) != apciTab().ApciMaskVersionResponse) return 1;
  version = apdu.mid(2, 2);
  return 0;
}

int16_t Schreibe_Speicher_Pruefen(BusSitzung& s, uint16_t phys, uint16_t adresse, int anzahl, const QByteArray& daten) {
  for (int k = 1; k <= 3; ++k) {
    int16_t r = Schreibe_Speicher(s, adresse, daten);
    if (r == 0) {
      s.Warte_ms(50);
      r = Frage_Speicher(s, adresse, anzahl);
    }
    QByteArray gelesen;
    uint16_t a = 0;
    if (r == 0) r = Erwarte_Speicher(s, phys, a, gelesen);
    if (r == 0 && gelesen == daten) return 0;
    Breche_Verbindung(s);
    Baue_Verbindung(s, phys);
  }
  return 112;
}

int16_t Lese_Speicher_Warten(BusSitzung& s, uint16_t phys, uint16_t adresse, int anzahl, QByteArray& daten,
                             bool* neuVerbunden) {
  int16_t r = 0;
  for (int k = 1; k <= 15; ++k) {
    QByteArray puffer;
    uint16_t a = 0;
    r = Frage_Speicher(s, adresse, anzahl);
    if (r == 0) r = Erwarte_Speicher(s, phys, a, puffer);
    if (r == 0) {
      if (!puffer.isEmpty() && static_cast<uint8_t>(puffer[0]) == 2) {
        s.Warte_ms(300);
        continue;
      }
      const int m = puffer.size() >= 2 ? static_cast<uint8_t>(puffer[1]) : 0;
      daten = puffer.mid(1, m + 1);
      return 0;
    }
    // A failed last try keeps its code: the caller must not take unread data for an answer.
    if (neuVerbunden) *neuVerbunden = true;
    Breche_Verbindung(s);
    s.Warte_ms(500);
    Baue_Verbindung(s, phys);
  }
  return r == 0 ? 106 : r;
}

// ---- device check ---------------------------------------------------------------------------

int16_t Pruefe_Maske_und_Kennung(BusSitzung& s, uint16_t phys, QByteArray& kennung) {
  int16_t r = Baue_Verbindung(s, phys);
  if (r == 0) r = Frage_Maskenversion(s);
  if (r != 0) return r;
  QByteArray version(2, 0);
  r = Erwarte_Maskenversion(s, phys, version);
  const uint8_t v = version.size() >= 2 ? static_cast<uint8_t>(version[1]) : 0;
  if (v == 0x11 || v == 0x12) r = 0;
  else r = r == 106 ? 109 : 110;
  if (r != 0) return r;
  uint16_t a = 0;
  QByteArray gelesen;
  r = Frage_Speicher(s, 0x104, 3);
  if (r == 0) r = Erwarte_Speicher(s, phys, a, gelesen);
  if (r == 0) kennung = gelesen.leftJustified(3, 0, true);
  return r;
}

int16_t Pruefe_Teilnehmer(BusSitzung& s, uint16_t phys, QByteArray& kennung) {
  const int16_t r = Pruefe_Maske_und_Kennung(s, phys, kennung);
  if (r == 0) Breche_Verbindung(s);
  else Bus_Wiederherstellen(s);
  return r;
}

// ---- mailbox --------------------------------------------------------------------------------

int16_t Lese_Satz(BusSitzung& s, uint16_t phys, int befehl, const QByteArray& daten, QByteArray& antwort,
                  bool wiederholbar) {
  const Texts& t = texts();
  const QByteArray anfrage = briefkastenAnfrage(befehl, daten);
  int16_t r = 0;
  // The answer of the send before. Two reads of one mailbox prove nothing when the request never
  // reached the clock (a frame lost while a late acknowledgement stood for it, and the connection
  // built anew after the time-out that follows): both give the answer to the request before.
  std::optional<QByteArray> vorige;
  int sendungen = 0;
  for (int k = 1; k <= 3;) {
    r = Schreibe_Speicher(s, kBriefkasten, anfrage);
    if (r != 0) {
      s.log(t.S_FehlRece + QString::number(r) + versuch(k));
      if (k < 3) neuVerbinden(s, phys);
      ++k;
      continue;
    }
    QByteArray a(9, 0);
    r = Lese_Speicher_Warten(s, phys, kBriefkasten, 9, a);
    if (r != 0) {
      s.log(t.S_FehlSend + QString::number(r) + versuch(k));
      if (k < 3) neuVerbinden(s, phys);
      ++k;
      continue;
    }
    if (a.size() < 2 || a[1] == 0) {
      r = 101;
      s.log(t.S_UhrNichtBereit + versuch(k));
      s.Pause_s(1);
      ++k;
      continue;
    }
    if (!wiederholbar || vorige == a) {
      antwort = a;
      return 0;
    }
    if (++sendungen == kSendungen) {
      antwort = a;
      s.ausserTakt = true;
      return 0;
    }
    vorige = a;
  }
  return r;
}

int16_t Schreibe_Satz(BusSitzung& s, uint16_t phys, int befehl, const QByteArray& daten, bool wiederholbar) {
  const Texts& t = texts();
  const QByteArray anfrage = briefkastenAnfrage(befehl, daten);
  int16_t r = 0;
  int sendungen = 0;
  for (int k = 1; k <= 3;) {
    r = Schreibe_Speicher(s, kBriefkasten, anfrage);
    s.Warte_ms(100);
    if (r != 0) {
      s.log(t.S_FehlRece + versuch(k));
      if (k < 3) neuVerbinden(s, phys);
      ++k;
      continue;
    }
    QByteArray a(9, 0);
    bool neu = false;
    if (leseBriefkasten(s, phys, a, neu) != 0) {
      r = 102;
      s.log(t.S_keineAntwUhr + versuch(k));
      s.Pause_s(1);
      if (k < 3) neuVerbinden(s, phys);
      ++k;
      continue;
    }
    // An emptied mailbox read after the connection was built anew may be the one the record
    // before left: the request goes again.
    if (wiederholbar && neu) {
      if (++sendungen == kSendungen) {
        s.ausserTakt = true;
        return 0;
      }
      continue;
    }
    // Taken: the clock has emptied the mailbox. An answer without any byte after its length
    // byte proves nothing.
    const QByteArray rest = a.mid(1);
    if (!rest.isEmpty() && std::all_of(rest.begin(), rest.end(), [](char c) { return static_cast<uint8_t>(c) == 0xFF; }))
      return 0;
    r = 101;
    s.log(t.S_UhrNichtBereit + versuch(k));
    s.Pause_s(1);
    ++k;
  }
  return r;
}

}  // namespace qv
