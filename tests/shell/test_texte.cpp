// The text tables, the language procedures and the user text file.
#include <gtest/gtest.h>

#include <algorithm>
#include <QStringList>
#include <functional>
#include <map>
#include <set>

#include "model/Cp1252.h"
#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "shell/Texttabelle.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

struct Language {
  const char* name;
  TextLanguage index;
  std::function<void()> setze;
};

const std::vector<Language>& languages() {
  static const std::vector<Language> all = {
      {"German", kDeutsch, Setze_TexteDeutsch},
      {"English", kEnglisch, Setze_TexteEnglisch},
      {"French", kFranzoesisch, Setze_TexteFranzoesisch},
  };
  return all;
}

QString u8(const char* s) { return QString::fromUtf8(s); }

const TextRow& rowOf(const char* name) {
  for (const TextRow& row : textRows())
    if (QByteArray(row.name) == name) return row;
  ADD_FAILURE() << "no row " << name;
  return textRows().front();
}

// Every member, the two that have no row included.
bool sameTexts(const Texts& a, const Texts& b, QString* firstDifference) {
  if (a.Hilfedatei != b.Hilfedatei) return *firstDifference = "Hilfedatei", false;
  if (a.S_Version != b.S_Version) return *firstDifference = "S_Version", false;
  for (const TextRow& row : textRows())
    if (a.*row.member != b.*row.member) return *firstDifference = row.name, false;
  return true;
}

// A brand of group 1 (or 5) with its title, as the start-up sets it before the texts.
void startWithBrand(int marke) {
  resetAllState();
  Setze_Markentexte(marke);
}

// The 422 lines of a file, each value given as it is to stand in the file.
QByteArray fileOf(const QStringList& lines, const char* lineEnd = "\r\n") {
  QByteArray out;
  for (const QString& line : lines) out += cp1252::encode(line) + lineEnd;
  return out;
}

QStringList linesOf(const Texts& t) {
  QStringList out;
  for (QString Texts::*member : sprachdateiZeilen()) out << t.*member;
  return out;
}

int lineOf(const char* name) {
  const auto& zeilen = sprachdateiZeilen();
  for (size_t i = 0; i < zeilen.size(); ++i)
    if (zeilen[i] == rowOf(name).member) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

TEST(TexteTabelle, EveryGlobalHasOneRowInFileOrder) {
  const auto& rows = textRows();
  ASSERT_EQ(rows.size(), size_t(kTextRowCount));
  std::set<QByteArray> names;
  Texts probe;
  for (const TextRow& row : rows) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    // Each row's member gets a mark of its own; a shared member would lose one.
    probe.*row.member = QString::fromLatin1(row.name);
  }
  for (const TextRow& row : rows) EXPECT_EQ(probe.*row.member, QString::fromLatin1(row.name));
  EXPECT_TRUE(probe.Hilfedatei.isEmpty());
  EXPECT_TRUE(probe.S_Version.isEmpty());
  // Every member of Texts is a row's, but for the help file and the version.
  EXPECT_EQ(sizeof(Texts), (kTextRowCount + 2) * sizeof(QString));

  const auto& zeilen = sprachdateiZeilen();
  ASSERT_EQ(zeilen.size(), size_t(kSprachdateiZeilen));
  EXPECT_EQ(zeilen[0], &Texts::FtDatei);
  EXPECT_EQ(zeilen[1], &Texts::OrtDatei);
  EXPECT_EQ(lineOf("S_Montag"), 3);
  EXPECT_EQ(lineOf("S_ZugrNichtErfo"), 55);
  EXPECT_EQ(lineOf("S_Datei"), 61);
  EXPECT_EQ(lineOf("S_Fr"), 210);
  EXPECT_EQ(lineOf("S_Sa"), 211);
  EXPECT_EQ(lineOf("S_mnuHilfeZu"), 248);
  EXPECT_EQ(lineOf("S_mnuInfo"), 249);
  EXPECT_EQ(lineOf("S_NameFeie"), 377);
  EXPECT_EQ(lineOf("S_Feiertagssets"), 379);
  EXPECT_EQ(lineOf("S_benoeAnde"), 422);
  EXPECT_EQ(zeilen[367], &Texts::S_Feiertage2);
  EXPECT_EQ(zeilen[377], &Texts::S_Feiertage2);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), &Texts::S_Feiertage2), 2);
}

