#pragma once
// The printer backend of the lists (QPrinter with a fixed-pitch font, 112 columns across or as
// many as a list's longest line takes, and the lines a page must hold below its top margin) and
// the print runs as the print dialog and the frame's print button start them: the system's print
// dialog chooses the printer first.
#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <functional>
#include <memory>

#include "views/Zeilendrucker.h"

namespace qv {

// The printer of one print run. Into a PDF file every list of the run goes into the one
// document, each on pages of its own, because a second job would replace the file.
struct Druckausgabe {
  Druckausgabe();
  ~Druckausgabe();
  Druckausgabe(const Druckausgabe&) = delete;
  Druckausgabe& operator=(const Druckausgabe&) = delete;

  // The device painted on: the printer, or for a PDF file the document in memory.
  QPagedPaintDevice& geraet();
  int aufloesung() const;
  // Starts the document; false when it cannot start.
  bool beginne();
  // Ends the document: the printer sends the job; a PDF file is stored whole or not at all, so a
  // failed write (a full disk, a file-size limit) leaves the old file and gives the reason.
  bool beende(QString* grund);

  QPrinter printer;
  bool einDokument = false;
  QBuffer pdfDaten;
  std::unique_ptr<QPdfWriter> pdf;
  QPainter painter;
};

class Qt_Zeilendrucker final : public Zeilendrucker {
 public:
  // One job into a PDF file of its own.
  explicit Qt_Zeilendrucker(const QString& pdfDatei);
  // One job on the run's printer.
  explicit Qt_Zeilendrucker(std::shared_ptr<Druckausgabe> ausgabe);
  bool istDatei() const override { return false; }
  void setzeY(int twips) override;
  void zeilenJeSeite(int zeilen) override;
  void spaltenJeZeile(int spalten) override;
  void hervorhebung(bool a, bool b) override;
  void drucke(const Druckzeile& felder) override;
  void neueSeite() override;
  bool ende(QString* fehler) override;

 private:
  // The job starts with the first line, so an empty list sends nothing.
  bool beginne();

  std::shared_ptr<Druckausgabe> aus_;
  bool begonnen_ = false;
  bool fehlgeschlagen_ = false;
  QString grund_;  // why the job could not start, when known
  QFont schrift_;
  int zeilenJeSeite_ = 72;
  int spaltenJeZeile_ = 0;
  double zeichen_ = 0, zeile_ = 0, y_ = 0, hoehe_ = 0;
  int yTwips_ = 0;
  bool a_ = false, b_ = false;
};

// The system's print dialog on the printer (preset to the default printer; it also offers a PDF
// file); false when the user cancels. Tests put a scripted dialog here.
std::function<bool(QPrinter&)>& druckerauswahl();

// The print procedure: the printer is chosen (unless the output goes into the text file), the
// main window becomes the active child and takes over the header boxes, then the chosen lists
// are printed (Drucke_Listen). Cancelling the printer choice prints nothing and changes nothing.
void Drucke_Auswahl();
// The frame's print button: the grid as shown.
void Drucke_Ansicht();

}  // namespace qv
