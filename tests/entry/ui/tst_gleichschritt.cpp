// The entry forms, the holiday editor and the main window in the frame, used side by side: a
// change or copy run keeps to the records it shows while the slot is re-sorted behind it, the
// priority form keeps its mode and its holidays, the holiday editor follows a table changed
// elsewhere, the automation's first step and the view every OK leaves.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "calendar/Feiertagseditor.h"
#include "calendar/ui/Kalenderfenster.h"
#include "entry/Prioritaetssatz.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Automatikeinstellung.h"
#include "model/Feiertage.h"
#include "model/Satz.h"
#include "tests/views/ViewFixtures.h"
#include "tests/views/ui/Rahmentest.h"

using namespace qv;
using namespace qv::test;

namespace {

// What re-sorts slot 0 while a run is open.
enum class Umsortierung { Spaltenkopf, Speichern, SpeichernUnter, AndereForm };

}  // namespace

Q_DECLARE_METATYPE(Umsortierung)

namespace {

TFeiertag ft(const char* name, int art, int tag, int monat) {
  return {QString::fromUtf8(name), static_cast<int16_t>(art), 0, static_cast<int16_t>(tag), static_cast<int16_t>(monat)};
}

QStringList eintraege(const QListWidget* l) {
  QStringList s;
  for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
  return s;
}

QStringList feiertagsnamen() {
  QStringList s;
  for (int i = 0; i < holidayTable().AnzFt; ++i) s << holidayTable().Feiertage[i].Name;
  return s;
}

std::vector<TSz> saetze(int slot) {
  const ProgramState& p = program();
  return {p.Sz[slot], p.Sz[slot] + p.AnzGesamt[slot]};
}

struct Lauf : Rahmentest {
  explicit Lauf(int slot = 4) : Rahmentest(slot) {
    Kalenderfenster_anmelden();
    resetHolidayTable();
    program().Dateiname[0] = dir->file("lauf.qvl");
    program().HatDateiname = 1;
  }
  void warte() const {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void aktiviere(QMdiSubWindow* sub) const {
    rahmen->mdiArea()->setActiveSubWindow(sub);
    warte();
  }
  void zeigeHaupt() const { aktiviere(haupt()->subWindow()); }
  // A command of the main window, given as the user does: the main window active first, and
  // its menu opened, which brings the menu's state up to date.
  void befehl(const char* name) const {
    QApplication::setActiveWindow(rahmen);
    zeigeHaupt();
    for (QObject* o : action(name)->associatedObjects())
      if (auto* m = qobject_cast<QMenu*>(o)) emit m->aboutToShow();
    action(name)->trigger();
    warte();
  }
  // Whole grid rows von..bis (from 1) of the view shown, then a command on them.
  void auf_Zeilen(int von, int bis, const char* name) const {
    zeigeHaupt();
    grid()->setzeAuswahl(von, bis, 0, grid()->columnCount() - 1);
    befehl(name);
  }
  template <typename F>
  F* form(const char* name) const {
    QMdiSubWindow* sub = rahmen->kindfenster(QString::fromLatin1(name));
    return sub ? qobject_cast<F*>(sub->widget()) : nullptr;
  }
  QMdiSubWindow* fenster(const char* name) const { return rahmen->kindfenster(QString::fromLatin1(name)); }
  void klickeKopf(int spalte) const {
    zeigeHaupt();
    QHeaderView* kopf = grid()->horizontalHeader();
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionViewportPosition(spalte) + 5, kopf->height() / 2));
    warte();
  }
  // Re-sorts slot 0 behind an open form; 'andere' is the command of the other entry form.
  void umsortieren(Umsortierung u, int spalte, const char* andere) const {
    switch (u) {
      case Umsortierung::Spaltenkopf: klickeKopf(spalte); break;
      case Umsortierung::Speichern: befehl("mnuDatSpei"); break;
      case Umsortierung::SpeichernUnter:
        env->answerFileDialog(dir->file("unter.qvl"));
        befehl("mnuDatSpu");
        break;
      case Umsortierung::AndereForm:
        befehl(andere);
        if (auto* sz = form<FrmEingSz>("frmEingSz"); sz && QByteArray(andere) == "mnuBaSz") sz->cmdSzEnd_Click();
        if (auto* pz = form<FrmEingPZ>("frmEingPZ"); pz && QByteArray(andere) == "mnuBaPz") pz->cmdPzEnd->click();
        warte();
        break;
    }
  }
  QWidget* holidayEditor() const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("frmfeiertage") && w->isVisible()) return w;
    return nullptr;
  }
};

