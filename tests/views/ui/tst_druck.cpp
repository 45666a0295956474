// The print and export dialog in the frame: its boxes per clock type, the redirect into the text
// file, the frame's print button, and a print into a PDF file read back with pdftotext.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <cerrno>
#include <optional>

#include "model/Cp1252.h"
#include "model/Feiertage.h"
#include "shell/ui/Geraetefenster.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/views/ui/Rahmentest.h"
#include "views/Drucken.h"
#include "views/ui/Drucker.h"
#include "views/ui/FrmDruck.h"

using namespace qv;
using qv::test::Rahmentest;

namespace {

// The system's print dialog as the user answers it: into a PDF file, on the page chosen there
// when one is given, or cancelled when no file is given. It counts its showings and notes the
// printer it was preset to.
struct Druckdialog {
  QString pdf;
  QPageLayout seite;
  int gezeigt = 0;
  QString voreingestellt;
  bool operator()(QPrinter& p) {
    ++gezeigt;
    voreingestellt = p.printerName();
    if (pdf.isEmpty()) return false;
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(pdf);
    if (seite.isValid()) p.setPageLayout(seite);
    return true;
  }
};

// The pages of a PDF file as pdftotext gives them.
QStringList pdfSeiten(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  QStringList seiten = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
  if (!seiten.isEmpty() && seiten.last().trimmed().isEmpty()) seiten.removeLast();
  return seiten;
}

// The words of a PDF file that reach past the right edge of their page (pdftotext -bbox).
QStringList ueberDenRand(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {QStringLiteral("pdftotext failed")};
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  const QRegularExpression seite(QStringLiteral("<page width=\"([\\d.]+)\""));
  const QRegularExpression wort(QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)<"));
  QStringList aus;
  double breite = 0;
  for (const QString& zeile : html.split(u'\n')) {
    if (const auto m = seite.match(zeile); m.hasMatch()) breite = m.captured(1).toDouble();
    if (const auto m = wort.match(zeile); m.hasMatch() && m.captured(1).toDouble() > breite) aus << m.captured(2);
  }
  return aus;
}

struct Drucktest : Rahmentest {
  std::shared_ptr<Druckdialog> dialog = std::make_shared<Druckdialog>();
  explicit Drucktest(int slot) : Rahmentest(slot) {
    printState() = PrintState{};
    druckerauswahl() = [d = dialog](QPrinter& p) { return (*d)(p); };
    settings().Zeilen = 60;
    fensteraufrufe().frmDruck = &Zeige_Druckdialog;
    fensteraufrufe().frmGeraetEinst = &Zeige_Geraeteeinstellungen;
    fensteraufrufe().Drucke_Ansicht = &Drucke_Ansicht;
  }
  ~Drucktest() {
    printState() = PrintState{};
    druckerauswahl() = nullptr;
  }

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

  // 130 rows through the print dialog into a PDF file: every page holds its header and the rows
  // the settings give it.
  void testPrintDialogIntoAPdfFile_data() {
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<int>("seiten");
    QTest::newRow("30") << 30 << 5;
    QTest::newRow("60") << 60 << 3;
    QTest::newRow("65") << 65 << 2;
    QTest::newRow("120") << 120 << 2;
  }
  void testPrintDialogIntoAPdfFile() {
    QFETCH(int, zeilen);
    QFETCH(int, seiten);
    Drucktest t(4);
    schaltzeiten(130);
    settings().Zeilen = static_cast<int16_t>(zeilen);
    t.dialog->pdf = t.dir->file(QStringLiteral("liste.pdf"));
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    QCOMPARE(t.dialog->gezeigt, 1);
    QCOMPARE(t.dialog->voreingestellt, QPrinterInfo::defaultPrinterName());
    const QStringList text = pdfSeiten(t.dialog->pdf);
    QCOMPARE(text.size(), seiten);
    int reihen = 0;
    for (int s = 0; s < seiten; ++s) {
      const QString erste = text[s].trimmed().section(u'\n', 0, 0);
      QVERIFY2(erste.startsWith(QStringLiteral("Schaltzeiten von")), qPrintable(erste));
      QVERIFY2(erste.endsWith(QStringLiteral("Seite %1").arg(s + 1)), qPrintable(erste));
      const int aufSeite = static_cast<int>(text[s].count(QRegularExpression(QStringLiteral("\\d:\\d\\d Uhr"))));
      QCOMPARE(aufSeite, std::min(zeilen, 130 - reihen));
      reihen += aufSeite;
    }
    QCOMPARE(reihen, 130);
    QVERIFY(text.last().contains(QStringLiteral("21:30 Uhr")));
    QVERIFY(t.env->messages.empty());
  }

