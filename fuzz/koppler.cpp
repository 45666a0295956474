// What the serial bus coupler sends: the FT1.2 pieces taken off the received bytes as the serial
// driver does, the messages it delivers awaited by the link layer as confirmations, device answers
// and memory answers, and each one decoded as the clock's mailbox answer.
#include <deque>

#include "fuzz/FuzzSupport.h"
#include "model/Zustand.h"
#include "transfer/EibGeraet.h"
#include "transfer/EibProgramm.h"
#include "transfer/EibSeriell.h"
#include "transfer/EibVerbindung.h"

namespace {

constexpr uint16_t kUhr = 0x1101;  // the clock the session talks to

// The serial driver's delivery side over bytes already received: every frame passes through
// the same FT1.2 parser, a message longer than the receive buffer is not delivered.
class EmpfangsTreiber final : public qv::EibTreiber {
 public:
  explicit EmpfangsTreiber(QByteArray bytes) {
    while (std::optional<qv::ft12::Stueck> s = qv::ft12::Zerlege(bytes))
      if (s->art == qv::ft12::Stueck::Variabel && !s->daten.isEmpty() && s->daten.size() <= 39)
        nachrichten.push_back(QByteArray(1, static_cast<char>(s->daten.size())) + s->daten);
  }
  int16_t EIB_Open(int16_t, int16_t, int16_t, int16_t, int16_t) override { return 0; }
  int16_t EIB_ResetAst() override { return 0; }
  int16_t EIB_ResetBcu() override { return 0; }
  int16_t EIB_SetLayer(int16_t) override { return 0; }
  int16_t EIB_Send(const QByteArray&) override { return 0; }
  int16_t EIB_SendStatus(int16_t& a, int16_t& b, int16_t& fertig) override {
    a = b = fertig = 0;
    return 0;
  }
  int16_t EIB_Receive(qv::EibPuffer& puffer, int16_t& laenge) override {
    puffer.fill(0);
    laenge = 0;
    if (nachrichten.empty()) return 0;
    const QByteArray m = nachrichten.front();
    nachrichten.pop_front();
    std::copy(m.begin(), m.end(), puffer.begin());
    laenge = static_cast<int16_t>(m.size());
    return 0;
  }
  int16_t EIB_Close() override { return 0; }
  std::deque<QByteArray> nachrichten;
};

}  // namespace

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::fuzz::useClockType(240);
  EmpfangsTreiber treiber(qv::fuzz::bytesOf(data, size));
  for (size_t i = 0; i < treiber.nachrichten.size(); ++i) {
    const QByteArray& antwort = treiber.nachrichten[i];
    qv::Dekodiere_BusRegel(antwort);
    qv::Dekodiere_BusSw(static_cast<int>(i % 22), antwort);
    qv::Dekodiere_BusSz(static_cast<int>(i), antwort);
    qv::Ist_Listenende(antwort);
    qv::Nicht_Alles_FF(antwort);
  }
  qv::BusSitzung s(&treiber);
  s.timing.empfangMs = 0;
  s.timing.pausenFaktor = 0;
  for (int schritt = 0; !treiber.nachrichten.empty(); ++schritt) {
    QByteArray daten;
    uint16_t adresse = 0;
    switch (schritt % 4) {
      case 0: s.Erwarte_Bestaetigung(daten); break;
      case 1: s.Erwarte_Antwort(kUhr, daten); break;
      case 2: qv::Erwarte_Speicher(s, kUhr, adresse, daten); break;
      default: qv::Erwarte_Maskenversion(s, kUhr, daten); break;
    }
  }
  return 0;
}
