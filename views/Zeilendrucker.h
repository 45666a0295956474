#pragma once
// The printer as the lists and the data sheet use it: lines of texts placed at character columns,
// a vertical position, two emphases, new pages and the end of the document. Backends: the
// printer (views/ui) and the text file that the output can be redirected to.
#include <QString>
#include <QStringList>
#include <QVector>

namespace qv {

// A text placed at a column (1 = the first); column 0 goes on at the next print zone (zones
// start every 14 columns, at 1, 15, 29 ...).
struct Druckfeld {
  int spalte = 1;
  QString text;
};
using Druckzeile = QVector<Druckfeld>;

// One print statement to physical lines: a field whose column the line has already passed goes
// to that column of the next line. An empty statement is one empty line.
QVector<Druckzeile> Zeilen_setzen(const Druckzeile& felder);
// A physical line as text, blanks up to each field's column.
QString Zeile_als_Text(const Druckzeile& zeile);

class Zeilendrucker {
 public:
  virtual ~Zeilendrucker() = default;
  // The text file writes the lists in their text form.
  virtual bool istDatei() const = 0;
  virtual void setzeY(int twips) = 0;
  // The lines a page must hold below the vertical position the next job starts at; the printer
  // sizes its lines to fit them (a list announces its page header and rows).
  virtual void zeilenJeSeite(int zeilen) = 0;
  // The columns the list's longest line takes; the printer narrows its characters where its
  // page's width of columns would not hold them.
  virtual void spaltenJeZeile(int) {}
  virtual void hervorhebung(bool a, bool b) = 0;
  virtual void drucke(const Druckzeile& felder) = 0;
  virtual void neueSeite() = 0;
  // Ends the document (the printer sends the job, the file is written); false with *fehler on
  // failure.
  virtual bool ende(QString* fehler) = 0;
};

// Appends its lines to a text file in Windows-1252 with CR LF when it ends; the file is created
// when missing, also with no lines.
class Textdatei_Drucker final : public Zeilendrucker {
 public:
  explicit Textdatei_Drucker(QString pfad) : pfad_(std::move(pfad)) {}
  bool istDatei() const override { return true; }
  void setzeY(int) override {}
  void zeilenJeSeite(int) override {}
  void hervorhebung(bool, bool) override {}
  void drucke(const Druckzeile& felder) override;
  void neueSeite() override {}
  bool ende(QString* fehler) override;

 private:
  QString pfad_;
  QStringList zeilen_;
};

}  // namespace qv