  // On the astro type, whose state column the view's layout makes five characters wide, every
  // row of the PDF file is one line in every language: its state word and its program number
  // stand on the line of its time ("Marche" pushes the program's column to the right).
  void testEveryRowIsOneLineOfThePdf_data() {
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("ein");
    QTest::newRow("German") << 1 << QStringLiteral("EIN");
    QTest::newRow("English") << 2 << QStringLiteral("ON");
    QTest::newRow("French") << 3 << QStringLiteral("Marche");
  }
  void testEveryRowIsOneLineOfThePdf() {
    QFETCH(int, sprache);
    QFETCH(QString, ein);
    Drucktest t(20);
    settings().Sprache = static_cast<int16_t>(sprache);
    if (sprache == 2) Setze_TexteEnglisch();
    if (sprache == 3) Setze_TexteFranzoesisch();
    const int n = 12;
    schaltzeiten(n);
    for (int i = 0; i < n; ++i) program().Sz[0][i].w1 = static_cast<uint8_t>(program().Sz[0][i].w1 + 3);  // P3
    t.dialog->pdf = t.dir->file(QStringLiteral("liste.pdf"));
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    const QStringList text = pdfSeiten(t.dialog->pdf);
    QCOMPARE(text.size(), 1);
    int reihen = 0;
    for (const QString& zeile : text[0].split(u'\n')) {
      // Neither the state nor the program on a line of its own.
      QVERIFY2(!QRegularExpression(QStringLiteral("^\\s*(3|%1)\\s*$").arg(ein)).match(zeile).hasMatch(), qPrintable(zeile));
      if (!zeile.contains(QRegularExpression(QStringLiteral("\\d[:h]\\d\\d")))) continue;  // 7:05, 7h05
      ++reihen;
      QVERIFY2(zeile.contains(QRegularExpression(QStringLiteral("\\s%1\\s+3$").arg(ein))), qPrintable(zeile));
    }
    QCOMPARE(reihen, n);
  }

  // A holiday's long name pushes the priority list's later columns past the page's 112: the
  // printer narrows its characters, so the row still ends on the page with its program.
  void testALongHolidayNameStaysOnThePdfPage() {
    Drucktest t(4);
    holidayTable().Feiertage = {{QStringLiteral("Ostermontag der katholischen, evangelischen und altkatholischen Gemeinden im Landkreis"), 2, 0, 1, 0}};
    holidayTable().AnzFt = 1;
    ProgramState& p = program();
    p.Sz[0][0] = {96, static_cast<uint8_t>(5 * 16 + 3), 0, 0, 1, 3 * 16};  // Easter Monday, P3, C1
    p.AnzPz[0] = p.AnzGesamt[0] = 1;
    t.dialog->pdf = t.dir->file(QStringLiteral("liste.pdf"));
    QWidget* d = t.oeffne();
    Drucktest::in<QCheckBox>(d, "chkprsz")->setChecked(false);
    Drucktest::in<QCheckBox>(d, "chkprpz")->setChecked(true);
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    const QStringList text = pdfSeiten(t.dialog->pdf);
    QCOMPARE(text.size(), 1);
    const QStringList zeile = text[0].split(u'\n').filter(QStringLiteral("Landkreis"));
    QCOMPARE(zeile.size(), 1);
    QVERIFY2(zeile[0].contains(QRegularExpression(QStringLiteral("Landkreis\\s+00:00 Uhr - 24:00 Uhr\\s+C1\\s+3$"))), qPrintable(zeile[0]));
    QCOMPARE(ueberDenRand(t.dialog->pdf), QStringList{});
  }

