#pragma once
// Comparing a new entry with a stored one, and the name tests of the entry forms.
#include <QString>

#include "model/Zustand.h"

namespace qv {

// 0 different, 1 same entry with another state or value, 2 identical, 3 a pulse exists there.
int Vergleiche_Sz(const TSz& alt, const TSz& neu);
int IstMonatsname(const QString& text);
QString Monatsname(int monat);
int IstProgrammname(const QString& text);

}  // namespace qv
