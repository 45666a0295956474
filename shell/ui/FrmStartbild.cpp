#include "shell/ui/FrmStartbild.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Startbild.h"
#include "shell/Startverzeichnis.h"
#include "shell/ui/Flaggen.h"

namespace qv {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QSize kLanguageButtonSize{48, 34};
constexpr QSize kCommandButtonSize{81, 27};
constexpr int kListWidth = 180;
constexpr int kMargin = 16;
// Without a picture the window keeps the size the shipped picture gives it.
constexpr QSize kDefaultSize{480, 472};

QPoint twipsToPixels(int left, int top) { return {left / kTwipsPerPixel, top / kTwipsPerPixel}; }

QToolButton* languageButton(QWidget* parent, const char* name, LanguageFlag flag) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setCheckable(true);
  b->setAutoRaise(false);
  b->setIcon(languageIcon(flag));
  b->setIconSize(kFlagSize);
  b->setFixedSize(kLanguageButtonSize);
  b->setFocusPolicy(Qt::TabFocus);
  return b;
}

}  // namespace

FrmStartbild::FrmStartbild(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmstartbild"));
  setAttribute(Qt::WA_DeleteOnClose);

  aniDeutsch_ = languageButton(this, "AniDeutsch", LanguageFlag::German);
  aniEnglisch_ = languageButton(this, "AniEnglisch", LanguageFlag::English);
  aniFrance_ = languageButton(this, "AniFrance", LanguageFlag::French);
  aniworld_ = languageButton(this, "Aniworld", LanguageFlag::World);
  cboUhrentyp_ = new QComboBox(this);
  cboUhrentyp_->setObjectName(QStringLiteral("cboUhrentyp"));
  cboUhrentyp_->setFixedWidth(kListWidth);
  cmd_ok_ = new QPushButton(QStringLiteral("Ok"), this);
  cmd_ok_->setObjectName(QStringLiteral("cmd_ok"));
  cmd_ok_->setDefault(true);
  cmd_ok_->setFixedSize(kCommandButtonSize);
  cmdeinfuehrung_ = new QPushButton(QStringLiteral("Demo"), this);
  cmdeinfuehrung_->setObjectName(QStringLiteral("cmdeinführung"));
  cmdeinfuehrung_->setFixedSize(kCommandButtonSize);

  connect(cmd_ok_, &QPushButton::clicked, this, &FrmStartbild::cmd_ok_Click);
  connect(cmdeinfuehrung_, &QPushButton::clicked, this, &FrmStartbild::cmdeinfuehrung_Click);
  connect(aniDeutsch_, &QToolButton::clicked, this, &FrmStartbild::AniDeutsch_Click);
  connect(aniEnglisch_, &QToolButton::clicked, this, &FrmStartbild::AniEnglisch_Click);
  connect(aniFrance_, &QToolButton::clicked, this, &FrmStartbild::AniFrance_Click);
  connect(aniworld_, &QToolButton::clicked, this, &FrmStartbild::Aniworld_Click);
  // OK needs a clock type.
  connect(cboUhrentyp_, &QComboBox::currentIndexChanged, this,
          [this](int index) { cmd_ok_->setEnabled(index >= 0); });

  loadPicture();
  placeControls();
  setWindowTitle(brand().S_Titel);

  const StartWindowContent content = loadStartWindow();
  cboUhrentyp_->addItems(content.Uhrentypen);
  cboUhrentyp_->setCurrentIndex(content.Vorauswahl);
  cmd_ok_->setEnabled(cboUhrentyp_->currentIndex() >= 0);
  cmdeinfuehrung_->setVisible(content.DemoSichtbar);
  showLanguage();
  cmd_ok_->setFocus();
}

void FrmStartbild::loadPicture() {
  // No picture, no background.
  QString fehler;
  const QImage image = Lies_Bild(brand().S_Startbild, &fehler);
  if (!fehler.isEmpty()) refuse(fehler);
  if (!image.isNull()) startbild_ = QPixmap::fromImage(image);
}

void FrmStartbild::placeControls() {
  const int16_t* pos = brand().PosStartbild;
  QWidget* const order[] = {aniDeutsch_, aniEnglisch_, aniFrance_, aniworld_, cboUhrentyp_, cmd_ok_};
  QRect used;
  for (int i = 0; i < 6; ++i) {
    order[i]->move(twipsToPixels(pos[2 * i], pos[2 * i + 1]));
    used |= QRect(order[i]->pos(), order[i]->size());
  }
  // The Demo button has no place of its own: it stands left of OK.
  cmdeinfuehrung_->move(cmd_ok_->x() - kCommandButtonSize.width() - 8, cmd_ok_->y());
  used |= QRect(cmdeinfuehrung_->pos(), cmdeinfuehrung_->size());

  QSize size = startbild_.isNull() ? kDefaultSize : startbild_.size();
  size = size.expandedTo(QSize(used.right() + 1 + kMargin, used.bottom() + 1 + kMargin));
  setFixedSize(size);
}

void FrmStartbild::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (startbild_.isNull()) return;
  QPainter p(this);
  p.drawPixmap(0, 0, startbild_);
}

void FrmStartbild::keyPressEvent(QKeyEvent* event) {
  // "Ok" is the default button.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && cmd_ok_->isEnabled()) {
    cmd_ok_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void FrmStartbild::showLanguage() {
  const int sprache = settings().Sprache;
  aniDeutsch_->setChecked(sprache == 1);
  aniEnglisch_->setChecked(sprache == 2);
  aniFrance_->setChecked(sprache == 3);
  aniworld_->setChecked(sprache == 4);
}

void FrmStartbild::setDemoVisible(const std::optional<bool>& visible) {
  if (visible) cmdeinfuehrung_->setVisible(*visible);
}

void FrmStartbild::cmd_ok_Click() {
  if (cboUhrentyp_->currentIndex() < 0) return;
  if (!acceptStartWindow(cboUhrentyp_->currentText())) return;
  // The frame opens before this window goes, so the program does not end in between.
  callHook(hooks().Zeige_Rahmen);
  close();
}

void FrmStartbild::cmdeinfuehrung_Click() { startIntroduction(); }

void FrmStartbild::AniDeutsch_Click() {
  setDemoVisible(chooseGerman());
  showLanguage();
}

void FrmStartbild::AniEnglisch_Click() {
  setDemoVisible(chooseEnglish());
  showLanguage();
}

void FrmStartbild::AniFrance_Click() {
  setDemoVisible(chooseFrench());
  showLanguage();
}

void FrmStartbild::Aniworld_Click() {
  const UserTextChoice choice = chooseUserTextFile();
  setDemoVisible(choice.demoSichtbar);
  showLanguage();
}

bool Zeige_Startbild() {
  if (!checkBrand()) return false;
  auto* w = new FrmStartbild;
  w->show();
  return true;
}

}  // namespace qv
