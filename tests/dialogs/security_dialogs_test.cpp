// The authentication and security dialogs against the simulator: what each
// sends is read back from the simulator's SET journal.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "dialog_sim_fixture.h"
#include "dialogs/security/MethodListFormUnit.h"

namespace {

using qrxtest::JournalOctets;
using qrxtest::WaitUntil;

// The instance suffix of a DisplayString index: its length, then its bytes.
std::string TextIndex(const std::string& text) {
  std::string out = std::to_string(text.size());
  for (unsigned char c : text) out += "." + std::to_string(c);
  return out;
}

QTreeWidgetItem* FindLine(QTreeWidget* view, const QString& first) {
  for (int i = 0; i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(0) == first) return view->topLevelItem(i);
  return nullptr;
}

template <class Form>
std::unique_ptr<Form> Open() {
  auto form = std::make_unique<Form>();
  form->show();
  EXPECT_TRUE(WaitUntil([&] { return form->FirstRefreshDone(); }));
  return form;
}

// ---------------------------------------------------------------------------
// Method lists.

constexpr const char* kLoginEntry = "1.3.6.1.4.1.32473.12.5.3.1";

class MethodLists : public qrxtest::DialogSimTest {};

struct SlotCase {
  const char* what;
  const char* types[4];
  const char* groups[4];
  QMessageBox::StandardButton answer;  // to the ineffective-method question
  bool asked;
  std::vector<std::string> written;  // column=value, in order
};

TEST_F(MethodLists, AddWritesOnlyTheEffectiveSlots) {
  const SlotCase cases[] = {
      {"local stops the list, No", {"radius", "local", "tacacs", ""}, {"", "", "", ""}, QMessageBox::No, true,
       {"2=4", "4=6", "10=4"}},
      {"local stops the list, Yes", {"radius", "local", "tacacs", ""}, {"", "", "", ""}, QMessageBox::Yes, true, {}},
      {"none first, No", {"none", "radius", "", ""}, {"", "", "", ""}, QMessageBox::No, true, {"2=8", "10=4"}},
      {"other is never written", {"server-group", "other", "radius", ""}, {"grp1", "x", "", ""}, QMessageBox::No,
       false, {"2=5", "3=" + JournalOctets("grp1"), "6=4", "10=4"}},
      {"local last asks nothing", {"tacacs-plus", "local", "", ""}, {"", "", "", ""}, QMessageBox::No, false,
       {"2=3", "4=6", "10=4"}},
  };
  int n = 0;
  for (const SlotCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto form = Open<TLoginMethodListForm>();
    const std::string name = "ops" + std::to_string(++n);
    form->nameEdit->setText(QString::fromStdString(name));
    for (int k = 0; k < 4; ++k) {
      TRowEditForm::SetComboText(form->typeCombos[k], QString::fromLatin1(c.types[k]));
      if (form->serverEdits[k]->isEnabled()) form->serverEdits[k]->setText(QString::fromLatin1(c.groups[k]));
    }
    EXPECT_FALSE(form->serverEdits[1]->isEnabled() && std::string(c.types[1]) == "other");
    Mark();
    messages.clear();
    answers = {c.answer};
    form->AddButton->click();
    EXPECT_EQ(messages.contains(QString::fromLatin1(TMethodListForm::kIneffectiveQuestion)), c.asked);
    std::vector<std::string> expected;
    for (const std::string& w : c.written) {
      const size_t eq = w.find('=');
      expected.push_back(std::string(kLoginEntry) + "." + w.substr(0, eq) + "." + TextIndex(name) + w.substr(eq));
    }
    EXPECT_EQ(NewVarbinds(), expected);
    EXPECT_EQ(FindLine(form->ListView1, QString::fromStdString(name)) != nullptr, !c.written.empty());
  }
}

TEST_F(MethodLists, AddRefusesBadInputWithoutSending) {
  auto form = Open<TLoginMethodListForm>();
  ASSERT_NE(FindLine(form->ListView1, "default"), nullptr);
  struct Case {
    const char* name;
    const char* status;
    const char* message;
  } cases[] = {
      {"", "createAndGo", "AAC Login Method List Name must be set."},
      {"default", "createAndGo",
       "Has already a record with the same Login Method List Name. Please Change Login Method List Name."},
      {"fresh", "active", "Row State must be createAndGo."},
  };
  for (const Case& c : cases) {
    form->nameEdit->setText(QString::fromLatin1(c.name));
    TRowEditForm::SetComboText(form->RowComboBox, QString::fromLatin1(c.status));
    TRowEditForm::SetComboText(form->typeCombos[0], "radius");
    messages.clear();
    form->AddButton->click();
    EXPECT_EQ(messages, QStringList{QString::fromLatin1(c.message)}) << c.name;
  }
  EXPECT_TRUE(NewSets().empty());
}

TEST_F(MethodLists, DefaultListIsNeverDeleted) {
  auto form = Open<TEnableMethodForm>();
  QTreeWidgetItem* line = FindLine(form->ListView1, "default");
  ASSERT_NE(line, nullptr);
  form->ListView1->setCurrentItem(line);
  EXPECT_EQ(form->nameEdit->text(), "default");
  EXPECT_TRUE(form->EditButton->isEnabled());
  EXPECT_FALSE(form->DeleteButton->isEnabled());
  EXPECT_FALSE(form->nameEdit->isEnabled());
  form->DeleteClick();  // even when called past the disabled button
  TRowEditForm::SetComboText(form->RowComboBox, "destroy");
  form->EditButton->click();
  EXPECT_EQ(messages.count(QString::fromLatin1(TMethodListForm::kDefaultNotDeleted)), 2);
  EXPECT_TRUE(NewSets().empty());
  EXPECT_NE(FindLine(form->ListView1, "default"), nullptr);
}

TEST_F(MethodLists, EditSkipsTheStatusAndDeleteSendsDestroy) {
  constexpr const char* kEnableEntry = "1.3.6.1.4.1.32473.12.5.4.1";
  auto form = Open<TEnableMethodForm>();
  // A list of its own, so that the test does not depend on the seeded rows.
  form->nameEdit->setText("adm");
  TRowEditForm::SetComboText(form->typeCombos[0], "radius");
  form->AddButton->click();
  QTreeWidgetItem* line = FindLine(form->ListView1, "adm");
  ASSERT_NE(line, nullptr);
  form->ListView1->setCurrentItem(line);
  EXPECT_EQ(form->typeCombos[0]->currentText(), "radius");
  EXPECT_FALSE(form->AddButton->isEnabled());
  Mark();
  TRowEditForm::SetComboText(form->typeCombos[0], "local-enable");
  TRowEditForm::SetComboText(form->typeCombos[1], "");
  TRowEditForm::SetComboText(form->typeCombos[2], "");
  TRowEditForm::SetComboText(form->typeCombos[3], "");
  form->EditButton->click();
  const std::string suffix = "." + TextIndex("adm");
  EXPECT_EQ(NewVarbinds(), std::vector<std::string>{std::string(kEnableEntry) + ".2" + suffix + "=7"});
  EXPECT_EQ(form->ListView1->selectedItems().size(), 0);

  line = FindLine(form->ListView1, "adm");
  ASSERT_NE(line, nullptr);
  form->ListView1->setCurrentItem(line);
  Mark();
  form->DeleteButton->click();
  EXPECT_EQ(NewVarbinds(), std::vector<std::string>{std::string(kEnableEntry) + ".10" + suffix + "=6"});
  EXPECT_EQ(FindLine(form->ListView1, "adm"), nullptr);
}

}  // namespace
