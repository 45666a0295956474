#include "tests/support/KeyAdapterSim.h"

#include <chrono>

namespace qv::test {
namespace {

void schlafe(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

KeyAdapterSim::KeyAdapterSim(int groesse) : speicher_(static_cast<size_t>(groesse), 0xFF) {
  thread_ = std::thread([this] { lauf(); });
}

KeyAdapterSim::~KeyAdapterSim() {
  ende_ = true;
  thread_.join();
}

void KeyAdapterSim::plane(const std::vector<Stoerung>& s) {
  std::lock_guard<std::mutex> l(mutex_);
  plan_.assign(s.begin(), s.end());
}

std::vector<uint8_t> KeyAdapterSim::speicher() const {
  std::lock_guard<std::mutex> l(mutex_);
  return speicher_;
}

void KeyAdapterSim::setSpeicher(const std::vector<uint8_t>& s) {
  std::lock_guard<std::mutex> l(mutex_);
  speicher_ = s;
}

void KeyAdapterSim::lauf() {
  while (!ende_) {
    const QByteArray laenge = pty_.readExactly(1, 20);
    if (laenge.isEmpty()) continue;
    const auto ankunft = std::chrono::steady_clock::now();
    // The length byte and the rest may come in one piece or several.
    const int n = static_cast<uint8_t>(laenge[0]);
    QByteArray rest = pty_.readExactly(n, 200);
    if (rest.size() != n) continue;
    // The pseudo-terminal carries the program's bytes at once; a paced line would still be busy
    // with the rest of the frame.
    if (const int baud = baud_; baud > 0)
      std::this_thread::sleep_until(ankunft + std::chrono::duration<double>(10.0 * n / baud));
    antworte(laenge + rest);
  }
}

void KeyAdapterSim::sende(const QByteArray& bytes) {
  const int baud = baud_;
  if (baud <= 0) {
    pty_.write(bytes);
    return;
  }
  // Paced: each byte leaves when the line would have carried the ones before it.
  using Uhr = std::chrono::steady_clock;
  const auto start = Uhr::now();
  const double proByte = 10.0 / baud;
  for (int i = 0; i < bytes.size(); ++i) {
    std::this_thread::sleep_until(start + std::chrono::duration<double>(proByte * (i + 1)));
    pty_.write(bytes.mid(i, 1));
  }
}

void KeyAdapterSim::antworte(const QByteArray& r) {
  ++rahmen_;
  Stoerung st;
  {
    std::lock_guard<std::mutex> l(mutex_);
    if (!plan_.empty()) {
      st = plan_.front();
      plan_.pop_front();
    }
  }
  const int n = static_cast<uint8_t>(r[0]);
  const bool gross = n == 4 || n == 19;
  const uint8_t dev = static_cast<uint8_t>(r[1]);
  const int adr = gross ? static_cast<uint8_t>(r[2]) * 256 + static_cast<uint8_t>(r[3])
                        : ((dev >> 1) & 7) * 256 + static_cast<uint8_t>(r[2]);
  if (st.art == Stoerung::Schweigen) return;
  if (st.pauseMs > 0 && st.art != Stoerung::Geteilt) schlafe(st.pauseMs);

  QByteArray a;
  if (alt_ && gross) {
    a = QByteArray("\x02\xA1", 2);
  } else if (st.art == Stoerung::KeinChip || st.art == Stoerung::ChipStumm || st.art == Stoerung::Leitungsfehler) {
    const char s = st.art == Stoerung::KeinChip ? char(0x83) : st.art == Stoerung::ChipStumm ? char(0x82) : char(0x84);
    a = QByteArray(1, char(1)) + s;
  } else if (st.art == Stoerung::Fremd) {
    a = QByteArray("\x07\x07\x07", 3);
  } else if (n == 18 || n == 19) {
    {
      std::lock_guard<std::mutex> l(mutex_);
      for (int k = 0; k < 16 && adr + k < int(speicher_.size()); ++k)
        speicher_[size_t(adr + k)] = static_cast<uint8_t>(r[r.size() - 16 + k]);
    }
    if (schreibMs_ > 0) schlafe(schreibMs_);
    a = QByteArray("\x01\x80", 2);
  } else if (n == 3 || n == 4) {
    a = QByteArray(1, char(18)) + r.mid(1, 2);
    std::lock_guard<std::mutex> l(mutex_);
    for (int k = 0; k < 16; ++k) a += char(adr + k < int(speicher_.size()) ? speicher_[size_t(adr + k)] : 0);
  } else {
    return;
  }
  if (st.art == Stoerung::Kurz) a.chop(1);
  if (st.art == Stoerung::Geteilt) {
    const int teile = std::max(1, st.teile);
    const int stueck = (int(a.size()) + teile - 1) / teile;
    for (int i = 0; i < a.size(); i += stueck) {
      if (i > 0) schlafe(st.pauseMs);
      sende(a.mid(i, stueck));
    }
    return;
  }
  sende(a);
}

}  // namespace qv::test
