#pragma once
// The display filter dialog (frmfilter), modeless: channels, weekdays, months, programs, state or
// value and pulses of the filtered lists. OK stores the choices in the filter record, switches the
// filter on and refills the grid; Abbrechen and closing the window change nothing. A program of
// the other device family opened or read while it is open shows that family's choices at once.
// Its objects carry the system's control names.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace qv {

struct FilterdialogStellung;

class FrmFilter : public QDialog {
  Q_OBJECT

 public:
  // Loads the dialog from the filter record; deletes itself when closed.
  explicit FrmFilter(QWidget* parent = nullptr);

 private slots:
  void cbovonmon_Click();
  void cbovonp_Click();
  void chkallKan_Click(bool checked);
  void chkallwtag_Click(bool checked);
  void Zeige_Programmzeile();
  void hsbwert_change(int value);
  void cmdFilterok_Click();
  void cmdFilterend_Click();

 private:
  void buildControls();
  void Form_Load();
  // The controls set to a position for the program's device family.
  void zeige(const FilterdialogStellung& s);
  // Another program stands in the tables: a device family of its own shows at once.
  void Programm_ersetzt();
  FilterdialogStellung stellung() const;

  QLabel* LblUesKan_ = nullptr;
  QCheckBox* chkKan_[4]{};
  QCheckBox* chkallKan_ = nullptr;
  QComboBox* cbokanal_ = nullptr;
  QLabel* LblUesWt_ = nullptr;
  QCheckBox* chkTag_[7]{};
  QCheckBox* chkallwtag_ = nullptr;
  QLabel* LblUesMon_ = nullptr;
  QLabel* LblvonMon_ = nullptr;
  QLabel* LblbisMon_ = nullptr;
  QComboBox* cbovonmon_ = nullptr;
  QComboBox* cbobismon_ = nullptr;
  QLabel* LblUesPrio_ = nullptr;
  QLabel* LblvonPrio_ = nullptr;
  QLabel* LblbisPrio_ = nullptr;
  QComboBox* cbovonp_ = nullptr;
  QComboBox* cbobisp_ = nullptr;
  QLabel* LblSZust_ = nullptr;
  QComboBox* cboonoff_ = nullptr;
  QScrollBar* hsbwert_ = nullptr;
  QLabel* lblwert_ = nullptr;
  QLabel* LblUesImp_ = nullptr;
  QComboBox* cboimp_ = nullptr;
  QPushButton* cmdFilterok_ = nullptr;
  QPushButton* cmdFilterend_ = nullptr;
  int familie_ = 0;  // the device family the controls show
};

// Shows the one filter dialog, not modal; raises it when it is already open.
void Zeige_Filterdialog();
// The open filter dialog, or nullptr.
FrmFilter* offenerFilterdialog();

}  // namespace qv
