// The main window's commands over the tables: the save question, save as, opening refused and
// good files, the template, the checks before writing the memory key, delete, change and copy.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <vector>

#include "entry/Eingabeautomatik.h"
#include "model/Abbild.h"
#include "model/AtomicFile.h"
#include "model/Marke.h"
#include "model/Programmdatei.h"
#include "model/Satz.h"
#include "shell/Marken.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"
#include "tests/views/ViewFixtures.h"
#include "views/Befehle.h"
#include "views/Filter.h"
#include "views/Rahmenzustand.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Befehlstest {
  StartDir dir;
  ScriptedEnvironment env;
  explicit Befehlstest(int uhrentyp) {
    frisch();
    resetFrameState();
    Setze_Markentexte(1);
    Setze_TexteDeutsch();
    applyClockProfile(brand().S_Typ[uhrentyp == 280 ? 15 : uhrentyp == 309 ? 20 : 4]);
    Filter_Startwerte();
  }
  // The example program saved under name, with a file name (Save asks nothing).
  QByteArray gespeichert(const QString& name) {
    ladeBeispiel(profile().Uhrentyp);
    ProgramState& p = program();
    p.Dateiname[0] = dir.file(name);
    p.HatDateiname = 1;
    EXPECT_EQ(SchreibeProgrammDatei(), 1);
    return dir.read(name);
  }
  QString meldung() const { return env.messages.empty() ? QString() : env.messages.back().text; }
};

void expectGleich(const ProgramState& a, const ProgramState& b) {
  for (int s = 0; s < kSlots; ++s) {
    EXPECT_EQ(a.AnzSz[s], b.AnzSz[s]);
    EXPECT_EQ(a.AnzPz[s], b.AnzPz[s]);
    EXPECT_EQ(a.AnzGesamt[s], b.AnzGesamt[s]);
    EXPECT_EQ(a.AnzSw[s], b.AnzSw[s]);
    EXPECT_EQ(a.Dateiname[s], b.Dateiname[s]);
    for (int i = 0; i < kRecordsPerSlot; ++i) EXPECT_EQ(a.Sz[s][i], b.Sz[s][i]) << s << " " << i;
    for (int k = 0; k < 8; ++k) EXPECT_EQ(a.Kopf[s][k], b.Kopf[s][k]);
  }
  EXPECT_EQ(a.Geaendert, b.Geaendert);
  EXPECT_EQ(a.HatDateiname, b.HatDateiname);
}

// A master-card image of the running clock type.
void schreibeMastercard(const StartDir& dir, const QString& name) {
  TAbbild bild = Kodiere_Abbild();
  bild[1] |= 128;
  setChecksum(bild);
  dir.write(name, Schreibe_Zeilen(bild, {}, {}));
}

}  // namespace

TEST(BefehlSpeicherfrage, WhenAskedAndWithWhichTail) {
  Befehlstest t(240);
  ProgramState& p = program();
  p.Dateiname[0] = QStringLiteral("plan.qvl");
  for (Anlass a : {Anlass::Schliessen, Anlass::Beenden, Anlass::Neu, Anlass::Oeffnen, Anlass::Lesen})
    EXPECT_FALSE(Speicherfrage_noetig(a));
  p.Geaendert = 1;
  // New and Exit leave an empty program without asking; the others ask.
  EXPECT_FALSE(Speicherfrage_noetig(Anlass::Neu));
  EXPECT_FALSE(Speicherfrage_noetig(Anlass::Beenden));
  EXPECT_TRUE(Speicherfrage_noetig(Anlass::Schliessen));
  EXPECT_TRUE(Speicherfrage_noetig(Anlass::Oeffnen));
  EXPECT_TRUE(Speicherfrage_noetig(Anlass::Lesen));
  p.AnzGesamt[0] = 1;
  EXPECT_TRUE(Speicherfrage_noetig(Anlass::Neu));
  EXPECT_EQ(Speicherfrage_Text(Anlass::Beenden), QString::fromUtf8("Änderungen speichern in plan.qvl  ?"));
  EXPECT_EQ(Speicherfrage_Text(Anlass::Schliessen), QString::fromUtf8("Änderungen speichern in plan.qvl  ?"));
  EXPECT_EQ(Speicherfrage_Text(Anlass::Neu), QString::fromUtf8("Änderungen speichern in plan.qvl ?"));

  t.env.answer(Answer::Cancel);
  EXPECT_FALSE(Speicherfrage(Anlass::Neu));
  EXPECT_EQ(t.env.messages.back().buttons, Buttons::YesNoCancel);
  t.env.answer(Answer::No);
  EXPECT_TRUE(Speicherfrage(Anlass::Neu));
}

