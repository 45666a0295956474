#include "transfer/SeriellerZugriff.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Texte.h"
#include "model/Zustand.h"
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
    *meldung = datei + QStringLiteral(": ") + Dateifehler_Text(grund);
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

// What one answer in a block loop comes to. fremd: the line carried more than this frame's one
// answer, so an answer taken since the line was last quiet may have been another frame's.
struct Urteil {
  Ausgang aus;
  bool fremd = false;
};

bool zuLang(const QByteArray& a) {
  const int soll = Antwortlaenge(byteAt(a, 0));
  return soll > 0 && a.size() > soll;
}

Urteil Schreibantwort(const QByteArray& a) {
  if (zuLang(a)) return {Ausgang::Unbekannt, true};
  return {Statusausgang(a)};
}

Urteil Leseantwort(const QByteArray& a, const QByteArray& rahmen) {
  if (istDatenantwort(a, rahmen)) return {Ausgang::Fertig};
  // A whole data answer with another echo answers another frame.
  if (zuLang(a) || (a.size() == kDaten + 1 && byteAt(a, 0) == kDaten)) return {Ausgang::Unbekannt, true};
  const Ausgang aus = Statusausgang(a);
  // A status never answers a read.
  return {aus == Ausgang::Fertig ? Ausgang::Unbekannt : aus};
}

// The first two bytes of a data answer to a read of block 0, as the probes look at it.
bool beginntMitDaten(const QByteArray& a) { return byteAt(a, 0) == kDaten && byteAt(a, 1) == kLesen; }

class Transfer {
 public:
  Transfer(ByteLink& link, SerielAnzeige* anzeige, int groesse)
      : link_(link), anzeige_(anzeige), groesse_(groesse), maximum_(groesse / kBlock + 1),
        versuche_(static_cast<size_t>(groesse / kBlock), 0) {
    zeige(0);
  }

  // The 8 KB probe: false when the adapter is too old for the key.
  bool pruefeAdapter() {
    const QByteArray rahmen = Leserahmen(0, groesse_);
    for (int i = 0; i < 3; ++i) {
      QByteArray a;
      bereite();
      if (versuch(rahmen, a) != 0) continue;
      if (a.size() != Antwortlaenge(byteAt(a, 0))) unruhig_ = true;
      if (byteAt(a, 0) == kAlt && byteAt(a, 1) == kLesen) {
        melde(texts().S_SchaBenoe);
        return false;
      }
      if (beginntMitDaten(a)) break;
      unruhig_ = true;
    }
    protokoll_.clear();
    return true;
  }

  int schreibe(const QByteArray& abbild, const QString& status) {
    anzeige(status);
    warte(wartezeiten().pauseMs);
    protokoll_.clear();
    int ab = 0;
    const auto rahmen = [&](int adr) { return Schreibrahmen(adr, groesse_, abbild.mid(adr, kBlock)); };
    const auto nimm = [](const QByteArray&, const QByteArray& a, int) { return Schreibantwort(a); };
    for (;;) {
      if (bloecke(ab, rahmen, nimm) != 0) return 1;
      // The check: block 0 read back must be what was written. Left-over answers found before it
      // send the blocks since the line was last quiet once more.
      const Pruefung p = pruefe(abbild.left(kBlock));
      if (p == Pruefung::Zurueck) {
        if (!zurueck()) return scheitern(texts().S_unbeMeld);
        ab = ruhigAb_;
        continue;
      }
      if (p == Pruefung::Anders) melde(texts().S_benoeAnde);
      if (p != Pruefung::Gleich) return 1;
      zeige(maximum_);
      return 0;
    }
  }

