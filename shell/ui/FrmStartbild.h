#pragma once
// The start-up window: language buttons, the clock-type list, "Ok" into the editor and "Demo" for
// the introduction program. Its objects carry the system's control names.
#include <QPixmap>
#include <QWidget>
#include <optional>

class QComboBox;
class QPushButton;
class QToolButton;

namespace qv {

class FrmStartbild : public QWidget {
  Q_OBJECT

 public:
  // Loads the window: picture, layout of the brand, settings, empty program, list and
  // preselection. The brand must have been set up (checkBrand). Deletes itself when closed.
  explicit FrmStartbild(QWidget* parent = nullptr);

  QComboBox* uhrentypListe() const { return cboUhrentyp_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  void cmd_ok_Click();
  void cmdeinfuehrung_Click();
  void AniDeutsch_Click();
  void AniEnglisch_Click();
  void AniFrance_Click();
  void Aniworld_Click();

 private:
  void loadPicture();
  void placeControls();
  void showLanguage();
  void setDemoVisible(const std::optional<bool>& visible);

  QPixmap startbild_;
  QComboBox* cboUhrentyp_ = nullptr;
  QPushButton* cmd_ok_ = nullptr;
  QPushButton* cmdeinfuehrung_ = nullptr;
  QToolButton* aniDeutsch_ = nullptr;
  QToolButton* aniEnglisch_ = nullptr;
  QToolButton* aniFrance_ = nullptr;
  QToolButton* aniworld_ = nullptr;
};

// Checks the brand and shows a new start-up window; false (after "unknown manufacturer") when
// the program must end. The program's start and the main window's "New" come through here.
bool Zeige_Startbild();

}  // namespace qv
