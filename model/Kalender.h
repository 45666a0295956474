#pragma once
// Calendar arithmetic of the time switch: leap years (every fourth year, no century rule),
// day numbers, weekdays, Easter, summer time and how records relate to a year.
#include <QString>
#include <cstdint>
#include <optional>

#include "model/Zustand.h"

namespace qv {

int Tage_im_Jahr(int jahr);
std::optional<int> Tage_im_Monat(int monat, int jahr);
std::optional<int> Monatslaenge(int monat, int jahr);
int Tage_bis_Monatsende(int monat, int jahr);
int Monat_aus_Jahrestag(int jahrestag, int jahr);
int Tag_aus_Jahrestag(int jahrestag, int jahr);
int Vergleiche_Datum(int tag1, int monat1, int jahr1, int tag2, int monat2, int jahr2);

int Wochentag(int tag, int monat, int jahr);  // 1 Monday .. 7 Sunday
QString Wochentag_Name(int nr);
int Rechne_Ostern(int jahr);  // day number of Easter Sunday

// Summer time by the rule settings().SwRegel (4 = the changeover table of slot 0).
int Ist_Sommerzeit(int tag, int monat, int jahr);
int SoWi_Jahr(int nr, int speicher);
int SoWi_Tag_Vor(const TSwEintrag& e);
int SoWi_Monat_Vor(const TSwEintrag& e);
int SoWi_Tag_Zurueck(const TSwEintrag& e);
int SoWi_Monat_Zurueck(const TSwEintrag& e);

int Pz_Jahresbezug(int jahr, const TSz& rec);
int32_t Minuten_seit_Wochen_Sz(int wochentag, const TSz& rec);
int32_t Minuten_seit_Datum_Sz(int tag, int monat, int jahr, const TSz& rec);

}  // namespace qv
