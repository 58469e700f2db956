// LLDP port configuration (basic and 802.3): per port, which TLVs it sends,
// shown by name and chosen in a small setting window of check boxes.
#pragma once

#include <QDialog>
#include <span>
#include <vector>

#include "dialogs/lldp/LldpNames.h"
#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class LldpNamesBinding;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

// The setting window: one check box per TLV name.
class LldpTlvPickerDialog : public QDialog {
  Q_OBJECT

 public:
  // One box per name of `names`, with the object names `boxNames`; owned
  // by `owner`.
  LldpTlvPickerDialog(QWidget* owner, std::span<const LldpBitName> names, const QString& captionPrefix,
                      const std::vector<const char*>& boxNames);

  // Captions the window with `captionPrefix` and the device name and ticks
  // the boxes of the names found in `target`.
  void Prepare(QLineEdit* target, const QString& device);
  void SetCheckedClick();
  void CloseClick();

  std::vector<QCheckBox*> boxes;
  QPushButton* SetCheckedButton = nullptr;
  QPushButton* CloseButton = nullptr;

 private:
  void UntickAll();
  std::span<const LldpBitName> names_;
  QString captionPrefix_;
  QLineEdit* target_ = nullptr;
};
