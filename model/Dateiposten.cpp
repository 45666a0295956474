#include "model/Dateiposten.h"

#include "model/Val.h"

namespace qv {
namespace {

template <typename T>
std::optional<T> failed(ItemReader::Status* status, ItemReader::Status why) {
  if (status) *status = why;
  return std::nullopt;
}

}  // namespace

QString numberItem(int v) {
  return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(v < 0 ? -v : v) +
         QStringLiteral(" ");
}

QString nameItem(const QString& name) {
  const bool quote = name.isEmpty() || name.contains(u',') || name.contains(u'\r') ||
                     name.contains(u'\n') || name.front() == u'"' || name.front() == u' ' ||
                     name.front() == u'\t' || name.back() == u' ' || name.back() == u'\t';
  return quote ? ValueWriter::quoted(name) : name;
}

std::optional<int> ItemReader::number(int lo, int hi, Status* status) {
  if (pending_.isEmpty()) {
    const auto v = reader_.nextValue();
    if (!v) return failed<int>(status, Status::Ended);
    // The numbers of one value, split at blanks and tabs by hand: a regular expression per value
    // costs more than the rest of the reading.
    for (qsizetype i = 0; i < v->size();) {
      while (i < v->size() && ((*v)[i] == u' ' || (*v)[i] == u'\t')) ++i;
      const qsizetype anfang = i;
      while (i < v->size() && (*v)[i] != u' ' && (*v)[i] != u'\t') ++i;
      if (i > anfang) pending_.append(v->mid(anfang, i - anfang));
    }
    if (pending_.isEmpty()) return failed<int>(status, Status::Malformed);
  }
  const auto n = parseIntIn(pending_.takeFirst(), lo, hi);
  if (!n) return failed<int>(status, Status::Malformed);
  if (status) *status = Status::Ok;
  return n;
}

std::optional<QString> ItemReader::text(Status* status) {
  if (!pending_.isEmpty()) return failed<QString>(status, Status::Malformed);
  auto v = reader_.nextValue();
  if (!v) return failed<QString>(status, Status::Ended);
  if (status) *status = Status::Ok;
  return v;
}

}  // namespace qv
