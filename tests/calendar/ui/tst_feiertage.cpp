// The holiday editor through its widgets: opening, adding and deleting holidays, the sets and
// their members, the day list, and "Beenden" writing the holiday file.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "calendar/ui/FrmFeiertage.h"
#include "model/Feiertage.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "tests/calendar/ui/Kindsuche.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;
using namespace qv::test;

namespace {

TFeiertag ft(const char* name, int art, int wtag, int tag, int monat) {
  return {QString::fromUtf8(name), static_cast<int16_t>(art), static_cast<int16_t>(wtag),
          static_cast<int16_t>(tag), static_cast<int16_t>(monat)};
}

// Six holidays; set "Bayern" 1, 3, 5 and set "Sachsen" 2, 6.
void beispiel() {
  HolidayTable& t = holidayTable();
  t = HolidayTable{};
  t.Feiertage = {ft("Neujahr", 0, 0, 1, 1),       ft("Karfreitag", 2, 0, -2, 0),
                 ft("Ostermontag", 2, 0, 1, 0),    ft("Buß- und Bettag", 1, -3, 23, 11),
                 ft("Fronleichnam", 2, 0, 60, 0),  ft("1. Weihnachtstag", 0, 0, 25, 12)};
  t.AnzFt = 6;
  t.FtSetName = {"Bayern", "Sachsen"};
  t.AnzFtSets = 2;
  const int16_t bayern[] = {3, 1, 3, 5};
  const int16_t sachsen[] = {2, 2, 6};
  std::copy(std::begin(bayern), std::end(bayern), t.FtSet[0]);
  std::copy(std::begin(sachsen), std::end(sachsen), t.FtSet[1]);
}

QStringList eintraege(const QListWidget* l) {
  QStringList r;
  for (int i = 0; i < l->count(); ++i) r << l->item(i)->text();
  return r;
}

}  // namespace

class TstFeiertage : public QObject {
  Q_OBJECT

  std::unique_ptr<StartDir> dir_;
  std::unique_ptr<ScriptedEnvironment> env_;
  QPointer<QWidget> w_;

  template <typename T>
  T* c(const char* name) const {
    return kind<T>(w_, name);
  }
  void klick(const char* name) const { QTest::mouseClick(c<QPushButton>(name), Qt::LeftButton); }
  bool sichtbar(const char* name) const { return !c<QWidget>(name)->isHidden(); }
  QWidget* oeffne() {
    w_ = Oeffne_frmfeiertage();
    return w_;
  }

