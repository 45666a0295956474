// The main window's commands while another child window is active (the changeover editor, the
// simulation, the astro dialog) or a window of its own is open (the input automation): none acts
// on a grid or header panel that does not show the program, slot and view in memory. Also the
// lists while the switching-time form is open and the priority form on a switching-time row.
#include <QLineEdit>
#include <QListWidget>

#include "calendar/ui/FrmGrafik.h"
#include "calendar/ui/Kalenderfenster.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Programmdatei.h"
#include "model/Satz.h"
#include "model/Sortierung.h"
#include "tests/views/ViewFixtures.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Gridinhalt.h"
#include "views/Zelltexte.h"

using namespace qv;
using namespace qv::test;

namespace {

QMdiSubWindow* aktiv(const Rahmentest& t) { return t.rahmen->mdiArea()->currentSubWindow(); }

// Writes a program file from the records and the usage text; returns its path.
QString speichere(Rahmentest& t, const char* name, std::initializer_list<TSz> sz, std::initializer_list<TSz> pz,
                  const QString& verwendung) {
  setzeSlot(0, sz, pz);
  SortiereSz(1, 0);
  program().Verwendung[0] = verwendung;
  program().Dateiname[0] = t.dir->file(name);
  program().HatDateiname = 1;
  if (SchreibeProgrammDatei() != 1) qWarning("program file not written");
  return t.dir->file(name);
}

// A click on the menu bar: a menu that is off does not open (nor take over the header boxes).
void klickeMenue(const Rahmentest& t, const char* name) {
  QMenu* m = t.menue(name);
  if (m->menuAction()->isEnabled()) emit m->aboutToShow();
}

// The main window's caption names the file of the slot it shows, and the header panel shows
// that slot's usage text.
void pruefeAnzeige(const Rahmentest& t) {
  const int m = program().AktSpeicher;
  QVERIFY2(t.haupt()->subWindow()->windowTitle().contains(program().Dateiname[m]),
           qPrintable(t.haupt()->subWindow()->windowTitle()));
  QCOMPARE(t.w<QLineEdit>("Txtverwendung")->text(), program().Verwendung[m]);
}

// Edit > switching times, and 9:00 on Mondays on channel 1 stored as the third switching time.
// Returns the form's window, left open.
QMdiSubWindow* neueSchaltzeit(const Rahmentest& t) {
  t.action("mnuBaSz")->trigger();
  QMdiSubWindow* sub = aktiv(t);
  auto* f = qobject_cast<FrmEingSz*>(sub->widget());
  if (!f) return nullptr;
  f->chkKan[0]->click();
  f->chkWochentag[0]->click();
  f->liststd->setCurrentRow(9);
  f->cmdSzok_Click();
  return program().AnzSz[0] == 3 ? sub : nullptr;
}

const TSz k1 = wochenSz(60, 127, 1, 1), k2 = wochenSz(120, 127, 1, 1), k3 = wochenSz(180, 127, 1, 1);
const TSz k11 = wochenSz(660, 127, 1, 1), k12 = wochenSz(720, 127, 1, 1), k13 = wochenSz(780, 127, 1, 1);
const TSz pz = periodePz(5, 1, 9, 20, 4, 1);

}  // namespace

class TstKindfenster : public QObject {
  Q_OBJECT