void umsortierungen() {
  QTest::addColumn<Umsortierung>("umsortierung");
  QTest::newRow("column heading") << Umsortierung::Spaltenkopf;
  QTest::newRow("save") << Umsortierung::Speichern;
  QTest::newRow("save as") << Umsortierung::SpeichernUnter;
  QTest::newRow("the other form closes") << Umsortierung::AndereForm;
}

}  // namespace

class TstGleichschritt : public QObject {
  Q_OBJECT

 private slots:
  void switchingTimeChangeRunKeepsToItsRecords_data() { umsortierungen(); }
  void switchingTimeChangeRunKeepsToItsRecords() {
    QFETCH(Umsortierung, umsortierung);
    Lauf t;
    // A 06:30 Mon-Fri on, D 22:00 Mon-Fri off, B 08:00 Sat on, C 14:00 Sat off, in that order.
    setzeSlot(0, {wochenSz(390, 31, 1, 1), wochenSz(1320, 31, 1, 0), wochenSz(480, 32, 1, 1), wochenSz(840, 32, 1, 0)}, {});
    callHook(hooks().Fuelle_Grid, 0);
    t.auf_Zeilen(1, 4, "mnuBa\u00c4nd");
    auto* f = t.form<FrmEingSz>("frmEingSz");
    QVERIFY(f);
    QCOMPARE(f->txtAnzMin->text(), QStringLiteral("30"));
    f->liststd->setCurrentRow(23);
    f->cmdSzOk->click();
    QCOMPARE(f->txtAnzstd->text(), QStringLiteral("22"));

    t.umsortieren(umsortierung, 2, "mnuBaPz");
    t.aktiviere(t.fenster("frmEingSz"));
    QCOMPARE(f->txtAnzstd->text(), QStringLiteral("22"));
    f->liststd->setCurrentRow(21);
    for (int zeile = 0; zeile < 3 && f; ++zeile) {
      f->cmdSzOk->click();
      t.warte();
    }
    QVERIFY(!t.fenster("frmEingSz"));
    QVERIFY2(t.env->messages.empty(), qPrintable(t.letzteMeldung()));
    std::vector<int> minuten;
    for (const TSz& r : saetze(0)) minuten.push_back(Sz_Minuten(r));
    std::sort(minuten.begin(), minuten.end());
    QCOMPARE(minuten, (std::vector<int>{480, 840, 1260, 1410}));
  }

  void priorityChangeRunKeepsToItsRecords_data() { umsortierungen(); }
  void priorityChangeRunKeepsToItsRecords() {
    QFETCH(Umsortierung, umsortierung);
    Lauf t;
    // 1.3.-5.3. and 1.7.-5.7., both P3 on channel 1.
    setzeSlot(0, {}, {periodePz(3, 1, 3, 5, 3, 1), periodePz(7, 1, 7, 5, 3, 1)});
    t.befehl("mnuAnsPz");
    t.auf_Zeilen(1, 2, "mnuBa\u00c4nd");
    auto* f = t.form<FrmEingPZ>("frmEingPZ");
    QVERIFY(f);
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("M\u00e4rz"));
    // The first period moves to October; the second is loaded.
    f->Lstvonmon->setCurrentRow(9);
    f->LstbisMon->setCurrentRow(9);
    f->cmdPzOk->click();
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Juli"));

