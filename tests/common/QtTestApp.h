// The Qt application object of a widget test executable, shared by every
// test in it: made on first use (at the latest before the first test) and
// deleted after the last test, while the toolkit can still clean up after it.
// (Left to the exit-time destructors it crashes in the toolkit's own
// clean-up once test input devices exist.)
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>

namespace qrxtest {

inline QApplication& TestApp() {
  static int argc = 1;
  static char arg0[] = "qrx-test";
  static char* argv[] = {arg0, nullptr};
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  return *new QApplication(argc, argv);
}

namespace detail {
class QtAppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { TestApp(); }
  void TearDown() override { delete QCoreApplication::instance(); }
};
// One environment per executable, however many files include this header.
inline ::testing::Environment* const kQtAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);
}  // namespace detail

}  // namespace qrxtest
