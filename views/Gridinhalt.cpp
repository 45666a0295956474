#include "views/Gridinhalt.h"

#include <algorithm>
#include <cmath>

#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Feiertage.h"
#include "model/Kalender.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "views/Anzeigeliste.h"
#include "views/Zelltexte.h"

namespace qv {
namespace {

constexpr int kAstroZeilen = 367;
constexpr int kKeineZeit280 = 1535;

void setLayout(GridInhalt& g, int rows, const QVector<int>& widths, const QStringList& header) {
  g.cols = static_cast<int>(widths.size());
  g.rows = rows;
  g.widthsTwips = widths;
  g.cells = QVector<QStringList>(rows, QStringList(QVector<QString>(g.cols)));
  g.cells[0] = header;
}

void put(GridInhalt& g, int r, int c, const QString& text) {
  if (r > 0 && r < g.rows && c >= 0 && c < g.cols) g.cells[r][c] = text;
}

int laufendesJahr() { return env().now().date().year(); }

QString kanalZelle(const TSz& rec) {
  // A value device's priority time keeps its channel less one, as the priority entry stores it.
  if (profile().Geraetefamilie == 1) return texts().S_C + QString::number(Sz_Kanal(rec) + (Sz_Art(rec) == 5 ? 1 : 0));
  return Kanal_Text(Sz_Kanal(rec));
}

void fillSwitchingTimes(GridInhalt& g, int slot) {
  const Texts& t = texts();
  const ViewState& v = viewState();
  const bool typ309 = profile().Uhrentyp == 309;
  g.caption = (slot == 1 ? t.S_Vorlage : QString()) + t.S_Schaltzeitlist + u'(' + program().Dateiname[slot] + u')';
  Baue_Anzeigeliste(v.filter.FilterAn, slot);
  g.dataRows = v.AnzAnzeige;
  const int rows = std::max(v.AnzAnzeige + 2, static_cast<int>(v.MinZeilen));
  if (typ309) {
    setLayout(g, rows, {500, 2400, 1400, 3400, 800, 1400, 1400},
              {t.S_Nr, t.S_DatumTage, t.S_Uhrzeit, t.S_Kanaele2, QStringLiteral("1x"), t.S_Zust, t.S_Prio});
  } else {
    setLayout(g, rows, {500, 2400, 1400, 2000, 1400, 800, 1400, 1400},
              {t.S_Nr, t.S_DatumTage, t.S_Uhrzeit, t.S_Kanaele2, t.S_Impuls, QStringLiteral("1x"), t.S_Zust,
               t.S_Prio});
  }
  const int shift = typ309 ? 1 : 0;  // 309 has no pulse column
  for (int r = 1; r <= v.AnzAnzeige; ++r) {
    const TSz& rec = v.Anzeigeliste[r - 1];
    put(g, r, 0, Zeilennummer_Text(r));
    if (Sz_Minuten(rec) >= 1440) continue;
    put(g, r, 1, rec.w0 >= 128 ? Wochentage_Text(rec) : Datum_Text(Sz_Tag(rec), Sz_Monat(rec)));
    put(g, r, 2, Uhrzeit_Text(Sz_Minuten(rec)));
    put(g, r, 3, kanalZelle(rec));
    if (!typ309) {
      const int puls = Sz_Impuls(rec);
      if (puls >= 1 && puls <= 59) put(g, r, 4, QString::number(puls) + t.S_sec);
    }
    put(g, r, 5 - shift, Einmal_Text(Ist_Einmalig(rec)));
    put(g, r, 6 - shift, Zustand_Text(rec));
    const int prio = Sz_Prio(rec);
    if (prio != 0) put(g, r, 7 - shift, QString::number(prio));
  }
}

void fillPriorityTimes(GridInhalt& g, int slot) {
  const Texts& t = texts();
  const ViewState& v = viewState();
  g.caption =
      (slot == 1 ? t.S_Vorlage : QString()) + t.S_Prioritaetslist + u'(' + program().Dateiname[slot] + u')';
  Baue_Anzeigeliste(2 - v.filter.FilterAn, slot);
  g.dataRows = v.AnzAnzeige;
  const int rows = std::max(v.AnzAnzeige + 2, static_cast<int>(v.MinZeilen));
  setLayout(g, rows, {500, 2600, 2600, 2000, 800, 1400, 1400},
            {t.S_Nr, t.S_Beginn, t.S_Ende, t.S_Kanaele2, QStringLiteral("1x"), t.S_Zust, t.S_Prio});
  const int jahr = laufendesJahr();
  const QString uhr0 = QStringLiteral(" 00") + t.S_Doppelpunkt + QStringLiteral("00 ") + t.S_Uhr;
  const QString uhr24 = QStringLiteral(" 24") + t.S_Doppelpunkt + QStringLiteral("00 ") + t.S_Uhr;
  for (int r = 1; r <= v.AnzAnzeige; ++r) {
    const TSz& rec = v.Anzeigeliste[r - 1];
    if (Bit_Feld(5, 6, rec.w0) != 3) continue;
    put(g, r, 0, Zeilennummer_Text(r));
    if (rec.w0 == 96) {
      put(g, r, 1, Oster_Name(Pz_Osterwert(rec)));
      put(g, r, 2, uhr0 + QStringLiteral(" -") + uhr24);
    } else {
      put(g, r, 1,
          Datum_Text(Pz_Beginn_Tag(rec, jahr), Pz_Beginn_Monat(rec, jahr)) + u' ' + Jahr_Text(Pz_Jahrcode(rec)) +
              uhr0);
      put(g, r, 2, Datum_Text(Pz_Ende_Tag(rec, jahr), Pz_Ende_Monat(rec, jahr)) + uhr24);
    }
    put(g, r, 3, kanalZelle(rec));
    put(g, r, 4, Einmal_Text(Ist_Einmalig(rec)));
    const int prio = Sz_Prio(rec);
    put(g, r, 6, prio >= 10 ? t.S_Perm : QString::number(prio));
    if (prio == 10) put(g, r, 5, Zustand_Text(rec));
  }
}

QString umstellung(int tag, int monat, int stunde) {
  const Texts& t = texts();
  return Datum_Text(tag, monat) + u' ' + QString::number(stunde) + t.S_Doppelpunkt + QStringLiteral("00 ") + t.S_Uhr;
}

QString verschiebung(int stunden) {
  const Texts& t = texts();
  if (stunden == 1) return t.S_1Stunde;
  return QString::number(stunden) + u' ' + t.S_Stunden;
}

void fillChangeoverTable(GridInhalt& g, int slot) {
  const Texts& t = texts();
  const ProgramState& p = program();
  g.caption = t.S_SoWiTabe + QStringLiteral(" (") + p.Dateiname[slot] + u')';
  const int anz = std::clamp<int>(p.AnzSw[slot], 0, kSwEntries);
  g.dataRows = anz;
  const int rows = std::max(anz + 2, static_cast<int>(viewState().MinZeilen));
  setLayout(g, rows, {500, 2000, 2800, 1600, 2800, 1600},
            {t.S_Nr, t.S_Jahr, t.S_Vorstellen, t.S_um, t.S_Zurueckstellen, t.S_um});
  for (int r = 1; r <= anz; ++r) {
    const TSwEintrag& e = p.SwTab[slot][r - 1];
    put(g, r, 0, r < 10 ? u' ' + QString::number(r) : QString::number(r));
    put(g, r, 1, QString::number(SoWi_Jahr(r - 1, slot)));
    put(g, r, 2, umstellung(e.w1 / 16 + (e.w0 % 2) * 16, e.w1 % 16, e.w0 / 16));
    put(g, r, 3, verschiebung((e.w0 / 2) % 4));
    put(g, r, 4, umstellung((e.w3 / 16) % 16 + (e.w2 % 2) * 16, e.w3 % 16, e.w2 / 16));
    put(g, r, 5, verschiebung((e.w2 / 2) % 4));
  }
}

// A corrected astro time of the types other than 280; a sum outside the day has no time.
QString korrigierteZeit(int minuten, float korrektur, bool sommer) {
  const long summe = std::lround(static_cast<double>(minuten) + korrektur) + (sommer ? 60 : 0);
  if (summe < 0 || summe > 1439) return Uhrzeit_Text(1440);
  return Uhrzeit_Text(static_cast<int>(summe));
}

void fillAstroTimes(GridInhalt& g, int slot) {
  const Texts& t = texts();
  const AstroState& a = astro();
  const bool typ280 = profile().Uhrentyp == 280;
  const int k = Angezeigter_Astrokanal();
  g.caption = t.S_Astrozeiten2 + QStringLiteral(" (") + program().Dateiname[slot] + u')';
  setLayout(g, kAstroZeilen, {500, 2700, 2700, 2700, 2700},
            {t.S_Nr, t.S_Kanaele2, t.S_am, t.S_Ausschalten, t.S_Einschalten});
  if (a.AstroAktiv[k + 1] != -1) return;

  const int jahr = laufendesJahr();
  const int tage = Tage_im_Jahr(jahr);
  g.dataRows = tage;
  QString kanal;
  if (typ280)
    kanal = t.S_C + QString::number(k + 1);
  else if (settings().AstroC1C2 != 0)
    kanal = t.S_C + u'1' + u' ' + t.S_C + u'2';
  else
    kanal = t.S_C + u'1';
  const QString* zustand[] = {&t.S_AUS, &t.S_EIN};
  const TAstroEinst& grenze = a.AstroGrenzen[k];
  for (int r = 1; r <= tage; ++r) {
    const TAstroTag& d = a.AstroTab[k][r - 1];
    const int tag = Tag_aus_Jahrestag(r, jahr);
    const int monat = Monat_aus_Jahrestag(r, jahr);
    const bool sommer = Ist_Sommerzeit(tag, monat, jahr) == 1;
    put(g, r, 0, Zeilennummer_Text(r));
    put(g, r, 1, kanal);
    put(g, r, 2, Datum_Text(tag, monat));
    if (!typ280) {
      put(g, r, 3, korrigierteZeit(d.Aufgang, a.AstroKorrAuf, sommer));
      put(g, r, 4, korrigierteZeit(d.Untergang, a.AstroKorrUnter, sommer));
      continue;
    }
    // Type 280: summer shift, then never before the sunrise limit, never after the sunset limit.
    if (d.Aufgang == kKeineZeit280) {
      put(g, r, 3, Uhrzeit_Text(kKeineZeit280));
    } else {
      const int auf = d.Aufgang + (sommer ? 60 : 0);
      put(g, r, 3, Uhrzeit_Text(std::max(auf, static_cast<int>(grenze.GrenzeAuf))) + QStringLiteral(": ") +
                       *zustand[d.ZustandAuf != 0 ? 1 : 0]);
    }
    if (d.Untergang == kKeineZeit280) {
      put(g, r, 4, Uhrzeit_Text(kKeineZeit280));
    } else {
      const int unter = d.Untergang + (sommer ? 60 : 0);
      put(g, r, 4, Uhrzeit_Text(unter > grenze.GrenzeUnter ? grenze.GrenzeUnter : unter) + QStringLiteral(": ") +
                       *zustand[d.ZustandUnter != 0 ? 1 : 0]);
    }
  }
}

}  // namespace

QString Zeilennummer_Text(int r) {
  if (r < 10) return QStringLiteral("  ") + QString::number(r);
  if (r < 100) return u' ' + QString::number(r);
  return QString::number(r);
}

int Angezeigter_Astrokanal() {
  if (profile().Uhrentyp != 280) return 0;
  const int kanal = viewState().firstChannelShown;
  return (kanal >= 1 && kanal <= kAstroChannels) ? kanal - 1 : 0;
}

GridInhalt Baue_Gridinhalt(int slot) {
  GridInhalt g;
  slot = std::clamp(slot, 0, kSlots - 1);
  // A fill always replaces the row count, also when it draws no data rows.
  viewState().AnzGridZeilen = 0;
  switch (viewState().AktAnsicht) {
    case 0:
      fillSwitchingTimes(g, slot);
      break;
    case 1:
      fillPriorityTimes(g, slot);
      break;
    case 2:
      fillChangeoverTable(g, slot);
      break;
    case 3:
      fillAstroTimes(g, slot);
      break;
    default:
      return g;
  }
  g.filled = true;
  viewState().AnzGridZeilen = static_cast<int16_t>(g.dataRows);
  return g;
}

}  // namespace qv
