// The update check against a server on this machine: what it finds, what it
// stores, when it asks at all, and how it fails.
#include <QFile>
#include <QFileInfo>
#include <QUrlQuery>

#include "LocalHttpServer.h"
#include "ShellTestSupport.h"
#include "platform/Download.h"
#include "shell/AjustesUsuario.h"

using Actualizacion::CheckOutcome;
using shell_test::LocalHttpServer;
using shell_test::RunCheckToEnd;
using shell_test::ShellTest;

namespace {

class UpdateCheckTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(server_.Listening());
    UseUpdateScript(server_.Address());
  }

  void UseUpdateScript(const QString& address) {
    shell::SetAddresses({shell_test::kHomePage, shell_test::kContactMail, address});
  }

  // One check on demand against the given version file.
  CheckOutcome CheckWith(const QByteArray& file, int status = 200) {
    server_.Reply(file, status);
    return RunCheckToEnd(true).outcome;
  }

  QString VersionFile() const { return temp_.path() + "/outfileTORV_UPDT.dat"; }

  LocalHttpServer server_;
};

TEST_F(UpdateCheckTest, NewerVersionIsFoundWithItsAddress) {
  EXPECT_EQ(CheckWith("junk\r\nTORV_URL=https://dl.torv.test/torv.tar.gz;\r\nTORV_VER=1.12.0;"),
            CheckOutcome::NewerVersion);
  EXPECT_TRUE(Actualizacion::HayActualizacion);
  EXPECT_EQ(Actualizacion::VersionNueva, "1.12.0");
  EXPECT_EQ(Actualizacion::URLActualizacion, "https://dl.torv.test/torv.tar.gz");

  // The request names the product and the time; the file is kept.
  ASSERT_EQ(server_.requests.size(), 1);
  const QUrlQuery query(QUrl(server_.requests[0].section(' ', 1, 1)));
  EXPECT_EQ(query.queryItemValue("idprod"), "TORV");
  EXPECT_NEAR(query.queryItemValue("rand").toDouble(), Actualizacion::DateSerialNow(), 0.01);
  EXPECT_EQ(qt_test::ReadBytes(VersionFile()),
            "junk\r\nTORV_URL=https://dl.torv.test/torv.tar.gz;\r\nTORV_VER=1.12.0;");
  EXPECT_NEAR(Setting("CheckUPDATE", "LAST_OLCON").toDouble(), Actualizacion::DateSerialNow(),
              0.01);

  // Padded numbers come out plain; an empty address is still an update.
  EXPECT_EQ(CheckWith("TORV_VER=2.05.003;TORV_URL=;"), CheckOutcome::NewerVersion);
  EXPECT_EQ(Actualizacion::VersionNueva, "2.5.3");
  EXPECT_EQ(Actualizacion::URLActualizacion, "");
  EXPECT_TRUE(messages_->messages.empty());
}

TEST_F(UpdateCheckTest, OnlyAReadableFileWithNoNewerVersionIsUpToDate) {
  struct Case {
    const char* file;
    CheckOutcome outcome;
  } cases[] = {
      {"TORV_VER=1.11.0;TORV_URL=http://x/;", CheckOutcome::UpToDate},   // the program's own
      {"TORV_VER=1.9.999;TORV_URL=http://x/;", CheckOutcome::UpToDate},  // 9 < 11 though 999 > 0
      {"TORV_VER=0.999.999;", CheckOutcome::UpToDate},                   // no address needed
      // Garbage and damaged files: nothing was checked.
      {"<html>Server error</html>", CheckOutcome::Failed},
      {"TORV_VER=2.0;TORV_URL=http://x/;", CheckOutcome::Failed},  // one "." only
      {"TORV_VER=;TORV_URL=http://x/;", CheckOutcome::Failed},
      {"TORV_VER=2.0.0", CheckOutcome::Failed},                      // no ";"
      {"TORV_VER=2..0;TORV_URL=http://x/;", CheckOutcome::Failed},   // a part without a number
      {"torv_ver=2.0.0;TORV_URL=http://x/;", CheckOutcome::Failed},  // keys are case-sensitive
      {"TORV_VER=2.0.0;", CheckOutcome::Failed},                     // newer, but no address
      {"TORV_VER=2.0.0;TORV_URL=http://x/", CheckOutcome::Failed},   // address without ";"
      // Each part 0..999: a revision of 1500 must not pass for minor 11 + 500.
      {"TORV_VER=1.10.1500;TORV_URL=http://x/;", CheckOutcome::Failed},
      {"TORV_VER=1.1000.0;TORV_URL=http://x/;", CheckOutcome::Failed},
      {"TORV_VER=99999.0.0;TORV_URL=http://x/;", CheckOutcome::Failed},
      {"TORV_VER=1e300.0.0;TORV_URL=http://x/;", CheckOutcome::Failed},
      {"TORV_VER=1.12.-1;TORV_URL=http://x/;", CheckOutcome::Failed},
  };
  for (const Case& c : cases) {
    Store("CheckUPDATE", "LAST_OLCON", "0");
    server_.Reply(c.file);
    const Actualizacion::CheckResult result = RunCheckToEnd(true);
    EXPECT_EQ(result.outcome, c.outcome) << c.file;
    EXPECT_FALSE(Actualizacion::HayActualizacion) << c.file;
    EXPECT_EQ(Actualizacion::VersionNueva, "") << c.file;
    if (c.outcome == CheckOutcome::Failed) {
      EXPECT_EQ(result.detail, "The version file from the server cannot be read.") << c.file;
    }
    // Any answer at all restarts the period.
    EXPECT_GT(Setting("CheckUPDATE", "LAST_OLCON").toDouble(), 40000) << c.file;
  }
  EXPECT_TRUE(messages_->messages.empty());
}