  // A printer put in from outside prints without the dialog.
  void testPrintToPdfHasThreePages() {
    Drucktest t(4);
    schaltzeiten(65);
    settings().Zeilen = 30;
    const QString pdf = t.dir->file(QStringLiteral("liste.pdf"));
    printState().neuerDruckauftrag = [pdf] { return std::make_unique<Qt_Zeilendrucker>(pdf); };
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    QCOMPARE(t.dialog->gezeigt, 0);
    const QStringList text = pdfSeiten(pdf);
    QCOMPARE(text.size(), 3);
    for (int s = 0; s < 3; ++s) QVERIFY(text[s].contains(QStringLiteral("Seite %1").arg(s + 1)));
    QVERIFY(text[0].contains(QStringLiteral("0:00 Uhr")));
    QVERIFY(text[2].contains(QStringLiteral("10:40 Uhr")));
  }

  // Cancel in the print dialog prints nothing and leaves the view and the choices as they were;
  // the text file needs no printer and shows no dialog.
  void testCancelledPrintDialogPrintsNothing() {
    Drucktest t(4);
    schaltzeiten(3);
    viewState().AktAnsicht = 1;
    t.haupt()->Fuelle_Grid(0);
    QTest::mouseClick(t.w<QToolButton>("AniButton2"), Qt::LeftButton);
    QCOMPARE(t.dialog->gezeigt, 1);
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    QCOMPARE(t.dialog->gezeigt, 2);
    QCOMPARE(printState().DruckSz + printState().DruckAnsicht, 0);
    QCOMPARE(viewState().AktAnsicht, 1);
    QCOMPARE(t.grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Beginn am: "));
    QVERIFY(t.env->messages.empty());
    QCOMPARE(QDir::current().entryList(QDir::Files).filter(QStringLiteral(".pdf")).size(), 0);

    printState().DruckInDatei = 1;
    QTest::mouseClick(t.w<QToolButton>("AniButton2"), Qt::LeftButton);
    QCOMPARE(t.dialog->gezeigt, 2);
    QVERIFY(t.textdatei().startsWith(QStringLiteral("Priorit\u00e4tszeiten von ")));
  }

  // Every list of one run goes into the one PDF file the dialog chose, each on its own pages of
  // the size chosen there.
  void testAllListsOfARunIntoOnePdf() {
    Drucktest t(4);
    schaltzeiten(40);
    settings().Zeilen = 30;
    t.dialog->pdf = t.dir->file(QStringLiteral("alles.pdf"));
    t.dialog->seite = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, {});
    QWidget* d = t.oeffne();
    for (const char* n : {"chkprpz", "chkprger\u00e4teeigenschaften"})
      QTest::mouseClick(Drucktest::in<QCheckBox>(d, n), Qt::LeftButton);
    QTest::mouseClick(Drucktest::in<QPushButton>(d, "cmdprdruck"), Qt::LeftButton);
    QCOMPARE(t.dialog->gezeigt, 1);
    const QStringList text = pdfSeiten(t.dialog->pdf);
    QCOMPARE(text.size(), 3);  // 30 + 10 switching times; the empty priority list prints nothing
    QVERIFY(text[0].trimmed().startsWith(QStringLiteral("Schaltzeiten von")));
    QVERIFY(text[1].trimmed().startsWith(QStringLiteral("Schaltzeiten von")));
    QVERIFY(text[2].trimmed().startsWith(QStringLiteral("Ger\u00e4teeigenschaften von")));
    QCOMPARE(t.dir->read(QStringLiteral("alles.pdf")).count("/MediaBox [0 0 792.000000 612.000000]"), 3);
  }

  // A second "Drucken..." brings the open dialog forward as it stands.
  void testTheDialogIsOneWindow() {
    Drucktest t(4);
    QWidget* d = t.oeffne();
    QTest::mouseClick(Drucktest::in<QCheckBox>(d, "chkprpz"), Qt::LeftButton);
    QWidget* zweiter = t.oeffne();
    QCOMPARE(zweiter, d);
    int offen = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("frmDruck") && w->isVisible()) ++offen;
    QCOMPARE(offen, 1);
    QVERIFY(Drucktest::in<QCheckBox>(d, "chkprpz")->isChecked());
  }

