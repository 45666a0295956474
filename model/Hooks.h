#pragma once
// Window-side operations that logic code has to trigger (refilling the grid after a load, showing
// the header panel). The windows install them at start-up; unset hooks do nothing, so the logic
// runs and is tested without any window.
#include <functional>

namespace qv {

struct WindowHooks {
  std::function<void(int slot)> Fuelle_Grid;
  std::function<void(int slot)> Zeige_Kopfdaten;
  std::function<void(int slot)> Zeige_Speicherbelegung;
  // The main window's Save command (mnuDatSpei); a program read into slot 0 enables it.
  std::function<void(bool enabled)> setSaveCommandEnabled;
  // The start-up window's OK opens the frame with the main window; "New" goes back to the
  // start-up window. Both are wired by the program's main.
  std::function<void()> Zeige_Rahmen;
  std::function<void()> Zeige_Startbild;
  // Shows the grid-cell dialog modally over the exchange values of viewState() and returns once
  // it has closed (its unload sets GridDlgOffen to -1).
  std::function<void()> Zellendialog;
  // The open astro dialog shows a channel's switching limits in its two limit scroll bars.
  std::function<void(int grenzeAuf, int grenzeUnter)> Zeige_Astrogrenzen;
  // The frame's filter switch picfilter with its print and save buttons AniButton2, AniButton3:
  // editing dialogs hide them while they are open, the main window shows them when activated.
  std::function<void(bool visible)> setFilterSwitchAndButtonsVisible;
  // The frame's filter images: on shows imgfilt on yellow (10FFFF), off imgnofilt on grey (C0C0C0).
  std::function<void(bool on)> showFilterImages;
};

WindowHooks& hooks();

// Calls a hook when it is set.
template <typename F, typename... A>
void callHook(const F& f, A&&... args) {
  if (f) f(std::forward<A>(args)...);
}

}  // namespace qv
