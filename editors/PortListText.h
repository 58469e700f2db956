// Port lists as people read them: the bit set of a port list (bit n is bit
// 7 - (n mod 8) of byte n div 8, so bit 0 is port 1) shown as port numbers
// and ranges ("1-8, 45, 49-52", "none"). List views show their port-list
// columns this way, with the value's hex text as the cell's tooltip; the
// cells keep the value text itself, so what is read back and written is
// unchanged.
#pragma once

#include <QStyledItemDelegate>
#include <set>
#include <string>
#include <string_view>

#include "editors/ListExport.h"
#include "snmp/VarList.h"

// The ports of a port list's bytes as numbers and ranges; "none" when no bit
// is set. Bits beyond the switch's ports are listed as they are.
std::string PortRangeText(std::string_view bytes);

// A list-view cell of a port list: the range text of the value text (hex), or
// the value text itself when it is none (a placeholder, not hex).
QString PortListCellText(const QString& valueText);

// Whether a variable is a set of ports (a Bits variable that names ports),
// rather than a set of other flags (capabilities, VLAN ranges, TLVs).
bool IsPortListVariable(Syntax syntax, std::string_view label);

// Draws the cells of its columns as port ranges, shows the hex text as their
// tooltip, and tells Copy / Export CSV the text it shows.
class KyPortListDelegate : public QStyledItemDelegate, public KyListExport::ShownText {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QString Text(const QModelIndex& index) const override;
  // The tooltip of a cell: its hex text.
  static QString ToolTip(const QModelIndex& index);
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
