// The installer packages under Wine's msiexec: a per-user install that makes the program the
// screen saver, upgrades across versions and builds, the refusal of an older package, and an
// uninstall that takes back all but the user's settings file; and the zip.
#include <fstream>
#include <optional>
#include <regex>

#include "e2e_test.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// A folder of the user's %LOCALAPPDATA% other than the one a package installs into unless told.
const std::string kFolderWithBlank = "3dOrvane Screen Saver";

std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

// A build's file in `folder` named "3dOrvane-win32" or "-win64" and `suffix`: its package, its
// zip, or an earlier release's package.
std::string FileOf(Build build, const fs::path& folder, const std::string& suffix) {
  return (folder / ("3dOrvane-" + DistFolder(build).filename().string() + suffix)).string();
}

void ExpectFilesOf(Build build, const fs::path& folder) {
  for (const char* file : {"3dOrvane.scr", "3dOrvane.dll", "3dOrvane.x"}) {
    EXPECT_TRUE(ReadBytes(folder / file) == ReadBytes(DistFolder(build) / file)) << folder / file;
  }
}

class InstallerTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    localAppData_ = FirstLine(RunTool("cmd", {"/c", "echo %LOCALAPPDATA%"})) + "\\";
    onLinux_ = LinuxPath(localAppData_);
    UninstallEverything();
  }
  void TearDown() override {
    UninstallEverything();
    E2eTest::TearDown();
  }

  // Runs msiexec without any user interface on a package, for `folder` when one is given.
  int Msiexec(const std::string& action, const std::string& package, const std::string& folder = "") {
    std::vector<std::string> arguments{action, package, "/qn"};
    if (!folder.empty()) arguments.push_back("INSTALLFOLDER=" + localAppData_ + folder);
    return WineSession::Current().Start("msiexec", arguments, NextLog("msiexec")).WaitForExit(120s).value_or(-1);
  }
  fs::path LinuxPath(const std::string& windowsPath) {
    return FirstLine(RunTool("winepath", {"-u", windowsPath}));
  }
  // A text value of the user's desktop settings, from its line "    name    REG_SZ    value".
  std::optional<std::string> DesktopValue(const std::string& name) {
    const std::string values = RunTool("reg", {"query", R"(HKCU\Control Panel\Desktop)"});
    std::smatch value;
    if (!std::regex_search(values, value, std::regex(" " + name + " +REG_SZ +([^\r\n]*)"))) return {};
    return value[1].str();
  }
  // The product codes of the entries of the product under installed apps, as Wine's
  // uninstaller lists them: "{code}|||3dOrvane (Screen Saver)".
  std::vector<std::string> InstalledProducts() {
    const std::string list = RunTool("uninstaller", {"--list"});
    const std::regex entry(R"((\{[^}]*\})\|\|\|3dOrvane \(Screen Saver\)(\r?\n|$))");
    std::vector<std::string> products;
    for (std::sregex_iterator at(list.begin(), list.end(), entry), end; at != end; ++at) {
      products.push_back((*at)[1]);
    }
    return products;
  }
  // Leaves the prefix as the other tests expect it: nothing of ours installed.
  void UninstallEverything() {
    for (const std::string& product : InstalledProducts()) Msiexec("/x", product);
    fs::remove_all(onLinux_ / "Programs");
    fs::remove_all(onLinux_ / kFolderWithBlank);
  }

  std::string localAppData_;
  fs::path onLinux_;
};

TEST_F(InstallerTest, InstallsUpgradesAcrossBuildsRefusesOlderStartsFromTheRegistryAndUninstalls) {
  const Build primary = PrimaryBuild();
  const Build other = primary == Build::k32Bit ? Build::k64Bit : Build::k32Bit;
  const fs::path dist = kBuildFolder / "dist";
  const std::string package = WindowsPath(FileOf(primary, dist, ".msi"));
  const std::string earlier = WindowsPath(FileOf(primary, ORVANE_EARLIER_PACKAGES, ORVANE_EARLIER_SUFFIX));
  const fs::path userPrograms = onLinux_ / "Programs" / "3dOrvane";
  const fs::path installFolder = onLinux_ / kFolderWithBlank;

  // Extracted into a folder of the user's, the zip gives the same program folder.
  const fs::path byHand = OutputFolder() / "by-hand";
  fs::create_directories(byHand);
  RunOnLinux({"cmake", "-E", "chdir", byHand.string(), "cmake", "-E", "tar", "xf",
              FileOf(primary, dist, ".zip")});
  ExpectFilesOf(primary, byHand);

  // An earlier release, then this release of the other build, in the user's own programs
  // folder: it replaces the earlier one in place, beside the user's settings. This build of
  // the same version then replaces that one in a folder with a blank, leaving the settings.
  ASSERT_EQ(Msiexec("/i", earlier), 0);
  std::ofstream(userPrograms / "3dOrvane.ini") << "[Section]\r\n";
  ASSERT_EQ(Msiexec("/i", WindowsPath(FileOf(other, dist, ".msi"))), 0);
  ASSERT_EQ(InstalledProducts().size(), 1u);
  ASSERT_EQ(Msiexec("/i", package, kFolderWithBlank), 0);
  ASSERT_EQ(InstalledProducts().size(), 1u);
  ExpectFilesOf(primary, installFolder);
  EXPECT_FALSE(fs::exists(userPrograms / "3dOrvane.scr"));
  EXPECT_EQ(ReadBytes(userPrograms / "3dOrvane.ini"), "[Section]\r\n");
  EXPECT_NE(Msiexec("/i", earlier, kFolderWithBlank), 0) << "an older package replaced a newer one";

  // The screen saver is switched on and named, as the display settings name it, by its short
  // path, which has no blanks to quote in the command "<path> /s" the system starts it with;
  // started so with "/p 0", a preview for no pane, it ends at once.
  EXPECT_EQ(DesktopValue("ScreenSaveActive"), "1");
  const std::string screenSaver = DesktopValue("SCRNSAVE.EXE").value_or("");
  EXPECT_EQ(screenSaver.find(' '), std::string::npos) << screenSaver;
  EXPECT_EQ(LinuxPath(screenSaver), installFolder / "3dOrvane.scr");
  RunTool("cmd", {"/c", screenSaver + " /p 0"});

  ASSERT_EQ(Msiexec("/x", package, kFolderWithBlank), 0);
  EXPECT_FALSE(fs::exists(installFolder / "3dOrvane.scr"));
  EXPECT_FALSE(DesktopValue("SCRNSAVE.EXE") || DesktopValue("ScreenSaveActive"));
  EXPECT_TRUE(InstalledProducts().empty());
}

}  // namespace
}  // namespace orvane::e2e
