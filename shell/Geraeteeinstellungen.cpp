#include "shell/Geraeteeinstellungen.h"

#include <algorithm>
#include <tuple>

#include "model/Ansicht.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "model/Uebernahme.h"
#include "model/Zustand.h"

namespace qv {
namespace {

constexpr int kPerioden[12] = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};

// The settings a program file keeps (header and device image): changing one changes the program.
auto Programmwerte(const DeviceSettings& e) {
  return std::tuple(e.SwRegel, e.SpracheUhr, e.AstroC1C2, e.MessKanal, e.MessPeriode, e.MessImpDauer, e.MessZustand,
                    e.MessZeitpunkt);
}

QString eintrag(const QStringList& l, int i) { return i >= 0 && i < l.size() ? l[i] : QString(); }

QString kanalText(int k) {
  const Texts& t = texts();
  switch (k) {
    case 1: return t.S_aufKanal1;
    case 2: return t.S_aufKanal2;
    case 3: return t.S_aufKanal3;
    case 4: return t.S_aufKanal4;
    default: return t.S_keinMess;
  }
}

}  // namespace

bool Zeigt_Messimpuls() { return profile().Uhrentyp == 240 && profile().Evu == 1; }
bool Zeigt_Sprache() { return profile().Uhrentyp == 240; }
bool Zeigt_Astro() { return profile().Uhrentyp == 309; }

QStringList Lpt_Eintraege() {
  const Texts& t = texts();
  return {t.S_ueberLPT + QStringLiteral("1 (378H)"), t.S_ueberLPT + QStringLiteral("2 (278H)"),
          t.S_ueberLPT + QStringLiteral("3 (3BCH)"), t.S_ueberCOM + QStringLiteral("1 "),
          t.S_ueberCOM + QStringLiteral("2 "),       t.S_ueberCOM + QStringLiteral("3 "),
          t.S_ueberCOM + QStringLiteral("4 ")};
}

QStringList SwRegel_Eintraege() {
  const Texts& t = texts();
  return {t.S_keineUmsc, t.S_wieEuropa, t.S_wieGrossbrit, t.S_wieUSA, t.S_lautTabe};
}

QStringList Sprache_Eintraege() { return {texts().S_franzoesisch, texts().S_deutEngl}; }

QStringList Perioden_Eintraege() {
  QStringList l;
  for (int n : kPerioden) l << texts().S_Messperiode + u' ' + QString::number(n) + u' ' + texts().S_Min;
  return l;
}

QStringList Dauer_Eintraege(int anzahl) {
  QStringList l;
  for (int n = 1; n <= anzahl; ++n) l << texts().S_Impulslaenge2 + u' ' + QString::number(n) + u' ' + texts().S_sec;
  return l;
}

QStringList Zustand_Eintraege() { return {texts().S_MessRelEin, texts().S_MessRelAus}; }
QStringList Lage_Eintraege() { return {texts().S_BegiPeri, texts().S_EndePeri}; }

QStringList Messkanal_Eintraege(QVector<int>* kanaele) {
  QStringList l{texts().S_keinMess};
  QVector<int> k{0};
  const int n = std::min<int>(profile().Kanalzahl, 4);
  for (int c = 1; c <= n; ++c) {
    if (Kanal_frei(c) != 1) continue;
    l << kanalText(c);
    k << c;
  }
  if (kanaele) *kanaele = k;
  return l;
}

QString Verzoegerung_Text(int faktor) { return texts().S_Verzoegerungsfa + QStringLiteral(" :") + QString::number(faktor); }
QString Zeilen_Text(int zeilen) { return QString::number(zeilen) + texts().S_Zeilen; }

int Periodenindex(int m) {
  if (m >= 1 && m <= 6) return m - 1;
  if (m >= 7 && m <= 10) return 6;
  if (m >= 11 && m <= 12) return 7;
  if (m >= 13 && m <= 15) return 8;
  if (m >= 16 && m <= 20) return 9;
  if (m >= 21 && m <= 30) return 10;
  return 11;
}

std::optional<int> Periode_aus_Index(int index) {
  if (index < 0 || index > 11) return std::nullopt;
  return kPerioden[index];
}

int Dauer_Anzahl(int periodenindex) { return periodenindex == 0 ? 59 : 60; }

int Dauerindex(int sekunden, int anzahl) { return std::clamp(sekunden, 1, anzahl) - 1; }

std::optional<int> Ziffertaste(int wert, int ziffer, int maximum) {
  const int neu = wert / 10 * 10 + ziffer;
  if (neu == 0 || neu >= maximum) return std::nullopt;
  return neu;
}

Einstellstellung Anfangsstellung() {
  const DeviceSettings& e = settings();
  Einstellstellung s;
  s.lpt = std::clamp(e.Lpt - 1, 0, 6);
  s.maxDelay = e.MaxDelay < 1 ? 25 : e.MaxDelay;
  s.faktor = std::clamp(e.Delay / 4, 1, s.maxDelay);
  s.zeilen = std::clamp<int>(e.Zeilen, 30, 120);
  s.swRegel = std::clamp<int>(e.SwRegel, 0, 4);
  if (Zeigt_Sprache()) s.sprache = std::clamp<int>(e.SpracheUhr, 0, 1);
  if (Zeigt_Astro()) s.astro = e.AstroC1C2 == 1 ? 1 : 0;
  if (Zeigt_Messimpuls()) {
    QVector<int> kanaele;
    Messkanal_Eintraege(&kanaele);
    // A channel the program now uses is no longer offered: the pulse goes.
    s.messKanal = kanaele.contains(e.MessKanal) ? e.MessKanal : 0;
    s.periode = Periodenindex(e.MessPeriode);
    s.dauer = Dauerindex(e.MessImpDauer, Dauer_Anzahl(s.periode));
    s.zustand = std::clamp<int>(e.MessZustand, 0, 1);
    s.lage = std::clamp<int>(e.MessZeitpunkt, 0, 1);
  }
  return s;
}

