// The installer package of the build the rig runs, under Wine's msiexec: a per-user install
// that makes the program the screen saver, the installed program's settings and saver run,
// an upgrade from an earlier release, and an uninstall that takes back what the install did
// and leaves the user's settings file.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <sstream>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kProductName = "3dOrvane (Screen Saver)";
const std::string kDesktopKey = "HKCU\\Control Panel\\Desktop";
const std::string kRendererTitle = "3dOrvane_VC";
const char* const kShippedFiles[] = {"3dOrvane.scr", "3dOrvane.dll", "3dOrvane.x"};

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

template <typename T>
T ReadAt(const std::string& bytes, size_t offset) {
  T value{};
  if (offset + sizeof value <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// The file version in a program's version resource, "major.minor.patch.build".
std::string FileVersion(const fs::path& program) {
  const std::string bytes = ReadBytes(program);
  const size_t info = bytes.find(std::string("\xbd\x04\xef\xfe", 4));
  if (info == std::string::npos) return "";
  const auto high = ReadAt<std::uint32_t>(bytes, info + 8);
  const auto low = ReadAt<std::uint32_t>(bytes, info + 12);
  return std::to_string(high >> 16) + "." + std::to_string(high & 0xffff) + "." +
         std::to_string(low >> 16) + "." + std::to_string(low & 0xffff);
}

class InstallerTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    build_ = PrimaryBuild() == Build::k32Bit ? "win32" : "win64";
    package_ = kBuildFolder / "dist" / ("3dOrvane-" + build_ + ".msi");
    localAppData_ = Trimmed(Wine("cmd", {"/c", "echo %LOCALAPPDATA%"}).output);
    installFolder_ = fs::path(LinuxPath(localAppData_)) / "Programs" / "3dOrvane";
    UninstallEverything();
  }
  void TearDown() override {
    UninstallEverything();
    DialogTest::TearDown();
  }

  struct WineRun {
    int exitCode;
    std::string output;
  };
  WineRun Wine(const std::string& program, const std::vector<std::string>& arguments) {
    ChildProcess process = WineSession::Current().Start(
        program, arguments, OutputFolder() / ("wine-" + std::to_string(++wineRuns_) + ".log"));
    const std::optional<int> exitCode = process.WaitForExit(120s);
    return {exitCode.value_or(-1), process.Output()};
  }
  // Runs msiexec without any user interface, prints how long it took and returns its exit code.
  int Msiexec(const std::string& what, std::vector<std::string> arguments) {
    arguments.push_back("/qn");
    const auto start = std::chrono::steady_clock::now();
    const int exitCode = Wine("msiexec", arguments).exitCode;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s of %s took %.2f s\n", what.c_str(), build_.c_str(), took.count());
    return exitCode;
  }
  int Install(const fs::path& package, std::vector<std::string> properties = {}) {
    properties.insert(properties.begin(), {"/i", WindowsPath(package)});
    return Msiexec("install", properties);
  }

  std::string LinuxPath(const std::string& windowsPath) {
    return Trimmed(Wine("winepath", {"-u", windowsPath}).output);
  }
  std::optional<std::string> RegistryValue(const std::string& key, const std::string& name,
                                           const std::vector<std::string>& options = {}) {
    std::vector<std::string> arguments{"query", key, "/v", name};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const WineRun query = Wine("reg", arguments);
    const std::string type = "REG_SZ";
    const size_t at = query.output.find(type);
    if (query.exitCode != 0 || at == std::string::npos) return std::nullopt;
    const std::string rest = query.output.substr(at + type.size());
    return Trimmed(rest.substr(0, rest.find('\n')));
  }
  std::optional<std::string> DesktopValue(const std::string& name) {
    return RegistryValue(kDesktopKey, name);
  }
  // Wine keeps the entries of installed apps in the machine's registry, in the view of the
  // package's bitness.
  std::optional<std::string> DisplayVersion(const std::string& productCode) {
    return RegistryValue(
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + productCode,
        "DisplayVersion", {build_ == "win64" ? "/reg:64" : "/reg:32"});
  }
  // The product codes of the entries named after the product under installed apps, as
  // Wine's uninstaller lists them ("{code}|||name").
  std::vector<std::string> InstalledProducts() {
    std::vector<std::string> products;
    std::istringstream lines(Wine("uninstaller", {"--list"}).output);
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
    for (const std::string& product : InstalledProducts()) Msiexec("cleanup", {"/x", product});
    fs::remove_all(installFolder_);
  }

  void ExpectInstalledFiles() {
    for (const char* file : kShippedFiles) {
      EXPECT_EQ(ReadBytes(installFolder_ / file), ReadBytes(kBuildFolder / "dist" / build_ / file))
          << file;
    }
  }

  // Runs the screen saver as the system starts the chosen one, until the renderer shows, and
  // ends the run with a mouse move.
  void RunTheSaver(const std::string& commandPath) {
    ChildProcess saver = WineSession::Current().Start(commandPath, {"/s"}, OutputFolder() / "saver.log");
    XScreen screen(WineSession::Current().Variable("DISPLAY"));
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!screen.WindowShown(kRendererTitle) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(100ms);
    }
    ASSERT_TRUE(screen.WindowShown(kRendererTitle)) << "the renderer never showed";
    // Past the renderer's grace period for mouse moves.
    std::this_thread::sleep_for(2s);
    Xdotool({"mousemove_relative", "--", "40", "25"});
    EXPECT_EQ(saver.WaitForExit(20s), 0) << "the saver run did not end";
  }

  fs::path EarlierPackage() const {
    return ORVANE_EARLIER_PACKAGE_PREFIX + build_ + ORVANE_EARLIER_PACKAGE_SUFFIX;
  }

  std::string build_;
  fs::path package_;
  std::string localAppData_;
  fs::path installFolder_;
  int wineRuns_ = 0;
};