TEST(TexteSprachen, EveryTextIsSetInEveryLanguageAndFitsTheFiles) {
  // French has no unit after a time, and leaves two texts that nothing displays.
  const std::map<TextLanguage, std::set<QByteArray>> mayBeEmpty{
      {kFranzoesisch, {"S_Uhr", "S_KopiSoWi", "S_JahrPlus1"}}};
  for (int marke : {1, 5}) {
    for (const Language& lang : languages()) {
      startWithBrand(marke);
      lang.setze();
      Texts& t = texts();
      const auto allowed = mayBeEmpty.count(lang.index) ? mayBeEmpty.at(lang.index) : std::set<QByteArray>{};
      for (const TextRow& row : textRows()) {
        const QString& v = t.*row.member;
        if (!allowed.count(row.name)) {
          EXPECT_FALSE(v.isEmpty()) << lang.name << " " << row.name;
        }
        // The user text file and every other file are Windows-1252.
        EXPECT_EQ(cp1252::decode(cp1252::encode(v)), v) << lang.name << " " << row.name;
        EXPECT_FALSE(v.contains(u'\n') || v.contains(u'\r')) << lang.name << " " << row.name;
      }
      EXPECT_EQ(t.S_Version, "Version  2.1 V1.5");
    }
  }
}

TEST(TexteSprachen, TellingRowsFileNamesAndHelpFiles) {
  startWithBrand(1);
  Setze_TexteDeutsch();
  Texts& t = texts();
  EXPECT_EQ(t.Hilfedatei, "Quorve2D.hlp");
  EXPECT_EQ(t.FtDatei, "deutsch.hdy");
  EXPECT_EQ(t.OrtDatei, "deutsch.ord");
  EXPECT_EQ(t.S_Datei, "Datei ");
  EXPECT_EQ(t.S_bestUeber, u8(" besteht bereits! Überschreiben ?"));
  EXPECT_EQ(t.S_Mo, " Mo");
  EXPECT_EQ(t.S_ersterTag, "1. ");
  EXPECT_EQ(t.S_SoWiTabe, "SoWi-Tabelle ");
  EXPECT_EQ(t.S_sec, " sec");
  EXPECT_EQ(t.S_ZugrNichtErfo, "Zugriff auf Quorvel nicht erfolgreich");
  EXPECT_EQ(t.S_mnuChipLesen, "Quorvel &lesen");
  EXPECT_EQ(t.S_KopiSoWi, "Kopieren der SoWi-Tabelle ");

  Setze_TexteEnglisch();
  EXPECT_EQ(t.Hilfedatei, "Quorve2E.hlp");
  EXPECT_EQ(t.FtDatei, "english.hdy");
  EXPECT_EQ(t.OrtDatei, "english.ord");
  EXPECT_EQ(t.S_Montag, "monday");
  EXPECT_EQ(t.S_So, " su");
  EXPECT_EQ(t.S_ersterTag, "1st");
  EXPECT_EQ(t.S_ProgP1, "priority 1");
  EXPECT_EQ(t.S_KopiSoWi, "Copy The Changeover Table ");

  Setze_TexteFranzoesisch();
  EXPECT_EQ(t.Hilfedatei, "Quorve2F.hlp");
  EXPECT_EQ(t.FtDatei, "france.hdy");
  EXPECT_EQ(t.OrtDatei, "france.ord");
  EXPECT_EQ(t.S_EIN, "Marche");
  EXPECT_EQ(t.S_AUS, u8("Arrêt"));
  EXPECT_EQ(t.S_Punkt, " ");
  EXPECT_EQ(t.S_Doppelpunkt, "h");
  EXPECT_EQ(t.S_Uhr, "");
  EXPECT_EQ(t.S_evtlVerz.front(), u' ');
  EXPECT_EQ(t.S_ZugrNichtErfo, u8("erreur d'accès quorvelque"));
}

TEST(TexteSprachen, MenuTextsFollowTheProductTitle) {
  startWithBrand(1);
  brand().S_Titel = "Titel X";
  Setze_TexteDeutsch();
  EXPECT_EQ(texts().S_mnuHilfeZu, "&Hilfe zu Titel X");
  EXPECT_EQ(texts().S_mnuInfo, "&Info");
  Setze_TexteEnglisch();
  EXPECT_EQ(texts().S_mnuHilfeZu, "&Help for Titel X");
  EXPECT_EQ(texts().S_mnuInfo, "&About");
  Setze_TexteFranzoesisch();
  EXPECT_EQ(texts().S_mnuHilfeZu, "&Aide ");
  EXPECT_EQ(texts().S_mnuInfo, u8("à propos d'Titel X"));
  // Calling a language again does not append the title twice.
  Setze_TexteDeutsch();
  Setze_TexteDeutsch();
  EXPECT_EQ(texts().S_mnuHilfeZu, "&Hilfe zu Titel X");
}

