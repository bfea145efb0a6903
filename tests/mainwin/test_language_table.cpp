// The language loader and lookup every window uses.
#include "MainwinTestSupport.h"

using mainwin_test::MainwinTest;
using mainwin_test::WriteBytes;

namespace {

class LanguageTableTest : public MainwinTest {
 protected:
  // Writes lang/ENG_WIN_TST.lmo with exactly these bytes.
  void WriteFile(const QByteArray& bytes) {
    UseEmptyResourceFolder();
    WriteBytes(folder_.path() + "/lang/ENG_WIN_TST.lmo", bytes);
  }
  LanguageTable table{"TST"};
};

TEST_F(LanguageTableTest, KeysAreUpperCasedAndTrimmedTextsKeptAsWritten) {
  WriteFile(
      "[MNU_File]=Archive\r\n"
      "   [ key ]  =  Text\r\n"
      "[A]B=C\r\n"
      "[A=B]=C\r\n"
      "[D]=B=C\r\n"
      "[E]=\r\n"
      "; note\r\n"
      "x[F]=1\r\n"
      "\r\n"
      "\t[G]=tab\r\n");
  for (const char* k : {"mnu_file", "MNU_FILE", "mnu_File", "  mnu_File ", " MNU_FILE"})
    EXPECT_EQ(table.GetL_win(k), "Archive") << k;
  EXPECT_EQ(table.GetL_win("KEY"), "  Text");
  EXPECT_EQ(table.GetL_win("a"), "C");
  EXPECT_EQ(table.GetL_win("A=B"), "C");
  EXPECT_EQ(table.GetL_win("D"), "B=C");
  EXPECT_EQ(table.GetL_win("E"), "");
  EXPECT_TRUE(table.IdiomaCargado);
  // Comments, lines not starting with "[", blank lines and tab-led lines are no entries.
  EXPECT_EQ(table.ClavesIdioma, QStringList({"MNU_FILE", "KEY", "A", "A=B", "D", "E"}));
  EXPECT_EQ(table.GetL_win("F"), "");
  EXPECT_EQ(table.GetL_win("G"), "");
}

TEST_F(LanguageTableTest, FirstOfDuplicateKeysWinsAndPlaceholderBecomesLineBreak) {
  WriteFile("[K]=first\r\n[k]=second\r\n[L]=First%CRLF%Second\r\n[M]=a%crlf%b\r\n[N]=R&D\r\n");
  EXPECT_EQ(table.GetL_win("K"), "first");
  EXPECT_EQ(table.GetL_win("L"), "First\r\nSecond");
  EXPECT_EQ(table.GetL_win("M"), "a%crlf%b");
  EXPECT_EQ(table.GetL_win("N"), "R&D");
  EXPECT_EQ(table.GetL_win("N", true), "RD");
}

TEST_F(LanguageTableTest, OneBadEntryLineVoidsTheWholeFile) {
  for (const QByteArray& bad :
       {QByteArray("[A]"), QByteArray("[A=1"), QByteArray("  [B] no equals")}) {
    WriteFile("[GOOD]=yes\r\n" + bad + "\r\n[LATER]=too\r\n");
    LanguageTable t("TST");
    EXPECT_EQ(t.GetL_win("GOOD"), "") << bad.constData();
    EXPECT_FALSE(t.IdiomaCargado);
  }
  // Empty file and a file without entry lines load nothing either.
  for (const QByteArray& bytes : {QByteArray(), QByteArray("; only a comment\r\n\r\n")}) {
    WriteFile(bytes);
    LanguageTable t("TST");
    t.LoadIdioma("TST");
    EXPECT_FALSE(t.IdiomaCargado);
  }
}

TEST_F(LanguageTableTest, LfOnlyFileIsOneEntryRunningToTheEnd) {
  WriteFile("[A]=one\n[B]=two\n");
  EXPECT_EQ(table.GetL_win("A"), "one\n[B]=two\n");
  EXPECT_EQ(table.GetL_win("B"), "");
  // A lone CR does not end a line either.
  WriteFile("[A]=x\ry\r\n[B]=z");
  LanguageTable t("TST");
  EXPECT_EQ(t.GetL_win("A"), "x\ry");
  EXPECT_EQ(t.GetL_win("B"), "z");
}

TEST_F(LanguageTableTest, MissingFileIsLookedForAgainAtEachLookup) {
  UseEmptyResourceFolder();
  EXPECT_EQ(table.GetL_win("A"), "");
  EXPECT_FALSE(table.IdiomaCargado);
  WriteBytes(folder_.path() + "/lang/ENG_WIN_TST.lmo", "[A]=found\r\n");
  EXPECT_EQ(table.GetL_win("A"), "found");
}

TEST_F(LanguageTableTest, FailedReloadForgetsAnEarlierLoadAndKeysCoverWindows1252) {
  WriteFile("[A]=caf\xe9 \x80 5\r\n");
  EXPECT_EQ(table.GetL_win("a"), QString::fromUtf8("café € 5"));
  WriteFile("[A]=changed\r\n[broken\r\n");
  table.LoadIdioma("TST");
  EXPECT_FALSE(table.IdiomaCargado);
  EXPECT_EQ(table.ClavesIdioma, QStringList({"A"}));  // arrays kept, yet not used
  EXPECT_EQ(table.GetL_win("A"), "");
}

}  // namespace
