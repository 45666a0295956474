#include "model/Feiertage.h"

#include "model/Dateiposten.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Texte.h"
#include "model/ValueFile.h"

namespace qv {
namespace {

// A holiday file of this size is no holiday file; refusing it early keeps the reader bounded.
constexpr qsizetype kMaxFileBytes = 4 * 1024 * 1024;

HolidayTable gTable;
// The table as the holiday file held it at the last read or write: what differs from it has not
// reached the file yet.
HolidayTable gGespeichert;
// The holiday file refused by the last read: whatever it holds belongs to someone else.
QString gAbgelehnt;

bool plausible(const TFeiertag& f) {
  switch (f.Art) {
    case 0:
    case 1:
      return f.Monat >= 1 && f.Monat <= 12 && f.Tag >= 0 && f.Tag <= 31;
    case 2:
      return true;  // the distance range is checked on reading
    default:
      return false;
  }
}

std::optional<HolidayTable> fail(QString* reason, const QString& why) {
  if (reason) *reason = why;
  return std::nullopt;
}

}  // namespace

bool operator==(const HolidayTable& a, const HolidayTable& b) {
  if (a.AnzFt != b.AnzFt || a.AnzFtSets != b.AnzFtSets || a.Feiertage != b.Feiertage ||
      a.FtSetName != b.FtSetName)
    return false;
  for (int s = 0; s < kFtSetRows; ++s)
    if (!std::equal(std::begin(a.FtSet[s]), std::end(a.FtSet[s]), std::begin(b.FtSet[s])))
      return false;
  return true;
}

HolidayTable& holidayTable() { return gTable; }

void resetHolidayTable() {
  gTable = HolidayTable{};
  gGespeichert = HolidayTable{};
}

QByteArray encodeHolidayFile(const HolidayTable& t) {
  const int holidays = std::clamp<int>(std::min<qsizetype>(t.AnzFt, t.Feiertage.size()), 0,
                                       kFtMaxHolidays);
  const int sets =
      std::clamp<int>(std::min<qsizetype>(t.AnzFtSets, t.FtSetName.size()), 0, kFtSetRows);
  ValueWriter w;
  w.line(numberItem(holidays) + numberItem(sets));
  for (int i = 0; i < holidays; ++i) {
    const TFeiertag& f = t.Feiertage[i];
    w.line(nameItem(f.Name) + u',' + numberItem(f.Art) + numberItem(f.Wochentag) +
           numberItem(f.Tag) + numberItem(f.Monat));
  }
  for (int s = 0; s < sets; ++s) {
    const int count = std::clamp<int>(t.FtSet[s][0], 0, kFtSetMaxMembers);
    w.line(nameItem(t.FtSetName[s]));
    w.line(numberItem(count));
    for (int m = 1; m <= count; ++m) w.line(numberItem(t.FtSet[s][m]));
  }
  return w.bytes();
}

std::optional<HolidayTable> decodeHolidayFile(const QByteArray& bytes, QString* reason) {
  if (bytes.size() > kMaxFileBytes) return fail(reason, QStringLiteral("file too large"));
  ItemReader in(bytes);
  HolidayTable t;
  const auto holidays = in.number(0, kFtMaxHolidays);
  if (!holidays) return fail(reason, QStringLiteral("holiday count missing or out of range"));
  const auto sets = in.number(0, kFtSetRows);
  if (!sets) return fail(reason, QStringLiteral("set count missing or out of range"));
  t.AnzFt = static_cast<int16_t>(*holidays);
  t.AnzFtSets = static_cast<int16_t>(*sets);

  t.Feiertage.reserve(*holidays);
  for (int i = 0; i < *holidays; ++i) {
    TFeiertag f;
    const auto name = in.text();
    const auto art = in.number(0, 2);
    const auto wtag = in.number(-7, 7);
    const auto tag = in.number(-82, 173);
    const auto monat = in.number(0, 12);
    if (!name || !art || !wtag || !tag || !monat)
      return fail(reason, QStringLiteral("holiday %1 incomplete or out of range").arg(i + 1));
    f.Name = *name;
    f.Art = static_cast<int16_t>(*art);
    f.Wochentag = static_cast<int16_t>(*wtag);
    f.Tag = static_cast<int16_t>(*tag);
    f.Monat = static_cast<int16_t>(*monat);
    if (!plausible(f)) return fail(reason, QStringLiteral("holiday %1 has no valid date").arg(i + 1));
    t.Feiertage.push_back(f);
  }

  for (int s = 0; s < *sets; ++s) {
    const auto name = in.text();
    const auto count = in.number(0, kFtSetMaxMembers);
    if (!name || !count)
      return fail(reason, QStringLiteral("set %1 incomplete or too large").arg(s + 1));
    t.FtSetName.append(*name);
    int kept = 0;
    for (int m = 1; m <= *count; ++m) {
      const auto code = in.number(INT16_MIN, INT16_MAX);
      if (!code) return fail(reason, QStringLiteral("set %1 incomplete").arg(s + 1));
      if (*code >= 1 && *code <= *holidays) t.FtSet[s][++kept] = static_cast<int16_t>(*code);
    }
    t.FtSet[s][0] = static_cast<int16_t>(kept);
  }
  return t;
}

QString holidayFilePath() { return QDir::current().absoluteFilePath(texts().FtDatei); }

void Lies_Feiertage() {
  resetHolidayTable();
  gAbgelehnt.clear();
  if (texts().FtDatei.isEmpty()) return;
  const QString path = holidayFilePath();
  if (!QFile::exists(path)) return;  // a first run: no holidays yet

  QByteArray bytes;
  QString why;
  std::optional<HolidayTable> read;
  if (readWholeFile(path, &bytes, &why)) read = decodeHolidayFile(bytes, &why);
  if (read) {
    gTable = std::move(*read);
    gGespeichert = gTable;
    return;
  }
  // The name comes from the text table and may name any file: never write over this one.
  gAbgelehnt = path;
  env().message(texts().FtDatei + QStringLiteral(": ") + texts().S_KeineGueltDatei, Buttons::Ok,
                Icon::Critical);
}

bool Schreib_Feiertage(QString* fehler) {
  if (texts().FtDatei.isEmpty()) return false;
  const Texts& t = texts();
  QString text;
  if (!gAbgelehnt.isEmpty() && holidayFilePath() == gAbgelehnt && QFile::exists(gAbgelehnt)) {
    text = t.S_DateiUnge + t.FtDatei + QStringLiteral(": ") + t.S_KeineGueltDatei;
  } else {
    QString grund;
    if (writeFileAtomically(holidayFilePath(), encodeHolidayFile(gTable), &grund)) {
      gGespeichert = gTable;
      return true;
    }
    // 75: the path/file access error, as the program numbers file failures; the reason follows.
    text = QStringLiteral("Error : 75\n") + t.FtDatei + QStringLiteral(": ") + grund;
  }
  if (fehler) *fehler = text;
  else env().message(text, Buttons::Ok, Icon::Critical);
  return false;
}

bool Feiertage_ungespeichert() { return !(gTable == gGespeichert); }

bool Sichere_Feiertage(QString* fehler) {
  // A text table without a holiday file name has nowhere to keep them.
  if (texts().FtDatei.isEmpty() || !Feiertage_ungespeichert()) return true;
  return Schreib_Feiertage(fehler);
}

QString Oster_Name(int wert) {
  const int n = wert - kFtOsterwertNull;
  QString name;
  bool found = false;
  const int count = std::min<qsizetype>(gTable.AnzFt, gTable.Feiertage.size());
  for (int i = 0; i < count; ++i) {
    const TFeiertag& f = gTable.Feiertage[i];
    if (f.Art == 2 && f.Tag == n) {
      name = f.Name;
      found = true;
    }
  }
  if (found) return name;
  const Texts& t = texts();
  if (n < 0) return t.S_Ostern + u' ' + QString::number(n) + u' ' + t.S_TagE;
  return t.S_Ostern + QStringLiteral(" + ") + QString::number(n) + u' ' + t.S_TagE;
}

}  // namespace qv
