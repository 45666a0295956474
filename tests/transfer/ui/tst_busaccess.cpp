// The bus window over the simulated bus: the search lists the brand's two clocks, programming
// and reading one of them round trip the program, the range fields' check, the refusals before
// any bus traffic, and the log of the latest operation only.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "model/Cp1252.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "tests/support/EibSimulator.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"
#include "transfer/EibBuszugriff.h"
#include "transfer/ui/FrmBusaccess.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Fenstertest {
  StartDir dir;
  ScriptedEnvironment env;
  SimulierterKoppler koppler;
  QPointer<FrmBusaccess> f;

  Fenstertest() {
    resetAllState();
    Setze_Markentexte(1);
    Setze_TexteDeutsch();
    profile().MaxSz = 324;
    koppler.kern.neu<SimSchaltuhr>(0x1105);
    koppler.kern.neu<SimGeraet>(0x1107).speicher[0x104] = 0x10;  // another maker's device
    koppler.kern.neu<SimSchaltuhr>(0x1109);
    f = new FrmBusaccess(&koppler);
    f->zugriff().sitzung().timing = {150, 0.001};
    f->show();
  }
  ~Fenstertest() { delete f; }
  template <typename T>
  T* w(const char* name) {
    return f->findChild<T*>(QString::fromLatin1(name));
  }
  void tippe(const char* feld, const char* text) {
    QLineEdit* e = w<QLineEdit>(feld);
    e->clear();
    QTest::keyClicks(e, QString::fromUtf8(text));
  }
  void klicke(const char* knopf) {
    QCoreApplication::processEvents();
    QTest::mouseClick(w<QPushButton>(knopf), Qt::LeftButton);
  }
  SimSchaltuhr& uhr(uint16_t a) { return static_cast<SimSchaltuhr&>(*koppler.kern.geraet(a)); }
  QString log() { return cp1252::decode(dir.read(QStringLiteral("protocol.txt"))); }
};

QByteArray transferApplikation() {
  QByteArray d;
  for (int i = 0; i < 241; ++i) d += ' ' + QByteArray::number(i == 1 ? 100 : i == 2 ? 79 : i % 200) + " \r\n";
  return d;
}

}  // namespace

class TstBusaccess : public QObject {
  Q_OBJECT

 private slots:
  void searchProgramAndReadOneClock() {
    Fenstertest t;
    QCOMPARE(t.f->windowTitle(), QStringLiteral("Buszugriff"));
    QCOMPARE(t.w<QLineEdit>("txtstatus")->text(), QStringLiteral("bereit"));
    QVERIFY(!t.w<QPushButton>("cmd_appl_reinstall")->isVisible());
    t.tippe("txtvonTeilnehmer", "9");
    t.tippe("txtbisTeilnehmer", "3");
    t.klicke("cmdbussearch");
    QCOMPARE(t.w<QLineEdit>("txtvonTeilnehmer")->text(), QStringLiteral("3"));
    QCOMPARE(t.w<QLineEdit>("txtbisTeilnehmer")->text(), QStringLiteral("9"));
    QComboBox* liste = t.w<QComboBox>("cboPhysadr");
    QCOMPARE(liste->count(), 2);
    QCOMPARE(liste->itemText(0), QStringLiteral("1.1.5"));
    QCOMPARE(t.w<QLineEdit>("txtPhysadr")->text(), QStringLiteral("1.1.9"));
    QVERIFY(t.env.messages.empty());

    // Programming: backup, transfer application, program, the clock's own application back.
    // The answer to the first read after the fourth record is lost, and the clock's answer that
    // took the second record comes again in its place (the mailbox requests: the clear, then the
    // records).
    t.dir.write(QStringLiteral("remote.s19"), transferApplikation());
    const uint8_t eigen = t.uhr(0x1109).speicher[0x150];
    ProgramState& p = program();
    for (int i = 0; i < 4; ++i) p.Sz[0][i] = {static_cast<uint8_t>(130 + i), 0x10, 0, 127, 1, 1};
    p.AnzSz[0] = p.AnzGesamt[0] = 4;
    t.uhr(0x1109).kopieVon = 2;
    t.uhr(0x1109).kopieStatt = 4;
    t.klicke("cmdbusprog");
    QVERIFY(t.env.messages.empty());
    QCOMPARE(t.w<QLineEdit>("txtstatus")->text(), QStringLiteral("Ok"));
    QVERIFY(!t.w<QPushButton>("cmd_appl_reinstall")->isVisible());
    QVERIFY(t.w<QPushButton>("cmdbusread")->isEnabled());
    QCOMPARE(t.uhr(0x1109).saetze.size(), size_t(4));
    QCOMPARE(t.uhr(0x1109).speicher[0x150], eigen);
    QCOMPARE(t.uhr(0x1109).speicher[0x105], uint8_t(0x24));

    // Reading into an emptied program, the fourth record's answer lost and the second one's again
    // in its place (the mailbox requests: the rule and the 21 table positions, each sent twice,
    // then the records).
    p.clearSlot(0);
    t.uhr(0x1109).saetze.insert(t.uhr(0x1109).saetze.begin(), {{96, 0x14, 0, 20, 0x11, 0x50}});
    t.uhr(0x1109).kopieVon = t.uhr(0x1109).anfragen + 45;
    t.uhr(0x1109).kopieStatt = t.uhr(0x1109).anfragen + 47;
    t.klicke("cmdbusread");
    QVERIFY(t.env.messages.empty());
    QCOMPARE(p.AnzGesamt[0], int16_t(5));
    QCOMPARE(p.AnzPz[0], int16_t(1));
    QCOMPARE(p.Geaendert, int16_t(1));
    QCOMPARE(p.Dateiname[0], QStringLiteral("SzTab1.qvl"));
    QCOMPARE(p.Verwendung[0], QStringLiteral("unbekannt"));
    QVERIFY(t.log().contains(QStringLiteral("lese Schaltzeit 5")));
    // Closing sorts the program read: the switching times first.
    t.klicke("cmdBusend");
    QVERIFY(!t.f->isVisible());
    QCOMPARE(p.Sz[0][0].w0, uint8_t(130));
    QCOMPARE(p.Sz[0][4].w0, uint8_t(96));
  }

