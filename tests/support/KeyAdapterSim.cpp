#include "tests/support/KeyAdapterSim.h"

#include <algorithm>

#include "transfer/SeriellerZugriff.h"

namespace qv::test {
namespace {

using Uhr = std::chrono::steady_clock;
std::chrono::milliseconds ms(int n) { return std::chrono::milliseconds(n); }

}  // namespace

std::vector<uint8_t> Pruefabbild(int groesse) {
  std::vector<uint8_t> a(static_cast<size_t>(groesse));
  int summe = 0;
  for (int i = 1; i < groesse; ++i) {
    a[size_t(i)] = static_cast<uint8_t>((i * 37 + (i / 256) * 7) % 256);
    summe += a[size_t(i)];
  }
  a[0] = static_cast<uint8_t>((256 - summe % 256) % 256);
  return a;
}

QByteArray Programmtext(const std::vector<uint8_t>& abbild) {
  QByteArray text;
  for (size_t i = 0; i < abbild.size(); ++i) {
    text += ' ' + QByteArray::number(abbild[i]) + ' ';
    if (i % 16 == 15) text += "\r\n";
  }
  return text;
}

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

void KeyAdapterSim::plane(Rahmenart art, int adr, int versuch, const Stoerung& s) {
  std::lock_guard<std::mutex> l(mutex_);
  gezielt_[{art, adr, versuch}] = s;
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
    sendeFaellige();
    int warten = 20;
    if (!ausgang_.empty()) {
      const auto bis = std::chrono::duration_cast<std::chrono::milliseconds>(ausgang_.begin()->first - Uhr::now());
      warten = std::clamp(static_cast<int>(bis.count()), 0, 20);
    }
    const QByteArray laenge = pty_.readExactly(1, warten);
    if (laenge.isEmpty()) continue;
    const auto ankunft = Uhr::now();
    // The length byte and the rest may come in one piece or several.
    const int n = static_cast<uint8_t>(laenge[0]);
    QByteArray rest = pty_.readExactly(n, 200);
    if (rest.size() != n) continue;
    // The pseudo-terminal carries the program's bytes at once; a paced line would still be busy
    // with the rest of the frame.
    if (const int baud = baud_; baud > 0)
      std::this_thread::sleep_until(ankunft + std::chrono::duration<double>(10.0 * n / baud));
    antworte(laenge + rest, Uhr::now());
  }
}

void KeyAdapterSim::sendeFaellige() {
  while (!ausgang_.empty() && ausgang_.begin()->first <= Uhr::now()) {
    sende(ausgang_.begin()->second);
    ausgang_.erase(ausgang_.begin());
  }
}

void KeyAdapterSim::sende(const QByteArray& bytes) {
  const int baud = baud_;
  if (baud <= 0) {
    pty_.write(bytes);
    return;
  }
  // Paced: each byte leaves when the line would have carried the ones before it.
  const auto start = Uhr::now();
  const double proByte = 10.0 / baud;
  for (int i = 0; i < bytes.size(); ++i) {
    std::this_thread::sleep_until(start + std::chrono::duration<double>(proByte * (i + 1)));
    pty_.write(bytes.mid(i, 1));
  }
}

void KeyAdapterSim::antworte(const QByteArray& r, Zeit ankunft) {
  ++rahmen_;
  const int n = static_cast<uint8_t>(r[0]);
  const bool gross = n == 4 || n == 19;
  const bool schreiben = n == 18 || n == 19;
  if (!schreiben && n != 3 && n != 4) return;
  const uint8_t dev = static_cast<uint8_t>(r[1]);
  const int adr = gross ? static_cast<uint8_t>(r[2]) * 256 + static_cast<uint8_t>(r[3])
                        : ((dev >> 1) & 7) * 256 + static_cast<uint8_t>(r[2]);
  const Rahmenart art = schreiben ? Rahmenart::Schreiben : Rahmenart::Lesen;
  Stoerung st;
  {
    std::lock_guard<std::mutex> l(mutex_);
    const int versuch = gezaehlt_[{art, adr}]++;
    if (const auto g = gezielt_.find({art, adr, versuch}); g != gezielt_.end()) {
      st = g->second;
      if (!plan_.empty()) plan_.pop_front();
    } else if (!plan_.empty()) {
      st = plan_.front();
      plan_.pop_front();
    }
  }
  if (st.art == Stoerung::Schweigen) return;

  QByteArray a;
  if (alt_ && gross) {
    a = QByteArray("\x02\xA1", 2);
  } else if (st.art == Stoerung::KeinChip || st.art == Stoerung::ChipStumm || st.art == Stoerung::Leitungsfehler) {
    const char s = st.art == Stoerung::KeinChip ? char(0x83) : st.art == Stoerung::ChipStumm ? char(0x82) : char(0x84);
    a = QByteArray(1, char(1)) + s;
  } else if (st.art == Stoerung::Fremd) {
    a = QByteArray("\x07\x07\x07", 3);
  } else if (schreiben) {
    {
      std::lock_guard<std::mutex> l(mutex_);
      for (int k = 0; k < 16 && adr + k < int(speicher_.size()); ++k)
        speicher_[size_t(adr + k)] = static_cast<uint8_t>(r[r.size() - 16 + k]);
    }
    if (schreibMs_ > 0) std::this_thread::sleep_for(ms(schreibMs_));
    a = QByteArray("\x01\x80", 2);
  } else {
    std::lock_guard<std::mutex> l(mutex_);
    const int groesse = int(speicher_.size());
    const int quelle = st.art == Stoerung::AndereSeite ? (adr + 256) % groesse : adr;
    a = QByteArray(1, char(18)) + Leserahmen(quelle, gross ? 8192 : 2048).mid(1, 2);
    for (int k = 0; k < 16; ++k) a += char(quelle + k < groesse ? speicher_[size_t(quelle + k)] : 0);
  }
  if (st.art == Stoerung::AntwortWeg) return;
  if (st.art == Stoerung::Kurz) a.chop(1);
  // An answer repeated at once leaves with the first in one piece.
  if (st.doppeltMs == 0) a += a;

  Zeit wann = std::max(ankunft, Uhr::now()) + ms(st.spaetMs);
  const int teile = std::max(1, st.teile);
  const int stueck = (int(a.size()) + teile - 1) / teile;
  for (int i = 0; i < a.size(); i += stueck) {
    if (i > 0) wann += ms(st.teilPauseMs);
    ausgang_.emplace(wann, a.mid(i, stueck));
  }
  if (st.doppeltMs > 0) ausgang_.emplace(wann + ms(st.doppeltMs), a);
  sendeFaellige();
  while (st.haelt && !ausgang_.empty()) {
    std::this_thread::sleep_until(ausgang_.begin()->first);
    sendeFaellige();
  }
}

}  // namespace qv::test
