#pragma once
// Items of the holiday and place files: names (quoted when a plain reading would not give them
// back) and 16-bit numbers written with a sign place and a trailing blank, read back item by item
// whatever the line ends.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/ValueFile.h"

namespace qv {

// " 5 ", "-3 ".
QString numberItem(int v);
// The name as it stands, or quoted when it is empty or holds a comma, a line end, a leading
// quote or blanks at either end.
QString nameItem(const QString& name);

class ItemReader {
 public:
  enum class Status { Ok, Ended, Malformed };

  explicit ItemReader(const QByteArray& bytes) : reader_(bytes) {}
  // Numbers are separated by blanks, commas or line ends; empty when the file ended or the item
  // is no whole number in [lo, hi] (*status tells which).
  std::optional<int> number(int lo, int hi, Status* status = nullptr);
  // A name runs to the first comma or the line end, or between quotes; numbers left over where a
  // name should start mean the file is out of step.
  std::optional<QString> text(Status* status = nullptr);

 private:
  ValueReader reader_;
  QStringList pending_;
};

}  // namespace qv
