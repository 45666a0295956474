#pragma once
// Brand-dependent globals, all set at once by the brand set-up at start-up.
#include <QString>
#include <cstdint>

namespace qv {

struct Brand {
  QString S_Titel;       // product title: captions and message-box titles
  QString S_Hersteller;  // brand word
  int16_t Markengruppe = 0;
  QString S_Startbild;
  QString S_Infobild;
  QString S_InfoZeile[6];
  QString S_InfoVon;
  int16_t PosStartbild[12]{};  // twips
  int16_t PosInfo[16]{};       // twips
  int16_t EibHersteller = 0;
  int16_t EibKennung[6]{};
  uint32_t FarbeInfo[2]{};     // red in the low byte
  QString S_Typ[21];           // clock-type names S_Typ01..S_Typ20 at [1]..[20]; [0] unused
  QString S_Modellkurz;
};

Brand& brand();

}  // namespace qv