TEST(BefehlSpeicherfrage, NewAndExitAskWheneverASaveWouldKeepSomething) {
  struct Fall {
    const char* was;
    std::function<void()> setze;
    bool fragen;
  };
  const std::vector<Fall> faelle = {
      {"nothing", [] {}, false},
      {"the usage text of a new program", [] { program().Verwendung[0] = texts().S_unbekannt; }, false},
      {"a changeover entry", [] { program().AnzSw[0] = 1; }, true},
      {"astro times", [] { astro().AstroAktiv[0] = -1; }, true},
      {"a usage text", [] { program().Verwendung[0] = QStringLiteral("Halle 2"); }, true},
      {"a channel name", [] { program().Kanalname[5][0] = QStringLiteral(" Licht"); }, true},
      {"a file of its own", [] { program().HatDateiname = 1; }, true},
  };
  for (const Fall& f : faelle) {
    Befehlstest t(240);
    program().Geaendert = 1;
    f.setze();
    EXPECT_EQ(Speicherfrage_noetig(Anlass::Neu), f.fragen) << f.was;
    EXPECT_EQ(Speicherfrage_noetig(Anlass::Beenden), f.fragen) << f.was;
    program().Geaendert = 0;
    EXPECT_FALSE(Speicherfrage_noetig(Anlass::Beenden)) << f.was;
  }
}

TEST(BefehlSpeicherfrage, YesWithoutASaveCancelsTheWholeCommand) {
  Befehlstest t(240);
  ladeBeispiel(240);
  ProgramState& p = program();
  p.Geaendert = 1;
  p.AnzGesamt[1] = 3;
  frameState().vorlageOffen = true;
  // Yes, then the Save dialog is cancelled: New stops with nothing lost.
  t.env.answer(Answer::Yes);
  EXPECT_FALSE(Neu_vorbereiten());
  EXPECT_EQ(p.Geaendert, 1);
  EXPECT_EQ(p.AnzGesamt[1], 3);
  t.env.answer(Answer::Yes);
  EXPECT_FALSE(Beenden_vorbereiten());
  t.env.answer(Answer::Yes);
  EXPECT_FALSE(Lesen_vorbereiten());
  EXPECT_EQ(p.ImportAktiv, 0);

  // Yes and a save: New goes on, and the template of the old clock type goes with it.
  t.env.answer(Answer::Yes);
  t.env.answerFileDialog(t.dir.file("neu"));
  EXPECT_TRUE(Neu_vorbereiten());
  EXPECT_TRUE(QFile::exists(t.dir.file("neu.qvl")));
  EXPECT_EQ(p.Geaendert, 0);
  EXPECT_EQ(p.AnzGesamt[1], 0);
  EXPECT_FALSE(frameState().vorlageOffen);

  // Reading the key keeps the changed flag for a read that fails.
  p.Geaendert = 1;
  t.env.answer(Answer::No);
  EXPECT_TRUE(Lesen_vorbereiten());
  EXPECT_EQ(p.ImportAktiv, 1);
  EXPECT_EQ(p.Geaendert, 1);
}

