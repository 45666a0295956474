#pragma once
// The serial transfer's progress window: caption, status line and gauge, shown for the length of
// one transfer. It blocks the other windows, so no second transfer starts on the same port.
#include <QDialog>

#include "transfer/SeriellerZugriff.h"

class QLabel;
class QProgressBar;

namespace qv {

class FRM_SERIEL_IO final : public QDialog, public SerielAnzeige {
  Q_OBJECT
 public:
  FRM_SERIEL_IO();
  void Status(const QString& zeile) override;
  void Fortschritt(int wert, int maximum) override;

 protected:
  // The transfer ends it; the user cannot close it halfway.
  void reject() override {}
  void closeEvent(QCloseEvent* e) override;

 private:
  QLabel* lbl_seriell_io;
  QProgressBar* ggefortschritt;
};

}  // namespace qv
