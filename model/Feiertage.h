#pragma once
// The holiday table and the holiday sets, and the holiday file of the UI language that keeps
// them between runs. One table for the whole run: read at start-up, changed by the holiday
// editor and the priority-time entry, written back whole.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace qv {

// One holiday. Art 0: fixed date (Tag, Monat). Art 1: the weekday |Wochentag| before (< 0) or
// after (> 0) the date (Tag, Monat), 1 to 7 days away. Art 2: Tag days from Easter Sunday.
struct TFeiertag {
  QString Name;
  int16_t Art = 0;
  int16_t Wochentag = 0;
  int16_t Tag = 0;
  int16_t Monat = 0;
  friend bool operator==(const TFeiertag&, const TFeiertag&) = default;
};

constexpr int kFtSetRows = 30;        // rows of FtSet
constexpr int kFtSetColumns = 60;     // column 0 = member count, then the member codes
constexpr int kFtSetMaxMembers = 59;
constexpr int kFtSetsEditorMax = 29;  // the editor adds no set beyond this
constexpr int kFtMaxHolidays = 32767;
constexpr int kFtOsterwertNull = 82;  // Easter value of Easter Sunday itself

struct HolidayTable {
  std::vector<TFeiertag> Feiertage;  // 0 .. AnzFt - 1, file order
  int16_t AnzFt = 0;
  QStringList FtSetName;             // 0 .. AnzFtSets - 1
  int16_t AnzFtSets = 0;
  // Row s belongs to set s: (s, 0) member count, (s, 1..count) holiday index + 1.
  int16_t FtSet[kFtSetRows][kFtSetColumns]{};

  friend bool operator==(const HolidayTable& a, const HolidayTable& b);
};

HolidayTable& holidayTable();
void resetHolidayTable();

// The file's bytes for a table (Windows-1252, CR LF). Names that the format cannot carry as
// they stand (a comma, a leading quote, blanks at either end, empty) are written in quotes.
QByteArray encodeHolidayFile(const HolidayTable& t);
// The table a file holds; empty (with *reason) when it is truncated, malformed or larger than
// the table can hold. Member codes that name no holiday are dropped.
std::optional<HolidayTable> decodeHolidayFile(const QByteArray& bytes, QString* reason = nullptr);

// The holiday file of the language (texts().FtDatei) in the start directory.
QString holidayFilePath();

// Replaces the table with the file's content. A missing file gives an empty table silently;
// an unreadable one is reported, gives an empty table and is never written over (see below).
void Lies_Feiertage();
// Writes the table to the holiday file in one step; false when it failed, and the previous file
// is then left as it was. A file the last read refused is not written. The failure (the file and
// the reason) is shown as a message, or given in *fehler instead when fehler is set.
bool Schreib_Feiertage(QString* fehler = nullptr);
// True when the table differs from what the holiday file held at the last read or write.
bool Feiertage_ungespeichert();
// Before the table is dropped (the end of the program, New): writes it when it has changes the
// file does not hold yet. False when that write failed, its failure reported as
// Schreib_Feiertage reports it.
bool Sichere_Feiertage(QString* fehler = nullptr);

// The text for the Easter value of an Easter-relative priority record (distance + 82): the
// name of the last holiday at that distance, else "Ostern + 0 Tag(e)" / "Ostern -3 Tag(e)".
QString Oster_Name(int wert);

}  // namespace qv
