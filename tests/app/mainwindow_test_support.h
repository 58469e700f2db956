// Helpers shared by the tests of the main window, the front panel and the
// port panel.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <string>

// The application object, shared by every test of the executable. It is
// made before the first test and deleted after the last one (see
// mainwindow_app_env_test.cpp): an application object destroyed only at the
// program's exit crashes in the toolkit's own clean-up once test input
// devices exist.
inline QApplication& AppForTests() {
  static int argc = 1;
  static char arg0[] = "test_app";
  static char* argv[] = {arg0, nullptr};
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  return *new QApplication(argc, argv);
}

// The build directory the tests may write pictures into ("." outside CTest).
inline std::string BuildDirForTests() {
  const char* dir = std::getenv("QRX_BUILD_DIR");
  return dir && *dir ? dir : ".";
}
