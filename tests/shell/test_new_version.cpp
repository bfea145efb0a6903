// The new-version window: texts and layout, its buttons and keys.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include "ShellTestSupport.h"
#include "platform/Controls.h"
#include "shell/FormNuevaVersion.h"

using shell_test::ShellTest;

namespace {

class NewVersionTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    Actualizacion::HayActualizacion = true;
    Actualizacion::VersionNueva = "1.12.0";
    Actualizacion::URLActualizacion = "https://dl.example.com/torv-1.12.0.exe";
  }
};

TEST_F(NewVersionTest, ShowsBothVersionsAndTheAddress) {
  FormNuevaVersion w;
  w.show();
  EXPECT_EQ(w.Label1[0]->text(), "A new version of TORV is available. You can download it from:");
  EXPECT_EQ(w.Text1->text(), Actualizacion::URLActualizacion);
  EXPECT_EQ(w.Label1[1]->text(), "Installed version:");
  EXPECT_EQ(w.Label1[2]->text(), "1.11.0");
  EXPECT_EQ(w.Label1[3]->text(), "Available version:");
  EXPECT_EQ(w.Label1[4]->text(), "1.12.0");
  EXPECT_EQ(w.Label1[5]->text(), "Please close TORV before you install the new version.");
  EXPECT_EQ(w.Label1[2]->x(), w.Label1[1]->x() + w.Label1[1]->width() + 8);
  EXPECT_EQ(w.Label1[4]->x(), w.Label1[3]->x() + w.Label1[3]->width() + 8);
  EXPECT_EQ(w.Image1[0]->geometry(), QRect(99, 353, 141, 34));
  EXPECT_EQ(w.Label3[0]->text(), "Download");
  EXPECT_EQ(w.Label3[1]->text(), "Cancel");
  EXPECT_TRUE(w.grab().save(qt_test::BuildFolder() + "/new_version.png"));
}

TEST_F(NewVersionTest, OkAndTheAddressOpenTheDownloadAndClose) {
  for (int way = 0; way < 2; ++way) {
    FormNuevaVersion w;
    w.show();
    qt_test::Click(way == 0 ? static_cast<QWidget*>(w.Label3[0]) : w.Text1);
    EXPECT_FALSE(w.isVisible());
  }
  EXPECT_EQ(opened_, QStringList(2, Actualizacion::URLActualizacion));
  EXPECT_TRUE(messages_->messages.empty());
  EXPECT_TRUE(Actualizacion::HayActualizacion);

  // No address, or no browser: the home page is named and the window closes.
  Actualizacion::URLActualizacion.clear();
  openSucceeds_ = false;
  FormNuevaVersion w;
  w.show();
  EXPECT_EQ(w.Text1->text(), "");
  qt_test::Click(w.Label3[0]);
  EXPECT_FALSE(w.isVisible());
  ASSERT_EQ(messages_->messages.size(), 1u);
  EXPECT_EQ(messages_->messages[0].prompt, "Sorry, cannot connect.\r\n" + shell_test::kHomePage);
}

TEST_F(NewVersionTest, OnlyAWebAddressFromTheServerIsOpened) {
  // The address comes from the downloaded version file: a local file, a
  // program or another scheme must never reach the desktop's "open".
  const char* const unsafe[] = {"/bin/sh", "file:///tmp/torv-setup.desktop",
                                "smb://host/share/setup.exe", "javascript:alert(1)",
                                "https:///no-host"};
  for (const char* address : unsafe) {
    Actualizacion::URLActualizacion = QString::fromLatin1(address);
    messages_->messages.clear();
    FormNuevaVersion w;
    w.show();
    qt_test::Click(w.Label3[0]);
    EXPECT_FALSE(w.isVisible()) << address;
    ASSERT_EQ(messages_->messages.size(), 1u) << address;
    EXPECT_EQ(messages_->messages[0].prompt, "Sorry, cannot connect.\r\n" + shell_test::kHomePage);
  }
  EXPECT_TRUE(opened_.isEmpty());

  Actualizacion::URLActualizacion = "HTTP://dl.example.com/torv.exe";
  FormNuevaVersion w;
  w.show();
  qt_test::Click(w.Text1);
  EXPECT_EQ(opened_, QStringList{Actualizacion::URLActualizacion});
}

