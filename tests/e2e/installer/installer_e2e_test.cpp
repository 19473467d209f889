// The installer packages under Wine's msiexec: a per-user install that makes the program the
// screen saver, upgrades across versions and builds, the refusal of an older package, the
// program started from the registry as the system starts it, and an uninstall that takes back
// what the installs did and leaves the user's settings file; and the zip for installing by hand.
#include <optional>
#include <sstream>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const char* const kShippedFiles[] = {"3dOrvane.scr", "3dOrvane.dll", "3dOrvane.x"};

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Arch(Build build) { return build == Build::k32Bit ? "win32" : "win64"; }

void ExpectFilesOf(Build build, const fs::path& folder) {
  for (const char* file : kShippedFiles) {
    EXPECT_EQ(ReadBytes(folder / file), ReadBytes(DistFolder(build) / file)) << folder / file;
  }
}

class InstallerTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    const std::string localAppData = Trimmed(Wine("cmd", {"/c", "echo %LOCALAPPDATA%"}).output);
    userPrograms_ = localAppData + R"(\Programs\3dOrvane)";
    folderWithBlank_ = localAppData + R"(\3dOrvane Screen Saver)";
    UninstallEverything();
  }
  void TearDown() override {
    UninstallEverything();
    E2eTest::TearDown();
  }

  struct Run {
    int exitCode;
    std::string output;
  };
  Run Wine(const std::string& program, const std::vector<std::string>& arguments) {
    ChildProcess process = WineSession::Current().Start(
        program, arguments, OutputFolder() / ("wine-" + std::to_string(++wineRuns_) + ".log"));
    return {process.WaitForExit(120s).value_or(-1), process.Output()};
  }
  // Runs msiexec without any user interface on a package, for `folder` when one is given.
  int Msiexec(const std::string& action, const fs::path& package, const std::string& folder = "") {
    std::vector<std::string> arguments{action, WindowsPath(package), "/qn"};
    if (!folder.empty()) arguments.push_back("INSTALLFOLDER=" + folder);
    return Wine("msiexec", arguments).exitCode;
  }
  fs::path LinuxPath(const std::string& windowsPath) {
    return Trimmed(Wine("winepath", {"-u", windowsPath}).output);
  }
  std::optional<std::string> DesktopValue(const std::string& name) {
    const auto [exitCode, output] = Wine("reg", {"query", R"(HKCU\Control Panel\Desktop)", "/v", name});
    const size_t at = output.find("REG_SZ");
    if (exitCode != 0 || at == std::string::npos) return std::nullopt;
    return Trimmed(output.substr(at + 6, output.find('\n', at) - at - 6));
  }
  // The product codes of the entries named after the product under installed apps, as
  // Wine's uninstaller lists them ("{code}|||name").
  std::vector<std::string> InstalledProducts() {
    std::vector<std::string> products;
    std::istringstream lines(Wine("uninstaller", {"--list"}).output);
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
    fs::remove_all(LinuxPath(userPrograms_));
    fs::remove_all(LinuxPath(folderWithBlank_));
  }

  std::string userPrograms_;  // where a package installs unless told otherwise
  std::string folderWithBlank_;
  int wineRuns_ = 0;
};

TEST_F(InstallerTest, InstallsUpgradesAcrossBuildsRefusesOlderStartsFromTheRegistryAndUninstalls) {
  const Build primary = PrimaryBuild();
  const Build other = primary == Build::k32Bit ? Build::k64Bit : Build::k32Bit;
  const auto package = [](Build build) {
    return kBuildFolder / "dist" / ("3dOrvane-" + Arch(build) + ".msi");
  };
  const fs::path earlierPackage =
      ORVANE_EARLIER_PACKAGE_PREFIX + Arch(primary) + ORVANE_EARLIER_PACKAGE_SUFFIX;

  // Extracted into a folder of the user's, the zip gives the same program folder.
  const fs::path byHand = OutputFolder() / "by-hand";
  fs::create_directories(byHand);
  RunOnLinux({"cmake", "-E", "chdir", byHand.string(), "cmake", "-E", "tar", "xf",
              (kBuildFolder / "dist" / ("3dOrvane-" + Arch(primary) + ".zip")).string()});
  ExpectFilesOf(primary, byHand);

  // An earlier release, then this release of the other build, in the user's own programs
  // folder: it replaces the earlier one in place, beside the user's settings.
  ASSERT_EQ(Msiexec("/i", earlierPackage), 0);
  const std::vector<std::string> earlier = InstalledProducts();
  ASSERT_EQ(earlier.size(), 1u);
  const fs::path userPrograms = LinuxPath(userPrograms_);
  std::ofstream(userPrograms / "3dOrvane.ini") << "[Section]\r\n";
  ASSERT_EQ(Msiexec("/i", package(other)), 0);
  ASSERT_EQ(InstalledProducts().size(), 1u);
  EXPECT_NE(InstalledProducts(), earlier);
  ExpectFilesOf(other, userPrograms);

  // This build of the same version replaces that one, in a folder with a blank this time,
  // and leaves the settings file where it was.
  ASSERT_EQ(Msiexec("/i", package(primary), folderWithBlank_), 0);
  const std::vector<std::string> installed = InstalledProducts();
  ASSERT_EQ(installed.size(), 1u);
  const fs::path installFolder = LinuxPath(folderWithBlank_);
  ExpectFilesOf(primary, installFolder);
  EXPECT_FALSE(fs::exists(userPrograms / "3dOrvane.scr"));
  EXPECT_EQ(ReadBytes(userPrograms / "3dOrvane.ini"), "[Section]\r\n");

  EXPECT_NE(Msiexec("/i", earlierPackage, folderWithBlank_), 0)
      << "an older package replaced a newer one";
  EXPECT_EQ(InstalledProducts(), installed);

  // The screen saver is switched on and named, as the display settings name it, by its short
  // path, which has no blanks to quote in the command the system makes of it.
  EXPECT_EQ(DesktopValue("ScreenSaveActive"), "1");
  const std::optional<std::string> screenSaver = DesktopValue("SCRNSAVE.EXE");
  ASSERT_TRUE(screenSaver) << "no screen saver chosen";
  EXPECT_EQ(screenSaver->find(' '), std::string::npos) << *screenSaver;
  EXPECT_EQ(LinuxPath(*screenSaver), installFolder / "3dOrvane.scr");

  // The system starts it with the command "<that path> /s"; given "/p 0", a preview for no
  // pane, it ends at once.
  EXPECT_EQ(Wine("cmd", {"/c", *screenSaver + " /p 0"}).exitCode, 0);

  ASSERT_EQ(Msiexec("/x", package(primary), folderWithBlank_), 0);
  for (const char* file : kShippedFiles) EXPECT_FALSE(fs::exists(installFolder / file)) << file;
  EXPECT_EQ(DesktopValue("SCRNSAVE.EXE"), std::nullopt);
  EXPECT_EQ(DesktopValue("ScreenSaveActive"), std::nullopt);
  EXPECT_TRUE(InstalledProducts().empty());
}

}  // namespace
}  // namespace orvane::e2e
