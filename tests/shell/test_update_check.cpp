// The update check against a server on this machine: what it finds, what it
// stores, when it asks at all, and how it fails.
#include <QFile>
#include <QUrlQuery>

#include "LocalHttpServer.h"
#include "ShellTestSupport.h"

using shell_test::LocalHttpServer;
using shell_test::ShellTest;

namespace {

class UpdateCheckTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(server_.Listening());
    Actualizacion::SetUpdateEndpoint(server_.Address());
  }

  // One forced check against the given version file.
  bool CheckWith(const QByteArray& file) {
    server_.Reply(file);
    Actualizacion::ComprobarActualizacion(true);
    return Actualizacion::HayActualizacion;
  }

  LocalHttpServer server_;
};

TEST_F(UpdateCheckTest, NewerVersionIsFoundWithItsAddress) {
  EXPECT_TRUE(CheckWith("junk\r\nTORV_URL=https://dl.example.com/torv.exe;\r\nTORV_VER=1.12.0;"));
  EXPECT_EQ(Actualizacion::VersionNueva, "1.12.0");
  EXPECT_EQ(Actualizacion::URLActualizacion, "https://dl.example.com/torv.exe");

  // The request names the product and the time; the file lands in the temp folder.
  ASSERT_EQ(server_.requests.size(), 1);
  const QUrlQuery query(QUrl(server_.requests[0].section(' ', 1, 1)));
  EXPECT_EQ(query.queryItemValue("idprod"), "TORV");
  const double rand = query.queryItemValue("rand").toDouble();
  EXPECT_NEAR(rand, Actualizacion::DateSerialNow(), 0.01);
  EXPECT_TRUE(QFile::exists(temp_.path() + "/outfileTORV_UPDT.dat"));
  EXPECT_NEAR(Setting("CheckUPDATE", "LAST_OLCON").toDouble(), Actualizacion::DateSerialNow(),
              0.01);

  // Padded numbers come out plain.
  EXPECT_TRUE(CheckWith("TORV_VER=2.05.003;TORV_URL=;"));
  EXPECT_EQ(Actualizacion::VersionNueva, "2.5.3");
  EXPECT_EQ(Actualizacion::URLActualizacion, "");
  EXPECT_TRUE(messages_->messages.empty());
}

TEST_F(UpdateCheckTest, SameOlderOrMalformedVersionsFindNothingButRestartThePeriod) {
  const char* files[] = {
      "TORV_VER=1.11.0;TORV_URL=http://x/;",   // the program's own
      "TORV_VER=1.9.999;TORV_URL=http://x/;",  // smaller number though 999 > 11
      "TORV_VER=2.0;TORV_URL=http://x/;",      // one "." only
      "TORV_VER=;TORV_URL=http://x/;",
      "TORV_VER=2.0.0",                          // no ";"
      "TORV_VER=2.0.0;",                         // no address
      "TORV_VER=2.0.0;TORV_URL=http://x/",       // address without ";"
      "torv_ver=2.0.0;TORV_URL=http://x/;",      // keys are case-sensitive
      "TORV_VER=99999.0.0;TORV_URL=http://x/;",  // beyond 32 bits counts as 0
      "TORV_VER=1e300.0.0;TORV_URL=http://x/;",
      "<html>Server error</html>",
  };
  for (const char* file : files) {
    Store("CheckUPDATE", "LAST_OLCON", "0");
    EXPECT_FALSE(CheckWith(file)) << file;
    EXPECT_EQ(Actualizacion::VersionNueva, "") << file;
    EXPECT_EQ(Actualizacion::URLActualizacion, "") << file;
    EXPECT_GT(Setting("CheckUPDATE", "LAST_OLCON").toDouble(), 40000) << file;
  }
  EXPECT_TRUE(messages_->messages.empty());
}

TEST_F(UpdateCheckTest, NoAnswerLeavesNoFileAndKeepsThePeriodRunning) {
  // An earlier finding and an earlier file never survive a failed check.
  ASSERT_TRUE(CheckWith("TORV_VER=3.0.0;TORV_URL=http://x/;"));
  Store("CheckUPDATE", "LAST_OLCON", "0");
  const QString path = temp_.path() + "/outfileTORV_UPDT.dat";

  server_.Reply("", 200);  // empty file
  Actualizacion::ComprobarActualizacion(true);
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_EQ(Setting("CheckUPDATE", "LAST_OLCON"), "0");

  server_.Reply("TORV_VER=3.0.0;TORV_URL=http://x/;", 404);  // an error page
  Actualizacion::ComprobarActualizacion(true);
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(Setting("CheckUPDATE", "LAST_OLCON"), "0");

  platform::SetDownloadTimeout(300);  // a server that never answers
  server_.Silent();
  Actualizacion::ComprobarActualizacion(true);
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_FALSE(QFile::exists(path));

  Actualizacion::SetUpdateEndpoint("http://127.0.0.1:9/update.php");  // nothing listens
  Actualizacion::ComprobarActualizacion(false);
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_EQ(Setting("CheckUPDATE", "LAST_OLCON"), "0");
  EXPECT_TRUE(messages_->messages.empty());
}

