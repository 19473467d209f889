// The installer packages under Wine's msiexec: a per-user install that makes the program the
// screen saver, upgrades across versions and builds, the refusal of an older package, the
// saver run the system starts from the registry, and an uninstall that takes back what the
// installs did and leaves the user's settings file; and the zip for installing by hand.
#include <chrono>
#include <cstdint>
#include <cstring>
#include <optional>
#include <sstream>
#include <thread>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kProductName = "3dOrvane (Screen Saver)";
const std::string kDesktopKey = "HKCU\\Control Panel\\Desktop";
const char* const kShippedFiles[] = {"3dOrvane.scr", "3dOrvane.dll", "3dOrvane.x"};

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Arch(Build build) { return build == Build::k32Bit ? "win32" : "win64"; }

fs::path Package(Build build) { return kBuildFolder / "dist" / ("3dOrvane-" + Arch(build) + ".msi"); }
fs::path EarlierPackage(Build build) {
  return ORVANE_EARLIER_PACKAGE_PREFIX + Arch(build) + ORVANE_EARLIER_PACKAGE_SUFFIX;
}

// The file version in a program's version resource, "major.minor.patch.build".
std::string FileVersion(const fs::path& program) {
  const std::string bytes = ReadBytes(program);
  const size_t info = bytes.find(std::string("\xbd\x04\xef\xfe", 4));
  if (info == std::string::npos || info + 16 > bytes.size()) return "";
  std::uint32_t high = 0, low = 0;
  std::memcpy(&high, bytes.data() + info + 8, sizeof high);
  std::memcpy(&low, bytes.data() + info + 12, sizeof low);
  return std::to_string(high >> 16) + "." + std::to_string(high & 0xffff) + "." +
         std::to_string(low >> 16) + "." + std::to_string(low & 0xffff);
}

void ExpectFilesOf(Build build, const fs::path& folder) {
  for (const char* file : kShippedFiles) {
    EXPECT_EQ(ReadBytes(folder / file), ReadBytes(DistFolder(build) / file)) << folder / file;
  }
}

class InstallerTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    localAppData_ = Trimmed(Wine("cmd", {"/c", "echo %LOCALAPPDATA%"}));
    userPrograms_ = LinuxPath(localAppData_ + "\\Programs\\3dOrvane");
    folderWithBlank_ = localAppData_ + "\\3dOrvane Screen Saver";
    UninstallEverything();
  }
  void TearDown() override {
    UninstallEverything();
    E2eTest::TearDown();
  }

  std::string Wine(const std::string& program, const std::vector<std::string>& arguments,
                   int* exitCode = nullptr) {
    ChildProcess process = WineSession::Current().Start(
        program, arguments, OutputFolder() / ("wine-" + std::to_string(++wineRuns_) + ".log"));
    const int code = process.WaitForExit(120s).value_or(-1);
    if (exitCode) *exitCode = code;
    return process.Output();
  }
  // Runs msiexec without any user interface and returns its exit code.
  int Msiexec(std::vector<std::string> arguments) {
    arguments.push_back("/qn");
    int exitCode = 0;
    Wine("msiexec", arguments, &exitCode);
    return exitCode;
  }
  int Install(const fs::path& package, const std::string& folder = "") {
    if (folder.empty()) return Msiexec({"/i", WindowsPath(package)});
    return Msiexec({"/i", WindowsPath(package), "INSTALLFOLDER=" + folder});
  }

  fs::path LinuxPath(const std::string& windowsPath) {
    return Trimmed(Wine("winepath", {"-u", windowsPath}));
  }
  std::optional<std::string> RegistryValue(const std::string& key, const std::string& name,
                                           std::vector<std::string> options = {}) {
    options.insert(options.begin(), {"query", key, "/v", name});
    int exitCode = 0;
    const std::string output = Wine("reg", options, &exitCode);
    const size_t at = output.find("REG_SZ");
    if (exitCode != 0 || at == std::string::npos) return std::nullopt;
    const std::string rest = output.substr(at + 6);
    return Trimmed(rest.substr(0, rest.find('\n')));
  }
  std::optional<std::string> DesktopValue(const std::string& name) {
    return RegistryValue(kDesktopKey, name);
  }
  // Wine keeps the entries of installed apps in the machine's registry, in the view of the
  // package's bitness.
  std::optional<std::string> DisplayVersion(const std::string& productCode, Build build) {
    return RegistryValue(
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + productCode,
        "DisplayVersion", {build == Build::k64Bit ? "/reg:64" : "/reg:32"});
  }
  // The product codes of the entries named after the product under installed apps, as
  // Wine's uninstaller lists them ("{code}|||name").
  std::vector<std::string> InstalledProducts() {
    std::vector<std::string> products;
    std::istringstream lines(Wine("uninstaller", {"--list"}));
    for (std::string line; std::getline(lines, line);) {
      const size_t separator = line.find("|||");
      if (separator != std::string::npos && Trimmed(line.substr(separator + 3)) == kProductName) {
        products.push_back(line.substr(0, separator));
      }
    }
    return products;
  }
  // Leaves the prefix as the other tests expect it: nothing of ours installed.
  void UninstallEverything() {
    for (const std::string& product : InstalledProducts()) Msiexec({"/x", product});
    fs::remove_all(userPrograms_);
    fs::remove_all(LinuxPath(folderWithBlank_));
  }

  // Runs the screen saver as the system starts the chosen one, until the renderer shows, and
  // ends the run with a mouse move.
  void RunTheSaver(const std::string& commandPath) {
    ChildProcess saver = WineSession::Current().Start(commandPath, {"/s"}, OutputFolder() / "saver.log");
    XScreen screen(WineSession::Current().Variable("DISPLAY"));
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!screen.WindowShown("3dOrvane_VC") && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(100ms);
    }
    ASSERT_TRUE(screen.WindowShown("3dOrvane_VC")) << "the renderer never showed";
    // Past the renderer's grace period for mouse moves.
    std::this_thread::sleep_for(2s);
    Xdotool({"mousemove_relative", "--", "40", "25"});
    EXPECT_EQ(saver.WaitForExit(20s), 0) << "the saver run did not end";
  }

  std::string localAppData_;
  fs::path userPrograms_;  // where a package installs unless told otherwise
  std::string folderWithBlank_;
  int wineRuns_ = 0;
};

