#pragma once
// The application of the clock's bus coupler: saved into "appl.old" before a transfer, replaced
// by the transfer application, and put back afterwards. Both routines expect the link open and
// leave it open.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "transfer/EibVerbindung.h"

namespace qv {

constexpr uint16_t kApplAnfang = 0x104;
constexpr int kApplWerte = 252;  // &H104 .. &H1FF

// The backup's name; an existing file of any letter case is the same file.
QString Applikationsdatei();

// The values of an application file: at least 241 (up to 251) numbers 0..255, one per line;
// empty when the file holds fewer or others. Values beyond those read are 0.
std::optional<std::vector<uint8_t>> Lies_Applikationsdatei(const QByteArray& inhalt);
// 251 lines " v " CR LF for &H104 .. &H1FE.
QByteArray Applikationsdatei_Text(const std::vector<uint8_t>& werte);

// True when manufacturer and device-type bytes are the brand's; mitTransfer also accepts the
// transfer application's device type (100, 79).
bool Kennung_passt(const QByteArray& kennung, bool mitTransfer);

int16_t Lese_Applikation(BusSitzung& s, uint16_t phys);
// eibfehler::Gemeldet when the file is missing or invalid (the user has been told, nothing sent).
int16_t Schreibe_Applikation(BusSitzung& s, uint16_t phys, const QString& datei);

}  // namespace qv