TEST_F(UpdateCheckTest, FailedDownloadsAreFailuresAndKeepThePeriodRunning) {
  // An earlier finding never survives a failed check.
  ASSERT_EQ(CheckWith("TORV_VER=3.0.0;TORV_URL=http://x/;"), CheckOutcome::NewerVersion);
  Store("CheckUPDATE", "LAST_OLCON", "0");

  struct Case {
    QByteArray body;
    int status;
    const char* detail;
  } cases[] = {
      {"", 200, "The server sent an empty version file."},
      {"TORV_VER=3.0.0;TORV_URL=http://x/;", 404, "The server answered with the error 404."},
      {"TORV_VER=3.0.0;TORV_URL=http://x/;", 500, "The server answered with the error 500."},
      {QByteArray(platform::kDownloadSizeLimit + 10, 'x'), 200,
       "The answer is larger than 1048576 bytes."},
  };
  for (const Case& c : cases) {
    server_.Reply(c.body, c.status);
    const Actualizacion::CheckResult result = RunCheckToEnd(true);
    EXPECT_EQ(result.outcome, CheckOutcome::Failed) << c.status;
    EXPECT_EQ(result.detail, c.detail);
    EXPECT_FALSE(Actualizacion::HayActualizacion);
    EXPECT_EQ(Setting("CheckUPDATE", "LAST_OLCON"), "0");
  }

  UseUpdateScript("http://127.0.0.1:9/update.php");  // nothing listens
  const Actualizacion::CheckResult refused = RunCheckToEnd(true);
  EXPECT_EQ(refused.outcome, CheckOutcome::Failed);
  EXPECT_TRUE(refused.detail.startsWith("No connection to the server"))
      << refused.detail.toStdString();
  EXPECT_EQ(Setting("CheckUPDATE", "LAST_OLCON"), "0");
  EXPECT_TRUE(messages_->messages.empty());
}

TEST_F(UpdateCheckTest, AServerThatNeverAnswersEndsAtTheTimeLimit) {
  server_.Silent();
  bool ended = false;
  Actualizacion::CheckResult result;
  Actualizacion::ComprobarActualizacion(true, [&](const Actualizacion::CheckResult& r) {
    ended = true;
    result = r;
  });
  // The call returned at once; the request reaches the server, which keeps
  // silent, and the check waits without holding the program.
  ASSERT_TRUE(qt_test::WaitFor([&] { return server_.requests.size() == 1; }));
  QCoreApplication::processEvents();
  EXPECT_FALSE(ended);
  ASSERT_NE(Actualizacion::RunningDownload(), nullptr);

  // A second check on demand meanwhile does not start another download.
  Actualizacion::CheckResult second;
  Actualizacion::ComprobarActualizacion(true,
                                        [&](const Actualizacion::CheckResult& r) { second = r; });
  EXPECT_EQ(second.outcome, CheckOutcome::AlreadyRunning);

  Actualizacion::RunningDownload()->TimeOut();  // the time limit has passed
  EXPECT_TRUE(ended);
  EXPECT_EQ(result.outcome, CheckOutcome::Failed);
  EXPECT_EQ(result.detail, "The server did not answer in time.");
  EXPECT_EQ(Actualizacion::RunningDownload(), nullptr);
  EXPECT_EQ(server_.requests.size(), 1);
}

