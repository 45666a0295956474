#include "shell/Einstellungsdatei.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/AtomicFile.h"
#include "model/Cp1252.h"
#include "model/Val.h"
#include "model/ValueFile.h"
#include "model/Zustand.h"
#include "shell/Startverzeichnis.h"

namespace qv {
namespace {

struct LineFormat {
  const char* key;  // with the padding zeros that make the read-back field
  int width;        // characters read back
};

constexpr std::array<LineFormat, kSettingsLines> kLines{{
    {"KANALZAHL=", 1},
    {"BEWFT=", 1},
    {"LPT=", 1},
    {"UHRENTYP=", 3},
    {"DELAY=00", 3},
    {"ZEILEN=0", 3},
    {"MAXDELAY=00", 3},
    {"SWREGEL=", 1},
    {"SPRACHE(Uhr)=", 1},
    {"SPRACHE=", 1},
    {"ASTROC1C2=00", 1},
    {"BUSPROG=", 1},
    {"MESSKANAL=", 1},
    {"MESSPERIODE=0", 2},
    {"MESSIMPDAUER=0", 2},
    {"MESSZUSTAND=", 1},
    {"MESSZEITPUNKT=", 1},
    {"EVU=", 1},
}};

// Defaults for values a file does not give or gives out of range.
constexpr int16_t kDefaultLpt = 1;
constexpr int16_t kDefaultDelayFaktor = 5;
constexpr int16_t kDefaultZeilen = 60;
constexpr int16_t kDefaultMaxDelay = 20;
constexpr int16_t kDefaultSwRegel = 1;
constexpr int16_t kDefaultSpracheUhr = 1;
constexpr int16_t kDefaultSprache = 1;
constexpr int16_t kDefaultMessPeriode = 15;
constexpr int16_t kDefaultMessImpDauer = 1;
// Delay2 = factor * 4 * 50 must stay a 16-bit value.
constexpr int16_t kLargestDelayFaktor = 163;

QString number(int v) { return QString::number(v); }

// Delay / 4 as the single-precision number it is; whole as long as Delay is a multiple of 4.
QString numberText(float v) {
  if (std::floor(v) == v && std::fabs(v) < 1e7f) return QString::number(static_cast<qint64>(v));
  return QString::number(static_cast<double>(v), 'g', 7);
}

bool inRange(int16_t v, int lo, int hi) { return v >= lo && v <= hi; }

bool isMessPeriode(int16_t v) {
  for (int p : {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60})
    if (v == p) return true;
  return false;
}

// The value of one line: the line's first comma-separated value, its last `width` characters,
// read as a number and rounded into 16 bits; no number gives 0.
int16_t lineValue(const QString& line, int width) {
  ValueReader r(cp1252::encode(line));
  const QString value = r.nextValue().value_or(QString());
  return CInt(Val(value.right(width))).value_or(0);
}

void store(int index, int16_t v, int16_t& delayFaktor) {
  Uhrenprofil& p = profile();
  DeviceSettings& s = settings();
  switch (index) {
    case 0: p.Kanalzahl = v; break;
    case 1: p.Bewft = v; break;
    case 2: s.Lpt = v; break;
    case 3: p.Uhrentyp = v; break;
    case 4: delayFaktor = v; break;
    case 5: s.Zeilen = v; break;
    case 6: s.MaxDelay = v; break;
    case 7: s.SwRegel = v; break;
    case 8: s.SpracheUhr = v; break;
    case 9: s.Sprache = v; break;
    case 10: s.AstroC1C2 = v; break;
    case 11: p.Busprog = v; break;
    case 12: s.MessKanal = v; break;
    case 13: s.MessPeriode = v; break;
    case 14: s.MessImpDauer = v; break;
    case 15: s.MessZustand = v; break;
    case 16: s.MessZeitpunkt = v; break;
    case 17: p.Evu = v; break;
    default: break;
  }
}

// A value that no list or scroll bar can show would break the device dialog, the printout (page
// length) or the transfer; the profile values are left alone, the preselection copes with them.
void replaceOutOfRange(int16_t& delayFaktor) {
  DeviceSettings& s = settings();
  if (!inRange(s.Lpt, 1, 7)) s.Lpt = kDefaultLpt;
  if (!inRange(s.MaxDelay, 1, kLargestDelayFaktor)) s.MaxDelay = kDefaultMaxDelay;
  if (!inRange(delayFaktor, 1, s.MaxDelay)) delayFaktor = std::min(kDefaultDelayFaktor, s.MaxDelay);
  if (!inRange(s.Zeilen, 30, 120)) s.Zeilen = kDefaultZeilen;
  if (!inRange(s.SwRegel, 0, 4)) s.SwRegel = kDefaultSwRegel;
  if (!inRange(s.SpracheUhr, 0, 1)) s.SpracheUhr = kDefaultSpracheUhr;
  if (!inRange(s.Sprache, 1, 4)) s.Sprache = kDefaultSprache;
  if (!inRange(s.AstroC1C2, 0, 1)) s.AstroC1C2 = 0;
  if (!inRange(s.MessKanal, 0, 4)) s.MessKanal = 0;
  if (!isMessPeriode(s.MessPeriode)) s.MessPeriode = kDefaultMessPeriode;
  if (!inRange(s.MessImpDauer, 1, 60)) s.MessImpDauer = kDefaultMessImpDauer;
  if (!inRange(s.MessZustand, 0, 1)) s.MessZustand = 0;
  if (!inRange(s.MessZeitpunkt, 0, 1)) s.MessZeitpunkt = 0;
}

void finishRead(int linesRead, int16_t delayFaktor) {
  DeviceSettings& s = settings();
  // Without its line the delay keeps the factor it had.
  if (linesRead <= 4) delayFaktor = static_cast<int16_t>(s.Delay / 4);
  replaceOutOfRange(delayFaktor);
  s.Delay = static_cast<int16_t>(delayFaktor * 4);
  s.Delay2 = static_cast<int16_t>(s.Delay * 50);
}

}  // namespace

SettingsFileValues settingsFromGlobals() {
  const Uhrenprofil& p = profile();
  const DeviceSettings& s = settings();
  SettingsFileValues v;
  v.Kanalzahl = p.Kanalzahl;
  v.Bewft = p.Bewft;
  v.Lpt = s.Lpt;
  v.Uhrentyp = p.Uhrentyp;
  v.DelayFaktor = static_cast<float>(s.Delay) / 4.0f;
  v.Zeilen = s.Zeilen;
  v.MaxDelay = s.MaxDelay;
  v.SwRegel = s.SwRegel;
  v.SpracheUhr = s.SpracheUhr;
  v.Sprache = s.Sprache;
  v.AstroC1C2 = s.AstroC1C2;
  v.Busprog = p.Busprog;
  v.MessKanal = s.MessKanal;
  v.MessPeriode = s.MessPeriode;
  v.MessImpDauer = s.MessImpDauer;
  v.MessZustand = s.MessZustand;
  v.MessZeitpunkt = s.MessZeitpunkt;
  v.Evu = p.Evu;
  return v;
}

QByteArray settingsFileBytes(const SettingsFileValues& v) {
  const std::array<QString, kSettingsLines> values{
      number(v.Kanalzahl),   number(v.Bewft),        number(v.Lpt),
      number(v.Uhrentyp),    numberText(v.DelayFaktor), number(v.Zeilen),
      number(v.MaxDelay),    number(v.SwRegel),      number(v.SpracheUhr),
      number(v.Sprache),     v.AstroC1C2 ? number(*v.AstroC1C2) : QString(),
      number(v.Busprog),     number(v.MessKanal),    number(v.MessPeriode),
      number(v.MessImpDauer), number(v.MessZustand), number(v.MessZeitpunkt),
      number(v.Evu)};
  ValueWriter w;
  for (int k = 0; k < kSettingsLines; ++k) w.line(QString::fromLatin1(kLines[k].key) + values[k]);
  return w.bytes();
}

bool writeSettingsFile(const SettingsFileValues& v, QString* error) {
  // An existing file keeps its name, whatever its letter case, so it is replaced and not doubled.
  const QString name = fileNameIgnoringCase(QString::fromLatin1(kEinstellungsdatei));
  QString reason;
  if (writeFileAtomically(name, settingsFileBytes(v), &reason)) return true;
  if (error) *error = name + QStringLiteral(": ") + reason;
  return false;
}

SettingsReadResult readSettings(const QByteArray& fileBytes) {
  ValueReader reader(fileBytes);
  SettingsReadResult result;
  int16_t delayFaktor = 0;
  while (result.linesRead < kSettingsLines) {
    const auto line = reader.nextLine();
    if (!line) break;
    store(result.linesRead, lineValue(*line, kLines[result.linesRead].width), delayFaktor);
    ++result.linesRead;
  }
  finishRead(result.linesRead, delayFaktor);
  if (result.linesRead == kSettingsLines) {
    result.status = SettingsReadStatus::Complete;
  } else {
    result.status = SettingsReadStatus::Short;
    result.message = QStringLiteral("Input past end of file (%1: %2 of %3 lines)")
                         .arg(QString::fromLatin1(kEinstellungsdatei))
                         .arg(result.linesRead)
                         .arg(kSettingsLines);
  }
  return result;
}

SettingsReadResult readSettingsFile() {
  const QString name = fileNameIgnoringCase(QString::fromLatin1(kEinstellungsdatei));
  if (!QFileInfo::exists(name)) {
    finishRead(0, 0);
    return {SettingsReadStatus::Missing, 0, QString()};
  }
  QByteArray bytes;
  QString error;
  if (!readWholeFile(name, &bytes, &error)) {
    finishRead(0, 0);
    return {SettingsReadStatus::Unreadable, 0, error};
  }
  return readSettings(bytes);
}

}  // namespace qv
