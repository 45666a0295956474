#pragma once
// The bus driver: the eight calls through which the link layer reaches the serial bus coupler.
// A message is a byte string whose first byte counts the bytes after it. Every call returns 0 on
// success; the driver's own failures use the codes below, which lie outside the program's own
// result codes (1, 101..113) so that the error texts can tell them apart.
#include <QByteArray>
#include <array>
#include <cstdint>

namespace qv {

// The receive buffer: [0] = number of bytes after it (0 = nothing yet), [1] = message code.
using EibPuffer = std::array<uint8_t, 40>;

namespace eibfehler {
constexpr int16_t NichtOffen = 201;     // call on a closed link
constexpr int16_t Schnittstelle = 202;  // the serial port cannot be opened or set up
constexpr int16_t Schreiben = 203;      // the port refused the bytes
constexpr int16_t KeineQuittung = 204;  // the coupler did not acknowledge a reset
constexpr int16_t Nachricht = 205;      // a message that is empty, too long or miscounted
constexpr int16_t Datei = 206;          // a file could not be written (the session says why)
constexpr int16_t Gemeldet = 207;       // refused before any bus traffic, already told to the user
}  // namespace eibfehler

class EibTreiber {
 public:
  virtual ~EibTreiber() = default;
  // port 0 = COM 1, 1 = COM 2; the last three values have no meaning for our drivers.
  virtual int16_t EIB_Open(int16_t port, int16_t baud, int16_t p3, int16_t p4, int16_t p5) = 0;
  virtual int16_t EIB_ResetAst() = 0;
  virtual int16_t EIB_ResetBcu() = 0;
  virtual int16_t EIB_SetLayer(int16_t layer) = 0;
  // Copies the message and queues it; EIB_SendStatus reports fertig = 0 once the coupler has it.
  virtual int16_t EIB_Send(const QByteArray& telegramm) = 0;
  virtual int16_t EIB_SendStatus(int16_t& a, int16_t& b, int16_t& fertig) = 0;
  // Never waits: at most one message per call; a message longer than the buffer is dropped.
  virtual int16_t EIB_Receive(EibPuffer& puffer, int16_t& laenge) = 0;
  virtual int16_t EIB_Close() = 0;
};

}  // namespace qv
