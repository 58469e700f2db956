// Fixture of the access-profile and access-rule dialog tests, on the shared
// dialog fixture (one simulator with its SET journal per executable): the
// SETs sent since the test began, keyed by column and instance, and helpers
// that choose combo items and select list lines.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "dialogs/DialogTestSupport.h"
#include "dialogs/acl/AclFilter.h"

namespace acltest {

// What one SET sent: "<column>.<instance>" below the entry -> "<TYPE> <value>".
using Sent = std::map<std::string, std::string>;

class AclDialogTest : public qrxtest::DialogTest {
 protected:
  void SetUp() override {
    qrxtest::DialogTest::SetUp();
    mark_ = JournalSize();
  }

  // A dialog as its menu command makes it, after a good first read.
  // A dialog made for either set of tables is made for those of `filter`.
  template <class T>
  std::unique_ptr<T> OpenRead(AclFilter filter = AclFilter::AccessList) {
    std::unique_ptr<T> dialog;
    if constexpr (std::is_constructible_v<T, const DialogContext&, AclFilter>) {
      dialog = std::make_unique<T>(Context(), filter);
      dialog->show();
      EXPECT_TRUE(qrxtest::WaitFor([&] { return dialog->FirstRefreshDone() && !dialog->AnyBusy(); }))
          << "first read did not finish";
    } else {
      dialog = Open<T>();
    }
    EXPECT_EQ(dialog->statusLabel->text().left(8).toStdString(), "Get: Ok.")
        << dialog->statusLabel->text().toStdString();
    return dialog;
  }

  // The SETs sent since the test began.
  std::vector<qrxtest::JournalRecord> NewSets() const { return JournalSince(mark_); }

  // The varbinds of the last SET below `entry`, keyed by column and instance.
  Sent LastSet(const std::string& entry) const {
    Sent sent;
    const auto records = NewSets();
    if (records.empty()) {
      ADD_FAILURE() << "nothing sent";
      return sent;
    }
    for (const auto& vb : records.back().varbinds) {
      std::string key = vb.oid;
      if (key.rfind(entry + ".", 0) == 0) key = key.substr(entry.size() + 1);
      sent[key] = vb.value.empty() ? vb.type : vb.type + " " + vb.value;
    }
    return sent;
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

  std::string LastMessage() const { return boxes.texts.isEmpty() ? std::string() : boxes.texts.back().toStdString(); }
  bool NoMessage() const { return boxes.texts.isEmpty(); }
  void ClearMessages() { boxes.texts.clear(); }

  size_t mark_ = 0;
};

}  // namespace acltest
