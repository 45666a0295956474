#include "tests/views/ViewFixtures.h"

namespace qv::test {
namespace {

// Synthetic astro times that change over the year; some days have no time.
void fuelleAstro(int kanal, int keineZeit, int basisAuf, int basisUnter) {
  AstroState& a = astro();
  a.AstroAktiv[0] = -1;
  a.AstroAktiv[kanal + 1] = -1;
  for (int d = 0; d < kAstroDays; ++d) {
    TAstroTag& t = a.AstroTab[kanal][d];
    t.Aufgang = static_cast<int16_t>(basisAuf + (d * 7) % 180);
    t.Untergang = static_cast<int16_t>(basisUnter + (d * 5) % 230);
    t.ZustandAuf = 0;
    t.ZustandUnter = 1;
    if (d % 50 == 9) t.Aufgang = static_cast<int16_t>(keineZeit);
    if (d % 60 == 11) t.Untergang = static_cast<int16_t>(keineZeit);
  }
}

void beispiel240() {
  program().Dateiname[0] = QStringLiteral("prog240.qvl");
  setzeSlot(0,
            {
                wochenSz(390, 31, 3, 1, 0, 1),      // Mo-Fr 6:30 C1 C2 ON, P1
                wochenSz(1320, 127, 4, 0, 0, 2),    // daily 22:00 C3 OFF, P2
                wochenSz(425, 96, 8, 1, 45),        // Sa So 7:05 C4 pulse 45 s
                wochenSz(720, 21, 1, 1, 60, 3),     // Mo Mi Fr 12:00, pulse 60 s shows nothing
                datumSz(0, 1, 1, 1, 1, 0, true),    // 1 January 0:00, one-off
                datumSz(1065, 17, 5, 5, 0),         // 17 May 17:45 C1 C3 OFF
                datumSz(1439, 31, 12, 15, 1, 1),    // 31 December 23:59 all, pulse 1 s
                TSz{90, 0, 0, 4, 1, 1},             // minute 1440: only its number
            },
            {
                periodePz(5, 1, 9, 20, 3, 1),                 // 1 May - 20 September, P3
                periodePz(5, 1, 5, 31, 1, 2, 0, 2003 - 1936, true),  // May 2003, P1
                osterPz(0, 2, 1),                             // Easter Sunday, P2
                osterPz(50, 4, 3),                            // a named Easter holiday
                periodePz(12, 24, 12, 26, 10, 15, 1),         // permanent ON over Christmas
                periodePz(11, 15, 2, 28, 10, 4, 0),           // permanent OFF over the new year
            });
  ProgramState& p = program();
  p.SwKopf[0] = 2023 - 1996;
  p.SwProJahr[0] = 0;
  p.SwTab[0][0] = swEintrag(26, 3, 2, 1, 29, 10, 3, 1);
  p.SwTab[0][1] = swEintrag(31, 3, 2, 0, 27, 10, 3, 0);
  p.SwTab[0][2] = swEintrag(30, 3, 1, 2, 26, 10, 2, 3);
  p.AnzSw[0] = 3;
  holidayTable().Feiertage.push_back(TFeiertag{QStringLiteral("Pfingstmontag"), 2, 0, 50, 0});
  holidayTable().AnzFt = 1;
}

void beispiel280() {
  program().Dateiname[0] = QStringLiteral("prog280.qvl");
  setzeSlot(0,
            {
                wochenSz(360, 31, 0, 1, 0, 1),       // channel 1
                wochenSz(1200, 64, 4, 0, 30, 2),     // channel 5, pulse 30 s
                datumSz(615, 3, 10, 15, 1),          // channel 16
                datumSz(5, 29, 2, 7, 0, 0, true),    // channel 8, one-off
            },
            {
                periodePz(6, 15, 9, 20, 2, 7),        // channel 8
                periodePz(1, 1, 1, 6, 10, 0, 1),      // permanent ON, channel 1
                osterPz(-2, 5, 2),                    // Good Friday, channel 3
            });
  ProgramState& p = program();
  p.SwKopf[0] = 2024 - 1996;
  p.SwTab[0][0] = swEintrag(31, 3, 2, 1, 27, 10, 3, 1);
  p.AnzSw[0] = 1;
  AstroState& a = astro();
  for (auto& g : a.AstroGrenzen) {
    g.GrenzeAuf = 420;
    g.GrenzeUnter = 1290;
  }
  fuelleAstro(0, 1535, 300, 1080);
  viewState().firstChannelShown = 1;
}

void beispiel309() {
  program().Dateiname[0] = QStringLiteral("astro.qvl");
  setzeSlot(0,
            {
                wochenSz(450, 127, 1, 1),             // daily 7:30 C1 ON
                wochenSz(1380, 3, 2, 0, 0, 4),        // Mo Di 23:00 C2 OFF, P4
                datumSz(600, 24, 12, 3, 1, 0, true),  // 24 December 10:00 C1 C2, one-off
            },
            {
                periodePz(7, 1, 8, 31, 1, 3),          // July - August, P1
            });
  settings().AstroC1C2 = 1;
  AstroState& a = astro();
  a.AstroKorrAuf = -15;
  a.AstroKorrUnter = 10;
  fuelleAstro(0, 1791, 5, 1100);
}

}  // namespace

void ladeBeispiel(int uhrentyp) {
  waehleUhrentyp(uhrentyp);
  settings().SwRegel = 1;  // European summer time
  if (uhrentyp == 280)
    beispiel280();
  else if (uhrentyp == 309)
    beispiel309();
  else
    beispiel240();
}

QString dump(const GridInhalt& g) {
  QString out;
  out += QStringLiteral("caption: [%1]\n").arg(g.caption);
  out += QStringLiteral("cols: %1 rows: %2 dataRows: %3\n").arg(g.cols).arg(g.rows).arg(g.dataRows);
  QStringList w;
  for (int x : g.widthsTwips) w << QString::number(x);
  out += QStringLiteral("widths: %1\n").arg(w.join(u' '));
  for (int r = 0; r < g.rows; ++r) {
    QString line = QStringLiteral("%1:").arg(r, 3);
    for (int c = 0; c < g.cols; ++c) line += u'[' + g.text(r, c) + u']';
    out += line + u'\n';
  }
  return out;
}

QString dumpViews() {
  QString out;
  for (int view = 0; view < 4; ++view) {
    viewState().AktAnsicht = static_cast<int16_t>(view);
    out += QStringLiteral("== view %1\n").arg(view);
    out += dump(Baue_Gridinhalt(0));
  }
  return out;
}

}  // namespace qv::test
