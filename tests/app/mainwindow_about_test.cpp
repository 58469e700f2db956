// The about box.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/help/AboutDialog.h"
#include "mainwindow_test_support.h"

namespace {

TEST(AboutForm, ShowsTheQrx900AloneWithItsTitle) {
  AppForTests();
  AboutDialog about;
  about.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(about.windowTitle(), "About QRX-900 Module");
  EXPECT_EQ(about.aboutLabel->text(), "Norvane QRX-900 Management Module");
  EXPECT_EQ(about.versionLabel->text(), "Release Version 2.0");
  EXPECT_EQ(about.okButton->text(), "OK");
  ASSERT_EQ(about.modelIcons.size(), 5);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(AboutDialog::kModels[i]);
    EXPECT_EQ(about.modelIcons[i]->isVisible(), QString(AboutDialog::kModels[i]) == "QRX-900");
    EXPECT_EQ(about.modelIcons[i]->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(about.modelIcons[i]->geometry(), about.modelIcons[0]->geometry());
  }
}

TEST(AboutForm, ShiftAltF3OnOkShowsTheBuild) {
  AppForTests();
  const struct {
    Qt::KeyboardModifiers modifiers;
    int key;
    bool shows;
  } cases[] = {
      {Qt::NoModifier, Qt::Key_F3, false},
      {Qt::ShiftModifier, Qt::Key_F3, false},
      {Qt::AltModifier, Qt::Key_F3, false},
      {Qt::ShiftModifier | Qt::AltModifier, Qt::Key_F2, false},
      {Qt::ShiftModifier | Qt::AltModifier, Qt::Key_F3, true},
      {Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, Qt::Key_F3, true},
  };
  for (const auto& c : cases) {
    AboutDialog about;
    about.show();
    QTest::keyClick(about.okButton, static_cast<Qt::Key>(c.key), c.modifiers);
    EXPECT_EQ(about.versionLabel->text(),
              c.shows ? "Release Version 2.00V09(Build 2008/12/12)" : "Release Version 2.0")
        << c.key << " " << c.modifiers.toInt();
  }
}

// Every text is shown whole, whatever the font: the labels take the width
// of their texts and the box grows with them, also for the build line.
TEST(AboutForm, TextsAreShownWholeAtAnyFontSize) {
  AppForTests();
  for (int points : {8, 12, 20, 28}) {
    SCOPED_TRACE(points);
    AboutDialog about;
    QFont font = about.font();
    font.setPointSize(points);
    about.setFont(font);
    about.show();
    QCoreApplication::processEvents();
    for (bool build : {false, true}) {
      if (build) {
        QTest::keyClick(about.okButton, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
        QCoreApplication::processEvents();
      }
      for (QLabel* label : {about.aboutLabel, about.versionLabel, about.infoLabel}) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_GE(label->contentsRect().height(), label->fontMetrics().height());
        EXPECT_TRUE(about.rect().contains(label->geometry()))
            << "label " << label->geometry().x() << "," << label->geometry().y() << " "
            << label->geometry().width() << "x" << label->geometry().height() << " outside the box "
            << about.width() << "x" << about.height();
      }
      EXPECT_TRUE(about.rect().contains(about.okButton->geometry()));
      // The texts lie right of the icon, not over it.
      EXPECT_GE(about.aboutLabel->mapTo(&about, QPoint(0, 0)).x(),
                about.modelIcons[0]->mapTo(&about, QPoint(32, 0)).x());
    }
  }
}

TEST(AboutForm, OkClosesIt) {
  AppForTests();
  AboutDialog about;
  about.show();
  QTest::mouseClick(about.okButton, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
