// The print and export dialog in the frame: its boxes per clock type, the redirect into the text
// file, the frame's print button, and a print into a PDF file read back with pdftotext.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "model/Cp1252.h"
#include "shell/ui/Geraetefenster.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Drucken.h"
#include "views/ui/Drucker.h"
#include "views/ui/FrmDruck.h"

using namespace qv;
using qv::test::Rahmentest;

namespace {

struct Drucktest : Rahmentest {
  explicit Drucktest(int slot) : Rahmentest(slot) {
    printState() = PrintState{};
    settings().Zeilen = 60;
    fensteraufrufe().frmDruck = &Zeige_Druckdialog;
    fensteraufrufe().frmGeraetEinst = &Zeige_Geraeteeinstellungen;
    fensteraufrufe().Drucke_Ansicht = &Drucke_Ansicht;
  }
  ~Drucktest() { printState() = PrintState{}; }

  QWidget* oeffne() {
    action("mnuDatDruck")->trigger();
    QWidget* d = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("frmDruck") && w->isVisible()) d = w;
    if (d && !QTest::qWaitForWindowExposed(d)) qWarning("dialog not exposed");
    return d;
  }
  template <typename T>
  static T* in(QWidget* d, const char* name) {
    T* c = d->findChild<T*>(QString::fromUtf8(name));
    if (!c) qWarning("no control %s", name);
    return c;
  }
  QString textdatei() const { return QString::fromUtf8(cp1252::decode(dir->read(Textdateiname(program().Dateiname[0]))).toUtf8()); }
};

// Slot 0 with n daily switching times ten minutes apart.
void schaltzeiten(int n) {
  ProgramState& p = program();
  for (int i = 0; i < n; ++i)
    p.Sz[0][i] = {static_cast<uint8_t>(128 + i * 10 / 16), static_cast<uint8_t>((i * 10 % 16) * 16), 0, 127, 1, 1};
  p.AnzSz[0] = p.AnzGesamt[0] = static_cast<int16_t>(n);
}

}  // namespace

class TstDruck : public QObject {
  Q_OBJECT

 private slots:
  void testBoxesPerClockType_data() {
    QTest::addColumn<int>("slot");
    QTest::newRow("240") << 4;
    QTest::newRow("240 utility") << 19;
    QTest::newRow("280") << 15;
    QTest::newRow("309") << 20;
  }
  void testBoxesPerClockType() {
    QFETCH(int, slot);
    Drucktest t(slot);
    const QSize groesse = t.rahmen->size();
    QWidget* d = t.oeffne();
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Drucken"));
    QCOMPARE(t.rahmen->size(), groesse);
    QVERIFY(Drucktest::in<QCheckBox>(d, "chkprsz")->isChecked());
    for (const char* n : {"chkprpz", "chkprsw", "Chkprastro", "chkprger\u00e4teeigenschaften", "chktxtdat"})
      QVERIFY(!Drucktest::in<QCheckBox>(d, n)->isChecked());
    QCOMPARE(Drucktest::in<QCheckBox>(d, "Chkprastro")->isVisibleTo(d), slot == 20);
    QCOMPARE(Drucktest::in<QCheckBox>(d, "chkprger\u00e4teeigenschaften")->text(), QStringLiteral("Ger\u00e4teeigenschaften"));
    QCOMPARE(Drucktest::in<QCheckBox>(d, "chktxtdat")->text(), QStringLiteral("umleiten in ") + texts().S_SzTab + QStringLiteral("1.txt"));
    QCOMPARE(Drucktest::in<QLabel>(d, "lblzeilen")->text(), QStringLiteral("60 Zeilen"));
    QTest::keyClick(d, Qt::Key_Escape);
    QTRY_VERIFY(!d->isVisible());
  }

  void testRedirectLastsAndTheFrameButtonAppends() {
    Drucktest t(4);
    schaltzeiten(3);
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QCheckBox>(d, "chktxtdat"), Qt::LeftButton);
    QCOMPARE(printState().DruckInDatei, 1);
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprcancel"), Qt::LeftButton);
    QTRY_VERIFY(!d->isVisible());
    QCOMPARE(printState().DruckInDatei, 1);
    QVERIFY(!QFile::exists(Textdateiname(program().Dateiname[0])));

