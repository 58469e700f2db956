// Program entry: the application, the dedicated dialogs, the main window,
// the message loop. An error that escapes the start-up is shown in a message
// box and ends the program with a non-zero status.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/LaunchParameters.h"
#include "app/MainWindow.h"
#include "dialogs/RegisterDialogs.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  try {
    RegisterDedicatedDialogs();
    TMainForm window(LaunchArguments(argc, argv));
    if (window.TerminateRequested()) return 2;
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
