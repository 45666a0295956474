// Windows that work beside the main window and outlive what they show: the changeover editor
// keeps the mode and rows it opened with and the main window guards it as an entry form, New
// closes the holiday editor, the device settings dialog takes over only what was changed in it,
// and the astro dialog writes the channel whose limits it shows.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "calendar/ui/Kalenderfenster.h"
#include "entry/Eingabeautomatik.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Feiertage.h"
#include "model/Programmdatei.h"
#include "model/Sortierung.h"
#include "shell/ui/Geraetefenster.h"
#include "tests/views/ViewFixtures.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Befehle.h"

using namespace qv;
using namespace qv::test;

namespace {

QMdiSubWindow* aktiv(const Rahmentest& t) { return t.rahmen->mdiArea()->currentSubWindow(); }

template <typename T>
T* kind(QWidget* fenster, const char* name) {
  T* x = fenster ? fenster->findChild<T*>(QString::fromUtf8(name)) : nullptr;
  if (!x) qWarning("no control %s", name);
  return x;
}

QWidget* eigenesFenster(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == QString::fromUtf8(name)) return w;
  return nullptr;
}

void hauptfensterAktiv(const Rahmentest& t) {
  t.rahmen->mdiArea()->setActiveSubWindow(t.haupt()->subWindow());
  QCoreApplication::processEvents();
}

const TSz k1 = wochenSz(60, 127, 1, 1), k2 = wochenSz(120, 127, 1, 1);
const TSwEintrag sw1 = swEintrag(30, 3, 2, 1, 26, 10, 3, 1);
const TSwEintrag sw2 = swEintrag(29, 3, 2, 1, 25, 10, 3, 1);
const TSwEintrag sw3 = swEintrag(28, 3, 2, 1, 31, 10, 3, 1);

// A program of two switching times and three changeover entries, saved under name.
QString mitTabelle(Rahmentest& t, const char* name) {
  setzeSlot(0, {k1, k2}, {});
  ProgramState& p = program();
  p.SwTab[0][0] = sw1;
  p.SwTab[0][1] = sw2;
  p.SwTab[0][2] = sw3;
  p.AnzSw[0] = 3;
  p.SwKopf[0] = 7;
  p.SwProJahr[0] = 0;
  p.Dateiname[0] = t.dir->file(name);
  p.HatDateiname = 1;
  if (SchreibeProgrammDatei() != 1) qWarning("program file not written");
  callHook(hooks().Fuelle_Grid, 0);
  return p.Dateiname[0];
}

// The changeover table in the grid with entries von..bis (1-based) selected, then Edit > Change.
QMdiSubWindow* aendereSw(Rahmentest& t, int von, int bis) {
  t.action("mnuAnsSW")->trigger();
  t.grid()->setzeAuswahl(von, bis, 0, t.grid()->columnCount() - 1);
  t.action("mnuBa\u00c4nd")->trigger();
  QCoreApplication::processEvents();
  return aktiv(t)->objectName() == QLatin1String("frmEinSW") ? aktiv(t) : nullptr;
}

}  // namespace

class TstNebenfenster : public QObject {
  Q_OBJECT

  static void ok(QMdiSubWindow* sw) { QTest::mouseClick(kind<QPushButton>(sw, "cmdSwOk"), Qt::LeftButton); }

 private slots:
  void init() {
    setInputAutomationStartValues();
    inputAutomation().AutoAktiv = 0;
  }