    // The frame's button on the filtered list appends it as shown.
    viewState().filter.FilterAn = -1;
    QTest::mouseClick(t.w<QToolButton>("AniButton2"), Qt::LeftButton);
    QVERIFY(t.textdatei().startsWith(QStringLiteral("Schaltzeiten von ") + program().Dateiname[0] + QStringLiteral(", gefiltert\r\n")));
    QCOMPARE(viewState().filter.FilterAn, -1);

    d = t.oeffne();
    QVERIFY(Drucktest::in<QCheckBox>(d, "chktxtdat")->isChecked());
  }

  void testEveryListOf309IntoTheFile() {
    Drucktest t(20);
    schaltzeiten(2);
    viewState().AktAnsicht = 1;
    printState().DruckInDatei = 1;
    QWidget* d = t.oeffne();
    for (const char* n : {"chkprpz", "chkprsw", "Chkprastro", "chkprger\u00e4teeigenschaften"})
      QTest::mouseClick(Drucktest::in<QCheckBox>(d, n), Qt::LeftButton);
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    const QString text = t.textdatei();
    const QString name = program().Dateiname[0];
    const QStringList titel{QStringLiteral("Schaltzeiten von %1, ungefiltert").arg(name),
                            QStringLiteral("Priorit\u00e4tszeiten von %1, ungefiltert").arg(name),
                            QStringLiteral("SoWi-Tabelle  von %1").arg(name), QStringLiteral("Astrozeiten von %1").arg(name),
                            QStringLiteral("Ger\u00e4teeigenschaften von %1").arg(name)};
    qsizetype pos = -1;
    for (const QString& s : titel) {
      const qsizetype p = text.indexOf(s);
      QVERIFY2(p > pos, qPrintable(s));
      pos = p;
    }
    QCOMPARE(viewState().AktAnsicht, 1);
    QCOMPARE(printState().DruckSz + printState().DruckPz + printState().DruckSw + printState().DruckAstro + printState().DruckGeraet, 0);
    QCOMPARE(t.grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Beginn am: "));
  }

  void testLinesLabelFollowsTheDeviceSettings() {
    Drucktest t(4);
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdpr\u00e4ndern"), Qt::LeftButton);
    QWidget* e = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("frmGer\u00e4tEinst") && w->isVisible()) e = w;
    QVERIFY(e);
    Drucktest::in<QScrollBar>(e, "Hsbzeilen")->setValue(90);
    QTest::mouseClick(Drucktest::in<QPushButton>(e, "CmdEinstOk"), Qt::LeftButton);
    QCOMPARE(settings().Zeilen, 90);
    d->activateWindow();
    QTRY_COMPARE(Drucktest::in<QLabel>(d, "lblzeilen")->text(), QStringLiteral("90 Zeilen"));

    // The settings dialog opened from here outlives the print dialog.
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdpr\u00e4ndern"), Qt::LeftButton);
    QPointer<QWidget> einst;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("frmGer\u00e4tEinst") && w->isVisible()) einst = w;
    QVERIFY(einst);
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprcancel"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(einst && einst->isVisible());
  }

  void testPrintToPdfHasThreePages() {
    Drucktest t(4);
    schaltzeiten(65);
    settings().Zeilen = 30;
    const QString pdf = t.dir->file(QStringLiteral("liste.pdf"));
    printState().neuerDruckauftrag = [pdf] { return std::make_unique<Qt_Zeilendrucker>(pdf); };
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    QVERIFY(QFile::exists(pdf));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(text.count(u'\f'), 3);
    for (const char* s : {"Seite 1", "Seite 2", "Seite 3", "Schaltzeiten von", "0:00 Uhr", "10:40 Uhr"})
      QVERIFY2(text.contains(QString::fromUtf8(s)), s);
    QVERIFY(text.indexOf(QStringLiteral("Seite 3")) < text.indexOf(QStringLiteral("10:40 Uhr")));
  }
};

QTEST_MAIN(TstDruck)
#include "tst_druck.moc"
