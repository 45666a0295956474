#include "views/Filterdialog.h"

#include <algorithm>

#include "model/Texte.h"

namespace qv {
namespace {

constexpr int kAlleKanaele = 255;
constexpr int kPermanent = 10;
constexpr int kPermanentItem1 = 8;  // the Permanent item of family 1

QStringList monate() {
  const Texts& t = texts();
  return {t.S_Januar, t.S_Februar, t.S_Maerz,     t.S_April,   t.S_Mai,      t.S_Juni,
          t.S_Juli,   t.S_August,  t.S_September, t.S_Oktober, t.S_November, t.S_Dezember};
}

}  // namespace

QStringList Programmliste(int geraetefamilie) {
  const Texts& t = texts();
  QStringList l{t.S_keine, t.S_ProgP1, t.S_ProgP2, t.S_ProgP3, t.S_ProgP4, t.S_ProgP5, t.S_ProgP6, t.S_ProgP7};
  if (geraetefamilie != 1) l << t.S_ProgP8 << t.S_ProgP9;
  l << t.S_Permanent;
  return l;
}

int Programm_Item(int p, int geraetefamilie) {
  if (geraetefamilie == 1 && p >= kPermanentItem1) return kPermanentItem1;
  return p;
}

QStringList Vonmonatsliste() { return QStringList{texts().S_nurWoch} + monate(); }

QStringList Bismonatsliste(int von) {
  if (von < 1 || von > 12) return {};
  return monate().mid(von - 1);
}

QStringList Kanalliste(int kanalzahl) {
  QStringList l{texts().S_alle};
  for (int n = 1; n <= kanalzahl; ++n) l << texts().S_Kanal + u' ' + QString::number(n);
  return l;
}

int Kanal_Item(int filterKanal, int kanalzahl) {
  // Channel numbers run 0..kanalzahl-1; everything else (255 above all) is "alle".
  return filterKanal >= 0 && filterKanal < kanalzahl ? filterKanal + 1 : 0;
}

int Kanal_aus_Item(int item) { return item >= 1 ? item - 1 : kAlleKanaele; }

int Kanalmaske(const bool kanal[4]) {
  int m = 0;
  for (int i = 0; i < 4; ++i)
    if (kanal[i]) m |= 1 << i;
  return m;
}

int Wochentagmaske(const bool tag[7]) {
  int m = 0;
  for (int i = 0; i < 7; ++i)
    if (tag[i]) m |= 1 << i;
  return m;
}

FilterdialogStellung Filterdialog_Stellung(const FilterSettings& f, int geraetefamilie, int kanalzahl) {
  FilterdialogStellung s;
  for (int i = 0; i < 4; ++i) s.kanal[i] = (f.FilterKanal >> i) & 1;
  s.kanalItem = Kanal_Item(f.FilterKanal, kanalzahl);
  for (int i = 0; i < 7; ++i) s.tag[i] = (f.FilterWtag >> i) & 1;

  s.vonMonat = std::clamp<int>(f.FilterMonVon, 0, 12);
  s.bisMonat = s.vonMonat == 0 ? -1 : std::clamp(f.FilterMonBis - s.vonMonat, 0, 12 - s.vonMonat);

  const int letztes = static_cast<int>(Programmliste(geraetefamilie).size()) - 1;
  s.vonProg = std::clamp(Programm_Item(f.FilterProgVon, geraetefamilie), 0, letztes);
  s.bisProg = std::clamp(Programm_Item(f.FilterProgBis, geraetefamilie) - s.vonProg, 0, letztes - s.vonProg);

  s.einAus = std::clamp<int>(f.FilterEinAus, 0, 2);
  s.impuls = std::clamp<int>(f.FilterImpuls, 0, 2);
  s.wert = std::clamp<int>(f.FilterWert, 0, 255);
  return s;
}

FilterSettings Filterdialog_Ergebnis(const FilterdialogStellung& s, int geraetefamilie, int uhrentyp) {
  FilterSettings f;
  f.FilterWtag = static_cast<int16_t>(Wochentagmaske(s.tag));
  f.FilterMonVon = static_cast<int16_t>(s.vonMonat);
  f.FilterMonBis = static_cast<int16_t>(s.bisMonat + s.vonMonat);
  f.FilterProgVon = static_cast<int16_t>(s.vonProg);
  int bis = s.bisProg + s.vonProg;
  if (geraetefamilie == 1 && bis >= kPermanentItem1) bis = kPermanent;
  f.FilterProgBis = static_cast<int16_t>(bis);
  f.FilterImpuls = static_cast<int16_t>(s.impuls);
  f.FilterEinAus = static_cast<int16_t>(s.einAus);
  f.FilterWert = static_cast<int16_t>(s.wert);
  f.FilterKanal = static_cast<int16_t>(uhrentyp == 280 ? Kanal_aus_Item(s.kanalItem) : Kanalmaske(s.kanal));
  f.FilterAn = -1;
  return f;
}

}  // namespace qv
