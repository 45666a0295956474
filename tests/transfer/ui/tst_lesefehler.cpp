// A read that fails leaves the program as it was: the main window's memory-key read over the
// serial road, so the next Save writes it and nothing else over its own file, and the bus
// window's read. The infrared read does not replace a program an entry form works on.
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "calendar/ui/Kalenderfenster.h"

#include "model/Programmdatei.h"
#include "model/Programmleser.h"
#include "model/Texte.h"
#include "tests/support/EibSimulator.h"
#include "tests/support/KeyAdapterSim.h"
#include "tests/transfer/TransferFixtures.h"
#include "tests/views/ViewFixtures.h"
#include "tests/views/ui/Rahmentest.h"
#include "transfer/EibBuszugriff.h"
#include "transfer/ui/FrmBusaccess.h"
#include "transfer/ui/Transferfenster.h"
#include "views/ui/Fensteraufrufe.h"

using namespace qv;
using namespace qv::test;

class TstLesefehler : public QObject {
  Q_OBJECT
 private slots:
  void failedSerialReadThenSaveKeepsTheUsersFile_data() {
    QTest::addColumn<int>("stoerung");
    QTest::newRow("no key in the adapter") << int(Stoerung::KeinChip);
    QTest::newRow("the key does not answer") << int(Stoerung::ChipStumm);
  }
  void failedSerialReadThenSaveKeepsTheUsersFile() {
    QFETCH(int, stoerung);
    Rahmentest t(4);
    wartezeiten().pauseMs = 0;
    wartezeiten().antwortMs = 300;
    wartezeiten().ruheMs = 60;
    // The user's program of five records, saved as its own file.
    ProgramState& p = program();
    setzeSlot(0, {wochenSz(600, 127, 1, 1), wochenSz(360, 31, 2, 0), wochenSz(480, 96, 4, 1),
                  wochenSz(1200, 127, 8, 0), wochenSz(60, 1, 1, 1)},
              {});
    p.Dateiname[0] = t.dir->file(QStringLiteral("anlage.qvl"));
    p.HatDateiname = 1;
    QCOMPARE(SchreibeProgrammDatei(), 1);
    callHook(hooks().Fuelle_Grid, 0);

    KeyAdapterSim sim(2048);
    const Stoerung s{Stoerung::Art(stoerung)};
    sim.plane({{}, {}, {}, s, s, s});  // the three key-type frames pass, block 0 fails
    qputenv("QUORVEL_COM1", sim.device().toLocal8Bit());
    settings().Lpt = 4;
    Installiere_Transferfenster();
    t.action("mnuDatImp")->trigger();
    qunsetenv("QUORVEL_COM1");
    wartezeiten() = Wartezeiten{};
    QCOMPARE(t.letzteMeldung(), texts().S_ZugrNichtErfo);
    QCOMPARE(p.AnzGesamt[0], int16_t(5));
    QCOMPARE(p.Dateiname[0], t.dir->file(QStringLiteral("anlage.qvl")));
    QCOMPARE(p.Geaendert, int16_t(0));
    QCOMPARE(t.grid()->Text(5, 0), QStringLiteral("  5"));

    // One more record and Save: the file holds the five and the new one.
    p.Sz[0][5] = wochenSz(900, 127, 1, 1);
    p.AnzSz[0] = p.AnzGesamt[0] = 6;
    p.Geaendert = 1;
    t.oeffneMenue("mnuDat");
    t.action("mnuDatSpei")->trigger();
    QCOMPARE(p.Geaendert, int16_t(0));
    QCOMPARE(LeseProgrammDatei(t.dir->file(QStringLiteral("anlage.qvl")), 0, 1), LeseErgebnis::Geladen);
    QCOMPARE(p.AnzGesamt[1], int16_t(6));
    QVERIFY(std::equal(std::begin(p.Sz[0]), std::begin(p.Sz[0]) + 6, std::begin(p.Sz[1])));
    fensteraufrufe() = Fensteraufrufe{};
  }

  void failedBusReadKeepsTheProgram() {
    Rahmentest t(4);
    ProgramState& p = program();
    setzeSlot(0, {wochenSz(600, 127, 1, 1), wochenSz(360, 31, 2, 0), wochenSz(480, 96, 4, 1)}, {});
    p.Dateiname[0] = t.dir->file(QStringLiteral("anlage.qvl"));
    p.HatDateiname = 1;
    p.Geaendert = 0;
    const ProgramState vorher = p;
    SimulierterKoppler koppler;
    koppler.kern.neu<SimSchaltuhr>(0x1109);
    auto* f = new FrmBusaccess(&koppler);
    f->zugriff().sitzung().timing = {150, 0.001};
    f->show();
    // Without the transfer application "remote.s19" the read stops before the clock is read.
    f->findChild<QLineEdit*>(QStringLiteral("txtPhysadr"))->setText(QStringLiteral("1.1.9"));
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdbusread")), Qt::LeftButton);
    QCOMPARE(t.letzteMeldung(), QStringLiteral("remote.s19: ") + texts().S_DateiNicht);
    QCOMPARE(p.AnzGesamt[0], vorher.AnzGesamt[0]);
    QCOMPARE(p.AnzSz[0], vorher.AnzSz[0]);
    QCOMPARE(p.Dateiname[0], vorher.Dateiname[0]);
    QCOMPARE(p.HatDateiname, vorher.HatDateiname);
    QCOMPARE(p.Geaendert, vorher.Geaendert);
    delete f;
  }