TEST_F(InstallerTest, InstallsUpgradesAcrossBuildsRefusesOlderRunsTheSaverAndUninstalls) {
  const Build primary = PrimaryBuild();
  const Build other = primary == Build::k32Bit ? Build::k64Bit : Build::k32Bit;
  const fs::path& userPrograms = userPrograms_;

  // Extracted into a folder of the user's, the zip gives the same program folder.
  const fs::path byHand = OutputFolder() / "by-hand";
  fs::create_directories(byHand);
  RunOnLinux({"cmake", "-E", "chdir", byHand.string(), "cmake", "-E", "tar", "xf",
              (kBuildFolder / "dist" / ("3dOrvane-" + Arch(primary) + ".zip")).string()});
  ExpectFilesOf(primary, byHand);

  // An earlier release, into the user's own programs folder; the user's settings beside it.
  ASSERT_EQ(Install(EarlierPackage(primary)), 0);
  const std::vector<std::string> earlier = InstalledProducts();
  ASSERT_EQ(earlier.size(), 1u);
  EXPECT_EQ(DisplayVersion(earlier[0], primary), "0.0.1");
  std::ofstream(userPrograms / "3dOrvane.ini") << "[Section]\r\n";

  // This release of the other build replaces it in place.
  ASSERT_EQ(Install(Package(other)), 0);
  ASSERT_EQ(InstalledProducts().size(), 1u);
  EXPECT_NE(InstalledProducts(), earlier);
  ExpectFilesOf(other, userPrograms);

  // This build of the same version replaces that one, in a folder with a blank this time,
  // and leaves the settings file where it was.
  const std::string& folder = folderWithBlank_;
  ASSERT_EQ(Install(Package(primary), folder), 0);
  const std::vector<std::string> installed = InstalledProducts();
  ASSERT_EQ(installed.size(), 1u);
  EXPECT_EQ(DisplayVersion(installed[0], primary), ORVANE_PRODUCT_VERSION);
  const fs::path installFolder = LinuxPath(folder);
  ExpectFilesOf(primary, installFolder);
  EXPECT_EQ(FileVersion(installFolder / "3dOrvane.scr"), ORVANE_PRODUCT_VERSION ".0");
  EXPECT_FALSE(fs::exists(userPrograms / "3dOrvane.scr"));
  EXPECT_EQ(ReadBytes(userPrograms / "3dOrvane.ini"), "[Section]\r\n");

  // The screen saver is switched on and named, as the display settings name it, by its short
  // path, which has no blanks to quote in the command the system makes of it.
  EXPECT_EQ(DesktopValue("ScreenSaveActive"), "1");
  const std::optional<std::string> screenSaver = DesktopValue("SCRNSAVE.EXE");
  ASSERT_TRUE(screenSaver) << "no screen saver chosen";
  EXPECT_EQ(screenSaver->find(' '), std::string::npos) << *screenSaver;
  EXPECT_EQ(LinuxPath(*screenSaver), installFolder / "3dOrvane.scr");

  EXPECT_NE(Install(EarlierPackage(primary)), 0) << "an older package replaced a newer one";
  EXPECT_EQ(InstalledProducts(), installed);

  RunTheSaver(*screenSaver);

  ASSERT_EQ(Msiexec({"/x", WindowsPath(Package(primary)), "INSTALLFOLDER=" + folder}), 0);
  for (const char* file : kShippedFiles) EXPECT_FALSE(fs::exists(installFolder / file)) << file;
  EXPECT_EQ(DesktopValue("SCRNSAVE.EXE"), std::nullopt);
  EXPECT_EQ(DesktopValue("ScreenSaveActive"), std::nullopt);
  EXPECT_TRUE(InstalledProducts().empty());
}

}  // namespace
}  // namespace orvane::e2e
