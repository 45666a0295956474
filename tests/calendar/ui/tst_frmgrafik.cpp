// The simulation window in the frame: opening from the main window, the year list, the first
// drawing, clicks and drags on the year strip, the scroll bar and its keys, the time read-out
// on the day graphic, the legend colours in the painted strip, the operating hours and closing.
// Also the captions of the simulation, the holiday editor's lists and the priority list measured
// against their boxes in every language.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QToolButton>

#include "calendar/ui/FrmFeiertage.h"
#include "calendar/ui/FrmGrafik.h"
#include "tests/calendar/sim_records.h"
#include "tests/views/ui/Rahmentest.h"

using namespace qv;
using namespace qv::simtest;
using namespace qv::test;

namespace {

struct Grafiktest : Rahmentest {
  explicit Grafiktest(int slot) : Rahmentest(slot) {
    env->setNow(QDateTime(QDate(2004, 6, 15), QTime(10, 0)));
    fensteraufrufe().FrmGrafik = &Zeige_FrmGrafik;
  }
  FrmGrafik* oeffne() {
    oeffneMenue("mnuAns");
    action("mnuAnsGrafik")->trigger();
    auto* g = rahmen->findChild<FrmGrafik*>();
    if (g) g->Timer1_Timer();
    return g;
  }
  template <typename T>
  T* in(FrmGrafik* g, const char* name) const {
    return g->findChild<T*>(QString::fromLatin1(name));
  }
  QString zeile(FrmGrafik* g) const { return in<QLabel>(g, "lbltag")->text(); }
};

// The texts a window's controls cut: each label's and button's caption and each entry of a
// drop-down list, measured with the font it is drawn in against the room its box gives it.
QStringList zuSchmal(const QWidget* fenster) {
  QStringList aus;
  auto melde = [&aus](const QWidget* w, const QString& text, int braucht, int hat) {
    if (braucht > hat) aus << QStringLiteral("%1 \"%2\": %3 > %4").arg(w->objectName(), text).arg(braucht).arg(hat);
  };
  for (const QLabel* l : fenster->findChildren<QLabel*>()) {
    if (!l->isVisibleTo(fenster) || l->text().isEmpty() || l->wordWrap()) continue;
    melde(l, l->text(), l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width() - 2 * l->margin());
  }
  for (const QAbstractButton* b : fenster->findChildren<QAbstractButton*>()) {
    if (b->isVisibleTo(fenster) && !b->text().isEmpty()) melde(b, b->text(), b->sizeHint().width(), b->width());
  }
  for (const QComboBox* c : fenster->findChildren<QComboBox*>()) {
    if (!c->isVisibleTo(fenster)) continue;
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    const int feld = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
    for (int i = 0; i < c->count(); ++i) melde(c, c->itemText(i), c->fontMetrics().horizontalAdvance(c->itemText(i)), feld);
  }
  return aus;
}

// The same for the cells and headers of a grid: a cell's text has the style's margin on either
// side and the grid line beside it.
QStringList zuSchmal(const QTableWidget* grid) {
  QStringList aus;
  const int rand = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
  for (int c = 0; c < grid->columnCount(); ++c) {
    const QString kopf = grid->horizontalHeaderItem(c) ? grid->horizontalHeaderItem(c)->text() : QString();
    if (grid->horizontalHeader()->sectionSizeHint(c) > grid->columnWidth(c))
      aus << QStringLiteral("header %1 \"%2\"").arg(c).arg(kopf);
    for (int r = 0; r < grid->rowCount(); ++r) {
      const QString text = grid->item(r, c) ? grid->item(r, c)->text() : QString();
      const int braucht = grid->fontMetrics().horizontalAdvance(text) + rand;
      if (!text.isEmpty() && braucht > grid->columnWidth(c))
        aus << QStringLiteral("cell %1,%2 \"%3\": %4 > %5").arg(r + 1).arg(c).arg(text).arg(braucht).arg(grid->columnWidth(c));
    }
  }
  return aus;
}

void maus(QWidget* w, QEvent::Type typ, QPointF pos, Qt::MouseButton knopf, Qt::MouseButtons knoepfe) {
  QMouseEvent e(typ, pos, w->mapToGlobal(pos), knopf, knoepfe, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

void klicke(FrmGrafik* g, int monat, int tag, int zeile, Qt::MouseButton knopf = Qt::LeftButton) {
  const QPoint p = Zellrechteck(monat, tag, zeile).center();
  maus(g, QEvent::MouseButtonPress, p, knopf, knopf);
  maus(g, QEvent::MouseButtonRelease, p, knopf, Qt::NoButton);
}

// Daily 7:00 on and 19:30 off; April under P 3 (on from 8:00 on) and July permanently on; channel 1.
void ladeProgramm() {
  lade({woche(7 * 60, 0, kTaeglich, 1, 1), woche(19 * 60 + 30, 0, kTaeglich, 1, 0), woche(8 * 60, 3, kTaeglich, 1, 1)},
       {prio(1, 4, 30, 4, 3, 1), prio(1, 7, 31, 7, 10, 1, 1)});
}

}  // namespace

class TstFrmGrafik : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheCurrentYearAndDrawsTheFirstDay() {
    Grafiktest t(4);
    ladeProgramm();
    QMdiSubWindow* haupt = t.haupt()->subWindow();
    FrmGrafik* g = t.oeffne();
    QVERIFY(g);
    QMdiSubWindow* sub = t.rahmen->mdiArea()->activeSubWindow();
    QCOMPARE(sub->property("Tag").toString(), QStringLiteral("Grafik"));
    QCOMPARE(sub->windowTitle(), QStringLiteral("Programmsimulation"));
    QVERIFY(haupt->isMaximized());
    QVERIFY(!sub->isMaximized());
    auto* jahre = t.in<QComboBox>(g, "cboSimulationsjahr");
    QCOMPARE(jahre->count(), 30);
    QCOMPARE(jahre->itemText(0), QStringLiteral("2004"));
    QCOMPARE(jahre->itemText(29), QStringLiteral("2033"));
    QCOMPARE(t.in<QPushButton>(g, "cmd_redraw")->text(), QStringLiteral("Neu zeichnen"));
    QCOMPARE(t.in<QPushButton>(g, "cmdBetriebsstunden")->text(), QStringLiteral("Jahresbetriebsstunden berechnen"));
    QCOMPARE(t.in<QLabel>(g, "Lblmonat11")->text(), QStringLiteral("Dezember"));
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Donnerstag 1. Januar 2004, P 0  Betriebsstunden: 12 h 30 Min"));
    QCOMPARE(t.in<QLabel>(g, "lblstarttime11")->text(), QStringLiteral("11:00"));
    QVERIFY(t.in<QLabel>(g, "LblKan3")->isVisibleTo(g));

    // Activating it again arms the first drawing; opening it again brings the same window.
    g->Timer1()->stop();
    t.rahmen->mdiArea()->setActiveSubWindow(haupt);
    t.rahmen->mdiArea()->setActiveSubWindow(sub);
    QVERIFY(g->Timer1()->isActive());
    t.rahmen->mdiArea()->setActiveSubWindow(haupt);
    t.oeffneMenue("mnuAns");
    t.action("mnuAnsGrafik")->trigger();
    QCOMPARE(t.rahmen->findChildren<FrmGrafik*>().size(), 1);
    QCOMPARE(t.rahmen->mdiArea()->activeSubWindow(), sub);
    QCOMPARE(program().Geaendert, int16_t(0));

    QTest::mouseClick(t.in<QPushButton>(g, "cmd_grafik_end"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!t.rahmen->kindfenster(QStringLiteral("FrmGrafik")));
  }

  void clicksAndDragsOnTheStrip() {
    Grafiktest t(4);
    ladeProgramm();
    FrmGrafik* g = t.oeffne();
    auto* bar = t.in<QScrollBar>(g, "HScroll1");
    bar->setValue(29);  // 7:00 .. 19:00
    klicke(g, 2, 29, 1);
    QCOMPARE(t.zeile(g), QStringLiteral("C2, Sonntag 29. Februar 2004, P 0  Betriebsstunden: 0 h 00 Min"));
    QCOMPARE(bar->value(), 29);
    QCOMPARE(t.in<QLabel>(g, "lblstarttime0")->text(), QStringLiteral("7:00"));

    // No day 30 in February, no fifth channel row, no right button: nothing changes.
    klicke(g, 2, 30, 0);
    QPoint luecke = Zellrechteck(1, 5, 3).center() + QPoint(0, kZeilenabstand);
    maus(g, QEvent::MouseButtonPress, luecke, Qt::LeftButton, Qt::LeftButton);
    maus(g, QEvent::MouseButtonRelease, luecke, Qt::LeftButton, Qt::NoButton);
    klicke(g, 4, 10, 0, Qt::RightButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C2, Sonntag 29. Februar 2004, P 0  Betriebsstunden: 0 h 00 Min"));

    // A left drag previews the day under the pointer with its own hours; left and right together
    // do nothing; the release selects.
    const QPoint juli = Zellrechteck(7, 4, 0).center();
    maus(g, QEvent::MouseMove, juli, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C2, Sonntag 29. Februar 2004, P 0  Betriebsstunden: 0 h 00 Min"));
    maus(g, QEvent::MouseMove, juli, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Sonntag 4. Juli 2004, P On  Betriebsstunden: 24 h 00 Min"));
    QCOMPARE(g->simulation().SimMonat, 2);
    maus(g, QEvent::MouseButtonRelease, juli, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(g->simulation().SimMonat, 7);
    QCOMPARE(g->simulation().SimKanal, 1);
  }

  void scrollBarAndKeysStepTheDay() {
    Grafiktest t(4);
    ladeProgramm();
    FrmGrafik* g = t.oeffne();
    auto* bar = t.in<QScrollBar>(g, "HScroll1");
    klicke(g, 3, 1, 0);
    bar->setValue(0);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Sonntag 29. Februar 2004, P 0  Betriebsstunden: 12 h 30 Min"));
    QCOMPARE(bar->value(), 49);
    QCOMPARE(t.in<QLabel>(g, "lblstarttime0")->text(), QStringLiteral("12:00"));
    QCOMPARE(t.env->beeps, 0);

    klicke(g, 1, 1, 0);
    bar->setValue(0);
    QCOMPARE(t.env->beeps, 1);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Donnerstag 1. Januar 2004, P 0  Betriebsstunden: 12 h 30 Min"));
    QCOMPARE(bar->value(), 49);

    // The arrow keys: past the evening of 31 December a beep and its morning.
    klicke(g, 12, 31, 0);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(t.env->beeps, 2);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Freitag 31. Dezember 2004, P 0  Betriebsstunden: 12 h 30 Min"));
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Donnerstag 30. Dezember 2004, P 0  Betriebsstunden: 12 h 30 Min"));
    QCOMPARE(bar->value(), 49);
    QTest::keyClick(bar, Qt::Key_PageDown);
    QCOMPARE(bar->value(), 37);
    QCOMPARE(t.in<QLabel>(g, "lblstarttime0")->text(), QStringLiteral("9:00"));
  }

  void timeReadOutOnTheDayGraphic() {
    Grafiktest t(4);
    ladeProgramm();
    FrmGrafik* g = t.oeffne();
    t.in<QScrollBar>(g, "HScroll1")->setValue(29);
    QWidget* bild = t.in<QWidget>(g, "picSzGrafik");
    maus(bild, QEvent::MouseButtonPress, {719.6, 30}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, 1. Januar 2004, P 0 18:59"));
    maus(bild, QEvent::MouseMove, {720, 30}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, 1. Januar 2004, P 0 18:59"));
    maus(bild, QEvent::MouseMove, {0.2, 30}, Qt::NoButton, Qt::RightButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, 1. Januar 2004, P 0 7:00"));
    maus(bild, QEvent::MouseButtonRelease, {0.2, 30}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, 1. Januar 2004, P 0  Betriebsstunden: 12 h 30 Min"));
  }

  void legendColoursPaintTheStrip() {
    Grafiktest t(4);
    ladeProgramm();
    FrmGrafik* g = t.oeffne();
    const QPoint april = Zellrechteck(4, 10, 0).center();
    QCOMPARE(g->grab().toImage().pixel(april), qRgb(0, 0, 255));  // P 3 is blue
    QCOMPARE(g->grab().toImage().pixel(Zellrechteck(4, 10, 1).center()), qRgb(255, 255, 255));

    t.env->answerColor(QColor(10, 200, 30));
    QTest::mouseClick(t.in<QLabel>(g, "lblColorP3"), Qt::LeftButton);
    QCOMPARE(t.env->colorDialogPresets.back(), QColor(0, 0, 255));
    QCOMPARE(g->grab().toImage().pixel(april), qRgb(10, 200, 30));
    QCOMPARE(t.in<QLabel>(g, "lblColorP3")->palette().color(QPalette::Window), QColor(10, 200, 30));

    // Cancelled: the colour stays; the day graphic of an April day takes it at its next drawing.
    QTest::mouseClick(t.in<QLabel>(g, "lblColorP3"), Qt::LeftButton);
    QCOMPARE(t.env->colorDialogPresets.back(), QColor(10, 200, 30));
    QCOMPARE(g->grab().toImage().pixel(april), qRgb(10, 200, 30));
    klicke(g, 4, 10, 0);
    QCOMPARE(t.in<QWidget>(g, "picSzGrafik")->grab().toImage().pixel(5, 5), qRgb(10, 200, 30));
  }

  void yearChangeAndOperatingHours() {
    Grafiktest t(4);
    ladeProgramm();
    FrmGrafik* g = t.oeffne();
    klicke(g, 2, 29, 0);
    t.in<QComboBox>(g, "cboSimulationsjahr")->setCurrentIndex(1);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Montag 28. Februar 2005, P 0  Betriebsstunden: 12 h 30 Min"));
    klicke(g, 7, 4, 0);
    QTest::mouseClick(t.in<QPushButton>(g, "cmdBetriebsstunden"), Qt::LeftButton);
    // 61 days on throughout (July, and April under P 3) and 304 of 12 h 30.
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Jahresbetriebsstunden: 5264 h 00 Min"));
    QTest::mouseClick(t.in<QPushButton>(g, "cmd_redraw"), Qt::LeftButton);
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Montag 4. Juli 2005, P On  Betriebsstunden: 24 h 00 Min"));
  }

  void astroTimesAndPulsesInTheDayGraphic() {
    Grafiktest t(20);  // type 309: astro times on C1, off at sunrise and on at sunset
    lade({woche(10 * 60, 0, kTaeglich, 1, 1, 5)}, {prio(1, 4, 30, 4, 3, 1), prio(1, 7, 31, 7, 10, 1, 1)});
    AstroState& a = astro();
    a.AstroAktiv[0] = a.AstroAktiv[1] = -1;
    for (int d = 0; d < kAstroDays; ++d) a.AstroTab[0][d] = {480, 1020, 0, 1};
    FrmGrafik* g = t.oeffne();
    QCOMPARE(t.zeile(g), QStringLiteral("C1, Donnerstag 1. Januar 2004, P 0  Betriebsstunden: 15 h 00 Min"));
    const QImage bild = t.in<QWidget>(g, "picSzGrafik")->grab().toImage();
    const QRgb schwarz = qRgb(0, 0, 0), rot = qRgb(255, 0, 0);
    QCOMPARE(bild.pixel(100, kPegelEin), schwarz);   // on until sunrise at 8:00
    QCOMPARE(bild.pixel(480, 30), schwarz);          // down at 8:00
    QCOMPARE(bild.pixel(500, kPegelAus), schwarz);
    QCOMPARE(bild.pixel(600, 30), rot);              // the on pulse at 10:00 while off
    // Astro times only under programs 0..4: April's P 3 has them, July's permanent state not.
    klicke(g, 4, 10, 0);
    QVERIFY(t.zeile(g).endsWith(QStringLiteral("P 3  Betriebsstunden: 15 h 00 Min")));
    klicke(g, 7, 10, 0);
    QVERIFY(t.zeile(g).endsWith(QStringLiteral("P On  Betriebsstunden: 24 h 00 Min")));
    klicke(g, 4, 10, 0);
    if (qEnvironmentVariableIsSet("QV_SCREENSHOT")) g->grab().save(qEnvironmentVariable("QV_SCREENSHOT"));
  }

  // The captions fit in every shipped language, in the tests' font and in a desktop's larger one:
  // the simulation window (its day line also after the year's operating hours), the holiday
  // editor's month and weekday lists, and the priority list, whose year-bound dates are the
  // longest.
  void captionsFitInEveryLanguage_data() {
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<int>("sprache");
    QTest::addColumn<int>("punkt");
    for (const char* f : {"Programmsimulation", "Feiertage", "Prioritaetsliste"}) {
      for (int s : {1, 2, 3}) {
        for (int p : {9, 11})
          QTest::addRow("%s %d %dpt", f, s, p) << QString::fromLatin1(f) << s << p;
      }
    }
  }
  void captionsFitInEveryLanguage() {
    QFETCH(QString, fenster);
    QFETCH(int, sprache);
    QFETCH(int, punkt);
    const QFont vorher = QApplication::font();
    const auto zurueck = qScopeGuard([&] { QApplication::setFont(vorher); });
    QFont schrift = vorher;
    schrift.setPointSize(punkt);
    QApplication::setFont(schrift);
    Grafiktest t(4);
    settings().Sprache = static_cast<int16_t>(sprache);
    if (sprache == 2) Setze_TexteEnglisch();
    if (sprache == 3) Setze_TexteFranzoesisch();
    lade({woche(7 * 60, 0, kTaeglich, 15, 1), woche(19 * 60 + 30, 3, kTaeglich, 1, 0)},
         {prio(16, 11, 31, 12, 3, 15, 0, 2033), prio(30, 9, 30, 9, 10, 15, 1, 2033)});
    QStringList zuBreit;
    if (fenster == QLatin1String("Programmsimulation")) {
      FrmGrafik* g = t.oeffne();
      klicke(g, 9, 30, 0);
      zuBreit << zuSchmal(g);
      QTest::mouseClick(t.in<QPushButton>(g, "cmdBetriebsstunden"), Qt::LeftButton);
      zuBreit << zuSchmal(g);
    } else if (fenster == QLatin1String("Feiertage")) {
      QWidget* f = Oeffne_frmfeiertage();
      QVERIFY(QTest::qWaitForWindowExposed(f));
      for (const char* art : {"Opt_fest", "Opt_frei"}) {
        QTest::mouseClick(f->findChild<QRadioButton*>(QString::fromLatin1(art)), Qt::LeftButton);
        QCoreApplication::processEvents();
        zuBreit << zuSchmal(f);
      }
      f->close();
    } else {
      t.oeffneMenue("mnuAns");
      t.action("mnuAnsPz")->trigger();
      QVERIFY(t.grid()->item(0, 1)->text().contains(QStringLiteral("2033")));
      zuBreit << zuSchmal(t.grid());
    }
    QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(u'\n')));
  }

  void sixteenChannelsShowTheFramesGroup() {
    Grafiktest t(15);
    ladeProgramm();
    auto* vor = t.w<QToolButton>("Image1_1");
    QTest::mouseClick(vor, Qt::LeftButton);
    QTest::mouseClick(vor, Qt::LeftButton);
    QCOMPARE(viewState().firstChannelShown, int16_t(9));
    FrmGrafik* g = t.oeffne();
    QVERIFY(t.zeile(g).startsWith(QStringLiteral("C9, Donnerstag 1. Januar 2004")));
    QCOMPARE(t.in<QLabel>(g, "LblKan2")->text(), QStringLiteral("C11"));
    klicke(g, 5, 3, 2);
    QVERIFY(t.zeile(g).startsWith(QStringLiteral("C11, Montag 3. Mai 2004")));
  }
};

QTEST_MAIN(TstFrmGrafik)
#include "tst_frmgrafik.moc"