TEST_F(UpdateCheckTest, AnAutomaticCheckThatFailsIsNotRepeatedInTheSameRun) {
  server_.Reply("", 404);
  EXPECT_EQ(RunCheckToEnd(false).outcome, CheckOutcome::Failed);
  EXPECT_EQ(RunCheckToEnd(false).outcome, CheckOutcome::NotDue);
  EXPECT_EQ(server_.requests.size(), 1);

  // The check on demand still asks, and the server is back.
  server_.Reply("TORV_VER=1.12.0;TORV_URL=http://x/;");
  EXPECT_EQ(RunCheckToEnd(true).outcome, CheckOutcome::NewerVersion);
  EXPECT_EQ(server_.requests.size(), 2);
}

TEST_F(UpdateCheckTest, ACheckOnDemandTakesTheResultOfTheAutomaticOneUnderWay) {
  server_.Silent();
  Actualizacion::CheckResult automatic, onDemand;
  Actualizacion::ComprobarActualizacion(
      false, [&](const Actualizacion::CheckResult& r) { automatic = r; });
  Actualizacion::ComprobarActualizacion(true,
                                        [&](const Actualizacion::CheckResult& r) { onDemand = r; });
  ASSERT_TRUE(qt_test::WaitFor([&] { return server_.requests.size() == 1; }));
  Actualizacion::RunningDownload()->TimeOut();
  EXPECT_EQ(automatic.outcome, CheckOutcome::Failed);
  EXPECT_EQ(onDemand.outcome, CheckOutcome::Failed);
  EXPECT_EQ(server_.requests.size(), 1);
  // It was a check on demand in the end: automatic checks may still try.
  server_.Reply("TORV_VER=1.11.0;");
  EXPECT_EQ(RunCheckToEnd(false).outcome, CheckOutcome::UpToDate);
}

TEST_F(UpdateCheckTest, ACallerThatIsGoneIsNotCalledBack) {
  server_.Silent();
  int calls = 0;
  auto context = std::make_unique<QObject>();
  Actualizacion::ComprobarActualizacion(
      true, [&](const Actualizacion::CheckResult&) { ++calls; }, context.get());
  ASSERT_TRUE(qt_test::WaitFor([&] { return server_.requests.size() == 1; }));
  context.reset();
  Actualizacion::RunningDownload()->TimeOut();
  EXPECT_EQ(calls, 0);
}

TEST_F(UpdateCheckTest, APlantedVersionFileIsNeverRead) {
  // A file already there, newer than anything the server says, must not count:
  // not when the download fails, and not when it succeeds.
  ASSERT_TRUE(qt_test::WriteBytes(VersionFile(), "TORV_VER=9.0.0;TORV_URL=http://evil.test/;"));
  EXPECT_EQ(CheckWith("", 404), CheckOutcome::Failed);
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_EQ(CheckWith("TORV_VER=1.11.0;"), CheckOutcome::UpToDate);
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_EQ(qt_test::ReadBytes(VersionFile()), "TORV_VER=1.11.0;");

  // A link planted on the file's name is replaced, never written through.
  QTemporaryDir elsewhere;
  const QString victim = elsewhere.path() + "/victim.txt";
  ASSERT_TRUE(qt_test::WriteBytes(victim, "TORV_VER=9.0.0;TORV_URL=http://evil.test/;"));
  ASSERT_TRUE(QFile::remove(VersionFile()));
  ASSERT_TRUE(QFile::link(victim, VersionFile()));
  EXPECT_EQ(CheckWith("TORV_VER=1.11.0;"), CheckOutcome::UpToDate);
  EXPECT_EQ(qt_test::ReadBytes(victim), "TORV_VER=9.0.0;TORV_URL=http://evil.test/;");
  EXPECT_FALSE(QFileInfo(VersionFile()).isSymLink());
  EXPECT_EQ(qt_test::ReadBytes(VersionFile()), "TORV_VER=1.11.0;");
}