    t.umsortieren(umsortierung, 1, "mnuBaSz");
    t.aktiviere(t.fenster("frmEingPZ"));
    f->LstPrio->setCurrentRow(3);
    f->cmdPzOk->click();
    t.warte();
    QVERIFY(!t.fenster("frmEingPZ"));
    QVERIFY2(t.env->messages.empty(), qPrintable(t.letzteMeldung()));
    std::vector<TSz> ist = saetze(0);
    const std::vector<TSz> soll{periodePz(7, 1, 7, 5, 4, 1), periodePz(10, 1, 10, 5, 3, 1)};
    QCOMPARE(ist.size(), soll.size());
    QVERIFY(std::is_permutation(ist.begin(), ist.end(), soll.begin()));
  }

  void copyRunFromAResortedTemplate() {
    Lauf t;
    setzeSlot(1, {wochenSz(390, 31, 1, 1), wochenSz(1320, 31, 1, 0), wochenSz(480, 32, 1, 1), wochenSz(840, 32, 1, 0)}, {});
    frameState().vorlageOffen = true;
    t.befehl("mnuAnsSZVorl");
    t.auf_Zeilen(1, 3, "mnuBaKop");
    auto* f = t.form<FrmEingSz>("frmEingSz");
    QVERIFY(f);
    f->chkKan[1]->click();
    f->cmdSzOk->click();
    QCOMPARE(f->txtAnzstd->text(), QStringLiteral("22"));
    // The template's list sorted by time puts 14:00 where 08:00 stood.
    t.befehl("mnuAnsSZVorl");
    t.klickeKopf(2);
    QCOMPARE(Sz_Minuten(program().Sz[1][2]), 840);
    t.aktiviere(t.fenster("frmEingSz"));
    f->cmdSzOk->click();
    QCOMPARE(f->txtAnzstd->text(), QStringLiteral("8"));
    f->cmdSzOk->click();
    t.warte();
    QVERIFY(!t.fenster("frmEingSz"));
    std::vector<int> minuten;
    for (const TSz& r : saetze(0)) minuten.push_back(Sz_Minuten(r));
    std::sort(minuten.begin(), minuten.end());
    QCOMPARE(minuten, (std::vector<int>{390, 480, 1320}));
  }

  // Karfreitag and Ostermontag, changed or copied without touching anything, stay themselves.
  void easterRowsKeepTheirHolidays_data() {
    QTest::addColumn<bool>("kopie");
    QTest::newRow("change") << false;
    QTest::newRow("copy") << true;
  }
  void easterRowsKeepTheirHolidays() {
    QFETCH(bool, kopie);
    Lauf t;
    profile().Bewft = 1;
    holidayTable().Feiertage = {ft("Karfreitag", 2, -2, 0), ft("Ostermontag", 2, 1, 0), ft("Pfingstmontag", 2, 50, 0)};
    holidayTable().AnzFt = 3;
    const std::vector<TSz> ostern{osterPz(-2, 2, 1), osterPz(1, 2, 1)};
    setzeSlot(kopie ? 1 : 0, {}, {ostern[0], ostern[1]});
    frameState().vorlageOffen = kopie;
    t.befehl(kopie ? "mnuAnsPzVorl" : "mnuAnsPz");
    t.auf_Zeilen(1, 2, kopie ? "mnuBaKop" : "mnuBa\u00c4nd");
    auto* f = t.form<FrmEingPZ>("frmEingPZ");
    QVERIFY(f);
    if (kopie) f->chkKan[0]->setChecked(true);
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Karfreitag"));
    f->cmdPzOk->click();
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Ostermontag"));
    f->cmdPzOk->click();
    t.warte();
    QVERIFY(!t.fenster("frmEingPZ"));
    std::vector<TSz> ist = saetze(0);
    QCOMPARE(ist.size(), size_t(2));
    QVERIFY(std::is_permutation(ist.begin(), ist.end(), ostern.begin()));
  }

  void dateRowAfterAnEasterRowShowsItsMonth() {
    Lauf t;
    profile().Bewft = 1;
    holidayTable().Feiertage = {ft("Karfreitag", 2, -2, 0), ft("Ostermontag", 2, 1, 0)};
    holidayTable().AnzFt = 2;
    const TSz zeitraum = periodePz(7, 1, 7, 5, 2, 1);
    setzeSlot(0, {}, {osterPz(-2, 1, 1), zeitraum});
    t.befehl("mnuAnsPz");
    t.auf_Zeilen(1, 2, "mnuBa\u00c4nd");
    auto* f = t.form<FrmEingPZ>("frmEingPZ");
    QVERIFY(f);
    QVERIFY(f->chk_bew_Feiertage->isChecked());
    f->cmdPzOk->click();
    QVERIFY(!f->chk_bew_Feiertage->isChecked());
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Juli"));
    QCOMPARE(f->lst_bew_Feiertage->currentRow(), 0);
    f->txtvonMon->setFocus();
    QVERIFY(f->txtvonMon->runLeaveCheck());
    f->cmdPzOk->click();
    t.warte();
    QVERIFY(!t.fenster("frmEingPZ"));
    QCOMPARE(t.env->beeps, 0);
    QVERIFY(std::find(program().Sz[0], program().Sz[0] + 2, zeitraum) != program().Sz[0] + 2);
  }

  // The main window sets the entry mode to "new" for another form while a priority change is open.
  void priorityChangeKeepsItsMode_data() {
    QTest::addColumn<QString>("anlass");
    for (const char* a : {"Ctrl+S", "Ctrl+P", "double click on an empty row", "closing the switching-time form"})
      QTest::newRow(a) << QString::fromLatin1(a);
  }
  void priorityChangeKeepsItsMode() {
    QFETCH(QString, anlass);
    Lauf t;
    setzeSlot(0, {}, {periodePz(12, 23, 1, 6, 2, 1)});
    t.befehl("mnuAnsPz");
    t.auf_Zeilen(1, 1, "mnuBa\u00c4nd");
    auto* f = t.form<FrmEingPZ>("frmEingPZ");
    QVERIFY(f);
    if (anlass == QStringLiteral("Ctrl+P")) {
      t.befehl("mnuBaPz");
    } else if (anlass.startsWith(QStringLiteral("double"))) {
      t.zeigeHaupt();
      QTest::mouseDClick(t.grid()->viewport(), Qt::LeftButton, {}, t.zelle(3, 2));
      t.warte();
    } else {
      t.befehl("mnuBaSz");
      if (anlass.startsWith(QStringLiteral("closing"))) t.form<FrmEingSz>("frmEingSz")->cmdSzEnd_Click();
    }
    QCOMPARE(viewState().EingabeModus, int16_t(0));
    t.aktiviere(t.fenster("frmEingPZ"));
    f->LstPrio->setCurrentRow(2);
    f->cmdPzOk->click();
    t.warte();
    QCOMPARE(program().AnzPz[0], int16_t(1));
    QCOMPARE(program().Sz[0][0], periodePz(12, 23, 1, 6, 3, 1));
  }

  // The other entry form switches the input automation on while a change run is open: the run's
  // next row is loaded as it stands, not moved on by an automation step.
  void changeRunIgnoresTheOtherFormsAutomation_data() {
    QTest::addColumn<bool>("prioritaet");
    QTest::newRow("switching-time run") << false;
    QTest::newRow("priority run") << true;
  }
  void changeRunIgnoresTheOtherFormsAutomation() {
    QFETCH(bool, prioritaet);
    Lauf t;
    // The automation's start values step a switching time on by a minute; the priority by one.
    setInputAutomationStartValues();
    inputAutomation().IncPrio = 1;
    const TSz a = wochenSz(390, 31, 1, 1), b = wochenSz(1320, 31, 1, 0);
    const TSz p1 = periodePz(3, 1, 3, 5, 3, 1), p2 = periodePz(7, 1, 7, 5, 3, 1);
    setzeSlot(0, {a, b}, {p1, p2});
    callHook(hooks().Fuelle_Grid, 0);
    if (prioritaet) t.befehl("mnuAnsPz");
    t.auf_Zeilen(1, 2, "mnuBa\u00c4nd");
    const char* lauf = prioritaet ? "frmEingPZ" : "frmEingSz";
    QVERIFY(t.fenster(lauf));
    t.befehl(prioritaet ? "mnuBaSz" : "mnuBaPz");
    if (prioritaet) t.form<FrmEingSz>("frmEingSz")->Chkautopil->click();
    else t.form<FrmEingPZ>("frmEingPZ")->Chkautopil->click();
    QCOMPARE(inputAutomation().AutoAktiv, int16_t(1));
    t.aktiviere(t.fenster(lauf));
    for (int zeile = 0; zeile < 2 && t.fenster(lauf); ++zeile) {
      if (prioritaet) t.form<FrmEingPZ>(lauf)->cmdPzOk->click();
      else t.form<FrmEingSz>(lauf)->cmdSzOk->click();
      t.warte();
    }
    QVERIFY(!t.fenster(lauf));
    const std::vector<TSz> ist = saetze(0);
    QCOMPARE(ist.size(), size_t(4));
    QVERIFY(std::is_permutation(ist.begin(), ist.end(), std::vector<TSz>{a, b, p1, p2}.begin()));
  }

  // Neujahr, Karfreitag, Weihnachten; the holiday editor deletes Neujahr while the priority form
  // shows its choice.
  void priorityFormFollowsTheHolidayEditor_data() {
    QTest::addColumn<int>("gewaehlt");
    QTest::addColumn<int>("woche");  // w0 of the stored record, -1 for none
    QTest::addColumn<int>("tag");
    QTest::newRow("Karfreitag") << 1 << 96 << 0;
    QTest::newRow("Weihnachten, past the new end") << 2 << 96 + 2 * 12 + 1 << 25;
    QTest::newRow("Neujahr, deleted") << 0 << -1 << 0;
  }
  void priorityFormFollowsTheHolidayEditor() {
    QFETCH(int, gewaehlt);
    QFETCH(int, woche);
    QFETCH(int, tag);
    Lauf t;
    profile().Bewft = 1;
    holidayTable().Feiertage = {ft("Neujahr", 0, 1, 1), ft("Karfreitag", 2, -2, 0), ft("Weihnachten", 0, 25, 12)};
    holidayTable().AnzFt = 3;
    t.befehl("mnuBaPz");
    auto* f = t.form<FrmEingPZ>("frmEingPZ");
    QVERIFY(f);
    f->chkKan[0]->setChecked(true);
    f->chk_bew_Feiertage->setChecked(true);
    f->lst_bew_Feiertage->setCurrentRow(gewaehlt);

    t.befehl("mnu_Einst_Ft");
    QWidget* editor = t.holidayEditor();
    QVERIFY(editor);
    editor->findChild<QListWidget*>(QStringLiteral("lst_Feiertage"))->setCurrentRow(0);
    t.env->answer(Answer::Ok);
    editor->findChild<QPushButton*>(QStringLiteral("cmd_del_Feiertage"))->click();
    editor->findChild<QPushButton*>(QStringLiteral("cmd_ft_end"))->click();
    t.warte();
    QCOMPARE(feiertagsnamen(), (QStringList{"Karfreitag", "Weihnachten"}));

    t.aktiviere(t.fenster("frmEingPZ"));
    const int piep = t.env->beeps;
    f->cmdPzOk->click();
    if (woche < 0) {
      QCOMPARE(program().AnzGesamt[0], int16_t(0));
      QCOMPARE(t.env->beeps, piep + 1);
    } else {
      QCOMPARE(program().AnzGesamt[0], int16_t(1));
      QCOMPARE(int(program().Sz[0][0].w0), woche);
      QCOMPARE(int(program().Sz[0][0].w3 & 31), tag);
    }
    QCOMPARE(eintraege(f->lst_bew_Feiertage), feiertagsnamen());
    if (woche < 0) QVERIFY(f->txtvonMon->text().isEmpty());
  }

  void holidayEditorFollowsATableChangedElsewhere() {
    Lauf t;
    profile().Bewft = 1;
    holidayTable().Feiertage = {ft("Neujahr", 0, 1, 1), ft("Karfreitag", 2, -2, 0)};
    holidayTable().AnzFt = 2;
    t.befehl("mnu_Einst_Ft");
    QWidget* editor = t.holidayEditor();
    QVERIFY(editor);
    auto* liste = editor->findChild<QListWidget*>(QStringLiteral("lst_Feiertage"));
    // The priority form adds the holiday of an Easter + 5 record to the table and the file.
    setzeSlot(0, {}, {osterPz(5, 2, 1)});
    t.befehl("mnuAnsPz");
    t.auf_Zeilen(1, 1, "mnuBa\u00c4nd");
    QCOMPARE(feiertagsnamen(), (QStringList{"Neujahr", "Karfreitag", "Ostern + 5 Tag(e)"}));
    QApplication::setActiveWindow(editor);
    QTRY_COMPARE(eintraege(liste), feiertagsnamen());

    editor->findChild<QLineEdit*>(QStringLiteral("Txt_feiertag_name"))->setText(QStringLiteral("Maifeiertag"));
    editor->findChild<QRadioButton*>(QStringLiteral("Opt_fest"))->click();
    editor->findChild<QComboBox*>(QStringLiteral("cbo_monat"))->setCurrentIndex(4);
    editor->findChild<QPushButton*>(QStringLiteral("cmd_add_Feiertage"))->click();
    QCOMPARE(eintraege(liste), feiertagsnamen());
    QCOMPARE(liste->currentItem()->text(), QStringLiteral("Maifeiertag"));
    QCOMPARE(editor->findChild<QLabel*>(QStringLiteral("lbl_Feiertage"))->text(),
             Feiertag_Definition(ft("Maifeiertag", 0, 1, 5)));
    t.env->answer(Answer::Ok);
    editor->findChild<QPushButton*>(QStringLiteral("cmd_del_Feiertage"))->click();
    QCOMPARE(feiertagsnamen(), (QStringList{"Neujahr", "Karfreitag", "Ostern + 5 Tag(e)"}));
    QCOMPARE(eintraege(liste), feiertagsnamen());
  }

  void automationOnAnEmptyFormProposesFirstJanuary() {
    Lauf t;
    t.befehl("mnuBaSz");
    auto* f = t.form<FrmEingSz>("frmEingSz");
    QVERIFY(f);
    f->Cmd1xauto->click();
    QCOMPARE(f->txtAnztag->text(), QStringLiteral("1. "));
    QCOMPARE(f->txtAnzMon->text(), QStringLiteral("Januar"));
    QCOMPARE(f->EingabeArt(), 2);
  }

  // An OK, refused or not, leaves the main window on the form's own list of the program; a
  // stored priority time counts as one, and the view menu follows the counts.
  void okLeavesTheOwnList_data() {
    QTest::addColumn<QString>("fall");
    for (const char* fall : {"switching-time copy into a full program", "priority field refused on leaving",
                             "priority copy into a full program", "priority new entry stored"})
      QTest::newRow(fall) << QString::fromLatin1(fall);
  }
  void okLeavesTheOwnList() {
    QFETCH(QString, fall);
    Lauf t;
    const bool pz = fall.startsWith(QStringLiteral("priority"));
    if (fall.contains(QStringLiteral("stored"))) {
      setzeSlot(0, {wochenSz(60, 1, 1, 1)}, {});
      t.zeigeHaupt();
      QVERIFY(!t.action("mnuAnsPz")->isEnabled());
      t.befehl("mnuBaPz");
      auto* f = t.form<FrmEingPZ>("frmEingPZ");
      f->chkKan[0]->setChecked(true);
      f->cmdPzOk->click();
      t.warte();
      QCOMPARE(program().AnzSz[0], int16_t(1));
      QCOMPARE(program().AnzPz[0], int16_t(1));
      QCOMPARE(program().AnzGesamt[0], int16_t(2));
    } else if (fall.contains(QStringLiteral("full"))) {
      profile().MaxSz = 2;
      setzeSlot(0, {wochenSz(60, 1, 1, 1), wochenSz(120, 1, 1, 1)}, {});
      setzeSlot(1, {wochenSz(390, 31, 1, 1)}, {periodePz(3, 1, 3, 5, 3, 1)});
      frameState().vorlageOffen = true;
      t.befehl(pz ? "mnuAnsPzVorl" : "mnuAnsSZVorl");
      t.auf_Zeilen(1, 1, "mnuBaKop");
      QVERIFY(t.fenster(pz ? "frmEingPZ" : "frmEingSz"));
      if (pz) t.form<FrmEingPZ>("frmEingPZ")->chkKan[0]->setChecked(true);
      else t.form<FrmEingSz>("frmEingSz")->chkKan[0]->click();
      QCOMPARE(program().AktSpeicher, int16_t(1));
      if (pz) t.form<FrmEingPZ>("frmEingPZ")->cmdPzOk->click();
      else t.form<FrmEingSz>("frmEingSz")->cmdSzOk->click();
      t.warte();
      QCOMPARE(t.letzteMeldung(), texts().S_KeinWeit);
      QCOMPARE(program().AnzGesamt[0], int16_t(2));
    } else {
      t.befehl("mnuBaPz");
      auto* f = t.form<FrmEingPZ>("frmEingPZ");
      t.befehl("mnuAnsSZ");
      t.aktiviere(t.fenster("frmEingPZ"));
      f->chkKan[0]->setChecked(true);
      f->txtbisMon->setFocus();
      f->txtbisMon->setText(QStringLiteral("13"));
      f->cmdPzOk->click();
      QCOMPARE(t.env->beeps, 1);
      QCOMPARE(program().AnzGesamt[0], int16_t(0));
    }
    QCOMPARE(program().AktSpeicher, int16_t(0));
    QCOMPARE(viewState().AktAnsicht, int16_t(pz ? 1 : 0));
    QVERIFY(t.action(pz ? "mnuAnsPz" : "mnuAnsSZ")->isChecked());
    QVERIFY(!t.action(pz ? "mnuAnsPzVorl" : "mnuAnsSZVorl")->isChecked());
    if (fall.contains(QStringLiteral("stored"))) {
      t.zeigeHaupt();
      QVERIFY(t.action("mnuAnsPz")->isEnabled());
    }
  }
};

QTEST_MAIN(TstGleichschritt)
#include "tst_gleichschritt.moc"