TEST_F(NewVersionTest, CancelEscAndCCloseWithoutOpening) {
  struct Way {
    int key;
    const char* text;
  } keys[] = {{Qt::Key_Escape, ""}, {Qt::Key_C, "c"}, {Qt::Key_C, "C"}};
  for (const Way& k : keys) {
    FormNuevaVersion w;
    w.show();
    qt_test::Key(w.Text1, k.key, k.text);  // the window sees keys before its controls
    EXPECT_FALSE(w.isVisible()) << k.text;
  }
  FormNuevaVersion w;
  w.show();
  qt_test::Key(w.Text1, Qt::Key_A, "a");
  EXPECT_TRUE(w.isVisible());
  qt_test::Click(w.Label3[1]);
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(opened_.isEmpty());
}

// Ctrl+C copies the address. Enter in the window just opened starts no
// download; it presses a button the user has moved to with Tab.
TEST_F(NewVersionTest, CtrlCCopiesTheAddressAndEnterPressesOnlyAButtonMovedTo) {
  FormNuevaVersion w;
  w.show();
  QApplication::clipboard()->clear();
  qt_test::Key(w.Text1, Qt::Key_C, "\x03", Qt::ControlModifier);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(QApplication::clipboard()->text(), Actualizacion::URLActualizacion);

  if (!qt_test::ShowActive(&w)) GTEST_SKIP() << "no window takes the focus here";
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) qt_test::KeyAtFocus(key, "\r");
  EXPECT_TRUE(w.isVisible());
  for (int i = 0; i < 3 && QApplication::focusWidget() != w.Label3[1]; ++i)
    qt_test::KeyAtFocus(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), w.Label3[1]);
  qt_test::KeyAtFocus(Qt::Key_Return, "\r");
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(NewVersionTest, WithoutAHomePageTheFailedAddressIsNamed) {
  shell::SetAddresses({QString(), QString(), QString()});
  Actualizacion::URLActualizacion = "file:///tmp/setup";
  FormNuevaVersion w;
  w.show();
  qt_test::Click(w.Label3[0]);
  ASSERT_EQ(messages_->messages.size(), 1u);
  EXPECT_EQ(messages_->messages[0].prompt, "Sorry, cannot connect.\r\nfile:///tmp/setup");
}

TEST_F(NewVersionTest, AButtonSpringsBackWhenReleasedOutside) {
  FormNuevaVersion w;
  w.show();
  platform::ButtonCaption* ok = w.Label3[0];
  qt_test::SendMouse(ok, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_EQ(w.Image1[0]->pos(), QPoint(100, 354));
  EXPECT_EQ(ok->pos(), QPoint(100, 360));
  qt_test::SendMouse(ok, QEvent::MouseButtonRelease, QPointF(-40, -40), Qt::LeftButton,
                     Qt::NoButton);
  EXPECT_EQ(w.Image1[0]->pos(), QPoint(99, 353));
  EXPECT_EQ(ok->pos(), QPoint(99, 359));
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(NewVersionTest, WithoutLanguageFileTheVersionsAndAddressStillShow) {
  QTemporaryDir empty;
  platform::SetResourceFolder(empty.path());
  FormNuevaVersion w;
  EXPECT_EQ(w.Label1[0]->text(), "");
  EXPECT_EQ(w.Label1[2]->text(), "1.11.0");
  EXPECT_EQ(w.Label1[4]->text(), "1.12.0");
  EXPECT_EQ(w.Text1->text(), Actualizacion::URLActualizacion);
}

}  // namespace
