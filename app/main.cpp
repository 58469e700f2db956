#include <QApplication>
#include <QMessageBox>

#include "app/Version.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMessageBox::information(nullptr, "qrx900",
                           QString("%1 %2: the main window is not built yet.").arg(kProgramName, ProgramVersion()));
  return 1;
}
