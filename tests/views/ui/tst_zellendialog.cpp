// The grid-cell change dialog through its widgets, opened the way the astro view opens it
// (Aendere_Astrozeiten): change to, delete, shift, cancel and close, refused hours and minutes.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <vector>

#include "model/Ansicht.h"
#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "shell/Uhrenprofil.h"
#include "tests/support/ScriptedEnvironment.h"
#include "views/Zellaenderung.h"
#include "views/ui/FrmChangeGridData.h"

using namespace qv;
using namespace qv::test;

namespace {

void waehleTyp(int slot) {
  for (int s = 1; s <= 20; ++s) brand().S_Typ[s] = QStringLiteral("T%1").arg(s);
  QVERIFY(applyClockProfile(QStringLiteral("T%1").arg(slot)).has_value());
}

void fuelleKanal(int k, int aufgang, int untergang) {
  for (auto& d : astro().AstroTab[k])
    d = TAstroTag{static_cast<int16_t>(aufgang), static_cast<int16_t>(untergang), 0, 1};
}

template <typename T>
T* w(QWidget* d, const char* name) {
  T* c = d->findChild<T*>(QString::fromUtf8(name));
  if (!c) qWarning("no control %s", name);
  return c;
}

void klick(QWidget* d, const char* name) { QTest::mouseClick(w<QWidget>(d, name), Qt::LeftButton); }

// Empties a box with Backspace, as a user would, and types the text.
void tippe(QWidget* d, const char* name, const QString& text) {
  auto* box = w<QLineEdit>(d, name);
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_End);
  for (int i = 0; i < 2; ++i) QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
}

void waehleEintrag(QWidget* d, const char* name, int row) {
  auto* l = w<QListWidget>(d, name);
  QListWidgetItem* it = l->item(row);
  l->scrollToItem(it);
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(it).center());
}

// Runs the steps on the dialog once it shows; a dialog the steps leave open is cancelled later,
// so that a failed step cannot hang the test.
int g_gesehen = 0;
void amDialog(std::function<void(QDialog*)> schritte) {
  QTimer::singleShot(0, [schritte] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!d) {
      qWarning("no modal dialog");
      return;
    }
    ++g_gesehen;
    QTimer::singleShot(5000, d, [d] {
      qWarning("dialog left open");
      d->reject();
    });
    QVERIFY(QTest::qWaitForWindowActive(d));
    schritte(d);
  });
}

std::vector<TAstroTag> kanal(int k) { return {std::begin(astro().AstroTab[k]), std::end(astro().AstroTab[k])}; }

}  // namespace

class TstZellendialog : public QObject {
  Q_OBJECT

  std::unique_ptr<ScriptedEnvironment> env_;
  int fuellungen_ = 0;

 private slots:
  void init() {
    resetAllState();
    resetViewState();
    env_ = std::make_unique<ScriptedEnvironment>();
    Setze_TexteDeutsch();
    waehleTyp(15);  // type 280
    fuellungen_ = 0;
    g_gesehen = 0;
    installCellDialog();
    hooks().Fuelle_Grid = [this](int) { ++fuellungen_; };
    for (int k = 0; k < 4; ++k) fuelleKanal(k, 400 + k, 1200 + k);
  }
  void cleanup() {
    hooks() = WindowHooks{};
    env_.reset();
  }

  void changeToTypedTime() {
    astro().AstroTab[0][4].Aufgang = 1535;  // day 5 has no time
    viewState().GridDlgOption = 1;
    amDialog([](QDialog* d) {
      QVERIFY(d->isModal());
      QCOMPARE(d->objectName(), QStringLiteral("frm_change_grid_data"));
      QCOMPARE(d->windowTitle(), QStringLiteral("Ändern"));
      QVERIFY(w<QRadioButton>(d, "opt_Ändern")->isChecked());
      QCOMPARE(w<QRadioButton>(d, "opt_Ändern")->text(), QStringLiteral("ändern in"));
      QCOMPARE(w<QListWidget>(d, "liststd")->count(), 24);
      QCOMPARE(w<QListWidget>(d, "liststd")->item(7)->text(), QStringLiteral(" 7"));
      QCOMPARE(w<QListWidget>(d, "listmin")->item(7)->text(), QStringLiteral("07"));
      // A cell without time starts at 12:00.
      QCOMPARE(w<QListWidget>(d, "liststd")->currentRow(), 12);
      QCOMPARE(w<QListWidget>(d, "listmin")->currentRow(), 0);
      QCOMPARE(w<QLineEdit>(d, "txtAnzstd")->text(), QStringLiteral("12"));
      QCOMPARE(w<QLineEdit>(d, "txtAnzMin")->text(), QStringLiteral("00"));
      auto* onoff = w<QPushButton>(d, "cmd_onoff");
      QVERIFY(onoff->isVisible());
      QCOMPARE(onoff->text(), QStringLiteral("AUS"));
      QTest::mouseClick(onoff, Qt::LeftButton);
      QCOMPARE(onoff->text(), QStringLiteral("EIN"));

      tippe(d, "txtAnzstd", QStringLiteral("7"));
      tippe(d, "txtAnzMin", QStringLiteral("5"));
      // Leaving the hour box selected its list entry and rewrote it.
      QCOMPARE(w<QListWidget>(d, "liststd")->currentRow(), 7);
      QCOMPARE(w<QLineEdit>(d, "txtAnzstd")->text(), QStringLiteral("7"));
      klick(d, "cmdSzOk");
    });
    Aendere_Astrozeiten(5, 6, 3, 3);
    QCOMPARE(g_gesehen, 1);
    QCOMPARE(astro().AstroTab[0][4], (TAstroTag{425, 1200, 1, 1}));
    QCOMPARE(astro().AstroTab[0][5], (TAstroTag{425, 1200, 1, 1}));
    QCOMPARE(astro().AstroTab[0][6].Aufgang, int16_t(400));
    QCOMPARE(program().Geaendert, int16_t(1));
    QCOMPARE(viewState().GridDlgOffen, int16_t(-1));
    QVERIFY(viewState().KeinRefresh);
    QCOMPARE(fuellungen_, 1);
  }

