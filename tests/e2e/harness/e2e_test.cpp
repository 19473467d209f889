#include "e2e_test.h"


#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <numeric>
#include <set>
#include <sstream>
#include <thread>

namespace orvane::e2e {
namespace fs = std::filesystem;

namespace {

std::string LastLines(const fs::path& file, std::size_t count) {
  std::istringstream in(ReadBytes(file));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back("  " + line + "\n");
  return std::accumulate(lines.end() - std::min(lines.size(), count), lines.end(), std::string());
}

}  // namespace

void E2eTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  outputFolder_ = kOutputFolder / (std::string(info->test_suite_name()) + "." + info->name());
  fs::remove_all(outputFolder_);
  fs::create_directories(outputFolder_);
  probe_ = Probe(outputFolder_);
  fs::remove_all(StagingFolder());
}

void E2eTest::TearDown() {
  if (HasFailure()) ReportFailure();
  // A test that stopped half-way may leave programs running; the next one starts without them.
  WineSession::Current().EndProgramsOfTheBuild();
  if (!HasFailure()) fs::remove_all(outputFolder_);
}

void E2eTest::ReportFailure() {
  SaveBitmap(screen_.Capture(), outputFolder_ / "at-failure.bmp");
  std::ostringstream report;
  report << "At the failure (screen in " << (outputFolder_ / "at-failure.bmp").string() << ")\n"
         << "Processes of the Wine session:\n";
  for (const SessionProcess& process : WineSession::Current().Processes()) {
    report << "  " << process.pid << " " << process.commandLine << "\n";
  }
  report << "Top-level windows (visible, rectangle, title):\n";
  for (const WindowInfo& w : probe_.Windows()) {
    report << "  " << w.visible << " " << w.left << "," << w.top << "," << w.right << ","
           << w.bottom << " " << w.title << "\n";
  }
  std::set<fs::path> logs;  // in the order of their names
  for (const auto& entry : fs::directory_iterator(outputFolder_)) {
    if (entry.path().filename().string().find(".log") != std::string::npos) logs.insert(entry);
  }
  for (const fs::path& log : logs) report << "The end of " << log.filename().string() << ":\n" << LastLines(log, 10);
  std::ofstream(outputFolder_ / "at-failure.txt") << report.str();
  std::cout << report.str();
}

fs::path E2eTest::NextLog(const std::string& name) {
  return outputFolder_ / (name + "-" + std::to_string(++logs_) + ".log");
}

fs::path E2eTest::MakeProgramFolder(Shipped shipped, Build build, const std::string& name) {
  const fs::path folder = outputFolder_ / name;
  fs::create_directories(folder);
  fs::copy_file(DistFolder(build) / "3dOrvane.scr", folder / "3dOrvane.scr");
  if (shipped.renderer) std::ofstream(folder / "3dOrvane.dll") << "renderer stand-in";
  if (shipped.model) std::ofstream(folder / "3dOrvane.x") << "xof 0303txt 0032\n";
  return folder;
}

ChildProcess E2eTest::StartScreenSaver(const fs::path& programFolder,
                                       const std::vector<std::string>& arguments,
                                       const std::vector<std::string>& overrides,
                                       const fs::path& workingFolder) {
  std::vector<std::string> command{"env", "-C", (workingFolder.empty() ? fs::current_path() : workingFolder).string(),
                                   WineSession::Current().Variable("WINE"), (programFolder / "3dOrvane.scr").string()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return ChildProcess(command, NextLog("screen-saver"), overrides);
}

void E2eTest::PlantRecordingDlls(Build build, const std::vector<fs::path>& folders) {
  for (const fs::path& folder : folders) {
    for (const char* name : {"dwmapi", "msimg32", "winmm", "shcore", "opengl32", "comdlg32", "shell32", "ole32",
                             "oleaut32", "gdi32", "user32", "kernel32", "msvcrt"}) {
      fs::copy_file(TestTools(build) / "planted.dll", folder / (std::string(name) + ".dll"),
                    fs::copy_options::overwrite_existing);
    }
  }
}

std::string E2eTest::PlantedDllLoads(const std::vector<fs::path>& folders) {
  std::string loads;
  for (const fs::path& folder : folders) loads += ReadBytes(folder / "planted-loads.txt");
  return loads;
}

std::string E2eTest::RunTool(const fs::path& tool, const std::vector<std::string>& arguments) {
  // Now and then, on a busy machine, one of Wine's tools ends at once with exit code 1 and prints
  // nothing (cause unknown): such a run says so, keeps Wine's errors in its ".stderr" log, and is
  // tried once more.
  for (int attempt = 1;; ++attempt) {
    ChildProcess process =
        WineSession::Current().Start(tool, arguments, NextLog("tool"), {"WINEDEBUG=err+all"});
    const std::optional<int> exitCode = process.WaitForExit(30s);
    if (attempt == 1 && exitCode == 1 && process.Output().empty()) {
      std::cout << tool << " ended with 1 and printed nothing; again\n";
      continue;
    }
    EXPECT_EQ(exitCode, 0) << tool << " did not finish cleanly";
    return process.Output();
  }
}

void E2eTest::RunOnLinux(const std::vector<std::string>& command) {
  EXPECT_EQ(ChildProcess(command, NextLog("command")).WaitForExit(60s), 0)
      << command[0] << " failed";
}

void E2eTest::Xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{"xdotool"};
  command.insert(command.end(), arguments.begin(), arguments.end());
  RunOnLinux(command);
}

