// The device settings dialog, the coding dialog and the about box on the offscreen platform.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "model/Ansicht.h"
#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Geraeteeinstellungen.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "shell/Uhrenprofil.h"
#include "shell/ui/Geraetefenster.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

// Brand slots: 4 a 240 type with 4 channels, 19 the utility type, 15 the 280 type, 20 the 309 type.
void lade(int slot) {
  resetAllState();
  resetViewState();
  Setze_Markentexte(1);
  Setze_TexteDeutsch();
  settings().Sprache = 1;
  applyClockProfile(brand().S_Typ[slot]);
  DeviceSettings& s = settings();
  s.Lpt = 2;
  s.Delay = 20;
  s.MaxDelay = 20;
  s.Zeilen = 60;
  s.SwRegel = 1;
  s.SpracheUhr = 1;
  s.MessPeriode = 15;
  s.MessImpDauer = 60;
}

template <typename T>
T* kind(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(QString::fromUtf8(name));
  if (!c) qWarning("no control %s", name);
  return c;
}

QStringList eintraege(QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

// Whether a window is still one of the open top-level windows (it deletes itself on close).
bool offen(QWidget* w) { return QApplication::topLevelWidgets().contains(w) && w->isVisible(); }

// A line of the settings file, 1-based.
QByteArray zeile(const QByteArray& datei, int n) { return datei.split('\n').value(n - 1).trimmed(); }

}  // namespace

class TstGeraetefenster : public QObject {
  Q_OBJECT

  std::unique_ptr<test::StartDir> dir;
  std::unique_ptr<test::ScriptedEnvironment> env;

  QWidget* oeffneEinstellungen() {
    QWidget* w = Zeige_Geraeteeinstellungen();
    if (!QTest::qWaitForWindowExposed(w)) qWarning("dialog not exposed");
    return w;
  }