TEST_F(UpdateCheckTest, AutomaticCheckWaitsForThePeriod) {
  server_.Reply("TORV_VER=1.12.0;TORV_URL=http://x/;");
  const double now = Actualizacion::DateSerialNow();
  struct Case {
    const char* period;
    double hoursAgo;
    bool asks;
  } cases[] = {
      {"1", 23, false},       {"1", 25, true},       {"7", 6 * 24, false}, {"7", 8 * 24, true},
      {"30", 29 * 24, false}, {"30", 31 * 24, true}, {"1", -48, false},  // clock set back
  };
  for (const Case& c : cases) {
    Store("CheckUPDATE", "PERIOD", c.period);
    Store("CheckUPDATE", "LAST_OLCON", Actualizacion::DateSerialText(now - c.hoursAgo / 24));
    const int before = server_.requests.size();
    Actualizacion::ComprobarActualizacion(false);
    EXPECT_EQ(server_.requests.size() - before, c.asks ? 1 : 0) << c.period << " " << c.hoursAgo;
    EXPECT_EQ(Actualizacion::HayActualizacion, c.asks);
  }
  // The check on demand ignores the period; a first run asks at once.
  Store("CheckUPDATE", "LAST_OLCON", Actualizacion::DateSerialText(now));
  EXPECT_TRUE(CheckWith("TORV_VER=1.12.0;TORV_URL=http://x/;"));
  platform::SaveSetting("TORV", "CheckUPDATE", "LAST_OLCON", "");
  Actualizacion::ComprobarActualizacion(false);
  EXPECT_TRUE(Actualizacion::HayActualizacion);
}

TEST_F(UpdateCheckTest, HeadlessRunsReachOnlyThisMachine) {
  EXPECT_TRUE(platform::DownloadPermitted("http://127.0.0.1:8080/a"));
  EXPECT_TRUE(platform::DownloadPermitted("http://localhost/a"));
  EXPECT_TRUE(platform::DownloadPermitted("http://[::1]/a"));
  EXPECT_FALSE(platform::DownloadPermitted("https://www.example.com/torv/update.php"));
  EXPECT_FALSE(platform::DownloadPermitted("http://10.0.0.1/a"));

  // The maker's address is refused before the temporary folder is touched.
  const QString path = temp_.path() + "/outfileTORV_UPDT.dat";
  ASSERT_TRUE(qt_test::WriteBytes(path, "TORV_VER=9.0.0;TORV_URL=http://x/;"));
  Actualizacion::SetUpdateEndpoint(QString());
  EXPECT_EQ(Actualizacion::UpdateEndpoint(), Actualizacion::kUpdateEndpoint);
  Actualizacion::ComprobarActualizacion(true);
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(server_.requests.size(), 0);
}

TEST_F(UpdateCheckTest, DownloadsOnlySuccessfulBodiesWithinTheLimit) {
  const QString path = temp_.path() + "/file.dat";
  server_.Reply(QByteArray(platform::kDownloadSizeLimit + 10, 'x'));
  EXPECT_FALSE(platform::DownloadToFile(server_.Address(), path));
  EXPECT_FALSE(QFile::exists(path));
  server_.Reply("abc", 500);
  EXPECT_FALSE(platform::DownloadToFile(server_.Address(), path));
  EXPECT_FALSE(platform::DownloadToFile("ftp://127.0.0.1/x", path));
  server_.Reply("abc");
  EXPECT_TRUE(platform::DownloadToFile(server_.Address(), path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "abc");
}

TEST_F(UpdateCheckTest, DateSerialsKeepTheirTextForm) {
  EXPECT_EQ(Actualizacion::DateSerialText(46000.5), "46000.5");
  EXPECT_EQ(Actualizacion::DateSerialText(0.25), "0.25");
  const double now = Actualizacion::DateSerialNow();
  EXPECT_GT(now, 45000);  // after 2023
  EXPECT_NEAR(Actualizacion::DateSerialText(now).toDouble(), now, 1e-9);
}

TEST(ShellOpenTest, NothingToOpenFails) {
  EXPECT_FALSE(platform::ShellOpen(""));
  EXPECT_FALSE(platform::ShellOpen("/no/such/folder/Manual_TORV.pdf"));
  // Headless runs never start the desktop's programs.
  EXPECT_FALSE(platform::ShellOpen("https://www.example.com/"));
}

}  // namespace
