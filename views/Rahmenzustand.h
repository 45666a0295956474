#pragma once
// State of the frame and the main window that outlives single commands: whether the channel
// captions still read as loaded, whether a template is open, and the program-number jump.
namespace qv {

struct FrameState {
  // The channel captions read "C1:", "C2 : ", "C3 :", "C4 :" until paging or the simulation
  // command first rewrites them.
  bool anfangsBeschriftung = true;
  // A template was opened and not closed yet (the template items of the menus are enabled).
  bool vorlageOffen = false;
  // The grid shows the other list filtered to one program while the button is held.
  bool ProgSprung = false;
};

FrameState& frameState();
// The entry forms open at the moment. While one is, the main window neither deletes, changes nor
// copies records, so that the records the form works on stay where they are.
int& offeneEingabeformen();
// As the frame finds it when it loads: initial captions, first channel 1, view 0 of slot 0.
void resetFrameState();

}  // namespace qv
