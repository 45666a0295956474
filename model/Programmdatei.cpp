#include "model/Programmdatei.h"

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Sortierung.h"
#include "model/Texte.h"
#include "model/ValueFile.h"
#include "model/Zustand.h"

namespace qv {
namespace {

struct LineGroup {
  int lines;
  int perLine;
};

// 20 header lines, 20 changeover entries, the two list heads, 324 slots; the 8 KB image goes on
// with its remaining slots, reserved bytes, the astro days and limits, texts and reserve.
constexpr LineGroup kLines2K[] = {{20, 1}, {20, 4}, {2, 2}, {324, 6}};
constexpr LineGroup kLines8K[] = {{20, 1}, {20, 4}, {2, 2},    {324, 6},
                                  {184, 6}, {16, 1}, {4, 2}, {1464, 3}, {624, 1}};

template <size_t N>
void writeGroups(const LineGroup (&groups)[N], const TAbbild& b, QByteArray& out) {
  size_t at = 0;
  for (const LineGroup& g : groups)
    for (int l = 0; l < g.lines; ++l) {
      for (int v = 0; v < g.perLine && at < b.size(); ++v) {
        out += ' ';
        out += QByteArray::number(b[at++]);
        out += ' ';
      }
      out += "\r\n";
    }
}

}  // namespace

QByteArray Schreibe_Zeilen(const TAbbild& stored, const QString& verwendung,
                           const std::array<QString, 16>& kanalnamen) {
  QByteArray out;
  if (stored.size() > 2048) writeGroups(kLines8K, stored, out);
  else writeGroups(kLines2K, stored, out);
  ValueWriter texte;
  texte.line(verwendung);
  for (int k = 1; k <= 16; ++k) {
    const QString& name = kanalnamen[k - 1];
    texte.line(name.isEmpty() ? QStringLiteral("C%1 :").arg(k) : name);
  }
  return out + texte.bytes();
}

int SchreibeProgrammDatei() {
  BusyCursor busy;
  ProgramState& p = program();
  const DeviceSettings& s = settings();

  if (p.AnzSw[0] == 0 && p.AnzGesamt[0] == 0 && astro().AstroAktiv[0] == 0 && p.LeerBestaetigt == 0 &&
      s.MessKanal == 0) {
    if (env().message(texts().S_KeineDatenVorh, Buttons::OkCancel, Icon::None) != Answer::Ok) return 0;
    p.Programmnummer[0] = kKeineProgrammnummer;
  }

  int ergebnis = 1;
  if (p.AnzSw[0] == 0 && s.SwRegel == 4) {
    refuse(texts().S_WaehlAnde);
    ergebnis = 0;
  } else {
    const TAbbild image = Kodiere_Abbild();
    std::array<QString, 16> namen;
    for (int k = 0; k < 16; ++k) namen[k] = p.Kanalname[k][0];
    QString fehler;
    if (image.empty()) {
      ergebnis = 0;
    } else if (!writeFileAtomically(p.Dateiname[0], Schreibe_Zeilen(image, p.Verwendung[0], namen), &fehler)) {
      // The previous file stays as it was; the program keeps counting as changed.
      refuse(p.Dateiname[0] + QStringLiteral(": ") + fehler);
      ergebnis = 0;
    } else {
      p.Geaendert = 0;
    }
  }
  SortiereSz(1, 0);
  return ergebnis;
}

}  // namespace qv