 private slots:
  // Child windows x commands. A child of the frame takes the main window's menu, its shortcuts
  // and the frame's filter, save and print buttons away until the main window is active again;
  // beside a window of its own they stay, and act on what the main window shows.
  void commandsWithAnotherWindowActive_data() {
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<bool>("kind");
    QTest::addColumn<QString>("befehle");
    const struct {
      const char* name;
      const char* befehl;
      bool kind;
    } fenster[] = {{"changeover editor", "mnuBaSw", true},
                   {"simulation", "mnuAnsGrafik", true},
                   {"astro dialog", "mnuBaAstro", true},
                   {"automation window", "mnuEinstAuto", false}};
    for (const auto& f : fenster)
      for (const char* b : {"open and delete", "open and menu", "template close and delete", "priority view and change",
                            "shortcuts"})
        QTest::addRow("%s, %s", f.name, b) << QString::fromLatin1(f.befehl) << f.kind << QString::fromLatin1(b);
  }
  void commandsWithAnotherWindowActive() {
    QFETCH(QString, fenster);
    QFETCH(bool, kind);
    QFETCH(QString, befehle);
    Rahmentest t(20);
    Kalenderfenster_anmelden();
    fensteraufrufe().FrmGrafik = &Zeige_FrmGrafik;
    const QString b = speichere(t, "b.qvl", {k11, k12, k13}, {pz}, QStringLiteral("Anlage B"));
    const QString a = speichere(t, "a.qvl", {k1, k2, k3}, {pz}, QStringLiteral("Anlage A"));
    t.env->answerFileDialog(a);
    t.action("mnuDat\u00d6ff")->trigger();
    QCOMPARE(program().Dateiname[0], a);
    if (befehle == QLatin1String("template close and delete")) {
      t.env->answerFileDialog(b);
      t.action("mnuDatVorl")->trigger();
      QCOMPARE(program().AktSpeicher, int16_t(1));
    }
    t.grid()->setzeAuswahl(2, 2, 0, t.grid()->columnCount() - 1);
    t.oeffneMenue("mnuBa");

    t.haupt()->action(fenster)->trigger();
    QCoreApplication::processEvents();
    QMdiSubWindow* anderes = aktiv(t);
    QCOMPARE(anderes != t.haupt()->subWindow(), kind);
    const int fensterzahl = t.rahmen->mdiArea()->subWindowList().size();
    if (kind) {
      for (const char* m : {"mnuDat", "mnuBa", "mnuAns", "mnuEinst", "mnuhelp"}) {
        QVERIFY(!t.menue(m)->menuAction()->isEnabled());
        for (QAction* x : t.menue(m)->actions())
          if (!x->isSeparator()) QVERIFY2(!x->isEnabled(), qPrintable(x->objectName()));
      }
      for (const char* k : {"picfilter", "AniButton2", "AniButton3"}) QVERIFY(!t.w<QWidget>(k)->isEnabled());
    }

    t.env->answer(Answer::Ok);
    if (befehle == QLatin1String("open and delete")) {
      t.env->answerFileDialog(b);
      t.action("mnuDat\u00d6ff")->trigger();
      t.action("mnuBal\u00f6")->trigger();
    } else if (befehle == QLatin1String("open and menu")) {
      t.env->answerFileDialog(b);
      t.action("mnuDat\u00d6ff")->trigger();
      klickeMenue(t, "mnuDat");
    } else if (befehle == QLatin1String("template close and delete")) {
      t.action("mnuDatVorlSchl")->trigger();
      klickeMenue(t, "mnuBa");
      t.action("mnuBal\u00f6")->trigger();
    } else if (befehle == QLatin1String("priority view and change")) {
      t.action("mnuAnsPz")->trigger();
      klickeMenue(t, "mnuBa");
      t.action("mnuBa\u00c4nd")->trigger();
      QVERIFY(!t.rahmen->kindfenster(QStringLiteral("frmEingPZ")));
    } else {
      QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : t.rahmen.data();
      for (Qt::Key k : {Qt::Key_S, Qt::Key_P, Qt::Key_A, Qt::Key_W, Qt::Key_X, Qt::Key_C, Qt::Key_F})
        QTest::keyClick(ziel, k, Qt::ControlModifier);
      QTest::keyClick(ziel, Qt::Key_Delete);
      if (kind) {
        QCOMPARE(aktiv(t), anderes);
        QCOMPARE(t.rahmen->mdiArea()->subWindowList().size(), fensterzahl);
      }
    }
    QCoreApplication::processEvents();

    // No record went that the grid did not show, and the usage text stayed the file's.
    QCOMPARE(program().AnzSz[0], int16_t(3));
    QCOMPARE(program().AnzGesamt[0], int16_t(4));
    QCOMPARE(program().Geaendert, int16_t(0));
    const QString verwendung = program().Dateiname[0] == b ? QStringLiteral("Anlage B") : QStringLiteral("Anlage A");
    QCOMPARE(program().Verwendung[0], verwendung);
    pruefeAnzeige(t);
    if (kind) QCOMPARE(program().Dateiname[0], a);

    // With the main window active again its commands are back.
    if (t.rahmen->kindfenster(QStringLiteral("frmEingPZ"))) t.rahmen->kindfenster(QStringLiteral("frmEingPZ"))->close();
    t.rahmen->mdiArea()->setActiveSubWindow(t.haupt()->subWindow());
    QCoreApplication::processEvents();
    QVERIFY(t.menue("mnuDat")->menuAction()->isEnabled());
    QVERIFY(t.action("mnuDatneu")->isEnabled());
    QVERIFY(t.action("mnuBaFilt")->isEnabled());
    for (const char* k : {"picfilter", "AniButton2", "AniButton3"}) QVERIFY(t.w<QWidget>(k)->isEnabled());
    pruefeAnzeige(t);
    // The changeover editor is an entry form: while it is open the program is not replaced.
    QCOMPARE(t.action("mnuDat\u00d6ff")->isEnabled(), fenster != QLatin1String("mnuBaSw"));
  }

