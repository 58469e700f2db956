// The application object of the app tests: made before the first test, so
// that every test finds it, and deleted after the last one, while the
// toolkit can still clean up after it.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "mainwindow_test_support.h"

namespace {

class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { AppForTests(); }
  void TearDown() override { delete QCoreApplication::instance(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
