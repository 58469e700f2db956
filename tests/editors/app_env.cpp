// The application object every widget test needs: the shared one of
// tests/common, made before the first test and deleted after the last.
#include "common/QtTestApp.h"
#include "editors_test_support.h"

QApplication& TestApp() { return qrxtest::TestApp(); }

namespace {
// Made at load time so that tests may build widgets at once.
[[maybe_unused]] QApplication& app = TestApp();
}  // namespace