TEST_F(UpdateCheckTest, AWorkFolderOthersCanWriteIsNotUsed) {
  ASSERT_TRUE(QFile::setPermissions(
      temp_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther));
  server_.Reply("TORV_VER=1.12.0;TORV_URL=http://x/;");
  const Actualizacion::CheckResult result = RunCheckToEnd(true);
  EXPECT_EQ(result.outcome, CheckOutcome::Failed);
  EXPECT_TRUE(result.detail.contains(temp_.path())) << result.detail.toStdString();
  EXPECT_FALSE(Actualizacion::HayActualizacion);
  EXPECT_FALSE(QFile::exists(VersionFile()));
}

TEST_F(UpdateCheckTest, AutomaticCheckWaitsForThePeriod) {
  server_.Reply("TORV_VER=1.12.0;TORV_URL=http://x/;");
  const double now = Actualizacion::DateSerialNow();
  struct Case {
    const char* period;
    int days;  // as the menu shows it
    double hoursAgo;
    bool asks;
  } cases[] = {
      {"1", 1, 23, false},
      {"1", 1, 25, true},
      {"7", 7, 6 * 24, false},
      {"7", 7, 8 * 24, true},
      {"30", 30, 29 * 24, false},
      {"30", 30, 31 * 24, true},
      {" 30 ", 30, 29 * 24, false},
      // Values the menu does not offer give a week.
      {"2", 7, 3 * 24, false},
      {"0", 7, 1, false},
      {"-1", 7, 1, false},
      {"1e9", 7, 8 * 24, true},
      {"abc", 7, 6 * 24, false},
      {"", 7, 6 * 24, false},
  };
  for (const Case& c : cases) {
    Store("CheckUPDATE", "PERIOD", c.period);
    Store("CheckUPDATE", "LAST_OLCON", Actualizacion::DateSerialText(now - c.hoursAgo / 24));
    EXPECT_EQ(AjustesUsuario::PeriodoActualizacion(), c.days) << c.period;
    const int before = server_.requests.size();
    const CheckOutcome outcome = RunCheckToEnd(false).outcome;
    EXPECT_EQ(server_.requests.size() - before, c.asks ? 1 : 0) << c.period << " " << c.hoursAgo;
    EXPECT_EQ(outcome, c.asks ? CheckOutcome::NewerVersion : CheckOutcome::NotDue) << c.period;
  }
}

TEST_F(UpdateCheckTest, ALastCheckThatCannotBeReadOrLiesAheadCountsAsNever) {
  server_.Reply("TORV_VER=1.11.0;");
  Store("CheckUPDATE", "PERIOD", "30");
  const double now = Actualizacion::DateSerialNow();
  const QString never[] = {"",
                           "abc",
                           "46000x",
                           "nan",
                           "inf",
                           "1e400",
                           Actualizacion::DateSerialText(now + 2),  // the clock was set back
                           Actualizacion::DateSerialText(now + 400)};
  for (const QString& last : never) {
    Store("CheckUPDATE", "LAST_OLCON", last);
    EXPECT_EQ(AjustesUsuario::UltimaConexion(now), 0) << last.toStdString();
    const int before = server_.requests.size();
    EXPECT_EQ(RunCheckToEnd(false).outcome, CheckOutcome::UpToDate) << last.toStdString();
    EXPECT_EQ(server_.requests.size() - before, 1) << last.toStdString();
  }
  // A readable time in the past is kept, blanks around it allowed.
  Store("CheckUPDATE", "LAST_OLCON", " " + Actualizacion::DateSerialText(now - 1) + " ");
  EXPECT_NEAR(AjustesUsuario::UltimaConexion(now), now - 1, 1e-6);
  EXPECT_EQ(RunCheckToEnd(false).outcome, CheckOutcome::NotDue);
}

TEST_F(UpdateCheckTest, WithoutAnUpdateAddressNothingIsEverAsked) {
  UseUpdateScript(QString());
  Store("CheckUPDATE", "LAST_OLCON", "0");
  EXPECT_EQ(RunCheckToEnd(false).outcome, CheckOutcome::NotConfigured);
  EXPECT_EQ(RunCheckToEnd(true).outcome, CheckOutcome::NotConfigured);
  EXPECT_EQ(Actualizacion::RunningDownload(), nullptr);
  EXPECT_EQ(server_.requests.size(), 0);
  EXPECT_FALSE(QFile::exists(VersionFile()));
}

