#include "shell/ui/Dateitextfilter.h"

#include <QLineEdit>

#include "model/Cp1252.h"
#include "model/Environment.h"

namespace qv {

QValidator::State Dateitextfilter::validate(QString& input, int& pos) const {
  QString sauber;
  sauber.reserve(input.size());
  int neuePos = pos;
  for (int i = 0; i < input.size(); ++i) {
    if (cp1252::storable(input[i])) sauber += input[i];
    else if (i < pos) --neuePos;
  }
  if (sauber.size() != input.size()) {
    env().beep();
    input = sauber;
    pos = neuePos;
  }
  return Acceptable;
}

void Dateitextfilter::setzeAuf(QLineEdit* box) { box->setValidator(new Dateitextfilter(box)); }

}  // namespace qv
