#include "e2e_test.h"

#include <deque>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace orvane::e2e {
namespace fs = std::filesystem;

namespace {

std::string LastLines(const fs::path& file, std::size_t count) {
  std::ifstream in(file, std::ios::binary);
  std::deque<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
    if (lines.size() > count) lines.pop_front();
  }
  std::string text;
  for (const std::string& line : lines) text += "  " + line + "\n";
  return text;
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
  for (const auto& entry : fs::directory_iterator(outputFolder_)) {
    const std::string name = entry.path().filename();
    if (entry.is_regular_file() && name.find(".log") != std::string::npos) {
      report << "The end of " << name << ":\n" << LastLines(entry.path(), 10);
    }
  }
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
