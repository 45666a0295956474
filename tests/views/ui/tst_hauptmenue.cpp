// The main window through its menus, keys and mouse: the grid of a loaded program, menu states
// when a menu opens, a refused open followed by a save, the save question on close, exit and new,
// delete, header sort, whole-row selection, double click and the shortcuts, the refill after an
// entry window, the program-number jump and the astro edits.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <cerrno>

#include "calendar/ui/FrmGrafik.h"
#include "calendar/ui/Kalenderfenster.h"
#include "model/Programmdatei.h"
#include "model/Sortierung.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/views/ViewFixtures.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Zellaenderung.h"

using namespace qv;
using namespace qv::test;

namespace {

// A switching-time program of five records on the 240 type, saved under name.
void fuenfSchaltzeiten(Rahmentest& t, const QString& name) {
  setzeSlot(0,
            {wochenSz(600, 127, 1, 1, 0, 4), wochenSz(360, 31, 2, 0, 0, 1), wochenSz(480, 96, 4, 1),
             wochenSz(1200, 127, 8, 0, 0, 2), wochenSz(60, 1, 1, 1)},
            {periodePz(5, 1, 9, 20, 4, 1)});
  SortiereSz(1, 0);
  program().Dateiname[0] = t.dir->file(name);
  program().HatDateiname = 1;
  QCOMPARE(SchreibeProgrammDatei(), 1);
  callHook(hooks().Fuelle_Grid, 0);
}

QMdiSubWindow* aktiv(Rahmentest& t) { return t.rahmen->mdiArea()->currentSubWindow(); }

}  // namespace

class TstHauptmenue : public QObject {
  Q_OBJECT

 private slots:
  void gridShowsALoadedProgram() {
    Rahmentest t(4);
    t.dir->write("p.qvl", testData("model/programm240.qvl"));
    t.env->answerFileDialog(t.dir->file("p.qvl"));
    t.action("mnuDat\u00d6ff")->trigger();
    QCOMPARE(program().HatDateiname, int16_t(1));
    GrdDisplSz* g = t.grid();
    QCOMPARE(g->columnCount(), 8);
    QCOMPARE(g->rowCount(), std::max(viewState().AnzAnzeige + 2, 27) - 1);
    QCOMPARE(g->horizontalHeaderItem(0)->text(), texts().S_Nr);
    QCOMPARE(g->horizontalHeaderItem(7)->text(), texts().S_Prio);
    QCOMPARE(g->Text(1, 0), QStringLiteral("  1"));
    QCOMPARE(t.haupt()->subWindow()->windowTitle(), texts().S_Schaltzeitlist + u'(' + t.dir->file("p.qvl") + u')');
    QCOMPARE(aktiv(t), t.haupt()->subWindow());
    QVERIFY(t.action("mnuAnsSZ")->isChecked());
    // The selection is left on row 1, columns 0..1.
    const GridSelection s = g->auswahl();
    QCOMPARE(s.startRow, 1);
    QCOMPARE(s.endCol, 1);
  }

  void menuStatesWhenMenusOpen() {
    Rahmentest t(4);
    fuenfSchaltzeiten(t, "m.qvl");
    GrdDisplSz* g = t.grid();
    g->setzeAuswahl(2, 3, 0, 7);
    t.oeffneMenue("mnuBa");
    QVERIFY(t.action("mnuBal\u00f6")->isEnabled());
    QVERIFY(t.action("mnuBa\u00c4nd")->isEnabled());
    QVERIFY(!t.action("mnuBaKop")->isEnabled());
    QVERIFY(!t.action("mnuBaAstro")->isEnabled());
    // The states follow the selection at once, so the shortcuts cannot act on a block.
    g->setzeAuswahl(2, 3, 1, 4);
    QVERIFY(!t.action("mnuBal\u00f6")->isEnabled());
    g->setzeAuswahl(8, 10, 0, 7);
    QVERIFY(!t.action("mnuBal\u00f6")->isEnabled());

    t.oeffneMenue("mnuDat");
    QVERIFY(t.action("mnuDatSpei")->isEnabled());
    QVERIFY(!t.action("mnuDatVorlSchl")->isEnabled());
    QVERIFY(!t.action("mnuIRAccess")->isEnabled());
    QVERIFY(!t.action("mnuBusAccess"));
    QVERIFY(t.action("mnuMaster")->isVisible());
    t.oeffneMenue("mnuAns");
    QVERIFY(t.action("mnuAnsPz")->isEnabled());
    QVERIFY(!t.action("mnuAnsSW")->isEnabled());
    QVERIFY(!t.action("mnuAnsSZVorl")->isEnabled());

    // A number typed in the header is taken over when the file menu opens.
    Rahmentest mitNummer(19);
    auto* box = mitNummer.w<QLineEdit>("txtProgrammnummer");
    box->setText(QStringLiteral("77"));
    mitNummer.oeffneMenue("mnuDat");
    QCOMPARE(program().Programmnummer[0], 77);
    QCOMPARE(box->text(), QStringLiteral("000077"));
    QVERIFY(mitNummer.action("mnuIRAccess")->isEnabled());
  }

