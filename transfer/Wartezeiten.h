#pragma once
// Every wait of the transfers in one table, so that tests can shorten them, and the wait itself:
// it yields to the event loop on a monotonic clock.
#include <functional>

namespace qv {

struct Wartezeiten {
  int antwortMs = 500;     // no byte of an answer within this: time-out
  int ruheMs = 100;        // an answer is complete after this long without a new byte
  int antwortMaxMs = 2000; // a line that never falls quiet ends here
  int pauseMs = 2000;      // before the block loop of a key transfer
  int irSchrittMs = 1000;  // one gauge step while the infrared program runs
  int irNachlaufMs = 2000; // after the infrared program has ended without an answer file
  // After a time-out, a retry or an answer out of turn the line must stay quiet this long before
  // the next frame: longer than an adapter's answer comes late.
  int ruheNachFehlerMs = 1000;
};

Wartezeiten& wartezeiten();

// Runs the event loop until fertig() is true or ms have passed; true when fertig() became true.
bool warte_bis(const std::function<bool()>& fertig, int ms);
// Yields to the event loop for ms.
void warte(int ms);

}  // namespace qv
