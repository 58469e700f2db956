// Puts a combo box on the item with the given text (no item: no selection).
#pragma once

#include <QComboBox>

inline void SetComboText(QComboBox* combo, const QString& text) { combo->setCurrentIndex(combo->findText(text)); }