  void fieldChecks() {
    Fenstertest t;
    struct Fall {
      const char* feld;
      const char* getippt;
      const char* bleibt;
      int beeps;
    };
    for (const Fall& f : {Fall{"txtbisTeilnehmer", "300", "255", 1}, Fall{"txtBuslinie", "16", "0", 1},
                          Fall{"txtBereich", "abc", "0", 0}, Fall{"txtvonTeilnehmer", "007", "7", 0},
                          Fall{"txtvonTeilnehmer", "-5", "0", 1},
                          // Each field keeps its highest value: area, line and both devices.
                          Fall{"txtBereich", "15", "15", 0}, Fall{"txtBuslinie", "15", "15", 0},
                          Fall{"txtvonTeilnehmer", "255", "255", 0}, Fall{"txtbisTeilnehmer", "255", "255", 0},
                          Fall{"txtBereich", "16", "0", 1}, Fall{"txtvonTeilnehmer", "256", "0", 1}}) {
      t.w<QLineEdit>(f.feld)->setText(QStringLiteral("1"));
      t.env.beeps = 0;
      t.w<QLineEdit>(f.feld)->setText(QString::fromLatin1(f.getippt));
      QCOMPARE(t.w<QLineEdit>(f.feld)->text(), QString::fromLatin1(f.bleibt));
      QCOMPARE(t.env.beeps, f.beeps);
    }
  }

  void refusalsBeforeAnyBusTraffic() {
    Fenstertest t;
    // Unsaved changes and Cancel: no bus, no log.
    program().Geaendert = 1;
    program().Dateiname[0] = QStringLiteral("alt.qvl");
    t.w<QLineEdit>("txtPhysadr")->setText(QStringLiteral("1.1.9"));
    t.env.answer(Answer::Cancel);
    t.klicke("cmdbusread");
    QCOMPARE(t.env.messages.back().text, QStringLiteral("Änderungen speichern in alt.qvl  ?"));
    QCOMPARE(t.env.messages.back().buttons, Buttons::YesNoCancel);
    t.env.answer(Answer::Cancel);
    t.klicke("cmdbusprog");
    QCOMPARE(t.env.messages.back().buttons, Buttons::OkCancel);
    QVERIFY(t.koppler.kern.empfangen.empty());
    QVERIFY(!QFile::exists(t.dir.file(QStringLiteral("protocol.txt"))));
    // A line beyond 12 is refused.
    t.w<QLineEdit>("txtPhysadr")->setText(QStringLiteral("1.13.1"));
    t.klicke("cmd_appl_reinstall");
    QCOMPARE(t.env.messages.back().text, QStringLiteral("no valid physical Adress"));
    QVERIFY(t.koppler.kern.empfangen.empty());
    // Without "remote.s19" a program transfer stops after the backup, the clock untouched.
    program().Geaendert = 0;
    t.w<QLineEdit>("txtPhysadr")->setText(QStringLiteral("1.1.9"));
    t.klicke("cmdbusprog");
    QCOMPARE(t.env.messages.back().text, QStringLiteral("remote.s19: Datei nicht vorhanden !"));
    QCOMPARE(t.w<QLineEdit>("txtstatus")->text(), QStringLiteral("nicht erfolgreich"));
    QVERIFY(t.w<QPushButton>("cmd_appl_reinstall")->isVisible());
    QVERIFY(t.uhr(0x1109).befehle.empty());
    // Next time the clock still runs the transfer application: the backup refuses it, and the
    // saved application can be put back.
    t.w<QPushButton>("cmd_appl_reinstall")->hide();
    t.uhr(0x1109).speicher[0x105] = 100;
    t.uhr(0x1109).speicher[0x106] = 79;
    t.klicke("cmdbusprog");
    QCOMPARE(t.env.messages.back().text, QStringLiteral("Falsche Geräteeigenschaften"));
    QVERIFY(t.w<QPushButton>("cmd_appl_reinstall")->isVisible());
    t.klicke("cmd_appl_reinstall");
    QCOMPARE(t.w<QLineEdit>("txtstatus")->text(), QStringLiteral("Ok"));
    QCOMPARE(t.uhr(0x1109).speicher[0x105], uint8_t(0x24));
  }

  void logHoldsTheLatestSearchOnly() {
    Fenstertest t;
    t.tippe("txtvonTeilnehmer", "5");
    t.tippe("txtbisTeilnehmer", "5");
    t.klicke("cmdbussearch");
    t.tippe("txtvonTeilnehmer", "8");
    t.tippe("txtbisTeilnehmer", "8");
    t.klicke("cmdbussearch");
    QVERIFY(t.log().contains(QStringLiteral("Prüfe Teilnehmer 1.1.8")));
    QVERIFY(!t.log().contains(QStringLiteral("1.1.5")));
    QCOMPARE(t.w<QComboBox>("cboPhysadr")->count(), 0);
    QCOMPARE(t.w<QLineEdit>("txtPhysadr")->text(), QStringLiteral("1.1.5"));
    QVERIFY(t.env.messages.empty());
  }
};

QTEST_MAIN(TstBusaccess)
#include "tst_busaccess.moc"
