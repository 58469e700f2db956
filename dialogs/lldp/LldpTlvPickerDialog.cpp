#include "dialogs/lldp/LldpTlvPickerDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "editors/UiSupport.h"

LldpTlvPickerDialog::LldpTlvPickerDialog(QWidget* owner, std::span<const LldpBitName> names,
                                         const QString& captionPrefix, const std::vector<const char*>& boxNames)
    : QDialog(owner), names_(names), captionPrefix_(captionPrefix) {
  auto* top = new QVBoxLayout(this);
  for (size_t i = 0; i < names.size(); ++i) {
    QCheckBox* box = MakeCheckBox(this, QString::fromLatin1(names[i].name), boxNames[i]);
    boxes.push_back(box);
    top->addWidget(box);
  }
  ButtonBar buttons(this);
  setCheckedButton = buttons.add(QStringLiteral("Set Checked"), Name{"SetCheckedButton"}, [this] { setCheckedClicked(); });
  buttons.add(QStringLiteral("Close"), Name{"CloseButton"}, [this] { closeClicked(); });
  top->addLayout(buttons.layout());
  setMinimumWidth(Px(this, 320));
}

void LldpTlvPickerDialog::prepare(QLineEdit* target, const QString& device) {
  target_ = target;
  setWindowTitle(captionPrefix_ + device);
  const std::string text = target ? target->text().toStdString() : std::string();
  for (size_t i = 0; i < names_.size(); ++i) boxes[i]->setChecked(text.find(names_[i].name) != std::string::npos);
}

void LldpTlvPickerDialog::untickAll() {
  for (QCheckBox* b : boxes) b->setChecked(false);
}

void LldpTlvPickerDialog::setCheckedClicked() {
  std::string names = " ";
  for (size_t i = 0; i < names_.size(); ++i) {
    if (!boxes[i]->isChecked()) continue;
    if (names != " ") names += ',';
    names += names_[i].name;
  }
  if (target_) target_->setText(QString::fromStdString(names));
  untickAll();
  accept();
}

void LldpTlvPickerDialog::closeClicked() {
  untickAll();
  reject();
}
