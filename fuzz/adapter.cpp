// What the key adapter answers on the serial line: the input is a run of pieces, each a count
// byte and that many bytes, handed out one per read as the line delivers them. The transfer
// reads a key of each size and writes the smaller one, with every wait cut to nothing.
#include <QDir>
#include <QFile>
#include <deque>

#include "fuzz/FuzzSupport.h"
#include "model/Zustand.h"
#include "transfer/SeriellerZugriff.h"
#include "transfer/Wartezeiten.h"

namespace {

class Antwortleitung final : public qv::ByteLink {
 public:
  Antwortleitung(const uint8_t* data, size_t size) {
    size_t i = 0;
    while (i < size) {
      const size_t n = std::min<size_t>(data[i], size - i - 1);
      stuecke.push_back(qv::fuzz::bytesOf(data + i + 1, n));
      i += n + 1;
    }
  }
  bool write(const QByteArray&) override { return true; }
  void purge() override {}
  bool readSome(QByteArray& buf, int) override {
    if (stuecke.empty()) return false;
    buf += stuecke.front();
    stuecke.pop_front();
    return true;
  }
  std::deque<QByteArray> stuecke;
};

void anfrage(const char* richtung) {
  QFile f(QStringLiteral("quorvel.msg"));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  f.write(QByteArray(richtung) + "\r\n 4 \r\n 8 \r\n 400 \r\n 2 \r\nleer.qvl\r\n");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qv::fuzz::setUp(argc, argv);
  qv::Wartezeiten& w = qv::wartezeiten();
  w = qv::Wartezeiten{0, 0, 1000, 0, 0, 0};  // an answer ends when the input does
  // The program file a write sends: a 2 KB image of zeros, whose sum is right.
  QByteArray werte;
  for (int i = 0; i < 2048; ++i) werte += " 0 \r\n";
  qv::fuzz::writeInput("leer.qvl", reinterpret_cast<const uint8_t*>(werte.constData()), werte.size());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  struct Lauf {
    int typ;
    const char* richtung;
  };
  // The write sends the same file each time, so the smaller key is enough for it.
  for (const Lauf lauf : {Lauf{240, "l"}, Lauf{280, "l"}, Lauf{240, "s"}}) {
    qv::fuzz::useClockType(lauf.typ);
    qv::settings().Lpt = 4;
    anfrage(lauf.richtung);
    Antwortleitung leitung(data, size);
    qv::SeriellerZugriff(leitung, nullptr);
  }
  return 0;
}
