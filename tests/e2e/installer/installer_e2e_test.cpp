// The installer packages under Wine's msiexec: a per-user install that makes the program the
// screen saver, upgrades across versions and builds, the refusal of an older package, the
// program started from the registry as the system starts it, and an uninstall that takes back
// what the installs did and leaves the user's settings file; and the zip for installing by hand.
#include <map>
#include <sstream>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// A folder of the user's %LOCALAPPDATA% other than the one a package installs into unless told.
const std::string kFolderWithBlank = "3dOrvane Screen Saver";

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Arch(Build build) { return build == Build::k32Bit ? "win32" : "win64"; }

void ExpectFilesOf(Build build, const fs::path& folder) {
  for (const char* file : {"3dOrvane.scr", "3dOrvane.dll", "3dOrvane.x"}) {
    EXPECT_EQ(ReadBytes(folder / file), ReadBytes(DistFolder(build) / file)) << folder / file;
  }
}

class InstallerTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    localAppData_ = Trimmed(Wine("cmd", {"/c", "echo %LOCALAPPDATA%"}).second) + "\\";
    onLinux_ = LinuxPath(localAppData_);
    UninstallEverything();
  }
  void TearDown() override {
    UninstallEverything();
    E2eTest::TearDown();
  }

  // Runs a Windows program to its end: its exit code and what it printed.
  std::pair<int, std::string> Wine(const std::string& program, const std::vector<std::string>& arguments) {
    ChildProcess process = WineSession::Current().Start(
        program, arguments, OutputFolder() / ("wine-" + std::to_string(++wineRuns_) + ".log"));
    return {process.WaitForExit(120s).value_or(-1), process.Output()};
  }
  // Runs msiexec without any user interface on a package, for `folder` when one is given.
  int Msiexec(const std::string& action, const fs::path& package, const std::string& folder = "") {
    std::vector<std::string> arguments{action, WindowsPath(package), "/qn"};
    if (!folder.empty()) arguments.push_back("INSTALLFOLDER=" + localAppData_ + folder);
    return Wine("msiexec", arguments).first;
  }
  fs::path LinuxPath(const std::string& windowsPath) {
    return Trimmed(Wine("winepath", {"-u", windowsPath}).second);
  }
  // The text values of the user's desktop settings, by name.
  std::map<std::string, std::string> DesktopValues() {
    std::map<std::string, std::string> values;
    std::istringstream lines(Wine("reg", {"query", R"(HKCU\Control Panel\Desktop)"}).second);
    for (std::string line; std::getline(lines, line);) {
      const size_t type = line.find("    REG_SZ    ");
      if (type != std::string::npos) values[Trimmed(line.substr(0, type))] = Trimmed(line.substr(type + 14));
    }
    return values;
  }
  // The product codes of the entries named after the product under installed apps, as
  // Wine's uninstaller lists them ("{code}|||name").
  std::vector<std::string> InstalledProducts() {
    std::vector<std::string> products;
    std::istringstream lines(Wine("uninstaller", {"--list"}).second);
    for (std::string line; std::getline(lines, line);) {
      const size_t separator = line.find("|||");
      if (separator != std::string::npos && Trimmed(line.substr(separator + 3)) == kApplicationTitle) {
        products.push_back(line.substr(0, separator));
      }
    }
    return products;
  }
  // Leaves the prefix as the other tests expect it: nothing of ours installed.
  void UninstallEverything() {
    for (const std::string& product : InstalledProducts()) Wine("msiexec", {"/x", product, "/qn"});
    fs::remove_all(onLinux_ / "Programs");
    fs::remove_all(onLinux_ / kFolderWithBlank);
  }

  std::string localAppData_;
  fs::path onLinux_;
  int wineRuns_ = 0;
};

TEST_F(InstallerTest, InstallsUpgradesAcrossBuildsRefusesOlderStartsFromTheRegistryAndUninstalls) {
  const Build primary = PrimaryBuild();
  const Build other = primary == Build::k32Bit ? Build::k64Bit : Build::k32Bit;
  const auto dist = [](Build build, const std::string& type) {
    return kBuildFolder / "dist" / ("3dOrvane-" + Arch(build) + type);
  };
  const fs::path earlier = ORVANE_EARLIER_PACKAGE_PREFIX + Arch(primary) + ORVANE_EARLIER_PACKAGE_SUFFIX;
  const fs::path userPrograms = onLinux_ / "Programs" / "3dOrvane";
  const fs::path installFolder = onLinux_ / kFolderWithBlank;

  // Extracted into a folder of the user's, the zip gives the same program folder.
  const fs::path byHand = OutputFolder() / "by-hand";
  fs::create_directories(byHand);
  RunOnLinux({"cmake", "-E", "chdir", byHand.string(), "cmake", "-E", "tar", "xf",
              dist(primary, ".zip").string()});
  ExpectFilesOf(primary, byHand);

  // An earlier release, then this release of the other build, in the user's own programs
  // folder: it replaces the earlier one in place, beside the user's settings. This build of
  // the same version then replaces that one in a folder with a blank, leaving the settings.
  ASSERT_EQ(Msiexec("/i", earlier), 0);
  ASSERT_EQ(InstalledProducts().size(), 1u);
  std::ofstream(userPrograms / "3dOrvane.ini") << "[Section]\r\n";
  ASSERT_EQ(Msiexec("/i", dist(other, ".msi")), 0);
  ASSERT_EQ(InstalledProducts().size(), 1u);
  ExpectFilesOf(other, userPrograms);
  ASSERT_EQ(Msiexec("/i", dist(primary, ".msi"), kFolderWithBlank), 0);
  ASSERT_EQ(InstalledProducts().size(), 1u);
  ExpectFilesOf(primary, installFolder);
  EXPECT_FALSE(fs::exists(userPrograms / "3dOrvane.scr"));
  EXPECT_EQ(ReadBytes(userPrograms / "3dOrvane.ini"), "[Section]\r\n");
  EXPECT_NE(Msiexec("/i", earlier, kFolderWithBlank), 0) << "an older package replaced a newer one";

  // The screen saver is switched on and named, as the display settings name it, by its short
  // path, which has no blanks to quote in the command "<path> /s" the system starts it with;
  // started so with "/p 0", a preview for no pane, it ends at once.
  std::map<std::string, std::string> desktop = DesktopValues();
  EXPECT_EQ(desktop["ScreenSaveActive"], "1");
  const std::string screenSaver = desktop["SCRNSAVE.EXE"];
  EXPECT_EQ(screenSaver.find(' '), std::string::npos) << screenSaver;
  EXPECT_EQ(LinuxPath(screenSaver), installFolder / "3dOrvane.scr");
  EXPECT_EQ(Wine("cmd", {"/c", screenSaver + " /p 0"}).first, 0);

  ASSERT_EQ(Msiexec("/x", dist(primary, ".msi"), kFolderWithBlank), 0);
  EXPECT_FALSE(fs::exists(installFolder / "3dOrvane.scr"));
  desktop = DesktopValues();
  EXPECT_EQ(desktop.count("SCRNSAVE.EXE") + desktop.count("ScreenSaveActive"), 0u);
  EXPECT_TRUE(InstalledProducts().empty());
}

}  // namespace
}  // namespace orvane::e2e