void E2eTest::ExpectSceneAsItsReferences(const std::string& layout) {
  // The files as the saver stages them.
  fs::create_directories(StagingFolder());
  fs::copy_file(DistFolder(PrimaryBuild()) / "3dOrvane.x", StagingFolder() / "3dOrvane.x",
                fs::copy_options::overwrite_existing);
  fs::copy_file(kArtworkFolder / "glow_texture.bmp", StagingFolder() / "3dOrvane.bmp",
                fs::copy_options::overwrite_existing);
  const char* renew = std::getenv("ORVANE_NEW_REFERENCES");
  ChildProcess tool = WineSession::Current().Start(TestTools(PrimaryBuild()) / "scene_moments.exe",
                                                   {WindowsPath(OutputFolder()), "2.5", "11"}, NextLog("scene-moments"));
  for (const std::string seconds : {"2.5", "11"}) {
    // The screen shows the moment once it shows exactly the pixels the tool drew for it, whatever
    // frame it showed before.
    ASSERT_TRUE(tool.WaitForOutput("shown " + seconds, 60s)) << "the scene at " << seconds << " s was not drawn";
    const std::string bytes = ReadBytes(OutputFolder() / (seconds + ".rgb"));
    Picture shown{screen().Width(), screen().Height(), {}};
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3) {
      shown.pixels.push_back({std::uint8_t(bytes[i]), std::uint8_t(bytes[i + 1]), std::uint8_t(bytes[i + 2])});
    }
    ASSERT_TRUE(Eventually([&] { return screen().Capture().pixels == shown.pixels; }, 30s, 50ms))
        << "the screen never showed the scene at " << seconds << " s";
    const std::string name = layout + "-" + seconds + "s";
    const fs::path reference = kSceneReferenceFolder / (name + ".png");
    SaveBitmap(shown, OutputFolder() / (name + ".bmp"));
    if (renew && std::string(renew) == "1") {
      RunOnLinux({"convert", (OutputFolder() / (name + ".bmp")).string(), reference.string()});
    } else {
      // ImageMagick counts the pixels that differ by more than 5% (about 13 levels of 255): a
      // few glyph edges may round another way on another rasteriser, and a two-hundredth of
      // the picture is far below what a user sees, while a tint or a light changed shows.
      const fs::path log = NextLog("compare");
      ChildProcess compare({"compare", "-metric", "AE", "-fuzz", "5%", reference.string(),
                            (OutputFolder() / (name + ".bmp")).string(), "null:"}, log);
      ASSERT_LE(compare.WaitForExit(60s).value_or(2), 1) << "no comparison with " << reference;
      EXPECT_LE(std::stod(ReadBytes(log.string() + ".stderr")), shown.pixels.size() / 200.0)
          << "pixels differ from " << reference;
    }
    ASSERT_TRUE(probe().Post(kRendererTitle, 0x400, 0));  // WM_USER: on to the next moment
  }
  EXPECT_EQ(tool.WaitForExit(30s), 0);
}

fs::path E2eTest::StagingFolder() const {
  return fs::path(WineSession::Current().Variable("WINEPREFIX")) / "drive_c" / "v_orim";
}

bool E2eTest::WaitForWindow(const std::string& title, bool shown, std::chrono::milliseconds timeout) {
  return Eventually([&] { return screen_.WindowShown(title) == shown; }, timeout, 10ms);
}

void E2eTest::WatchTheEffect(ChildProcess& saver, std::chrono::milliseconds period,
                             const std::function<bool(const Picture&)>& look) {
  for (auto next = std::chrono::steady_clock::now(), end = next + 60s;
       next < end && !saver.HasEnded() && !screen_.WindowShown(kRendererTitle); next += period) {
    std::this_thread::sleep_until(next);
    if (look(screen_.Capture())) return;
  }
}

Picture E2eTest::WaitForScene(const std::function<bool(const Picture&)>& complete) {
  EXPECT_TRUE(WaitForWindow(kRendererTitle, true, 60s)) << "the renderer's window never showed";
  const auto graceOver = std::chrono::steady_clock::now() + 500ms;
  Picture scene;
  EXPECT_TRUE(Eventually([&] { return complete(scene = screen_.Capture()); }, 30s, 100ms))
      << "the scene did not show";
  std::this_thread::sleep_until(graceOver);
  return scene;
}

}  // namespace orvane::e2e
