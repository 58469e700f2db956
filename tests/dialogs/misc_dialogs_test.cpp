// The miscellaneous dialogs against the simulator: what each reads is
// compared with the simulator's rows, what each writes is read back from the
// simulator's SET journal.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "DialogTestSupport.h"
#include "dialogs/misc/ReadOnlyViewsUnit.h"
#include "editors/ControlBinding.h"
#include "snmp/SessionParams.h"

namespace {

using qrxtest::DialogTest;
using qrxtest::Lines;
using qrxtest::WaitFor;
using Strings = std::vector<std::string>;

QStringList Column(const QTreeWidget* view, int column) {
  QStringList texts;
  for (int i = 0; i < view->topLevelItemCount(); ++i) texts << view->topLevelItem(i)->text(column);
  return texts;
}

// ---------------------------------------------------------------------------
// Read-only views

class ReadOnlyViews : public DialogTest {
 protected:
  // How many rows the simulator has in a column (walked with net-snmp).
  static int SimRows(const std::string& column) {
    auto r = qrxtest::RunCommand({"snmpwalk", "-v2c", "-c", qrxtest::SimProcess::kReadCommunity, "-On",
                                  session_->sim().address(), column});
    int rows = 0;
    for (size_t at = r.out.find(column + "."); at != std::string::npos; at = r.out.find(column + ".", at + 1)) ++rows;
    return rows;
  }
};

TEST_F(ReadOnlyViews, EachViewListsTheSimulatorsRows) {
  {
    auto dialog = Open<TMacStatisticTableForm>();
    const int rows = SimRows("1.3.6.1.4.1.32473.12.3.6.2.1.1");
    ASSERT_GT(rows, 0);
    EXPECT_EQ(dialog->ListView1->topLevelItemCount(), rows);
    EXPECT_TRUE(dialog->Memo1->toPlainText().startsWith("Get: Ok")) << dialog->Memo1->toPlainText().toStdString();
    // The MAC key is a length-prefixed text of the instance: it shows as text.
    const QString mac = dialog->ListView1->topLevelItem(0)->text(0);
    EXPECT_FALSE(mac.isEmpty());
    // "Refresh" reads the same rows again, without doubling them.
    dialog->Button1->click();
    ASSERT_TRUE(Settle(*dialog));
    EXPECT_EQ(dialog->ListView1->topLevelItemCount(), rows);
  }
  {
    auto dialog = Open<TDiagnosticsInformationForm>();
    const int rows = SimRows("1.3.6.1.4.1.32473.12.3.6.3.1.1");
    ASSERT_GT(rows, 0);
    EXPECT_EQ(dialog->ListView1->topLevelItemCount(), rows);
  }
  {
    auto dialog = Open<TPortCapabilities8021dForm>();
    const int rows = SimRows("1.3.6.1.2.1.17.6.1.1.4.1.1");
    ASSERT_GT(rows, 0);
    EXPECT_EQ(dialog->LV_dot1dPortCapabilitiesEntry->topLevelItemCount(), rows);
    EXPECT_EQ(dialog->ST_Count->text(), QString::number(rows));
    EXPECT_EQ(Column(dialog->LV_dot1dPortCapabilitiesEntry, 0).first(), QStringLiteral("1"));
    dialog->RefreshBtn->click();
    dialog->RefreshBtn->click();  // while the walk runs: ignored
    ASSERT_TRUE(Settle(*dialog));
    EXPECT_EQ(dialog->ST_Count->text(), QString::number(rows));
  }
}

TEST_F(ReadOnlyViews, AFailedFirstReadIsShownInTheOpenWindow) {
  GlobalSecurity.readCommunity = "not-the-community";
  GlobalTimeout = 30;
  GlobalRetries = 0;
  auto dialog = Open<TMacStatisticTableForm>();
  EXPECT_TRUE(dialog->isVisible());
  const QString memo = dialog->Memo1->toPlainText();
  EXPECT_FALSE(memo.isEmpty());
  EXPECT_FALSE(memo.contains("Ok")) << memo.toStdString();
  EXPECT_EQ(dialog->ListView1->topLevelItemCount(), 0);
}

}  // namespace
