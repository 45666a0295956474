#pragma once
// The settings file "quorvel.ini": 18 lines in a fixed order, each a key with its padding zeros
// followed by the value. It is always written whole and read back by line position: the keys are
// never looked at, and each value is taken from the last one to three characters of its line.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace qv {

inline constexpr char kEinstellungsdatei[] = "quorvel.ini";
constexpr int kSettingsLines = 18;

// The 18 values in file order, as a writer hands them over.
struct SettingsFileValues {
  int16_t Kanalzahl = 0;
  int16_t Bewft = 0;
  int16_t Lpt = 0;
  int16_t Uhrentyp = 0;
  float DelayFaktor = 0;  // the delay factor, that is Delay / 4
  int16_t Zeilen = 0;
  int16_t MaxDelay = 0;
  int16_t SwRegel = 0;
  int16_t SpracheUhr = 0;
  int16_t Sprache = 0;
  std::optional<int16_t> AstroC1C2;  // the device dialog's astro choice may hold nothing
  int16_t Busprog = 0;
  int16_t MessKanal = 0;
  int16_t MessPeriode = 0;
  int16_t MessImpDauer = 0;
  int16_t MessZustand = 0;
  int16_t MessZeitpunkt = 0;
  int16_t Evu = 0;
};

// The values of the profile and settings globals (the start-up OK writes these).
SettingsFileValues settingsFromGlobals();

// The file's bytes: Windows-1252, CR LF after every line.
QByteArray settingsFileBytes(const SettingsFileValues& v);

// Replaces the settings file in the current directory in one step; on failure the old file stays
// and *error holds the reason.
bool writeSettingsFile(const SettingsFileValues& v, QString* error = nullptr);

enum class SettingsReadStatus {
  Complete,    // all 18 lines read
  Missing,     // no settings file: the start-up goes on without a word
  Short,       // fewer than 18 lines: message holds the text to show
  Unreadable,  // the file exists but cannot be read: message holds the reason
};

struct SettingsReadResult {
  SettingsReadStatus status = SettingsReadStatus::Missing;
  int linesRead = 0;
  QString message;
};

// Reads the file's lines into the globals by position: Kanalzahl, Bewft, Uhrentyp, Busprog and Evu
// of the profile, the device settings and Sprache. The lines read keep their values also when the
// file is short. Afterwards every device setting outside its range (also one no line gave) is
// replaced by its default, Delay holds the factor times 4 and Delay2 is Delay times 50. The
// read-back keeps what stored files rely on: KANALZAHL=16 gives 6, BUSPROG=-1 gives 1.
SettingsReadResult readSettings(const QByteArray& fileBytes);
// The same from the settings file in the current directory.
SettingsReadResult readSettingsFile();

}  // namespace qv
