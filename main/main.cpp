// Program entry: the application, the dedicated dialogs, the main window,
// the message loop. An error that escapes the start-up is shown in a message
// box and ends the program with a non-zero status.
#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTimer>
#include <exception>
#include <memory>

#include "app/ConnectForm.h"
#include "app/LaunchParameters.h"
#include "app/MainWindow.h"
#include "app/MenuBar.h"
#include "app/snapshot/SnapshotCommandLine.h"
#include "dialogs/RegisterDialogs.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"

namespace {

// Each new text of status panel 0 (poll results, errors) as an info
// message, for watching a run without a screen:
//   QT_LOGGING_RULES="qrx900.status.info=true" qrx900 ...
Q_LOGGING_CATEGORY(lcStatus, "qrx900.status", QtWarningMsg)

void LogStatusPanel(TMainForm& window) {
  if (!lcStatus().isInfoEnabled()) return;
  auto* timer = new QTimer(&window);
  auto last = std::make_shared<QString>();
  QObject::connect(timer, &QTimer::timeout, timer, [&window, last] {
    const QString text = window.StatusPanel0()->text();
    if (text == *last) return;
    *last = text;
    qCInfo(lcStatus).noquote() << text;
  });
  timer->start(100);
}

}  // namespace

int main(int argc, char** argv) {
  // --snapshot and --compare run without a window.
  if (IsSnapshotCommandLine(argc, argv)) return RunSnapshotCommandLine(argc, argv);
  QApplication app(argc, argv);
  try {
    std::vector<std::string> arguments = LaunchArguments(argc, argv);
    // From the desktop's menu: ask for the switch first.
    if (arguments.size() == 1 && arguments[0] == kConnectArgument) {
      TConnectForm connect;
      if (connect.exec() != QDialog::Accepted) return 0;
      arguments = connect.Arguments();
    }
    RegisterDedicatedDialogs(DedicatedDialogs());
    TMainForm window(arguments);
    if (window.TerminateRequested()) return 2;
    LogStatusPanel(window);
    window.show();
    return app.exec();
  } catch (const std::exception& e) {
    ShowMessageBox(nullptr, QString::fromStdString(ErrorText(e)), ProgramCaption(), QMessageBox::Ok,
                   QMessageBox::Critical);
  } catch (...) {
    ShowMessageBox(nullptr, "Unknown error during start-up.", ProgramCaption(), QMessageBox::Ok,
                   QMessageBox::Critical);
  }
  return 1;
}
