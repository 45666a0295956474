// Every file the program writes, through a write that really fails (a file-size limit, as a quota
// sets it) and over a file without any write bit (refused for root too): the old file stays byte
// for byte, the user is told why, a program keeps counting as changed. Every file the program reads by a fixed name, given a FIFO that nobody writes: the
// reader refuses it without opening it and changes nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <memory>

#include "calendar/Orte.h"
#include "model/AtomicFile.h"
#include "model/Dateinamen.h"
#include "model/Feiertage.h"
#include "shell/Einstellungsdatei.h"
#include "shell/Marken.h"
#include "shell/Markendatei.h"
#include "shell/Startbild.h"
#include "tests/support/EibSimulator.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/IdleFifo.h"
#include "tests/support/KeyAdapterSim.h"
#include "tests/transfer/TransferFixtures.h"
#include "tests/transfer/Unveraendert.h"
#include "transfer/Austauschdateien.h"
#include "transfer/EibApplikation.h"
#include "transfer/EibBuszugriff.h"
#include "transfer/IRZugriff.h"
#include "transfer/Kartenzugriff.h"
#include "transfer/Schnittstelle.h"
#include "transfer/SeriellerZugriff.h"
#include "views/Befehle.h"
#include "views/Drucken.h"

namespace qv::test {
namespace {

// The program in slot 0, a simulated key adapter on COM 1 and a simulated bus, as a row needs them.
struct Stand : TransferTest {
  ~Stand() { qunsetenv("QUORVEL_COM1"); }
  // With a direction, the request "quorvel.msg" for it too.
  void adapter(const QString& richtung, const QString& datei = QStringLiteral("prog1.qvl")) {
    sim = std::make_unique<KeyAdapterSim>(2048);
    qputenv("QUORVEL_COM1", sim->device().toLocal8Bit());
    settings().Lpt = 4;
    if (!richtung.isEmpty()) dir.write(QStringLiteral("quorvel.msg"), Schreibe_Anfrage({richtung, 4, 0, 0, 1, datei}));
    // Opened here: the port's lock file is a write of its own.
    ASSERT_TRUE(link.open(sim->device(), 9600, nullptr));
  }
  int seriell() { return SeriellerZugriff(link, nullptr); }
  Buszugriff& bus(uint16_t uhr) {
    Setze_Markentexte(1);
    Setze_TexteDeutsch();
    koppler = std::make_unique<SimulierterKoppler>();
    koppler->kern.neu<SimSchaltuhr>(uhr);
    zugriff = std::make_unique<Buszugriff>(koppler.get());
    zugriff->sitzung().timing.empfangMs = 150;
    zugriff->sitzung().timing.pausenFaktor = 0.001;
    return *zugriff;
  }
  // A stand-in helper program that makes a FIFO at the answer's name and ends.
  void helfer(const QString& name, const QString& antwort) {
    dir.write(name, "#!/bin/sh\nmkfifo " + antwort.toLatin1() + "\n");
    QFile::setPermissions(dir.file(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  std::unique_ptr<KeyAdapterSim> sim;
  SerialLink link;
  std::unique_ptr<SimulierterKoppler> koppler;
  std::unique_ptr<Buszugriff> zugriff;
};

void geaendertesProgramm(Stand&) {
  speichereProgramm();
  program().Geaendert = 1;
  program().HatDateiname = 1;
}

// The switching-time list into the program's text file "prog1.txt".
void textausgabe(Stand& t) {
  geaendertesProgramm(t);
  printState().DruckInDatei = printState().DruckSz = 1;
}

const QByteArray kEinOrt = " 1 \r\nBonn, 342  44  44 \r\n";

struct Schreiber {
  const char* datei;  // the file the failed write must leave as it was
  std::function<void(Stand&)> vorbereiten;
  std::function<void(Stand&)> schreiben;
  bool programm = false;         // the program must still count as changed
  const char* genannt = nullptr;  // the file the message names, when not datei
};

TEST(Dateifehler, EveryWriterKeepsTheOldFileAndSaysWhy) {
  const Schreiber schreiber[] = {
      {"prog1.qvl", geaendertesProgramm, [](Stand&) { Datei_sichern(); }, true},
      {"prog1.qvl",  // Save as, over the old file
       [](Stand& t) {
         geaendertesProgramm(t);
         program().HatDateiname = 0;
         t.env.answerFileDialog(QStringLiteral("prog1.qvl"));
         t.env.answer(Answer::Yes);
       },
       [](Stand&) { Datei_sichern(); }, true},
      {"quorvel.ini",
       [](Stand& t) {
         t.dir.write(QStringLiteral("quorvel.sys"), "KOL\r\n");
         t.dir.write(QStringLiteral("quorvel.ini"), testData(QStringLiteral("shell/quorvel_beispiel.ini")));
         ASSERT_TRUE(checkBrand());
         loadStartWindow();
       },
       [](Stand&) { acceptStartWindow(QStringLiteral("MX 240 S")); }},
      {"deutsch.hdy", nullptr, [](Stand&) { Schreib_Feiertage(); }},
      {"deutsch.ord", [](Stand& t) { t.dir.write(QStringLiteral("deutsch.ord"), kEinOrt); },
       [](Stand&) { addPlace([] { return QStringLiteral("Ulm"); }, {340, 43, 44}); }},
      {"deutsch.ord", [](Stand& t) { t.dir.write(QStringLiteral("deutsch.ord"), kEinOrt); t.env.answer(Answer::Ok); },
       [](Stand&) { deletePlace(0); }},
      {"speech.txt",
       [](Stand& t) {
         t.dir.write(QStringLiteral("eigen.ln1"), sprachdateiBytes(texts()));
         t.env.answerFileDialog(t.dir.file(QStringLiteral("eigen.ln1")));
       },
       [](Stand&) { chooseUserTextFile(); }},
      {"quorvel.msg", [](Stand& t) { geaendertesProgramm(t); settings().Lpt = 4; },
       [](Stand&) { KartenZugriff(QStringLiteral("s")); }},
      {"Datei ", [](Stand& t) { geaendertesProgramm(t); settings().Lpt = 1; },
       [](Stand&) { KartenZugriff(QStringLiteral("s")); }},
      {"2zelnix.msg", nullptr, [](Stand&) { IR_Anfrage_schreiben(IRModus::Lesen, 1, "UZ0", {}, {}); }},
      // The program is saved first; that save fails already.
      {"exchg.dat", geaendertesProgramm, [](Stand&) { IR_Austausch_vorbereiten(); }, true, "prog1.qvl"},
      {"card.dat", [](Stand& t) { t.adapter("l"); }, [](Stand& t) { t.seriell(); }},
      {"rsproto.txt", [](Stand& t) { t.adapter("l"); }, [](Stand& t) { t.seriell(); }},
      {"protocol.txt", [](Stand& t) { t.bus(0x1101); }, [](Stand& t) { t.zugriff->Suche(1, 1, 1, 1); }},
      {"appl.old", [](Stand& t) { t.bus(0x1105); }, [](Stand& t) { t.zugriff->Lesen("1.1.5"); }},
      {"prog1.txt", textausgabe, [](Stand&) { Drucke_Listen(); }},
  };
  const QByteArray alt = "old contents, kept whole\r\n";
  // A file-size limit fails the write itself; a file without any write bit is refused before it.
  enum class Fehler { Dateigroesse, Schreibschutz };
  for (const Fehler fehler : {Fehler::Dateigroesse, Fehler::Schreibschutz}) {
    for (const Schreiber& s : schreiber) {
      const bool schutz = fehler == Fehler::Schreibschutz;
      SCOPED_TRACE(std::string(s.datei) + (schutz ? ", write-protected" : ", file-size limit"));
      Stand t;
      printState() = PrintState{};
      if (s.vorbereiten) s.vorbereiten(t);
      const QString datei = QString::fromLatin1(s.datei);
      // The file the message names is the one the failed write was for.
      const QString genannt = QString::fromLatin1(s.genannt ? s.genannt : s.datei);
      for (const QString& d : {datei, genannt})
        if (!QFile::exists(t.dir.file(d))) t.dir.write(d, alt);
      const QByteArray vorher = t.dir.read(datei);
      const QByteArray genanntVorher = t.dir.read(genannt);
      const QString geschuetzt = t.dir.file(genannt);
      if (schutz) {
        ASSERT_EQ(::chmod(QFile::encodeName(geschuetzt).constData(), 0444), 0);
        s.schreiben(t);
      } else {
        FileSizeLimit grenze(4);
        ASSERT_TRUE(grenze.ok());
        s.schreiben(t);
      }
      EXPECT_EQ(t.dir.read(datei), vorher);
      EXPECT_EQ(t.dir.read(genannt), genanntVorher);
      if (schutz) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(geschuetzt).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0444u);
      }
      EXPECT_EQ(QDir(t.dir.path()).entryList({QLatin1String(kTempPrefix) + QStringLiteral("*")}, QDir::Files | QDir::Hidden),
                QStringList());
      // One message names the file and the reason.
      const QString grund = qt_error_string(schutz ? EACCES : EFBIG);
      EXPECT_TRUE(std::any_of(t.env.messages.begin(), t.env.messages.end(), [&](const ShownMessage& m) {
        return m.text.contains(genannt, Qt::CaseInsensitive) && m.text.contains(grund);
      })) << t.texte().join(u'|').toStdString();
      if (s.programm) {
        EXPECT_EQ(program().Geaendert, 1);
      }
    }
  }
}

// A name as long as the file system holds (255 bytes) is saved, new and replacing: the program
// file and its text export, which has a name of the same length. So is a program in a folder whose
// own name is that long: the temporary file lies in the target's folder, never beside the folder
// in its parent (where that name would be too long, and where the user may not be able to write).
TEST(Dateifehler, TheLongestNameIsSavedNewAndReplacing) {
  const struct {
    const char* fall;
    QString ordner;  // the target's folder below the start directory; empty: the start directory
    QString stamm;
  } faelle[] = {
      {"a name of 255 bytes", QString(), QString(251, u'a')},
      {"in a folder whose name has 255 bytes", QString(255, u'o'), QStringLiteral("prog2")},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    Stand t;
    speichereProgramm();
    const QString vorne = f.ordner.isEmpty() ? QString() : f.ordner + u'/';
    if (!f.ordner.isEmpty()) {
      ASSERT_TRUE(QDir(t.dir.path()).mkdir(f.ordner));
    }
    ProgramState& p = program();
    p.Dateiname[0] = vorne + f.stamm + QStringLiteral(".qvl");
    p.HatDateiname = 1;
    printState() = PrintState{};
    printState().DruckInDatei = 1;
    QByteArray export1;
    for (const QString& verwendung : {QStringLiteral("Halle 1"), QStringLiteral("Halle 2")}) {
      SCOPED_TRACE(verwendung.toStdString());
      p.Verwendung[0] = verwendung;
      p.Geaendert = 1;
      EXPECT_EQ(Datei_sichern(), 1) << t.texte().join(u'|').toStdString();
      EXPECT_EQ(p.Geaendert, 0);
      EXPECT_TRUE(t.dir.read(p.Dateiname[0]).contains("\r\n" + verwendung.toLatin1() + "\r\n"));
      printState().DruckSz = 1;
      Drucke_Listen();
      const QByteArray text = t.dir.read(vorne + f.stamm + QStringLiteral(".txt"));
      EXPECT_TRUE(text.startsWith(export1) && text.size() > export1.size());
      export1 = text;
    }
    EXPECT_TRUE(t.env.messages.empty()) << t.texte().join(u'|').toStdString();
    const QStringList geschrieben({f.stamm + QStringLiteral(".qvl"), f.stamm + QStringLiteral(".txt")});
    const QDir::Filters alle = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    if (f.ordner.isEmpty()) {
      EXPECT_EQ(QDir(t.dir.path()).entryList(alle), geschrieben + QStringList({QStringLiteral("prog1.qvl")}));
    } else {
      EXPECT_EQ(QDir(t.dir.file(f.ordner)).entryList(alle), geschrieben);
      EXPECT_EQ(QDir(t.dir.path()).entryList(alle), QStringList({f.ordner, QStringLiteral("prog1.qvl")}));
    }
  }
}

struct Leser {
  const char* datei;  // the FIFO's name
  std::function<void(Stand&)> vorbereiten;
  std::function<bool(Stand&)> lesen;  // true when the reader refused as it refuses an unreadable file
  bool helferMachtFifo = false;       // a stand-in helper program makes the FIFO
};

TEST(Dateifehler, EveryFixedNameReaderRefusesAFifo) {
  const auto letzte = [](Stand& t) { return t.env.messages.empty() ? QString() : t.env.messages.back().text; };
  const Leser leser[] = {
      {"quorvel.ini", nullptr, [](Stand&) { return readSettingsFile().status == SettingsReadStatus::Unreadable; }},
      {"quorvel.sys", nullptr, [](Stand&) { return !readBrandFile().has_value(); }},
      {"speech.txt", nullptr, [](Stand&) { return !Lies_Sprachdatei(QStringLiteral("speech.txt")); }},
      {"quorvel.bmp", nullptr, [](Stand&) {
         QString fehler;
         return Lies_Bild(QStringLiteral("quorvel.bmp"), &fehler).isNull() && fehler.endsWith("Not a regular file");
       }},
      {"deutsch.hdy", nullptr, [](Stand& t) {
         Lies_Feiertage();
         return holidayTable().AnzFt == 0 && t.env.messages.size() == 1;
       }},
      {"deutsch.ord", nullptr, [](Stand& t) { return loadPlaceList().empty() && t.env.messages.size() == 1; }},
      {"deutsch.ord", nullptr, [&](Stand& t) {
         return !addPlace([] { return QStringLiteral("Ulm"); }, {}) && letzte(t) == QStringLiteral("Error : 75");
       }},
      {"card.msg",
       [](Stand& t) {
         speichereProgramm();
         settings().Lpt = 1;
         t.helfer(QStringLiteral("kelvor.exe"), QStringLiteral("card.msg"));
       },
       [&](Stand& t) {
         WartenderNutzer nutzer(t.env);
         KartenZugriff(QStringLiteral("s"));
         return letzte(t) == texts().S_ZugrNichtErfo;
       },
       true},
      {"irtrans.msg", [](Stand& t) { t.helfer(QStringLiteral("zelnix.exe"), QStringLiteral("irtrans.msg")); },
       [](Stand&) { return !IR_Uebertragung(IRModus::Stellen, {}); }, true},
      {"quorvel.msg", [](Stand& t) { t.adapter({}); }, [](Stand& t) { return t.seriell() == 1; }},
      {"rohr.qvl", [](Stand& t) { t.adapter("s", QStringLiteral("rohr.qvl")); },
       [&](Stand& t) { return t.seriell() == 1 && letzte(t) == QStringLiteral("rohr.qvl: Not a regular file"); }},
      // A refused read names the file it could not read, in one message: File > Open, the
      // infrared read's image and the infrared write's copy of the program file.
      {"rohr.qvl", nullptr, [&](Stand& t) {
         return !Lade_Programm(QStringLiteral("rohr.qvl")) &&
                t.texte() == QStringList{QStringLiteral("rohr.qvl: Not a regular file")};
       }},
      {"exchg.dat", nullptr, [&](Stand& t) {
         return !Lade_Austauschabbild(QStringLiteral("exchg.dat")) &&
                t.texte() == QStringList{QStringLiteral("exchg.dat: Not a regular file")};
       }},
      {"prog1.qvl", [](Stand&) { program().Dateiname[0] = QStringLiteral("prog1.qvl"); }, [&](Stand& t) {
         return !IR_Austausch_kopieren() &&
                t.texte() == QStringList{texts().S_UeberFehl + QStringLiteral("\nprog1.qvl: Not a regular file")};
       }},
      {"appl.old", nullptr, [](Stand&) {
         BusSitzung s;
         return Schreibe_Applikation(s, 0x1105, QStringLiteral("appl.old")) == eibfehler::Gemeldet;
       }},
      {"prog1.txt", textausgabe, [&](Stand& t) {
         Drucke_Listen();
         return letzte(t).contains(QStringLiteral("Not a regular file"));
       }},
  };
  for (const Leser& l : leser) {
    SCOPED_TRACE(l.datei);
    Stand t;
    printState() = PrintState{};
    if (l.vorbereiten) l.vorbereiten(t);
    const QString fifo = t.dir.file(QString::fromLatin1(l.datei));
    IdleFifo rohr(fifo, !l.helferMachtFifo);
    ASSERT_TRUE(rohr.ok());
    const ProgramState vorher = program();
    const Texts texteVorher = texts();
    EXPECT_TRUE(l.lesen(t)) << t.texte().join(u'|').toStdString();
    EXPECT_FALSE(rohr.opened());
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    erwarteUnveraendert(vorher);
    EXPECT_EQ(texts().S_Montag, texteVorher.S_Montag);
  }
}

}  // namespace
}  // namespace qv::test
