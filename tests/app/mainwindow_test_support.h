// Helpers shared by the tests of the main window, the front panel and the
// port panel.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "common/QtTestApp.h"

// The application object, shared by every test of the executable
// (tests/common/QtTestApp.h: deleted after the last test, while the toolkit
// can still clean up after it).
inline QApplication& AppForTests() { return qrxtest::TestApp(); }

// The build directory the tests may write pictures into ("." outside CTest).
inline std::string BuildDirForTests() {
  const char* dir = std::getenv("QRX_BUILD_DIR");
  return dir && *dir ? dir : ".";
}