  void deleteSetsTheNoTimeValue() {
    viewState().GridDlgOption = 1;
    amDialog([](QDialog* d) {
      klick(d, "Opt_del");
      QCOMPARE(w<QLineEdit>(d, "txtAnzstd")->text(), QStringLiteral("--"));
      QCOMPARE(w<QLineEdit>(d, "txtAnzMin")->text(), QStringLiteral("--"));
      QVERIFY(w<QListWidget>(d, "liststd")->isHidden());
      QVERIFY(w<QPushButton>(d, "cmd_onoff")->isHidden());
      klick(d, "cmdSzOk");
    });
    Aendere_Astrozeiten(1, 3, 3, 4);  // both time columns of days 1..3: one dialog, six cells
    QCOMPARE(g_gesehen, 1);
    for (int d = 0; d < 3; ++d) QCOMPARE(astro().AstroTab[0][d], (TAstroTag{1535, 1535, 0, 0}));
    QCOMPARE(astro().AstroTab[0][3], (TAstroTag{400, 1200, 0, 1}));
    QCOMPARE(viewState().GridDlgOption, int16_t(0));

    // On the 309 type delete gives 1791, and the dialog has no ON/OFF button.
    waehleTyp(20);
    amDialog([](QDialog* d) {
      QVERIFY(w<QRadioButton>(d, "Opt_del")->isChecked());
      klick(d, "opt_Ändern");
      QVERIFY(w<QPushButton>(d, "cmd_onoff")->isHidden());
      klick(d, "Opt_del");
      klick(d, "cmdSzOk");
    });
    Aendere_Astrozeiten(10, 10, 3, 3);
    QCOMPARE(astro().AstroTab[0][9], (TAstroTag{1791, 1200, 0, 1}));
  }

  void shiftByOneHourMovesOnlyTheShownChannel() {
    viewState().firstChannelShown = 3;
    astro().AstroTab[2][10].Aufgang = 1535;  // day 11 of channel 3 has no sunrise
    viewState().GridDlgOption = 2;
    viewState().GridDlgVerschiebung = 150;
    amDialog([](QDialog* d) {
      QVERIFY(w<QRadioButton>(d, "opt_verschieben")->isChecked());
      // A new opening starts the shift at 0:00; the boxes are not shown.
      QCOMPARE(w<QListWidget>(d, "liststd")->currentRow(), 0);
      QCOMPARE(w<QListWidget>(d, "listmin")->currentRow(), 0);
      QVERIFY(w<QLineEdit>(d, "txtAnzstd")->isHidden());
      waehleEintrag(d, "liststd", 1);
      QCOMPARE(w<QListWidget>(d, "liststd")->currentRow(), 1);
      klick(d, "cmdSzOk");
    });
    Aendere_Astrozeiten(10, 12, 3, 4);
    QCOMPARE(g_gesehen, 1);
    QCOMPARE(viewState().GridDlgVerschiebung, 60);
    const auto& k = astro().AstroTab[2];
    // Every changed cell takes the state the dialog shows: the first day's sunrise state.
    QCOMPARE(k[9], (TAstroTag{462, 1262, 0, 0}));
    QCOMPARE(k[10], (TAstroTag{1535, 1262, 0, 0}));
    QCOMPARE(k[11], (TAstroTag{462, 1262, 0, 0}));
    QCOMPARE(k[8], (TAstroTag{402, 1202, 0, 1}));
    QCOMPARE(k[12], (TAstroTag{402, 1202, 0, 1}));
    for (int kanal : {0, 1, 3})
      for (const TAstroTag& t : astro().AstroTab[kanal])
        QCOMPARE(t, (TAstroTag{int16_t(400 + kanal), int16_t(1200 + kanal), 0, 1}));
    QCOMPARE(fuellungen_, 1);
  }

