#include "transfer/SeriellerZugriff.h"

#include <QRegularExpression>
#include <vector>

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Zustand.h"
#include "shell/Texte.h"
#include "transfer/Austauschdateien.h"
#include "transfer/EibSeriell.h"
#include "transfer/Wartezeiten.h"
#include "views/Meldungstexte.h"

namespace qv {
namespace {

constexpr int kBlock = 16;
constexpr uint8_t kStatus = 1, kDaten = 18, kAlt = 2;
constexpr uint8_t kLesen = 0xA1;

uint8_t byteAt(const QByteArray& b, int i) { return i < b.size() ? static_cast<uint8_t>(b[i]) : 0; }

void melde(const QString& text) { env().message(text, Buttons::Ok, Icon::None); }

// How one try of a block ended.
enum class Ausgang { Fertig, KeinChip, ChipStumm, Leitungsfehler, Unbekannt, Zeitueberschreitung };

Ausgang Statusausgang(const QByteArray& a) {
  if (a.size() < 2 || byteAt(a, 0) != kStatus) return Ausgang::Unbekannt;
  const uint8_t s = byteAt(a, 1);
  if (s == 0x80) return Ausgang::Fertig;
  if ((s & 0x81) == 0x81) return Ausgang::KeinChip;
  if ((s & 0x82) == 0x82) return Ausgang::ChipStumm;
  if ((s & 0x84) == 0x84) return Ausgang::Leitungsfehler;
  return Ausgang::Unbekannt;
}

QString Ausgangstext(Ausgang a) {
  const Texts& t = texts();
  switch (a) {
    case Ausgang::KeinChip: return t.S_KeinChipAdapter2;
    case Ausgang::ChipStumm: return t.S_ChipAntwNicht;
    case Ausgang::Leitungsfehler: return t.S_UebertrFehlCOM;
    case Ausgang::Zeitueberschreitung: return t.S_KeineAntwAdapter;
    default: return t.S_unbeMeld;
  }
}

// A data answer to this read frame: 19 bytes, the length byte 18, the frame's device and
// address bytes echoed.
bool istDatenantwort(const QByteArray& a, const QByteArray& rahmen) {
  return a.size() == kDaten + 1 && byteAt(a, 0) == kDaten && a[1] == rahmen[1] && a[2] == rahmen[2];
}

// The stored image at the head of a program file: groesse whole numbers 0..255 whose sum is 0
// modulo 256. Empty when the file does not hold one.
std::optional<QByteArray> Programmabbild(const QString& datei, int groesse, QString* meldung) {
  QByteArray roh;
  QString grund;
  if (!readWholeFile(datei, &roh, &grund, kMaxProgramFileBytes)) {
    *meldung = Dateifehler_Text(grund);
    return std::nullopt;
  }
  *meldung = texts().S_KeineGueltDatei;
  static const QRegularExpression trenner(QStringLiteral("[ \\t,\\r\\n]+"));
  const QStringList werte = QString::fromLatin1(roh).split(trenner, Qt::SkipEmptyParts);
  if (werte.size() < groesse) return std::nullopt;
  QByteArray abbild;
  int summe = 0;
  for (int i = 0; i < groesse; ++i) {
    bool ok = false;
    const int v = werte[i].toInt(&ok);
    if (!ok || v < 0 || v > 255) return std::nullopt;
    abbild.append(static_cast<char>(v));
    summe += v;
  }
  if (summe % 256 != 0) return std::nullopt;
  return abbild;
}

class Transfer {
 public:
  Transfer(ByteLink& link, SerielAnzeige* anzeige, int groesse)
      : link_(link), anzeige_(anzeige), groesse_(groesse), maximum_(groesse / kBlock + 1) {
    zeige(0);
  }

  // One try: the input dropped, the frame sent and logged, the answer awaited and logged.
  int versuch(const QByteArray& rahmen, QByteArray& antwort) {
    link_.purge();
    antwort = QByteArrayLiteral("nix");
    const int r = link_.write(rahmen) ? Empfange_Seriell(link_, antwort) : 1;
    protokoll_ += Protokollzeile(rahmen) + Protokollzeile(antwort);
    return r;
  }

