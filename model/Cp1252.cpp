#include "model/Cp1252.h"

#include <array>

namespace qv::cp1252 {
namespace {

// 0x80..0x9F; 0 marks the five codes Windows-1252 leaves undefined (kept as C1 controls).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QChar charOf(unsigned char code) {
  if (code >= 0x80 && code <= 0x9F) {
    const char16_t u = kHigh[code - 0x80];
    return QChar(u ? u : char16_t(code));
  }
  return QChar(char16_t(code));
}

int codeOf(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i)) return 0x80 + i;
  return -1;
}

bool storable(QChar c) {
  const int code = codeOf(c);
  return code >= 0x20 && code != 0x7F && (code < 0x80 || code > 0x9F || c.unicode() > 0xFF);
}

QString stored(const QString& text) { return decode(encode(text)); }

QString decode(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char b : bytes) out.append(charOf(static_cast<unsigned char>(b)));
  return out;
}

QByteArray encode(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar c : text) {
    const int code = codeOf(c);
    out.append(code < 0 ? '?' : static_cast<char>(code));
  }
  return out;
}

}  // namespace qv::cp1252
