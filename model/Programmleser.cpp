#include "model/Programmleser.h"

#include <algorithm>
#include <optional>

#include "model/Abbild.h"
#include "model/Astrogrenzen.h"
#include "model/AtomicFile.h"
#include "model/Dateinamen.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Kopfdaten.h"
#include "model/Sortierung.h"
#include "model/Uhrentypname.h"
#include "model/ValueFile.h"
#include "model/Zustand.h"

namespace qv {
namespace {

// Everything a read may change, decoded here first and taken over only when the read succeeds.
struct Arbeitsstand {
  ProgramState prog = program();
  Uhrenprofil prof = profile();
  DeviceSettings set = settings();
  AstroState astro = qv::astro();
};

int bit(int wert, int nr) { return (wert >> nr) & 1; }

bool isSeparator(QChar c) { return c == u' ' || c == u'\t' || c == u','; }

// The image values: whole numbers 0..255 separated by blanks, tabs, commas or line ends. After
// the last value the rest of its line is passed over, so the texts start on the next line.
std::optional<LeseErgebnis> readValues(ValueReader& r, const AbbildFormat& f, TAbbild& out) {
  out.clear();
  out.reserve(f.groesse);
  while (static_cast<int>(out.size()) < f.groesse) {
    const std::optional<QString> line = r.nextLine();
    if (!line) return LeseErgebnis::Ungueltig;
    int pos = 0;
    const int len = static_cast<int>(line->size());
    while (pos < len && static_cast<int>(out.size()) < f.groesse) {
      while (pos < len && isSeparator((*line)[pos])) ++pos;
      if (pos >= len) break;
      int v = 0;
      for (; pos < len && !isSeparator((*line)[pos]); ++pos) {
        const QChar c = (*line)[pos];
        if (c < u'0' || c > u'9') return LeseErgebnis::Ungueltig;
        v = v * 10 + (c.unicode() - u'0');
        if (v > 255) return LeseErgebnis::Ungueltig;
      }
      out.push_back(static_cast<uint8_t>(v));
      // An 8 KB image is recognised from its format id before anything else is read.
      if (out.size() == 2 && f.groesse == 2048 && (out[1] & 127) == 74) return LeseErgebnis::Abbild8K;
    }
  }
  return std::nullopt;
}

// A text line without its leading blanks. A text that starts with a quote ends at the next quote
// and keeps its commas; the quotes are not part of it.
QString textOfLine(const QString& s) {
  int i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  if (i < s.size() && s[i] == u'"') {
    const int ende = static_cast<int>(s.indexOf(u'"', i + 1));
    return ende < 0 ? s.mid(i + 1) : s.mid(i + 1, ende - i - 1);
  }
  return s.mid(i);
}

// The decoders of the three image families, on the decoded order, into the working state.
LeseErgebnis decode(const AbbildFormat& f, const TAbbild& b, int m, Arbeitsstand& z) {
  const int typ = f.uhrentyp;
  const int id = b[1] & 127;
  if (typ == 240 && id != 72 && id != 73)
    return b[1] == 80 ? LeseErgebnis::Typ309 : LeseErgebnis::Ungueltig;
  if (typ == 280 && id != 74)
    return id == 72 || id == 73 ? LeseErgebnis::Typ240 : id == 80 ? LeseErgebnis::Typ309 : LeseErgebnis::Ungueltig;
  if (typ == 309 && b[1] != 80)
    return b[1] == 72 || b[1] == 73 ? LeseErgebnis::Typ240 : LeseErgebnis::Ungueltig;
  if (typ != 309 && (b[1] & 128)) return LeseErgebnis::Mastercard;

  ProgramState& p = z.prog;
  Uhrenprofil& pr = z.prof;
  DeviceSettings& s = z.set;
  AstroState& a = z.astro;

  if (typ != 280) pr.Geraetecode = b[1];
  if (typ == 240 && b[1] == 73) pr.Bewft = 1;
  if (typ != 309) s.Codierbyte = b[adr::kCodierbyte];

  const int familie = bit(b[2], 3);
  if (familie != pr.Geraetefamilie && p.AnzGesamt[1 - m] != 0) return LeseErgebnis::Familienkonflikt;

  for (int k = 0; k < 8; ++k) p.Kopf[m][k] = b[k];

  if (m == 0) {
    if (typ != 280) pr.Kanalzahl = static_cast<int16_t>((b[2] & 7) + 1);
    if (typ != 309) pr.Geraetefamilie = static_cast<int16_t>(familie);
    s.SwRegel = static_cast<int16_t>(b[2] >> 4);
    s.OptDatum = bit(b[3], 1);
    s.SpracheUhr = typ == 309 ? 1 : bit(b[3], 2);
    s.OptFunk = bit(b[3], 3);
    s.OptNak = bit(b[3], 4);
    s.OptDauer = bit(b[3], 5);
    s.Schreibschutz = 1 - bit(b[adr::kSchreibschutz], 1);
    if (typ == 309) pr.MaxSz = 120;
  } else if (p.AnzGesamt[0] == 0) {
    pr.Geraetefamilie = bit(p.Kopf[1][2], 3);
  }

  if (typ != 309) {
    const int d1 = BCD_zu_Dez(b[13]), d2 = BCD_zu_Dez(b[14]), d3 = BCD_zu_Dez(b[15]);
    p.Programmnummer[m] = (d1 > 99 || d2 > 99 || d3 > 99) ? kKeineProgrammnummer : d1 * 10000 + d2 * 100 + d3;

    const int periode = b[16] & 63;
    if (periode >= 1 && periode <= 60) {
      s.MessPeriode = static_cast<int16_t>(periode);
      s.MessKanal = static_cast<int16_t>((b[16] >> 6) + 1);
      s.MessImpDauer = b[17] & 63;
      s.MessZustand = bit(b[17], 7);
      s.MessZeitpunkt = bit(b[17], 6);
    } else {
      s.MessKanal = 0;
      s.MessImpDauer = 1;
      s.MessPeriode = 1;
      s.MessZustand = 0;
      s.MessZeitpunkt = 0;
    }
  } else {
    auto signedByte = [](int v) { return v >= 128 ? v - 256 : v; };
    a.AstroKorrAuf = static_cast<float>(std::clamp(signedByte(b[13]), -120, 120));
    a.AstroKorrUnter = static_cast<float>(std::clamp(signedByte(b[14]), -120, 120));
    const double laenge = b[15] + bit(b[18], 7) / 2.0;
    a.AstroLaenge = static_cast<float>(std::clamp(bit(b[17], 7) ? -laenge : laenge, -180.0, 180.0));
    const double breite = (b[16] & 127) + bit(b[18], 6) / 2.0;
    a.AstroBreite = static_cast<float>(std::clamp(bit(b[16], 7) ? -breite : breite, -70.0, 70.0));
    const int zone = ((b[17] & 15) * 4 + ((b[17] >> 5) & 3)) * 15;
    a.AstroZeitzone = static_cast<float>(std::clamp(bit(b[17], 4) ? -zone : zone, -720, 720));
    a.AstroZusatz = static_cast<int16_t>(std::min(b[18] & 63, 59));
    s.AstroC1C2 = bit(b[adr::kSchreibschutz], 3);
  }

  p.AnzSw[m] = 0;
  if (b[adr::kSwKopf] == 255) {
    p.SwKopf[m] = 0;
    p.SwProJahr[m] = 0;
  } else {
    p.SwKopf[m] = b[adr::kSwKopf];
    p.SwProJahr[m] = bit(b[adr::kSwKopf], 6);
    // Used entries move up over unused ones in table order, so the first AnzSw entries are the
    // used ones: the table and the writer only look at those.
    int frei = kSwEntries;
    for (int i = 0; i < kSwEntries; ++i) {
      const int at = adr::kSwTabelle + 4 * i;
      const TSwEintrag e{b[at], b[at + 1], b[at + 2], b[at + 3]};
      if (b[at] < 240) p.SwTab[m][p.AnzSw[m]++] = e;
      else p.SwTab[m][--frei] = e;
    }
    std::reverse(std::begin(p.SwTab[m]) + p.AnzSw[m], std::end(p.SwTab[m]));
  }

  // The used chain, bounded by the capacity so that a loop or a wild link ends the read.
  p.AnzSz[m] = 0;
  p.AnzPz[m] = 0;
  int n = b[adr::kErsterBelegt] * 256 + b[adr::kErsterBelegt + 1];
  int i = 0;
  int schritte = 0;
  while (n != 0) {
    if (++schritte > f.kapazitaet || n > f.kapazitaet) return LeseErgebnis::Ungueltig;
    if (typ == 240 && n > 150) pr.MaxSz = 324;
    if (typ != 240) pr.MaxSz = static_cast<int16_t>(f.kapazitaet);
    const uint8_t* r = &b[adr::slot(n)];
    const TSz rec{r[0], r[1], 0, static_cast<uint8_t>(r[3] & 127), r[4], r[5]};
    if (r[0] <= 89 || (r[0] >= 128 && r[0] <= 217)) {
      p.Sz[m][i++] = rec;
      ++p.AnzSz[m];
    } else if (r[0] >= 96 && r[0] <= 127) {
      p.Sz[m][i++] = rec;
      ++p.AnzPz[m];
    }
    n = bit(r[3], 7) * 256 + r[2];
  }

  if (typ == 280) {
    a.AstroAktiv[0] = 0;
    for (int v = 0; v < kAstroChannels; ++v) {
      a.AstroAktiv[v + 1] = 0;
      for (int d = 0; d < adr::kAstroTage; ++d) {
        TAstroTag& t = a.AstroTab[v][d];
        t = fromTripleA(&b[adr::kAstro280 + 3 * (adr::kAstroTage * v + d)]);
        if (t.Aufgang != f.keineZeit || t.Untergang != f.keineZeit) a.AstroAktiv[v + 1] = a.AstroAktiv[0] = -1;
      }
      const TAstroTag g = fromTripleA(&b[adr::kGrenzen280 + 3 * v]);
      // A limit out of range (a sunset limit of 1440, say) would hide the times in the astro view.
      a.AstroGrenzen[v] = normalisedLimits(TAstroEinst{g.Aufgang, g.Untergang, g.ZustandAuf, g.ZustandUnter});
    }
  } else if (typ == 309) {
    // The astro type always carries its astro channel, whatever its times.
    for (int d = 0; d < adr::kAstroTage; ++d) fromTripleB(&b[adr::kAstro309 + 3 * d], a.AstroTab[0][d]);
    a.AstroAktiv[1] = a.AstroAktiv[0] = -1;
  }
  return LeseErgebnis::Geladen;
}

// Only the template's own data goes into slot 1; the own program's settings stay.
void takeOverTemplate(const Arbeitsstand& z) {
  ProgramState& p = program();
  const ProgramState& q = z.prog;
  constexpr int m = 1;
  std::copy(std::begin(q.Sz[m]), std::end(q.Sz[m]), std::begin(p.Sz[m]));
  p.AnzSz[m] = q.AnzSz[m];
  p.AnzPz[m] = q.AnzPz[m];
  p.AnzGesamt[m] = q.AnzGesamt[m];
  p.AnzSw[m] = q.AnzSw[m];
  std::copy(std::begin(q.SwTab[m]), std::end(q.SwTab[m]), std::begin(p.SwTab[m]));
  p.SwKopf[m] = q.SwKopf[m];
  p.SwProJahr[m] = q.SwProJahr[m];
  std::copy(std::begin(q.Kopf[m]), std::end(q.Kopf[m]), std::begin(p.Kopf[m]));
  p.Programmnummer[m] = q.Programmnummer[m];
  p.Verwendung[m] = q.Verwendung[m];
  for (int k = 0; k < kChannelNames; ++k) p.Kanalname[k][m] = q.Kanalname[k][m];
  profile().Geraetefamilie = z.prof.Geraetefamilie;
}

}  // namespace

LeseErgebnis LeseProgrammDatei(const QString& dateiname, int OhneTexte, int Speicher) {
  BusyCursor busy;
  const int m = Speicher == 1 ? 1 : 0;
  const std::optional<int> vorhanden = Datei_existiert(dateiname);
  if (!vorhanden) return LeseErgebnis::Gemeldet;
  if (*vorhanden != 1) return LeseErgebnis::Fehlt;

  const AbbildFormat* f = imageFormat(profile().Uhrentyp);
  QString grund;
  std::optional<ValueReader> reader = ValueReader::open(dateiname, &grund, kMaxProgramFileBytes);
  if (!reader && grund == tooLargeReason()) return LeseErgebnis::ZuGross;
  if (!f || !reader) return LeseErgebnis::Ungueltig;

  TAbbild stored;
  if (const auto refused = readValues(*reader, *f, stored)) return *refused;
  if (!checksumOk(stored)) return LeseErgebnis::Ungueltig;
  const TAbbild image = toDecodedOrder(*f, stored);

  Arbeitsstand z;
  const LeseErgebnis ergebnis = decode(*f, image, m, z);
  if (ergebnis == LeseErgebnis::Mastercard) {
    ProgramState& p = program();
    p.AnzSz[m] = p.AnzPz[m] = p.AnzGesamt[m] = p.AnzSw[m] = 0;
    return ergebnis;
  }
  if (ergebnis != LeseErgebnis::Geladen) return ergebnis;

  if (OhneTexte == 0) {
    // Whole lines, so a comma in a name is part of the name. A channel name keeps one leading
    // blank in front of what the line holds, as names always have.
    const std::optional<QString> verwendung = reader->nextLine();
    if (!verwendung) return LeseErgebnis::Ungueltig;
    z.prog.Verwendung[m] = textOfLine(*verwendung);
    const int kanaele = std::clamp<int>(z.prof.Kanalzahl, 0, kChannelNames);
    for (int k = 0; k < kanaele; ++k) {
      const std::optional<QString> name = reader->nextLine();
      if (!name) return LeseErgebnis::Ungueltig;
      z.prog.Kanalname[k][m] = QStringLiteral(" ") + textOfLine(*name);
    }
  }
  z.prog.AnzGesamt[m] = static_cast<int16_t>(z.prog.AnzSz[m] + z.prog.AnzPz[m]);

  if (m == 0) {
    program() = z.prog;
    profile() = z.prof;
    settings() = z.set;
    astro() = z.astro;
  } else {
    takeOverTemplate(z);
  }
  SortiereSz(1, m);
  if (m == 0) {
    profile().UhrentypText = Uhrentyp_Name();
    callHook(hooks().setSaveCommandEnabled, true);
  }
  return LeseErgebnis::Geladen;
}

}  // namespace qv
