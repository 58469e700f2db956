// LLDP port configuration (basic and 802.3): per port, which TLVs it sends,
// shown by name and chosen in a small setting window of check boxes.
#pragma once

#include <QDialog>
#include <span>
#include <vector>

#include "app/DialogContext.h"
#include "dialogs/lldp/LldpNames.h"
#include "editors/SnmpDialog.h"

class KyLldpNamesRequest2Edits;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

// The setting window: one check box per TLV name.
class TLldpTlvSettingForm : public QDialog {
  Q_OBJECT

 public:
  // Captions the window with `captionPrefix` and the device name and ticks
  // the boxes of the names found in `target`.
  void Prepare(QLineEdit* target, const QString& device);
  void SetCheckedClick();
  void CloseClick();

  std::vector<QCheckBox*> boxes;
  QPushButton* SetCheckedButton = nullptr;
  QPushButton* CloseButton = nullptr;

 protected:
  TLldpTlvSettingForm(QWidget* owner, std::span<const LldpBitName> names, const QString& captionPrefix,
                      const std::vector<const char*>& boxNames);

 private:
  void UntickAll();
  std::span<const LldpBitName> names_;
  QString captionPrefix_;
  QLineEdit* target_ = nullptr;
};

class TLLDPPortConfigurationForm : public TLldpTlvSettingForm {
  Q_OBJECT
 public:
  explicit TLLDPPortConfigurationForm(QWidget* owner);
};

class TLLDPDot3PortConfigurationForm : public TLldpTlvSettingForm {
  Q_OBJECT
 public:
  explicit TLLDPDot3PortConfigurationForm(QWidget* owner);
};

// The list window of a port configuration table.
class TLldpTlvPortForm : public TSnmpDialog {
  Q_OBJECT

 public:
  void RefreshClick();
  void EditClick();
  // Opens the setting window for the TLV names (a click into TLVsEdit).
  void TLVsEditClick();

  KyLldpNamesRequest2Edits* binding = nullptr;
  TLldpTlvSettingForm* SettingForm = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QLabel* PortText = nullptr;
  QLineEdit* TLVsEdit = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* EditButton = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;

 protected:
  explicit TLldpTlvPortForm(const DialogContext& context);
  // Binds the port, the extra controls (combo, variable) and the TLV edit
  // of variable `tlvVariable`, and lays the window out.
  void Build(KyLldpNamesRequest2Edits* namesBinding, TLldpTlvSettingForm* setting, int tlvVariable,
             const std::vector<std::pair<QComboBox*, int>>& combos);
  void FirstRefresh() override { RefreshClick(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectionChanged();
  QString device_;
  int tlvVariable_ = 0;
};

class TLLDPPortConfigForm : public TLldpTlvPortForm {
  Q_OBJECT
 public:
  explicit TLLDPPortConfigForm(const DialogContext& context);
  QComboBox* AdminStateComboBox = nullptr;
  QComboBox* NotificationComboBox = nullptr;
};

class TLLDPDot3PortConfigForm : public TLldpTlvPortForm {
  Q_OBJECT
 public:
  explicit TLLDPDot3PortConfigForm(const DialogContext& context);
};
