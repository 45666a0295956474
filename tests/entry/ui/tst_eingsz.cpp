// The switching-time entry form driven through its widgets: new entries on the 1-, 4- and
// 16-channel types, the February clamp, duplicates and conflict questions, the field rules,
// the controls per clock type, copying template rows with accept-all, and closing.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "calendar/ui/Kalenderfenster.h"
#include "entry/Eingabeautomatik.h"
#include "entry/Eingaberegeln.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/FrmEingSz.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "shell/Sprache.h"
#include "shell/Uhrenprofil.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/views/ViewFixtures.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Rahmenzustand.h"
#include "views/Zelltexte.h"

using namespace qv;
using namespace qv::test;

namespace {

// The form on the clock type of a brand slot (1: one channel, 6: one channel with program
// number, 4: four channels, 15: 16 channels, 20: the astro type).
struct Formtest {
  ScriptedEnvironment env;
  QPointer<FrmEingSz> f;

  explicit Formtest(int slot, int modus = 0) {
    frisch();
    waehleSprache(1);
    waehleProfil(slot);
    szFormState() = SzFormState{};
    inputAutomation() = InputAutomation{};
    viewState().EingabeModus = static_cast<int16_t>(modus);
  }
  ~Formtest() {
    if (f) f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  bool oeffne() {
    f = qobject_cast<FrmEingSz*>(Oeffne_EingSz());
    if (!f) return false;
    QApplication::setActiveWindow(f);
    return QTest::qWaitForWindowActive(f);
  }
  // Types into a field and leaves it with Tab.
  void tippe(NumericField* feld, const QString& text) {
    feld->setFocus();
    feld->selectAll();
    if (text.isEmpty()) QTest::keyClick(feld, Qt::Key_Backspace);
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  void ok() {
    QTest::mouseClick(f->cmdSzOk, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  QString letzte() const { return env.messages.empty() ? QString() : env.messages.back().text; }
};

std::array<int, 6> bytes(const TSz& r) { return {r.w0, r.w1, r.w2, r.w3, r.w4, r.w5}; }

}  // namespace

class TstEingSz : public QObject {
  Q_OBJECT

 private slots:
  void newEntriesOnEachChannelType() {
    const struct {
      int slot;
      std::array<int, 6> erwartet;
    } faelle[] = {{1, {159, 224, 0, 1, 1, 1}}, {4, {159, 224, 0, 1, 4, 1}}, {15, {159, 224, 0, 1, 0, 1}}};
    for (const auto& c : faelle) {
      Formtest t(c.slot);
      QVERIFY(t.oeffne());
      QCOMPARE(t.f->windowTitle(), texts().S_EingScha);
      QCOMPARE(t.f->txtAnzMin->text(), QStringLiteral("00"));
      QCOMPARE(t.f->txtAnzImp->text(), QStringLiteral("--"));
      if (c.slot == 4) t.f->chkKan[2]->click();
      if (c.slot == 15) QCOMPARE(t.f->cbokanal->currentText(), QStringLiteral("Kanal 1"));
      t.tippe(t.f->txtAnzstd, QStringLiteral("8"));
      t.tippe(t.f->txtAnzMin, QStringLiteral("30"));
      t.f->chkWochentag[0]->click();
      t.ok();
      QVERIFY2(t.env.messages.empty(), qPrintable(t.letzte()));
      QCOMPARE(program().AnzGesamt[0], int16_t(1));
      QCOMPARE(bytes(program().Sz[0][0]), c.erwartet);
      QVERIFY(t.f->imgSzok->isVisibleTo(t.f));
      QVERIFY(!t.f->lbloldtime->text().isEmpty());
      QCOMPARE(offeneEingabeformen(), 1);
    }
    QCOMPARE(offeneEingabeformen(), 0);
  }

  void februaryClampsTheDayWithOneBeep() {
    Formtest t(4);
    QVERIFY(t.oeffne());
    t.f->LstMonat->setCurrentRow(1);
    QCOMPARE(t.f->txtAnzMon->text(), QStringLiteral("Februar"));
    QCOMPARE(t.f->txtAnztag->text(), QStringLiteral("1. "));
    t.tippe(t.f->txtAnztag, QStringLiteral("31"));
    QCOMPARE(t.env.beeps, 1);
    QCOMPARE(t.f->Listtag->currentRow(), 28);
    QCOMPARE(t.f->txtAnztag->text(), QStringLiteral("29. "));
    QCOMPARE(t.f->EingabeArt(), 2);
    QVERIFY(t.f->chk1x->isVisibleTo(t.f));
    QVERIFY(!t.f->LstPrio->isVisibleTo(t.f));
    // April: a day 31 from the list beeps and becomes 30; March admits it.
    t.f->LstMonat->setCurrentRow(3);
    t.f->Listtag->setCurrentRow(30);
    QCOMPARE(t.env.beeps, 2);
    QCOMPARE(t.f->txtAnztag->text(), QStringLiteral("30. "));
    // A month with a shorter length clamps without a beep.
    t.f->LstMonat->setCurrentRow(2);
    t.f->Listtag->setCurrentRow(30);
    t.f->LstMonat->setCurrentRow(1);
    QCOMPARE(t.env.beeps, 2);
    QCOMPARE(t.f->txtAnztag->text(), QStringLiteral("29. "));
  }

  void duplicateAndConflictQuestions() {
    Formtest t(4);
    QVERIFY(t.oeffne());
    t.f->chkKan[0]->click();
    t.f->chkWochentag[0]->click();
    t.ok();
    QCOMPARE(program().AnzGesamt[0], int16_t(1));
    t.ok();
    QCOMPARE(t.letzte(), texts().S_SchaVorh);
    QCOMPARE(t.env.messages.back().icon, Icon::Critical);
    QCOMPARE(t.env.beeps, 1);
    QCOMPARE(program().AnzGesamt[0], int16_t(1));
    // The other state: No keeps the record, Yes overwrites it.
    QTest::mouseClick(t.f->cmdEinAus, Qt::LeftButton);
    QCOMPARE(t.f->cmdEinAus->text(), texts().S_AUS);
    t.env.answer(Answer::No);
    t.ok();
    QCOMPARE(t.letzte(), texts().S_SchaExis);
    QCOMPARE(t.env.messages.back().buttons, Buttons::YesNo);
    QCOMPARE(Sz_Schaltwert(program().Sz[0][0]), 1);
    t.env.answer(Answer::Yes);
    t.ok();
    QCOMPARE(Sz_Schaltwert(program().Sz[0][0]), 0);
    QCOMPARE(program().AnzGesamt[0], int16_t(1));
    // Nothing chosen for a day or a date.
    t.f->chkWochentag[0]->click();
    t.ok();
    QCOMPARE(t.letzte(), texts().S_DatumWoch);
  }

  void fieldRules() {
    Formtest t(20);
    QVERIFY(t.oeffne());
    // The astro type has no pulses, and its first two channels exclude each other.
    QVERIFY(!t.f->listimp->isVisibleTo(t.f));
    QVERIFY(!t.f->txtAnzImp->isVisibleTo(t.f));
    QVERIFY(!t.f->chkKan[2]->isVisibleTo(t.f));
    t.f->chkKan[1]->click();
    t.f->chkKan[0]->click();
    QVERIFY(!t.f->chkKan[1]->isChecked());
    QCOMPARE(t.f->chkKan[1]->colour(), QColor(192, 192, 192));
    QCOMPARE(t.f->chkKan[0]->colour(), QColor(128, 128, 255));

    // Daily ticks all seven; one unticked unticks daily.
    t.f->chktgl->click();
    for (ColourCheckBox* b : t.f->chkWochentag) QVERIFY(b->isChecked());
    QVERIFY(!t.f->chk1x->isVisibleTo(t.f));
    QVERIFY(t.f->LstPrio->isVisibleTo(t.f));
    t.f->chkWochentag[3]->click();
    QVERIFY(!t.f->chktgl->isChecked());
    QVERIFY(t.f->chkWochentag[4]->isChecked());

    // Leave checks: a refused hour beeps and keeps the focus; "07" becomes "7".
    t.tippe(t.f->txtAnzstd, QStringLiteral("24"));
    QCOMPARE(t.env.beeps, 1);
    QVERIFY(t.f->txtAnzstd->hasFocus());
    QCOMPARE(t.f->txtAnzstd->text(), QStringLiteral("24"));
    t.tippe(t.f->txtAnzstd, QStringLiteral("07"));
    QCOMPARE(t.f->txtAnzstd->text(), QStringLiteral("7"));
    // Letters never reach a field.
    t.f->txtAnzMin->setFocus();
    QTest::keyClicks(t.f->txtAnzMin, QStringLiteral("a"));
    QCOMPARE(t.env.beeps, 2);
    QTest::keyClick(t.f->txtAnzMin, Qt::Key_Home);
    QTest::keyClick(t.f->txtAnzMin, Qt::Key_Delete, Qt::NoModifier);
    QTest::keyClick(t.f->txtAnzMin, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t.env.beeps, 3);
    QCOMPARE(t.f->txtAnzMin->text(), QStringLiteral("0"));
    t.tippe(t.f->txtAnzPrio, QStringLiteral("8"));
    QCOMPARE(t.f->txtAnzPrio->text(), QStringLiteral("Programm P8"));
    t.tippe(t.f->txtAnzPrio, QString());
    QCOMPARE(t.f->LstPrio->currentRow(), 0);
    QVERIFY(t.f->txtAnzPrio->text().isEmpty());
    t.tippe(t.f->txtAnzMon, QStringLiteral("3"));
    QCOMPARE(t.f->txtAnzMon->text(), QStringLiteral("M\u00e4rz"));
    for (ColourCheckBox* b : t.f->chkWochentag) QVERIFY(!b->isChecked());
    t.tippe(t.f->txtAnzMon, QStringLiteral("13"));
    QCOMPARE(t.env.beeps, 4);

    // Moving the weekdays on: Monday and Sunday become Monday and Tuesday.
    t.f->chkWochentag[0]->click();
    t.f->chkWochentag[6]->click();
    t.f->Wochentage_weiter();
    QVERIFY(t.f->chkWochentag[0]->isChecked());
    QVERIFY(t.f->chkWochentag[1]->isChecked());
    QVERIFY(!t.f->chkWochentag[6]->isChecked());

    // The one-off box survives Wednesday, not Monday.
    t.f->Listtag->setCurrentRow(4);
    t.f->chk1x->click();
    t.f->chkWochentag[2]->click();
    t.f->Listtag->setCurrentRow(5);
    QVERIFY(t.f->chk1x->isChecked());
    t.f->chkWochentag[0]->click();
    t.f->Listtag->setCurrentRow(6);
    QVERIFY(!t.f->chk1x->isChecked());
  }

  void arrowsStepThroughTheStoredSwitchingTimes() {
    Formtest t(4);
    setzeSlot(0, {wochenSz(60, 1, 1, 1), wochenSz(120, 1, 1, 1), wochenSz(180, 1, 1, 1, 5), wochenSz(240, 1, 1, 1)},
              {periodePz(5, 1, 9, 20, 4, 1)});
    QVERIFY(t.oeffne());
    QTest::mouseClick(t.f->imgoldSzdown, Qt::LeftButton);
    QCOMPARE(szFormState().AltSatz, int16_t(3));
    QCOMPARE(t.f->lbloldtime->text(), Uhrzeit_Text(240));
    // A double click (click, double click, release) steps twice.
    QTest::mouseClick(t.f->imgoldSzdown, Qt::LeftButton);
    QTest::mouseDClick(t.f->imgoldSzdown, Qt::LeftButton);
    QTest::mouseRelease(t.f->imgoldSzdown, Qt::LeftButton);
    QCOMPARE(szFormState().AltSatz, int16_t(1));
    QTest::mouseClick(t.f->imgoldSZup, Qt::LeftButton);
    QCOMPARE(t.f->lbloldimp->text(), QStringLiteral("5  sec"));
    QCOMPARE(t.env.beeps, 0);
    QTest::mouseClick(t.f->imgoldSZup, Qt::LeftButton);
    QTest::mouseClick(t.f->imgoldSZup, Qt::LeftButton);
    QCOMPARE(t.env.beeps, 1);
  }

  void fullProgramOpensNoNewEntry() {
    Formtest t(20);
    for (int i = 0; i < profile().MaxSz; ++i) program().Sz[0][i] = wochenSz(i, 1, 1, 1);
    program().AnzSz[0] = program().AnzGesamt[0] = profile().MaxSz;
    QVERIFY(!t.oeffne());
    QCOMPARE(t.env.messages.size(), size_t(1));
    QCOMPARE(t.letzte(), texts().S_KeinWeit);
    QCOMPARE(t.env.beeps, 0);
  }

  void copyThreeTemplateRowsAndCloseSorts() {
    Formtest t(4, 2);
    setzeSlot(0, {wochenSz(60, 1, 1, 1)}, {periodePz(5, 1, 9, 20, 4, 1)});
    setzeSlot(1, {wochenSz(1, 1, 1, 1), wochenSz(2, 1, 1, 1), wochenSz(3, 1, 1, 1), wochenSz(600, 2, 1, 1),
                  datumSz(660, 24, 12, 2, 0), wochenSz(720, 8, 1, 1)},
              {});
    ViewState& v = viewState();
    v.AnzAnzeige = 6;
    for (int z = 0; z < 6; ++z) v.ZeileZuSz[z] = static_cast<int16_t>(z);
    v.SelVon = 3;
    v.SelBis = 5;
    QVERIFY(t.oeffne());
    QCOMPARE(t.f->windowTitle(), texts().S_KopiScha);
    QVERIFY(t.f->Cmdalleok->isVisibleTo(t.f));
    QCOMPARE(t.f->txtAnzstd->text(), QStringLiteral("10"));
    // Copies go to the channels chosen in the form.
    t.f->chkKan[3]->click();
    QTest::mouseClick(t.f->Cmdalleok, Qt::LeftButton);
    QTRY_VERIFY(t.f.isNull());
    QVERIFY2(t.env.messages.empty(), qPrintable(t.letzte()));
    QCOMPARE(program().AnzGesamt[0], int16_t(5));
    QCOMPARE(program().AnzSz[0], int16_t(4));
    QCOMPARE(viewState().EingabeModus, int16_t(0));
    // Closing sorted the slot: the priority time is last again.
    QCOMPARE(Sz_Art(program().Sz[0][4]), 2);
    int kanal8 = 0;
    for (int i = 0; i < 4; ++i) kanal8 += Sz_Kanal(program().Sz[0][i]) == 8 ? 1 : 0;
    QCOMPARE(kanal8, 3);
    QCOMPARE(offeneEingabeformen(), 0);
  }

  void changeLoadsTheRecordsChannelsAndTheOneOffFlag() {
    Formtest t(4, 1);
    setzeSlot(0, {datumSz(600, 24, 12, 6, 0, 0, true)}, {});
    ViewState& v = viewState();
    v.AnzAnzeige = 1;
    v.ZeileZuSz[0] = 0;
    QVERIFY(t.oeffne());
    QVERIFY(!t.f->Cmdalleok->isVisibleTo(t.f));
    QVERIFY(t.f->chk1x->isChecked());
    QVERIFY(t.f->chk1x->isVisibleTo(t.f));
    QVERIFY(!t.f->chktgl->isVisibleTo(t.f));
    QVERIFY(t.f->chkKan[1]->isChecked() && t.f->chkKan[2]->isChecked() && !t.f->chkKan[0]->isChecked());
    QCOMPARE(t.f->txtAnztag->text(), QStringLiteral("24. "));
    QCOMPARE(t.f->cmdEinAus->text(), texts().S_AUS);
    // Accepting it unchanged stores it again and ends the run.
    t.ok();
    QVERIFY(t.env.messages.empty());
    QTRY_VERIFY(t.f.isNull());
    QCOMPARE(bytes(program().Sz[0][0]), bytes(datumSz(600, 24, 12, 6, 0, 0, true)));
  }

  void inTheFrame() {
    Rahmentest t(4);
    setzeSlot(0, {wochenSz(60, 1, 1, 1), wochenSz(120, 1, 1, 1)}, {periodePz(5, 1, 9, 20, 4, 1)});
    callHook(hooks().Fuelle_Grid, 0);
    t.grid()->setzeAuswahl(1, 1, 0, 7);
    t.action("mnuAnsPz")->trigger();
    t.action("mnuBaSz")->trigger();
    QMdiSubWindow* sub = t.rahmen->mdiArea()->currentSubWindow();
    QCOMPARE(sub->objectName(), QStringLiteral("frmEingSz"));
    QCOMPARE(sub->windowTitle(), texts().S_EingScha);
    QVERIFY(t.haupt()->subWindow()->isMaximized());
    // While the form is open the main window changes no records.
    t.oeffneMenue("mnuBa");
    QVERIFY(!t.action("mnuBal\u00f6")->isEnabled());
    QVERIFY(!t.action("mnuBa\u00c4nd")->isEnabled());
    t.oeffneMenue("mnuDat");
    QVERIFY(!t.action("mnuDat\u00d6ff")->isEnabled());
    QVERIFY(!t.action("mnuDatVorl")->isEnabled());

    auto* f = qobject_cast<FrmEingSz*>(sub->widget());
    QVERIFY(f);
    f->chkKan[0]->click();
    f->chkWochentag[4]->click();
    f->liststd->setCurrentRow(9);
    f->cmdSzok_Click();
    QCOMPARE(program().AnzGesamt[0], int16_t(4));
    QCOMPARE(viewState().AktAnsicht, int16_t(0));
    QVERIFY(t.action("mnuAnsSZ")->isChecked());
    // Closing sorts the new time among the switching times and the grid shows it.
    f->cmdSzEnd_Click();
    QCoreApplication::processEvents();
    QCOMPARE(t.rahmen->mdiArea()->currentSubWindow(), t.haupt()->subWindow());
    QCOMPARE(Sz_Art(program().Sz[0][3]), 2);
    QCOMPARE(t.grid()->Text(3, 0), QStringLiteral("  3"));
    t.grid()->setzeAuswahl(1, 1, 0, 7);
    t.oeffneMenue("mnuBa");
    QVERIFY(t.action("mnuBal\u00f6")->isEnabled());
    QVERIFY(t.action("mnuDat\u00d6ff")->isEnabled());
  }

  // The entry windows open inside the frame's area, their buttons within reach, on each type.
  void entryWindowsFitTheFrame_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("befehl");
    for (int slot : {4, 15, 20})
      for (const char* b : {"mnuBaSz", "mnuBaPz", "mnuBaSw"})
        QTest::addRow("%d %s", slot, b) << slot << QString::fromLatin1(b);
    for (int slot : {15, 20}) QTest::addRow("%d astro", slot) << slot << QStringLiteral("mnuBaAstro");
  }
  void entryWindowsFitTheFrame() {
    QFETCH(int, slot);
    QFETCH(QString, befehl);
    Rahmentest t(slot);
    Kalenderfenster_anmelden();
    t.haupt()->action(befehl)->trigger();
    QCoreApplication::processEvents();
    QMdiSubWindow* sub = t.rahmen->mdiArea()->currentSubWindow();
    QVERIFY(sub && sub != t.haupt()->subWindow());
    const QRect platz = t.rahmen->mdiArea()->viewport()->rect();
    QVERIFY2(platz.contains(sub->geometry()), qPrintable(QStringLiteral("%1x%2 at %3,%4 in %5x%6")
                                                            .arg(sub->width()).arg(sub->height()).arg(sub->x())
                                                            .arg(sub->y()).arg(platz.width()).arg(platz.height())));
    QVERIFY(sub->widget()->height() >= sub->widget()->minimumSizeHint().height());
    QVERIFY(sub->widget()->width() >= sub->widget()->minimumSizeHint().width());
    sub->close();
  }
};

QTEST_MAIN(TstEingSz)
#include "tst_eingsz.moc"
