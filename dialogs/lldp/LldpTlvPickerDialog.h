// The setting window of the LLDP port configuration: one check box per TLV
// name; "Set Checked" writes the ticked names into the port's TLV field.
#pragma once

#include <QDialog>
#include <span>
#include <vector>

#include "dialogs/lldp/LldpNames.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class LldpTlvPickerDialog : public QDialog {
  Q_OBJECT

 public:
  // One box per name of `names`, with the object names `boxNames`; owned
  // by `owner`.
  LldpTlvPickerDialog(QWidget* owner, std::span<const LldpBitName> names, const QString& captionPrefix,
                      const std::vector<const char*>& boxNames);

  // Captions the window with `captionPrefix` and the device name and ticks
  // the boxes of the names found in `target`.
  void prepare(QLineEdit* target, const QString& device);
  void setCheckedClicked();
  void closeClicked();

  std::vector<QCheckBox*> boxes;
  QPushButton* setCheckedButton = nullptr;

 private:
  void untickAll();
  std::span<const LldpBitName> names_;
  QString captionPrefix_;
  QLineEdit* target_ = nullptr;
};
