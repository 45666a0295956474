// The infrared window along its paths: the boxes filter and normalise what is typed, the write
// option saves and copies the program, OK reads a program through a stand-in helper, Esc ends.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "model/Programmdatei.h"

#include "model/Texte.h"
#include "tests/transfer/TransferFixtures.h"
#include "transfer/ui/Transferfenster.h"
#include "views/ui/Fensteraufrufe.h"

using namespace qv;
using namespace qv::test;

class TstIRZugriff : public QObject {
  Q_OBJECT

  QWidget* oeffne() {
    Installiere_Transferfenster();
    QWidget* w = Oeffne_Fenster(&Fensteraufrufe::frmIRAccess);
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w)) qWarning("window not active");
    return w;
  }
  template <typename T>
  static T* teil(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
  }

 private slots:
  void testBoxesFilterAndNormalise() {
    TransferTest t;
    QWidget* w = oeffne();
    QCOMPARE(w->windowTitle(), texts().S_IRZugr);
    auto* datum = teil<QLineEdit>(w, "txtdat");
    QVERIFY(!datum->isVisibleTo(w));
    teil<QRadioButton>(w, "Option1_2")->click();
    QVERIFY(datum->isVisibleTo(w));
    QCOMPARE(datum->text(), QStringLiteral("14.03.26"));  // the clock of the scripted environment
    datum->clear();
    datum->setFocus();
    QTest::keyClicks(datum, QStringLiteral("1..2x.3"));
    QCOMPARE(datum->text(), QStringLiteral("1.2.3"));
    teil<QLineEdit>(w, "TxtUz")->setFocus();
    QCOMPARE(datum->text(), QStringLiteral("01.02.30"));
    QPointer<QWidget> fenster = w;
    QTest::keyClick(w, Qt::Key_Escape);
    QTRY_VERIFY(fenster.isNull());
  }

  void testWriteOptionSavesAndOkReadsThroughTheHelper() {
    TransferTest t;
    speichereProgramm();
    program().Geaendert = 1;
    QWidget* w = oeffne();
    teil<QRadioButton>(w, "Option1_1")->click();
    QCOMPARE(program().Geaendert, 0);
    QCOMPARE(t.dir.read(QStringLiteral("exchg.dat")), t.dir.read(QStringLiteral("prog1.qvl")));

    t.dir.write(QStringLiteral("zelnix.exe"), "#!/bin/sh\ncp prog1.qvl exchg.dat\necho 0 > irtrans.msg\n");
    QFile::setPermissions(t.dir.file(QStringLiteral("zelnix.exe")), QFile::ReadOwner | QFile::ExeOwner);
    teil<QRadioButton>(w, "Option1_0")->click();
    program().AnzSz[0] = program().AnzGesamt[0] = 0;
    teil<QPushButton>(w, "cmd_IRok")->click();
    QCOMPARE(t.texte(), QStringList({texts().S_UeberErfo}));
    QCOMPARE(t.dir.read(QStringLiteral("2zelnix.msg")).left(3), QByteArray("l\r\n"));
    QCOMPARE(program().AnzSz[0], int16_t(3));
    QCOMPARE(program().Geaendert, int16_t(1));
    QVERIFY(!teil<QProgressBar>(w, "ggeIRtrans")->isVisibleTo(w));
    QVERIFY(teil<QPushButton>(w, "cmd_IRok")->isEnabled());
    teil<QPushButton>(w, "cmd_Irend")->click();
    fensteraufrufe() = Fensteraufrufe{};
  }

  // The options stay as they were while a transfer runs: choosing "write" then does not copy the
  // program over the image the helper has just read.
  void optionsWaitForTheRunningRead() {
    TransferTest t;
    ProgramState& p = program();
    p.Sz[0][0] = {uint8_t(128 + 30), 0, 0, 31, 1, 1};
    p.AnzSz[0] = p.AnzGesamt[0] = 1;
    p.Dateiname[0] = QStringLiteral("uhr.qvl");
    QCOMPARE(SchreibeProgrammDatei(), 1);
    speichereProgramm();
    p.HatDateiname = 1;
    t.dir.write(QStringLiteral("zelnix.exe"), "#!/bin/sh\ncp uhr.qvl exchg.dat\necho 0 > irtrans.msg\n");
    QFile::setPermissions(t.dir.file(QStringLiteral("zelnix.exe")), QFile::ReadOwner | QFile::ExeOwner);
    QWidget* w = oeffne();
    teil<QRadioButton>(w, "Option1_0")->click();
    QTimer ungeduld;
    QObject::connect(&ungeduld, &QTimer::timeout, w, [&] {
      if (!QFile::exists(QStringLiteral("irtrans.msg"))) return;
      teil<QRadioButton>(w, "Option1_1")->click();
      ungeduld.stop();
    });
    ungeduld.start(1);
    teil<QPushButton>(w, "cmd_IRok")->click();
    QCOMPARE(t.texte(), QStringList({texts().S_UeberErfo}));
    QCOMPARE(p.AnzSz[0], int16_t(1));
    QCOMPARE(p.Sz[0][0].w0, uint8_t(128 + 30));
    teil<QPushButton>(w, "cmd_Irend")->click();
    fensteraufrufe() = Fensteraufrufe{};
  }
};

QTEST_MAIN(TstIRZugriff)
#include "tst_irzugriff.moc"
