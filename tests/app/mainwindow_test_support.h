// Helpers shared by the tests of the main window, the front panel and the
// port panel.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <string>

// The application object (created on first use; shared with other tests of
// the executable that made one already).
inline QApplication& AppForTests() {
  static int argc = 1;
  static char arg0[] = "test_app";
  static char* argv[] = {arg0, nullptr};
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static QApplication app(argc, argv);
  return app;
}

// The build directory the tests may write pictures into ("." outside CTest).
inline std::string BuildDirForTests() {
  const char* dir = std::getenv("QRX_BUILD_DIR");
  return dir && *dir ? dir : ".";
}
