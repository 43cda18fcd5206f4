// Printing through a real print system: a private CUPS server of the test's
// own, in a temporary folder, with a PDF printer (cups-pdf) as its default
// queue. The machine's own print server and its settings are never used.
#include <cups/cups.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "PrintSeam.h"
#include "TestPaths.h"
#include "UiTestSupport.h"
#include "render/Module1.h"
#include "render/Print.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmBasic.h"
#include "ui/toolkit/Dialogs.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Printer.h"
#include "ui/toolkit/Runtime.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr char kCupsd[] = "/usr/sbin/cupsd";
constexpr char kBackend[] = "/usr/lib/cups/backend/cups-pdf";
constexpr char kPdfPrinterPpd[] = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";
constexpr char kQueue[] = "TarnwickPdf";

// Runs a program with the test's environment (CUPS_SERVER among it), its
// output added to log; true when it ended with 0.
bool Run(const std::vector<std::string>& args, const fs::path& log) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string Tail(const fs::path& file, std::size_t chars = 1500) {
  const std::string text = testpaths::ReadBytes(file);
  return text.size() > chars ? text.substr(text.size() - chars) : text;
}

// A private print server: its own cupsd.conf and cups-files.conf, its own
// socket, every file it writes under one temporary folder. CUPS_SERVER points
// this test's process (and the tools it runs) at it.
//
// cups-pdf reads its settings from a fixed folder of the machine (a file
// there named after the queue's device, which is left missing) and then from
// the queue's PPD, which lives in the private server's folder: the PPD names
// the folders for the PDF files, the spool, the log and Ghostscript's
// temporary files. PPD values cannot hold a "/", so they are folder names
// relative to the server's working folder, which is the private folder, and
// they are made beforehand (cups-pdf cannot make a folder named without a
// "/"). Label 2 puts the job's number before every file's name, so that jobs
// of one title do not write over each other.
class PrivatePrintServer {
 public:
  // Why the server cannot run on this machine at all; empty where it can.
  static std::string Unavailable() {
    if (geteuid() != 0)
      return "the private print server needs root: its PDF printer (cups-pdf) runs only as root";
    for (const char* needed : {kCupsd, kBackend, kPdfPrinterPpd, "/usr/sbin/lpadmin", "/usr/sbin/cupsreject"})
      if (!fs::exists(needed)) return std::string(needed) + " is missing (scripts/deps.sh installs it)";
    return "";
  }