TEST(BefehlSpeichern, SaveAsNamesOverwriteAndTheFileNameFlag) {
  Befehlstest t(240);
  ladeBeispiel(240);
  ProgramState& p = program();
  // Cancelled: nothing, silently.
  EXPECT_EQ(Speichern_unter(), 0);
  EXPECT_TRUE(t.env.messages.empty());
  // A new file: ".qvl" appended, and the program counts as named, so Save asks nothing again.
  t.env.answerFileDialog(t.dir.file("plan"));
  EXPECT_EQ(Speichern(), 1);
  EXPECT_TRUE(QFile::exists(t.dir.file("plan.qvl")));
  EXPECT_EQ(p.HatDateiname, 1);
  EXPECT_EQ(p.Dateiname[0], t.dir.file("plan.qvl"));
  const size_t dialogs = t.env.fileDialogCaptions.size();
  EXPECT_EQ(Speichern(), 1);
  EXPECT_EQ(t.env.fileDialogCaptions.size(), dialogs);
  // A name with its own extension keeps it.
  t.env.answerFileDialog(t.dir.file("plan.txt"));
  EXPECT_EQ(Speichern_unter(), 1);
  EXPECT_TRUE(QFile::exists(t.dir.file("plan.txt")));
  // Overwriting after Yes.
  p.HatDateiname = 0;
  t.env.answerFileDialog(t.dir.file("plan.qvl"));
  t.env.answer(Answer::Yes);
  EXPECT_EQ(Speichern_unter(), 1);
  EXPECT_EQ(p.HatDateiname, 1);
  const QString frage = texts().S_Datei + t.dir.file("plan.qvl") + texts().S_bestUeber;
  const auto it = std::find_if(t.env.messages.begin(), t.env.messages.end(),
                               [&](const ShownMessage& m) { return m.text == frage; });
  ASSERT_NE(it, t.env.messages.end());
  EXPECT_EQ(it->icon, Icon::Question);
  EXPECT_EQ(it->buttons, Buttons::YesNo);
}

TEST(BefehlSpeichern, ADeclinedOverwriteLeavesTheNameAndItsFileAlone) {
  Befehlstest t(240);
  ladeBeispiel(240);
  ProgramState& p = program();
  t.env.answerFileDialog(t.dir.file("plan"));
  ASSERT_EQ(Speichern_unter(), 1);
  t.dir.write("fremd.qvl", "fremd");
  // No to the overwrite question, then Cancel in the dialog that comes back.
  t.env.answerFileDialog(t.dir.file("fremd.qvl"));
  t.env.answer(Answer::No);
  EXPECT_EQ(Speichern_unter(), 0);
  EXPECT_EQ(p.Dateiname[0], t.dir.file("plan.qvl"));
  p.Geaendert = 1;
  EXPECT_EQ(Speichern(), 1);
  EXPECT_EQ(t.dir.read("fremd.qvl"), QByteArray("fremd"));
  EXPECT_EQ(p.Dateiname[0], t.dir.file("plan.qvl"));
  // A name whose save the writer refuses does not stay either.
  settings().SwRegel = 4;
  p.AnzSw[0] = 0;
  t.env.answerFileDialog(t.dir.file("anders"));
  EXPECT_EQ(Speichern_unter(), 0);
  EXPECT_EQ(p.Dateiname[0], t.dir.file("plan.qvl"));
}