TEST_F(UpdateCheckTest, HeadlessRunsReachOnlyThisMachine) {
  EXPECT_TRUE(platform::DownloadPermitted("http://127.0.0.1:8080/a"));
  EXPECT_TRUE(platform::DownloadPermitted("http://localhost/a"));
  EXPECT_TRUE(platform::DownloadPermitted("http://[::1]/a"));
  EXPECT_FALSE(platform::DownloadPermitted("https://www.example.com/torv/update.php"));
  EXPECT_FALSE(platform::DownloadPermitted("http://10.0.0.1/a"));

  // A far address is refused before anything is asked or written.
  UseUpdateScript("https://updates.torv.test/update.php");
  const Actualizacion::CheckResult result = RunCheckToEnd(true);
  EXPECT_EQ(result.outcome, CheckOutcome::Failed);
  EXPECT_TRUE(result.detail.startsWith("The address cannot be asked"));
  EXPECT_FALSE(QFile::exists(VersionFile()));
}

TEST_F(UpdateCheckTest, DownloadsEndOnceWithTheirOutcome) {
  struct Case {
    QString url;
    QByteArray body;
    int status;
    platform::DownloadOutcome::Kind kind;
  } cases[] = {
      {server_.Address(), "abc", 200, platform::DownloadOutcome::Received},
      {server_.Address(), "abc", 500, platform::DownloadOutcome::HttpError},
      {server_.Address(), "", 301, platform::DownloadOutcome::HttpError},  // no redirect followed
      {"ftp://127.0.0.1/x", "", 200, platform::DownloadOutcome::Refused},
      {"not an address", "", 200, platform::DownloadOutcome::Refused},
  };
  for (const Case& c : cases) {
    server_.Reply(c.body, c.status);
    int calls = 0;
    platform::DownloadOutcome got;
    platform::Download download(c.url, [&](const platform::DownloadOutcome& o) {
      ++calls;
      got = o;
    });
    EXPECT_EQ(calls, 0);  // never from within the start
    ASSERT_TRUE(qt_test::WaitFor([&] { return calls > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(got.kind, c.kind) << c.url.toStdString() << " " << c.status;
    if (c.status == 301) {
      EXPECT_TRUE(got.detail.contains("redirected")) << got.detail.toStdString();
    }
    EXPECT_EQ(got.body, c.kind == platform::DownloadOutcome::Received ? c.body : QByteArray());
    download.TimeOut();  // too late: nothing more
    EXPECT_EQ(calls, 1);
  }
}

TEST_F(UpdateCheckTest, VersionNumbersNeverSpillIntoTheNextPart) {
  using Actualizacion::VersionFileContent;
  QString version, url;
  const shell::AppVersion own{1, 11, 0};
  EXPECT_EQ(Actualizacion::LeerArchivoVersion("TORV_VER=1.12.0;TORV_URL=u;", own, version, url),
            VersionFileContent::Newer);
  EXPECT_EQ(version, "1.12.0");
  EXPECT_EQ(url, "u");
  EXPECT_EQ(Actualizacion::LeerArchivoVersion("TORV_VER=1.11.1 ;TORV_URL=u;", own, version, url),
            VersionFileContent::Newer);
  EXPECT_EQ(Actualizacion::LeerArchivoVersion("TORV_VER=1.10.999;", own, version, url),
            VersionFileContent::NotNewer);
  EXPECT_EQ(Actualizacion::LeerArchivoVersion("TORV_VER=0.999.999;", own, version, url),
            VersionFileContent::NotNewer);
  EXPECT_EQ(
      Actualizacion::LeerArchivoVersion("TORV_VER=999.999.999;TORV_URL=u;", own, version, url),
      VersionFileContent::Newer);
  EXPECT_EQ(Actualizacion::VersionNumber({999, 999, 999}), 999999999);
  for (const char* bad : {"TORV_VER=1.10.1000;TORV_URL=u;", "TORV_VER=1.1000.0;TORV_URL=u;",
                          "TORV_VER=1000.0.0;TORV_URL=u;", "TORV_VER=x.12.0;TORV_URL=u;",
                          "TORV_VER= .12.0;TORV_URL=u;"})
    EXPECT_EQ(Actualizacion::LeerArchivoVersion(bad, own, version, url),
              VersionFileContent::Unreadable)
        << bad;
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
