#include "views/Kopfanzeige.h"

#include <algorithm>

#include "model/Abbild.h"
#include "model/Ansicht.h"
#include "model/Cp1252.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/Val.h"
#include "model/Zustand.h"
#include "views/Rahmenzustand.h"

namespace qv {
namespace {

QString hex(int v) { return QString::number(v & 0xFFFF, 16).toUpper(); }

constexpr int kKeineNummer = kKeineProgrammnummer;

}  // namespace

QString Speicherzeit_Text(const uint8_t kopf[8], int codierbyte) {
  const Texts& t = texts();
  if (kopf[6] == 0) return t.S_DateiUnge;
  if ((kopf[1] & 128) == 0) {
    const int minuten = kopf[4] * 16 + kopf[5] / 16;
    const int stunden = minuten / 60;
    const int rest = minuten % 60;
    return t.S_DateiVom + QString::number(kopf[6]) + u'.' + QString::number(kopf[5] % 16) + u'.' +
           QString::number(kopf[7] + 1872) + u' ' + QString::number(stunden) + t.S_Doppelpunkt +
           QStringLiteral("%1").arg(rest, 2, 10, QChar(u'0'));
  }
  return QStringLiteral(" Mastercard ") + hex(TauscheNibbles(kopf[4])) + u' ' + hex(TauscheNibbles(kopf[3])) + u' ' +
         hex(codierbyte);
}

QString Programmnummer_Text(int32_t nummer) {
  if (nummer < 0 || nummer > 999999) return {};
  return QStringLiteral("%1").arg(nummer, 6, 10, QChar(u'0'));
}

Programmnummer_Ergebnis Pruefe_Programmnummer_Text(const QString& text, int32_t alt) {
  const double wert = Val(text);
  if (wert == 0 && !text.contains(u'0')) {
    // An empty box removes a number that was set; it keeps its text.
    if (alt < 1000000) return {kKeineNummer, true, text};
    return {alt, false, text};
  }
  const auto v = static_cast<int32_t>(std::clamp(wert, 0.0, 999999.0));
  return {v, v != alt, Programmnummer_Text(v)};
}

QString Pruefe_Programmnummer(const QString& text, int m) {
  ProgramState& p = program();
  m = m == 1 ? 1 : 0;
  const Programmnummer_Ergebnis e = Pruefe_Programmnummer_Text(text, p.Programmnummer[m]);
  if (e.geaendert) {
    p.Programmnummer[m] = e.nummer;
    p.Geaendert = 1;
  }
  return e.text;
}

QString Kanalbeschriftung(int i) {
  static const char* const kAnfang[4] = {"C1:", "C2 : ", "C3 :", "C4 :"};
  const int erster = viewState().firstChannelShown;
  if (frameState().anfangsBeschriftung && erster == 1 && i >= 0 && i < 4) return QString::fromLatin1(kAnfang[i]);
  return u'C' + QString::number(Kanal_von_Feld(i)) + u':';
}

int Kanal_von_Feld(int i) { return std::clamp(viewState().firstChannelShown + i, 1, kChannelNames); }

int Sichtbare_Kanalfelder() {
  if (profile().Uhrentyp == 280 && viewState().AktAnsicht == 3) return 1;
  return std::clamp<int>(profile().Kanalzahl, 0, 4);
}

bool Blaettern_sichtbar() { return profile().Kanalzahl < 1 || profile().Kanalzahl > 4; }

int Blaettere_Kanaele(int erster, bool vorwaerts, bool astroansicht) {
  if (astroansicht) {
    int n = (erster < 1 || erster > 4) ? 1 : erster;
    if (vorwaerts && n < 4) ++n;
    if (!vorwaerts && n > 1) --n;
    return n;
  }
  int n = std::clamp(std::max(erster, 0) / 4 * 4 + 1, 1, 13);
  if (vorwaerts && n < 13) n += 4;
  if (!vorwaerts && n > 1) n -= 4;
  return n;
}

void Blaettere(bool vorwaerts) {
  ViewState& v = viewState();
  v.firstChannelShown = static_cast<int16_t>(Blaettere_Kanaele(v.firstChannelShown, vorwaerts, v.AktAnsicht == 3));
  frameState().anfangsBeschriftung = false;
}

void Astrokanal_begrenzen() {
  ViewState& v = viewState();
  if (profile().Uhrentyp == 280 && (v.firstChannelShown < 1 || v.firstChannelShown > 4)) {
    v.firstChannelShown = 1;
    frameState().anfangsBeschriftung = false;
  }
}

void Kanaele_zuruecksetzen() {
  viewState().firstChannelShown = 1;
  frameState().anfangsBeschriftung = false;
}

void Kanalgruppe_ausrichten() {
  if (!Blaettern_sichtbar()) return;
  ViewState& v = viewState();
  v.firstChannelShown = static_cast<int16_t>(std::clamp((v.firstChannelShown - 1) / 4 * 4 + 1, 1, 13));
}

bool Speichere_Kanalname(int i, const QString& text, int m) {
  ProgramState& p = program();
  m = m == 1 ? 1 : 0;
  QString& name = p.Kanalname[Kanal_von_Feld(i) - 1][m];
  if (text == name) return false;
  name = text;
  p.Geaendert = 1;
  return true;
}

bool Speichere_Verwendung(const QString& text, int m) {
  ProgramState& p = program();
  m = m == 1 ? 1 : 0;
  if (text == p.Verwendung[m]) return false;
  p.Verwendung[m] = text;
  p.Geaendert = 1;
  return true;
}

bool Speichere_Schreibschutz(int zustand) {
  DeviceSettings& s = settings();
  if (zustand - 1 == s.Schreibschutz) return false;
  s.Schreibschutz = static_cast<int16_t>(zustand - 1);
  program().Geaendert = 1;
  return true;
}

bool Schreibschutz_sichtbar() { return profile().Uhrentyp == 309 || profile().Bewft == 1; }

QString Belegung_Titel(int m) { return brand().S_Titel + u' ' + program().Dateiname[m == 1 ? 1 : 0]; }

QString Belegung_Text(int m) {
  const Texts& t = texts();
  const ProgramState& p = program();
  m = m == 1 ? 1 : 0;
  const QString von = u' ' + t.S_von + u' ';
  return QString::number(p.AnzSz[m]) + u' ' + t.S_Schaltzeiten + QStringLiteral(", ") + QString::number(p.AnzPz[m]) +
         u' ' + t.S_Prioritaetszeit + QStringLiteral(", ") + t.S_beleSpei + QString::number(p.AnzGesamt[m]) + von +
         QString::number(profile().MaxSz) + QStringLiteral(", ") + t.S_SoWiTabe + u' ' + QString::number(p.AnzSw[m]) +
         von + QStringLiteral("20");
}

bool Zeichen_erlaubt_Nummer(QChar c) { return (c >= u'0' && c <= u'9') || c == u' ' || c == QChar(8); }

bool Zeichen_erlaubt_Kanalname(QChar c) { return c.unicode() < 0x20 || cp1252::storable(c); }

bool Zeichen_erlaubt_Text(QChar c) { return c != u',' && Zeichen_erlaubt_Kanalname(c); }

}  // namespace qv