TEST_F(InstallerTest, InstallsForTheUserRunsFromThereAndUninstallsKeepingTheSettings) {
  ASSERT_EQ(Install(package_), 0);

  ExpectInstalledFiles();
  const std::optional<std::string> screenSaver = DesktopValue("SCRNSAVE.EXE");
  ASSERT_TRUE(screenSaver) << "no screen saver chosen";
  EXPECT_EQ(LinuxPath(*screenSaver), (installFolder_ / "3dOrvane.scr").string());
  EXPECT_EQ(DesktopValue("ScreenSaveActive"), "1");
  const std::vector<std::string> products = InstalledProducts();
  ASSERT_EQ(products.size(), 1u);
  EXPECT_EQ(DisplayVersion(products[0]), ORVANE_PRODUCT_VERSION);
  EXPECT_EQ(FileVersion(installFolder_ / "3dOrvane.scr"), ORVANE_PRODUCT_VERSION ".0");

  // The settings dialog of the installed program saves beside it.
  program_ = installFolder_;
  ChildProcess settings = OpenDialog();
  Click(kSourceName + 1);
  TypeTrack("7");
  Click(kSaveButton);
  EXPECT_EQ(settings.WaitForExit(10s), 0);
  const std::string saved = SavedIni("1", "7", "");
  EXPECT_EQ(IniBytes(), saved);

  RunTheSaver(*screenSaver);

  ASSERT_EQ(Msiexec("uninstall", {"/x", WindowsPath(package_)}), 0);

  for (const char* file : kShippedFiles) EXPECT_FALSE(fs::exists(installFolder_ / file)) << file;
  EXPECT_EQ(DesktopValue("SCRNSAVE.EXE"), std::nullopt);
  EXPECT_EQ(DesktopValue("ScreenSaveActive"), std::nullopt);
  EXPECT_TRUE(InstalledProducts().empty());
  EXPECT_EQ(IniBytes(), saved);
}

TEST_F(InstallerTest, ANewerPackageUpgradesInPlaceKeepingTheSettingsAndAnOlderOneIsRefused) {
  ASSERT_EQ(Install(EarlierPackage()), 0);
  const std::vector<std::string> earlier = InstalledProducts();
  ASSERT_EQ(earlier.size(), 1u);
  EXPECT_EQ(DisplayVersion(earlier[0]), "0.0.1");
  program_ = installFolder_;
  WriteIni("2", "12", "C:\\music\\song.mp3");
  const std::string settings = IniBytes();

  ASSERT_EQ(Install(package_), 0);

  const std::vector<std::string> upgraded = InstalledProducts();
  ASSERT_EQ(upgraded.size(), 1u);
  EXPECT_NE(upgraded[0], earlier[0]);
  EXPECT_EQ(DisplayVersion(upgraded[0]), ORVANE_PRODUCT_VERSION);
  ExpectInstalledFiles();
  EXPECT_TRUE(DesktopValue("SCRNSAVE.EXE"));
  EXPECT_EQ(IniBytes(), settings);

  EXPECT_NE(Install(EarlierPackage()), 0) << "an older package replaced a newer one";
  EXPECT_EQ(InstalledProducts(), upgraded);
  EXPECT_EQ(IniBytes(), settings);
}

// Like the display settings, the installer names the chosen screen saver by its short path,
// which has no blanks to quote in the command the system makes of it.
TEST_F(InstallerTest, TheChosenScreenSaverIsNamedByItsShortPathWithoutBlanks) {
  const std::string folder = localAppData_ + "\\3dOrvane Screen Saver";

  ASSERT_EQ(Install(package_, {"INSTALLFOLDER=" + folder}), 0);

  const std::optional<std::string> screenSaver = DesktopValue("SCRNSAVE.EXE");
  ASSERT_TRUE(screenSaver);
  EXPECT_EQ(screenSaver->find(' '), std::string::npos) << *screenSaver;
  const fs::path installed = fs::path(LinuxPath(folder)) / "3dOrvane.scr";
  EXPECT_EQ(LinuxPath(*screenSaver), installed.string());

  EXPECT_EQ(Msiexec("uninstall", {"/x", WindowsPath(package_), "INSTALLFOLDER=" + folder}), 0);
  EXPECT_FALSE(fs::exists(installed));
  fs::remove_all(installed.parent_path());
}

}  // namespace
}  // namespace orvane::e2e
