#pragma once
// The block protocol to the key adapter on a serial port: the image goes to the key in 16-byte
// blocks with up to three tries each, or comes back block by block into "card.dat". The request
// "quorvel.msg" in the current directory says which way and from which program file. An answer is
// taken as soon as it is whole; after a time-out, a retry or an answer out of turn the line is
// drained until it stays quiet, so that no answer is taken for a frame it did not answer.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "transfer/Schnittstelle.h"

namespace qv {

// What the progress window shows; the protocol keeps the counts itself.
class SerielAnzeige {
 public:
  virtual ~SerielAnzeige() = default;
  virtual void Status(const QString& zeile) = 0;
  virtual void Fortschritt(int wert, int maximum) = 0;
};

// The progress window the transfer opens for its lifetime; unset: no window.
std::function<std::unique_ptr<SerielAnzeige>()>& serielFenster();

// Frames of the block protocol for an image of groesse bytes (2048 or 8192).
QByteArray Schreibrahmen(int adr, int groesse, const QByteArray& daten);
QByteArray Leserahmen(int adr, int groesse);

// The transfer over an open line: 0 done, 1 failed or refused (the user has been told why).
int SeriellerZugriff(ByteLink& link, SerielAnzeige* anzeige);
// Opens COM(Lpt - 3) and runs the transfer with the progress window.
int SeriellerZugriff();

}  // namespace qv