  // Messages of printing come in the UI language.
  void testPrintMessagesInTheUiLanguage_data() {
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("drucker");
    QTest::addColumn<QString>("datei");
    const QString englisch = QStringLiteral("The file %1 cannot be written.");
    QTest::newRow("German") << 1 << QStringLiteral("Der Drucker kann nicht benutzt werden.")
                            << QStringLiteral("Die Datei %1 kann nicht geschrieben werden.");
    QTest::newRow("English") << 2 << QStringLiteral("The printer cannot be used.") << englisch;
    QTest::newRow("French") << 3 << QStringLiteral("L'imprimante ne peut pas \u00eatre utilis\u00e9e.")
                            << QStringLiteral("Impossible d'\u00e9crire le fichier %1.");
    QTest::newRow("user text file") << 4 << QStringLiteral("The printer cannot be used.") << englisch;
  }
  void testPrintMessagesInTheUiLanguage() {
    QFETCH(int, sprache);
    QFETCH(QString, drucker);
    QFETCH(QString, datei);
    Drucktest t(4);
    schaltzeiten(3);
    settings().Sprache = static_cast<int16_t>(sprache);
    // A PDF file in a folder that is not there, then a folder where the text file would go.
    t.dialog->pdf = t.dir->file(QStringLiteral("fehlt/liste.pdf"));
    QTest::mouseClick(t.w<QToolButton>("AniButton2"), Qt::LeftButton);
    QVERIFY2(t.letzteMeldung().startsWith(datei.arg(t.dialog->pdf) + u' '), qPrintable(t.letzteMeldung()));
    printState().neuerDruckauftrag = [] { return std::unique_ptr<Zeilendrucker>{}; };
    QTest::mouseClick(t.w<QToolButton>("AniButton2"), Qt::LeftButton);
    QCOMPARE(t.letzteMeldung(), drucker);
    QDir().mkdir(Textdateiname(program().Dateiname[0]));
    printState().DruckInDatei = 1;
    QTest::mouseClick(t.w<QToolButton>("AniButton2"), Qt::LeftButton);
    const QString txt = Textdateiname(program().Dateiname[0]);
    QVERIFY2(t.letzteMeldung().startsWith(datei.arg(txt) + u' '), qPrintable(t.letzteMeldung()));
    QCOMPARE(t.env->messages.size(), size_t(3));
  }

  // A PDF file that cannot be written gets nothing, what was there stays, and the failure is
  // reported: a FIFO chosen in the dialog or behind a link (read here, so an open would not
  // block); an old PDF file under a file-size limit (a quota, `ulimit -f`), as the run's one
  // document and as a job of its own on a printer put in from outside.
  void testPdfOnlyIntoARegularFile() {
    enum { Fifo, Link, Grenze, GrenzeEigenerAuftrag };
    for (const int ziel : {Fifo, Link, Grenze, GrenzeEigenerAuftrag}) {
      Drucktest t(4);
      schaltzeiten(3);
      const QString fifo = t.dir->file(QStringLiteral("rohr"));
      const QString pdf = ziel == Fifo ? fifo : t.dir->file(QStringLiteral("liste.pdf"));
      const QByteArray alt = "%PDF-1.4 the list printed before\n";
      int leser = -1;
      if (ziel >= Grenze) {
        t.dir->write(QStringLiteral("liste.pdf"), alt);
      } else {
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        if (ziel == Link) QVERIFY(QFile::link(fifo, pdf));
        leser = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(leser >= 0);
      }
      t.dialog->pdf = pdf;
      if (ziel == GrenzeEigenerAuftrag)
        printState().neuerDruckauftrag = [pdf] { return std::make_unique<Qt_Zeilendrucker>(pdf); };
      {
        std::optional<qv::test::FileSizeLimit> grenze;
        if (ziel >= Grenze) QVERIFY(grenze.emplace(1024).ok());
        QTest::mouseClick(t.w<QToolButton>("AniButton2"), Qt::LeftButton);
      }
      if (leser >= 0) {
        char b[16];
        const auto gelesen = ::read(leser, b, sizeof b);
        ::close(leser);
        QCOMPARE(gelesen <= 0, true);
      } else {
        QCOMPARE(t.dir->read(QStringLiteral("liste.pdf")), alt);
      }
      const QString grund = ziel >= Grenze ? qt_error_string(EFBIG) : QStringLiteral("Not a regular file");
      const QString meldung = QStringLiteral("Die Datei %1 kann nicht geschrieben werden. %2").arg(pdf, grund);
      QVERIFY2(t.letzteMeldung().startsWith(meldung), qPrintable(t.letzteMeldung()));
      QCOMPARE(t.env->messages.size(), size_t(1));
    }
  }
};

QTEST_MAIN(TstDruck)
#include "tst_druck.moc"
