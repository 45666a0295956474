#include "calendar/Programmsimulation.h"

#include <algorithm>

#include "model/Kalender.h"
#include "model/Texte.h"
#include "views/Zelltexte.h"

namespace qv {
namespace {

int jahrestag(int tag, int monat, int jahr) { return Tage_bis_Monatsende(monat - 1, jahr) + tag; }

}  // namespace

std::optional<QString> Tageszeile(int kanal, int tag, int monat, int jahr, int prog, int einMinuten) {
  if (prog < 0 || prog >= kFarben) return std::nullopt;
  return QStringLiteral("C") + QString::number(kanal) + QStringLiteral(", ") +
         Wochentag_Name(Wochentag(tag, monat, jahr)) + u' ' + Datum_Text(tag, monat) + u' ' + QString::number(jahr) +
         QStringLiteral(", ") + Legendentext(prog) + QStringLiteral("  ") + texts().S_Betriebsstunde +
         Dauer_Text(einMinuten);
}

Programmsimulation::Programmsimulation(int ersterKanal) : captionKanal_(std::max(ersterKanal, 1)) {
  SimKanal = static_cast<int16_t>(captionKanal_);
}

int Programmsimulation::kanalzahl() const { return profile().Kanalzahl; }

void Programmsimulation::Jahr_waehlen(int jahr) {
  SimJahr = static_cast<int16_t>(jahr);
  SimTag = static_cast<int16_t>(std::min<int>(SimTag, Tage_im_Monat(SimMonat, SimJahr).value_or(1)));
  Erste_Zeichnung();
}

void Programmsimulation::Erste_Zeichnung() {
  // The channel group is the one the frame showed when the window opened.
  kalender = Rechne_pzgrafik(SimJahr, captionKanal_);
  if (!kalender.spalte(SimKanal)) SimKanal = kalender.ErsterKanal;
  TagProg = static_cast<int16_t>(kalender.programm(SimKanal, jahrestag(SimTag, SimMonat, SimJahr) - 1));
  rechneTag();
}

bool Programmsimulation::gehe_zu_Jahrestag(int d) {
  if (d < 1 || d > Tage_im_Jahr(SimJahr)) return false;
  SimTag = static_cast<int16_t>(Tag_aus_Jahrestag(d, SimJahr));
  SimMonat = static_cast<int16_t>(Monat_aus_Jahrestag(d, SimJahr));
  if (SimKanal == 0) SimKanal = static_cast<int16_t>(ersterKanal());
  TagProg = static_cast<int16_t>(kalender.programm(SimKanal, d - 1));
  rechneTag();
  return true;
}

bool Programmsimulation::Vortag() { return gehe_zu_Jahrestag(jahrestag(SimTag, SimMonat, SimJahr) - 1); }
bool Programmsimulation::Folgetag() { return gehe_zu_Jahrestag(jahrestag(SimTag, SimMonat, SimJahr) + 1); }

void Programmsimulation::Waehle(const Treffer& t) {
  SimTag = static_cast<int16_t>(t.tag);
  SimMonat = static_cast<int16_t>(t.monat);
  TagProg = kalender.ProgTag[t.zeile][jahrestag(t.tag, t.monat, SimJahr) - 1];
  SimKanal = static_cast<int16_t>(ersterKanal() + t.zeile);
  rechneTag();
}

QString Programmsimulation::Betriebsstunden() {
  const int32_t total = Jahresbetriebsstunden(SimKanal, SimJahr);
  rechneTag();
  return QStringLiteral("C") + QString::number(SimKanal) + QStringLiteral(", ") + texts().S_Jahresbetriebs +
         Dauer_Text(total);
}

void Programmsimulation::rechneTag() { tag = Rechne_SzGrafik(SimKanal, SimTag, SimMonat, SimJahr, TagProg); }

std::optional<QString> Programmsimulation::Tageszeile() const {
  return qv::Tageszeile(SimKanal, SimTag, SimMonat, SimJahr, TagProg, tag.EinMinuten);
}

std::optional<QString> Programmsimulation::Vorschau(const Treffer& t) const {
  const int kanal = ersterKanal() + t.zeile;
  const int prog = kalender.ProgTag[t.zeile][jahrestag(t.tag, t.monat, SimJahr) - 1];
  // The hovered day's own on-time, not that of the day still drawn.
  const int ein = Rechne_SzGrafik(kanal, t.tag, t.monat, SimJahr, prog).EinMinuten;
  return qv::Tageszeile(kanal, t.tag, t.monat, SimJahr, prog, ein);
}

QString Programmsimulation::datumsteil() const {
  return QStringLiteral("C") + QString::number(SimKanal) + QStringLiteral(", ") + Datum_Text(SimTag, SimMonat) +
         u' ' + QString::number(SimJahr) + QStringLiteral(", P ") + QString::number(TagProg);
}

QString Programmsimulation::Ablesung(int minute) const { return datumsteil() + u' ' + Uhrzeit_kurz(minute); }

QString Programmsimulation::Ruhezeile() const {
  return datumsteil() + QStringLiteral("  ") + texts().S_Betriebsstunde + Dauer_Text(tag.EinMinuten);
}

Jahresstreifen Programmsimulation::Streifen() const {
  return male_PZGrafik(kalender, SimJahr, kanalzahl(), ersterKanal(), Farbe);
}

Tagesbild Programmsimulation::Tagbild(int start) const { return male_SZGrafik(tag, start, TagProg, Farbe); }

}  // namespace qv
