// The installer packages under Wine's msiexec: a per-user install that makes the program the
// screen saver, upgrades across versions and builds, the refusal of an older package, and an
// uninstall that takes back all but the user's settings file; and the zip.
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

std::string Arch(Build build) { return DistFolder(build).filename().string(); }

// The package (".msi") or the zip (".zip") of a build.
fs::path Dist(Build build, const std::string& extension) {
  return kBuildFolder / "dist" / ("3dOrvane-" + Arch(build) + extension);
}

void ExpectFilesOf(Build build, const fs::path& folder) {
  for (const char* file : {"3dOrvane.scr", "3dOrvane.dll", "3dOrvane.x"}) {
    EXPECT_EQ(ReadBytes(folder / file), ReadBytes(DistFolder(build) / file)) << folder / file;
  }
}

class InstallerTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    localAppData_ = Trimmed(RunTool("cmd", {"/c", "echo %LOCALAPPDATA%"})) + "\\";
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
    ChildProcess msiexec = WineSession::Current().Start(
        "msiexec", arguments, OutputFolder() / ("msiexec-" + std::to_string(++runs_) + ".log"));
    return msiexec.WaitForExit(120s).value_or(-1);
  }
  fs::path LinuxPath(const std::string& windowsPath) {
    return Trimmed(RunTool("winepath", {"-u", windowsPath}));
  }
  // A text value of the user's desktop settings, from its line "    name    REG_SZ    value".
  std::optional<std::string> DesktopValue(const std::string& name) {
    const std::string values = RunTool("reg", {"query", R"(HKCU\Control Panel\Desktop)"});
    const std::string label = "    " + name + "    REG_SZ    ";
    const size_t at = values.find(label);
    if (at == std::string::npos) return std::nullopt;
    return Trimmed(values.substr(at + label.size(), values.find('\n', at) - at - label.size()));
  }
  // The product codes of the entries named after the product under installed apps, as
  // Wine's uninstaller lists them ("{code}|||name").
  std::vector<std::string> InstalledProducts() {
    std::vector<std::string> products;
    std::istringstream lines(RunTool("uninstaller", {"--list"}));
    for (std::string line; std::getline(lines, line);) {
      const size_t at = line.find("|||");
      if (at != std::string::npos && Trimmed(line.substr(at + 3)) == kApplicationTitle) {
        products.push_back(line.substr(0, at));
      }
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
  int runs_ = 0;
};

TEST_F(InstallerTest, InstallsUpgradesAcrossBuildsRefusesOlderStartsFromTheRegistryAndUninstalls) {
  const Build primary = PrimaryBuild();
  const std::string package = WindowsPath(Dist(primary, ".msi"));
  const std::string other = WindowsPath(Dist(primary == Build::k32Bit ? Build::k64Bit : Build::k32Bit, ".msi"));
  const std::string earlier =
      WindowsPath(ORVANE_EARLIER_PACKAGE_PREFIX + Arch(primary) + ORVANE_EARLIER_PACKAGE_SUFFIX);
  const fs::path userPrograms = onLinux_ / "Programs" / "3dOrvane";
  const fs::path installFolder = onLinux_ / kFolderWithBlank;

  // Extracted into a folder of the user's, the zip gives the same program folder.
  const fs::path byHand = OutputFolder() / "by-hand";
  fs::create_directories(byHand);
  RunOnLinux({"cmake", "-E", "chdir", byHand.string(), "cmake", "-E", "tar", "xf",
              Dist(primary, ".zip").string()});
  ExpectFilesOf(primary, byHand);

  // An earlier release, then this release of the other build, in the user's own programs
  // folder: it replaces the earlier one in place, beside the user's settings. This build of
  // the same version then replaces that one in a folder with a blank, leaving the settings.
  ASSERT_EQ(Msiexec("/i", earlier), 0);
  std::ofstream(userPrograms / "3dOrvane.ini") << "[Section]\r\n";
  ASSERT_EQ(Msiexec("/i", other), 0);
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
