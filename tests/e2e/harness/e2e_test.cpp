#include "e2e_test.h"

#include <fstream>

#include "build_paths.h"

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
    Screenshot("at-failure");
  } else {
    fs::remove_all(outputFolder_);
  }
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
                                       const std::vector<std::string>& arguments) {
  return WineSession::Current().Start(
      programFolder / "3dOrvane.scr", arguments,
      outputFolder_ / ("screen-saver-" + std::to_string(++outputs_) + ".log"));
}

std::string E2eTest::RunTool(const fs::path& tool, const std::vector<std::string>& arguments) {
  ChildProcess process = WineSession::Current().Start(
      tool, arguments, outputFolder_ / ("tool-" + std::to_string(++outputs_) + ".log"));
  EXPECT_EQ(process.WaitForExit(30s), 0) << tool << " did not finish cleanly";
  return process.Output();
}

void E2eTest::RunOnLinux(const std::vector<std::string>& command) {
  ChildProcess process(command, WineSession::Current().Environment(),
                       outputFolder_ / ("command-" + std::to_string(++outputs_) + ".log"));
  EXPECT_EQ(process.WaitForExit(60s), 0) << command[0] << " failed";
}

fs::path E2eTest::StagingFolder() const { return WineSession::Current().DriveC() / "v_orim"; }

void E2eTest::Xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{"xdotool"};
  command.insert(command.end(), arguments.begin(), arguments.end());
  RunOnLinux(command);
}

void E2eTest::Screenshot(const std::string& name) {
  WineSession::Current().Screenshot(outputFolder_ / (name + ".png"));
}

}  // namespace orvane::e2e
