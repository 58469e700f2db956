// The about box of the device manager.
#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* owner = nullptr);

  // Model names of the five icons, in layout order.
  static const char* const kModels[5];

  QLabel* aboutLabel = nullptr;
  QLabel* versionLabel = nullptr;
  QLabel* infoLabel = nullptr;  // the third text
  QList<QLabel*> modelIcons;    // 32 x 32, all at the same place, one per model
  QPushButton* okButton = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void updateTexts();
  void okKeyPressed(int key, Qt::KeyboardModifiers modifiers);
};
