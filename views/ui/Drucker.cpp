#include "views/ui/Drucker.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <cmath>
#include <utility>

#include "model/Ansicht.h"
#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "views/Drucken.h"
#include "views/Meldungstexte.h"
#include "views/ui/FrmHauptmenue.h"
#include "views/ui/MDIForm1.h"

namespace qv {
namespace {

constexpr int kSpalten = 112;

bool waehleDrucker(QPrinter& p) {
  QPrintDialog d(&p, QApplication::activeWindow());
  // The lists print whole: there is no page range or selection to choose.
  d.setOption(QAbstractPrintDialog::PrintPageRange, false);
  d.setOption(QAbstractPrintDialog::PrintSelection, false);
  d.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return d.exec() == QDialog::Accepted;
}

}  // namespace

Druckausgabe::Druckausgabe() : printer(QPrinter::HighResolution) {
  const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
  if (!standard.isNull()) printer.setPrinterName(standard.printerName());
}

Druckausgabe::~Druckausgabe() {
  if (painter.isActive()) painter.end();
}

QPagedPaintDevice& Druckausgabe::geraet() { return pdf ? static_cast<QPagedPaintDevice&>(*pdf) : printer; }

int Druckausgabe::aufloesung() const { return pdf ? pdf->resolution() : printer.resolution(); }

bool Druckausgabe::beginne() {
  if (printer.outputFormat() != QPrinter::PdfFormat) return painter.begin(&printer);
  // The printer's PDF engine writes straight into the file and reports no failed write, so the
  // document is painted in memory, with the printer's page and resolution, and stored at the end
  // (only into a regular file: a FIFO would block and a device take it).
  if (!pdfDaten.open(QIODevice::WriteOnly)) return false;
  pdf = std::make_unique<QPdfWriter>(&pdfDaten);
  pdf->setResolution(printer.resolution());
  pdf->setPageLayout(printer.pageLayout());
  pdf->setPdfVersion(printer.pdfVersion());
  pdf->setTitle(printer.docName());
  pdf->setCreator(printer.creator());
  return painter.begin(pdf.get());
}

bool Druckausgabe::beende(QString* grund) {
  if (!painter.end()) return false;
  if (!pdf) return true;
  pdf.reset();
  pdfDaten.close();
  return writeFileAtomically(printer.outputFileName(), std::exchange(pdfDaten.buffer(), {}), grund);
}

Qt_Zeilendrucker::Qt_Zeilendrucker(const QString& pdfDatei) : aus_(std::make_shared<Druckausgabe>()) {
  aus_->printer.setOutputFormat(QPrinter::PdfFormat);
  aus_->printer.setOutputFileName(pdfDatei);
}

Qt_Zeilendrucker::Qt_Zeilendrucker(std::shared_ptr<Druckausgabe> ausgabe) : aus_(std::move(ausgabe)) {}

bool Qt_Zeilendrucker::beginne() {
  if (begonnen_ || fehlgeschlagen_) return begonnen_;
  // A later list of a run into one document starts on a new page of it.
  const bool weiter = aus_->painter.isActive();
  if (weiter ? !aus_->geraet().newPage() : !aus_->beginne()) {
    fehlgeschlagen_ = true;
    return false;
  }
  begonnen_ = true;
  QPagedPaintDevice& p = aus_->geraet();
  const int dpi = aus_->aufloesung();
  const QRectF seite = p.pageLayout().paintRectPixels(dpi);
  hoehe_ = seite.height();
  y_ = yTwips_ * dpi / 1440.0;
  // The fixed-pitch font is as large as the page's width of columns allows and small enough that
  // the announced lines fit below the top margin.
  const double hoechstens = (hoehe_ - y_) / zeilenJeSeite_;
  const double breite = seite.width() / std::max(kSpalten, spaltenJeZeile_);
  schrift_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  schrift_.setPixelSize(100);
  const QFontMetricsF m(schrift_, &p);
  const double faktor = std::min(breite / m.horizontalAdvance(u'M'), hoechstens / m.lineSpacing());
  int px = std::max(1, static_cast<int>(std::floor(100 * faktor)));
  for (;; --px) {
    schrift_.setPixelSize(px);
    const QFontMetricsF n(schrift_, &p);
    zeichen_ = n.horizontalAdvance(u'M');
    zeile_ = n.lineSpacing();
    if (px == 1 || (zeile_ <= hoechstens && zeichen_ <= breite)) break;
  }
  return true;
}

void Qt_Zeilendrucker::setzeY(int twips) {
  yTwips_ = twips;
  if (begonnen_) y_ = twips * aus_->aufloesung() / 1440.0;
}

void Qt_Zeilendrucker::zeilenJeSeite(int zeilen) { zeilenJeSeite_ = std::max(1, zeilen); }

void Qt_Zeilendrucker::spaltenJeZeile(int spalten) { spaltenJeZeile_ = spalten; }

void Qt_Zeilendrucker::hervorhebung(bool a, bool b) {
  a_ = a;
  b_ = b;
}

void Qt_Zeilendrucker::drucke(const Druckzeile& felder) {
  if (!beginne()) return;
  QPainter& painter = aus_->painter;
  QFont f = schrift_;
  f.setBold(a_);
  f.setUnderline(b_);
  painter.setFont(f);
  const double oben = QFontMetricsF(f, &aus_->geraet()).ascent();
  for (const Druckzeile& z : Zeilen_setzen(felder)) {
    // Only more lines than announced reach past the bottom; they go on a new page rather than
    // off the paper.
    if (y_ + zeile_ > hoehe_ + 0.5) {
      aus_->geraet().newPage();
      y_ = 0;
    }
    for (const Druckfeld& feld : z) painter.drawText(QPointF((feld.spalte - 1) * zeichen_, y_ + oben), feld.text);
    y_ += zeile_;
  }
}

void Qt_Zeilendrucker::neueSeite() {
  if (begonnen_) aus_->geraet().newPage();
  y_ = 0;
}

bool Qt_Zeilendrucker::ende(QString* fehler) {
  // Ending the document sends the job; a job the system refuses counts as failed.
  if (begonnen_ && !aus_->einDokument && !aus_->beende(&grund_)) fehlgeschlagen_ = true;
  begonnen_ = false;
  if (!fehlgeschlagen_) return true;
  if (fehler) {
    const QPrinter& p = aus_->printer;
    *fehler = p.outputFormat() == QPrinter::PdfFormat ? Datei_nicht_schreibbar(p.outputFileName(), grund_)
                                                      : Meldung(Meldungstext::DruckerNichtBereit);
  }
  return false;
}

std::function<bool(QPrinter&)>& druckerauswahl() {
  static std::function<bool(QPrinter&)> auswahl = &waehleDrucker;
  return auswahl;
}

void Drucke_Auswahl() {
  PrintState& s = printState();
  // A printer installed from outside (tests print into a PDF file) stands for the choice.
  std::shared_ptr<Druckausgabe> ausgabe;
  if (!s.neuerDruckauftrag && s.DruckInDatei != 1 && Etwas_zu_drucken()) {
    ausgabe = std::make_shared<Druckausgabe>();
    if (!druckerauswahl() || !druckerauswahl()(ausgabe->printer)) {
      s.DruckSz = s.DruckPz = s.DruckSw = s.DruckAstro = s.DruckGeraet = s.DruckAnsicht = 0;
      return;
    }
    ausgabe->einDokument = ausgabe->printer.outputFormat() == QPrinter::PdfFormat;
    s.neuerDruckauftrag = [ausgabe] { return std::make_unique<Qt_Zeilendrucker>(ausgabe); };
  }
  // The lists come from the main window's grid, whichever child was active.
  if (MDIForm1* rahmen = MDIForm1::instance()) {
    if (FrmHauptmenue* haupt = rahmen->hauptmenue()) rahmen->mdiArea()->setActiveSubWindow(haupt->subWindow());
    rahmen->Uebernimm_Kopffelder();
  }
  Drucke_Listen();
  if (!ausgabe) return;
  s.neuerDruckauftrag = nullptr;
  // The run's one document ends with the run.
  QString grund;
  if (ausgabe->painter.isActive() && !ausgabe->beende(&grund))
    env().message(Datei_nicht_schreibbar(ausgabe->printer.outputFileName(), grund), Buttons::Ok, Icon::Critical);
}

void Drucke_Ansicht() {
  printState().DruckAnsicht = static_cast<int16_t>(viewState().AktAnsicht + 1);
  Drucke_Auswahl();
}

}  // namespace qv
