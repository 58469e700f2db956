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

#include <QPointer>
#include <QTimer>
#include <functional>

#include "snmp/SnmpPump.h"

// Runs `action` on the next modal window that opens (a port grid, an add or
// edit window, a dialog shown with exec). Polls every 10 ms; gives up after
// `limitMs` so that a test never hangs on a missing window. The action waits
// while the SNMP pump is running completions (a list view lets events run
// while it takes in walked rows, and an action that waits for the walk's end
// could not get a reply from in there), for at most 2 s: a modal opened by a
// completion itself is served all the same.
inline void OnNextModal(std::function<void(QWidget*)> action, QWidget* skip = nullptr, int limitMs = 10000) {
  auto* timer = new QTimer;
  auto left = std::make_shared<int>(limitMs / 10);
  auto insidePump = std::make_shared<int>(0);
  QPointer<QWidget> skipped(skip);
  QObject::connect(timer, &QTimer::timeout, [timer, action, left, insidePump, skipped] {
    if (GlobalEventPump.busy() && ++*insidePump < 200) return;
    QWidget* modal = QApplication::activeModalWidget();
    // Not from inside a completion (a row being shown lets events run): an
    // action that waits for the dialog's read would wait for itself.
    if (modal != nullptr && modal != skipped.data() && modal->isVisible() && !GlobalEventPump.busy()) {
      timer->stop();
      timer->deleteLater();
      action(modal);
      return;
    }
    if (--*left <= 0) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(10);
}
