#include "model/Kopfdaten.h"

#include "model/Environment.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "model/Zustand.h"

namespace qv {

std::array<uint8_t, 4> Kopf_Zeitstempel(const QDateTime& moment) {
  const QTime time = moment.time();
  const QDate date = moment.date();
  const int t = time.hour() * 60 + time.minute();
  return {static_cast<uint8_t>(t / 16), static_cast<uint8_t>((t % 16) * 16 + date.month()),
          static_cast<uint8_t>(date.day()), static_cast<uint8_t>((date.year() - 1872) & 255)};
}

int BCD_zu_Dez(int x) {
  const int lo = x & 15;
  const int hi = (x >> 4) & 15;
  return (hi > 9 || lo > 9) ? 255 : hi * 10 + lo;
}

void Baue_Kopfdaten() {
  ProgramState& p = program();
  Uhrenprofil& pr = profile();
  DeviceSettings& s = settings();

  if (p.AnzSw[0] != 0 && s.SwRegel != 4 &&
      env().message(texts().S_habenSomm, Buttons::YesNo, Icon::Exclamation) == Answer::Yes)
    s.SwRegel = 4;

  const int familieUndKanaele = s.SwRegel * 16 + pr.Geraetefamilie * 8 + (pr.Kanalzahl - 1);
  int byte2 = 0;
  switch (pr.Uhrentyp) {
    case 240:
      pr.Geraetecode = static_cast<int16_t>(Hat_Osterbezug() | (pr.Geraetecode & 128));
      byte2 = familieUndKanaele;
      break;
    case 280: byte2 = s.SwRegel * 16; break;
    case 309: byte2 = familieUndKanaele; break;
    default: return;
  }

  const bool astroTyp = pr.Uhrentyp == 309;
  int optionen = 1;
  if (s.OptDatum) optionen |= 2;
  if (astroTyp || s.SpracheUhr) optionen |= 4;
  if (s.OptFunk) optionen |= 8;
  if (s.OptNak) optionen |= 16;
  if (s.OptDauer) optionen |= 32;
  if (!astroTyp && (pr.Geraetecode & 128) && s.Codierbyte != 0) optionen |= 128;

  uint8_t* kopf = p.Kopf[0];
  kopf[0] = 0;
  kopf[1] = static_cast<uint8_t>(pr.Geraetecode & 255);
  kopf[2] = static_cast<uint8_t>(byte2 & 255);
  kopf[3] = static_cast<uint8_t>(optionen);
  // One reading of the clock, so the stamp never mixes two moments around midnight.
  const auto stempel = Kopf_Zeitstempel(env().now());
  for (int j = 0; j < 4; ++j) kopf[4 + j] = stempel[j];
}

}  // namespace qv