TEST(BefehlOeffnen, RefusedFilesLeaveTheProgramExactlyAsItWas) {
  Befehlstest t(240);
  const QByteArray gut = t.gespeichert("gut.qvl");
  t.dir.write("kaputt.qvl", "1 2 3\r\nkein Programm\r\n");
  t.dir.write("gross.qvl", testData("model/programm280.qvl"));
  t.dir.write("astro.qvl", testData("model/programm309.qvl"));
  t.dir.write("riesig.qvl", gut + QByteArray(kMaxProgramFileBytes, ' '));
  settings().Sprache = 1;
  schreibeMastercard(t.dir, "master.qvl");
  ASSERT_TRUE(QDir(t.dir.path()).mkdir("ordner.qvl"));
  // A file this user may not read (root reads it, and finds no program in it).
  t.dir.write("gesperrt.qvl", "1 2 3\r\n");
  ASSERT_TRUE(QFile::setPermissions(t.dir.file("gesperrt.qvl"), QFileDevice::Permissions()));
  // The user has changed something since the save.
  program().Geaendert = 1;

  struct Fall {
    const char* datei;
    QString meldung;
  };
  const Texts& x = texts();
  const Fall faelle[] = {
      {"kaputt.qvl", x.S_KeineGueltDatei},
      {"fehlt.qvl", x.S_DateiNicht},
      {"gross.qvl", x.S_KeineGueltDatei},
      {"astro.qvl", x.S_DateiFuer + u' ' + brand().S_Typ[20]},
      {"master.qvl", x.S_KeineGueltDatei},
      {"riesig.qvl", x.S_KeineGueltDatei + QString::fromUtf8("\nDatei zu groß !")},
      // A refused read names the file, once.
      {"ordner.qvl", t.dir.file("ordner.qvl") + QStringLiteral(": Is a directory")},
      {"gesperrt.qvl", ::geteuid() == 0 ? x.S_KeineGueltDatei
                                        : t.dir.file("gesperrt.qvl") + QStringLiteral(": Permission denied")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.datei);
    const ProgramState vorher = program();
    const size_t meldungen = t.env.messages.size();
    EXPECT_FALSE(Lade_Programm(t.dir.file(f.datei)));
    EXPECT_EQ(t.env.messages.size(), meldungen + 1);
    EXPECT_EQ(t.meldung(), f.meldung);
    EXPECT_EQ(t.env.messages.back().icon, Icon::Critical);
    expectGleich(program(), vorher);
  }
  // The following Save writes the good program over its own file, byte for byte.
  EXPECT_EQ(Speichern(), 1);
  EXPECT_EQ(t.dir.read("gut.qvl"), gut);
}

TEST(BefehlOeffnen, AFileOfTheSmallTypeOnTheAstroTypeAndACancelledDialog) {
  Befehlstest t(309);
  t.dir.write("klein.qvl", testData("model/programm240.qvl"));
  program().Geaendert = 1;
  t.env.answer(Answer::No);
  t.env.answerFileDialog(t.dir.file("klein.qvl"));
  EXPECT_FALSE(Oeffnen());
  EXPECT_EQ(t.meldung(), texts().S_DateiFuer + u' ' + brand().S_Modellkurz);
  EXPECT_EQ(program().Geaendert, 1);
  // No to the question and a cancelled dialog: the program still counts as changed.
  t.env.answer(Answer::No);
  EXPECT_FALSE(Oeffnen());
  EXPECT_EQ(program().Geaendert, 1);
}

TEST(BefehlOeffnen, ALoadedFileBecomesTheProgram) {
  Befehlstest t(240);
  t.dir.write("p.qvl", testData("model/programm240.qvl"));
  program().Geaendert = 1;
  viewState().AktAnsicht = 2;
  t.env.answer(Answer::No);
  t.env.answerFileDialog(t.dir.file("p.qvl"));
  EXPECT_TRUE(Oeffnen());
  EXPECT_EQ(program().Dateiname[0], t.dir.file("p.qvl"));
  EXPECT_EQ(program().HatDateiname, 1);
  EXPECT_EQ(program().Geaendert, 0);
  EXPECT_EQ(viewState().AktAnsicht, 0);
  EXPECT_GT(program().AnzGesamt[0], 0);
}

