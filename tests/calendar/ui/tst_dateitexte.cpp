// Text boxes whose text goes into a Windows-1252 file refuse, where it is typed, a character the
// file cannot hold: the holiday name, the input box for place and set names, and the frame's
// usage text and channel names. What the box shows is what the file gives back.
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "calendar/ui/FrmFeiertage.h"
#include "model/Feiertage.h"
#include "model/Programmdatei.h"
#include "model/Programmleser.h"
#include "shell/ui/WidgetEnvironment.h"
#include "tests/calendar/ui/Kindsuche.h"
#include "tests/views/ui/Rahmentest.h"

using namespace qv;
using namespace qv::test;

namespace {

// Types text as a keyboard would, one key press per character.
void tippe(QWidget* box, const QString& text) {
  for (const char32_t u : text.toUcs4()) {
    const QString zeichen = QString::fromUcs4(&u, 1);
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, zeichen);
    QApplication::sendEvent(box, &druck);
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, zeichen);
    QApplication::sendEvent(box, &los);
  }
}

// Takes the header boxes over, saves the program and reads the file back into slot 1.
bool speichertUndLiestZurueck(Rahmentest& t) {
  t.rahmen->Uebernimm_Kopffelder();
  ProgramState& p = program();
  p.Dateiname[0] = t.dir->file(QStringLiteral("halle.qvl"));
  p.AnzSw[0] = 0;
  t.env->answer(Answer::Ok);
  return SchreibeProgrammDatei() == 1 && LeseProgrammDatei(p.Dateiname[0], 0, 1) == LeseErgebnis::Geladen;
}

const QString kFeiertag = QString::fromUtf8("Święto Niepodległości");
const QString kOrt = QString::fromUtf8("Łódź");

}  // namespace

class TstDateitexte : public QObject {
  Q_OBJECT

 private slots:
  void holidayNameKeepsOnlyWhatTheFileHolds() {
    Rahmentest t(4);
    texts().FtDatei = QStringLiteral("deutsch.hdy");
    holidayTable() = HolidayTable{};
    QPointer<QWidget> w = Oeffne_frmfeiertage();
    auto* name = kind<QLineEdit>(w, "Txt_feiertag_name");
    tippe(name, kFeiertag);
    QCOMPARE(name->text(), QStringLiteral("wito Niepodlegoci"));
    QCOMPARE(t.env->beeps, 4);
    // Pasted text loses those characters too.
    name->clear();
    name->insert(QString::fromUtf8("Dzień ") + kFeiertag);
    QCOMPARE(name->text(), QString::fromUtf8("Dzie wito Niepodlegoci"));
    kind<QRadioButton>(w, "Opt_fest")->click();
    kind<QComboBox>(w, "cbo_monat")->setCurrentIndex(10);
    kind<QComboBox>(w, "cbo_tagnummer")->setCurrentIndex(10);
    QTest::mouseClick(kind<QPushButton>(w, "cmd_add_Feiertage"), Qt::LeftButton);
    QTest::mouseClick(kind<QPushButton>(w, "cmd_ft_end"), Qt::LeftButton);
    holidayTable() = HolidayTable{};
    Lies_Feiertage();
    QCOMPARE(holidayTable().AnzFt, int16_t(1));
    QCOMPARE(holidayTable().Feiertage[0].Name, QString::fromUtf8("Dzie wito Niepodlegoci"));
  }

  void theInputBoxForPlaceAndSetNames() {
    Rahmentest t(4);
    WidgetEnvironment echt;
    setEnvironment(&echt);
    QString gezeigt;
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      QVERIFY(d);
      auto* box = d->findChild<QLineEdit*>();
      tippe(box, kOrt + QStringLiteral(" Mitte"));
      gezeigt = box->text();
      d->accept();
    });
    const QString name = env().inputText(QStringLiteral("Name des Ortes ?"));
    setEnvironment(t.env.get());
    QCOMPARE(gezeigt, QString::fromUtf8("ód Mitte"));
    QCOMPARE(name, gezeigt);
  }

  void usageTextAndChannelNamesInTheFrame() {
    Rahmentest t(4);
    auto* verwendung = t.w<QLineEdit>("Txtverwendung");
    auto* kanal = t.w<QLineEdit>("txtkannam0");
    tippe(verwendung, QStringLiteral("Halle ") + kOrt);
    tippe(kanal, kOrt + QStringLiteral(" \u20ac"));
    QCOMPARE(verwendung->text(), QString::fromUtf8("Halle ód"));
    QCOMPARE(kanal->text(), QString::fromUtf8("ód €"));
    QCOMPARE(t.env->beeps, 4);
    // Backspace still works in the boxes.
    QTest::keyClick(kanal, Qt::Key_Backspace);
    QCOMPARE(kanal->text(), QString::fromUtf8("ód "));

    // Taken over and saved, the file gives back what the boxes show.
    QVERIFY(speichertUndLiestZurueck(t));
    const ProgramState& p = program();
    QCOMPARE(p.Verwendung[1], verwendung->text());
    QCOMPARE(p.Kanalname[0][1].trimmed(), kanal->text().trimmed());
  }

  // A line break or tab pasted into the usage text or a channel name is dropped (with a beep):
  // the program file holds one text a line, and a break would move every later name a line on.
  void pastedControlCharactersStayOutOfTheProgramFile() {
    Rahmentest t(4);
    auto* verwendung = t.w<QLineEdit>("Txtverwendung");
    auto* kanal = t.w<QLineEdit>("txtkannam0");
    verwendung->selectAll();
    verwendung->insert(QStringLiteral("Halle\r\nOst"));
    kanal->selectAll();
    kanal->insert(QStringLiteral("Licht\tA"));
    QCOMPARE(verwendung->text(), QStringLiteral("HalleOst"));
    QCOMPARE(kanal->text(), QStringLiteral("LichtA"));
    QCOMPARE(t.env->beeps, 2);

    QVERIFY(speichertUndLiestZurueck(t));
    const ProgramState& p = program();
    QCOMPARE(p.Verwendung[1], QStringLiteral("HalleOst"));
    QCOMPARE(p.Kanalname[0][1].trimmed(), QStringLiteral("LichtA"));
    QCOMPARE(p.Kanalname[1][1].trimmed(), QStringLiteral("C2 :"));
  }
};

QTEST_MAIN(TstDateitexte)
#include "tst_dateitexte.moc"
