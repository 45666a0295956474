#include "model/Val.h"

#include <cmath>
#include <limits>

namespace qv {
namespace {

bool isSkippable(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

double radixValue(const QString& s, int pos, int radix) {
  // VB reads &H/&O values as 16-bit when they fit, as 32-bit otherwise, both signed.
  quint64 v = 0;
  int digits = 0;
  for (; pos < s.size(); ++pos) {
    const int d = s[pos].isDigit() ? s[pos].digitValue()
                  : (radix == 16 && s[pos].toLower() >= u'a' && s[pos].toLower() <= u'f')
                      ? s[pos].toLower().unicode() - u'a' + 10
                      : -1;
    if (d < 0 || d >= radix) break;
    v = v * radix + d;
    if (++digits > 16) break;
  }
  if (v <= 0xFFFF) return static_cast<double>(static_cast<int16_t>(v));
  if (v <= 0xFFFFFFFFull) return static_cast<double>(static_cast<int32_t>(v));
  return static_cast<double>(v);
}

}  // namespace

double Val(const QString& text) {
  int i = 0;
  const int n = text.size();
  while (i < n && isSkippable(text[i])) ++i;
  if (i + 1 < n && text[i] == u'&') {
    const QChar k = text[i + 1].toUpper();
    if (k == u'H') return radixValue(text, i + 2, 16);
    if (k == u'O') return radixValue(text, i + 2, 8);
    return 0.0;
  }
  QString digits;
  auto skip = [&] { while (i < n && isSkippable(text[i])) ++i; };
  if (i < n && (text[i] == u'-' || text[i] == u'+')) digits += text[i++];
  skip();
  bool any = false, dot = false;
  while (i < n) {
    const QChar c = text[i];
    if (c.isDigit() && c.unicode() < 128) { digits += c; any = true; ++i; }
    else if (c == u'.' && !dot) { digits += c; dot = true; ++i; }
    else if (isSkippable(c)) ++i;
    else break;
  }
  if (!any) return 0.0;
  if (i < n && (text[i].toUpper() == u'E' || text[i].toUpper() == u'D')) {
    int j = i + 1;
    QString exp = "e";
    if (j < n && (text[j] == u'-' || text[j] == u'+')) exp += text[j++];
    bool expDigits = false;
    while (j < n && text[j].isDigit() && text[j].unicode() < 128) { exp += text[j++]; expDigits = true; }
    if (expDigits) digits += exp;
  }
  bool ok = false;
  const double v = digits.toDouble(&ok);
  return ok && std::isfinite(v) ? v : 0.0;
}

std::optional<int16_t> CInt(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double r = std::nearbyint(value);  // default rounding mode: half to even
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<int16_t>(r);
}

std::optional<int> parseIntIn(const QString& text, int lo, int hi) {
  bool ok = false;
  const long long v = text.trimmed().toLongLong(&ok);
  if (!ok || v < lo || v > hi) return std::nullopt;
  return static_cast<int>(v);
}

}  // namespace qv