TEST(BefehlVorlage, OpenCloseAndRefusals) {
  Befehlstest t(309);
  ladeBeispiel(309);
  t.dir.write("v.qvl", testData("model/programm309.qvl"));
  t.dir.write("klein.qvl", testData("model/programm240.qvl"));
  const TAstroTag tag = astro().AstroTab[0][100];
  settings().Codierbyte = 77;
  viewState().AktAnsicht = 2;

  t.env.answerFileDialog(t.dir.file("v.qvl"));
  EXPECT_TRUE(Vorlage_oeffnen());
  EXPECT_TRUE(frameState().vorlageOffen);
  EXPECT_EQ(program().AktSpeicher, 1);
  EXPECT_EQ(viewState().AktAnsicht, 0);
  EXPECT_GT(program().AnzGesamt[1], 0);
  // The own program's astro times and coding byte stay.
  EXPECT_EQ(astro().AstroTab[0][100], tag);
  EXPECT_EQ(settings().Codierbyte, 77);

  // A file of another type ends without a message and keeps the template's name.
  const QString name = program().Dateiname[1];
  const int16_t anzahl = program().AnzGesamt[1];
  EXPECT_FALSE(Lade_Vorlage(t.dir.file("klein.qvl")));
  EXPECT_TRUE(t.env.messages.empty());
  EXPECT_EQ(program().Dateiname[1], name);
  EXPECT_EQ(program().AnzGesamt[1], anzahl);
  EXPECT_FALSE(Lade_Vorlage(t.dir.file("fehlt.qvl")));
  EXPECT_EQ(t.meldung(), texts().S_DateiNicht);

  viewState().AktAnsicht = 1;
  Vorlage_schliessen();
  EXPECT_EQ(program().AktSpeicher, 0);
  EXPECT_EQ(viewState().AktAnsicht, 1);
  EXPECT_EQ(program().AnzGesamt[1], 0);
  EXPECT_EQ(program().AnzSw[1], 0);
  EXPECT_EQ(program().Dateiname[1], QString());
  EXPECT_FALSE(frameState().vorlageOffen);
}

TEST(BefehlExport, QuestionsBeforeTheTransfer) {
  Befehlstest t(240);
  ProgramState& p = program();
  // Empty: the question; OK, then the write fails: no transfer, the flag back to 0.
  p.Dateiname[0] = t.dir.file("fehlt/leer.qvl");
  t.env.answer(Answer::Ok);
  EXPECT_FALSE(Export_pruefen());
  EXPECT_EQ(t.env.messages.front().text, texts().S_KeineDatenVorh);
  EXPECT_EQ(p.LeerBestaetigt, 0);
  // Cancel ends at once.
  t.env.messages.clear();
  t.env.answer(Answer::Cancel);
  EXPECT_FALSE(Export_pruefen());
  EXPECT_EQ(t.env.messages.size(), 1u);

  // Unsaved: only saved data goes to the key; a cancelled save stops.
  ladeBeispiel(240);
  p.Geaendert = 1;
  p.HatDateiname = 0;
  t.env.messages.clear();
  t.env.answer(Answer::Ok);
  EXPECT_FALSE(Export_pruefen());
  EXPECT_EQ(t.env.messages.front().text, texts().S_NurGesp);
  p.Geaendert = 0;
  EXPECT_TRUE(Export_pruefen());

  Befehlstest astro309(309);
  ladeBeispiel(309);
  astro().AstroAktiv[0] = astro().AstroAktiv[1] = 0;
  astro309.env.answer(Answer::Cancel);
  EXPECT_FALSE(Export_pruefen());
  EXPECT_EQ(astro309.meldung(), texts().S_KeineAstr);
}

