#include "views/ui/Rahmen.h"

#include <QMainWindow>

#include "shell/Marke.h"

namespace qv {

// Stand-in until the frame is built: an empty window with the product title.
void Oeffne_Rahmen() {
  auto* w = new QMainWindow;
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->setWindowTitle(brand().S_Titel);
  w->resize(800, 600);
  w->show();
}

}  // namespace qv
