#include "shell/Startbild.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <algorithm>

#include "model/Ansicht.h"
#include "model/AtomicFile.h"
#include "model/Automatikeinstellung.h"
#include "model/Dateinamen.h"
#include "model/Environment.h"
#include "model/Feiertage.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Einstellungsdatei.h"
#include "shell/Marken.h"
#include "shell/Markendatei.h"
#include "shell/QtSprache.h"
#include "shell/Sprache.h"
#include "shell/Startverzeichnis.h"
#include "shell/Uhrenprofil.h"

namespace qv {

namespace {

bool isMarlun() { return brand().S_Hersteller == QLatin1String(kHerstellerMarlun); }

// The directory the program runs in; the current one before the first load.
QString programDirectory() {
  const QString& dir = startState().Programmverzeichnis;
  return dir.isEmpty() ? QDir::currentPath() : dir;
}

// The English and French buttons hide the Demo for the maker's brand and leave it otherwise.
std::optional<bool> hiddenForMarlun() {
  if (isMarlun()) return false;
  return std::nullopt;
}

// Texts of the chosen language. The user text file is read whole or not at all, so a failure
// leaves the texts as they were.
bool setLanguageTextsOnly(QString* error) {
  switch (settings().Sprache) {
    case 1: Setze_TexteDeutsch(); return true;
    case 2: Setze_TexteEnglisch(); return true;
    case 3: Setze_TexteFranzoesisch(); return true;
    default:
      if (!Lies_Sprachdatei(fileNameIgnoringCase(QString::fromLatin1(kSprachdatei)), error))
        return false;
      // The file holds only the first part of this menu text; one blank joins the title.
      if (!texts().S_mnuHilfeZu.endsWith(u' ')) texts().S_mnuHilfeZu += u' ';
      texts().S_mnuHilfeZu += brand().S_Titel;
      return true;
  }
}

// The texts, then Qt's own texts in the same language.
bool setLanguageTexts(QString* error) {
  if (!setLanguageTextsOnly(error)) return false;
  Setze_Qt_Sprache(settings().Sprache);
  return true;
}

void clearAstroTable() {
  AstroState& a = astro();
  a.AstroAktiv[1] = 0;
  // The last day index is left as it is: no year reaches it.
  for (auto& channel : a.AstroTab)
    for (int day = 0; day < kAstroDays - 1; ++day) {
      channel[day].Aufgang = 0;
      channel[day].Untergang = 0;
    }
}

}  // namespace

StartState& startState() {
  static StartState s;
  return s;
}

bool checkBrand() {
  // The holiday and place files, the program files and every dialog need names that lead back
  // into the start directory: the program does not start where they cannot.
  QString meldung;
  if (!startDirectoryUsable(&meldung)) {
    refuse(meldung);
    return false;
  }
  const std::optional<int> marke = readBrandFile();
  if (!marke) {
    env().message(QString::fromLatin1(kUnknownManufacturer), Buttons::Ok, Icon::None);
    return false;
  }
  Setze_Markentexte(*marke);
  return true;
}

void resetProgramAndOptions() {
  ProgramState& p = program();
  p.AnzSz[0] = p.AnzPz[0] = p.AnzGesamt[0] = p.AnzSw[0] = 0;
  for (int b = 3; b <= 6; ++b) p.Kopf[0][b] = 0;
  p.Programmnummer[0] = kKeineProgrammnummer;
  p.HatDateiname = 0;

  DeviceSettings& s = settings();
  s.Schreibschutz = 0;
  s.OptDatum = 1;
  s.OptNak = 1;
  s.OptFunk = 0;
  s.OptDauer = 0;

  setInputAutomationStartValues();

  ViewState& v = viewState();
  v.MinZeilen = kMinZeilenStart;
  v.KeinRefresh = false;
  v.GridDlgOffen = -1;
  Filter_Startwerte();

  AstroState& a = astro();
  setAstroPlaceStartValues(a);
  std::fill(std::begin(a.AstroAktiv), std::end(a.AstroAktiv), int16_t{0});
}

bool introductionAvailable() {
  if (brand().Markengruppe != 1) return false;
  return Datei_existiert(fileNameIgnoringCase(QString::fromLatin1(kEinfuehrungsprogramm))).value_or(0) == 1;
}

bool demoVisibleAtLoad() {
  if (isMarlun() && settings().Sprache == 1) return introductionAvailable();
  return false;
}

StartWindowContent loadStartWindow() {
  startState().Programmverzeichnis = QDir::currentPath();
  // Without a whole settings file the load ends here: the window shows no clock type to choose,
  // so nothing goes on with settings the file did not give.
  StartWindowContent c;
  const SettingsReadResult r = readSettingsFile();
  if (r.status == SettingsReadStatus::Short || r.status == SettingsReadStatus::Unreadable)
    refuse(r.message);
  if (r.status != SettingsReadStatus::Complete) return c;
  Setze_Qt_Sprache(settings().Sprache);
  resetProgramAndOptions();

  c.Uhrentypen = offeredClockTypes();
  if (!c.Uhrentypen.isEmpty())
    c.Vorauswahl = preselectedEntry(c.Uhrentypen, presetClockTypeName(profile()));
  updateFtJahre();
  c.DemoSichtbar = demoVisibleAtLoad();
  return c;
}

std::optional<bool> chooseGerman() {
  settings().Sprache = 1;
  Setze_Qt_Sprache(1);
  return introductionAvailable();
}

std::optional<bool> chooseEnglish() {
  settings().Sprache = 2;
  Setze_Qt_Sprache(2);
  return hiddenForMarlun();
}

std::optional<bool> chooseFrench() {
  settings().Sprache = 3;
  Setze_Qt_Sprache(3);
  return hiddenForMarlun();
}

UserTextChoice chooseUserTextFile() {
  UserTextChoice result;
  if (settings().Sprache == 4) return result;
  const QString dir = programDirectory();
  const QString chosen =
      env().openFileName(QString(), QString::fromLatin1(kSprachdateiFilter), dir);
  // Every later relative access (settings, holidays, "speech.txt") relies on this.
  QDir::setCurrent(dir);
  if (chosen.isEmpty()) return result;

  const Texts before = texts();
  QString error;
  if (!Lies_Sprachdatei(chosen, &error)) {
    refuse(error);
    return result;
  }
  if (!Schreib_Sprachdatei(fileNameIgnoringCase(QString::fromLatin1(kSprachdatei)), &error)) {
    // Without the copy the next OK would not find these texts: take nothing over.
    texts() = before;
    refuse(error);
    return result;
  }
  settings().Sprache = 4;
  result.taken = true;
  result.demoSichtbar = hiddenForMarlun();
  return result;
}

bool acceptStartWindow(const QString& uhrentypText) {
  if (uhrentypText.isEmpty()) return false;
  // The texts come first so that a missing user text file leaves everything as it was.
  QString error;
  if (!setLanguageTexts(&error)) {
    refuse(error);
    return false;
  }

  Uhrenprofil& prof = profile();
  prof.UhrentypText = uhrentypText;
  applyClockProfile(uhrentypText);
  startState().Programmverzeichnis = QDir::currentPath();

  ProgramState& p = program();
  p.Dateiname[0] = Freier_Dateiname();
  p.Verwendung[0] = texts().S_unbekannt;
  const int kanaele = std::clamp<int>(prof.Kanalzahl, 0, kChannelNames);
  for (int k = 0; k < kanaele; ++k) p.Kanalname[k][0].clear();

  if (!writeSettingsFile(settingsFromGlobals(), &error)) refuse(error);
  Lies_Feiertage();
  clearAstroTable();
  updateFtJahre();
  return true;
}

QImage Lies_Bild(const QString& datei, QString* fehler) {
  // A bitmap of the screen's size holds a few MB; a file far beyond that is no start picture.
  constexpr qint64 kMaxBildBytes = 64 * 1024 * 1024;
  const QString name = fileNameIgnoringCase(datei);
  if (name.isEmpty() || !QFileInfo::exists(name)) return {};
  QByteArray bytes;
  QString grund;
  QImage bild;
  if (readWholeFile(name, &bytes, &grund, kMaxBildBytes)) {
    QBuffer puffer(&bytes);
    QImageReader reader(&puffer);
    bild = reader.read();
    if (bild.isNull()) grund = reader.errorString();
  }
  if (bild.isNull() && fehler) *fehler = name + QStringLiteral(": ") + grund;
  return bild;
}

bool startIntroduction() {
  QProcess process;
  process.setProgram(
      QDir::current().absoluteFilePath(fileNameIgnoringCase(QString::fromLatin1(kEinfuehrungsprogramm))));
  process.setWorkingDirectory(QDir::currentPath());
  if (process.startDetached()) return true;
  env().message(QStringLiteral("Error ") + process.errorString(), Buttons::Ok, Icon::None);
  return false;
}

}  // namespace qv
