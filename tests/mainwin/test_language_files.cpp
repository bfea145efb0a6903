// The language files the program ships: their form, and every key the main
// window, its report and the units dialog ask for.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "MainwinTestSupport.h"
#include "engine/Vigas.h"
#include "platform/LanguageKeys.h"

using mainwin_test::MainwinTest;

namespace {

class LanguageFilesTest : public MainwinTest {
 protected:
  static QByteArray Bytes(const QString& prefix) {
    QFile f(LanguageFilePath(prefix));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    return f.readAll();
  }
  static void ExpectKeys(LanguageTable& t, const QStringList& keys) {
    for (const QString& k : keys)
      EXPECT_FALSE(t.GetL_win(k).trimmed().isEmpty()) << k.toStdString();
  }
};

TEST_F(LanguageFilesTest, FilesAreWindows1252WithCrLfLineEnds) {
  for (const char* prefix : {"KSL", "EUN"}) {
    SCOPED_TRACE(prefix);
    const QByteArray bytes = Bytes(prefix);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));  // no lone LF
    EXPECT_EQ(bytes.count("\r"), bytes.count("\r\n"));  // no lone CR
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));     // no byte-order mark
    for (char c : bytes) {
      const unsigned char b = static_cast<unsigned char>(c);
      EXPECT_TRUE(b >= 0x20 || c == '\r' || c == '\n') << int(b);
      // Bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D have no character in the code page.
      EXPECT_TRUE(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D);
    }
    LanguageTable t(prefix);
    t.LoadIdioma(prefix);
    EXPECT_TRUE(t.IdiomaCargado);
    EXPECT_EQ(t.ClavesIdioma.removeDuplicates(), 0);
  }
}

TEST_F(LanguageFilesTest, MainWindowFileHoldsEveryKeyAndFollowsTheTextRules) {
  LanguageTable t("KSL");
  const int counts[6] = {0, 21, 11, 9, 9, 4};
  EXPECT_EQ(t.GetL_win("NTTV"), "5");
  for (int i = 1; i <= 5; ++i) {
    const QString caption = t.GetL_win(QString("TV%1").arg(i));
    EXPECT_FALSE(caption.isEmpty());
    // The page title is split into the graph's two header lines at its first "-".
    EXPECT_FALSE(caption.contains('-')) << caption.toStdString();
    EXPECT_EQ(t.GetL_win(QString("NTC_V%1").arg(i)), QString::number(counts[i]));
    for (int j = 0; j < counts[i]; ++j) {
      const QString text = t.GetL_win(QString("TC_V%1").arg(100 * i + j));
      EXPECT_FALSE(text.isEmpty()) << 100 * i + j;
      EXPECT_TRUE(Vigas::CasoExiste(100 * i + j));
      // Case texts are drawn as mark-up in graph titles: no codes in them.
      EXPECT_FALSE(text.contains(QRegularExpression("[&_^@]"))) << text.toStdString();
      EXPECT_LE(text.size(), 60) << text.toStdString();
    }
    EXPECT_EQ(t.GetL_win(QString("TC_V%1").arg(100 * i + counts[i])), "");
  }
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(t.GetL_win(QString("H_TG%1").arg(i)).count('@'), 1);
  EXPECT_TRUE(t.GetL_win("ENU3").contains("%X%"));
  EXPECT_TRUE(t.GetL_win("atxWeObtain").contains("%X%"));
  // The unreadable-input message names the row (%1) and what was typed (%2).
  EXPECT_TRUE(t.GetL_win("InputNotANumber").contains("%1"));
  EXPECT_TRUE(t.GetL_win("InputNotANumber").contains("%2"));
  ExpectKeys(t, {"mnu_File",
                 "mnu_Exit",
                 "mnu_TypeBeam",
                 "mnu_Setup",
                 "Decimal_sep",
                 "Decimal_sep_Comma",
                 "Decimal_sep_Dot",
                 "Signif_dig",
                 "digits",
                 "Units",
                 "Help0",
                 "Help_Manual",
                 "Help_WebPage",
                 "Help_Updates",
                 "Help_Updates_Now",
                 "Help_Updates_Settings",
                 "Help_Updates_Settings_1day",
                 "Help_Updates_Settings_1week",
                 "Help_Updates_Settings_1month",
                 "Help_About",
                 "Lbl_Gra",
                 "Lbl_Cal",
                 "Lbl_Del",
                 "Lbl_Inf",
                 "InvalidInputValues",
                 "InvalidInputValuesRead",
                 "Error",
                 "FileNotFoundOpen",
                 "No_updates",
                 "Update_Failed",
                 "Update_NoAddress",
                 "WebPage_None",
                 "Position",
                 "Deflection",
                 "Slope",
                 "BendMom",
                 "ShearF",
                 "ENU0",
                 "ENU1",
                 "ENU2",
                 "ENU3",
                 "Formulae",
                 "Data",
                 "FlexRig",
                 "Length",
                 "Distance",
                 "DistriLoad",
                 "ConcenLoad",
                 "CoupleMome",
                 "at_point",
                 "Deflection_Deform",
                 "Slope2",
                 "BendMom2",
                 "ShearF2",
                 "atx",
                 "ReactionsF",
                 "SubstituteObtain",
                 "atxWeObtain"});
}

TEST_F(LanguageFilesTest, UnitsDialogFileHoldsItsTenKeys) {
  LanguageTable t("EUN");
  ExpectKeys(t, {"UnitsSetup", "Len_Dis_Pos", "Defor_Deflec", "Forces", "DistribLoad", "Moment",
                 "FlexRig", "But_OK", "But_Cancel", "But_Apply"});
  EXPECT_EQ(t.ClavesIdioma.size(), 10);
}

}  // namespace

// The keys start-up asks a file beside the program for are the ones the build
// found in the code: every key written at a lookup is among them, numbered
// keys included, and so each is shipped.
TEST(LookedUpLanguageKeys, HoldEveryKeyTheCodeAsksForByName) {
  QStringList looked;
  for (const char* prefix : {"KSL", "EUN", "GFV", "EGF", "TAV", "PRD", "INF", "A2R", "TMP", "PLV"})
    looked << platform::LookedUpLanguageKeys(prefix);
  const QStringList ksl = platform::LookedUpLanguageKeys("KSL");
  for (const char* key : {"MNU_FILE", "HELP_ABOUT", "TV5", "NTC_V2", "TC_V503", "H_TG4"})
    EXPECT_TRUE(ksl.contains(key)) << key;
  EXPECT_EQ(platform::LookedUpLanguageKeys("TST"), QStringList());
  const QRegularExpression call(R"re((?:GetL_win|PlatformText|ReportMessage|ShowMessage|text))re"
                                R"re(\((?:QStringLiteral\()?"([^"]+)"\)?[,)])re");
  int asked = 0;
  for (const char* folder : {"platform", "graphs", "output", "shell", "mainwin"}) {
    QDirIterator it(qt_test::SourceRoot() + "/" + folder, {"*.cpp", "*.h"}, QDir::Files);
    while (it.hasNext()) {
      QFile f(it.next());
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      const QString code = QString::fromUtf8(f.readAll());
      for (auto m = call.globalMatch(code); m.hasNext(); ++asked) {
        const QString key = m.next().captured(1).toUpper();
        EXPECT_TRUE(looked.contains(key))
            << key.toStdString() << " in " << f.fileName().toStdString();
      }
    }
  }
  EXPECT_GT(asked, 100);
}
