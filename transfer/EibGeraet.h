#pragma once
// Reaching a bus device by its individual address over the bus session: the transport
// connection, memory reads and writes (verified, or waiting while the clock is busy), the mask
// version, the device check of the search, and the time switch's 9-byte mailbox at 206.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "transfer/EibVerbindung.h"

namespace qv {

// Application-layer service codes, two bytes each, high byte first.
struct ApciTab {
  QByteArray ApciGroupValueRead = QByteArray("\x00\x00", 2);
  QByteArray ApciGroupValueResponse = QByteArray("\x00\x40", 2);
  QByteArray ApciGroupValueWrite = QByteArray("\x00\x80", 2);
  QByteArray ApciIndAddrWrite = QByteArray("\x00\xC0", 2);
  QByteArray ApciIndAddrRead = QByteArray("\x01\x00", 2);
  QByteArray ApciIndAddrResponse = QByteArray("\x01\x40", 2);
  QByteArray ApciAdcRead = QByteArray("\x01\x80", 2);
  QByteArray ApciAdcResponse = QByteArray("\x01\xC0", 2);
  QByteArray ApciMemoryRead = QByteArray("\x02\x00", 2);
  QByteArray ApciMemoryResponse = QByteArray("\x02\x40", 2);
  QByteArray ApciMemoryWrite = QByteArray("\x02\x80", 2);
  QByteArray Apci2C0 = QByteArray("\x02\xC0", 2);
  QByteArray ApciMaskVersionRead = QByteArray("\x03\x00", 2);
  QByteArray ApciMaskVersionResponse = QByteArray("\x03\x40", 2);
  QByteArray ApciRestart = QByteArray("\x03\x80", 2);
  QByteArray Apci3C0 = QByteArray("\x03\xC0", 2);
};
const ApciTab& apciTab();

constexpr uint16_t kBriefkasten = 206;  // the clock's mailbox, 9 bytes

QByteArray Apci_Mit_Anzahl(const QByteArray& apci, int anzahl);
QByteArray Apci_Maske(const QByteArray& apci, int maske);

int16_t Sende_Daten(BusSitzung& s, const QByteArray& apdu);
int16_t Baue_Verbindung(BusSitzung& s, uint16_t phys);
int16_t Breche_Verbindung(BusSitzung& s);
// After a failed step: the local coupler reset, and the link closed and opened again.
void Bus_Wiederherstellen(BusSitzung& s);

// "area.line.device": area 0..15, line 0..12, device 1..255. Empty when the text is none.
std::optional<uint16_t> Phys_Adresse_Wert(const QString& text);
// The same, telling the user "no valid physical Adress" and giving 0 for an invalid text.
uint16_t Phys_Adresse(const QString& text);
QString Phys_Adresse_Text(uint16_t adresse);

int16_t Frage_Speicher(BusSitzung& s, uint16_t adresse, int anzahl);
int16_t Schreibe_Speicher(BusSitzung& s, uint16_t adresse, const QByteArray& daten);
int16_t Erwarte_Speicher(BusSitzung& s, uint16_t phys, uint16_t& adresse, QByteArray& daten);
int16_t Frage_Maskenversion(BusSitzung& s);
int16_t Erwarte_Maskenversion(BusSitzung& s, uint16_t phys, QByteArray& version);
// Three tries of write, read back and compare; 112 when none took.
int16_t Schreibe_Speicher_Pruefen(BusSitzung& s, uint16_t phys, uint16_t adresse, int anzahl, const QByteArray& daten);
// Up to 15 tries while the clock answers busy; daten = the answer's length byte and what follows.
// neuVerbunden: set when a try failed (a time-out among them) and the connection was built anew.
int16_t Lese_Speicher_Warten(BusSitzung& s, uint16_t phys, uint16_t adresse, int anzahl, QByteArray& daten,
                             bool* neuVerbunden = nullptr);
// Mask version and identity (manufacturer, two device-type bytes) of a device; 109 no mask
// answer, 110 a wrong one. The link is rebuilt after a failure.
int16_t Pruefe_Teilnehmer(BusSitzung& s, uint16_t phys, QByteArray& kennung);
// The mask version check and identity read that the application routines share.
int16_t Pruefe_Maske_und_Kennung(BusSitzung& s, uint16_t phys, QByteArray& kennung);

// Mailbox exchanges: befehl and up to six data bytes. Lese_Satz gives the clock's answer
// (length byte first); Schreibe_Satz waits until the clock has taken the record.
// wiederholbar: the request may be sent again without changing the clock (a read of the rule or
// the table, a table entry written, the clear). A read's answer then counts only when a second
// send of the request gives it again; a write's "taken" does not count when the connection had to
// be built anew after the request went out (a time-out among it), as the request may never have
// reached the clock and the mailbox may still be empty from the one before: it is sent again.
// Otherwise (records) a read takes the answer of one send as it comes (a record answer tells a
// copy itself), and a write is not sent again (the clock would store it twice).
// A write takes the mailbox's state only when a second read gives it again. An exchange whose
// answers never agree sets ausserTakt.
int16_t Lese_Satz(BusSitzung& s, uint16_t phys, int befehl, const QByteArray& daten, QByteArray& antwort,
                  bool wiederholbar = true);
int16_t Schreibe_Satz(BusSitzung& s, uint16_t phys, int befehl, const QByteArray& daten, bool wiederholbar = false);

}  // namespace qv
