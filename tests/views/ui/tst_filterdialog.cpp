// The display filter dialog through its widgets: set-up from the filter record, OK into the
// record and the display list, Abbrechen and the window's close, and the dependent rows.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "shell/Uhrenprofil.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/views/ViewFixtures.h"
#include "views/Anzeigeliste.h"
#include "views/Filter.h"
#include "views/ui/FrmFilter.h"

using namespace qv;
using namespace qv::test;

namespace {

// The clock type of brand slot 1..20, named as the slot.
void waehleTyp(int slot) {
  for (int s = 1; s <= 20; ++s) brand().S_Typ[s] = QStringLiteral("T%1").arg(s);
  QVERIFY(applyClockProfile(QStringLiteral("T%1").arg(slot)).has_value());
}

QList<int> zeilen() {
  QList<int> r;
  for (int i = 0; i < viewState().AnzAnzeige; ++i) r << viewState().ZeileZuSz[i];
  return r;
}

QStringList items(const QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

}  // namespace

class TstFilterdialog : public QObject {
  Q_OBJECT

  std::unique_ptr<ScriptedEnvironment> env_;
  QList<bool> knoepfe_;  // calls of the frame's hide/show of the filter switch and buttons
  QList<bool> bilder_;   // calls of the frame's filter images
  QList<int> fuellungen_;

