// Fixture of the access-profile and access-rule dialog tests: a simulator
// with its SET journal per test, the message boxes answered and recorded,
// and helpers that open a dialog, fill its fields and read what it sent.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/DialogContext.h"
#include "common/QtTestApp.h"
#include "common/SetJournal.h"
#include "common/SimSession.h"
#include "editors/UiSupport.h"

namespace acltest {

// What one SET sent: "<column>.<instance>" below the entry -> "<TYPE> <value>".
using Sent = std::map<std::string, std::string>;

class AclDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qrxtest::TestApp();
    ASSERT_TRUE(session_.Start(/*journal=*/true)) << session_.error();
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons) {
      messages_.push_back(text.toStdString());
      return QMessageBox::Ok;
    });
  }
  void TearDown() override { SetMessageBoxHook({}); }

  // A dialog as its menu command makes it, shown, after its first read.
  template <class T>
  std::unique_ptr<T> Open() {
    DialogContext context;
    auto dialog = std::make_unique<T>(context);
    dialog->show();
    QElapsedTimer t;
    t.start();
    while (!dialog->FirstRefreshDone() && t.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(dialog->FirstRefreshDone());
    EXPECT_EQ(dialog->StatusPanel0->text().left(8).toStdString(), "Get: Ok.") << dialog->StatusPanel0->text().toStdString();
    return dialog;
  }

  std::vector<qrxtest::JournalRecord> Journal() const { return qrxtest::ReadSetJournal(session_.journalPath()); }

  // The varbinds of SET number `n` (from 0) below `entry`, keyed by column and instance.
  Sent SetNo(size_t n, const std::string& entry) const {
    Sent sent;
    const auto records = Journal();
    if (n >= records.size()) {
      ADD_FAILURE() << "no SET number " << n << " (" << records.size() << " sent)";
      return sent;
    }
    for (const auto& vb : records[n].varbinds) {
      std::string key = vb.oid;
      if (key.rfind(entry + ".", 0) == 0) key = key.substr(entry.size() + 1);
      sent[key] = vb.value.empty() ? vb.type : vb.type + " " + vb.value;
    }
    return sent;
  }
  Sent LastSet(const std::string& entry) const {
    const size_t n = Journal().size();
    return n == 0 ? Sent{} : SetNo(n - 1, entry);
  }

  // The columns of a SET, without the instance: "2.7" -> 2.
  static std::vector<int> Columns(const Sent& sent) {
    std::vector<int> cols;
    for (const auto& [key, value] : sent) cols.push_back(std::stoi(key.substr(0, key.find('.'))));
    std::sort(cols.begin(), cols.end());
    return cols;
  }

  static void Choose(QComboBox* combo, const char* label) {
    const int i = combo->findText(QString::fromLatin1(label));
    ASSERT_GE(i, 0) << combo->objectName().toStdString() << " has no " << label;
    combo->setCurrentIndex(i);
  }
  // Selects the list line whose first columns are `keys`; false if none.
  static bool SelectRow(QTreeWidget* view, const QStringList& keys) {
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
      QTreeWidgetItem* line = view->topLevelItem(i);
      bool same = true;
      for (int k = 0; k < keys.size() && same; ++k) same = line->text(k) == keys[k];
      if (same) {
        view->setCurrentItem(line);
        line->setSelected(true);
        return true;
      }
    }
    return false;
  }
  static bool HasRow(QTreeWidget* view, const QStringList& keys) {
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
      bool same = true;
      for (int k = 0; k < keys.size() && same; ++k) same = view->topLevelItem(i)->text(k) == keys[k];
      if (same) return true;
    }
    return false;
  }

  std::string LastMessage() const { return messages_.empty() ? std::string() : messages_.back(); }

  qrxtest::SimSession session_;
  std::vector<std::string> messages_;
};

}  // namespace acltest
