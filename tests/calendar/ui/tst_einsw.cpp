// The changeover table editor inside the frame: OK with the defaults, "alle" with the rule days
// from several start years, the full table, the date checks, the year keys and the change mode.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "calendar/SoWiTabelle.h"
#include "calendar/ui/FrmEinSW.h"
#include "calendar/ui/Kalenderfenster.h"
#include "entry/Eingabeautomatik.h"
#include "model/Kalender.h"
#include "tests/calendar/ui/Kindsuche.h"
#include "tests/views/ui/Rahmentest.h"

using namespace qv;
using namespace qv::test;

namespace {

QDate letzterSonntag(int jahr, int monat) {
  QDate d(jahr, monat, QDate(jahr, monat, 1).daysInMonth());
  return d.addDays(-(d.dayOfWeek() % 7));
}

TSwEintrag eintrag(int vTag, int vMon, int vStd, int bTag, int bMon, int bStd) {
  return SwEintrag_Bauen({vStd, 1, vTag, vMon}, {bStd, 1, bTag, bMon});
}

}  // namespace

class TstEinSW : public QObject {
  Q_OBJECT

  std::unique_ptr<Rahmentest> t_;
  QPointer<QMdiSubWindow> sub_;

  template <typename T>
  T* c(const char* name) const {
    return kind<T>(sub_, name);
  }
  void klick(const char* name) const { QTest::mouseClick(c<QPushButton>(name), Qt::LeftButton); }
  // Opens the editor for the mode with the clock set to jahr.
  bool oeffne(int modus, int jahr) {
    t_->env->setNow(QDateTime(QDate(jahr, 6, 15), QTime(12, 0)));
    viewState().EingabeModus = static_cast<int16_t>(modus);
    sub_ = qobject_cast<QMdiSubWindow*>(Oeffne_frmEinSW());
    QCoreApplication::processEvents();
    return sub_ != nullptr;
  }
  bool offen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return sub_ != nullptr;
  }
  QStringList meldungen() const {
    QStringList r;
    for (const ShownMessage& m : t_->env->messages) r << m.text;
    return r;
  }

 private slots:
  void init() {
    t_ = std::make_unique<Rahmentest>(4);
    Kalenderfenster_anmelden();
    setInputAutomationStartValues();
    inputAutomation().AutoAktiv = 0;
  }
  void cleanup() {
    t_.reset();
    QVERIFY(!sub_);
  }

  void okWithTheDefaultsStartsTheTable() {
    t_->env->setNow(QDateTime(QDate(2003, 6, 15), QTime(12, 0)));
    t_->action("mnuBaSw")->trigger();
    QCoreApplication::processEvents();
    sub_ = t_->rahmen->mdiArea()->currentSubWindow();
    QCOMPARE(sub_->objectName(), QStringLiteral("frmEinSW"));
    QCOMPARE(sub_->windowTitle(), QStringLiteral("Eingabe der SoWi-Tabelle "));
    QCOMPARE(c<QLabel>("LblvonStd")->text(), QStringLiteral("2:00 Uhr"));
    QCOMPARE(c<QLabel>("LblbisTag")->text(), QStringLiteral("31. "));
    QCOMPARE(c<QLabel>("LblJahr")->text(), QStringLiteral("2003"));
    QVERIFY(!c<QWidget>("cmdswalle")->isVisibleTo(sub_));
    klick("cmdSwOk");
    const ProgramState& p = program();
    QCOMPARE(p.AnzSw[0], int16_t(1));
    QCOMPARE(p.SwTab[0][0], eintrag(31, 3, 2, 31, 10, 3));
    QCOMPARE(p.SwKopf[0], int16_t(7));
    QCOMPARE(p.Geaendert, int16_t(1));
    QCOMPARE(c<QLabel>("LblJahr")->text(), QStringLiteral("2004"));
    QVERIFY(!c<QWidget>("vsbSWJahr")->isVisibleTo(sub_));
    QVERIFY(!c<QWidget>("cboprojahr")->isEnabled());
    QCOMPARE(viewState().AktAnsicht, int16_t(2));
    // Closing shows the table in the main window.
    klick("cmdSwEnd");
    QVERIFY(!offen());
    QCOMPARE(viewState().EingabeModus, int16_t(0));
    QVERIFY(t_->action("mnuAnsSW")->isChecked());
  }

  void alleFillsTheYearsWithTheRuleDays_data() {
    QTest::addColumn<int>("jahr");
    QTest::addColumn<int>("erstes");
    QTest::newRow("2003") << 2003 << 2003;
    QTest::newRow("2030") << 2030 << 2030;
    QTest::newRow("after the year control's end") << 2052 << 2040;
  }
  void alleFillsTheYearsWithTheRuleDays() {
    QFETCH(int, jahr);
    QFETCH(int, erstes);
    QVERIFY(oeffne(0, jahr));
    c<QCheckBox>("Chkautopil")->click();
    QCOMPARE(inputAutomation().AutoAktiv, int16_t(1));
    QCOMPARE(c<QListWidget>("Listvontag")->currentRow() + 1, letzterSonntag(erstes, 3).day());
    klick("cmdswalle");
    QVERIFY(!offen());
    QVERIFY(meldungen().isEmpty());
    const ProgramState& p = program();
    QCOMPARE(p.AnzSw[0], int16_t(20));
    QCOMPARE(p.SwKopf[0], int16_t(erstes - 1996));
    for (int n = 0; n < 20; ++n) {
      const int y = erstes + n;
      QCOMPARE(SoWi_Jahr(n, 0), y);
      QCOMPARE(p.SwTab[0][n], eintrag(letzterSonntag(y, 3).day(), 3, 2, letzterSonntag(y, 10).day(), 10, 3));
    }
  }

  void fullTable() {
    ProgramState& p = program();
    for (int n = 0; n < 19; ++n) p.SwTab[0][n] = eintrag(28, 3, 2, 30, 10, 3);
    p.AnzSw[0] = 19;
    p.SwKopf[0] = 7;
    QVERIFY(oeffne(0, 2003));
    QCOMPARE(c<QLabel>("LblJahr")->text(), QStringLiteral("2022"));
    klick("cmdSwOk");
    QCOMPARE(p.AnzSw[0], int16_t(20));
    QCOMPARE(meldungen(), QStringList{"Kein weiterer Speicher mehr frei !"});
    QVERIFY(!offen());
    // Copying into the full table stores nothing and says so.
    QVERIFY(oeffne(2, 2003));
    QVERIFY(!offen());
    QCOMPARE(meldungen().size(), 2);
    QCOMPARE(p.AnzSw[0], int16_t(20));
  }

  void equalDatesAreRefused() {
    QVERIFY(oeffne(0, 2003));
    auto* pro = c<QComboBox>("cboprojahr");
    pro->setCurrentIndex(1);
    emit pro->activated(1);
    QVERIFY(!c<QWidget>("frmautopil")->isVisibleTo(sub_));
    // Forward and back on 31 March at 2 o'clock.
    c<QListWidget>("LstbisMon")->setCurrentRow(2);
    c<QListWidget>("ListbisStd")->setCurrentRow(2);
    klick("cmdSwOk");
    QCOMPARE(meldungen().value(0), QStringLiteral("Anfangs- und Enddatum gleich"));
    QCOMPARE(program().AnzSw[0], int16_t(0));
    c<QListWidget>("ListbisStd")->setCurrentRow(3);
    klick("cmdSwOk");
    QCOMPARE(program().AnzSw[0], int16_t(1));
    QCOMPARE(program().SwKopf[0], int16_t(71));
    // The year's second entry may not repeat a date of its first.
    c<QListWidget>("Listvontag")->setCurrentRow(9);
    klick("cmdSwOk");
    QCOMPARE(meldungen().value(1), QStringLiteral("Gleiches Datum bereits vorhanden in Nr.1"));
    QCOMPARE(program().AnzSw[0], int16_t(1));
    QCOMPARE(t_->env->beeps, 2);
    c<QListWidget>("listbistag")->setCurrentRow(9);
    klick("cmdSwOk");
    QCOMPARE(program().AnzSw[0], int16_t(2));
    QCOMPARE(c<QLabel>("LblJahr")->text(), QStringLiteral("2004"));
  }

  void yearKeysAndDayLimits() {
    QVERIFY(oeffne(0, 2031));
    auto* jahr = c<QScrollBar>("vsbSWJahr");
    QTest::keyClick(jahr, Qt::Key_5);
    QCOMPARE(jahr->value(), 2035);
    QTest::keyClick(jahr, Qt::Key_A);
    QCOMPARE(c<QLabel>("LblJahr")->text(), QStringLiteral("2035"));
    jahr->setValue(1999);
    QTest::keyClick(jahr, Qt::Key_6);
    QCOMPARE(jahr->value(), 1999);

    // 29 February 2004, then 2005: the 28th. The 10th stays.
    jahr->setValue(2004);
    c<QListWidget>("Lstvonmon")->setCurrentRow(1);
    QCOMPARE(c<QListWidget>("Listvontag")->currentRow(), 28);  // 31 cut silently
    QCOMPARE(t_->env->beeps, 0);
    jahr->setValue(2005);
    QCOMPARE(c<QLabel>("LblvonTag")->text(), QStringLiteral("28. "));
    // The back change's month cuts the day with a beep.
    c<QListWidget>("LstbisMon")->setCurrentRow(3);
    QCOMPARE(c<QListWidget>("listbistag")->currentRow(), 29);
    QCOMPARE(t_->env->beeps, 1);
  }

  void changeModeWalksTheSelectedEntries() {
    ProgramState& p = program();
    for (int n = 0; n < 6; ++n) p.SwTab[0][n] = eintrag(28, 3, 2, 30, 10, 3);
    p.SwTab[0][3] = eintrag(1, 4, 12, 5, 11, 0);
    p.AnzSw[0] = 6;
    p.SwKopf[0] = 7;
    viewState().SelVon = 3;
    viewState().SelBis = 4;
    QVERIFY(oeffne(1, 2003));
    QCOMPARE(sub_->windowTitle(), QStringLiteral("Ändern der SoWi-Tabelle "));
    QCOMPARE(c<QLabel>("LblJahr")->text(), QStringLiteral("2006"));
    QCOMPARE(c<QLabel>("LblvonTag")->text(), QStringLiteral("1. "));
    QCOMPARE(c<QLabel>("LblvonStd")->text(), QStringLiteral("12:00 Uhr"));
    QCOMPARE(c<QLabel>("LblbisMon")->text(), QStringLiteral("November"));
    c<QListWidget>("Listvontag")->setCurrentRow(1);
    klick("cmdSwOk");
    QCOMPARE(p.SwTab[0][3], eintrag(2, 4, 12, 5, 11, 0));
    QCOMPARE(c<QLabel>("LblJahr")->text(), QStringLiteral("2007"));
    QVERIFY(offen());
    klick("cmdSwOk");
    QVERIFY(!offen());
    QCOMPARE(p.AnzSw[0], int16_t(6));
  }

  // Esc in the open year list closes only the list; Esc in the editor itself closes the editor.
  void escClosesAnOpenListFirst() {
    QVERIFY(oeffne(0, 2003));
    auto* jahr = c<QComboBox>("cboprojahr");
    QVERIFY(escInOffenerListe(jahr));
    QVERIFY(offen());
    QTest::keyClick(jahr, Qt::Key_Escape);
    QVERIFY(!offen());
  }
};

QTEST_MAIN(TstEinSW)
#include "tst_einsw.moc"