 private slots:
  void init() {
    dir = std::make_unique<test::StartDir>();
    env = std::make_unique<test::ScriptedEnvironment>();
    setEnvironment(env.get());
  }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) delete w;
    setEnvironment(nullptr);
    env.reset();
    dir.reset();
    hooks() = WindowHooks{};
  }

  void testGroupsPerClockType_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("messimpuls");
    QTest::addColumn<bool>("sprache");
    QTest::addColumn<bool>("astro");
    QTest::addColumn<int>("geaendert");
    QTest::newRow("240") << 4 << false << true << false << 0;
    QTest::newRow("240 utility") << 19 << true << true << false << 1;
    QTest::newRow("280") << 15 << false << false << false << 0;
    QTest::newRow("309") << 20 << false << false << true << 1;
  }
  void testGroupsPerClockType() {
    QFETCH(int, slot);
    QFETCH(bool, messimpuls);
    QFETCH(bool, sprache);
    QFETCH(bool, astro);
    QFETCH(int, geaendert);
    lade(slot);
    bool knoepfe = true;
    hooks().setFilterSwitchAndButtonsVisible = [&](bool v) { knoepfe = v; };
    QWidget* d = oeffneEinstellungen();
    QCOMPARE(d->windowTitle(), QStringLiteral("Ger\u00e4teeigenschaften"));
    QVERIFY(!knoepfe);
    for (const char* g : {"fraKarte", "frazeilzahl", "fraswregel"}) QVERIFY(kind<QGroupBox>(d, g)->isVisibleTo(d));
    QCOMPARE(kind<QGroupBox>(d, "Framessimp")->isVisibleTo(d), messimpuls);
    QCOMPARE(kind<QGroupBox>(d, "Frasprache")->isVisibleTo(d), sprache);
    QCOMPARE(kind<QGroupBox>(d, "FraAstros_auf")->isVisibleTo(d), astro);
    QCOMPARE(program().Geaendert, geaendert);
    QCOMPARE(kind<QComboBox>(d, "cbolpt")->currentText(), QStringLiteral("\u00fcber LPT 2 (278H)"));
    QCOMPARE(kind<QLabel>(d, "lblverzfakt")->text(), QStringLiteral("Verz\u00f6gerungsfaktor :5"));
    QCOMPARE(kind<QLabel>(d, "lblzeilen")->text(), QStringLiteral("60 Zeilen"));

    // Ok on any type: the shown values, the hidden lists keep their settings.
    settings().MessZustand = 1;
    kind<QComboBox>(d, "cboswregel")->setCurrentIndex(3);
    QTest::mouseClick(kind<QPushButton>(d, "CmdEinstOk"), Qt::LeftButton);
    QTRY_VERIFY(!offen(d));
    QCOMPARE(settings().SwRegel, 3);
    QCOMPARE(settings().Delay, 20);
    QCOMPARE(settings().Delay2, 400);
    QCOMPARE(settings().MessZustand, 1);
    QCOMPARE(settings().MessImpDauer, 60);
    const auto& g = GeraeteText();
    QCOMPARE(g[9], QStringLiteral("Sommerzeit-/Winterzeit-Regel"));
    QCOMPARE(g[10], QStringLiteral("wie USA"));
    QCOMPARE(g[14], QStringLiteral("\u00fcber LPT 2 (278H)"));
    QCOMPARE(g[15], QStringLiteral("Verz\u00f6gerungsfaktor :5"));
    QCOMPARE(g[11].isEmpty(), !sprache);
    QCOMPARE(g[1].isEmpty(), !messimpuls);
    QCOMPARE(g[7], astro ? QStringLiteral("Astrozeitzen wirken auf") : QString());
    QCOMPARE(g[8], astro ? QStringLiteral("C1") : QString());
  }

  void testMeasuringPulseOfTheUtilityType() {
    lade(19);
    program().Sz[0][0] = {128, 0, 0, 127, 1, 1};  // a switching time on channel 1
    program().AnzSz[0] = program().AnzGesamt[0] = 1;
    settings().MessKanal = 1;  // no longer free
    QWidget* d = oeffneEinstellungen();
    auto* kan = kind<QComboBox>(d, "cboMessKan");
    QCOMPARE(eintraege(kan), (QStringList{"kein Messimpuls", "auf Kanal 2", "auf Kanal 3", "auf Kanal 4"}));
    QCOMPARE(kan->currentIndex(), 0);
    auto* periode = kind<QComboBox>(d, "cboMessPeriode");
    auto* dauer = kind<QComboBox>(d, "cboMessImpDauer");
    QVERIFY(!periode->isVisibleTo(d));
    kan->setCurrentIndex(1);
    QVERIFY(periode->isVisibleTo(d));
    // A stored 60 seconds on a 15-minute period is shown as it is.
    QCOMPARE(periode->currentText(), QStringLiteral("Messperiode = 15 Min"));
    QCOMPARE(dauer->count(), 60);
    QCOMPARE(dauer->currentText(), QStringLiteral("Impulsl\u00e4nge = 60  sec"));
    periode->setCurrentIndex(0);
    QCOMPARE(dauer->count(), 59);
    QCOMPARE(dauer->currentText(), QStringLiteral("Impulsl\u00e4nge = 59  sec"));
    periode->setCurrentIndex(6);
    QCOMPARE(dauer->count(), 60);

    QTest::mouseClick(kind<QPushButton>(d, "cmdeinstSpei"), Qt::LeftButton);
    const QByteArray ini = dir->read(QStringLiteral("quorvel.ini"));
    QCOMPARE(zeile(ini, 5), QByteArray("DELAY=005"));
    QCOMPARE(zeile(ini, 13), QByteArray("MESSKANAL=2"));
    QCOMPARE(zeile(ini, 14), QByteArray("MESSPERIODE=010"));
    QCOMPARE(zeile(ini, 15), QByteArray("MESSIMPDAUER=060"));
    QCOMPARE(settings().MessKanal, 1);  // Speichern changes no setting

    QTest::mouseClick(kind<QPushButton>(d, "CmdEinstOk"), Qt::LeftButton);
    QCOMPARE(settings().MessKanal, 2);
    QCOMPARE(settings().MessPeriode, 10);
    QCOMPARE(settings().MessImpDauer, 60);
    QCOMPARE(GeraeteText()[2], QStringLiteral("auf Kanal 2"));
    QCOMPARE(GeraeteText()[3], QStringLiteral("Impulsl\u00e4nge = 60  sec"));
    QCOMPARE(GeraeteText()[4], QStringLiteral("Messperiode = 10 Min"));
  }

  void testScrollBarsPortAndCancel() {
    lade(4);
    settings().Zeilen = 65;
    settings().MessKanal = 3;
    settings().MessPeriode = 0;
    settings().AstroC1C2 = 1;  // left from a 309 clock: this type has no astro choice
    viewState().filter.FilterProgBis = 10;
    QWidget* d = oeffneEinstellungen();
    auto* zeilen = kind<QScrollBar>(d, "Hsbzeilen");
    auto* verz = kind<QScrollBar>(d, "hsbverz");
    QTest::keyClick(zeilen, Qt::Key_7);
    QCOMPARE(zeilen->value(), 67);
    zeilen->setValue(118);
    QTest::keyClick(zeilen, Qt::Key_5);
    QCOMPARE(zeilen->value(), 115);
    zeilen->setValue(120);
    QTest::keyClick(zeilen, Qt::Key_0);
    QCOMPARE(zeilen->value(), 120);
    QTest::keyClick(verz, Qt::Key_0);
    QCOMPARE(verz->value(), 5);
    QTest::mouseClick(kind<QPushButton>(d, "cmdA4"), Qt::LeftButton);
    QCOMPARE(kind<QLabel>(d, "lblzeilen")->text(), QStringLiteral("65 Zeilen"));
    auto* lpt = kind<QComboBox>(d, "cbolpt");
    lpt->setCurrentIndex(4);
    QVERIFY(!verz->isVisibleTo(d));
    QCOMPARE(program().Geaendert, 0);

    // Speichern on a 240 type without the measuring pulse keeps the stored pulse lines.
    QTest::mouseClick(kind<QPushButton>(d, "cmdeinstSpei"), Qt::LeftButton);
    const QByteArray ini = dir->read(QStringLiteral("quorvel.ini"));
    QCOMPARE(zeile(ini, 3), QByteArray("LPT=5"));
    QCOMPARE(zeile(ini, 9), QByteArray("SPRACHE(Uhr)=1"));
    QCOMPARE(zeile(ini, 11), QByteArray("ASTROC1C2=00"));
    QCOMPARE(zeile(ini, 13), QByteArray("MESSKANAL=3"));
    QCOMPARE(zeile(ini, 15), QByteArray("MESSIMPDAUER=060"));

    QTest::keyClick(d, Qt::Key_Escape);
    QTRY_VERIFY(!offen(d));
    QCOMPARE(settings().Lpt, 2);
    QCOMPARE(settings().Zeilen, 65);
    QCOMPARE(GeraeteText()[14], QStringLiteral(" \u00fcber COM 2 "));

    // Ok with a COM port still stores the hidden bar's delay; family 1 limits the filter.
    profile().Geraetefamilie = 1;
    d = oeffneEinstellungen();
    kind<QComboBox>(d, "cbolpt")->setCurrentIndex(5);
    QTest::mouseClick(kind<QPushButton>(d, "CmdEinstOk"), Qt::LeftButton);
    QCOMPARE(settings().Lpt, 6);
    QCOMPARE(settings().Delay2, 400);
    QCOMPARE(viewState().filter.FilterProgBis, 8);
  }

  void testSettingsFileCannotBeWritten() {
    lade(4);
    QWidget* d = oeffneEinstellungen();
    QDir().mkdir(QStringLiteral("quorvel.ini"));  // a folder in the way
    QTest::mouseClick(kind<QPushButton>(d, "cmdeinstSpei"), Qt::LeftButton);
    QCOMPARE(env->messages.size(), size_t(1));
    QCOMPARE(env->messages.back().icon, Icon::Critical);
    QVERIFY(d->isVisible());
  }

  void testCodingDialog() {
    lade(4);
    settings().Codierbyte = 5;
    profile().Geraetecode = 72;
    program().Kopf[0][1] = 200;  // a stale master-card header from the last program
    program().AnzSw[0] = 1;      // the changeover question comes up with every header rebuild
    settings().SwRegel = 1;
    settings().OptNak = 1;
    int kopf = 0;
    hooks().Zeige_Kopfdaten = [&](int m) { kopf += m == 0; };
    QWidget* d = Zeige_Codierung();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QCOMPARE(d->windowTitle(), QStringLiteral("Codierung"));
    QCOMPARE(env->messages.size(), size_t(1));  // asked once however many controls were set
    QCOMPARE(kopf, 1);
    QVERIFY(kind<QRadioButton>(d, "optprogcard")->isChecked());
    QVERIFY(kind<QRadioButton>(d, "optNakoff")->isChecked());
    QCOMPARE(profile().Geraetecode & 128, 0);
    QVERIFY(kind<QCheckBox>(d, "Check1")->isChecked());
    QVERIFY(!kind<QCheckBox>(d, "Check2")->isChecked());
    QVERIFY(kind<QCheckBox>(d, "Check3")->isChecked());
    program().AnzSw[0] = 0;

    QTest::mouseClick(kind<QCheckBox>(d, "Check2"), Qt::LeftButton);
    QCOMPARE(settings().Codierbyte, 7);
    QTest::mouseClick(kind<QCheckBox>(d, "Check1"), Qt::LeftButton);
    QCOMPARE(settings().Codierbyte, 6);
    // Bit 7 ("bistabil") is a coding bit like the others: a later click keeps it.
    QTest::mouseClick(kind<QCheckBox>(d, "Check8"), Qt::LeftButton);
    QCOMPARE(settings().Codierbyte, 134);
    QTest::mouseClick(kind<QCheckBox>(d, "Check2"), Qt::LeftButton);
    QCOMPARE(settings().Codierbyte, 132);
    kind<QRadioButton>(d, "optmastercard")->click();
    QCOMPARE(profile().Geraetecode, 200);
    kind<QRadioButton>(d, "optprogcard")->click();
    QCOMPARE(profile().Geraetecode, 72);
    kind<QRadioButton>(d, "optNAKON")->click();
    QCOMPARE(settings().OptNak, 0);
    kind<QRadioButton>(d, "optfranz")->click();
    QCOMPARE(settings().SpracheUhr, 0);
    kind<QRadioButton>(d, "optUSAdat")->click();
    QCOMPARE(settings().OptDatum, 0);
    kind<QRadioButton>(d, "optDautast")->click();
    QCOMPARE(settings().OptDauer, 1);
    kind<QRadioButton>(d, "optfunk")->click();
    QCOMPARE(settings().OptFunk, 1);
    QCOMPARE(kopf, 12);
    QCOMPARE(program().Geaendert, 1);
    auto* knopf = kind<QPushButton>(d, "cmdmachmstr");
    QCOMPARE(knopf->text(), QStringLiteral("Eishockey"));
    QTest::mouseClick(knopf, Qt::LeftButton);
    QTRY_VERIFY(!offen(d));
    QCOMPARE(settings().Codierbyte, 132);
  }

  void testAboutBox_data() {
    QTest::addColumn<bool>("bild");
    QTest::addColumn<bool>("knopf");
    QTest::newRow("with picture, button") << true << true;
    QTest::newRow("without picture, close box") << false << false;
  }
  void testAboutBox() {
    QFETCH(bool, bild);
    QFETCH(bool, knopf);
    lade(4);
    if (bild) dir->copyShipped(QStringLiteral("quorvel.bmp"));
    brand().S_InfoVon = QString();
    // A stand-in frame with its header panel.
    auto* rahmen = new QWidget;
    rahmen->setObjectName(QStringLiteral("MDIForm1"));
    auto* panel = new QWidget(rahmen);
    panel->setObjectName(QStringLiteral("Picture1"));
    rahmen->show();
    QWidget* d = Zeige_Info();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QVERIFY(!panel->isVisible());
    QCOMPARE(d->windowTitle(), QStringLiteral("Info"));
    QCOMPARE(kind<QLabel>(d, "lblversion")->text(), texts().S_Version);
    QCOMPARE(kind<QLabel>(d, "lblHersteller")->text(), brand().S_InfoZeile[1]);
    QCOMPARE(kind<QLabel>(d, "lbladress")->text(), brand().S_InfoZeile[2]);
    QCOMPARE(kind<QLabel>(d, "lblemail")->text(), brand().S_InfoZeile[4]);
    QCOMPARE(kind<QLabel>(d, "lblBereich")->text(), QString());
    auto* vonkt = kind<QLabel>(d, "lblvonkt");
    QCOMPARE(vonkt->text(), brand().S_InfoZeile[5]);
    QCOMPARE(vonkt->pos(), QPoint(brand().PosInfo[14] / 15, brand().PosInfo[15] / 15));
    const uint32_t c = brand().FarbeInfo[1];
    QCOMPARE(vonkt->palette().color(QPalette::WindowText), QColor(int(c & 255), int(c >> 8 & 255), int(c >> 16 & 255)));
    QCOMPARE(kind<QLabel>(d, "Infobild")->pixmap().isNull(), !bild);
    if (knopf) QTest::mouseClick(kind<QPushButton>(d, "cmdinfoend"), Qt::LeftButton);
    else d->close();
    QTRY_VERIFY(panel->isVisible());
    delete rahmen;
  }
};

QTEST_MAIN(TstGeraetefenster)
#include "tst_geraetefenster.moc"
