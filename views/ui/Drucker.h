#pragma once
// The printer backend of the lists (QPrinter with a fixed-pitch font, 112 columns across and 72
// lines down a page) and the print runs as the print dialog and the frame's print button start them.
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "views/Zeilendrucker.h"

namespace qv {

class Qt_Zeilendrucker final : public Zeilendrucker {
 public:
  // The default printer, or a PDF file when pdfDatei is given.
  explicit Qt_Zeilendrucker(const QString& pdfDatei = {});
  bool istDatei() const override { return false; }
  void setzeY(int twips) override;
  void hervorhebung(bool a, bool b) override;
  void drucke(const Druckzeile& felder) override;
  void neueSeite() override;
  bool ende(QString* fehler) override;

 private:
  // The job starts with the first line, so an empty list sends nothing.
  bool beginne();

  QPrinter printer_;
  QPainter painter_;
  bool begonnen_ = false;
  bool fehlgeschlagen_ = false;
  QFont schrift_;
  double zeichen_ = 0, zeile_ = 0, y_ = 0, hoehe_ = 0;
  int yTwips_ = 0;
  bool a_ = false, b_ = false;
};

// The print procedure: the main window becomes the active child and takes over the header
// boxes, then the chosen lists are printed (Drucke_Listen).
void Drucke_Auswahl();
// The frame's print button: the grid as shown.
void Drucke_Ansicht();

}  // namespace qv