  // A new entry stays a new entry, whatever the main window sets for other forms meanwhile.
  void changeoverNewEntryStaysNew() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    t.env->setNow(QDateTime(QDate(2003, 6, 15), QTime(12, 0)));
    mitTabelle(t, "a.qvl");
    t.action("mnuBaSw")->trigger();
    QPointer<QMdiSubWindow> sw = aktiv(t);
    QCOMPARE(sw->objectName(), QStringLiteral("frmEinSW"));
    // Edit > Change on a switching time while the editor is open.
    hauptfensterAktiv(t);
    t.action("mnuAnsSZ")->trigger();
    t.grid()->setzeAuswahl(1, 1, 0, t.grid()->columnCount() - 1);
    QVERIFY(!t.action("mnuBa\u00c4nd")->isEnabled());
    t.action("mnuBa\u00c4nd")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(!t.rahmen->kindfenster(QStringLiteral("frmEingSz")));
    ok(sw);
    QCOMPARE(program().AnzSw[0], int16_t(4));
    QCOMPARE(program().SwTab[0][0], sw1);
    // Even with the mode set for another form.
    viewState().EingabeModus = 1;
    ok(sw);
    QCOMPARE(program().AnzSw[0], int16_t(5));
    QCOMPARE(program().SwTab[0][0], sw1);
  }

  // A change run changes its rows, and only those.
  void changeoverChangeRunKeepsItsRows() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    mitTabelle(t, "a.qvl");
    QPointer<QMdiSubWindow> sw = aendereSw(t, 1, 2);
    QVERIFY(sw);
    // Edit > new switching time elsewhere sets the mode to "new".
    hauptfensterAktiv(t);
    t.action("mnuBaSz")->trigger();
    QCOMPARE(viewState().EingabeModus, int16_t(0));
    kind<QListWidget>(sw, "Listvonstd")->setCurrentRow(4);
    ok(sw);
    QCOMPARE(program().AnzSw[0], int16_t(3));
    QCOMPARE(program().SwTab[0][0].w0 / 16, 4);
    QVERIFY(sw);
    ok(sw);
    QCOMPARE(program().AnzSw[0], int16_t(3));
    QTRY_VERIFY(!sw);

    // A run over one row ends after it, whatever rows were chosen since.
    t.rahmen->kindfenster(QStringLiteral("frmEingSz"))->close();
    hauptfensterAktiv(t);
    sw = aendereSw(t, 1, 1);
    QVERIFY(sw);
    viewState().SelBis = 2;
    ok(sw);
    QTRY_VERIFY(!sw);
    QCOMPARE(program().SwTab[0][2], sw3);
  }

  // The switching-time form's input automation, switched on while a change run is open, does not
  // put rule days into the entry the run shows: it keeps its days, only the hour typed changes.
  void changeoverChangeRunKeepsItsDaysWhenAnotherFormAutomates() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    mitTabelle(t, "a.qvl");
    program().SwTab[0][0] = swEintrag(5, 3, 2, 1, 10, 10, 3, 1);
    QPointer<QMdiSubWindow> sw = aendereSw(t, 1, 1);
    QVERIFY(sw);
    hauptfensterAktiv(t);
    t.action("mnuBaSz")->trigger();
    auto* f = qobject_cast<FrmEingSz*>(aktiv(t)->widget());
    QVERIFY(f);
    f->Chkautopil->click();
    QCOMPARE(inputAutomation().AutoAktiv, int16_t(1));
    t.rahmen->mdiArea()->setActiveSubWindow(sw);
    QCoreApplication::processEvents();
    kind<QListWidget>(sw, "Listvonstd")->setCurrentRow(4);
    ok(sw);
    QTRY_VERIFY(!sw);
    QCOMPARE(program().SwTab[0][0], swEintrag(5, 3, 4, 1, 10, 10, 3, 1));
  }

  // While a change run is open the main window neither deletes its rows nor replaces the program;
  // an entry gone all the same is not written behind the table's end.
  void changeoverChangeRunIsGuarded() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    const QString a = mitTabelle(t, "a.qvl");
    setzeSlot(0, {k2}, {});
    program().AnzSw[0] = 0;
    program().Dateiname[0] = t.dir->file("b.qvl");
    QCOMPARE(SchreibeProgrammDatei(), 1);
    t.env->answerFileDialog(a);
    t.action("mnuDat\u00d6ff")->trigger();
    QCOMPARE(program().AnzSw[0], int16_t(3));

    QPointer<QMdiSubWindow> sw = aendereSw(t, 2, 3);
    QVERIFY(sw);
    hauptfensterAktiv(t);
    t.grid()->setzeAuswahl(3, 3, 0, t.grid()->columnCount() - 1);
    t.env->answer(Answer::Ok);
    t.action("mnuBal\u00f6")->trigger();
    QCOMPARE(program().AnzSw[0], int16_t(3));
    t.env->answerFileDialog(t.dir->file("b.qvl"));
    t.action("mnuDat\u00d6ff")->trigger();
    QCOMPARE(program().Dateiname[0], a);

    ok(sw);
    QCOMPARE(program().SwTab[0][1], sw2);
    // The last row goes by a way the guard does not see.
    Loesche_SoWiZeilen(Zeilenbereich{3, 3});
    t.env->messages.clear();
    ok(sw);
    QTRY_VERIFY(!sw);
    QCOMPARE(t.letzteMeldung(), QStringLiteral("Error : 9"));
    QCOMPARE(program().AnzSw[0], int16_t(2));
    QCOMPARE(program().SwTab[0][2], (TSwEintrag{255, 255, 255, 255}));
  }

  // New closes the holiday editor as closing the frame does: its list never outlives the table
  // the start-up window reads again, and the holiday added in it reaches the file first.
  void newClosesTheHolidayEditor() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    resetHolidayTable();
    texts().FtDatei = QStringLiteral("deutsch.hdy");
    t.dir->write("deutsch.hdy", "");
    int startbild = 0;
    hooks().Zeige_Startbild = [&startbild] { ++startbild; };
    t.action("mnu_Einst_Ft")->trigger();
    QWidget* ft = eigenesFenster("frmfeiertage");
    QVERIFY(ft);
    kind<QLineEdit>(ft, "Txt_feiertag_name")->setText(QStringLiteral("Testtag"));
    QTest::mouseClick(kind<QPushButton>(ft, "cmd_add_Feiertage"), Qt::LeftButton);
    QCOMPARE(holidayTable().Feiertage.back().Name, QStringLiteral("Testtag"));
    t.action("mnuDatneu")->trigger();
    hooks().Zeige_Startbild = nullptr;
    QCOMPARE(startbild, 1);
    QVERIFY(!eigenesFenster("frmfeiertage"));
    QCOMPARE(t.dir->read("deutsch.hdy"), QByteArray(" 1  0 \r\nTesttag, 2  0  0  0 \r\n"));
  }

  // The device settings dialog open across File > Open: its OK keeps the changeover rule the
  // program brought unless the user chose another one in it.
  void deviceSettingsAcrossOpen_data() {
    QTest::addColumn<int>("regelImDialog");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("lines changed only") << -1 << 2;
    QTest::newRow("rule chosen") << 3 << 3;
  }
  void deviceSettingsAcrossOpen() {
    QFETCH(int, regelImDialog);
    QFETCH(int, erwartet);
    Rahmentest t(4);
    fensteraufrufe().frmGeraetEinst = &Zeige_Geraeteeinstellungen;
    settings().SwRegel = 2;
    setzeSlot(0, {k2}, {});
    program().Dateiname[0] = t.dir->file("b.qvl");
    QCOMPARE(SchreibeProgrammDatei(), 1);
    settings().SwRegel = 1;
    setzeSlot(0, {k1}, {});
    program().Dateiname[0] = t.dir->file("a.qvl");
    QCOMPARE(SchreibeProgrammDatei(), 1);
    t.env->answerFileDialog(t.dir->file("a.qvl"));
    t.action("mnuDat\u00d6ff")->trigger();
    QCOMPARE(settings().SwRegel, int16_t(1));

    t.action("mnuEinstGer\u00e4t")->trigger();
    QPointer<QWidget> dlg = eigenesFenster("frmGer\u00e4tEinst");
    QVERIFY(dlg);
    QCOMPARE(kind<QComboBox>(dlg, "cboswregel")->currentIndex(), 1);
    t.env->answerFileDialog(t.dir->file("b.qvl"));
    t.action("mnuDat\u00d6ff")->trigger();
    QCOMPARE(settings().SwRegel, int16_t(2));
    kind<QScrollBar>(dlg, "Hsbzeilen")->setValue(80);
    if (regelImDialog < 0) {
      // Back in the dialog it shows the rule the program brought, and keeps the lines typed.
      QEvent zurueck(QEvent::WindowActivate);
      QCoreApplication::sendEvent(dlg, &zurueck);
      QCOMPARE(kind<QComboBox>(dlg, "cboswregel")->currentIndex(), 2);
      QCOMPARE(kind<QScrollBar>(dlg, "Hsbzeilen")->value(), 80);
    }
    if (regelImDialog >= 0) kind<QComboBox>(dlg, "cboswregel")->setCurrentIndex(regelImDialog);
    QTest::mouseClick(kind<QPushButton>(dlg, "CmdEinstOk"), Qt::LeftButton);
    QTRY_VERIFY(!dlg);
    QCOMPARE(settings().SwRegel, int16_t(erwartet));
    QCOMPARE(settings().Zeilen, int16_t(80));
  }

  // The measuring pulse goes only on a channel no record uses: channel 2, chosen in the dialog
  // before the switching-time form stored a time on it, is offered no more once the dialog is
  // active again, and OK does not put the pulse on it.
  void deviceSettingsOfferOnlyFreeChannels() {
    Rahmentest t(19);
    fensteraufrufe().frmGeraetEinst = &Zeige_Geraeteeinstellungen;
    settings().MessKanal = 0;
    t.action("mnuEinstGer\u00e4t")->trigger();
    QPointer<QWidget> dlg = eigenesFenster("frmGer\u00e4tEinst");
    QVERIFY(dlg);
    auto* kanal = kind<QComboBox>(dlg, "cboMessKan");
    QCOMPARE(kanal->count(), 5);
    kanal->setCurrentIndex(2);
    QCOMPARE(kanal->currentText(), texts().S_aufKanal2);

    hauptfensterAktiv(t);
    t.action("mnuBaSz")->trigger();
    auto* f = qobject_cast<FrmEingSz*>(aktiv(t)->widget());
    QVERIFY(f);
    f->chkKan[1]->click();
    f->chkWochentag[0]->click();
    f->liststd->setCurrentRow(9);
    f->cmdSzok_Click();
    QCOMPARE(program().AnzSz[0], int16_t(1));

    QEvent zurueck(QEvent::WindowActivate);
    QCoreApplication::sendEvent(dlg, &zurueck);
    QStringList eintraege;
    for (int i = 0; i < kanal->count(); ++i) eintraege << kanal->itemText(i);
    QCOMPARE(eintraege, (QStringList{texts().S_keinMess, texts().S_aufKanal1, texts().S_aufKanal3, texts().S_aufKanal4}));
    QCOMPARE(kanal->currentIndex(), 0);
    QTest::mouseClick(kind<QPushButton>(dlg, "CmdEinstOk"), Qt::LeftButton);
    QTRY_VERIFY(!dlg);
    QCOMPARE(settings().MessKanal, int16_t(0));
  }

  // An entry form open while the dialog puts the pulse on channel 2 clears and locks that box
  // when it is active again, so no record goes on the pulse's channel; the pulse moved away
  // frees it again.
  void entryFormsFollowThePulseChannel_data() {
    QTest::addColumn<QString>("form");
    QTest::newRow("switching time") << QStringLiteral("mnuBaSz");
    QTest::newRow("priority time") << QStringLiteral("mnuBaPz");
  }
  void entryFormsFollowThePulseChannel() {
    QFETCH(QString, form);
    Rahmentest t(19);
    fensteraufrufe().frmGeraetEinst = &Zeige_Geraeteeinstellungen;
    settings().MessKanal = 0;
    t.action(form.toUtf8().constData())->trigger();
    QMdiSubWindow* sub = aktiv(t);
    QVERIFY(sub);
    ColourCheckBox* const* kan = form == QStringLiteral("mnuBaSz") ? qobject_cast<FrmEingSz*>(sub->widget())->chkKan
                                                                   : qobject_cast<FrmEingPZ*>(sub->widget())->chkKan;
    kan[1]->setChecked(true);

    hauptfensterAktiv(t);
    t.action("mnuEinstGer\u00e4t")->trigger();
    QPointer<QWidget> dlg = eigenesFenster("frmGer\u00e4tEinst");
    QVERIFY(dlg);
    kind<QComboBox>(dlg, "cboMessKan")->setCurrentIndex(2);
    QTest::mouseClick(kind<QPushButton>(dlg, "CmdEinstOk"), Qt::LeftButton);
    QTRY_VERIFY(!dlg);
    QCOMPARE(settings().MessKanal, int16_t(2));
    t.rahmen->mdiArea()->setActiveSubWindow(sub);
    QEvent zurueck(QEvent::WindowActivate);
    QCoreApplication::sendEvent(t.rahmen, &zurueck);
    QVERIFY(!kan[1]->isChecked());
    QVERIFY(!kan[1]->isEnabled());
    QVERIFY(kan[0]->isEnabled() && kan[2]->isEnabled());

    settings().MessKanal = 3;
    QCoreApplication::sendEvent(t.rahmen, &zurueck);
    QVERIFY(kan[1]->isEnabled());
    QVERIFY(!kan[2]->isEnabled());
  }

  // The astro dialog of the 16-channel type follows the frame's paging while the main window is
  // active, and its OK writes the channel whose limits it shows.
  void astroDialogWritesTheChannelItShows() {
    Rahmentest t(15);
    Kalenderfenster_anmelden();
    AstroState& a = astro();
    a.AstroGrenzen[0] = {300, 1200, 0, 1};
    a.AstroGrenzen[1] = {360, 1200, 0, 1};
    t.action("mnuBaAstro")->trigger();
    QCoreApplication::processEvents();
    QPointer<QMdiSubWindow> dlg = aktiv(t);
    QCOMPARE(dlg->objectName(), QStringLiteral("frmastro"));
    auto* grenze = kind<QScrollBar>(dlg, "hsb_limit_Sonnenaufgang");
    QCOMPARE(grenze->value(), 300);

    hauptfensterAktiv(t);
    QCOMPARE(viewState().AktAnsicht, int16_t(3));
    t.rahmen->Image1_Click(1);
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C2:"));
    QCOMPARE(grenze->value(), 360);
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_astro_ok"), Qt::LeftButton);
    QCOMPARE(a.AstroGrenzen[1].GrenzeAuf, int16_t(360));
    QCOMPARE(a.AstroAktiv[2], int16_t(-1));
    QCOMPARE(a.AstroAktiv[1], int16_t(0));
    QCOMPARE(a.AstroGrenzen[0].GrenzeAuf, int16_t(300));

    // Paging another view's channel groups leaves the dialog on its channel.
    hauptfensterAktiv(t);
    t.action("mnuAnsSZ")->trigger();
    QCOMPARE(viewState().AktAnsicht, int16_t(0));
    t.rahmen->Image1_Click(1);
    grenze->setValue(420);
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_astro_ok"), Qt::LeftButton);
    QCOMPARE(a.AstroGrenzen[1].GrenzeAuf, int16_t(420));
    QCOMPARE(a.AstroGrenzen[0].GrenzeAuf, int16_t(300));
    QCOMPARE(a.AstroAktiv[1], int16_t(0));
  }
};

QTEST_MAIN(TstNebenfenster)
#include "tst_nebenfenster.moc"