TEST(TexteSprachen, FrenchLeavesTheTwoUndisplayedTexts) {
  startWithBrand(1);
  Setze_TexteDeutsch();
  Setze_TexteFranzoesisch();
  EXPECT_EQ(texts().S_KopiSoWi, "Kopieren der SoWi-Tabelle ");
  EXPECT_EQ(texts().S_JahrPlus1, u8("Jahr um 1 erhöhen"));
  EXPECT_EQ(texts().S_Montag, "lundi");
  Setze_TexteEnglisch();
  Setze_TexteFranzoesisch();
  EXPECT_EQ(texts().S_KopiSoWi, "Copy The Changeover Table ");
}

TEST(TexteSprachen, BrandGroupFiveUsesTheMemoryChipWording) {
  std::map<TextLanguage, Texts> plain, chip;
  for (const Language& lang : languages()) {
    startWithBrand(1);
    lang.setze();
    plain[lang.index] = texts();
    startWithBrand(5);
    ASSERT_EQ(brand().Markengruppe, 5);
    lang.setze();
    chip[lang.index] = texts();
    // The title differs between the brands; compare the rest.
    chip[lang.index].S_mnuHilfeZu = plain[lang.index].S_mnuHilfeZu;
    chip[lang.index].S_mnuInfo = plain[lang.index].S_mnuInfo;
  }
  int german = 0, english = 0;
  for (const ChipRow& row : chipRows()) {
    const QString deChip = chip[kDeutsch].*row.member, dePlain = plain[kDeutsch].*row.member;
    const QString enChip = chip[kEnglisch].*row.member, enPlain = plain[kEnglisch].*row.member;
    if (row.de) {
      ++german;
      EXPECT_EQ(deChip, u8(row.de));
      EXPECT_TRUE(dePlain.contains("Quorvel")) << row.name;
      EXPECT_TRUE(deChip.contains("Speicherchip") && !deChip.contains("Quorvel")) << row.name;
    } else {
      EXPECT_EQ(deChip, dePlain) << row.name;
    }
    ++english;
    EXPECT_EQ(enChip, u8(row.en));
    EXPECT_TRUE(enPlain.contains("quorvel")) << row.name;
    EXPECT_TRUE(enChip.contains("memory chip") && !enChip.contains("quorvel")) << row.name;
  }
  EXPECT_EQ(german, 10);
  EXPECT_EQ(english, 11);
  EXPECT_EQ(chip[kDeutsch].S_ZugrNichtErfo, "Zugriff auf Speicherchip nicht erfolgreich");
  EXPECT_EQ(chip[kDeutsch].S_mnuChipLesen, "Speicherchip &lesen");
  EXPECT_EQ(chip[kEnglisch].S_ZugrNichtErfo, "Access to memory chip not successful");

  // Everything else is the same, and French keeps the product word for every brand.
  for (const TextRow& row : textRows()) {
    bool chipText = false;
    for (const ChipRow& c : chipRows()) chipText |= c.member == row.member;
    if (!chipText) {
      EXPECT_EQ(chip[kDeutsch].*row.member, plain[kDeutsch].*row.member) << row.name;
      EXPECT_EQ(chip[kEnglisch].*row.member, plain[kEnglisch].*row.member) << row.name;
    }
    EXPECT_EQ(chip[kFranzoesisch].*row.member, plain[kFranzoesisch].*row.member) << row.name;
  }
}

