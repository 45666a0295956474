// Windows that stay open while the program behind them changes, and the header panel's boxes
// while the frame's buttons refill them: nothing the user typed or left untouched in one of them
// is lost or written over what another command brought.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>

#include "model/Programmdatei.h"
#include "tests/views/ViewFixtures.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Drucken.h"
#include "views/ui/Drucker.h"

using namespace qv;
using namespace qv::test;

class TstOffeneFenster : public QObject {
  Q_OBJECT

 private slots:
  // Typed text in a header box x the frame's buttons and the paging, the focus staying in the
  // box: a button that refills the box stores the text first, so it is the program's in the end.
  void typedHeaderTextSurvivesTheFrameButtons_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<bool>("astro");
    const char* knoepfe[] = {"picfilter", "AniButton3", "AniButton2", "AniSchreibschutz", "ggeanzSz",
                             "Image1_0",  "Image1_1",   "mnuDat\u00d6ff"};
    for (const char* feld : {"Txtverwendung", "txtkannam0", "txtProgrammnummer"})
      for (const char* k : knoepfe) {
        const bool zahl = QByteArray(feld) == "txtProgrammnummer";
        // Only the 16-channel type pages; only types with a program number show it.
        if (zahl && QByteArray(k).startsWith("Image1")) continue;
        QTest::addRow("%s, %s", feld, k) << QString::fromLatin1(feld) << QString::fromUtf8(k) << false;
        if (QByteArray(k) == "Image1_1" && !zahl)
          QTest::addRow("%s, %s in the astro view", feld, k) << QString::fromLatin1(feld) << QString::fromUtf8(k) << true;
      }
  }
  void typedHeaderTextSurvivesTheFrameButtons() {
    QFETCH(QString, feld);
    QFETCH(QString, knopf);
    QFETCH(bool, astro);
    const bool zahl = feld == QLatin1String("txtProgrammnummer");
    // File > Open after the typing: the menu takes the text over into the program it replaces,
    // and the program opened keeps its own header.
    const bool oeffnen = knopf.startsWith(QLatin1String("mnu"));
    Rahmentest t(zahl ? 19 : 15);
    fensteraufrufe().Drucke_Ansicht = &Drucke_Ansicht;
    printState().DruckInDatei = 1;
    ProgramState& p = program();
    setzeSlot(0, {wochenSz(60, 127, 1, 1)}, {});
    const auto kopf = [&p](const char* verwendung, const char* name, int nummer) {
      p.Verwendung[0] = QString::fromLatin1(verwendung);
      p.Kanalname[0][0] = QString::fromLatin1(name);
      p.Programmnummer[0] = nummer;
    };
    kopf("Anlage B", "Motor", 77);
    p.Dateiname[0] = t.dir->file(QStringLiteral("b.qvl"));
    QCOMPARE(SchreibeProgrammDatei(), 1);
    kopf("Alt", "Pumpe", 42);
    p.Dateiname[0] = t.dir->file(QStringLiteral("a.qvl"));
    p.HatDateiname = 1;
    if (astro) t.action("mnuAnsAsz")->trigger();
    callHook(hooks().Fuelle_Grid, 0);

    auto* box = t.w<QLineEdit>(feld.toLatin1().constData());
    box->setFocus();
    box->selectAll();
    if (feld == QLatin1String("Txtverwendung")) {
      // Pasted, with the comma the box refuses.
      QApplication::clipboard()->setText(QStringLiteral("Schule, Nord"));
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
      QTest::keyClicks(box, zahl ? QStringLiteral("4711") : QStringLiteral("Schule Nord"));
    }
    if (oeffnen) {
      t.oeffneMenue("mnuDat");
      t.env->answer(Answer::No);
      t.env->answerFileDialog(t.dir->file(QStringLiteral("b.qvl")));
      t.action("mnuDat\u00d6ff")->trigger();
    } else {
      QTest::mouseClick(t.w<QWidget>(knopf.toLatin1().constData()), Qt::LeftButton);
    }
    QCoreApplication::processEvents();
    // Then the box is left: it has kept or stored what was typed, and shows no other text.
    t.rahmen->Uebernimm_Kopffelder();
    const QString text = oeffnen ? QString() : QStringLiteral("Schule Nord");
    if (feld == QLatin1String("Txtverwendung")) QCOMPARE(p.Verwendung[0], oeffnen ? QStringLiteral("Anlage B") : text);
    if (feld == QLatin1String("txtkannam0")) QCOMPARE(p.Kanalname[0][0], oeffnen ? QStringLiteral(" Motor") : text);
    if (zahl) QCOMPARE(p.Programmnummer[0], oeffnen ? 77 : 4711);
  }
};

QTEST_MAIN(TstOffeneFenster)
#include "tst_offenefenster.moc"
