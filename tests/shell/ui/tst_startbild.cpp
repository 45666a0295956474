// The start-up window on the offscreen platform, in a temporary start directory.
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "entry/Eingabeautomatik.h"
#include "model/Ansicht.h"
#include "model/Feiertage.h"
#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/QtSprache.h"
#include "shell/Startbild.h"
#include "shell/ui/FrmStartbild.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

const QByteArray kBrand1 = "KOL\r\n";

QString programBinary() { return QCoreApplication::applicationDirPath() + QStringLiteral("/quorvel"); }

}  // namespace

class TstStartbild : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::StartDir> dir;
  std::unique_ptr<test::ScriptedEnvironment> env;
  int framesOpened = 0;

  // The window as the program opens it: brand first, then the window's own load.
  FrmStartbild* openWindow() {
    if (!checkBrand()) return nullptr;
    auto* w = new FrmStartbild;
    w->show();
    if (!QTest::qWaitForWindowExposed(w)) return nullptr;
    return w;
  }

  template <typename T>
  static T* child(QWidget* w, const QString& name) {
    return w->findChild<T*>(name);
  }

  // Runs the program in a start directory holding the given brand file; the exit code, or -1
  // when it is still running after the wait (then it is ended).
  static int runProgram(const QByteArray* brandFile, QString* errors, int waitMs) {
    QTemporaryDir start;
    if (brandFile) {
      QFile f(start.filePath("quorvel.sys"));
      f.open(QIODevice::WriteOnly);
      f.write(*brandFile);
    }
    QProcess p;
    p.setWorkingDirectory(start.path());
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("QT_QPA_PLATFORM", "offscreen");
    e.insert("QV_UNATTENDED", "1");
    p.setProcessEnvironment(e);
    p.start(programBinary(), {});
    if (!p.waitForStarted(10000)) return -2;
    const bool finished = p.waitForFinished(waitMs);
    *errors = QString::fromLocal8Bit(p.readAllStandardError());
    if (!finished) {
      p.kill();
      p.waitForFinished();
      return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -3;
  }

 private slots:
  void init() {
    resetAllState();
    resetViewState();
    resetHolidayTable();
    inputAutomation() = InputAutomation{};
    startState() = StartState{};
    dir = std::make_unique<test::StartDir>();
    env = std::make_unique<test::ScriptedEnvironment>();
    dir->write("quorvel.sys", kBrand1);
    framesOpened = 0;
    hooks().Zeige_Rahmen = [this] { ++framesOpened; };
  }

  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) delete w;
    hooks() = WindowHooks{};
    env.reset();
    dir.reset();
  }

  void theStoredClockTypeIsPreselected() {
    dir->copyShipped("quorvel.ini");
    dir->copyShipped("quorvel.bmp");
    FrmStartbild* w = openWindow();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Quorvel 2.1"));
    auto* cbo = child<QComboBox>(w, "cboUhrentyp");
    QVERIFY(cbo);
    QCOMPARE(cbo->count(), 15);
    QCOMPARE(cbo->currentText(), QStringLiteral("MX 240 S"));
    auto* ok = child<QPushButton>(w, "cmd_ok");
    QVERIFY(ok && ok->isEnabled());
    QCOMPARE(ok->text(), QStringLiteral("Ok"));
    auto* demo = child<QPushButton>(w, QString::fromUtf8("cmdeinführung"));
    QVERIFY(demo);
    QCOMPARE(demo->text(), QStringLiteral("Demo"));
    QVERIFY(!demo->isVisible());  // no introduction program here

    // The brand's layout in twips, 15 to the pixel; the picture gives the window its size.
    const char* buttons[] = {"AniDeutsch", "AniEnglisch", "AniFrance", "Aniworld"};
    const int lefts[] = {16, 69, 122, 176};
    for (int i = 0; i < 4; ++i) {
      auto* b = child<QToolButton>(w, buttons[i]);
      QVERIFY(b);
      QCOMPARE(b->pos(), QPoint(lefts[i], 16));
      QCOMPARE(b->isChecked(), i == 0);  // German from the settings file
    }
    QCOMPARE(cbo->pos(), QPoint(16, 72));
    QCOMPARE(ok->pos(), QPoint(346, 424));
    QCOMPARE(w->size(), QSize(480, 472));
    QVERIFY(env->messages.empty());
  }

  void okWritesTheSettingsAndOpensTheFrame() {
    dir->copyShipped("quorvel.ini");
    const QByteArray ini = dir->read("quorvel.ini");
    QPointer<FrmStartbild> w = openWindow();
    QVERIFY(w);
    auto* cbo = child<QComboBox>(w, "cboUhrentyp");
    cbo->setCurrentIndex(cbo->findText(QStringLiteral("MX 220 S")));
    QTest::mouseClick(child<QPushButton>(w, "cmd_ok"), Qt::LeftButton);

    QCOMPARE(framesOpened, 1);
    QTRY_VERIFY(w.isNull());  // the start-up window is gone
    QByteArray expected = ini;
    expected.replace("KANALZAHL=4", "KANALZAHL=2");
    QCOMPARE(dir->read("quorvel.ini"), expected);
    QCOMPARE(profile().UhrentypText, QStringLiteral("MX 220 S"));
    QCOMPARE(profile().Kanalzahl, int16_t{2});
    QCOMPARE(profile().Bewft, int16_t{1});
    QCOMPARE(profile().MaxSz, int16_t{324});
    QCOMPARE(texts().S_Montag, QStringLiteral("Montag"));
    QCOMPARE(program().Dateiname[0], QStringLiteral("SzTab1.qvl"));
    QCOMPARE(program().AnzGesamt[0], int16_t{0});
  }

  void enterPressesOk() {
    dir->copyShipped("quorvel.ini");
    QPointer<FrmStartbild> w = openWindow();
    QVERIFY(w);
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(framesOpened, 1);
    QTRY_VERIFY(w.isNull());
  }

  void withoutAWholeSettingsFileTheLoadEndsBeforeTheList() {
    // Missing: silently; one line only: with its message.
    for (const bool kurz : {false, true}) {
      if (kurz) dir->write("quorvel.ini", "LPT=1\r\n");
      FrmStartbild* w = openWindow();
      QVERIFY(w);
      QCOMPARE(child<QComboBox>(w, "cboUhrentyp")->count(), 0);
      auto* ok = child<QPushButton>(w, "cmd_ok");
      QVERIFY(!ok->isEnabled());
      QTest::keyClick(w, Qt::Key_Return);
      QCOMPARE(framesOpened, 0);
      QCOMPARE(env->messages.size(), size_t{kurz ? 1u : 0u});
      QCOMPARE(dir->read("quorvel.ini"), kurz ? QByteArray("LPT=1\r\n") : QByteArray());
      delete w;
    }
  }

  void qtsOwnButtonsFollowTheLanguage() {
    auto knopftexte = [] {
      QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel | QMessageBox::No);
      return box.button(QMessageBox::Cancel)->text() + u'/' + box.button(QMessageBox::No)->text();
    };
    dir->copyShipped("quorvel.ini");  // German
    QPointer<FrmStartbild> w = openWindow();
    QVERIFY(w);
    QCOMPARE(knopftexte(), QStringLiteral("Abbrechen/&Nein"));
    QTest::mouseClick(child<QToolButton>(w, "AniEnglisch"), Qt::LeftButton);
    QCOMPARE(knopftexte(), QStringLiteral("Cancel/&No"));
    QTest::mouseClick(child<QToolButton>(w, "AniFrance"), Qt::LeftButton);
    QCOMPARE(knopftexte(), QStringLiteral("Annuler/&Non"));
    QTest::mouseClick(child<QPushButton>(w, "cmd_ok"), Qt::LeftButton);
    QCOMPARE(framesOpened, 1);
    QCOMPARE(knopftexte(), QStringLiteral("Annuler/&Non"));
    // The user text file keeps Qt's own texts.
    QVERIFY(Setze_Qt_Sprache(4));
    QCOMPARE(knopftexte(), QStringLiteral("Cancel/&No"));
  }

  void okStaysOffWithoutAClockType() {
    QVERIFY(checkBrand());
    for (QString& name : brand().S_Typ) name = notOfferedName();
    auto* w = new FrmStartbild;
    w->show();
    auto* ok = child<QPushButton>(w, "cmd_ok");
    QVERIFY(!ok->isEnabled());
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(framesOpened, 0);
    QVERIFY(w->isVisible());
  }

  void aPictureThatCannotBeReadIsReported() {
    dir->write("quorvel.bmp", "BM not really");
    dir->copyShipped("quorvel.ini");
    FrmStartbild* w = openWindow();
    QVERIFY(w);
    QCOMPARE(env->messages.size(), size_t{1});
    QCOMPARE(child<QComboBox>(w, "cboUhrentyp")->count(), 15);
  }

  void languageButtonsShowTheLanguageInEffect() {
    dir->write("MX240.exe", "MZ");
    dir->copyShipped("quorvel.ini");
    FrmStartbild* w = openWindow();
    QVERIFY(w);
    auto* demo = child<QPushButton>(w, QString::fromUtf8("cmdeinführung"));
    QVERIFY(demo->isVisible());
    auto* de = child<QToolButton>(w, "AniDeutsch");
    auto* en = child<QToolButton>(w, "AniEnglisch");
    auto* world = child<QToolButton>(w, "Aniworld");

    QTest::mouseClick(en, Qt::LeftButton);
    QCOMPARE(settings().Sprache, int16_t{2});
    QVERIFY(en->isChecked() && !de->isChecked());
    QVERIFY(!demo->isVisible());

    // Cancel in the file dialog: still English.
    QTest::mouseClick(world, Qt::LeftButton);
    QCOMPARE(env->fileDialogCaptions.size(), 1);
    QCOMPARE(settings().Sprache, int16_t{2});
    QVERIFY(en->isChecked() && !world->isChecked());

    QTest::mouseClick(de, Qt::LeftButton);
    QVERIFY(de->isChecked() && !en->isChecked());
    QVERIFY(demo->isVisible());
  }

  void showingAgainChecksTheBrandAgain() {
    QVERIFY(Zeige_Startbild());
    QVERIFY(QApplication::topLevelWidgets().size() >= 1);
    for (QWidget* w : QApplication::topLevelWidgets()) delete w;
    dir->write("quorvel.sys", "");
    QVERIFY(!Zeige_Startbild());
    QCOMPARE(env->messages.back().text, QStringLiteral("unknown manufacturer"));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void anUnknownBrandEndsTheProgramBeforeAnyWindow() {
    QVERIFY2(QFile::exists(programBinary()), qPrintable(programBinary()));
    for (const QByteArray& brandFile : {QByteArray("kOL\r\n"), QByteArray()}) {
      QString errors;
      const int rc = runProgram(&brandFile, &errors, 20000);
      QVERIFY2(rc > 0, qPrintable(QString::number(rc)));
      QVERIFY(errors.contains(QStringLiteral("unknown manufacturer")));
    }
    QString errors;
    QVERIFY(runProgram(nullptr, &errors, 20000) > 0);
    QVERIFY(errors.contains(QStringLiteral("unknown manufacturer")));
    // With a valid brand the start-up window is up and the program keeps running.
    QCOMPARE(runProgram(&kBrand1, &errors, 1500), -1);
    QVERIFY(!errors.contains(QStringLiteral("unknown manufacturer")));
  }
};

QTEST_MAIN(TstStartbild)
#include "tst_startbild.moc"