  // The 8 KB probe: false when the adapter is too old for the key.
  bool pruefeAdapter() {
    QByteArray a;
    for (int i = 0; i < 3; ++i) {
      if (versuch(Leserahmen(0, groesse_), a) != 0) continue;
      if (byteAt(a, 0) == kAlt && byteAt(a, 1) == kLesen) {
        melde(texts().S_SchaBenoe);
        return false;
      }
      if (byteAt(a, 0) == kDaten && byteAt(a, 1) == kLesen) break;
    }
    protokoll_.clear();
    return true;
  }

  int schreibe(const QByteArray& abbild, const QString& status) {
    anzeige(status);
    warte(wartezeiten().pauseMs);
    protokoll_.clear();
    for (int adr = 0; adr < groesse_; adr += kBlock) {
      const QByteArray rahmen = Schreibrahmen(adr, groesse_, abbild.mid(adr, kBlock));
      Ausgang aus = Ausgang::Unbekannt;
      for (int i = 0; i < 3; ++i) {
        QByteArray a;
        aus = versuch(rahmen, a) != 0 ? Ausgang::Zeitueberschreitung : Statusausgang(a);
        if (aus == Ausgang::Fertig || aus == Ausgang::KeinChip) break;
      }
      if (aus != Ausgang::Fertig) return scheitern(Ausgangstext(aus));
      zeige(adr / kBlock + 1);
    }
    schreibeProtokoll();
    // The check: block 0 read back must be what was written.
    const QByteArray rahmen = Leserahmen(0, groesse_);
    for (int i = 0; i < 3; ++i) {
      QByteArray a;
      if (versuch(rahmen, a) != 0 || !istDatenantwort(a, rahmen)) continue;
      if (a.mid(3, kBlock) != abbild.left(kBlock)) {
        melde(texts().S_benoeAnde);
        return 1;
      }
      zeige(maximum_);
      return 0;
    }
    return 1;
  }

  int lese(const QString& status) {
    if (!pruefeSchluesseltyp()) return 1;
    anzeige(status);
    warte(wartezeiten().pauseMs);
    protokoll_.clear();
    std::vector<uint8_t> abbild(static_cast<size_t>(groesse_));
    for (int adr = 0; adr < groesse_; adr += kBlock) {
      const QByteArray rahmen = Leserahmen(adr, groesse_);
      Ausgang aus = Ausgang::Unbekannt;
      for (int i = 0; i < 3; ++i) {
        QByteArray a;
        if (versuch(rahmen, a) != 0) {
          aus = Ausgang::Zeitueberschreitung;
          continue;
        }
        if (istDatenantwort(a, rahmen)) {
          for (int k = 0; k < kBlock; ++k) abbild[static_cast<size_t>(adr + k)] = byteAt(a, 3 + k);
          aus = Ausgang::Fertig;
          break;
        }
        aus = Statusausgang(a);
        // A status never answers a read.
        if (aus == Ausgang::Fertig) aus = Ausgang::Unbekannt;
        if (aus == Ausgang::KeinChip) break;
      }
      if (aus != Ausgang::Fertig) return scheitern(Ausgangstext(aus));
      zeige(adr / kBlock + 1);
    }
    schreibeProtokoll();
    QString fehler;
    if (!writeFileAtomically(QStringLiteral("card.dat"), Schreibe_Kartendatei(abbild), &fehler)) {
      melde(QStringLiteral("error in serial communication :") + fehler);
      return 1;
    }
    zeige(maximum_);
    return 0;
  }

 private:
  // Block 0 tells the key's image format; a key of the other size is refused.
  bool pruefeSchluesseltyp() {
    const QByteArray rahmen = Leserahmen(0, groesse_);
    for (int i = 0; i < 3; ++i) {
      QByteArray a;
      if (versuch(rahmen, a) != 0) continue;
      if (Statusausgang(a) == Ausgang::KeinChip) {
        melde(texts().S_KeinChipAdapter2);
        return false;
      }
      if (!istDatenantwort(a, rahmen)) continue;
      const uint8_t kennung = byteAt(a, 4);
      const bool typ280 = profile().Uhrentyp == 280;
      if ((!typ280 && kennung == 74) || (typ280 && (kennung == 72 || kennung == 73 || kennung == 80))) {
        melde(texts().S_benoeAnde);
        return false;
      }
      protokoll_.clear();
      return true;
    }
    return false;
  }