namespace {

using E = Einstellstellung;
constexpr int E::*kFelder[] = {&E::lpt,   &E::faktor,    &E::maxDelay, &E::zeilen, &E::swRegel,  &E::sprache,
                               &E::astro, &E::messKanal, &E::periode,  &E::dauer,  &E::zustand, &E::lage};

}  // namespace

Einstellstellung Geaenderte_Stellung(const Einstellstellung& gezeigt, const Einstellstellung& jetzt,
                                     const Einstellstellung& aktuell) {
  return Geaendertes_ueber(gezeigt, jetzt, aktuell, kFelder);
}

Einstellstellung Nachgefuehrte_Stellung(Einstellstellung& gezeigt, const Einstellstellung& jetzt,
                                        const Einstellstellung& aktuell) {
  return Nachgefuehrt(gezeigt, jetzt, aktuell, kFelder);
}

void Uebernimm_Einstellung(const Einstellstellung& s) {
  DeviceSettings& e = settings();
  const auto vorher = Programmwerte(e);
  if (s.astro >= 0) e.AstroC1C2 = static_cast<int16_t>(s.astro);
  if (s.sprache >= 0) e.SpracheUhr = static_cast<int16_t>(s.sprache);
  if (s.messKanal == 0) {
    e.MessKanal = 0;
  } else if (s.messKanal > 0) {
    e.MessKanal = static_cast<int16_t>(s.messKanal);
    if (const auto p = Periode_aus_Index(s.periode)) e.MessPeriode = static_cast<int16_t>(*p);
    if (s.dauer >= 0) e.MessImpDauer = static_cast<int16_t>(s.dauer + 1);
    if (s.zustand >= 0) e.MessZustand = static_cast<int16_t>(s.zustand);
    if (s.lage >= 0) e.MessZeitpunkt = static_cast<int16_t>(s.lage);
  }
  e.Delay = static_cast<int16_t>(s.faktor * 4);
  e.Delay2 = static_cast<int16_t>(e.Delay * 20);
  e.Lpt = static_cast<int16_t>(s.lpt + 1);
  e.SwRegel = static_cast<int16_t>(s.swRegel);
  e.Zeilen = static_cast<int16_t>(s.zeilen);
  FilterSettings& f = viewState().filter;
  if (profile().Geraetefamilie == 1 && f.FilterProgBis > 8) f.FilterProgBis = 8;
  if (Programmwerte(e) != vorher) program().Geaendert = 1;
}

SettingsFileValues Einstellung_Dateiwerte(const Einstellstellung& s) {
  SettingsFileValues v = settingsFromGlobals();
  v.Lpt = static_cast<int16_t>(s.lpt + 1);
  v.DelayFaktor = static_cast<float>(s.faktor);
  v.Zeilen = static_cast<int16_t>(s.zeilen);
  v.MaxDelay = static_cast<int16_t>(s.maxDelay);
  v.SwRegel = static_cast<int16_t>(s.swRegel);
  if (s.sprache >= 0) v.SpracheUhr = static_cast<int16_t>(s.sprache);
  // Without the astro group the choice holds nothing, and the line carries no value.
  v.AstroC1C2 = s.astro >= 0 ? std::optional<int16_t>(static_cast<int16_t>(s.astro)) : std::nullopt;
  if (s.messKanal >= 0) v.MessKanal = static_cast<int16_t>(s.messKanal);
  if (const auto p = Periode_aus_Index(s.periode)) v.MessPeriode = static_cast<int16_t>(*p);
  if (s.dauer >= 0) v.MessImpDauer = static_cast<int16_t>(s.dauer + 1);
  if (s.zustand >= 0) v.MessZustand = static_cast<int16_t>(s.zustand);
  if (s.lage >= 0) v.MessZeitpunkt = static_cast<int16_t>(s.lage);
  return v;
}

void Fuelle_Geraetetexte(const Einstellstellung& s, std::array<QString, 16>& g) {
  const Texts& t = texts();
  for (int i = 1; i <= 8; ++i) g[i].clear();
  g[11].clear();
  g[12].clear();
  if (profile().Uhrentyp == 240) {
    g[11] = t.S_SpraUhr;
    g[12] = eintrag(Sprache_Eintraege(), s.sprache);
    if (Zeigt_Messimpuls()) {
      g[1] = t.S_Messimpuls;
      g[2] = kanalText(s.messKanal);
      if (s.messKanal > 0) {
        g[3] = eintrag(Dauer_Eintraege(Dauer_Anzahl(s.periode)), s.dauer);
        g[4] = eintrag(Perioden_Eintraege(), s.periode);
        g[5] = eintrag(Zustand_Eintraege(), s.zustand);
        g[6] = eintrag(Lage_Eintraege(), s.lage);
      }
    }
  } else if (profile().Uhrentyp == 309) {
    g[7] = t.S_AstrWirk;
    g[8] = s.astro == 1 ? QStringLiteral("C1 + C2") : QStringLiteral("C1");
  }
  g[9] = t.S_SommWint;
  g[10] = eintrag(SwRegel_Eintraege(), s.swRegel);
  g[13] = t.S_ZugrChip;
  g[14] = eintrag(Lpt_Eintraege(), s.lpt);
  g[15] = Verzoegerung_Text(s.faktor);
}

std::array<QString, 16>& GeraeteText() {
  static std::array<QString, 16> g;
  return g;
}

void Aktualisiere_Geraetetexte() { Fuelle_Geraetetexte(Anfangsstellung(), GeraeteText()); }

}  // namespace qv