  FrmFilter* oeffne() {
    Zeige_Filterdialog();
    FrmFilter* d = offenerFilterdialog();
    if (d && !QTest::qWaitForWindowExposed(d)) return nullptr;
    return d;
  }
  template <typename T>
  static T* w(QWidget* d, const char* name) {
    T* c = d->findChild<T*>(QString::fromUtf8(name));
    if (!c) qWarning("no control %s", name);
    return c;
  }
  static void klick(QWidget* d, const char* name) { QTest::mouseClick(w<QWidget>(d, name), Qt::LeftButton); }
  static void ok(QWidget* d) {
    klick(d, "cmdFilterok");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private slots:
  void init() {
    resetAllState();
    resetViewState();
    env_ = std::make_unique<ScriptedEnvironment>();
    Setze_TexteDeutsch();
    knoepfe_.clear();
    bilder_.clear();
    fuellungen_.clear();
    hooks().setFilterSwitchAndButtonsVisible = [this](bool v) { knoepfe_ << v; };
    hooks().showFilterImages = [this](bool on) { bilder_ << on; };
    hooks().Fuelle_Grid = [this](int slot) { fuellungen_ << slot; };
  }
  void cleanup() {
    if (FrmFilter* d = offenerFilterdialog()) d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    hooks() = WindowHooks{};
    env_.reset();
  }

  void setsItselfUpFromTheRecord() {
    waehleTyp(4);  // 4 channels, family 0
    FilterSettings& f = viewState().filter;
    f.FilterKanal = 5;
    f.FilterWtag = 1 + 64;
    f.FilterMonVon = 3;
    f.FilterMonBis = 5;
    f.FilterProgVon = 2;
    f.FilterProgBis = 4;
    f.FilterEinAus = 1;
    f.FilterImpuls = 0;
    const FilterSettings vorher = f;
    FrmFilter* d = oeffne();
    QVERIFY(d);
    QVERIFY(!d->isModal());
    QCOMPARE(d->objectName(), QStringLiteral("frmfilter"));
    QCOMPARE(d->windowTitle(), QStringLiteral("Filter für Schaltzeiten"));
    QCOMPARE(knoepfe_, QList<bool>{false});

    QVERIFY(w<QComboBox>(d, "cbokanal")->isHidden());
    QCOMPARE(w<QCheckBox>(d, "chkKan1")->isChecked(), true);
    QCOMPARE(w<QCheckBox>(d, "chkKan2")->isChecked(), false);
    QCOMPARE(w<QCheckBox>(d, "ChkKan3")->isChecked(), true);
    QCOMPARE(w<QCheckBox>(d, "chkKan4")->isChecked(), false);
    QCOMPARE(w<QCheckBox>(d, "chkKan4")->text(), QStringLiteral("Kanal 4"));
    // Both "alles" boxes open ticked, whatever the record holds.
    QVERIFY(w<QCheckBox>(d, "chkallKan")->isChecked());
    QVERIFY(w<QCheckBox>(d, "chkallwtag")->isChecked());
    QCOMPARE(w<QCheckBox>(d, "chkMo")->isChecked(), true);
    QCOMPARE(w<QCheckBox>(d, "ChkDi")->isChecked(), false);
    QCOMPARE(w<QCheckBox>(d, "chkSo")->isChecked(), true);
    QCOMPARE(w<QCheckBox>(d, "chkSo")->text(), QStringLiteral("Sonntag"));

    QCOMPARE(w<QComboBox>(d, "cbovonmon")->currentText(), QStringLiteral("März"));
    QCOMPARE(items(w<QComboBox>(d, "cbobismon")).first(), QStringLiteral("März"));
    QCOMPARE(w<QComboBox>(d, "cbobismon")->currentText(), QStringLiteral("Mai"));
    QCOMPARE(w<QComboBox>(d, "cbovonp")->count(), 11);
    QCOMPARE(w<QComboBox>(d, "cbovonp")->currentText(), QStringLiteral("Programm P2"));
    QCOMPARE(w<QComboBox>(d, "cbobisp")->currentText(), QStringLiteral("Programm P4"));
    QCOMPARE(items(w<QComboBox>(d, "cboonoff")), (QStringList{"AUS", "EIN", "EIN oder AUS"}));
    QCOMPARE(w<QComboBox>(d, "cboonoff")->currentIndex(), 1);
    QCOMPARE(items(w<QComboBox>(d, "cboimp")), (QStringList{"keine Impulse", "nur Impulse", "alles"}));
    QCOMPARE(w<QComboBox>(d, "cboimp")->currentIndex(), 0);
    QCOMPARE(w<QLabel>(d, "LblSZust")->text(), QStringLiteral("Schaltzustand"));
    QVERIFY(w<QScrollBar>(d, "hsbwert")->isHidden());
    QVERIFY(w<QLabel>(d, "lblwert")->isHidden());
    QVERIFY(w<QComboBox>(d, "cbovonp")->isVisible());

    // A second opening raises the same dialog.
    Zeige_Filterdialog();
    QCOMPARE(offenerFilterdialog(), d);

    // OK without a change stores the same record and switches the filter on.
    ok(d);
    QVERIFY(!offenerFilterdialog());
    const FilterSettings& n = viewState().filter;
    QCOMPARE(n.FilterKanal, vorher.FilterKanal);
    QCOMPARE(n.FilterWtag, vorher.FilterWtag);
    QCOMPARE(n.FilterMonVon, vorher.FilterMonVon);
    QCOMPARE(n.FilterMonBis, vorher.FilterMonBis);
    QCOMPARE(n.FilterProgVon, vorher.FilterProgVon);
    QCOMPARE(n.FilterProgBis, vorher.FilterProgBis);
    QCOMPARE(n.FilterEinAus, vorher.FilterEinAus);
    QCOMPARE(n.FilterImpuls, vorher.FilterImpuls);
    QCOMPARE(n.FilterAn, int16_t(-1));
    QCOMPARE(bilder_, QList<bool>{true});
    QCOMPARE(fuellungen_, QList<int>{0});
  }

  void okStoresTheChoiceAndTheListsFollow() {
    waehleTyp(4);
    Filter_Startwerte();
    program().AktSpeicher = 0;
    setzeSlot(0,
              {wochenSz(480, 1, 1, 1, 0, 1),       // 0 channel 1
               wochenSz(490, 32, 2, 1, 0, 2),      // 1 Saturday, P2
               wochenSz(500, 3, 6, 0, 0, 1),       // 2 AUS
               datumSz(600, 15, 4, 2, 1),          // 3 15 April
               datumSz(610, 1, 7, 2, 1),           // 4 1 July
               wochenSz(700, 1, 2, 1, 1, 1),       // 5 pulse
               wochenSz(720, 2, 10, 1, 0, 1)},     // 6 channels 2 and 4
              {periodePz(3, 1, 4, 30, 1, 2),       // 7 March..April
               periodePz(11, 1, 2, 28, 1, 2),      // 8 November..February
               periodePz(6, 15, 9, 20, 1, 1),      // 9 channel 1
               periodePz(12, 1, 3, 15, 1, 2)});    // 10 December..March
    FrmFilter* d = oeffne();
    QVERIFY(d);
    klick(d, "chkallKan");  // unticks the four channel boxes
    QVERIFY(!w<QCheckBox>(d, "chkKan1")->isChecked());
    klick(d, "chkKan2");
    klick(d, "chkSa");
    w<QComboBox>(d, "cbovonmon")->setCurrentIndex(3);
    QCOMPARE(w<QComboBox>(d, "cbobismon")->count(), 10);
    QCOMPARE(w<QComboBox>(d, "cbobismon")->currentText(), QStringLiteral("März"));
    w<QComboBox>(d, "cbobismon")->setCurrentIndex(2);
    w<QComboBox>(d, "cbovonp")->setCurrentIndex(1);
    QCOMPARE(w<QComboBox>(d, "cbobisp")->count(), 10);
    QCOMPARE(w<QComboBox>(d, "cbobisp")->currentText(), QStringLiteral("Programm P1"));
    w<QComboBox>(d, "cboonoff")->setCurrentIndex(1);
    w<QComboBox>(d, "cboimp")->setCurrentIndex(0);
    ok(d);

    const FilterSettings& f = viewState().filter;
    QCOMPARE(f.FilterKanal, int16_t(2));
    QCOMPARE(f.FilterWtag, int16_t(127 - 32));
    QCOMPARE(f.FilterMonVon, int16_t(3));
    QCOMPARE(f.FilterMonBis, int16_t(5));
    QCOMPARE(f.FilterProgVon, int16_t(1));
    QCOMPARE(f.FilterProgBis, int16_t(1));
    QCOMPARE(f.FilterEinAus, int16_t(1));
    QCOMPARE(f.FilterImpuls, int16_t(0));
    QCOMPARE(f.FilterAn, int16_t(-1));
    QCOMPARE(bilder_, QList<bool>{true});
    QCOMPARE(fuellungen_, QList<int>{0});

    Baue_Anzeigeliste(f.FilterAn, 0);
    QCOMPARE(zeilen(), (QList<int>{3, 6}));
    // November..February lies outside March..May; December..March reaches into it.
    Baue_Anzeigeliste(2 - f.FilterAn, 0);
    QCOMPARE(zeilen(), (QList<int>{7, 10}));
  }

  void cancelAndCloseChangeNothing() {
    waehleTyp(4);
    Filter_Startwerte();
    const FilterSettings vorher = viewState().filter;
    for (int weg = 0; weg < 2; ++weg) {
      FrmFilter* d = oeffne();
      QVERIFY(d);
      klick(d, "chkallKan");
      klick(d, "chkallwtag");
      w<QComboBox>(d, "cbovonmon")->setCurrentIndex(5);
      w<QComboBox>(d, "cboonoff")->setCurrentIndex(0);
      w<QComboBox>(d, "cboimp")->setCurrentIndex(1);
      if (weg == 0)
        klick(d, "cmdFilterend");
      else
        d->close();  // the window's close button
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY(!offenerFilterdialog());
      const FilterSettings& f = viewState().filter;
      QCOMPARE(f.FilterKanal, vorher.FilterKanal);
      QCOMPARE(f.FilterWtag, vorher.FilterWtag);
      QCOMPARE(f.FilterMonVon, vorher.FilterMonVon);
      QCOMPARE(f.FilterEinAus, vorher.FilterEinAus);
      QCOMPARE(f.FilterImpuls, vorher.FilterImpuls);
      QCOMPARE(f.FilterAn, int16_t(0));
    }
    QVERIFY(bilder_.isEmpty());
    QVERIFY(fuellungen_.isEmpty());
    QCOMPARE(knoepfe_, (QList<bool>{false, false}));
  }

  void weeklyProgramOnly() {
    waehleTyp(4);
    Filter_Startwerte();
    setzeSlot(0, {wochenSz(480, 1, 1, 1), datumSz(600, 15, 4, 1, 1), wochenSz(500, 64, 2, 0)},
              {periodePz(1, 1, 12, 31, 1, 1)});
    FrmFilter* d = oeffne();
    QVERIFY(d);
    w<QComboBox>(d, "cbovonmon")->setCurrentIndex(0);
    QVERIFY(w<QComboBox>(d, "cbobismon")->isHidden());
    QVERIFY(w<QLabel>(d, "LblbisMon")->isHidden());
    QCOMPARE(w<QComboBox>(d, "cbobismon")->count(), 0);
    ok(d);
    const FilterSettings& f = viewState().filter;
    QCOMPARE(f.FilterMonVon, int16_t(0));
    QCOMPARE(f.FilterMonBis, int16_t(-1));
    Baue_Anzeigeliste(-1, 0);
    QCOMPARE(zeilen(), (QList<int>{0, 2}));
    Baue_Anzeigeliste(3, 0);
    QCOMPARE(zeilen(), QList<int>{});

    // Reopened, the to-list stays hidden and empty.
    d = oeffne();
    QVERIFY(d);
    QCOMPARE(w<QComboBox>(d, "cbovonmon")->currentIndex(), 0);
    QVERIFY(w<QComboBox>(d, "cbobismon")->isHidden());
  }

  void weekdayBoxesAndTheProgramRow() {
    waehleTyp(4);
    Filter_Startwerte();
    viewState().filter.FilterWtag = 4;  // Wednesday only
    viewState().filter.FilterMonVon = 3;
    viewState().filter.FilterMonBis = 5;
    FrmFilter* d = oeffne();
    QVERIFY(d);
    auto* von = w<QComboBox>(d, "cbovonmon");
    auto* bis = w<QComboBox>(d, "cbobismon");
    QCOMPARE(von->currentIndex(), 3);
    // Unticking the last weekday hides the program row and starts the months at January.
    klick(d, "chkMi");
    for (const char* n : {"cbovonp", "cbobisp", "LblÜsPrio", "LblvonPrio", "LblbisPrio"})
      QVERIFY2(w<QWidget>(d, n)->isHidden(), n);
    QCOMPARE(von->currentIndex(), 1);
    QCOMPARE(bis->currentText(), QStringLiteral("Januar"));
    QCOMPARE(bis->count(), 12);
    klick(d, "chkFr");
    QVERIFY(w<QWidget>(d, "cbovonp")->isVisible());

    // "alles" off unticks all seven days and hides the row; on ticks them and shows it.
    klick(d, "chkallwtag");
    for (const char* n : {"chkMo", "ChkDi", "chkMi", "chkDo", "chkFr", "chkSa", "chkSo"})
      QVERIFY2(!w<QCheckBox>(d, n)->isChecked(), n);
    QVERIFY(w<QWidget>(d, "cbovonp")->isHidden());
    klick(d, "chkallwtag");
    for (const char* n : {"chkMo", "ChkDi", "chkMi", "chkDo", "chkFr", "chkSa", "chkSo"})
      QVERIFY2(w<QCheckBox>(d, n)->isChecked(), n);
    QVERIFY(w<QWidget>(d, "cbovonp")->isVisible());
    ok(d);
    QCOMPARE(viewState().filter.FilterWtag, int16_t(127));
    QCOMPARE(viewState().filter.FilterMonVon, int16_t(1));
    QCOMPARE(viewState().filter.FilterMonBis, int16_t(1));
  }

  void sixteenChannelList() {
    waehleTyp(15);  // type 280
    Filter_Startwerte();
    setzeSlot(0, {wochenSz(480, 1, 0, 1), wochenSz(490, 1, 3, 1), datumSz(600, 15, 4, 0, 1)},
              {periodePz(3, 1, 4, 30, 1, 0), periodePz(3, 1, 4, 30, 1, 4)});
    FrmFilter* d = oeffne();
    QVERIFY(d);
    auto* k = w<QComboBox>(d, "cbokanal");
    QVERIFY(k->isVisible());
    for (const char* n : {"chkKan1", "chkKan2", "ChkKan3", "chkKan4", "chkallKan"})
      QVERIFY2(w<QWidget>(d, n)->isHidden(), n);
    QCOMPARE(k->count(), 17);
    QCOMPARE(k->itemText(0), QStringLiteral("alle"));
    QCOMPARE(k->itemText(16), QStringLiteral("Kanal 16"));
    QCOMPARE(k->currentIndex(), 0);  // 255 is "alle"
    k->setCurrentIndex(5);
    ok(d);
    QCOMPARE(viewState().filter.FilterKanal, int16_t(4));
    Baue_Anzeigeliste(3, 0);
    QCOMPARE(zeilen(), QList<int>{4});

    d = oeffne();
    QVERIFY(d);
    QCOMPARE(w<QComboBox>(d, "cbokanal")->currentIndex(), 5);
    w<QComboBox>(d, "cbokanal")->setCurrentIndex(1);
    ok(d);
    QCOMPARE(viewState().filter.FilterKanal, int16_t(0));
    Baue_Anzeigeliste(-1, 0);
    QCOMPARE(zeilen(), (QList<int>{0, 2}));
    Baue_Anzeigeliste(3, 0);
    QCOMPARE(zeilen(), QList<int>{3});

    d = oeffne();
    QVERIFY(d);
    w<QComboBox>(d, "cbokanal")->setCurrentIndex(0);
    ok(d);
    QCOMPARE(viewState().filter.FilterKanal, int16_t(255));
    Baue_Anzeigeliste(-1, 0);
    QCOMPARE(zeilen(), (QList<int>{0, 1, 2}));
  }

  void valueDevicesAndPermanent() {
    waehleTyp(4);
    profile().Geraetefamilie = 1;
    Filter_Startwerte();
    QCOMPARE(viewState().filter.FilterProgBis, int16_t(7));
    setzeSlot(0, {wochenSz1(480, 1, 1, 50), wochenSz1(490, 1, 1, 100), wochenSz1(500, 1, 1, 150)}, {});
    FrmFilter* d = oeffne();
    QVERIFY(d);
    QCOMPARE(w<QLabel>(d, "LblSZust")->text(), QStringLiteral("Wert"));
    QCOMPARE(items(w<QComboBox>(d, "cboonoff")), (QStringList{"gleich", "bis", "ab"}));
    auto* p = w<QComboBox>(d, "cbovonp");
    QCOMPARE(p->count(), 9);
    QCOMPARE(p->itemText(8), QStringLiteral("Permanent"));
    QCOMPARE(w<QComboBox>(d, "cbobisp")->currentText(), QStringLiteral("Programm P7"));
    auto* wert = w<QScrollBar>(d, "hsbwert");
    QVERIFY(wert->isVisible());
    QCOMPARE(wert->maximum(), 255);
    QCOMPARE(wert->pageStep(), 10);
    wert->setValue(100);
    QCOMPARE(w<QLabel>(d, "lblwert")->text(), QStringLiteral("100"));
    w<QComboBox>(d, "cboonoff")->setCurrentIndex(1);
    p->setCurrentIndex(3);
    auto* bis = w<QComboBox>(d, "cbobisp");
    bis->setCurrentIndex(bis->count() - 1);
    QCOMPARE(bis->currentText(), QStringLiteral("Permanent"));
    ok(d);
    const FilterSettings& f = viewState().filter;
    QCOMPARE(f.FilterProgVon, int16_t(3));
    QCOMPARE(f.FilterProgBis, int16_t(10));
    QCOMPARE(f.FilterWert, int16_t(100));
    QCOMPARE(f.FilterEinAus, int16_t(1));

    d = oeffne();
    QVERIFY(d);
    QCOMPARE(w<QComboBox>(d, "cbovonp")->currentText(), QStringLiteral("Programm P3"));
    QCOMPARE(w<QComboBox>(d, "cbobisp")->currentText(), QStringLiteral("Permanent"));
    QCOMPARE(w<QScrollBar>(d, "hsbwert")->value(), 100);
    QCOMPARE(w<QLabel>(d, "lblwert")->text(), QStringLiteral("100"));
    w<QComboBox>(d, "cbovonp")->setCurrentIndex(0);
    w<QComboBox>(d, "cbobisp")->setCurrentIndex(8);
    ok(d);
    QCOMPARE(viewState().filter.FilterProgVon, int16_t(0));
    QCOMPARE(viewState().filter.FilterProgBis, int16_t(10));
    Baue_Anzeigeliste(-1, 0);
    QCOMPARE(zeilen(), (QList<int>{0, 1}));  // values up to 100

    // 8, as the device settings leave it, reopens on Permanent.
    viewState().filter.FilterProgBis = 8;
    d = oeffne();
    QVERIFY(d);
    QCOMPARE(w<QComboBox>(d, "cbobisp")->currentText(), QStringLiteral("Permanent"));
  }

  void oneChannelType() {
    waehleTyp(1);
    Filter_Startwerte();
    viewState().filter.FilterKanal = 0;
    FrmFilter* d = oeffne();
    QVERIFY(d);
    auto* k1 = w<QCheckBox>(d, "chkKan1");
    QVERIFY(k1->isVisible());
    QVERIFY(k1->isChecked());
    QVERIFY(!k1->isEnabled());
    for (const char* n : {"chkKan2", "ChkKan3", "chkKan4", "chkallKan", "cbokanal"})
      QVERIFY2(w<QWidget>(d, n)->isHidden(), n);
    ok(d);
    QCOMPARE(viewState().filter.FilterKanal, int16_t(1));
  }
};

QTEST_MAIN(TstFilterdialog)
#include "tst_filterdialog.moc"
