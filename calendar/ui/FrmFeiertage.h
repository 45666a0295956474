#pragma once
// The holiday editor (frmfeiertage), a window of its own, not modal: a new holiday with its
// kind and date, the list of holidays, the holiday sets with their members and the years for
// movable holidays. Every change goes straight into the holiday table; "Beenden" writes the
// holiday file and closes, closing the window otherwise writes nothing. Its objects carry the
// system's control names.
#include <QDialog>

#include "model/Feiertage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace qv {

class FrmFeiertage : public QDialog {
  Q_OBJECT

 public:
  explicit FrmFeiertage(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* e) override;

 private:
  void buildControls();
  void Form_Load();
  void Opt_fest_Click();
  void Opt_frei_Click();
  void Opt_Ostern_Click();
  void cbo_monat_Click();
  void hsb_oster_distanz_Change();
  void lst_Feiertage_Click();
  void cmd_add_Feiertage_Click();
  void cmd_del_Feiertage_Click();
  void cbo_sets_Click();
  void cmd_add_set_Click();
  void cmd_del_set_Click();
  void cmd_add_to_set_Click();
  void cmd_remove_from_set_Click();
  void cbo_Jahre_fuer_Ft_Click();
  void cmd_ft_end_Click();

  void fuelleMonate();
  void fuelleFeiertage();
  void fuelleSets();
  void fuelleMitglieder();
  // Shows the table with the holiday and the set of these names chosen, else the first ones.
  void zeigeTabelle(const QString& feiertag, const QString& set);
  // Another window may have changed the table (the priority form adds Easter holidays): the
  // lists are rebuilt from it, so a list position is always the table position.
  void nachziehen();

  int FtArt_ = 2;
  int AktFtSet_ = 0;
  HolidayTable stand_;  // the table the lists show

  QGroupBox* fra_neuere_ft_ = nullptr;
  QLabel* lbl_ft_name_ = nullptr;
  QLineEdit* Txt_feiertag_name_ = nullptr;
  QGroupBox* fra_ft_art_ = nullptr;
  QRadioButton* Opt_fest_ = nullptr;
  QRadioButton* Opt_frei_ = nullptr;
  QRadioButton* Opt_Ostern_ = nullptr;
  QComboBox* cbo_tagnummer_ = nullptr;
  QComboBox* cbo_monat_ = nullptr;
  QComboBox* Cbo_Wochentag_ = nullptr;
  QScrollBar* HSb_oster_distanz_ = nullptr;
  QLabel* lbl_oster_distanz_ = nullptr;
  QPushButton* cmd_add_Feiertage_ = nullptr;
  QGroupBox* fra_bew_Feiertage_ = nullptr;
  QListWidget* lst_Feiertage_ = nullptr;
  QLabel* lbl_Feiertage_ = nullptr;
  QPushButton* cmd_del_Feiertage_ = nullptr;
  QGroupBox* fra_feiertagsset_ = nullptr;
  QComboBox* cbo_sets_ = nullptr;
  QListWidget* lst_feiertagsset_ = nullptr;
  QPushButton* cmd_add_to_set_ = nullptr;
  QPushButton* cmd_remove_from_set_ = nullptr;
  QPushButton* cmd_add_set_ = nullptr;
  QPushButton* cmd_del_set_ = nullptr;
  QGroupBox* fra_wieviel_freie_Ft_ = nullptr;
  QComboBox* cbo_Jahre_fuer_Ft_ = nullptr;
  QPushButton* cmd_ft_end_ = nullptr;
};

// Opens the one holiday editor, or brings it forward when it is open; returns it.
QWidget* Oeffne_frmfeiertage();

}  // namespace qv
