// The application object every widget test needs; created before any test runs.
#include <QApplication>

#include "editors_test_support.h"

namespace {
int argc = 1;
char arg0[] = "test_editors";
char* argv[] = {arg0, nullptr};
}  // namespace

// Never destroyed: tearing it down among the exit-time destructors of the
// toolkit's own statics crashes.
QApplication& TestApp() {
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

namespace {
// Created at load time so that tests may build widgets at once.
[[maybe_unused]] QApplication& app = TestApp();
}  // namespace
