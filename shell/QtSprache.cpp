#include "shell/QtSprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace qv {

bool Setze_Qt_Sprache(int sprache) {
  static std::unique_ptr<QTranslator> uebersetzung;
  if (uebersetzung) {
    QCoreApplication::removeTranslator(uebersetzung.get());
    uebersetzung.reset();
  }
  const char* datei = sprache == 1 ? "qtbase_de" : sprache == 3 ? "qtbase_fr" : nullptr;
  if (!datei) return true;
  auto t = std::make_unique<QTranslator>();
  if (!t->load(QString::fromLatin1(datei), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  QCoreApplication::installTranslator(t.get());
  uebersetzung = std::move(t);
  return true;
}

}  // namespace qv
