// Bindings of the LLDP dialogs that show bit sets by name: each row of a
// walk has its named variables turned from hexadecimal into names before it
// goes into the list view (without a list view a row does nothing), and the
// port configuration bindings turn the TLV names back into hexadecimal
// before a write.
#pragma once

#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/lldp/LldpNames.h"
#include "editors/ControlBinding.h"

class QLineEdit;

class LldpNamesBinding : public KySNMPRequest2Edits {
 public:
  using Named = std::pair<int, std::span<const LldpBitName>>;  // variable, its names
  LldpNamesBinding(QWidget* form, std::vector<Named> named);

  // The TLV variable of a port configuration and the edit holding its names;
  // the edit is not bound (its text is names, not the value text).
  void SetTlvEdit(QLineEdit* edit) { tlvEdit_ = edit; }
  // The value text last read for the row of the key text (the first column).
  std::string ReadHex(const std::string& key) const;

  void ControlsToValues() override;

 protected:
  void RowReceived() override;

 private:
  std::vector<Named> named_;
  QLineEdit* tlvEdit_ = nullptr;
  std::map<std::string, std::string> readHex_;  // first named variable, by row key
};
