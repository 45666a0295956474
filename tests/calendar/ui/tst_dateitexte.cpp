// Text boxes whose text goes into a file take, where it is typed, what their key rules allow, and
// never a character the Windows-1252 file cannot hold: the program number, the frame's usage text
// and channel names, the holiday name, the input box for place and set names. What the box shows
// is what the file gives back.
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

constexpr char16_t kLinks = u'\u2190';
constexpr char16_t kEntf = u'\u007f';

// Types text as a keyboard would, one key press per character: kLinks is the Left key, kEntf the
// Delete key with the text DEL that X11 gives it.
void tippe(QWidget* box, const QString& text) {
  for (const char32_t u : text.toUcs4()) {
    const Qt::Key taste = u == kLinks ? Qt::Key_Left : u == kEntf ? Qt::Key_Delete : Qt::Key_unknown;
    const QString zeichen = u == kLinks ? QString() : QString::fromUcs4(&u, 1);
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, zeichen);
    QApplication::sendEvent(box, &druck);
    QKeyEvent los(QEvent::KeyRelease, taste, Qt::NoModifier, zeichen);
    QApplication::sendEvent(box, &los);
  }
}

// The input box of place and set names, typed into as the user does; returns what it gives.
QString tippeInEingabebox(Rahmentest& t, const QString& tasten) {
  WidgetEnvironment echt;
  setEnvironment(&echt);
  QTimer::singleShot(0, [&] {
    // The scripted environment counts the beeps of the typing.
    setEnvironment(t.env.get());
    auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    QVERIFY(d);
    tippe(d->findChild<QLineEdit*>(), tasten);
    d->accept();
  });
  const QString name = echt.inputText(QStringLiteral("Name des Ortes ?"));
  setEnvironment(t.env.get());
  return name;
}

// Saves the program as a new file through the file menu and opens that file again.
void speichereUndOeffne(Rahmentest& t) {
  const QString datei = t.dir->file(QStringLiteral("namen.qvl"));
  t.env->answerFileDialog(datei);
  t.env->answer(Answer::Ok);  // no records: saved all the same
  t.oeffneMenue("mnuDat");
  t.action("mnuDatSpu")->trigger();
  t.env->answerFileDialog(datei);
  t.oeffneMenue("mnuDat");
  t.action("mnuDat\u00d6ff")->trigger();
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
  // Each box, typed into key by key: what it holds and how often it beeped. The Windows-1252 rule
  // stands over each box's own one. A row with "geoeffnet" saves the program, opens it again and
  // looks at the box once more (a name read back carries one leading blank).
  void eachBoxTakesWhatItsRuleAllows_data() {
    QTest::addColumn<int>("typ");  // brand slot: 19 has a program number, 15 sixteen channels
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("gezeigt");
    QTest::addColumn<int>("pieps");
    QTest::addColumn<QString>("geoeffnet");
    const auto zeile = [](const char* name, int typ, const char* feld, const QString& tasten, const QString& gezeigt,
                          int pieps, const QString& geoeffnet = {}) {
      QTest::newRow(name) << typ << QString::fromLatin1(feld) << tasten << gezeigt << pieps << geoeffnet;
    };
    const QString entf = QStringLiteral("ab") + kLinks + kEntf;
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    zeile("number: digits and blank", 19, "txtProgrammnummer", u("1a2 ,3\u20ac"), u("12 3"), 3);
    zeile("number: six places", 19, "txtProgrammnummer", u("1234567"), u("123456"), 0);
    zeile("number: Delete", 19, "txtProgrammnummer", u("12") + kLinks + kEntf, u("1"), 0);
    zeile("usage: no comma", 4, "Txtverwendung", u("Halle, Nord"), u("Halle Nord"), 1);
    zeile("usage: Windows-1252", 4, "Txtverwendung", u("Łódź €;\"'"), u("ód €;\"'"), 2);
    zeile("usage: sixty places", 4, "Txtverwendung", QString(61, u'x'), QString(60, u'x'), 0);
    zeile("usage: Delete", 4, "Txtverwendung", entf, u("a"), 0);
    zeile("channel: comma", 4, "txtkannam0", u("Licht, Flur"), u("Licht, Flur"), 0);
    zeile("channel: Windows-1252", 4, "txtkannam1", u("Łódź, €;\"'"), u("ód, €;\"'"), 2);
    zeile("channel: twenty places", 4, "txtkannam0", u("Licht, Flur, Halle Ost"), u("Licht, Flur, Halle O"), 0);
    zeile("channel: Delete", 4, "txtkannam0", entf, u("a"), 0);
    zeile("channel 4 of 16: comma, saved and opened", 15, "txtkannam3", u("Tor 1, 2"), u("Tor 1, 2"), 0,
          u(" Tor 1, 2"));
    zeile("holiday name: comma, Windows-1252", 4, "Txt_feiertag_name", u("Tag, A Ł"), u("Tag, A "), 1);
    zeile("input box: comma, Windows-1252", 4, "Eingabebox", u("Bad, Ems Ł"), u("Bad, Ems "), 1);
  }

  void eachBoxTakesWhatItsRuleAllows() {
    QFETCH(int, typ);
    QFETCH(QString, feld);
    QFETCH(QString, tasten);
    QFETCH(QString, gezeigt);
    QFETCH(int, pieps);
    QFETCH(QString, geoeffnet);
    Rahmentest t(typ);
    if (feld == QStringLiteral("Eingabebox")) {
      QCOMPARE(tippeInEingabebox(t, tasten), gezeigt);
    } else {
      QLineEdit* box = feld == QStringLiteral("Txt_feiertag_name")
                           ? kind<QLineEdit>(Oeffne_frmfeiertage(), "Txt_feiertag_name")
                           : t.w<QLineEdit>(feld.toLatin1().constData());
      QVERIFY(box);
      tippe(box, tasten);
      QCOMPARE(box->text(), gezeigt);
      if (!geoeffnet.isEmpty()) {
        speichereUndOeffne(t);
        QCOMPARE(program().Dateiname[0], t.dir->file(QStringLiteral("namen.qvl")));
        QCOMPARE(box->text(), geoeffnet);
      }
    }
    QCOMPARE(t.env->beeps, pieps);
  }

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