  void refusedOpenThenSaveLeavesTheFileByteIdentical() {
    Rahmentest t(4);
    fuenfSchaltzeiten(t, "gut.qvl");
    const QByteArray vorher = t.dir->read("gut.qvl");
    t.dir->write("kaputt.qvl", "irgendwas\r\n");
    t.dir->write("gross.qvl", testData("model/programm280.qvl"));
    for (const char* datei : {"kaputt.qvl", "gross.qvl"}) {
      t.env->answerFileDialog(t.dir->file(datei));
      t.action("mnuDat\u00d6ff")->trigger();
      QCOMPARE(t.letzteMeldung(), texts().S_KeineGueltDatei);
      QCOMPARE(program().Dateiname[0], t.dir->file("gut.qvl"));
    }
    t.oeffneMenue("mnuDat");
    QVERIFY(t.action("mnuDatSpei")->isEnabled());
    t.action("mnuDatSpei")->trigger();
    QCOMPARE(t.dir->read("gut.qvl"), vorher);
    QCOMPARE(t.grid()->Text(5, 0), QStringLiteral("  5"));
  }

  void saveQuestionOnCloseExitAndNew() {
    Rahmentest t(4);
    fuenfSchaltzeiten(t, "f.qvl");
    program().Geaendert = 1;
    // Cancel keeps the frame; the question carries the two-blank tail.
    t.env->answer(Answer::Cancel);
    QVERIFY(!t.rahmen->close());
    QCOMPARE(t.letzteMeldung(), texts().S_AendeSpei + t.dir->file("f.qvl") + QStringLiteral("  ?"));
    // While an entry window is the active child the frame does not close and asks nothing.
    t.action("mnuBaSz")->trigger();
    QCOMPARE(aktiv(t)->property("Tag").toString(), QStringLiteral("frmEingSz"));
    const size_t meldungen = t.env->messages.size();
    QVERIFY(!t.rahmen->close());
    QCOMPARE(t.env->messages.size(), meldungen);
    aktiv(t)->close();
    QCoreApplication::processEvents();

    // Exit: Yes and a failing save stop it; No ends the program.
    int ende = 0;
    fensteraufrufe().Programmende = [&] { ++ende; };
    program().Dateiname[0] = t.dir->file("fehlt/f.qvl");
    t.env->answer(Answer::Yes);
    t.action("mnuDatBend")->trigger();
    QCOMPARE(ende, 0);
    QCOMPARE(t.env->messages.back().icon, Icon::Critical);
    t.env->answer(Answer::No);
    t.action("mnuDatBend")->trigger();
    QCOMPARE(ende, 1);

    // New: the start-up window again, the frame goes without asking twice.
    int startbild = 0;
    hooks().Zeige_Startbild = [&] { ++startbild; };
    t.env->answer(Answer::No);
    t.action("mnuDatneu")->trigger();
    QCOMPARE(startbild, 1);
    QCOMPARE(program().Geaendert, int16_t(0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(t.rahmen.isNull());
    hooks().Zeige_Startbild = nullptr;
  }

  // A save that a file-size limit stops (a quota, `ulimit -f`) is reported, leaves the old file
  // whole and the program unsaved, so Exit asks the save question.
  void aSaveStoppedByAFileSizeLimitLeavesTheProgramUnsaved() {
    Rahmentest t(4);
    fuenfSchaltzeiten(t, "f.qvl");
    const QByteArray vorher = t.dir->read("f.qvl");
    setzeSlot(0, {wochenSz(600, 127, 1, 1)}, {});
    program().Geaendert = 1;
    {
      FileSizeLimit grenze(1024);
      QVERIFY(grenze.ok());
      t.oeffneMenue("mnuDat");
      t.action("mnuDatSpei")->trigger();
    }
    QCOMPARE(t.letzteMeldung(), t.dir->file("f.qvl") + QStringLiteral(": ") + qt_error_string(EFBIG));
    QCOMPARE(t.dir->read("f.qvl"), vorher);
    QCOMPARE(program().Geaendert, int16_t(1));
    int ende = 0;
    fensteraufrufe().Programmende = [&] { ++ende; };
    t.env->answer(Answer::Cancel);
    t.action("mnuDatBend")->trigger();
    QCOMPARE(ende, 0);
    QCOMPARE(t.letzteMeldung(), texts().S_AendeSpei + t.dir->file("f.qvl") + QStringLiteral("  ?"));
  }

  void closingTheFrameEndsTheProgram() {
    Rahmentest t(4);
    // A window of its own, as the holiday editor is, must not stay behind alone.
    QPointer<QWidget> eigen = new QWidget;
    eigen->setAttribute(Qt::WA_DeleteOnClose);
    eigen->show();
    QVERIFY(eigen && eigen->isVisible());
    // The real end: the event loop the program runs in returns with 0.
    QTimer::singleShot(0, t.rahmen.data(), [&] { t.rahmen->close(); });
    QTimer notbremse;  // only so that a failing run ends: the loop is left with 2
    notbremse.setSingleShot(true);
    connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    notbremse.start(20000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(eigen.isNull() || !eigen->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(t.rahmen.isNull());
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
  }

  void deleteKeyHeaderSortAndWholeRows() {
    Rahmentest t(4);
    fuenfSchaltzeiten(t, "d.qvl");
    GrdDisplSz* g = t.grid();
    // A press in the number column dragged down selects whole rows.
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, t.zelle(2, 0));
    QTest::mouseMove(g->viewport(), t.zelle(3, 0));
    QTest::mouseMove(g->viewport(), t.zelle(4, 3));
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, t.zelle(4, 3));
    GridSelection s = g->auswahl();
    QCOMPARE(s.startRow, 2);
    QCOMPARE(s.endRow, 4);
    QCOMPARE(s.startCol, 0);
    QCOMPARE(s.endCol, 7);
    QVERIFY(t.action("mnuBal\u00f6")->isEnabled());

    // Del with the focus in the grid deletes those rows after the question.
    g->setFocus();
    t.env->answer(Answer::Ok);
    QTest::keyClick(g, Qt::Key_Delete);
    QCOMPARE(t.letzteMeldung(), texts().S_DatenWirk);
    QCOMPARE(program().AnzSz[0], int16_t(2));
    QCOMPARE(program().AnzGesamt[0], int16_t(3));
    QCOMPARE(program().Geaendert, int16_t(1));
    s = g->auswahl();
    QCOMPARE(s.startRow, 1);
    QVERIFY(!t.action("mnuBal\u00f6")->isEnabled());

    // A drag from a data column selects a block only.
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, t.zelle(1, 2));
    QTest::mouseMove(g->viewport(), t.zelle(2, 4));
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, t.zelle(2, 4));
    s = g->auswahl();
    QCOMPARE(s.startCol, 2);
    QCOMPARE(s.endCol, 4);
    QVERIFY(!t.action("mnuBa\u00c4nd")->isEnabled());

    // A click on the time header sorts by time.
    fuenfSchaltzeiten(t, "d.qvl");
    QHeaderView* kopf = g->horizontalHeader();
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                      QPoint(kopf->sectionViewportPosition(2) + 5, kopf->height() / 2));
    QCOMPARE(sortSelectors().SortArtSz, 2);
    QStringList zeiten;
    for (int r = 1; r <= 5; ++r) zeiten << g->Text(r, 2).trimmed();
    QCOMPARE(zeiten.first(), QStringLiteral("1:00 Uhr"));
    QCOMPARE(zeiten.last(), QStringLiteral("20:00 Uhr"));
  }

  void doubleClickShortcutsAndRefillAfterAnEntryWindow() {
    Rahmentest t(4);
    Kalenderfenster_anmelden();
    fuenfSchaltzeiten(t, "e.qvl");
    GrdDisplSz* g = t.grid();
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, t.zelle(3, 2));
    QCOMPARE(aktiv(t)->objectName(), QStringLiteral("frmEingSz"));
    QCOMPARE(viewState().EingabeModus, int16_t(1));
    QCOMPARE(viewState().SelVon, int16_t(2));
    QCOMPARE(viewState().SelBis, int16_t(2));

    // The entry window stores a record; closing it shows the grid refilled.
    program().Sz[0][6] = program().Sz[0][5];
    program().Sz[0][5] = wochenSz(900, 127, 1, 1);
    ++program().AnzSz[0];
    ++program().AnzGesamt[0];
    aktiv(t)->close();
    QCoreApplication::processEvents();
    QCOMPARE(aktiv(t), t.haupt()->subWindow());
    QCOMPARE(g->Text(6, 0), QStringLiteral("  6"));

    // An empty row of the changeover table starts a new entry.
    program().SwTab[0][0] = swEintrag(29, 3, 2, 1, 25, 10, 3, 1);
    program().AnzSw[0] = 1;
    t.oeffneMenue("mnuAns");
    t.action("mnuAnsSW")->trigger();
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, t.zelle(2, 1));
    QCOMPARE(aktiv(t)->objectName(), QStringLiteral("frmEinSW"));
    QCOMPARE(viewState().EingabeModus, int16_t(0));
    aktiv(t)->close();
    QCoreApplication::processEvents();

    // Ctrl+W with the focus in the grid reaches the changeover entry, not the window menu.
    t.action("mnuAnsSZ")->trigger();
    g->setFocus();
    QTest::keyClick(g, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(aktiv(t)->objectName(), QStringLiteral("frmEinSW"));
    aktiv(t)->close();
    QCoreApplication::processEvents();

    // Ctrl+C copies whole rows of the template, not to the clipboard.
    t.dir->write("v.qvl", t.dir->read("e.qvl"));
    t.env->answerFileDialog(t.dir->file("v.qvl"));
    t.action("mnuDatVorl")->trigger();
    QCOMPARE(program().AktSpeicher, int16_t(1));
    QVERIFY(t.action("mnuAnsSZVorl")->isChecked());
    g->setzeAuswahl(1, 2, 0, 7);
    g->setFocus();
    QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(aktiv(t)->objectName(), QStringLiteral("frmEingSz"));
    QCOMPARE(viewState().EingabeModus, int16_t(2));
  }

  void programNumberJump() {
    Rahmentest t(4);
    fuenfSchaltzeiten(t, "j.qvl");
    GrdDisplSz* g = t.grid();
    int zeile = 0;
    for (int r = 1; r <= 5; ++r)
      if (g->Text(r, 7) == QStringLiteral("4")) zeile = r;
    QVERIFY(zeile > 0);
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, t.zelle(zeile, 7));
    QCOMPARE(viewState().AktAnsicht, int16_t(1));
    QCOMPARE(viewState().filter.FilterAn, int16_t(-1));
    QCOMPARE(viewState().AnzAnzeige, int16_t(1));
    QVERIFY(t.w<QWidget>("imgfilt")->isVisibleTo(t.rahmen));
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, t.zelle(zeile, 7));
    QCOMPARE(viewState().AktAnsicht, int16_t(0));
    QCOMPARE(viewState().filter.FilterAn, int16_t(0));
    QVERIFY(t.w<QWidget>("imgnofilt")->isVisibleTo(t.rahmen));
  }

  void astroTimesOfTheChannelShown() {
    Rahmentest t(15);
    Kalenderfenster_anmelden();
    AstroState& a = astro();
    for (int k = 0; k < 4; ++k)
      for (int d = 0; d < kAstroDays; ++d) a.AstroTab[k][d] = TAstroTag{int16_t(400 + k), int16_t(1000 + k), 0, 1};
    a.AstroTab[2][10].Aufgang = 1535;
    a.AstroAktiv[0] = a.AstroAktiv[1] = a.AstroAktiv[3] = -1;
    int dialoge = 0;
    hooks().Zellendialog = [&] {
      ++dialoge;
      cellDialogOk(2, 1, 0);  // shift by 1:00
      cellDialogUnloaded();
    };
    // Ctrl+A from the grid: the astro window, one channel box.
    t.grid()->setFocus();
    QTest::keyClick(t.grid(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(aktiv(t)->property("Tag").toString(), QStringLiteral("Astro"));
    QVERIFY(!t.w<QWidget>("txtkannam1")->isVisibleTo(t.rahmen));
    // It opens on the first channel without astro times.
    QCOMPARE(viewState().firstChannelShown, int16_t(2));
    aktiv(t)->close();
    QCoreApplication::processEvents();
    QCOMPARE(aktiv(t), t.haupt()->subWindow());

    // Astro view on channel 3.
    t.action("mnuAnsAsz")->trigger();
    QTest::mouseClick(t.w<QWidget>("Image1_1"), Qt::LeftButton);
    QCOMPARE(viewState().firstChannelShown, int16_t(3));
    GrdDisplSz* g = t.grid();
    QVERIFY(g->rowCount() >= 365);

    // Days 10..12 over both time columns, right click: one dialog, six cells, no-time kept.
    g->setzeAuswahl(10, 12, 3, 4);
    QTest::mousePress(g->viewport(), Qt::RightButton, {}, t.zelle(11, 3));
    QTest::mouseRelease(g->viewport(), Qt::RightButton, {}, t.zelle(11, 3));
    QCOMPARE(dialoge, 1);
    QCOMPARE(a.AstroTab[2][9].Aufgang, int16_t(462));
    QCOMPARE(a.AstroTab[2][10].Aufgang, int16_t(1535));
    QCOMPARE(a.AstroTab[2][11].Untergang, int16_t(1062));
    QCOMPARE(a.AstroTab[2][12].Aufgang, int16_t(402));  // outside the selection
    QCOMPARE(a.AstroTab[0][10].Aufgang, int16_t(400));  // channel 1 untouched
    QCOMPARE(viewState().KeinRefresh, false);

    // A double click edits the channel shown too.
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, t.zelle(101, 4));
    QCOMPARE(dialoge, 2);
    QCOMPARE(a.AstroTab[2][100].Untergang, int16_t(1062));
    QCOMPARE(a.AstroTab[0][100].Untergang, int16_t(1000));

    // A release in the number column selects the days' two time columns.
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, t.zelle(20, 0));
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, t.zelle(20, 0));
    const GridSelection s = g->auswahl();
    QCOMPARE(s.startCol, 3);
    QCOMPARE(s.endCol, 4);

    // The simulation from here puts the header back to channels 1..4.
    fensteraufrufe().FrmGrafik = &Zeige_FrmGrafik;
    t.action("mnuAnsGrafik")->trigger();
    QCOMPARE(viewState().AktAnsicht, int16_t(0));
    QCOMPARE(t.w<QLabel>("lblCnam3")->text(), QStringLiteral("C4:"));
    QCOMPARE(aktiv(t)->property("Tag").toString(), QStringLiteral("Grafik"));
  }

  // No menu command opens the bus window, also on a bus type; the main window's procedure does.
  void busWindowOnlyThroughItsProcedure() {
    Rahmentest t(4);
    profile().Busprog = -1;
    int geoeffnet = 0;
    QWidget busfenster;
    fensteraufrufe().FrmBusaccess = [&] {
      ++geoeffnet;
      return &busfenster;
    };
    t.oeffneMenue("mnuDat");
    QVERIFY(!t.action("mnuBusAccess"));
    for (const QMenu* m : t.rahmen->menuBar()->findChildren<QMenu*>())
      for (const QAction* a : m->actions()) QVERIFY2(!a->text().contains(texts().S_Buszugriff), qPrintable(a->text()));
    t.haupt()->mnuBusAccess_Click();
    QCOMPARE(geoeffnet, 1);
  }

  // Help without a help file for the language says which file it looked for, from the menu and
  // with F1.
  void helpWithoutHelpFileSaysSo_data() {
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("German") << 1 << QStringLiteral("Die Hilfedatei Quorve2D.hlp ist nicht vorhanden.");
    QTest::newRow("English") << 2 << QStringLiteral("The help file Quorve2E.hlp was not found.");
    QTest::newRow("French") << 3 << QStringLiteral("Le fichier d'aide Quorve2F.hlp est introuvable.");
  }
  void helpWithoutHelpFileSaysSo() {
    QFETCH(int, sprache);
    QFETCH(QString, meldung);
    Rahmentest t(4);
    settings().Sprache = static_cast<int16_t>(sprache);
    if (sprache == 2) Setze_TexteEnglisch();
    if (sprache == 3) Setze_TexteFranzoesisch();
    t.action("mnuhelpQuorvel")->trigger();
    QCOMPARE(t.env->messages.size(), size_t(1));
    QCOMPARE(t.letzteMeldung(), meldung);
    QCOMPARE(t.env->messages[0].icon, Icon::Critical);
    t.rahmen->activateWindow();
    QTest::keyClick(t.grid(), Qt::Key_F1);
    QCOMPARE(t.env->messages.size(), size_t(2));
    QCOMPARE(t.letzteMeldung(), meldung);
    Setze_TexteDeutsch();
  }
};

QTEST_MAIN(TstHauptmenue)
#include "tst_hauptmenue.moc"