  int scheitern(const QString& text) {
    schreibeProtokoll();
    melde(text);
    return 1;
  }

  void schreibeProtokoll() { writeFileAtomically(QStringLiteral("rsproto.txt"), protokoll_); }
  void anzeige(const QString& s) {
    if (anzeige_) anzeige_->Status(s);
  }
  void zeige(int wert) {
    if (anzeige_) anzeige_->Fortschritt(std::clamp(wert, 0, maximum_), maximum_);
  }

  ByteLink& link_;
  SerielAnzeige* anzeige_;
  int groesse_;
  int maximum_;
  QByteArray protokoll_;
};

}  // namespace

std::function<std::unique_ptr<SerielAnzeige>()>& serielFenster() {
  static std::function<std::unique_ptr<SerielAnzeige>()> f;
  return f;
}

QByteArray Schreibrahmen(int adr, int groesse, const QByteArray& daten) {
  QByteArray r;
  if (groesse == 8192) {
    r += char(19);
    r += char(0xA0);
    r += char(adr / 256);
  } else {
    r += char(18);
    r += char(0xA0 | (((adr / 256) * 2) & 14));
  }
  r += char(adr % 256);
  return r + daten.left(kBlock).leftJustified(kBlock, '\0');
}

QByteArray Leserahmen(int adr, int groesse) {
  QByteArray r;
  if (groesse == 8192) {
    r += char(4);
    r += char(kLesen);
    r += char(adr / 256);
  } else {
    r += char(3);
    r += char(kLesen | (((adr / 256) * 2) & 14));
  }
  r += char(adr % 256);
  r += char(kBlock);
  return r;
}

int SeriellerZugriff(ByteLink& link, SerielAnzeige* anzeige) {
  Uhrenprofil& pr = profile();
  pr.SpeicherGroesse = pr.Uhrentyp == 280 ? 8192 : 2048;
  const int groesse = pr.SpeicherGroesse;
  const Texts& t = texts();
  const QString com = QString::number(settings().Lpt - 3);

  QByteArray roh;
  QString grund;
  const std::optional<Anfrage> anfrage =
      readWholeFile(QStringLiteral("quorvel.msg"), &roh, &grund) ? Lies_Anfrage(roh) : std::nullopt;
  if (!anfrage) {
    melde(QStringLiteral("error in serial communication :") + Dateifehler_Text(grund) + QStringLiteral(" quorvel.msg"));
    return 1;
  }
  // The image is checked before the first frame, so a damaged file never reaches the key.
  std::optional<QByteArray> abbild;
  if (anfrage->richtung == u's') {
    QString meldung;
    abbild = Programmabbild(anfrage->datei, groesse, &meldung);
    if (!abbild) {
      refuse(meldung);
      return 1;
    }
  }
  link.purge();
  Transfer tr(link, anzeige, groesse);
  if (groesse == 8192 && !tr.pruefeAdapter()) return 1;
  if (anfrage->richtung == u's')
    return tr.schreibe(*abbild, t.S_schreibeChip + DateinameOhnePfad(anfrage->datei) + u' ' + t.S_ueberCOM + com);
  if (anfrage->richtung == u'l') return tr.lese(t.S_leseChip + t.S_ueberCOM + com);
  return 1;
}

int SeriellerZugriff() {
  std::unique_ptr<SerielAnzeige> fenster = serielFenster() ? serielFenster()() : nullptr;
  SerialLink link;
  QString fehler;
  if (!link.open(Comport_Geraet(settings().Lpt - 3), 9600, &fehler)) {
    melde(QStringLiteral("error in serial communication :") + fehler);
    return 1;
  }
  return SeriellerZugriff(link, fenster.get());
}

}  // namespace qv
