// Helpers shared by the editor tests.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <string>

#include "editors/UiSupport.h"

QApplication& TestApp();

// Answers every message box with `answer` and records the texts; counts
// beeps. Removes its hooks when it goes.
class BoxRecorder {
 public:
  explicit BoxRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer) {
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
      texts << text;
      captions << caption;
      return answer_;
    });
    SetBeepHook([this] { ++beeps; });
  }
  ~BoxRecorder() {
    SetMessageBoxHook({});
    SetBeepHook({});
  }
  void Answer(QMessageBox::StandardButton a) { answer_ = a; }

  QStringList texts;
  QStringList captions;
  int beeps = 0;

 private:
  QMessageBox::StandardButton answer_;
};
