#include "transfer/IRZugriff.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Kalender.h"
#include "model/Programmdatei.h"
#include "model/Texte.h"
#include "model/Val.h"
#include "model/Zustand.h"
#include "transfer/Austauschdateien.h"
#include "transfer/Kartenzugriff.h"
#include "transfer/Programmstart.h"
#include "transfer/Wartezeiten.h"
#include "views/Rahmenzustand.h"

namespace qv {
namespace {

const QString kAntwort = QStringLiteral("irtrans.msg");
const QString kAustausch = QStringLiteral("exchg.dat");

QString zwei(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

// A number beyond int stands at the nearest end of the range.
int wert(const QString& s) {
  const double v = Val(s);
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp<double>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The three fields of a typed time or date: each ends at the separator, or after two digits
// when they stay within the field's limit, else after one; missing digits count as zeros.
void Felder(const QString& eingabe, QChar trenner, int grenze1, int grenze2, int& a, int& b, int& c) {
  QString s = eingabe + QStringLiteral("000");
  qsizetype p = s.indexOf(trenner) + 1;
  if (p == 0) p = wert(s.left(2)) <= grenze1 ? 2 : 1;
  a = wert(s.left(p));
  s = s.mid(p) + QStringLiteral("0000");
  p = s.indexOf(trenner) + 1;
  if (p == 0) p = wert(s.left(2)) <= grenze2 ? 2 : 1;
  b = wert(s.left(p));
  c = wert(s.mid(p, 2));
}

std::optional<int> Antwortcode() {
  // Only the first value counts, so only the file's start is read: a long file is no reason to
  // take the answer for none.
  QByteArray roh;
  if (!readFileStart(kAntwort, 4096, &roh)) return std::nullopt;
  return IR_Antwortcode(roh);
}

}  // namespace

std::optional<int> IR_Antwortcode(const QByteArray& roh) {
  // The first value is read as a number is read from a text file: a byte-order mark, blanks and
  // empty lines before it hold nothing; it ends at a blank, a comma or a line end, so a second
  // value or line never joins it.
  QByteArrayView rest(roh);
  if (rest.startsWith("\xEF\xBB\xBF")) rest = rest.sliced(3);
  const auto trennt = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; };
  qsizetype von = 0;
  while (von < rest.size() && trennt(rest[von]) && rest[von] != ',') ++von;
  qsizetype bis = von;
  while (bis < rest.size() && !trennt(rest[bis])) ++bis;
  const QString text = QString::fromLatin1(rest.sliced(von, bis - von));
  // A value begins with a digit, or a sign or point before one; anything else (a file still
  // being written, a word) is no answer yet.
  qsizetype ziffer = 0;
  if (ziffer < text.size() && (text[ziffer] == u'+' || text[ziffer] == u'-')) ++ziffer;
  if (ziffer < text.size() && text[ziffer] == u'.') ++ziffer;
  if (ziffer >= text.size() || text[ziffer] < u'0' || text[ziffer] > u'9') return std::nullopt;
  // Read as a whole number it is rounded, halves to even as CInt does: "0.6" is 1, "0.5" is 0.
  // A value beyond 16 bits is no code the helper gives and stands at the end of the range.
  if (const std::optional<int16_t> code = CInt(Val(text))) return *code;
  return wert(text);
}

int& IR_ComPort() {
  static int port = 1;
  return port;
}

bool IR_Taste_erlaubt(QChar c, const QString& text, QChar trenner) {
  if (c.isDigit()) return true;
  return c == trenner && !text.endsWith(trenner);
}

Uhrzeit Normalisiere_Uhrzeit(const QString& eingabe) {
  Uhrzeit u;
  Felder(eingabe, u':', 23, 59, u.Stunde, u.Minute, u.Sekunde);
  u.Stunde = std::clamp(u.Stunde, 0, 23);
  u.Minute = std::clamp(u.Minute, 0, 59);
  u.Sekunde = std::clamp(u.Sekunde, 0, 59);
  u.text = zwei(u.Stunde) + u':' + zwei(u.Minute) + u':' + zwei(u.Sekunde);
  return u;
}

Datum Normalisiere_Datum(const QString& eingabe) {
  Datum d;
  Felder(eingabe, u'.', 31, 12, d.Tag, d.Monat, d.Jahr);
  d.Jahr = std::clamp(d.Jahr, 0, 79);
  d.Monat = std::clamp(d.Monat, 1, 12);
  d.Tag = std::clamp(d.Tag, 1, Monatslaenge(d.Monat, d.Jahr).value_or(31));
  d.text = zwei(d.Tag) + u'.' + zwei(d.Monat) + u'.' + zwei(d.Jahr);
  return d;
}

QByteArray Schreibe_IRAnfrage(IRModus modus, int irCom, const QString& zeitmodus, const Uhrzeit& zeit,
                              const Datum& datum) {
  const bool stellen = modus == IRModus::Stellen;
  const QString richtung = modus == IRModus::Lesen ? QStringLiteral("l") : stellen ? QStringLiteral("u") : QStringLiteral("s");
  QString datumzeile = QStringLiteral("01 01 2001");
  if (modus == IRModus::Schreiben) datumzeile += QStringLiteral("   ' Dummy Datum TT MM JJJJ");
  if (stellen)
    datumzeile = zwei(datum.Tag) + u' ' + zwei(datum.Monat) + QStringLiteral(" 2") +
                 QStringLiteral("%1").arg(datum.Jahr, 3, 10, QLatin1Char('0'));
  const QStringList z{
      richtung,
      QStringLiteral(" ") + QString::number(irCom + 3),
      QStringLiteral(" 20"),
      QStringLiteral(" 400"),
      QStringLiteral(" 1"),
      kAustausch,
      stellen ? zeitmodus : QStringLiteral("UZ0"),
      stellen ? zwei(zeit.Stunde) + u' ' + zwei(zeit.Minute) + u' ' + zwei(zeit.Sekunde) : QStringLiteral("00 00 00"),
      datumzeile,
      stellen ? Druckzahl(Wochentag(datum.Tag, datum.Monat, datum.Jahr + 2000)) : QStringLiteral("1"),
  };
  QByteArray out;
  for (const QString& s : z) out += s.toLatin1() + "\r\n";
  return out;
}

bool IR_Anfrage_schreiben(IRModus modus, int irCom, const QString& zeitmodus, const Uhrzeit& zeit,
                          const Datum& datum) {
  const QString datei = QStringLiteral("2zelnix.msg");
  QString fehler;
  if (writeFileAtomically(datei, Schreibe_IRAnfrage(modus, irCom, zeitmodus, zeit, datum), &fehler)) return true;
  refuse(texts().S_UeberFehl + QStringLiteral("\n") + datei + QStringLiteral(": ") + fehler);
  return false;
}

bool IR_Austausch_vorbereiten() { return SchreibeProgrammDatei() == 1 && IR_Austausch_kopieren(); }

bool IR_Austausch_kopieren() {
  QByteArray inhalt;
  QString fehler;
  // The message names the file that failed: the program file it copies, or the copy.
  const QString programm = program().Dateiname[0];
  const bool gelesen = readWholeFile(programm, &inhalt, &fehler);
  if (gelesen && writeFileAtomically(kAustausch, inhalt, &fehler)) return true;
  refuse(texts().S_UeberFehl + QStringLiteral("\n") + (gelesen ? kAustausch : programm) + QStringLiteral(": ") + fehler);
  return false;
}

bool IR_Uebertragung(IRModus modus, const std::function<void(int)>& anzeige) {
  const Wartezeiten& w = wartezeiten();
  const Texts& t = texts();
  int stand = 0;
  auto schritt = [&](int n) {
    stand = std::clamp(stand + n, 0, 100);
    if (anzeige) anzeige(stand);
  };
  auto ende = [&](const QString& text, bool ok) {
    stand = 100;
    if (anzeige) anzeige(stand);
    if (!text.isEmpty()) env().message(text, Buttons::Ok, Icon::None);
    stand = 0;
    if (anzeige) anzeige(stand);
    return ok;
  };
  QFile::remove(kAntwort);
  if (QFile::exists(kAntwort)) return ende(t.S_UeberFehl, false);
  // A read must never present what an earlier one left.
  if (modus == IRModus::Lesen) QFile::remove(kAustausch);
  for (;;) {
    QFile::remove(kAntwort);
    if (QFile::exists(kAntwort)) return ende(t.S_UeberFehl, false);
    schritt(1);
    QProcess prozess;
    if (!Starte_Programm(QStringLiteral("zelnix.exe"), prozess)) return ende({}, false);
    // The answer, while the gauge climbs by one a step up to 99; a helper that has ended
    // without one gets a short grace time.
    std::optional<int> code;
    QDeadlineTimer nachlauf = QDeadlineTimer::Forever;
    while (!code) {
      if (warte_bis([&] { return QFile::exists(kAntwort) && (code = Antwortcode()).has_value(); }, w.irSchrittMs)) break;
      if (prozess.state() == QProcess::NotRunning && nachlauf.isForever()) nachlauf = QDeadlineTimer(w.irNachlaufMs);
      if (stand >= 99 || nachlauf.hasExpired()) break;
      schritt(1);
    }
    if (code) {
      warte(w.irSchrittMs);
      schritt(1);
      code = Antwortcode();
    }
    prozess.waitForFinished(w.irNachlaufMs);
    const int r = code.value_or(2);
    if (r == 0) {
      if (modus == IRModus::Lesen && offeneEingabeformen() > 0) {
        // An entry form opened while the read ran works on the program: it is not replaced.
        env().beep();
        return ende({}, false);
      }
      if (modus == IRModus::Lesen && !Lade_Austauschabbild(kAustausch)) return ende({}, false);
      return ende(t.S_UeberErfo, true);
    }
    if (stand > 50) return ende(r == 1 ? t.S_UeberFehl : t.S_keineRueck, false);
  }
}

}  // namespace qv
