#include "dialogs/lldp/LldpNamesBinding.h"

#include <QLineEdit>

LldpNamesBinding::LldpNamesBinding(QWidget* form, std::vector<Named> named)
    : KySNMPRequest2Edits(form), named_(std::move(named)) {}

void LldpNamesBinding::RowReceived() {
  if (ListView() == nullptr) return;
  auto& list = request.varList;
  for (size_t i = 0; i < named_.size(); ++i) {
    const auto& [var, names] = named_[i];
    if (var >= list.Count()) continue;
    std::string& value = list.Item(var).value;
    if (i == 0 && list.Count() > 0) readHex_[list.Item(0).value] = value;
    value = LldpHexToNames(value, names);
  }
  AddRow();
}

std::string LldpNamesBinding::ReadHex(const std::string& key) const {
  const auto it = readHex_.find(key);
  return it == readHex_.end() ? std::string() : it->second;
}

void LldpNamesBinding::ControlsToValues() {
  KySNMPRequest2Edits::ControlsToValues();  // the selected line, then the bound controls
  if (tlvEdit_ == nullptr || named_.empty()) return;
  auto& list = request.varList;
  const auto& [var, names] = named_.front();
  if (var >= list.Count()) return;
  const std::string previous = list.Count() > 0 ? ReadHex(list.Item(0).value) : std::string();
  list.Item(var).value = LldpNamesToHex(tlvEdit_->text().toStdString(), names, previous);
}
