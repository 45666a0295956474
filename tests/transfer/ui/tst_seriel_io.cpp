// The serial progress window over a real transfer: it shows its caption, the status line and
// the gauge while the blocks go, blocks the other windows, and is gone when the transfer ends.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

#include "model/Texte.h"
#include "tests/support/KeyAdapterSim.h"
#include "tests/transfer/TransferFixtures.h"
#include "tests/views/ui/Rahmentest.h"
#include "transfer/Kartenzugriff.h"
#include "transfer/ui/Transferfenster.h"
#include "views/ui/Fensteraufrufe.h"

using namespace qv;
using namespace qv::test;

class TstSerielIO : public QObject {
  Q_OBJECT
 private slots:
  void testWindowShowsTheWriteAndGoesAtTheEnd() {
    TransferTest t;
    KeyAdapterSim sim(2048);
    sim.setSchreibdauerMs(2);
    qputenv("QUORVEL_COM1", sim.device().toLocal8Bit());
    settings().Lpt = 4;
    speichereProgramm();
    Installiere_Transferfenster();
    QVERIFY(fensteraufrufe().KartenZugriff);

    QPointer<QWidget> fenster;
    QString titel, status;
    int maximum = 0, wert = 0;
    bool modal = false;
    QTimer blick;
    blick.setInterval(20);
    connect(&blick, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("FRM_SERIEL_IO") && w->isVisible()) {
          fenster = w;
          titel = w->windowTitle();
          modal = w->windowModality() == Qt::ApplicationModal;
          status = w->findChild<QLabel*>(QStringLiteral("lbl_seriell_io"))->text();
          auto* g = w->findChild<QProgressBar*>(QStringLiteral("ggefortschritt"));
          maximum = g->maximum();
          wert = g->value();
        }
    });
    blick.start();
    fensteraufrufe().KartenZugriff(QStringLiteral("s"));
    blick.stop();
    qunsetenv("QUORVEL_COM1");

    QVERIFY(t.env.messages.empty());
    QCOMPARE(titel, QStringLiteral("Serielle \u00dcbertragung"));
    QVERIFY(modal);
    QCOMPARE(status, QStringLiteral("schreibe in Quorvel :prog1.qvl  \u00fcber COM 1"));
    QCOMPARE(maximum, 129);
    QVERIFY(wert > 0);
    QVERIFY(fenster.isNull());
    fensteraufrufe() = Fensteraufrufe{};
  }

  void testMainWindowReadCommandShowsTheKeysProgram() {
    Rahmentest t(4);
    wartezeiten().pauseMs = 0;
    speichereProgramm();
    KeyAdapterSim sim(2048);
    sim.setSpeicher(werte(t.dir->read(QStringLiteral("prog1.qvl")), 2048));
    qputenv("QUORVEL_COM1", sim.device().toLocal8Bit());
    settings().Lpt = 4;
    ProgramState& p = program();
    p.AnzSz[0] = p.AnzGesamt[0] = 0;
    p.Geaendert = 0;
    Installiere_Transferfenster();
    const QSize vorher = t.rahmen->size();
    t.action("mnuDatImp")->trigger();
    qunsetenv("QUORVEL_COM1");
    wartezeiten() = Wartezeiten{};

    QVERIFY(t.env->messages.empty());
    QCOMPARE(p.AnzSz[0], int16_t(3));
    QCOMPARE(p.Geaendert, int16_t(1));
    QCOMPARE(t.grid()->Text(1, 0), QStringLiteral("  1"));
    QCOMPARE(t.rahmen->size(), vorher);
    fensteraufrufe() = Fensteraufrufe{};
  }
};

QTEST_MAIN(TstSerielIO)
#include "tst_seriel_io.moc"
