// The frame's header panel through its widgets: what it shows, the typed program number, the
// key filters, channel paging on the 16-channel type (astro view included), the usage box, the
// filter switch, the write protection and the save button.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>

#include "model/Abbild.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Kopfanzeige.h"

using namespace qv;
using namespace qv::test;

namespace {

void namen(int anzahl) {
  for (int k = 0; k < anzahl; ++k) program().Kanalname[k][0] = QStringLiteral("Kanal %1").arg(k + 1);
}

bool sichtbar(Rahmentest& t, const char* name) {
  QWidget* c = t.w<QWidget>(name);
  return c && c->isVisibleTo(t.rahmen);
}

void verlasse(QWidget* feld) {
  // Moving the focus on takes the box's text over.
  feld->setFocus();
  QApplication::processEvents();
  feld->clearFocus();
  QApplication::processEvents();
}

}  // namespace

class TstRahmen : public QObject {
  Q_OBJECT

 private slots:
  void panelShowsTheProgramHeader() {
    Rahmentest t(19);  // four channels with a program number
    ProgramState& p = program();
    const int minute = 14 * 60 + 30;
    p.Kopf[0][4] = static_cast<uint8_t>(minute / 16);
    p.Kopf[0][5] = static_cast<uint8_t>((minute % 16) * 16 + 3);
    p.Kopf[0][6] = 5;
    p.Kopf[0][7] = 2003 - 1872;
    p.Programmnummer[0] = 42;
    p.Verwendung[0] = QStringLiteral("Schule");
    namen(4);
    callHook(hooks().Zeige_Kopfdaten, 0);
    QCOMPARE(t.w<QLabel>("lblspeicherzeit")->text(), QStringLiteral("Datei vom : 5.3.2003 14:30"));
    QCOMPARE(t.w<QLabel>("lblProgrammnummer")->text(), QStringLiteral("Programmnummer :"));
    QCOMPARE(t.w<QLineEdit>("txtProgrammnummer")->text(), QStringLiteral("000042"));
    QCOMPARE(p.Geaendert, int16_t(0));
    QCOMPARE(t.w<QLabel>("lblStandort")->text(), QStringLiteral("Verwendung:"));
    QCOMPARE(t.w<QLabel>("lbl_uhrentyp")->text(), brand().S_Typ[19]);
    QCOMPARE(t.w<QLineEdit>("Txtverwendung")->text(), QStringLiteral("Schule"));
    for (int i = 0; i < 4; ++i) {
      QVERIFY(sichtbar(t, QStringLiteral("txtkannam%1").arg(i).toLatin1()));
      QCOMPARE(t.w<QLineEdit>(QStringLiteral("txtkannam%1").arg(i).toLatin1())->text(), QStringLiteral("Kanal %1").arg(i + 1));
    }
    QCOMPARE(t.w<QLabel>("lblCnam1")->text(), QStringLiteral("C2 : "));
    QVERIFY(!sichtbar(t, "Image1_0"));
    QVERIFY(!sichtbar(t, "Image1_1"));
    QVERIFY(sichtbar(t, "AniSchreibschutz"));  // movable holidays
    QCOMPARE(t.w<QLabel>("lblanzSz")->text(), QStringLiteral("0 von 324"));
    QCOMPARE(t.w<QProgressBar>("ggeanzSz")->maximum(), 648);
  }

  void typesWithoutNumberAndFewerChannels() {
    Rahmentest t(2);  // two channels, no program number
    program().Programmnummer[0] = 42;
    callHook(hooks().Zeige_Kopfdaten, 0);
    QVERIFY(!sichtbar(t, "txtProgrammnummer"));
    QVERIFY(!sichtbar(t, "lblProgrammnummer"));
    QCOMPARE(program().Programmnummer[0], kKeineProgrammnummer);
    QVERIFY(sichtbar(t, "txtkannam1"));
    QVERIFY(!sichtbar(t, "txtkannam2"));
    QVERIFY(!sichtbar(t, "lblCnam3"));
    QVERIFY(!sichtbar(t, "AniSchreibschutz"));
  }