  // Empty when the server runs; else why it did not start.
  std::string Start() {
    std::string pattern = (fs::temp_directory_path() / "tarnwick-cups-XXXXXX").string();
    if (pattern.size() > 80) pattern = "/tmp/tarnwick-cups-XXXXXX";  // room for the socket's name
    if (mkdtemp(pattern.data()) == nullptr) return "no temporary folder: " + std::string(strerror(errno));
    dir_ = pattern;
    // The server's filters run as the user lp and read the spool inside.
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    for (const char* sub : {"etc", "spool", "spool/tmp", "state", "cache", "log", "pdf-out", "pdf-spool",
                            "pdf-log", "pdf-tmp", "pdf-anonymous"})
      fs::create_directories(dir_ / sub);

    const std::string d = dir_.string();
    std::ofstream(dir_ / "etc/cups-files.conf")
        << "ServerRoot " << d << "/etc\nRequestRoot " << d << "/spool\nTempDir " << d << "/spool/tmp\n"
        << "StateDir " << d << "/state\nCacheDir " << d << "/cache\nAccessLog " << d << "/log/access_log\n"
        << "ErrorLog " << d << "/log/error_log\nPageLog " << d << "/log/page_log\n"
        << "Printcap " << d << "/state/printcap\nUser lp\nGroup lp\nSystemGroup root\nFileDevice No\n";
    std::ofstream(dir_ / "etc/cupsd.conf") << "LogLevel info\nListen " << Socket()
                                           << "\nBrowsing No\nBrowseLocalProtocols none\nWebInterface No\n"
                                              "DefaultAuthType None\n"
                                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                              "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                              "  </Limit>\n</Policy>\n";
    std::ofstream ppd(dir_ / "pdf-printer.ppd");
    ppd << testpaths::ReadBytes(kPdfPrinterPpd);
    for (const auto& [key, folder] :
         {std::pair{"Out", "pdf-out"}, std::pair{"Spool", "pdf-spool"}, std::pair{"Log", "pdf-log"},
          std::pair{"GSTmp", "pdf-tmp"}, std::pair{"AnonDirName", "pdf-anonymous"}, std::pair{"Label", "2"}})
      ppd << "\n*OpenUI *" << key << "/" << key << ": PickOne\n*Default" << key << ": " << folder << "\n*"
          << key << " " << folder << "/" << folder << ": \"\"\n*CloseUI: *" << key << "\n";
    ppd.close();

    // Everything the child needs is made here: between fork and exec a
    // program with threads may only make calls that take no lock, so no
    // allocation there.
    const std::string conf = d + "/etc/cupsd.conf", files = d + "/etc/cups-files.conf";
    const char* argv[] = {kCupsd, "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr};
    const int out = open((d + "/log/cupsd.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) return "cupsd's log cannot be made: " + std::string(strerror(errno));
    pid_ = fork();
    if (pid_ == 0) {
      // The server goes with the test, however the test ends.
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      if (chdir(d.c_str()) != 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0) _exit(127);
      execv(kCupsd, const_cast<char* const*>(argv));
      _exit(127);
    }
    const int forkError = errno;
    close(out);
    if (pid_ < 0) return "cupsd could not be started: " + std::string(strerror(forkError));
    setenv("CUPS_SERVER", Socket().c_str(), 1);
    // The print library keeps the server it first used: a test after another
    // in the same run would still talk to the server that has gone.
    cupsSetServer(Socket().c_str());

    for (int i = 0; !Answers(); ++i) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_ || i == 300) {
        const std::string why = "cupsd ended or did not answer on its socket:\n" +
                                Tail(dir_ / "log/cupsd.out") + Tail(dir_ / "log/error_log");
        pid_ = -1;
        return why;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return "";
  }

  // Adds the PDF printer as the server's default queue.
  bool AddQueue() {
    return Run({"/usr/sbin/lpadmin", "-p", kQueue, "-E", "-v", "cups-pdf:/tarnwick-lanes-test", "-P",
                (dir_ / "pdf-printer.ppd").string()},
               Tools()) &&
           Run({"/usr/sbin/lpadmin", "-d", kQueue}, Tools());
  }

  // Runs one of the print system's tools on the queue (cupsreject, ...).
  bool Queue(const std::string& tool) { return Run({"/usr/sbin/" + tool, kQueue}, Tools()); }

  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
  }

  ~PrivatePrintServer() {
    Stop();
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }

  std::string Socket() const { return (dir_ / "cups.sock").string(); }
  fs::path PdfFolder() const { return dir_ / "pdf-out"; }
  fs::path Tools() const { return dir_ / "log/tools"; }
  std::string Logs() const { return Tail(Tools()) + Tail(dir_ / "log/error_log"); }

 private:
  bool Answers() const {
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, Socket().c_str(), sizeof(addr.sun_path) - 1);
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0;
    close(s);
    return ok;
  }

  fs::path dir_;
  pid_t pid_ = -1;
};

// The PDF files the printer made so far.
std::vector<fs::path> Printed(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(folder)) files.push_back(e.path());
  return files;
}

// Waits until the printer has made n PDF files.
bool WaitForPrinted(const fs::path& folder, std::size_t n) {
  for (int i = 0; i < 1200; ++i) {
    if (Printed(folder).size() >= n) {
      std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the file is written out
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

// The print dialog as the user confirms it: shown, then Print pressed.
bool PressPrint(QPrintDialog& dialog) {
  dialog.show();
  dialog.accept();
  return true;
}

class PrintSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    // Skipped only where the print server cannot run at all; a server that
    // is there and does not start is a fault of the test's own.
    const std::string unavailable = PrivatePrintServer::Unavailable();
    if (!unavailable.empty()) GTEST_SKIP() << "No private print server: " << unavailable;
    const std::string failed = server.Start();
    ASSERT_TRUE(failed.empty()) << "The private print server did not start: " << failed;
    ASSERT_TRUE(server.AddQueue()) << server.Logs();
    uitest::ResetRun();
    seam = std::make_shared<PrintSeam>();
    seam->onPrint = [](tk::PrinterSetup& setup) { return tk::RunPrinterDialog(setup, PressPrint); };
    tk::SetDialogSeam(seam);
  }
  void TearDown() override {
    uitest::ResetRun();
    tk::SetDialogSeam(nullptr);
  }

  std::shared_ptr<frmBasic::frmBasic> Start() {
    App::App_()->Event_Open();
    auto w = frmBasic::frmBasic_();
    w->Show();
    tk::ProcessEvents();
    w->Canvas1()->RepaintNow();
    return w;
  }

  static void Click(const std::shared_ptr<tk::BevelButton>& b) {
    b->ClickAt_(b->Width() / 2, b->Height() / 2);
  }

  // The window with the message box over it, as the user sees it, saved
  // under name.
  static void SaveMessageShot(const std::shared_ptr<frmBasic::frmBasic>& w, const std::string& text,
                              const std::string& name) {
    tk::SetDialogSeam(nullptr);
    QImage shot = w->Grab();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      const QImage boxShot = box->grab().toImage();
      QPainter painter(&shot);
      const QRect at((shot.width() - boxShot.width()) / 2, (shot.height() - boxShot.height()) / 3,
                     boxShot.width(), boxShot.height());
      painter.drawImage(at.topLeft(), boxShot);
      painter.setPen(Qt::darkGray);  // the frame a window manager would draw
      painter.drawRect(at.adjusted(-1, -1, 0, 0));
      box->accept();
    });
    closer.start(50);
    tk::MsgBox(text);
    shot.save(QString::fromStdString((testpaths::Screenshots() / name).string()));
  }

  PrivatePrintServer server;
  std::shared_ptr<PrintSeam> seam;
};

}  // namespace

