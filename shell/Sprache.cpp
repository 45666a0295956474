#include "shell/Sprache.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

#include "model/AtomicFile.h"
#include "model/Marke.h"
#include "model/ValueFile.h"
#include "model/Zustand.h"
#include "shell/Startverzeichnis.h"
#include "shell/Texttabelle.h"

namespace qv {
namespace {

// Joined texts whose outer blank an unquoted line cannot carry: reading an unquoted value
// appends one blank to these ...
const std::array<QString Texts::*, 26> kBlankAfter{
    &Texts::S_AendeSpei,  &Texts::S_Datei,         &Texts::S_Seite,          &Texts::S_Beginn,
    &Texts::S_Ende,       &Texts::S_Punkt,         &Texts::S_ersterTag,      &Texts::S_TageNur,
    &Texts::S_ersten,     &Texts::S_zweiten,       &Texts::S_dritten,        &Texts::S_vierten,
    &Texts::S_letzten,    &Texts::S_ueberLPT,      &Texts::S_KopfAlle,       &Texts::S_DateiVom,
    &Texts::S_DateiUnge,  &Texts::S_beleSpei,      &Texts::S_KeinProgLPT,    &Texts::S_FehlBeimSetz,
    &Texts::S_FehlBeimSchr, &Texts::S_FehlBeimSend, &Texts::S_SpeiVorh,      &Texts::S_Schaltzeitlist,
    &Texts::S_Vorlage,    &Texts::S_Prioritaetslist,
};

// ... and puts one in front of these.
const std::array<QString Texts::*, 16> kBlankBefore{
    &Texts::S_sec, &Texts::S_Zeilen, &Texts::S_VerzNied, &Texts::S_Mo,   &Texts::S_Di,   &Texts::S_Mi,
    &Texts::S_Do,  &Texts::S_Fr,     &Texts::S_Sa,       &Texts::S_So,   &Texts::S_C,    &Texts::S_Nord,
    &Texts::S_Sued, &Texts::S_Ost,   &Texts::S_West,     &Texts::S_Grad,
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

template <size_t N>
bool isIn(const std::array<QString Texts::*, N>& liste, QString Texts::*member) {
  return std::find(liste.begin(), liste.end(), member) != liste.end();
}

bool getsBlankBack(QString Texts::*member) { return isIn(kBlankAfter, member) || isIn(kBlankBefore, member); }

// One line's value: a quoted value runs to its closing quote (a doubled quote inside stands for
// one quote, whatever follows the closing quote is dropped) and is taken whole; an unquoted value
// is the line without its outer blanks. A comma is an ordinary character either way, so a stray
// comma in a user's file cannot shift the texts that follow it.
QString valueOfLine(const QString& line, bool* quoted) {
  int begin = 0;
  int end = line.size();
  while (begin < end && isBlank(line[begin])) ++begin;
  *quoted = begin < end && line[begin] == u'"';
  if (*quoted) {
    QString out;
    for (int i = begin + 1; i < end; ++i) {
      if (line[i] != u'"') {
        out += line[i];
      } else if (i + 1 < end && line[i + 1] == u'"') {
        out += u'"';
        ++i;
      } else {
        break;
      }
    }
    return out;
  }
  while (end > begin && isBlank(line[end - 1])) --end;
  return line.mid(begin, end - begin);
}

void setzeTexte(TextLanguage sprache, const char* hilfedatei) {
  Setze_Version();
  Texts& t = texts();
  t.Hilfedatei = QString::fromLatin1(hilfedatei);
  for (const TextRow& row : textRows())
    if (row.text[sprache]) t.*row.member = QString::fromUtf8(row.text[sprache]);
  if (sprache != kFranzoesisch && brand().Markengruppe == 5) {
    for (const ChipRow& row : chipRows()) {
      const char* wording = sprache == kDeutsch ? row.de : row.en;
      if (wording) t.*row.member = QString::fromUtf8(wording);
    }
  }
  if (sprache == kFranzoesisch) t.S_mnuInfo += brand().S_Titel;
  else t.S_mnuHilfeZu += brand().S_Titel;
}

QString keineGueltigeDatei(const QString& fileName) {
  return fileName + QStringLiteral(": ") + Sprachtext(&Texts::S_KeineGueltDatei);
}

}  // namespace

QString Sprachtext(QString Texts::*member) {
  const int sprache = settings().Sprache;
  if (sprache < 1 || sprache > kBuiltInLanguages) {
    if (!(texts().*member).isEmpty()) return texts().*member;
  }
  const TextLanguage l = sprache == 1 ? kDeutsch : sprache == 3 ? kFranzoesisch : kEnglisch;
  for (const TextRow& row : textRows())
    if (row.member == member && row.text[l]) return QString::fromUtf8(row.text[l]);
  return texts().*member;
}

void Setze_Version() { texts().S_Version = QString::fromLatin1(kVersion); }

void Setze_TexteDeutsch() { setzeTexte(kDeutsch, kHilfedateiDeutsch); }
void Setze_TexteEnglisch() { setzeTexte(kEnglisch, kHilfedateiEnglisch); }
void Setze_TexteFranzoesisch() { setzeTexte(kFranzoesisch, kHilfedateiFranzoesisch); }

const std::vector<QString Texts::*>& sprachdateiZeilen() {
  static const std::vector<QString Texts::*> zeilen = [] {
    std::vector<QString Texts::*> out;
    out.reserve(kSprachdateiZeilen);
    for (const TextRow& row : textRows()) {
      if (static_cast<int>(out.size()) == kSprachdateiWiederholung - 1) out.push_back(&Texts::S_Feiertage2);
      out.push_back(row.member);
    }
    return out;
  }();
  return zeilen;
}

QByteArray sprachdateiBytes(const Texts& t) {
  ValueWriter writer;
  for (QString Texts::*member : sprachdateiZeilen()) {
    const QString& v = t.*member;
    // Quoted whenever an unquoted line would not give the text back as it stands.
    const bool quote = getsBlankBack(member) || (!v.isEmpty() && (isBlank(v.front()) || isBlank(v.back())));
    writer.line(quote ? ValueWriter::quoted(v) : ValueWriter::quotedIfNeeded(v));
  }
  return writer.bytes();
}

bool leseSprachdatei(const QByteArray& bytes, Texts* t, QString* error, const QString& fileName) {
  QByteArray text = bytes;
  // A DOS end-of-file mark is not part of the last line.
  while (text.endsWith('\x1A')) text.chop(1);
  // A table saved as UTF-16, or any file with NUL bytes, is no plain text: every caption would
  // carry the NULs. It is refused as a table of the wrong length is.
  if (text.contains('\0')) {
    if (error) *error = keineGueltigeDatei(fileName);
    return false;
  }
  ValueReader reader(text);
  Texts scratch = *t;
  int zeilen = 0;
  std::vector<QString Texts::*> unquoted;
  for (QString Texts::*member : sprachdateiZeilen()) {
    const auto line = reader.nextLine();
    if (!line) break;
    bool quoted = false;
    scratch.*member = valueOfLine(*line, &quoted);
    // The later of two lines for one global decides, quotes included.
    std::erase(unquoted, member);
    if (!quoted) unquoted.push_back(member);
    ++zeilen;
  }
  if (zeilen < kSprachdateiZeilen) {
    if (error) *error = keineGueltigeDatei(fileName);
    return false;
  }
  auto isUnquoted = [&](QString Texts::*member) {
    return std::find(unquoted.begin(), unquoted.end(), member) != unquoted.end();
  };
  for (QString Texts::*member : kBlankAfter)
    if (isUnquoted(member)) scratch.*member += u' ';
  for (QString Texts::*member : kBlankBefore)
    if (isUnquoted(member)) (scratch.*member).prepend(u' ');
  *t = scratch;
  return true;
}

bool Lies_Sprachdatei(const QString& datei, QString* error) {
  const QString name = fileNameIgnoringCase(datei);
  const QString shown = QFileInfo(datei).fileName();
  QByteArray bytes;
  QString reason;
  if (!readWholeFile(name, &bytes, &reason)) {
    // A file past the reader's bound is no text table; any other failure means it is not there
    // as a file to read.
    if (error) {
      *error = reason == tooLargeReason() ? keineGueltigeDatei(shown)
                                          : shown + QStringLiteral(": ") + Sprachtext(&Texts::S_DateiNicht);
    }
    return false;
  }
  Texts t = texts();
  if (!leseSprachdatei(bytes, &t, error, shown)) return false;
  t.Hilfedatei = QString::fromLatin1(kHilfedateiSprachdatei);
  t.S_Version = QString::fromLatin1(kVersion);
  texts() = t;
  return true;
}

bool Schreib_Sprachdatei(const QString& datei, QString* error) {
  QString reason;
  if (writeFileAtomically(fileNameIgnoringCase(datei), sprachdateiBytes(texts()), &reason)) return true;
  if (error) *error = QFileInfo(datei).fileName() + QStringLiteral(": ") + reason;
  return false;
}

QString Entferne_Zeichen(const QString& s, const QString& zeichen) {
  if (zeichen.size() != 1) return s;
  QString out;
  out.reserve(s.size());
  for (QChar c : s)
    if (c != zeichen[0]) out += c;
  return out;
}

}  // namespace qv
