#pragma once
// The message for the result code of a bus operation.
#include <QString>

namespace qv {

class BusSitzung;

// comPort 0 = COM 1; letzterFehler describes the most recent failure, for code 0.
QString Busfehler_Text(int code, int comPort, const QString& letzterFehler);
// One OK box with the product title; the log it points to is saved first.
void Zeige_Busfehler(BusSitzung& s, int code);

}  // namespace qv