TEST(BefehlLoeschen, RecordsBehindTheSelectedRowsGo) {
  Befehlstest t(240);
  ladeBeispiel(240);
  ProgramState& p = program();
  ViewState& v = viewState();
  // A filtered list whose rows 1..3 show records 1, 3 and 4.
  const TSz r0 = p.Sz[0][0], r2 = p.Sz[0][2], r5 = p.Sz[0][5], r6 = p.Sz[0][6], r7 = p.Sz[0][7];
  const int16_t gesamt = p.AnzGesamt[0];
  v.AnzAnzeige = 3;
  v.AnzGridZeilen = 3;
  v.ZeileZuSz[0] = 1;
  v.ZeileZuSz[1] = 3;
  v.ZeileZuSz[2] = 4;
  t.env.answer(Answer::Cancel);
  EXPECT_EQ(Loeschen({1, 3, 0, 7, 8}), Loeschausgang::Abgebrochen);
  EXPECT_EQ(p.AnzGesamt[0], gesamt);

  t.env.answer(Answer::Ok);
  EXPECT_EQ(Loeschen({1, 5, 0, 7, 8}), Loeschausgang::Geloescht);  // rows 4..5 hold nothing
  EXPECT_EQ(t.meldung(), texts().S_DatenWirk);
  EXPECT_EQ(p.AnzSz[0], 5);
  EXPECT_EQ(p.AnzGesamt[0], gesamt - 3);
  EXPECT_EQ(p.Geaendert, 1);
  QList<TSz> rest;
  for (int i = 0; i < p.AnzSz[0]; ++i) rest << p.Sz[0][i];
  for (const TSz& r : {r0, r2, r5, r6, r7}) EXPECT_TRUE(rest.contains(r));
  for (int i = p.AnzSz[0]; i < p.AnzGesamt[0]; ++i) EXPECT_EQ(Bit_Feld(5, 6, p.Sz[0][i].w0), 3);
  EXPECT_EQ(p.Sz[0][gesamt - 1], TSz{});

  // Only whole rows of the own program.
  v.AnzGridZeilen = 3;
  EXPECT_EQ(Loeschen({1, 2, 1, 7, 8}), Loeschausgang::Nichts);
  p.AktSpeicher = 1;
  EXPECT_EQ(Loeschen({1, 2, 0, 7, 8}), Loeschausgang::Nichts);
}

TEST(BefehlLoeschen, TheChangeoverTableOnlyFromItsEnd) {
  Befehlstest t(240);
  ProgramState& p = program();
  ViewState& v = viewState();
  for (int i = 0; i < 5; ++i) p.SwTab[0][i] = swEintrag(26 + i, 3, 2, 1, 25 + i, 10, 3, 1);
  for (int i = 5; i < kSwEntries; ++i) p.SwTab[0][i] = TSwEintrag{255, 255, 255, 255};
  p.AnzSw[0] = 5;
  v.AktAnsicht = 2;
  v.AnzGridZeilen = 5;
  EXPECT_EQ(Loeschen({2, 3, 0, 5, 6}), Loeschausgang::Abgelehnt);
  EXPECT_EQ(t.meldung(), texts().S_LoescNur);
  EXPECT_EQ(t.env.messages.back().icon, Icon::Information);
  EXPECT_EQ(p.AnzSw[0], 5);
  // Rows 4..7 reach two empty rows: clipped to 4..5; the freed entries read 255.
  const TSwEintrag e2 = p.SwTab[0][2];
  t.env.answer(Answer::Ok);
  EXPECT_EQ(Loeschen({4, 7, 0, 5, 6}), Loeschausgang::Geloescht);
  EXPECT_EQ(p.AnzSw[0], 3);
  EXPECT_EQ(p.SwTab[0][2], e2);
  EXPECT_EQ(p.SwTab[0][3], (TSwEintrag{255, 255, 255, 255}));
  EXPECT_EQ(p.SwTab[0][4], (TSwEintrag{255, 255, 255, 255}));
}

TEST(BefehlAuswahl, ChangeAndCopyTakeTheDataRowsOfTheirSlot) {
  Befehlstest t(240);
  ViewState& v = viewState();
  v.AnzGridZeilen = 5;
  inputAutomation().AutoAktiv = 1;
  EXPECT_TRUE(Auswahl_uebernehmen({2, 9, 0, 7, 8}, 1));
  EXPECT_EQ(v.SelVon, 1);
  EXPECT_EQ(v.SelBis, 4);
  EXPECT_EQ(v.EingabeModus, 1);
  EXPECT_EQ(inputAutomation().AutoAktiv, 0);
  EXPECT_FALSE(Auswahl_uebernehmen({2, 3, 0, 7, 8}, 2));  // copy is for the template
  EXPECT_FALSE(Auswahl_uebernehmen({7, 9, 0, 7, 8}, 1));  // no data rows
  program().AktSpeicher = 1;
  EXPECT_FALSE(Auswahl_uebernehmen({2, 3, 0, 7, 8}, 1));
  EXPECT_TRUE(Auswahl_uebernehmen({2, 3, 0, 7, 8}, 2));
  EXPECT_EQ(v.EingabeModus, 2);
}