  int lese(const QString& status) {
    if (!pruefeSchluesseltyp()) return 1;
    anzeige(status);
    warte(wartezeiten().pauseMs);
    protokoll_.clear();
    std::vector<uint8_t> abbild(static_cast<size_t>(groesse_));
    const auto rahmen = [&](int adr) { return Leserahmen(adr, groesse_); };
    const auto nimm = [&](const QByteArray& r, const QByteArray& a, int adr) {
      const Urteil u = Leseantwort(a, r);
      if (u.aus == Ausgang::Fertig)
        for (int k = 0; k < kBlock; ++k) abbild[static_cast<size_t>(adr + k)] = byteAt(a, 3 + k);
      return u;
    };
    for (int ab = 0;;) {
      if (bloecke(ab, rahmen, nimm) != 0) return 1;
      // An answer taken for another frame's shows itself when the one really due comes after it,
      // so the line must stay quiet for the answer time after the last block.
      if (!nachlaufFremd()) break;
      if (!zurueck()) return scheitern(texts().S_unbeMeld);
      ab = ruhigAb_;
    }
    QString fehler;
    if (!writeFileAtomically(QStringLiteral("card.dat"), Schreibe_Kartendatei(abbild), &fehler)) {
      melde(QStringLiteral("error in serial communication :card.dat: ") + fehler);
      return 1;
    }
    zeige(maximum_);
    return 0;
  }

 private:
  // How the line was found before a frame: Frei nothing waiting after a clean exchange; Still
  // quiet after a drain that dropped nothing; Geleert drained of what an irregular exchange left;
  // Fremd bytes after a clean exchange, which no frame asked for.
  enum class Vorlauf { Frei, Still, Geleert, Fremd };
  enum class Pruefung { Gleich, Anders, Fehlgeschlagen, Zurueck };

  // Before every frame. A clean exchange costs one look at the line; after anything else the line
  // is drained until it stays quiet, so that no answer to an earlier frame is taken for this one.
  Vorlauf bereite() {
    QByteArray rest;
    link_.readSome(rest, 0);
    if (!unruhig_ && rest.isEmpty()) return Vorlauf::Frei;
    const bool fremd = !unruhig_;
    unruhig_ = false;
    const bool weg = leere() || !rest.isEmpty();
    if (fremd) return Vorlauf::Fremd;
    return weg ? Vorlauf::Geleert : Vorlauf::Still;
  }

  // Drops what comes until the line has been quiet for ruheMs (by default the quiet time after a
  // fault); a line that never falls quiet is left after a bound, and its next answer will not
  // pass. True when anything came.
  bool leere() { return leere(wartezeiten().ruheNachFehlerMs); }
  bool leere(int ruheMs) {
    const QDeadlineTimer ende(wartezeiten().antwortMaxMs + 2 * ruheMs);
    bool kam = false;
    QByteArray weg;
    while (link_.readSome(weg, ruheMs)) {
      kam = true;
      weg.clear();
      if (ende.hasExpired()) break;
    }
    link_.purge();
    return kam;
  }

  // After the last block: true when the line brings more answers than the frames asked for.
  // What follows an exchange that was not clean is its own late answer and dropped.
  bool nachlaufFremd() {
    if (!unruhig_) return leere(wartezeiten().antwortMs);
    bereite();
    return false;
  }

  // One try: the frame sent and logged, the answer awaited and logged.
  int versuch(const QByteArray& rahmen, QByteArray& antwort) {
    antwort = QByteArrayLiteral("nix");
    const int r = link_.write(rahmen) ? Empfange_Seriell(link_, antwort) : 1;
    protokoll_ += Protokollzeile(rahmen) + Protokollzeile(antwort);
    if (r != 0) unruhig_ = true;
    return r;
  }

  // Going back to the blocks since the line was last quiet; bounded, so that a line full of
  // stray answers ends the transfer.
  bool zurueck() { return ++zurueck_ <= 3; }

