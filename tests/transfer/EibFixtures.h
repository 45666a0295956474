#pragma once
// A bus session over the in-process simulated coupler: German texts, brand 1, a start directory
// for "protocol.txt" and "appl.old", and short waits.
#include <QCoreApplication>
#include <QStringList>
#include <memory>

#include "model/Cp1252.h"
#include "model/Sortierung.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "tests/support/EibSimulator.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"
#include "transfer/EibSeriell.h"
#include "transfer/EibVerbindung.h"

namespace qv::test {

inline void eibAnwendung() {
  static int argc = 1;
  static char name[] = "test_transfer";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

struct EibStand {
  StartDir dir;
  ScriptedEnvironment env;
  SimulierterKoppler koppler;
  BusSitzung s{&koppler};

  EibStand() {
    eibAnwendung();
    resetAllState();
    Setze_Markentexte(1);
    Setze_TexteDeutsch();
    s.timing.empfangMs = 150;
    s.timing.pausenFaktor = 0.001;
    s.Protokoll_neu();
  }
  SimSchaltuhr& uhr(uint16_t adresse) { return koppler.kern.neu<SimSchaltuhr>(adresse); }
  QStringList log() {
    // This session's lines so far; another session's (a bus window's) are in the file already.
    if (!s.Protokoll_bisher().isEmpty()) s.Protokoll_sichern();
    QStringList l = cp1252::decode(dir.read(QStringLiteral("protocol.txt"))).split(QStringLiteral("\r\n"));
    if (!l.isEmpty() && l.back().isEmpty()) l.pop_back();
    return l;
  }
};

// The same with the real serial driver on COM 2, a pseudo-terminal to the simulated coupler.
struct PtyStand : EibStand {
  Ft12Koppler pty;
  SerielleEibSchnittstelle seriell;
  explicit PtyStand(int wiederholMs = 300, int empfangMs = 1000) : seriell(wiederholMs) {
    qputenv("QUORVEL_COM2", pty.slavePath().toLocal8Bit());
    s.setTreiber(&seriell);
    s.EIB_ComPort = 1;
    s.timing.empfangMs = empfangMs;
  }
  ~PtyStand() { qunsetenv("QUORVEL_COM2"); }
};

inline // Ten records (switching and priority times) and three changeover entries in slot 0.
void zehnSaetze() {
  ProgramState& p = program();
  const TSz saetze[10] = {{130, 16, 0, 127, 1, 1}, {140, 0, 0, 31, 2, 0},  {5, 0x35, 0, 12, 1, 1},
                          {200, 48, 0, 96, 3, 4},  {150, 0x21, 0, 1, 4, 1}, {100, 0x14, 0, 20, 0x11, 0x50},
                          {0, 0, 0, 1, 1, 0},      {217, 255, 0, 127, 255, 255}, {127, 0x1a, 0, 31, 2, 0x91},
                          {89, 15, 0, 31, 8, 1}};
  for (int i = 0; i < 10; ++i) p.Sz[0][i] = saetze[i];
  p.AnzSz[0] = 8;
  p.AnzPz[0] = 2;
  p.AnzGesamt[0] = 10;
  p.AnzSw[0] = 3;
  p.SwKopf[0] = 30 + 64;
  p.SwProJahr[0] = 1;
  for (int i = 0; i < 3; ++i) p.SwTab[0][i] = {static_cast<uint8_t>(32 + i), 0x53, 0x31, static_cast<uint8_t>(0xAA + i)};
  for (int i = 3; i < kSwEntries; ++i) p.SwTab[0][i] = {255, 255, 255, 255};
  settings().SwRegel = 4;
  SortiereSz(1, 0);
}

inline QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

}  // namespace qv::test
