#include "transfer/Austauschdateien.h"

#include <QFile>
#include <QStringList>

#include "model/Texte.h"

namespace qv {
namespace {

const QByteArray kZeilenende("\r\n");

}  // namespace

QString Druckzahl(int wert) {
  return (wert < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(wert)) + u' ';
}

QByteArray Schreibe_Anfrage(const Anfrage& a) {
  QByteArray out;
  for (const QString& z : {a.richtung, Druckzahl(a.Lpt), Druckzahl(a.Delay), Druckzahl(a.Delay2), Druckzahl(a.Sprache)})
    out += z.toLatin1() + kZeilenende;
  // The helper program opens the file by this name, so it is written as the file system spells it.
  out += QFile::encodeName(a.datei) + kZeilenende;
  return out;
}

std::optional<Anfrage> Lies_Anfrage(const QByteArray& bytes) {
  const QByteArray roh = bytes;
  QList<QByteArray> z = roh.split('\n');
  if (z.size() < 6) return std::nullopt;
  for (QByteArray& s : z)
    if (s.endsWith('\r')) s.chop(1);
  Anfrage a;
  a.richtung = QString::fromLatin1(z[0]).trimmed();
  int* felder[] = {&a.Lpt, &a.Delay, &a.Delay2, &a.Sprache};
  for (int i = 0; i < 4; ++i) *felder[i] = z[i + 1].trimmed().toInt();
  a.datei = QFile::decodeName(z[5]);
  return a;
}

std::optional<Kartenantwort> Lies_Kartenantwort(const QByteArray& bytes) {
  // The first two values, separated by commas or line ends; empty ones are passed over. Taken in
  // one pass, so a file of blank lines costs no more than reading it.
  QStringList werte;
  for (qsizetype i = 0; i <= bytes.size() && werte.size() < 2;) {
    const qsizetype anfang = i;
    while (i < bytes.size() && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') ++i;
    const QString w = QString::fromLatin1(bytes.mid(anfang, i - anfang)).trimmed();
    if (!w.isEmpty()) werte << w;
    ++i;
  }
  if (werte.size() < 2) return std::nullopt;
  bool ok1 = false, ok2 = false;
  Kartenantwort a;
  // The helper writes its code as a 16-bit whole number; anything beyond is no answer it gives.
  a.code = werte[0].toShort(&ok1);
  a.adresse = werte[1].toLongLong(&ok2);
  if (!ok1 || !ok2) return std::nullopt;
  return a;
}

QString Kartenantwort_Text(const Kartenantwort& a, int lpt) {
  const Texts& t = texts();
  switch (a.code) {
    case 1: return t.S_KeinProgLPT + QString::number(lpt) + t.S_VerzNied;
    case 2: return t.S_KeinChipAdapter + t.S_VerzNied;
    case 4:
    case 5: return t.S_FehlBeimSetz + QString::number(a.adresse) + t.S_evtlVerz;
    case 6: return t.S_FehlBeimSchr + QString::number(a.adresse) + t.S_evtlVerz;
    case 7: return t.S_FehlBeimSend + u',' + t.S_evtlVerz;
    default: return {};
  }
}

QByteArray Schreibe_Kartendatei(const std::vector<uint8_t>& abbild) {
  QByteArray out;
  size_t i = 0;
  auto zeile = [&](size_t n) {
    QString z;
    for (size_t k = 0; k < n && i < abbild.size(); ++k, ++i) z += Druckzahl(abbild[i]);
    out += z.toLatin1() + kZeilenende;
  };
  zeile(4);
  for (int k = 0; k < 20; ++k) zeile(5);
  while (i < abbild.size()) zeile(6);
  return out;
}

QByteArray Protokollzeile(const QByteArray& bytes) {
  QByteArray out;
  for (char c : bytes) out += ' ' + QByteArray::number(static_cast<uint8_t>(c), 16).toUpper();
  return out + kZeilenende;
}

QString DateinameOhnePfad(const QString& pfad) {
  const qsizetype p = std::max(pfad.lastIndexOf(u'\\'), pfad.lastIndexOf(u'/'));
  return pfad.mid(p + 1);
}

}  // namespace qv