TEST(TexteDatei, EachLanguageComesBackFromTheFileUnchanged) {
  for (int marke : {1, 5}) {
    for (const Language& lang : languages()) {
      SCOPED_TRACE(std::string(lang.name) + " brand " + std::to_string(marke));
      startWithBrand(marke);
      test::StartDir dir;
      lang.setze();
      const Texts written = texts();
      QString error;
      ASSERT_TRUE(Schreib_Sprachdatei(QString::fromLatin1(kSprachdatei), &error)) << error.toStdString();
      // Another language in memory, so that every text must come from the file.
      (lang.index == kDeutsch ? Setze_TexteEnglisch : Setze_TexteDeutsch)();
      ASSERT_TRUE(Lies_Sprachdatei(QString::fromLatin1(kSprachdatei), &error)) << error.toStdString();
      const Texts& read = texts();
      EXPECT_EQ(read.Hilfedatei, "Quorve2e.hlp");
      EXPECT_EQ(read.S_Version, "Version  2.1 V1.5");
      for (const TextRow& row : textRows()) {
        if (lang.index == kFranzoesisch && row.text[kFranzoesisch] == nullptr) continue;
        EXPECT_EQ(read.*row.member, written.*row.member) << row.name;
      }
    }
  }
  // Joined texts with blanks of their own, in and outside the restored ones.
  startWithBrand(1);
  test::StartDir dir;
  Setze_TexteDeutsch();
  ASSERT_TRUE(Schreib_Sprachdatei(QString::fromLatin1(kSprachdatei)));
  Setze_TexteEnglisch();
  ASSERT_TRUE(Lies_Sprachdatei(QString::fromLatin1(kSprachdatei)));
  EXPECT_EQ(texts().S_ZugrUeber, QString::fromUtf8(" Zugriff über"));
  EXPECT_EQ(texts().S_UhrzHh, " Uhrzeit (hh:mm:ss)");
  EXPECT_EQ(texts().S_bestUeber, QString::fromUtf8(" besteht bereits! Überschreiben ?"));
  EXPECT_EQ(texts().S_Datei + "a.qvl" + texts().S_bestUeber, QString::fromUtf8("Datei a.qvl besteht bereits! Überschreiben ?"));
  EXPECT_EQ(texts().S_Mo, " Mo");
  Setze_TexteEnglisch();
  ASSERT_TRUE(Schreib_Sprachdatei(QString::fromLatin1(kSprachdatei)));
  ASSERT_TRUE(Lies_Sprachdatei(QString::fromLatin1(kSprachdatei)));
  EXPECT_EQ(texts().S_ersterTag, "1st");
}

TEST(TexteDatei, AShortMissingOrUnreadableFileChangesNothing) {
  startWithBrand(1);
  test::StartDir dir;
  Setze_TexteEnglisch();
  QStringList lines = linesOf(texts());
  Setze_TexteDeutsch();
  const Texts before = texts();
  QString diff, error;

  // One line short, empty, and the whole table saved as UTF-16 (422 lines, every one with NUL
  // bytes).
  lines.removeLast();
  dir.write("short.ln1", fileOf(lines));
  dir.write("empty.ln1", QByteArray());
  lines << "line 422";
  const QString whole = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
  dir.write("utf16.ln1", QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char*>(whole.utf16()), whole.size() * 2));
  lines.removeLast();

  // The refusal is the program's own message in the language the session chose, whichever texts
  // a session before left (German here); with the user texts in effect, theirs.
  const struct {
    int16_t sprache;
    const char *ungueltig, *fehlt;
  } sitzungen[] = {{1, "Keine gültige Datei !", "Datei nicht vorhanden !"},
                   {2, "No valid file!", "File not found!"},
                   {3, "Fichier non valide !", "Fichier introuvable !"},
                   {4, "Keine gültige Datei !", "Datei nicht vorhanden !"}};
  for (const auto& s : sitzungen) {
    settings().Sprache = s.sprache;
    for (const char* datei : {"short.ln1", "empty.ln1", "utf16.ln1", "missing.ln1"}) {
      const bool fehlt = QByteArray(datei) == "missing.ln1";
      EXPECT_FALSE(Lies_Sprachdatei(datei, &error));
      EXPECT_EQ(error, u8(datei) + QStringLiteral(": ") + u8(fehlt ? s.fehlt : s.ungueltig)) << s.sprache << datei;
      EXPECT_TRUE(sameTexts(texts(), before, &diff)) << diff.toStdString();
    }
  }
  settings().Sprache = 1;

  // Lines beyond the 422nd are not read; the name is found whatever its letter case.
  lines << "line 422" << "line 423";
  dir.write("LONG.LN1", fileOf(lines));
  EXPECT_TRUE(Lies_Sprachdatei("long.ln1", &error)) << error.toStdString();
  EXPECT_EQ(texts().S_benoeAnde, "line 422");
  EXPECT_EQ(texts().S_Montag, "monday");
}