  void cancelAndCloseChangeNothing() {
    // A previous run left a shift of 1:00 behind; neither Cancel nor the close button repeats it.
    viewState().GridDlgOption = 2;
    viewState().GridDlgVerschiebung = 60;
    program().Geaendert = 0;
    const std::vector<TAstroTag> vorher = kanal(0);
    amDialog([](QDialog* d) { klick(d, "cmdSzEnd"); });
    Aendere_Astrozeiten(1, 5, 3, 4);
    QCOMPARE(viewState().GridDlgVerschiebung, -1);
    viewState().GridDlgVerschiebung = 60;
    amDialog([](QDialog* d) { d->close(); });
    Aendere_Astrozeiten(1, 5, 3, 4);
    QCOMPARE(viewState().GridDlgVerschiebung, -1);
    QCOMPARE(g_gesehen, 2);
    QVERIFY(kanal(0) == vorher);
    QCOMPARE(program().Geaendert, int16_t(0));
    QCOMPARE(viewState().GridDlgOffen, int16_t(-1));

    // After the cancelled run "verschieben um" selects nothing: hours read "0", minutes "".
    viewState().GridDlgOption = 1;
    amDialog([](QDialog* d) {
      klick(d, "opt_verschieben");
      QCOMPARE(w<QListWidget>(d, "liststd")->currentRow(), -1);
      QCOMPARE(w<QListWidget>(d, "listmin")->currentRow(), -1);
      QCOMPARE(w<QLineEdit>(d, "txtAnzstd")->text(), QStringLiteral("0"));
      QCOMPARE(w<QLineEdit>(d, "txtAnzMin")->text(), QString());
      klick(d, "cmdSzEnd");
    });
    Aendere_Astrozeiten(1, 1, 3, 3);
    QVERIFY(kanal(0) == vorher);

    // After a shift of 1:30 it presets 1 and 30.
    viewState().GridDlgOption = 1;
    viewState().GridDlgVerschiebung = 90;
    amDialog([](QDialog* d) {
      klick(d, "opt_verschieben");
      QCOMPARE(w<QListWidget>(d, "liststd")->currentRow(), 1);
      QCOMPARE(w<QListWidget>(d, "listmin")->currentRow(), 30);
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Aendere_Astrozeiten(1, 1, 3, 3);
    QCOMPARE(viewState().GridDlgVerschiebung, -1);
    QVERIFY(kanal(0) == vorher);
  }

  void badHoursAndMinutesAreRefused() {
    viewState().GridDlgOption = 1;
    ScriptedEnvironment* e = env_.get();
    amDialog([e](QDialog* d) {
      auto* std = w<QLineEdit>(d, "txtAnzstd");
      auto* min = w<QLineEdit>(d, "txtAnzMin");
      // Only digits get into the boxes.
      std->setFocus(Qt::TabFocusReason);
      QTest::keyClick(std, Qt::Key_End);
      const int vor = e->beeps;
      QTest::keyClicks(std, QStringLiteral("x"));
      QCOMPARE(std->text(), QStringLiteral("6"));
      QCOMPARE(e->beeps, vor + 1);

      tippe(d, "txtAnzstd", QStringLiteral("24"));
      klick(d, "cmdSzOk");
      QTest::qWait(20);
      QVERIFY(d->isVisible());
      QCOMPARE(QApplication::focusWidget(), std);
      QVERIFY(e->beeps >= vor + 2);

      tippe(d, "txtAnzstd", QStringLiteral("23"));
      tippe(d, "txtAnzMin", QStringLiteral("60"));
      const int vorOk = e->beeps;
      klick(d, "cmdSzOk");
      QTest::qWait(20);
      QVERIFY(d->isVisible());
      QCOMPARE(QApplication::focusWidget(), min);
      QVERIFY(e->beeps > vorOk);
      QCOMPARE(program().Geaendert, int16_t(0));

      tippe(d, "txtAnzMin", QStringLiteral("59"));
      klick(d, "cmdSzOk");
    });
    program().Geaendert = 0;
    Aendere_Astrozeiten(1, 1, 3, 3);
    QCOMPARE(g_gesehen, 1);
    QCOMPARE(astro().AstroTab[0][0].Aufgang, int16_t(1439));
    QCOMPARE(program().Geaendert, int16_t(1));
  }
};

QTEST_MAIN(TstZellendialog)
#include "tst_zellendialog.moc"
