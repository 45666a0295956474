#include "views/ui/Drucker.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMdiArea>
#include <QPrinterInfo>
#include <cmath>

#include "views/Ansicht.h"
#include "views/Drucken.h"
#include "views/ui/FrmHauptmenue.h"
#include "views/ui/MDIForm1.h"

namespace qv {
namespace {

constexpr int kSpalten = 112;
constexpr int kZeilen = 72;

}  // namespace

Qt_Zeilendrucker::Qt_Zeilendrucker(const QString& pdfDatei) : printer_(QPrinter::HighResolution) {
  if (!pdfDatei.isEmpty()) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdfDatei);
  } else {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) fehlgeschlagen_ = true;
    else printer_.setPrinterName(info.printerName());
  }
}

bool Qt_Zeilendrucker::beginne() {
  if (begonnen_ || fehlgeschlagen_) return begonnen_;
  if (!painter_.begin(&printer_)) {
    fehlgeschlagen_ = true;
    return false;
  }
  begonnen_ = true;
  const QRectF seite = printer_.pageLayout().paintRectPixels(printer_.resolution());
  hoehe_ = seite.height();
  // A fixed-pitch font sized so that the columns and lines fit the page.
  schrift_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  schrift_.setPixelSize(100);
  const QFontMetricsF m(schrift_, &printer_);
  const double faktor = std::min(seite.width() / (kSpalten * m.horizontalAdvance(u'M')), hoehe_ / (kZeilen * m.lineSpacing()));
  schrift_.setPixelSize(std::max(1, static_cast<int>(std::floor(100 * faktor))));
  const QFontMetricsF n(schrift_, &printer_);
  zeichen_ = n.horizontalAdvance(u'M');
  zeile_ = n.lineSpacing();
  y_ = yTwips_ * printer_.resolution() / 1440.0;
  return true;
}

void Qt_Zeilendrucker::setzeY(int twips) {
  yTwips_ = twips;
  if (begonnen_) y_ = twips * printer_.resolution() / 1440.0;
}

void Qt_Zeilendrucker::hervorhebung(bool a, bool b) {
  a_ = a;
  b_ = b;
}

void Qt_Zeilendrucker::drucke(const Druckzeile& felder) {
  if (!beginne()) return;
  QFont f = schrift_;
  f.setBold(a_);
  f.setUnderline(b_);
  painter_.setFont(f);
  const double oben = QFontMetricsF(f, &printer_).ascent();
  for (const Druckzeile& z : Zeilen_setzen(felder)) {
    // A line that would pass the bottom starts a new page, as the printer did by itself.
    if (y_ + zeile_ > hoehe_) {
      printer_.newPage();
      y_ = 0;
    }
    for (const Druckfeld& feld : z) painter_.drawText(QPointF((feld.spalte - 1) * zeichen_, y_ + oben), feld.text);
    y_ += zeile_;
  }
}

void Qt_Zeilendrucker::neueSeite() {
  if (begonnen_) printer_.newPage();
  y_ = 0;
}

bool Qt_Zeilendrucker::ende(QString* fehler) {
  if (begonnen_) painter_.end();
  begonnen_ = false;
  if (fehlgeschlagen_) {
    if (fehler) *fehler = Drucker_nicht_bereit();
    return false;
  }
  return true;
}

void Drucke_Auswahl() {
  PrintState& s = printState();
  if (!s.neuerDruckauftrag) s.neuerDruckauftrag = [] { return std::make_unique<Qt_Zeilendrucker>(); };
  // The lists come from the main window's grid, whichever child was active.
  if (MDIForm1* rahmen = MDIForm1::instance()) {
    if (FrmHauptmenue* haupt = rahmen->hauptmenue()) rahmen->mdiArea()->setActiveSubWindow(haupt->subWindow());
    rahmen->Uebernimm_Kopffelder();
  }
  Drucke_Listen();
}

void Drucke_Ansicht() {
  printState().DruckAnsicht = static_cast<int16_t>(viewState().AktAnsicht + 1);
  Drucke_Auswahl();
}

}  // namespace qv
