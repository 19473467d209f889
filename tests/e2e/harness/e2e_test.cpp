#include "e2e_test.h"

#include <fstream>
#include <thread>

namespace orvane::e2e {
namespace fs = std::filesystem;

void E2eTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  outputFolder_ = kOutputFolder / (std::string(info->test_suite_name()) + "." + info->name());
  fs::remove_all(outputFolder_);
  fs::create_directories(outputFolder_);
  probe_ = Probe(outputFolder_);
  fs::remove_all(StagingFolder());
}

void E2eTest::TearDown() {
  if (HasFailure()) {
    SaveBitmap(screen_.Capture(), outputFolder_ / "at-failure.bmp");
  } else {
    fs::remove_all(outputFolder_);
  }
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
                                       const std::vector<std::string>& overrides) {
  return WineSession::Current().Start(programFolder / "3dOrvane.scr", arguments,
                                      NextLog("screen-saver"), overrides);
}

std::string E2eTest::RunTool(const fs::path& tool, const std::vector<std::string>& arguments) {
  ChildProcess process = WineSession::Current().Start(tool, arguments, NextLog("tool"));
  EXPECT_EQ(process.WaitForExit(30s), 0) << tool << " did not finish cleanly";
  return process.Output();
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

fs::path E2eTest::StagingFolder() const {
  return fs::path(WineSession::Current().Variable("WINEPREFIX")) / "drive_c" / "v_orim";
}

bool E2eTest::WaitForWindow(const std::string& title, bool shown,
                            std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (screen_.WindowShown(title) != shown) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

}  // namespace orvane::e2e
