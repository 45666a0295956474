#pragma once
// The link to the local bus coupler: one bus session holds the driver, the receive and pause
// timers, the bus log "protocol.txt" and the progress shown by the bus window. Its operations
// open and initialise the link, send a message, wait for the coupler's confirmation or for a
// device's answer, and close the link again; every step goes to the log.
#include <QByteArray>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "transfer/EibTreiber.h"

namespace qv {

// The waits of a bus session. Tests shorten them; the defaults are the coupler's own.
struct BusTiming {
  // receive timer: confirmation, answer, send. After a time-out the line must stay quiet for
  // half of it before the next message goes out: an answer later than that counts as lost.
  int empfangMs = 2000;
  double pausenFaktor = 1.0;  // scales every pause (Warte_ms, Pause_s)
};

// Message building, high byte first; bytes are counted from 1 as in the messages' description.
QByteArray Chr32(int x);
QByteArray String_aus_Wort(uint16_t w);
uint16_t Wort_aus_String(const QByteArray& s, int pos = 1);
QByteArray Lokal_Lesen_Telegramm(uint16_t adresse, int anzahl);
// Empty (refused by the driver) for more than 27 data bytes, which the count byte cannot carry.
QByteArray Lokal_Schreiben_Telegramm(uint16_t adresse, const QByteArray& daten);
// " 4 4C 1 1 16": the bytes von .. von + anzahl (anzahl 0: through the end), upper-case hex.
QString Hex_Text(const QByteArray& s, int von, int anzahl);

class BusSitzung {
 public:
  explicit BusSitzung(EibTreiber* treiber = nullptr);
  ~BusSitzung();
  BusSitzung(const BusSitzung&) = delete;
  BusSitzung& operator=(const BusSitzung&) = delete;

  void setTreiber(EibTreiber* t) { treiber_ = t; }
  EibTreiber* treiber() const { return treiber_; }

  BusTiming timing;
  int16_t EIB_Empfang = 0;  // 0 waiting, 1 done, 2 time-out
  int16_t EIB_Warten = 0;   // 1 while a pause runs
  int16_t EIB_AdrTabLaenge = 0;
  int16_t EIB_Layer = 150;
  int16_t EIB_ComPort = 0;  // 0 = COM 1, 1 = COM 2
  QString letzterFehler;    // the latest failure the driver or a file reported, for code 0
  // The memory read sent last (address, count): only its answer is taken.
  std::optional<std::pair<uint16_t, int>> leseAnfrage;
  // Set when an answer of the kind taken last (same device, service, address and count) comes
  // while no wait is running: a second answer to one request. The exchange is then out of step,
  // and an answer taken before may belong to an earlier request. Cleared by its reader.
  bool ausserTakt = false;

  // ---- the log: reset starts "protocol.txt" anew in the current directory -----------------
  // The lines are kept and replace the old file whole whenever the log is saved: before a message
  // that points to it and when it is closed. A log that cannot be written leaves the old file and
  // is reported once.
  bool Protokoll_neu(const QString& datei = QStringLiteral("protocol.txt"));
  bool Protokoll_sichern();
  void Protokoll_schliessen();
  bool Protokoll_offen() const { return !protokollDatei_.isEmpty(); }
  const QByteArray& Protokoll_bisher() const { return protokoll_; }
  void log(const QString& zeile);

  // ---- progress: the status text and the gauge of the bus window --------------------------
  std::function<void(const QString&)> aufStatus;
  std::function<void(int maximum, int wert)> aufMesser;
  void status(const QString& text);
  void logUndStatus(const QString& text);
  void messerMaximum(int maximum);
  void messerWert(int wert);  // clamped to 0 .. maximum
  int messerWert() const { return wert_; }
  int messerMaximum() const { return maximum_; }

  // ---- link operations --------------------------------------------------------------------
  int16_t Bus_Oeffnen(int16_t port, int16_t baud);
  int16_t Sende_Lokal(const QByteArray& telegramm);
  int16_t Erwarte_Bestaetigung(QByteArray& daten);
  // passt: a further check of the answer; an answer it refuses is dropped like another
  // sender's and the wait goes on.
  int16_t Erwarte_Antwort(uint16_t phys, QByteArray& apdu,
                          const std::function<bool(const QByteArray&)>& passt = nullptr);
  void Bus_Schliessen();
  // Waits until the line has been quiet for half the receive time, dropping what comes; a second
  // answer among it sets ausserTakt. For the end of a run, where no next message drains the line.
  void nachlaufPruefen();
  void Warte_ms(int ms);
  void Pause_s(double sekunden);
  // One pass of every wait: back to the event loop for about a millisecond.
  static void Nachgeben();

 private:
  void starteEmpfang();
  int16_t kein_Treiber();
  void nachlaufVerwerfen();
  void leereBisRuhig(bool pruefen);
  // One message taken off the driver and dropped; pruefen: a second answer sets ausserTakt.
  enum class Abholung { Nichts, Nachricht, Fehler };
  Abholung nimmWeg(bool pruefen);
  // A data message marked as a repetition (repeat bit of its control field clear) whose original
  // came already: every receiver on the bus drops it. Notes the others as received.
  bool schonErhalten(const EibPuffer& p);

  EibTreiber* treiber_ = nullptr;
  QString protokollDatei_;  // empty while no log is kept
  QByteArray protokoll_;
  bool protokollGemeldet_ = false;
  QTimer rcvtimer_;
  QTimer pause_;
  int maximum_ = 0;
  int wert_ = 0;
  bool nachlauf_ = false;  // a wait timed out: its answer may still come
  // The device and the kind of the answer taken last.
  std::optional<std::pair<uint16_t, QByteArray>> letzteAntwort_;
  // The data messages received last, each with its repeat bit set as its original carries it.
  std::deque<QByteArray> erhalten_;
};

}  // namespace qv