  void programNumberTypingAndKeyFilters() {
    Rahmentest t(19);
    auto* nummer = t.w<QLineEdit>("txtProgrammnummer");
    nummer->setFocus();
    QTest::keyClicks(nummer, QStringLiteral("1a2"));
    QCOMPARE(nummer->text(), QStringLiteral("12"));
    QCOMPARE(t.env->beeps, 1);
    verlasse(nummer);
    QCOMPARE(nummer->text(), QStringLiteral("000012"));
    QCOMPARE(program().Programmnummer[0], 12);
    QCOMPARE(program().Geaendert, int16_t(1));

    // A channel name keeps its commas, typed or pasted; the usage text refuses them.
    auto* name = t.w<QLineEdit>("txtkannam0");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("a,b"));
    QCOMPARE(name->text(), QStringLiteral("a,b"));
    QApplication::clipboard()->setText(QStringLiteral("x,y"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(name->text(), QStringLiteral("a,bx,y"));
    verlasse(name);
    QCOMPARE(program().Kanalname[0][0], QStringLiteral("a,bx,y"));
    auto* verwendung = t.w<QLineEdit>("Txtverwendung");
    verwendung->setFocus();
    QTest::keyClicks(verwendung, QStringLiteral("Halle, Nord"));
    QCOMPARE(verwendung->text(), QStringLiteral("Halle Nord"));
    QApplication::clipboard()->setText(QStringLiteral(", Ost"));
    QTest::keyClick(verwendung, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(verwendung->text(), QStringLiteral("Halle Nord Ost"));
    verlasse(verwendung);
    QCOMPARE(program().Verwendung[0], QStringLiteral("Halle Nord Ost"));

    // A name read from a file keeps its leading blank and may fill all twenty places: showing
    // and taking over the boxes changes nothing; typing into the full box adds nothing.
    const QString voll = QStringLiteral(" Kanal eins mit Name");
    program().Kanalname[1][0] = voll + u'!';
    program().Geaendert = 0;
    callHook(hooks().Zeige_Kopfdaten, 0);
    t.rahmen->Uebernimm_Kopffelder();
    QCOMPARE(program().Geaendert, int16_t(0));
    QCOMPARE(program().Kanalname[1][0], voll + u'!');
    auto* zweiter = t.w<QLineEdit>("txtkannam1");
    zweiter->setFocus();
    zweiter->end(false);
    QTest::keyClicks(zweiter, QStringLiteral("x"));
    QCOMPARE(zweiter->text(), voll + u'!');
    QTest::keyClick(zweiter, Qt::Key_Backspace);
    QTest::keyClick(zweiter, Qt::Key_Backspace);
    QTest::keyClicks(zweiter, QStringLiteral("xy"));
    QCOMPARE(zweiter->text(), voll.left(19) + u'x');
  }

  void channelPagingOn280() {
    Rahmentest t(15);
    namen(16);
    callHook(hooks().Zeige_Kopfdaten, 0);
    QVERIFY(sichtbar(t, "Image1_0"));
    QVERIFY(sichtbar(t, "Image1_1"));
    auto* vor = t.w<QToolButton>("Image1_1");
    auto* zurueck = t.w<QToolButton>("Image1_0");
    auto* box0 = t.w<QLineEdit>("txtkannam0");

    QTest::mouseClick(zurueck, Qt::LeftButton);
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C1:"));
    QCOMPARE(program().Geaendert, int16_t(0));

    // An edit is stored before the captions change.
    box0->setText(QStringLiteral("Pumpe"));
    QTest::mouseClick(vor, Qt::LeftButton);
    QCOMPARE(program().Kanalname[0][0], QStringLiteral("Pumpe"));
    QCOMPARE(program().Geaendert, int16_t(1));
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C5:"));
    QCOMPARE(t.w<QLabel>("lblCnam3")->text(), QStringLiteral("C8:"));
    QCOMPARE(box0->text(), QStringLiteral("Kanal 5"));
    QTest::mouseClick(vor, Qt::LeftButton);
    QTest::mouseClick(vor, Qt::LeftButton);
    QTest::mouseClick(vor, Qt::LeftButton);
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C13:"));
    QCOMPARE(t.w<QLineEdit>("txtkannam3")->text(), QStringLiteral("Kanal 16"));

    // Back to group 9..12, then the astro view: astro channel 1, one box.
    QTest::mouseClick(zurueck, Qt::LeftButton);
    t.action("mnuAnsAsz")->trigger();
    QCOMPARE(viewState().AktAnsicht, int16_t(3));
    QCOMPARE(viewState().firstChannelShown, int16_t(1));
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C1:"));
    QVERIFY(sichtbar(t, "txtkannam0"));
    QVERIFY(!sichtbar(t, "txtkannam1"));
    QVERIFY(!sichtbar(t, "lblCnam3"));
    for (int i = 0; i < 5; ++i) QTest::mouseClick(vor, Qt::LeftButton);
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C4:"));
    QCOMPARE(box0->text(), QStringLiteral("Kanal 4"));
    QVERIFY(!sichtbar(t, "txtkannam1"));
    QTest::mouseClick(zurueck, Qt::LeftButton);
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C3:"));

    // Back in the switching times the four boxes name four channels.
    t.action("mnuAnsSZ")->trigger();
    QVERIFY(sichtbar(t, "txtkannam3"));
    QCOMPARE(t.w<QLabel>("lblCnam1")->text(), QStringLiteral("C4:"));
    QCOMPARE(t.w<QLineEdit>("txtkannam2")->text(), QStringLiteral("Kanal 5"));
    QTest::mouseClick(vor, Qt::LeftButton);
    QCOMPARE(t.w<QLabel>("lblCnam0")->text(), QStringLiteral("C5:"));
  }

  void usageBoxFilterSwitchAndWriteProtect() {
    Rahmentest t(15);
    program().AnzSz[0] = 2;
    program().AnzGesamt[0] = 2;
    QTest::mouseClick(t.w<QWidget>("ggeanzSz"), Qt::LeftButton);
    QCOMPARE(t.letzteMeldung(), QString::fromUtf8("2 Schaltzeiten, 0 Prioritätszeiten, belegter Speicher: 2 von 500, "
                                                  "SoWi-Tabelle  0 von 20"));
    QCOMPARE(t.env->messages.back().icon, Icon::None);
    QCOMPARE(t.env->messages.back().title, brand().S_Titel + QStringLiteral(" ") + program().Dateiname[0]);

    // One double click: one toggle, one filter dialog.
    QWidget* schalter = t.w<QWidget>("picfilter");
    QTest::mouseClick(schalter, Qt::LeftButton);
    QCOMPARE(viewState().filter.FilterAn, int16_t(-1));
    QVERIFY(t.w<QWidget>("imgfilt")->isVisibleTo(t.rahmen));
    QVERIFY(!t.w<QWidget>("imgnofilt")->isVisibleTo(t.rahmen));
    QCOMPARE(schalter->palette().color(QPalette::Window), QColor(255, 255, 16));
    // The user's double click: press and release, the double click, the second release.
    QTest::mouseClick(schalter, Qt::LeftButton);
    QTest::mouseDClick(schalter, Qt::LeftButton);
    QTest::mouseRelease(schalter, Qt::LeftButton);
    QCOMPARE(viewState().filter.FilterAn, int16_t(0));
    QWidget* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("frmfilter") && w->isVisible()) dialog = w;
    QVERIFY(dialog);
    // The dialog hides the switch and the two buttons; they come back when it goes.
    QVERIFY(!schalter->isVisibleTo(t.rahmen));
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(schalter->isVisibleTo(t.rahmen));
    QVERIFY(t.w<QWidget>("AniButton3")->isVisibleTo(t.rahmen));
    // A double click whose last release went to the dialog it opened: the next click toggles.
    QTest::mouseClick(schalter, Qt::LeftButton);
    QTest::mouseDClick(schalter, Qt::LeftButton);
    QCOMPARE(viewState().filter.FilterAn, int16_t(-1));
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("frmfilter") && w->isVisible()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(schalter, Qt::LeftButton);
    QCOMPARE(viewState().filter.FilterAn, int16_t(0));
    QTest::mouseClick(schalter, Qt::LeftButton);
    QCOMPARE(viewState().filter.FilterAn, int16_t(-1));

    auto* schutz = t.w<QToolButton>("AniSchreibschutz");
    QVERIFY(schutz->isVisibleTo(t.rahmen));
    program().Geaendert = 0;
    QTest::mouseClick(schutz, Qt::LeftButton);
    QCOMPARE(settings().Schreibschutz, int16_t(1));
    QCOMPARE(program().Geaendert, int16_t(1));
    callHook(hooks().Zeige_Kopfdaten, 0);
    QVERIFY(schutz->isChecked());
  }

  void headerPanelLayoutAtTheDefaultAndANarrowSize() {
    Rahmentest t(19);  // with the program number box
    const QString text = QString::fromUtf8("Sporthalle Nord mit Turnhalle Aula Flur und Außenanlage West");
    QCOMPARE(text.size(), 60);
    program().Verwendung[0] = text;
    namen(4);
    callHook(hooks().Zeige_Kopfdaten, 0);
    const char* paare[][2] = {{"lblStandort", "Txtverwendung"}, {"lblProgrammnummer", "txtProgrammnummer"},
                              {"lblCnam0", "txtkannam0"},       {"lblCnam1", "txtkannam1"},
                              {"lblCnam2", "txtkannam2"},       {"lblCnam3", "txtkannam3"}};
    const char* alle[] = {"lblStandort", "Txtverwendung", "lblProgrammnummer", "txtProgrammnummer", "lbl_uhrentyp",
                          "lblspeicherzeit", "lblCnam0", "txtkannam0", "lblCnam1", "txtkannam1", "lblCnam2",
                          "txtkannam2", "lblCnam3", "txtkannam3", "picanzSz", "picfilter", "AniSchreibschutz",
                          "AniButton3", "AniButton2"};
    auto pruefe = [&](bool standard) {
      QCoreApplication::processEvents();
      auto* v = t.w<QLineEdit>("Txtverwendung");
      if (standard) QVERIFY2(v->fontMetrics().horizontalAdvance(text) + 8 <= v->width(), qPrintable(QString::number(v->width())));
      for (const auto& paar : paare) {
        auto* l = t.w<QLabel>(paar[0]);
        auto* f = t.w<QLineEdit>(paar[1]);
        QVERIFY2(l->geometry().right() + 3 < f->x(), paar[0]);
        QVERIFY2(l->width() >= l->sizeHint().width(), paar[0]);
        QVERIFY2(f->width() >= f->fontMetrics().averageCharWidth() * 6, paar[1]);
      }
      const QRect panel = t.w<QWidget>("Picture1")->rect();
      for (size_t i = 0; i < std::size(alle); ++i) {
        QWidget* a = t.w<QWidget>(alle[i]);
        QVERIFY2(panel.contains(a->geometry().translated(a->parentWidget()->mapTo(t.w<QWidget>("Picture1"), QPoint()))), alle[i]);
        for (size_t j = i + 1; j < std::size(alle); ++j) {
          QWidget* b = t.w<QWidget>(alle[j]);
          if (a->parentWidget() == b->parentWidget()) QVERIFY2(!a->geometry().intersects(b->geometry()), alle[j]);
        }
      }
    };
    QCOMPARE(t.rahmen->size(), QSize(1000, 720));
    pruefe(true);
    t.rahmen->resize(320, 400);
    pruefe(false);
  }

  void saveButton() {
    Rahmentest t(4);
    auto* knopf = t.w<QToolButton>("AniButton3");
    program().AnzSz[0] = 0;
    // A dialog name without extension gets ".qvl"; after the save the program counts as named.
    t.env->answer(Answer::Ok);  // save an empty program
    t.env->answerFileDialog(t.dir->file("plan"));
    QTest::mouseClick(knopf, Qt::LeftButton);
    QVERIFY(QFile::exists(t.dir->file("plan.qvl")));
    QCOMPARE(program().Dateiname[0], t.dir->file("plan.qvl"));
    QCOMPARE(program().HatDateiname, int16_t(1));

    // An umlaut is refused and the dialog opens again; an existing file asks, No asks again.
    program().HatDateiname = 0;
    t.env->messages.clear();
    t.env->answerFileDialog(t.dir->file(QString::fromUtf8("pl\u00e4n")));
    t.env->answer(Answer::Ok);
    t.env->answerFileDialog(t.dir->file("plan.qvl"));
    t.env->answer(Answer::No);
    t.env->answerFileDialog(t.dir->file("plan.qvl"));
    t.env->answer(Answer::Yes);
    t.env->answer(Answer::Ok);  // empty program
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(t.env->messages.at(0).text, texts().S_keinGuelt);
    QCOMPARE(t.env->messages.at(1).text, texts().S_Datei + t.dir->file("plan.qvl") + texts().S_bestUeber);
    QCOMPARE(t.env->messages.at(2).icon, Icon::Question);
    QCOMPARE(program().HatDateiname, int16_t(1));

    // With a name it writes at once; a file that cannot be written is reported, the changes stay.
    program().Dateiname[0] = t.dir->file("fehlt/plan.qvl");
    program().Geaendert = 1;
    t.env->messages.clear();
    t.env->answer(Answer::Ok);
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(t.env->messages.back().icon, Icon::Critical);
    QCOMPARE(program().Geaendert, int16_t(1));

    // A cancelled dialog is reported.
    program().HatDateiname = 0;
    t.env->messages.clear();
    const int piepser = t.env->beeps;
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(t.letzteMeldung(), texts().S_KeineDatei);
    QCOMPARE(t.env->beeps, piepser + 1);
  }
};

QTEST_MAIN(TstRahmen)
#include "tst_rahmen.moc"
