#pragma once
// What the start-up window does, without the window: the brand check, the load that prepares the
// window (settings read back, program and options reset to an empty program, clock-type list and
// preselection, the Demo button), the language buttons and the OK that fixes the clock profile and
// the texts, rewrites the settings file and leaves an empty program for the frame.
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace qv {

inline constexpr char kEinfuehrungsprogramm[] = "MX240.exe";
// The brand word of the maker's own brand; the Demo button rules depend on it.
inline constexpr char kHerstellerMarlun[] = "marlun";
// The open dialog of the user-text button: the user's text tables "*.ln1", in either case.
inline constexpr char kSprachdateiFilter[] = "*.ln1 (*.ln1 *.LN1)";

struct StartState {
  QString Programmverzeichnis;  // the start directory, taken at load and at OK
};
StartState& startState();

// Reads the brand file and sets up the brand. Without a valid brand file it shows
// "unknown manufacturer" (OK only, no icon) and returns false: the program must end. So it does,
// after a message naming the folder, in a start directory whose path is not valid UTF-8.
bool checkBrand();

// What the window shows after its load.
struct StartWindowContent {
  QStringList Uhrentypen;  // the brand's clock types, in list order
  int Vorauswahl = -1;     // entry to select; -1 only for an empty list
  bool DemoSichtbar = false;
};

// The load after the brand check and the window's own set-up: takes the start directory, reads
// the settings file, resets program and options and works out the list and the Demo button.
// Without a whole settings file (a missing one silently, a short or unreadable one with a message)
// it ends after the read with an empty list.
StartWindowContent loadStartWindow();

// The empty program and the options every load starts from (counts of slot 0, header bytes,
// program number, write protection, automation, view, filter and astro settings, options).
void resetProgramAndOptions();

// Whether the Demo button is shown after the load, and after the German button.
bool demoVisibleAtLoad();
bool introductionAvailable();

// Language buttons: each sets Sprache and returns the Demo button's new visibility, or nothing
// when it stays as it is.
std::optional<bool> chooseGerman();
std::optional<bool> chooseEnglish();
std::optional<bool> chooseFrench();

struct UserTextChoice {
  bool taken = false;                // Sprache is 4 and "speech.txt" holds the chosen texts
  std::optional<bool> demoSichtbar;  // as for the other language buttons
};
// The user-text button: asks for a "*.ln1" file, takes its texts over and keeps a copy as
// "speech.txt" in the start directory. Nothing happens while Sprache is 4 already. Cancel, a file
// that cannot be read and a copy that cannot be written leave texts and Sprache as they were (the
// last two after a message); the start directory is the current one again in every case.
UserTextChoice chooseUserTextFile();

// OK with the clock type chosen in the list: texts of the language (for Sprache 4 from
// "speech.txt"), clock profile, start directory, a new file name and empty usage and channel
// names for slot 0, settings file, holidays, an empty astro table. Returns true when the frame is
// to open. An empty choice, or a user text file that cannot be read (after a message), returns
// false and changes nothing. A settings file that cannot be written is reported and OK goes on.
bool acceptStartWindow(const QString& uhrentypText);

// The start or about picture of the start directory; null when there is none. A name that is no
// regular file, a file too large or no picture gives null with *fehler saying why.
QImage Lies_Bild(const QString& datei, QString* fehler = nullptr);

// Starts the introduction program of the start directory and does not wait for it; a failure
// shows "Error " and its reason (OK only, no icon). False after a failure.
bool startIntroduction();

}  // namespace qv