 private slots:
  void init() {
    dir_ = std::make_unique<StartDir>();
    env_ = std::make_unique<ScriptedEnvironment>();
    resetAllState();
    Setze_TexteDeutsch();
    texts().FtDatei = QStringLiteral("deutsch.hdy");
    profile().Bewft = 1;
    profile().FtJahre = 14;
    beispiel();
  }
  void cleanup() {
    if (w_) w_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w_);
    env_.reset();
    dir_.reset();
  }

  void openingShowsTablesAndYears() {
    oeffne();
    QCOMPARE(w_->windowTitle(), QStringLiteral("Feiertagseinstellungen"));
    QVERIFY(c<QRadioButton>("Opt_Ostern")->isChecked());
    QCOMPARE(c<QLabel>("lbl_oster_distanz")->text(), QStringLiteral("Ostern"));
    QVERIFY(!sichtbar("cbo_monat"));
    QCOMPARE(c<QListWidget>("lst_Feiertage")->count(), 6);
    QCOMPARE(c<QLabel>("lbl_Feiertage")->text(), QStringLiteral("1. Januar"));
    QCOMPARE(eintraege(c<QListWidget>("lst_feiertagsset")),
             (QStringList{"Neujahr", "Ostermontag", "Fronleichnam"}));
    for (const char* n : {"cmd_del_Feiertage", "cmd_add_to_set", "cmd_remove_from_set", "cbo_sets", "cmd_add_set"})
      QVERIFY2(sichtbar(n), n);
    QCOMPARE(c<QComboBox>("cbo_Jahre_für_Ft")->currentText(), QStringLiteral("14 Jahre"));
    c<QComboBox>("cbo_Jahre_für_Ft")->setCurrentIndex(14);
    emit c<QComboBox>("cbo_Jahre_für_Ft")->activated(14);
    QCOMPARE(profile().FtJahre, int16_t(30));
    // Opening again only brings it forward.
    QCOMPARE(Oeffne_frmfeiertage(), w_.data());
  }

  void openingWithoutMovableHolidaysOrSets() {
    profile().Bewft = 0;
    HolidayTable& t = holidayTable();
    t.AnzFtSets = 0;
    t.FtSetName.clear();
    oeffne();
    QVERIFY(!sichtbar("fra_wieviel_freie_Ft"));
    QVERIFY(!sichtbar("cbo_sets"));
    QVERIFY(!sichtbar("cmd_add_to_set"));
    // ">>" beside the set with no set changes nothing, and a set added later starts empty.
    klick("cmd_add_to_set");
    env_->answerInput(QStringLiteral("Neu"));
    klick("cmd_add_set");
    QCOMPARE(env_->inputPrompts, QStringList{"Name des Sets"});
    QCOMPARE(t.AnzFtSets, int16_t(1));
    QCOMPARE(t.FtSet[0][0], int16_t(0));
    QVERIFY(sichtbar("cbo_sets"));
    QVERIFY(sichtbar("cmd_add_to_set"));
    QCOMPARE(c<QListWidget>("lst_feiertagsset")->count(), 0);
  }

  void deleteRenumbersTheSetsAndEndWritesTheFile() {
    oeffne();
    auto* liste = c<QListWidget>("lst_Feiertage");
    liste->setCurrentRow(2);  // Ostermontag, code 3
    QCOMPARE(c<QLabel>("lbl_Feiertage")->text(), QStringLiteral("1 Tag(e) nach Ostern"));
    klick("cmd_del_Feiertage");  // cancelled
    QCOMPARE(liste->count(), 6);
    env_->answer(Answer::Ok);
    klick("cmd_del_Feiertage");
    QCOMPARE(env_->messages.back().text, QStringLiteral("Daten wirklich löschen ?"));
    QCOMPARE(liste->count(), 5);
    QCOMPARE(liste->currentRow(), 0);
    QCOMPARE(eintraege(c<QListWidget>("lst_feiertagsset")), (QStringList{"Neujahr", "Fronleichnam"}));
    klick("cmd_ft_end");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w_);
    QCOMPARE(dir_->read(QStringLiteral("deutsch.hdy")), testData(QStringLiteral("calendar/feiertage_geloescht.hdy")));
  }

  void addHolidaysAndMembers() {
    oeffne();
    auto* liste = c<QListWidget>("lst_Feiertage");
    klick("cmd_add_Feiertage");
    QCOMPARE(env_->beeps, 1);  // no name
    c<QLineEdit>("Txt_feiertag_name")->setText(QStringLiteral("Tag X"));
    c<QRadioButton>("Opt_frei")->click();
    QCOMPARE(c<QComboBox>("Cbo_Wochentag")->currentText(), QStringLiteral("Sonntag vor"));
    QCOMPARE(c<QComboBox>("cbo_tagnummer")->currentIndex(), -1);
    klick("cmd_add_Feiertage");
    QCOMPARE(env_->beeps, 2);  // no day
    c<QComboBox>("Cbo_Wochentag")->setCurrentIndex(9);
    c<QComboBox>("cbo_monat")->setCurrentIndex(10);
    c<QComboBox>("cbo_tagnummer")->setCurrentIndex(22);
    klick("cmd_add_Feiertage");
    QCOMPARE(holidayTable().AnzFt, int16_t(7));
    QCOMPARE(holidayTable().Feiertage.back(), ft("Tag X", 1, 3, 23, 11));
    QCOMPARE(liste->currentRow(), 6);
    QCOMPARE(c<QLabel>("lbl_Feiertage")->text(), QStringLiteral("Mittwoch nach 23. November"));

    // Into set Bayern (1, 3, 5) as member 4, then once more: unchanged, still selected.
    klick("cmd_add_to_set");
    klick("cmd_add_to_set");
    const int16_t* bayern = holidayTable().FtSet[0];
    QCOMPARE(QList<int16_t>(bayern, bayern + 5), (QList<int16_t>{4, 1, 3, 5, 7}));
    QCOMPARE(c<QListWidget>("lst_feiertagsset")->currentRow(), 3);

    // Remove the first member; with no member selected the button beeps.
    c<QListWidget>("lst_feiertagsset")->setCurrentRow(0);
    env_->answer(Answer::Ok);
    klick("cmd_remove_from_set");
    QCOMPARE(QList<int16_t>(bayern, bayern + 4), (QList<int16_t>{3, 3, 5, 7}));
    const int piepser = env_->beeps;
    klick("cmd_remove_from_set");
    QCOMPARE(env_->beeps, piepser + 1);

    // A full set refuses a new member.
    HolidayTable& t = holidayTable();
    for (int m = 1; m <= kFtSetMaxMembers; ++m) t.FtSet[1][m] = static_cast<int16_t>(m == 1 ? 1 : 2);
    t.FtSet[1][0] = kFtSetMaxMembers;
    c<QComboBox>("cbo_sets")->setCurrentIndex(1);
    liste->setCurrentRow(6);
    klick("cmd_add_to_set");
    QCOMPARE(env_->messages.back().text, QStringLiteral("Error : 9"));
    QCOMPARE(t.FtSet[1][0], int16_t(kFtSetMaxMembers));
  }

  void dayListFollowsTheMonth() {
    oeffne();
    c<QRadioButton>("Opt_fest")->click();
    auto* tag = c<QComboBox>("cbo_tagnummer");
    QCOMPARE(tag->currentText(), QStringLiteral("1."));
    tag->setCurrentIndex(30);
    c<QComboBox>("cbo_monat")->setCurrentIndex(1);
    QCOMPARE(tag->count(), 28);
    QCOMPARE(tag->currentText(), QStringLiteral("28."));
  }

  void addSetHidesAtTwentyNineAndReturnsBelowTwentyFour() {
    HolidayTable& t = holidayTable();
    for (int s = 2; s < 28; ++s) t.FtSetName << QStringLiteral("S%1").arg(s);
    t.AnzFtSets = 28;
    oeffne();
    QVERIFY(sichtbar("cmd_add_set"));
    env_->answerInput(QStringLiteral("Bayern"));  // exists: nothing added
    klick("cmd_add_set");
    QCOMPARE(t.AnzFtSets, int16_t(28));
    env_->answerInput(QStringLiteral("S28"));
    klick("cmd_add_set");
    QCOMPARE(t.AnzFtSets, int16_t(29));
    QCOMPARE(c<QComboBox>("cbo_sets")->currentText(), QStringLiteral("S28"));
    QVERIFY(!sichtbar("cmd_add_set"));
    for (int n = 0; n < 6; ++n) {
      env_->answer(Answer::Ok);
      klick("cmd_del_set");
      QCOMPARE(sichtbar("cmd_add_set"), t.AnzFtSets < 24);
    }
    QCOMPARE(t.AnzFtSets, int16_t(23));
    // The set shown goes: the last one added, then set 0 each time; the later sets move up.
    QCOMPARE(t.FtSetName.first(), QStringLiteral("S5"));
  }
};

QTEST_MAIN(TstFeiertage)
#include "tst_feiertage.moc"
