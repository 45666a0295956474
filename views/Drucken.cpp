#include "views/Drucken.h"

#include <algorithm>

#include "model/Ansicht.h"
#include "model/Dateinamen.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Geraeteeinstellungen.h"
#include "shell/Sprache.h"
#include "views/Kopfanzeige.h"
#include "views/Meldungstexte.h"

namespace qv {
namespace {

constexpr int kFelder = 8;

QString Nummernzeile(int slot) {
  return texts().S_Programmnummer + QStringLiteral(": ") + Programmnummer_Text(program().Programmnummer[slot]);
}

Druckzeile Felder(const GridInhalt& g, int r, const QVector<int>& tab) {
  Druckzeile z;
  for (int c = 0; c < kFelder; ++c) z.append(Druckfeld{tab[c], c < std::min(g.cols, kFelder) ? g.text(r, c) : QString()});
  return z;
}

QString Tabzeile(const GridInhalt& g, int r) {
  QStringList f;
  for (int c = 0; c < kFelder; ++c) f << (c < std::min(g.cols, kFelder) ? g.text(r, c) : QString());
  return f.join(u'\t');
}

int Zeilenzahl(const Druckzeile& z) { return static_cast<int>(Zeilen_setzen(z).size()); }

// The lines of the fullest page: its header and Zeilen rows, and one more line wherever a text
// runs past the next field's column, so that no page spills onto a page without header.
int Seitenhoehe(const GridInhalt& g, const QVector<int>& tab, int zeilen, const Druckzeile (&kopf)[7]) {
  int kopfzeilen = 0;
  for (const Druckzeile& z : kopf) kopfzeilen += Zeilenzahl(z);
  int hoechste = 7 + zeilen;
  for (int l = 1; l <= g.dataRows; l += zeilen) {
    int n = kopfzeilen;
    for (int r = l; r <= std::min(l + zeilen - 1, g.dataRows); ++r) n += Zeilenzahl(Felder(g, r, tab));
    hoechste = std::max(hoechste, n);
  }
  return hoechste;
}

// The columns of the longest line a list prints.
int Zeilenbreite(const GridInhalt& g, const QVector<int>& tab, const Druckzeile (&kopf)[7]) {
  int breite = 0;
  auto miss = [&breite](const Druckzeile& felder) {
    for (const Druckzeile& z : Zeilen_setzen(felder)) breite = std::max(breite, static_cast<int>(Zeile_als_Text(z).size()));
  };
  for (const Druckzeile& z : kopf) miss(z);
  for (int r = 1; r <= g.dataRows; ++r) miss(Felder(g, r, tab));
  return breite;
}

void melde(const QString& fehler) { env().message(fehler, Buttons::Ok, Icon::Critical); }

}  // namespace

PrintState& printState() {
  static PrintState s;
  return s;
}

QString Drucker_nicht_bereit() { return Meldung(Meldungstext::DruckerNichtBereit); }

bool Etwas_zu_drucken() {
  const PrintState& s = printState();
  return s.DruckSz == 1 || s.DruckPz == 1 || s.DruckSw == 1 || s.DruckAstro == 1 || s.DruckGeraet == 1 ||
         s.DruckAnsicht != 0;
}

QString Textdateiname(const QString& name) {
  if (name.isEmpty()) return {};
  const int k = Endung_Pos(name);
  return (k > 0 ? name.left(name.size() - k) : name) + QStringLiteral(".txt");
}

QString Geraeteeigenschaften_Titel() {
  return Entferne_Zeichen(Entferne_Zeichen(texts().S_mnuGeraeteeigensch, QStringLiteral("&")), QStringLiteral("."));
}

QVector<int> Drucktabulatoren(int ansicht) {
  switch (ansicht) {
    case 1: return {5, 10, 42, 74, 90, 95, 102, 107};
    case 2: return {5, 9, 15, 39, 49, 73, 83, 85};
    case 3: return {5, 10, 20, 35, 60, 85, 109, 111};
    default: return {5, 10, 35, 55, 71, 79, 84, 90};
  }
}

QVector<int> Drucktabulatoren(int ansicht, const GridInhalt& g) {
  QVector<int> tab = Drucktabulatoren(ansicht);
  const int felder = std::min(g.cols, kFelder);
  for (int c = 0; c + 1 < kFelder; ++c) {
    // The text and one blank before the next field (also an empty one, which a text reaching it
    // would push onto a line of its own); a trailing blank counts as that blank.
    int breite = 0;
    for (int r = 0; c < felder && r <= g.dataRows; ++r) {
      const QString text = g.text(r, c);
      if (text.trimmed().isEmpty()) continue;
      const int n = static_cast<int>(text.size());
      breite = std::max(breite, text.endsWith(u' ') ? n : n + 1);
    }
    tab[c + 1] = std::max(tab[c + 1], tab[c] + breite);
  }
  return tab;
}

int Druckzeilen(int zeilen) { return zeilen >= 30 && zeilen <= 120 ? zeilen : 65; }

QString Listentitel(int ansicht, int slot, bool gefiltert) {
  const Texts& t = texts();
  const QString von = u' ' + t.S_von2 + u' ' + program().Dateiname[slot];
  const QString filter = QStringLiteral(", ") + (gefiltert ? t.S_gefiltert : t.S_ungefiltert);
  switch (ansicht) {
    case 0: return t.S_Schaltzeiten + von + filter;
    case 1: return t.S_Prioritaetszeit + von + filter;
    case 2: return t.S_SoWiTabe + von;
    default: return t.S_Astrozeiten2 + von;
  }
}

QString Kanalzeile(int slot) {
  QStringList teile;
  const int n = std::min<int>(profile().Kanalzahl, 4);
  for (int k = 0; k < n; ++k) teile << Kanalbeschriftung(k) + u' ' + program().Kanalname[Kanal_von_Feld(k) - 1][slot];
  return teile.join(QStringLiteral(", "));
}

void Drucke_Grid(Zeilendrucker& d, const GridInhalt& g, int ansicht, int slot, bool gefiltert) {
  const Texts& t = texts();
  const QString titel = Listentitel(ansicht, slot, gefiltert);
  const QString kanaele = Kanalzeile(slot);
  const bool evu = profile().Evu == 1;
  const QString verwendung = program().Verwendung[slot];
  if (d.istDatei()) {
    d.drucke({{1, titel}});
    d.drucke({});
    d.drucke({{1, t.S_Verwendung + u'\t' + verwendung}});
    if (evu) d.drucke({{1, Nummernzeile(slot)}});
    d.drucke({});
    d.drucke({{1, kanaele}});
    d.drucke({});
    for (int r = 0; r <= g.dataRows; ++r) d.drucke({{1, Tabzeile(g, r)}});
    d.drucke({});
    d.drucke({});
    return;
  }
  const QVector<int> tab = Drucktabulatoren(ansicht, g);
  const int zeilen = Druckzeilen(settings().Zeilen);
  const Druckzeile kopf[] = {{{5, titel}, {60, t.S_Seite + u'1'}},
                             {{5, t.S_Verwendung}, {20, verwendung}},
                             evu ? Druckzeile{{5, Nummernzeile(slot)}} : Druckzeile{},
                             {{5, kanaele}},
                             {},
                             Felder(g, 0, tab),
                             {}};
  d.zeilenJeSeite(Seitenhoehe(g, tab, zeilen, kopf));
  d.spaltenJeZeile(Zeilenbreite(g, tab, kopf));
  d.setzeY(300);
  for (int l = 1; l <= g.dataRows; ++l) {
    if (l % zeilen == 1) {
      if (l != 1) {
        d.neueSeite();
        d.setzeY(300);
      }
      d.hervorhebung(true, true);
      d.drucke({{5, titel}, {60, t.S_Seite + QString::number(l / zeilen + 1)}});
      d.hervorhebung(true, false);
      for (int k = 1; k < 7; ++k) d.drucke(kopf[k]);
    }
    d.hervorhebung(false, false);
    d.drucke(Felder(g, l, tab));
  }
}

void Drucke_Geraeteeigenschaften(Zeilendrucker& d, int slot) {
  const Texts& t = texts();
  const auto& g = GeraeteText();
  const QString kanaele = Kanalzeile(slot);
  const QString titel = g[0] + u' ' + t.S_von2 + u' ' + program().Dateiname[slot];
  const QString seite = t.S_Seite + QStringLiteral("1");
  const bool evu = profile().Evu == 1;
  const QString verwendung = program().Verwendung[slot];
  d.setzeY(300);
  if (d.istDatei()) {
    d.drucke({{1, titel}, {60, seite}});
    d.drucke({{1, t.S_Verwendung}, {0, verwendung}});
    if (evu) d.drucke({{1, Nummernzeile(slot)}});
    for (const QString& z : {QString(), kanaele, QString()}) d.drucke({{1, z}});
    for (int i : {1, 2, 3, 4, 5, 6, -1, 9, 10, -1, 11, 12, -1, 13, 14, 15, -1})
      d.drucke({{1, i < 0 ? QString() : g[i]}});
    d.drucke({{1, g[7] + u' ' + g[8]}});
    d.drucke({});
    return;
  }
  d.setzeY(300);
  d.hervorhebung(false, true);
  d.drucke({{5, titel}, {60, seite}});
  d.hervorhebung(false, false);
  d.drucke({{5, t.S_Verwendung}, {20, verwendung}});
  d.drucke(evu ? Druckzeile{{5, Nummernzeile(slot)}} : Druckzeile{});
  d.drucke({{5, kanaele}});
  d.drucke({});
  d.drucke({});
  // Each block: the caption at column 5, its values at column 10, one per line.
  const QVector<QVector<int>> bloecke{{1, 2, 3, 4, 5, 6}, {9, 10}, {11, 12}, {13, 14, 15}};
  for (const QVector<int>& b : bloecke) {
    d.drucke({{5, g[b[0]]}});
    for (int k = 1; k < b.size(); ++k) d.drucke({{10, g[b[k]]}});
    d.drucke({});
  }
  d.drucke({{5, g[7] + u' ' + g[8]}});
  d.drucke({});
}

void Drucke_Listen() {
  PrintState& s = printState();
  ViewState& v = viewState();
  ProgramState& p = program();
  std::unique_ptr<Zeilendrucker> datei;
  bool abgebrochen = false;
  if (s.DruckInDatei == 1) {
    const QString name = Textdateiname(p.Dateiname[0]);
    if (name.isEmpty()) {
      refuse(texts().S_KeineDatei);
      abgebrochen = true;
    } else {
      datei = std::make_unique<Textdatei_Drucker>(name);
    }
  }
  const int16_t ansicht = v.AktAnsicht;
  const int16_t filterAn = v.filter.FilterAn;

  // One job per list on the printer; all into the one file otherwise.
  auto ausgabe = [&](const std::function<void(Zeilendrucker&)>& drucke) {
    if (abgebrochen) return;
    if (datei) {
      drucke(*datei);
      return;
    }
    std::unique_ptr<Zeilendrucker> job = s.neuerDruckauftrag ? s.neuerDruckauftrag() : nullptr;
    QString fehler;
    if (!job) {
      fehler = Drucker_nicht_bereit();
    } else {
      drucke(*job);
      if (job->ende(&fehler)) return;
    }
    melde(fehler);
    abgebrochen = true;
  };

  int16_t* const wahl[4] = {&s.DruckSz, &s.DruckPz, &s.DruckSw, &s.DruckAstro};
  for (int a = 0; a < 4; ++a) {
    if (*wahl[a] != 1) continue;
    *wahl[a] = 0;
    v.AktAnsicht = static_cast<int16_t>(a);
    v.filter.FilterAn = 0;
    const GridInhalt g = Baue_Gridinhalt(0);
    ausgabe([&](Zeilendrucker& d) { Drucke_Grid(d, g, a, 0, false); });
  }
  if (s.DruckGeraet == 1) {
    s.DruckGeraet = 0;
    v.filter.FilterAn = 0;
    // The texts the settings dialog would leave, without opening it.
    Aktualisiere_Geraetetexte();
    ausgabe([&](Zeilendrucker& d) { Drucke_Geraeteeigenschaften(d, 0); });
  }
  if (s.DruckAnsicht != 0) {
    s.DruckAnsicht = 0;
    // The grid as shown: the view, slot and filter of the moment, under the shown slot's name.
    v.AktAnsicht = ansicht;
    v.filter.FilterAn = filterAn;
    const int slot = p.AktSpeicher == 1 ? 1 : 0;
    const GridInhalt g = Baue_Gridinhalt(slot);
    ausgabe([&](Zeilendrucker& d) { Drucke_Grid(d, g, ansicht, slot, filterAn != 0); });
  }
  s.DruckSz = s.DruckPz = s.DruckSw = s.DruckAstro = s.DruckGeraet = s.DruckAnsicht = 0;

  v.AktAnsicht = ansicht;
  v.filter.FilterAn = filterAn;
  callHook(hooks().Fuelle_Grid, static_cast<int>(p.AktSpeicher));
  if (datei && !abgebrochen) {
    QString fehler;
    if (!datei->ende(&fehler)) melde(fehler);
  }
}

}  // namespace qv
