#pragma once
// State of the main window's program views: the view and slot shown, the selected rows, the
// display list behind the switching-time and priority lists, the display filter and the exchange
// values of the grid-cell dialog. One instance for the whole run (viewState()).
#include <cstdint>

#include "model/Zustand.h"

namespace qv {

constexpr int kAnzeigeEintraege = 501;  // display list entries 0..500
constexpr int kMinZeilenStart = 27;

// The display filter record: never stored, reset by every start-up load (Filter_Startwerte).
struct FilterSettings {
  int16_t FilterKanal = 255;   // mask of channels 1..4, or on type 280 the channel number, 255 all
  int16_t FilterWtag = 127;    // weekday mask, Monday 1 .. Sunday 64
  int16_t FilterMonVon = 1;    // 0 = weekly program only, 1..12
  int16_t FilterMonBis = 12;   // -1 when FilterMonVon is 0
  int16_t FilterEinAus = 2;    // family 0: 0 OFF, 1 ON, 2 both; family 1: 0 equal, 1 up to, 2 from
  int16_t FilterImpuls = 2;    // 0 no pulses, 1 pulses only, 2 all
  int16_t FilterProgVon = 0;   // 0 none, 1..9, 10 permanent
  int16_t FilterProgBis = 10;  // 7 in family 1 at start-up
  int16_t FilterWert = 0;      // family 1 value 0..255
  int16_t FilterAn = 0;        // -1 = the lists are filtered
};

struct ViewState {
  int16_t AktAnsicht = 0;  // 0 switching times, 1 priority times, 2 changeover table, 3 astro times
  int16_t EingabeModus = 0;  // entry forms: 0 new, 1 change, 2 copy
  int16_t SelVon = 0;      // first and last selected display row, 0-based
  int16_t SelBis = 0;
  bool KeinRefresh = false;  // the next activation of the main window does not refill the grid
  int16_t MinZeilen = kMinZeilenStart;
  int16_t AnzGridZeilen = 0;  // data rows of the last grid fill

  // The frame's first channel shown (the number after the first character of the first channel
  // caption): 1, 5, 9 or 13 on the 16-channel type, or in the astro view the astro channel.
  int16_t firstChannelShown = 1;

  // Display list: copies of the records shown and their index in the slot.
  TSz Anzeigeliste[kAnzeigeEintraege]{};
  int16_t ZeileZuSz[kAnzeigeEintraege]{};
  int16_t AnzAnzeige = 0;

  FilterSettings filter;

  // Grid-cell dialog exchange.
  int16_t GridDlgArt = 0;
  int16_t GridDlgZeit = 0;
  int16_t GridDlgOption = 0;   // 0 delete, 1 change to, 2 shift by; the option used last
  int16_t GridDlgWert = 0;     // switching state of the cell
  int GridDlgVerschiebung = 0; // -1 cancelled, 0, or the shift in minutes
  int16_t GridDlgOffen = -1;   // 0 while the dialog is open

  ViewState();
};

ViewState& viewState();
// Back to the values at process start.
void resetViewState();

// The filter record as every start-up load leaves it; FilterProgBis depends on the device family.
FilterSettings filterStartValues(int geraetefamilie);
// Puts viewState().filter back to its start-up values for the current device family.
void Filter_Startwerte();

}  // namespace qv