TEST_F(PrintSystem, OnlyJobsThatReachThePrintSystemCountAndOthersAreReported) {
  auto w = Start();
  auto print = w->BevelButton2();

  // A queue that takes the job: the PDF arrives under the program's name.
  Click(print);
  EXPECT_TRUE(seam->messages.empty()) << seam->messages[0];
  EXPECT_EQ(w->PrintsLeft, 2);
  ASSERT_TRUE(WaitForPrinted(server.PdfFolder(), 1)) << server.Logs();
  const fs::path pdf = Printed(server.PdfFolder())[0];
  EXPECT_NE(pdf.filename().string().find("Tarnwick_Lanes"), std::string::npos) << pdf;
  EXPECT_EQ(PdfPageCount(pdf.string()), 1);

  // A stopped queue still takes the job, to print it once started again.
  ASSERT_TRUE(server.Queue("cupsdisable")) << server.Logs();
  Click(print);
  EXPECT_TRUE(seam->messages.empty()) << seam->messages[0];
  EXPECT_EQ(w->PrintsLeft, 1);

  // A queue that refuses jobs: the user is told why, nothing counts.
  ASSERT_TRUE(server.Queue("cupsreject")) << server.Logs();
  Click(print);
  ASSERT_EQ(seam->messages.size(), 1u);
  const std::string refused = seam->messages[0];
  EXPECT_NE(refused.find("could not be printed"), std::string::npos) << refused;
  EXPECT_NE(refused.find("not accepting jobs"), std::string::npos) << refused;
  EXPECT_EQ(w->PrintsLeft, 1);
  EXPECT_EQ(w->Label1()->Text(), "1");
  EXPECT_TRUE(print->Enabled());
  EXPECT_THROW(Module1::PrintImage(Module1::myDrawing, true), tk::PrintError);

  // The print system ends while the print dialog is open.
  ASSERT_TRUE(server.Queue("cupsaccept")) << server.Logs();
  seam->onPrint = [this](tk::PrinterSetup& setup) {
    return tk::RunPrinterDialog(setup, [this](QPrintDialog& dialog) {
      dialog.show();
      server.Stop();
      dialog.accept();
      return true;
    });
  };
  Click(print);
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_NE(seam->messages[1].find("could not be printed: the print system is not available"),
            std::string::npos)
      << seam->messages[1];
  EXPECT_EQ(w->PrintsLeft, 1);
  EXPECT_EQ(Printed(server.PdfFolder()).size(), 1u);

  SaveMessageShot(w, refused, "frmBasic-print-refused.png");
}

TEST_F(PrintSystem, ThePaperConfirmedInThePageSetupIsPrintedOnAtEveryPrint) {
  // The queue's own paper is A4; the user chooses US Letter.
  seam->onPageSetup = [](tk::PrinterSetup& s) {
    s.SetPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
  };
  std::regex mediaBox("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]");
  auto picture = std::make_shared<tk::Picture>(576, 756, 32);
  for (std::size_t print = 1; print <= 2; ++print) {
    ASSERT_TRUE(Module1::PrintImage(picture, true));
    ASSERT_TRUE(WaitForPrinted(server.PdfFolder(), print)) << server.Logs();
    ASSERT_NE(Module1::myPrinterSetup, nullptr);
    EXPECT_EQ(Module1::myPrinterSetup->PageLayout().pageSize().id(), QPageSize::Letter) << print;
  }
  EXPECT_EQ(seam->shown, (std::vector<std::string>{"PageSetup", "Print", "Print"}));
  for (const auto& pdf : Printed(server.PdfFolder())) {
    const std::string text = testpaths::ReadBytes(pdf);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, mediaBox)) << pdf;
    EXPECT_NEAR(std::stod(m[1]), 612, 1) << pdf;
    EXPECT_NEAR(std::stod(m[2]), 792, 1) << pdf;
  }
}
