#include "transfer/ui/FRM_SERIEL_IO.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "model/Texte.h"

namespace qv {

FRM_SERIEL_IO::FRM_SERIEL_IO()
    : lbl_seriell_io(new QLabel(this)), ggefortschritt(new QProgressBar(this)) {
  setObjectName(QStringLiteral("FRM_SERIEL_IO"));
  setWindowTitle(texts().S_SeriUeber);
  setWindowModality(Qt::ApplicationModal);
  lbl_seriell_io->setObjectName(QStringLiteral("lbl_seriell_io"));
  ggefortschritt->setObjectName(QStringLiteral("ggefortschritt"));
  ggefortschritt->setValue(0);
  auto* l = new QVBoxLayout(this);
  l->addWidget(lbl_seriell_io);
  l->addWidget(ggefortschritt);
  resize(360, 90);
  show();
  QCoreApplication::processEvents();
}

void FRM_SERIEL_IO::Status(const QString& zeile) {
  lbl_seriell_io->setText(zeile);
  QCoreApplication::processEvents();
}

void FRM_SERIEL_IO::Fortschritt(int wert, int maximum) {
  ggefortschritt->setMaximum(maximum);
  ggefortschritt->setValue(wert);
}

void FRM_SERIEL_IO::closeEvent(QCloseEvent* e) { e->ignore(); }

}  // namespace qv