  // A program loaded by a window of its own while another child is active: the header panel
  // shows it at once, the grid when the main window is active again, even when a dialog asked
  // to skip that refill.
  void refillAskedForWhileAnotherChildIsActive() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    setzeSlot(0, {k1, k2}, {});
    program().Verwendung[0] = QStringLiteral("Anlage A");
    callHook(hooks().Fuelle_Grid, 0);
    t.action("mnuBaSw")->trigger();
    QVERIFY(aktiv(t) != t.haupt()->subWindow());
    setzeSlot(0, {k11, k12, k13}, {});
    program().Verwendung[0] = QStringLiteral("Anlage B");
    callHook(hooks().Fuelle_Grid, 0);
    callHook(hooks().setSaveCommandEnabled, true);
    QVERIFY(!t.action("mnuDatSpei")->isEnabled());
    QCOMPARE(t.w<QLineEdit>("Txtverwendung")->text(), QStringLiteral("Anlage B"));
    QCOMPARE(t.grid()->Text(3, 0), QString());
    viewState().KeinRefresh = true;
    t.rahmen->mdiArea()->setActiveSubWindow(t.haupt()->subWindow());
    QCoreApplication::processEvents();
    QCOMPARE(t.grid()->Text(3, 0), QStringLiteral("  3"));
    QCOMPARE(t.grid()->Text(1, 2).trimmed(), Uhrzeit_Text(660).trimmed());
  }

  // A new switching time joins the switching times while the form is open: the switching-time
  // list shows it, the priority list starts with the priority time, and a print shows the same.
  void listsWhileTheSwitchingTimeFormIsOpen() {
    Rahmentest t(4);
    setzeSlot(0, {k1, k2}, {pz});
    callHook(hooks().Fuelle_Grid, 0);
    QMdiSubWindow* sub = neueSchaltzeit(t);
    QVERIFY(sub);

    // What a print of the priority list would show at this moment.
    viewState().AktAnsicht = 1;
    const GridInhalt druck = Baue_Gridinhalt(0);
    QCOMPARE(druck.text(1, 0), QStringLiteral("  1"));
    QCOMPARE(druck.text(1, 6), QStringLiteral("4"));
    viewState().AktAnsicht = 0;

    // The main window active beside the open form shows both lists whole.
    t.rahmen->mdiArea()->setActiveSubWindow(t.haupt()->subWindow());
    QCoreApplication::processEvents();
    QCOMPARE(viewState().AktAnsicht, int16_t(0));
    QStringList zeiten;
    for (int r = 1; r <= 3; ++r) zeiten << t.grid()->Text(r, 2).trimmed();
    const QStringList erwartet{Uhrzeit_Text(60).trimmed(), Uhrzeit_Text(120).trimmed(), Uhrzeit_Text(540).trimmed()};
    QCOMPARE(zeiten, erwartet);
    QVERIFY(t.grid()->Text(4, 0).isEmpty());
    t.action("mnuAnsPz")->trigger();
    QCOMPARE(t.grid()->Text(1, 0), QStringLiteral("  1"));
    QCOMPARE(t.grid()->Text(1, 6), QStringLiteral("4"));
    QVERIFY(t.grid()->Text(2, 0).isEmpty());

    // Closing sorts the slot into the same order.
    TSz vorher[4];
    std::copy(program().Sz[0], program().Sz[0] + 4, vorher);
    sub->close();
    QCoreApplication::processEvents();
    for (int i = 0; i < 4; ++i) QCOMPARE(program().Sz[0][i], vorher[i]);
  }

  // A priority change run open while the switching-time form stores a new time (the priority
  // times move up by one) still writes the priority time it shows.
  void priorityRunAcrossANewSwitchingTime() {
    Rahmentest t(4);
    const TSz pz2 = periodePz(6, 1, 6, 30, 2, 1);
    setzeSlot(0, {k1, k2}, {pz, pz2});
    callHook(hooks().Fuelle_Grid, 0);
    t.action("mnuAnsPz")->trigger();
    int zeile = 0;
    for (int r = 1; r <= 2; ++r)
      if (t.grid()->Text(r, 6) == QStringLiteral("2")) zeile = r;
    QVERIFY(zeile > 0);
    t.grid()->setzeAuswahl(zeile, zeile, 0, t.grid()->columnCount() - 1);
    t.action("mnuBaÄnd")->trigger();
    QMdiSubWindow* pzSub = aktiv(t);
    auto* pzForm = qobject_cast<FrmEingPZ*>(pzSub->widget());
    QVERIFY(pzForm);

    t.rahmen->mdiArea()->setActiveSubWindow(t.haupt()->subWindow());
    QVERIFY(neueSchaltzeit(t));

    t.rahmen->mdiArea()->setActiveSubWindow(pzSub);
    pzForm->LstPrio->setCurrentRow(4);  // "Programm P5"
    pzForm->cmdPzOk_Click();
    const ProgramState& p = program();
    QCOMPARE(p.AnzSz[0], int16_t(3));
    QCOMPARE(p.AnzPz[0], int16_t(2));
    int geaendert = 0;
    for (int i = 0; i < 3; ++i) QCOMPARE(Sz_Art(p.Sz[0][i]), 0);
    for (int i = 3; i < 5; ++i) {
      QCOMPARE(Sz_Art(p.Sz[0][i]), 2);
      if (Sz_Prio(p.Sz[0][i]) == 5) ++geaendert;
    }
    QCOMPARE(geaendert, 1);
    QVERIFY(std::find(p.Sz[0], p.Sz[0] + 5, pz) != p.Sz[0] + 5);
  }

  // The priority form changes or copies priority times only.
  void priorityFormRefusesASwitchingTimeRow() {
    Rahmentest t(4);
    setzeSlot(0, {k1, k2}, {pz});
    callHook(hooks().Fuelle_Grid, 0);
    t.grid()->setzeAuswahl(1, 1, 0, t.grid()->columnCount() - 1);
    // The row map leads to a switching time while the view reads "priority times".
    viewState().AktAnsicht = 1;
    const int piepser = t.env->beeps;
    t.haupt()->mnuBaAend_Click();
    QCoreApplication::processEvents();
    QVERIFY(!t.rahmen->kindfenster(QStringLiteral("frmEingPZ")));
    QCOMPARE(t.env->beeps, piepser + 1);
    QCOMPARE(viewState().EingabeModus, int16_t(0));
    QCOMPARE(program().Sz[0][0], k1);
    // On a priority row it opens.
    t.action("mnuAnsPz")->trigger();
    t.grid()->setzeAuswahl(1, 1, 0, t.grid()->columnCount() - 1);
    t.haupt()->mnuBaAend_Click();
    QVERIFY(t.rahmen->kindfenster(QStringLiteral("frmEingPZ")));
  }
};

QTEST_MAIN(TstKindfenster)
#include "tst_kindfenster.moc"
