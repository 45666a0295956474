#include "views/ui/Fensteraufrufe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHash>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QVBoxLayout>
#include <initializer_list>

#include "model/Environment.h"
#include "shell/Marke.h"
#include "views/ui/MDIForm1.h"

namespace qv {
namespace {

struct Eintrag {
  std::function<QWidget*()> Fensteraufrufe::*fenster;
  const char* name;
  const char* tag;  // nullptr: a window of its own
};

// The windows not built yet, each opened as a placeholder; none is left.
const std::initializer_list<Eintrag> kFenster = {};

const Eintrag* finde(std::function<QWidget*()> Fensteraufrufe::*fenster) {
  for (const Eintrag& e : kFenster)
    if (e.fenster == fenster) return &e;
  return nullptr;
}

QWidget* platzhalterInhalt(const QString& name) {
  auto* w = new QWidget;
  w->setObjectName(name);
  auto* l = new QVBoxLayout(w);
  auto* text = new QLabel(QStringLiteral("\u201e%1\u201c ist noch nicht gebaut.\n(%1: not built yet)").arg(name), w);
  text->setObjectName(QStringLiteral("platzhalterText"));
  text->setAlignment(Qt::AlignCenter);
  l->addWidget(text);
  return w;
}

QHash<QString, QPointer<QWidget>>& eigeneFenster() {
  static QHash<QString, QPointer<QWidget>> h;
  return h;
}

}  // namespace

Fensteraufrufe& fensteraufrufe() {
  static Fensteraufrufe f;
  return f;
}

QString Fenstername(std::function<QWidget*()> Fensteraufrufe::*fenster) {
  const Eintrag* e = finde(fenster);
  return e ? QString::fromUtf8(e->name) : QString();
}

QWidget* Oeffne_Fenster(std::function<QWidget*()> Fensteraufrufe::*fenster) {
  const std::function<QWidget*()>& f = fensteraufrufe().*fenster;
  if (f) return f();
  const Eintrag* e = finde(fenster);
  if (!e) return nullptr;
  return Zeige_Platzhalter(QString::fromUtf8(e->name), e->tag ? QString::fromUtf8(e->tag) : QString(), e->tag != nullptr);
}

QWidget* Zeige_Platzhalter(const QString& name, const QString& tag, bool mdiKind) {
  MDIForm1* rahmen = MDIForm1::instance();
  if (mdiKind && rahmen) {
    // One instance per window, as every window of the program.
    if (QMdiSubWindow* offen = rahmen->kindfenster(name)) {
      rahmen->mdiArea()->setActiveSubWindow(offen);
      return offen;
    }
    QWidget* inhalt = platzhalterInhalt(name);
    QMdiSubWindow* sub = rahmen->addChild(inhalt, tag);
    sub->setWindowTitle(name);
    sub->resize(360, 140);
    return sub;
  }
  QPointer<QWidget>& offen = eigeneFenster()[name];
  if (offen) {
    offen->raise();
    offen->activateWindow();
    return offen;
  }
  auto* d = new QDialog;
  d->setObjectName(name);
  d->setAttribute(Qt::WA_DeleteOnClose);
  d->setWindowTitle(brand().S_Titel + QStringLiteral(" - ") + name);
  auto* l = new QVBoxLayout(d);
  l->addWidget(platzhalterInhalt(name));
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, d);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, d, &QDialog::reject);
  l->addWidget(knoepfe);
  d->resize(360, 140);
  d->show();
  offen = d;
  return d;
}

void Melde_nicht_gebaut(const QString& name) {
  env().message(QStringLiteral("\u201e%1\u201c ist noch nicht gebaut.").arg(name), Buttons::Ok, Icon::Information);
}

void Beende_Programm(QWidget* ausser) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != ausser && w->isVisible()) w->close();
  if (fensteraufrufe().Programmende) fensteraufrufe().Programmende();
  else QCoreApplication::exit(0);
}

}  // namespace qv
