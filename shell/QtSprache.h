#pragma once
// Qt's own texts (the standard buttons of message boxes, the file dialogs) in the UI language:
// German and French from Qt's translations, English and the user text file with Qt's defaults.

namespace qv {

// sprache: 1 German, 2 English, 3 French, 4 user text file. False when the language has a
// translation but it could not be loaded; Qt's default texts are then in effect.
bool Setze_Qt_Sprache(int sprache);

}  // namespace qv
