// The arrangement of the LLDP windows over a per-port list: the list, its
// "Samples" count under it at the right, the captioned fields of the
// selected line, the button row and a status bar, one under the other.
#pragma once

#include <QSize>
#include <QString>

#include "dialogs/common/DialogLayout.h"

class QFormLayout;
class QLabel;
class QTreeWidget;
class QVBoxLayout;
class SnmpDialog;

class LldpListLayout {
 public:
  // The list `ListView1` with its minimum size at 96 dpi, and its count.
  LldpListLayout(SnmpDialog* dialog, QSize listMinimum);

  QTreeWidget* list() const { return list_; }
  // A field of the selected line under its caption.
  void field(const QString& caption, QWidget* control);
  ButtonBar& buttons() { return buttons_; }
  // Puts the button row and the status bar under the fields; returns the
  // status bar's panel 0.
  QLabel* finish();

 private:
  SnmpDialog* dialog_;
  QVBoxLayout* top_;
  QTreeWidget* list_;
  QFormLayout* fields_;
  ButtonBar buttons_;
};