  // An open change run of the changeover editor works on the program's table: the infrared read
  // does not replace the program under it, as the memory-key read and Open do not; nor when the
  // form is opened while the read runs.
  void infraredReadNeverReplacesWhatAnEntryFormWorksOn() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    Installiere_Transferfenster();
    wartezeiten().irSchrittMs = 20;
    wartezeiten().irNachlaufMs = 200;
    ProgramState& p = program();
    const TSwEintrag sw1 = swEintrag(30, 3, 2, 1, 26, 10, 3, 1), sw2 = swEintrag(29, 3, 2, 1, 25, 10, 3, 1);
    // The clock holds another program, which the stand-in helper brings.
    setzeSlot(0, {wochenSz(120, 127, 1, 1)}, {});
    p.SwTab[0][0] = sw2;
    p.SwTab[0][1] = sw1;
    p.AnzSw[0] = 2;
    p.SwKopf[0] = 7;
    p.Dateiname[0] = t.dir->file(QStringLiteral("uhr.qvl"));
    QCOMPARE(SchreibeProgrammDatei(), 1);
    t.dir->write(QStringLiteral("zelnix.exe"), "#!/bin/sh\ncp uhr.qvl exchg.dat\necho 0 > irtrans.msg\n");
    QFile::setPermissions(t.dir->file(QStringLiteral("zelnix.exe")), QFile::ReadOwner | QFile::ExeOwner);
    // The user's program, its second changeover entry in a change run.
    setzeSlot(0, {wochenSz(60, 127, 1, 1)}, {});
    p.SwTab[0][0] = sw1;
    p.SwTab[0][1] = sw2;
    p.AnzSw[0] = 2;
    p.Dateiname[0] = t.dir->file(QStringLiteral("anlage.qvl"));
    p.HatDateiname = 1;
    QCOMPARE(SchreibeProgrammDatei(), 1);
    callHook(hooks().Fuelle_Grid, 0);
    t.action("mnuAnsSW")->trigger();
    t.grid()->setzeAuswahl(2, 2, 0, t.grid()->columnCount() - 1);
    t.action("mnuBa\u00c4nd")->trigger();
    QCoreApplication::processEvents();
    QPointer<QMdiSubWindow> sw = t.rahmen->mdiArea()->currentSubWindow();
    QCOMPARE(sw->objectName(), QStringLiteral("frmEinSW"));

    QWidget* ir = Oeffne_Fenster(&Fensteraufrufe::frmIRAccess);
    ir->findChild<QRadioButton*>(QStringLiteral("Option1_0"))->click();
    const int beeps = t.env->beeps;
    QTest::mouseClick(ir->findChild<QPushButton*>(QStringLiteral("cmd_IRok")), Qt::LeftButton);
    QCOMPARE(t.env->beeps, beeps + 1);
    QCOMPARE(p.Dateiname[0], t.dir->file(QStringLiteral("anlage.qvl")));
    QCOMPARE(p.SwTab[0][0], sw1);
    QCOMPARE(p.Sz[0][0], wochenSz(60, 127, 1, 1));
    QVERIFY(!QFile::exists(t.dir->file(QStringLiteral("2zelnix.msg"))));

    sw->findChild<QListWidget*>(QStringLiteral("Listvonstd"))->setCurrentRow(4);
    QTest::mouseClick(sw->findChild<QPushButton*>(QStringLiteral("cmdSwOk")), Qt::LeftButton);
    QCOMPARE(p.SwTab[0][0], sw1);
    QCOMPARE(p.SwTab[0][1].w0 / 16, 4);
    QTest::mouseClick(sw->findChild<QPushButton*>(QStringLiteral("cmdSwOk")), Qt::LeftButton);
    QTRY_VERIFY(!sw);

    // A switching-time form opened while the read runs: what the helper brings is not loaded.
    t.rahmen->mdiArea()->setActiveSubWindow(t.haupt()->subWindow());
    t.action("mnuAnsSZ")->trigger();
    t.env->messages.clear();
    QTimer::singleShot(0, this, [&t] { t.action("mnuBaSz")->trigger(); });
    QTest::mouseClick(ir->findChild<QPushButton*>(QStringLiteral("cmd_IRok")), Qt::LeftButton);
    QVERIFY(t.rahmen->kindfenster(QStringLiteral("frmEingSz")));
    QCOMPARE(p.Dateiname[0], t.dir->file(QStringLiteral("anlage.qvl")));
    QCOMPARE(p.Sz[0][0], wochenSz(60, 127, 1, 1));
    QCOMPARE(p.SwTab[0][0], sw1);
    QVERIFY(t.env->messages.empty());
    QCOMPARE(t.env->beeps, beeps + 2);
    QTest::mouseClick(ir->findChild<QPushButton*>(QStringLiteral("cmd_Irend")), Qt::LeftButton);
    fensteraufrufe() = Fensteraufrufe{};
  }
};

QTEST_MAIN(TstLesefehler)
#include "tst_lesefehler.moc"
