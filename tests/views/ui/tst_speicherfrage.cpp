// The save question before Exit and New for a new program that holds no records but astro times
// or a changeover table made in their windows, and none for an empty new program.
#include <QComboBox>
#include <QPushButton>

#include "calendar/ui/Kalenderfenster.h"
#include "tests/calendar/ui/Kindsuche.h"
#include "tests/views/ui/Rahmentest.h"

using namespace qv;
using namespace qv::test;

namespace {

QMdiSubWindow* aktiv(Rahmentest& t) { return t.rahmen->mdiArea()->currentSubWindow(); }

void klick(QWidget* fenster, const char* name) { QTest::mouseClick(kind<QPushButton>(fenster, name), Qt::LeftButton); }

// Astro times through Ctrl+A: a place chosen from the list, then OK.
void astrozeiten(Rahmentest& t) {
  t.dir->write(QStringLiteral("deutsch.ord"), QByteArray(" 1 \r\nBerlin, 333  35  44 \r\n"));
  t.oeffneMenue("mnuBa");
  t.action("mnuBaAstro")->trigger();
  QCoreApplication::processEvents();
  QMdiSubWindow* sub = aktiv(t);
  auto* ort = kind<QComboBox>(sub, "cboort");
  ort->setCurrentIndex(0);
  emit ort->activated(0);
  klick(sub, "cmd_astro_ok");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One changeover entry through Ctrl+W with the proposed dates.
void sowiEintrag(Rahmentest& t) {
  t.action("mnuBaSw")->trigger();
  QCoreApplication::processEvents();
  QMdiSubWindow* sub = aktiv(t);
  klick(sub, "cmdSwOk");
  klick(sub, "cmdSwEnd");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TstSpeicherfrage : public QObject {
  Q_OBJECT

 private slots:
  void exitAndNewAskAboutAProgramWithoutRecords_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("inhalt");
    QTest::newRow("astro times only") << 20 << 0;
    QTest::newRow("changeover table only") << 4 << 1;
    QTest::newRow("empty new program") << 4 << 2;
  }
  void exitAndNewAskAboutAProgramWithoutRecords() {
    QFETCH(int, slot);
    QFETCH(int, inhalt);
    Rahmentest t(slot);
    Kalenderfenster_anmelden();
    if (inhalt == 0) astrozeiten(t);
    if (inhalt == 1) sowiEintrag(t);
    const bool fragen = inhalt != 2;
    if (fragen) {
      QCOMPARE(program().AnzGesamt[0], int16_t(0));
      QCOMPARE(program().Geaendert, int16_t(1));
    } else {
      program().Geaendert = 1;  // an entry typed and deleted again
    }
    QCOMPARE(aktiv(t)->property("Tag").toString(), QStringLiteral("Hauptmen\u00fc"));

    int ende = 0, startbild = 0;
    fensteraufrufe().Programmende = [&] { ++ende; };
    hooks().Zeige_Startbild = [&] { ++startbild; };
    const QString frage = texts().S_AendeSpei + program().Dateiname[0];
    // Cancel keeps everything; without the question both commands go on at once.
    t.env->answer(Answer::Cancel);
    t.action("mnuDatBend")->trigger();
    QCOMPARE(ende, fragen ? 0 : 1);
    if (fragen) QCOMPARE(t.letzteMeldung(), frage + QStringLiteral("  ?"));
    t.env->answer(Answer::Cancel);
    t.action("mnuDatneu")->trigger();
    QCOMPARE(startbild, fragen ? 0 : 1);
    if (fragen) {
      QCOMPARE(t.letzteMeldung(), frage + QStringLiteral(" ?"));
      QCOMPARE(program().Geaendert, int16_t(1));
      QVERIFY(!t.rahmen.isNull());
    } else {
      QVERIFY(t.env->messages.empty());
    }
    hooks().Zeige_Startbild = nullptr;
  }
};

QTEST_MAIN(TstSpeicherfrage)
#include "tst_speicherfrage.moc"
