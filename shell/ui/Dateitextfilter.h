#pragma once
// The filter of text boxes whose text goes into a file (holiday and set names, place names): a
// character the Windows-1252 files cannot hold is refused where it is typed, with a beep, and
// removed from pasted text, so what the box shows is what the file keeps.
#include <QValidator>

class QLineEdit;

namespace qv {

class Dateitextfilter : public QValidator {
  Q_OBJECT
 public:
  explicit Dateitextfilter(QObject* parent = nullptr) : QValidator(parent) {}
  State validate(QString& input, int& pos) const override;
  // Installs a filter owned by the box.
  static void setzeAuf(QLineEdit* box);
};

}  // namespace qv