TEST(TexteDatei, ValuesOnePerLineAndTheRestoredBlanks) {
  startWithBrand(1);
  test::StartDir dir;
  QStringList lines;
  for (int i = 0; i < kSprachdateiZeilen; ++i) lines << "x";
  lines[lineOf("S_Montag") - 1] = "   padded \t ";
  lines[lineOf("S_Dienstag") - 1] = "\"a, b\"";
  lines[lineOf("S_Mittwoch") - 1] = "c, d";  // a stray comma stays in its own line
  lines[lineOf("S_Donnerstag") - 1] = "\"say \"\"hi\"\"\" rest";
  lines[lineOf("S_Mo") - 1] = "\" Mo\"";  // quoted: taken whole, no blank on top
  lines[lineOf("S_Datei") - 1] = "";
  lines[lineOf("S_Sa") - 1] = "  ";
  lines[367] = "Erster";
  lines[377] = "Zweiter";
  dir.write("user.ln1", fileOf(lines, "\n"));  // LF-only line ends read the same
  QString error;
  ASSERT_TRUE(Lies_Sprachdatei("user.ln1", &error)) << error.toStdString();
  Texts& t = texts();
  EXPECT_EQ(t.S_Montag, "padded");
  EXPECT_EQ(t.S_Dienstag, "a, b");
  EXPECT_EQ(t.S_Mittwoch, "c, d");
  EXPECT_EQ(t.S_Donnerstag, "say \"hi\"");
  EXPECT_EQ(t.S_Mo, " Mo");
  EXPECT_EQ(t.S_Datei, " ");
  EXPECT_EQ(t.S_Sa, " ");
  EXPECT_EQ(t.S_Feiertage2, "Zweiter");
  EXPECT_EQ(t.FtDatei, "x");
  int after = 0, before = 0, plain = 0;
  for (const TextRow& row : textRows()) {
    const QString v = t.*row.member;
    if (v == "x ") ++after;
    else if (v == " x") ++before;
    else if (v == "x") ++plain;
  }
  EXPECT_EQ(after, 26 - 1);   // S_Datei came from an empty line
  EXPECT_EQ(before, 16 - 2);  // S_Mo and S_Sa had values of their own
  EXPECT_EQ(plain, kTextRowCount - 42 - 4 - 1);

  // What needs quotes is written quoted and comes back as it was.
  t.S_Dienstag = "a, b";
  t.S_Donnerstag = "\"quoted\" start";
  t.S_Montag = "Montag, der erste";
  const QByteArray bytes = sprachdateiBytes(t);
  EXPECT_TRUE(bytes.contains("\r\n\"a, b\"\r\n"));
  EXPECT_TRUE(bytes.contains("\r\n\"\"\"quoted\"\" start\"\r\n"));
  Texts back;
  ASSERT_TRUE(leseSprachdatei(bytes, &back, &error));
  EXPECT_EQ(back.S_Dienstag, "a, b");
  EXPECT_EQ(back.S_Donnerstag, "\"quoted\" start");
  EXPECT_EQ(back.S_Montag, "Montag, der erste");
}

TEST(TexteDatei, WrittenAsWindows1252LinesQuotedOnlyWhereBlanksCount) {
  startWithBrand(1);
  test::StartDir dir;
  Setze_TexteDeutsch();
  QString error;
  ASSERT_TRUE(Schreib_Sprachdatei("speech.txt", &error)) << error.toStdString();
  const QByteArray bytes = dir.read("speech.txt");
  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), kSprachdateiZeilen + 1);  // the last line end closes the file
  EXPECT_TRUE(lines.last().isEmpty());
  for (int i = 0; i < kSprachdateiZeilen; ++i) EXPECT_TRUE(lines[i].endsWith('\r')) << i + 1;
  EXPECT_EQ(lines[0], "deutsch.hdy\r");
  EXPECT_EQ(lines[1], "deutsch.ord\r");
  EXPECT_EQ(lines[9], "t\xE4glich\r");
  EXPECT_EQ(lines[60], "\"Datei \"\r");
  EXPECT_EQ(lines[lineOf("S_Mo") - 1], "\" Mo\"\r");
  EXPECT_EQ(lines[lineOf("S_ZugrUeber") - 1], "\" Zugriff \xFC" "ber\"\r");
  EXPECT_EQ(lines[247], "&Hilfe zu Quorvel 2.1\r");
  Setze_TexteEnglisch();
  EXPECT_EQ(sprachdateiBytes(texts()).split('\n')[lineOf("S_ersterTag") - 1], "\"1st\"\r");

  Setze_TexteFranzoesisch();
  EXPECT_EQ(sprachdateiBytes(texts()).split('\n')[lineOf("S_Nr") - 1], "N\xB0\r");

  // A file that cannot be written is reported.
  EXPECT_FALSE(Schreib_Sprachdatei(dir.file("no/such/dir/speech.txt"), &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(TexteEntferneZeichen, RemovesEveryEqualCharacterOnly) {
  EXPECT_EQ(Entferne_Zeichen("12.03.", "."), "1203");
  EXPECT_EQ(Entferne_Zeichen("12.03.", ""), "12.03.");
  EXPECT_EQ(Entferne_Zeichen("12.03.", ".0"), "12.03.");
  EXPECT_EQ(Entferne_Zeichen("aAa", "a"), "A");
  EXPECT_EQ(Entferne_Zeichen("", "a"), "");
  EXPECT_EQ(Entferne_Zeichen(Entferne_Zeichen(u8("&Geräteeigenschaften..."), "&"), "."), u8("Geräteeigenschaften"));
}
