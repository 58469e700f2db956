#include "dialogs/security/CheckedFieldGrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

QGridLayout* CheckedFieldGrid(QWidget* dialog, std::initializer_list<CheckedField> fields) {
  auto* grid = new QGridLayout;
  int line = 0;
  for (const CheckedField& f : fields) {
    if (f.box) grid->addWidget(f.box, line, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(f.caption), dialog), line, 1);
    grid->addWidget(f.control, line, 2);
    ++line;
  }
  return grid;
}
