// The astro dialog inside the frame: start-up values, a place chosen from the list and OK
// filling the astro table, the 16-channel type's channel, limits and states, the place list's
// add and delete, and "Beenden".
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <cstring>

#include "calendar/Astrotabelle.h"
#include "calendar/ui/Kalenderfenster.h"
#include "tests/calendar/ui/Kindsuche.h"
#include "tests/views/ui/Rahmentest.h"

using namespace qv;
using namespace qv::test;

class TstAstro : public QObject {
  Q_OBJECT

  std::unique_ptr<Rahmentest> t_;
  QPointer<QMdiSubWindow> sub_;

  template <typename T>
  T* c(const char* name) const {
    return kind<T>(sub_, name);
  }
  QString text(const char* name) const {
    const QLineEdit* e = c<QLineEdit>(name);
    return e ? e->text() : QString();
  }
  void klick(const char* name) const { QTest::mouseClick(c<QPushButton>(name), Qt::LeftButton); }
  bool sichtbar(const char* name) const { return c<QWidget>(name)->isVisibleTo(sub_); }
  void starte(int slot) {
    t_ = std::make_unique<Rahmentest>(slot);
    Kalenderfenster_anmelden();
    astro().AstroZeitzone = -60;
  }
  void oeffne() {
    t_->oeffneMenue("mnuBa");
    t_->action("mnuBaAstro")->trigger();
    QCoreApplication::processEvents();
    sub_ = t_->rahmen->mdiArea()->currentSubWindow();
    QVERIFY(sub_);
    QCOMPARE(sub_->property("Tag").toString(), QStringLiteral("Astro"));
  }
  void waehleOrt(int i) const {
    auto* ort = c<QComboBox>("cboort");
    ort->setCurrentIndex(i);
    emit ort->activated(i);
  }
  bool offen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return sub_ != nullptr;
  }

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void cleanup() {
    t_.reset();
    QLocale::setDefault(QLocale::c());
  }

  void placeAndOkFillTheAstroTable() {
    starte(20);  // 309
    t_->dir->write(QStringLiteral("deutsch.ord"), QByteArray(" 2 \r\nBerlin, 333  35  44 \r\nKiel, 340  32  44 \r\n"));
    oeffne();
    QCOMPARE(text("txt_Breitengrad"), QStringLiteral("0 Grad"));
    QCOMPARE(text("Txt_längengrad"), QStringLiteral("0 Grad"));
    QCOMPARE(text("txt_zeitzone"), QStringLiteral("+ 1:00 Std"));
    QCOMPARE(text("txt_offset_Aufgang"), QStringLiteral("0 Min"));
    QCOMPARE(text("txt_offset_untergang"), QStringLiteral("0 Min"));
    // Each slider is wide enough to be dragged, not squeezed beside its label and text.
    for (const QScrollBar* b : sub_->findChildren<QScrollBar*>())
      if (b->isVisibleTo(sub_)) QVERIFY2(b->width() >= 150, qPrintable(b->objectName()));
    QVERIFY(!sichtbar("hsb_limit_Sonnenaufgang"));
    QVERIFY(!sichtbar("cbo_Zustand_untergang"));
    QCOMPARE(c<QComboBox>("cboort")->currentText(), QStringLiteral("unbekannt"));
    QVERIFY(!sichtbar("cmd_delete_ort"));

    waehleOrt(0);
    QVERIFY(sichtbar("cmd_delete_ort"));
    QCOMPARE(text("txt_Breitengrad"), QStringLiteral("52,5 Grad Nord"));
    QCOMPARE(text("Txt_längengrad"), QStringLiteral("13,5 Grad Ost"));
    c<QScrollBar>("vsb_offset_aufgang")->setValue(150);  // not added on this type
    klick("cmd_astro_ok");
    QVERIFY(!offen());

    const AstroState& a = astro();
    QCOMPARE(a.AstroBreite, 52.5f);
    QCOMPARE(a.AstroLaenge, -13.5f);
    QCOMPARE(a.AstroZeitzone, -60.0f);
    QCOMPARE(a.AstroKorrAuf, 30.0f);
    TAstroTag erwartet[kAstroDays]{};
    Rechne_Astrozeile(erwartet, AstroPlace{-13.5, 52.5, -60, 30, 0}, 309, profile().KeineZeit,
                      t_->env->now().date().year());
    for (int d = 0; d < kAstroDays - 1; ++d) {
      erwartet[d].ZustandAuf = 0;
      erwartet[d].ZustandUnter = 1;
    }
    QVERIFY(std::memcmp(erwartet, a.AstroTab[0], sizeof erwartet) == 0);
    QCOMPARE(a.AstroGrenzen[0], (TAstroEinst{0, 721, 0, 1}));
    QCOMPARE(a.AstroAktiv[1], int16_t(-1));
    QCOMPARE(a.AstroAktiv[0], int16_t(-1));
    QCOMPARE(program().Geaendert, int16_t(1));
    QCOMPARE(viewState().AktAnsicht, int16_t(3));
  }

  void channelLimitsAndStatesOnTheSixteenChannelType() {
    starte(15);  // 280
    AstroState& a = astro();
    a.AstroAktiv[0] = a.AstroAktiv[1] = a.AstroAktiv[2] = -1;
    a.AstroGrenzen[2] = {0, 721, 1, 1};
    a.AstroGrenzen[3] = {300, 1200, 0, 0};
    a.AstroTab[2][366] = TAstroTag{7, 8, 9, 9};
    oeffne();
    QCOMPARE(t_->w<QLabel>("lblCnam0")->text(), QStringLiteral("C3:"));
    QCOMPARE(a.AstroKanal, int16_t(2));
    QCOMPARE(text("txt_limit_Sonnenuntergang"), QStringLiteral("23:59 Uhr"));
    QCOMPARE(text("txt_limit_Sonnenaufgang"), QStringLiteral("  0:00 Uhr"));
    // The stored states are not shown: AUS at sunrise, EIN at sunset.
    QCOMPARE(c<QComboBox>("cbo_Zustand_Aufgang")->currentIndex(), 0);
    QCOMPARE(c<QComboBox>("cbo_Zustand_untergang")->currentIndex(), 1);
    c<QComboBox>("cbo_Zustand_Aufgang")->setCurrentIndex(1);
    c<QComboBox>("cbo_Zustand_untergang")->setCurrentIndex(0);
    klick("cmd_astro_ok");
    QVERIFY(offen());
    QCOMPARE(a.AstroAktiv[3], int16_t(-1));
    QCOMPARE(a.AstroGrenzen[2], (TAstroEinst{0, 1439, 1, 0}));
    for (int d : {0, 200, 365}) {
      QCOMPARE(a.AstroTab[2][d].ZustandAuf, int16_t(1));
      QCOMPARE(a.AstroTab[2][d].ZustandUnter, int16_t(0));
    }
    QCOMPARE(a.AstroTab[2][366], (TAstroTag{7, 8, 9, 9}));

    // Paging to channel 4 shows its limits.
    QTest::mouseClick(t_->w<QWidget>("Image1_1"), Qt::LeftButton);
    QCOMPARE(t_->w<QLabel>("lblCnam0")->text(), QStringLiteral("C4:"));
    QCOMPARE(c<QScrollBar>("hsb_limit_Sonnenaufgang")->value(), 300);
    QCOMPARE(text("txt_limit_Sonnenuntergang"), QStringLiteral("20:00 Uhr"));
    // A group caption left by another view is no astro channel: the current one is used.
    viewState().firstChannelShown = 5;
    klick("cmd_astro_ok");
    QCOMPARE(a.AstroKanal, int16_t(3));
    QCOMPARE(a.AstroAktiv[4], int16_t(-1));
    QCOMPARE(a.AstroGrenzen[3], (TAstroEinst{300, 1200, 1, 0}));
    QCOMPARE(a.AstroTab[3][0].ZustandAuf, int16_t(1));
  }

  void placesAddedAndDeleted() {
    starte(20);
    oeffne();
    QVERIFY(!sichtbar("cboort"));
    QVERIFY(!sichtbar("cmd_delete_ort"));
    c<QScrollBar>("vsb_Breitengrad")->setValue(236);
    t_->env->answerInput(QStringLiteral("Bonn"));
    klick("cmdspeichern");
    QCOMPARE(t_->env->inputPrompts, QStringList{"Name des Ortes ?"});
    QCOMPARE(t_->dir->read(QStringLiteral("deutsch.ord")), QByteArray(" 1 \r\nBonn, 360  44  44 \r\n"));
    QVERIFY(sichtbar("cboort"));
    QCOMPARE(c<QComboBox>("cboort")->currentText(), QStringLiteral("Bonn"));
    QVERIFY(sichtbar("cmd_delete_ort"));
    klick("cmdspeichern");  // cancelled: nothing changes
    QCOMPARE(c<QComboBox>("cboort")->count(), 2);
    t_->env->answer(Answer::Ok);
    klick("cmd_delete_ort");
    QCOMPARE(t_->dir->read(QStringLiteral("deutsch.ord")), QByteArray(" 0 \r\n"));
    QVERIFY(!sichtbar("cboort"));
    QVERIFY(!sichtbar("cmd_delete_ort"));
  }

  void endChangesNothingButShowsTheAstroView() {
    starte(20);
    oeffne();
    viewState().AktAnsicht = 0;
    c<QScrollBar>("vsb_Breitengrad")->setValue(10);
    klick("cmd_astro_end");
    QVERIFY(!offen());
    QCOMPARE(astro().AstroBreite, 0.0f);
    QCOMPARE(astro().AstroAktiv[0], int16_t(0));
    QCOMPARE(program().Geaendert, int16_t(0));
    QCOMPARE(viewState().AktAnsicht, int16_t(3));
  }

  // Esc in an open drop-down list closes only the list; Esc in the window closes the window.
  void escClosesAnOpenListFirst_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("liste");
    QTest::newRow("place") << 20 << QStringLiteral("cboort");
    QTest::newRow("state at sunrise") << 15 << QStringLiteral("cbo_Zustand_Aufgang");
  }
  void escClosesAnOpenListFirst() {
    QFETCH(int, slot);
    QFETCH(QString, liste);
    starte(slot);
    t_->dir->write(QStringLiteral("deutsch.ord"), QByteArray(" 1 \r\nBerlin, 333  35  44 \r\n"));
    oeffne();
    auto* cbo = c<QComboBox>(liste.toUtf8().constData());
    QVERIFY(cbo->isVisibleTo(sub_));
    QVERIFY(escInOffenerListe(cbo));
    QVERIFY(offen());
    QTest::keyClick(cbo, Qt::Key_Escape);
    QVERIFY(!offen());
  }
};

QTEST_MAIN(TstAstro)
#include "tst_astro.moc"
