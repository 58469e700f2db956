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

// "TLVs TX Enable" (variable 3) of the port configuration.
class LldpPortTlvBinding : public LldpNamesBinding {
 public:
  explicit LldpPortTlvBinding(QWidget* form) : LldpNamesBinding(form, {{3, lldp::kBasicTlvs}}) {}
};
// The 802.3 TLVs (variable 1) of the 802.3 port configuration.
class LldpDot3TlvBinding : public LldpNamesBinding {
 public:
  explicit LldpDot3TlvBinding(QWidget* form)
      : LldpNamesBinding(form, {{1, lldp::kDot3Tlvs}}) {}
};
// Link aggregation status, local (variable 1) and remote (variable 3).
class LldpLocalLinkAggBinding : public LldpNamesBinding {
 public:
  explicit LldpLocalLinkAggBinding(QWidget* form) : LldpNamesBinding(form, {{1, lldp::kLinkAggStatus}}) {}
};
class LldpRemoteLinkAggBinding : public LldpNamesBinding {
 public:
  explicit LldpRemoteLinkAggBinding(QWidget* form) : LldpNamesBinding(form, {{3, lldp::kLinkAggStatus}}) {}
};
// Remote capabilities supported and enabled (variables 10 and 11).
class LldpRemoteCapabilitiesBinding : public LldpNamesBinding {
 public:
  explicit LldpRemoteCapabilitiesBinding(QWidget* form)
      : LldpNamesBinding(form, {{10, lldp::kCapabilities}, {11, lldp::kCapabilities}}) {}
};