  // Every block from block ab on, each with up to three tries in all; 0 done, 1 failed with the
  // user told why.
  int bloecke(int ab, const std::function<QByteArray(int)>& rahmen,
              const std::function<Urteil(const QByteArray&, const QByteArray&, int)>& nimm) {
    ruhigAb_ = ab;
    int verlorenBei = -1;
    for (int b = ab; b < int(versuche_.size());) {
      const Vorlauf v = bereite();
      if (v == Vorlauf::Fremd) {
        if (!zurueck()) return scheitern(texts().S_unbeMeld);
        b = ruhigAb_;
        continue;
      }
      if (v == Vorlauf::Still) ruhigAb_ = b;
      const int adr = b * kBlock;
      const QByteArray r = rahmen(adr);
      QByteArray a;
      const int versuchNr = ++versuche_[size_t(b)];
      const Urteil u = versuch(r, a) != 0 ? Urteil{Ausgang::Zeitueberschreitung} : nimm(r, a, adr);
      if (u.aus == Ausgang::Fertig) {
        // After a retry the earlier try's answer may still be on its way.
        if (verlorenBei == b) unruhig_ = true;
        zeige(b + 1);
        ++b;
        continue;
      }
      unruhig_ = true;
      verlorenBei = b;
      if (u.aus == Ausgang::KeinChip || versuchNr >= 3) return scheitern(Ausgangstext(u.aus));
      if (u.fremd) {
        if (!zurueck()) return scheitern(texts().S_unbeMeld);
        b = ruhigAb_;
      }
    }
    schreibeProtokoll();
    return 0;
  }

  // The write's check of block 0. A time-out marks the transfer as failed even when a later try
  // is answered; an answer that is not block 0's costs a try.
  Pruefung pruefe(const QByteArray& block0) {
    const QByteArray rahmen = Leserahmen(0, groesse_);
    bool zeit = false;
    for (int i = 0; i < 3; ++i) {
      if (bereite() == Vorlauf::Fremd && i == 0) return Pruefung::Zurueck;
      QByteArray a;
      if (versuch(rahmen, a) != 0) {
        zeit = true;
        continue;
      }
      if (!istDatenantwort(a, rahmen)) {
        unruhig_ = true;
        continue;
      }
      if (a.mid(3, kBlock) != block0) return Pruefung::Anders;
      return zeit ? Pruefung::Fehlgeschlagen : Pruefung::Gleich;
    }
    return Pruefung::Fehlgeschlagen;
  }

  // Block 0 tells the key's image format; a key of the other size is refused. The read frame of
  // block 0 goes three times in all, and the third send decides: no answer to it ends the read,
  // whatever it brings lets the block loop follow and tell. False: the read ends here.
  bool pruefeSchluesseltyp() {
    const QByteArray rahmen = Leserahmen(0, groesse_);
    const bool typ280 = profile().Uhrentyp == 280;
    for (int i = 0; i < 3; ++i) {
      QByteArray a;
      bereite();
      if (versuch(rahmen, a) != 0) {
        if (i == 2) return false;
        continue;
      }
      if (!istDatenantwort(a, rahmen)) unruhig_ = true;
      if (!beginntMitDaten(a) || a.size() < 5) continue;
      const uint8_t kennung = byteAt(a, 4);
      if ((!typ280 && kennung == 74) || (typ280 && (kennung == 72 || kennung == 73 || kennung == 80))) {
        melde(texts().S_benoeAnde);
        return false;
      }
    }
    protokoll_.clear();
    return true;
  }

  int scheitern(const QString& text) {
    schreibeProtokoll();
    melde(text);
    return 1;
  }

  // A log that cannot be written is reported; the transfer's own outcome stands.
  void schreibeProtokoll() {
    const QString datei = QStringLiteral("rsproto.txt");
    QString grund;
    if (!writeFileAtomically(datei, protokoll_, &grund)) refuse(Datei_nicht_schreibbar(datei, grund));
  }
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
  std::vector<int> versuche_;  // frames sent per block, retries and sends after going back alike
  bool unruhig_ = false;       // the last exchange was not clean: drain before the next frame
  int ruhigAb_ = 0;            // the first block answered since the line was last seen quiet
  int zurueck_ = 0;
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
  // What an earlier transfer left on the line is dropped before the first frame.
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
