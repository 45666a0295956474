#pragma once
// Set-up shared by the transfer tests: an application object for the event loop, a fresh state
// with German texts and a clock type, short waits, a start directory and a recording environment.
#include <QCoreApplication>
#include <QFile>
#include <functional>
#include <vector>

#include "model/Environment.h"
#include "model/Programmdatei.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"
#include "tests/views/ViewFixtures.h"
#include "transfer/Wartezeiten.h"

namespace qv::test {

inline void ensureApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_transfer";
  static char* argv[] = {name, nullptr};
  new QCoreApplication(argc, argv);
}

// Three weekday switching times in slot 0, saved as prog1.qvl.
inline void speichereProgramm() {
  ProgramState& p = program();
  for (int i = 0; i < 3; ++i) p.Sz[0][i] = {uint8_t(128 + (360 + 90 * i) / 16), 0, 0, 31, 1, uint8_t(i % 2)};
  p.AnzSz[0] = p.AnzGesamt[0] = 3;
  p.Dateiname[0] = QStringLiteral("prog1.qvl");
  SchreibeProgrammDatei();
}

// The first n whole numbers of a text file.
inline std::vector<uint8_t> werte(const QByteArray& text, int n) {
  std::vector<uint8_t> v;
  for (const QByteArray& w : text.simplified().replace(',', ' ').split(' '))
    if (!w.isEmpty() && int(v.size()) < n) v.push_back(uint8_t(w.toInt()));
  return v;
}

struct TransferTest {
  TransferTest(int uhrentyp = 240) {
    ensureApp();
    resetAllState();
    Setze_TexteDeutsch();
    settings().Sprache = 1;
    waehleUhrentyp(uhrentyp);
    Wartezeiten& w = wartezeiten();
    w = Wartezeiten{};
    w.antwortMs = 300;
    w.ruheMs = 60;
    w.pauseMs = 0;
    w.ruheNachFehlerMs = 250;
    w.irSchrittMs = 20;
    w.irNachlaufMs = 200;
  }
  ~TransferTest() { wartezeiten() = Wartezeiten{}; }
  QStringList texte() const {
    QStringList l;
    for (const ShownMessage& m : env.messages) l << m.text;
    return l;
  }
  StartDir dir;
  ScriptedEnvironment env;
};

// Passes every message on to the scripted user after a look of its own, at the moment the box
// is shown (at the files the program has left, for instance).
class BlickenderNutzer : public Environment {
 public:
  BlickenderNutzer(ScriptedEnvironment& e, std::function<void(const QString&)> blick) : e_(e), blick_(std::move(blick)) {
    setEnvironment(this);
  }
  ~BlickenderNutzer() override { setEnvironment(&e_); }
  Answer message(const QString& text, Buttons b, Icon i, const QString& title) override {
    blick_(text);
    return e_.message(text, b, i, title);
  }
  void beep() override {}
  void setBusy(bool) override {}
  QDateTime now() const override { return e_.now(); }
  QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }

 private:
  ScriptedEnvironment& e_;
  std::function<void(const QString&)> blick_;
};

// Confirms the wait box only once the helper has left its answer, as a user would.
class WartenderNutzer final : public BlickenderNutzer {
 public:
  explicit WartenderNutzer(ScriptedEnvironment& e)
      : BlickenderNutzer(e, [](const QString& text) {
          if (text == texts().S_ZugrBeendet) warte_bis([] { return QFile::exists(QStringLiteral("card.msg")); }, 30000);
        }) {}
};

}  // namespace qv::test
