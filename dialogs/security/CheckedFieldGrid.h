// The field grid of the dialogs whose fields are each written only when
// their use box is checked: one line per field, [use box] caption control
// (a shown-only field has no box).
#pragma once

#include <initializer_list>

class QCheckBox;
class QGridLayout;
class QWidget;

struct CheckedField {
  const char* caption;
  QCheckBox* box;  // null: shown only
  QWidget* control;
};

QGridLayout* CheckedFieldGrid(QWidget* dialog, std::initializer_list<CheckedField> fields);
