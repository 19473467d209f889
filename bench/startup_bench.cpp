// Times the saver's start: from starting "3dOrvane.scr /s" under Wine to its full-screen
// window with the desktop picture being on the screen. As a baseline measured in the same
// run, it times the start of a trivial Wine program to its first window (the probe holding
// one). Runs in the Wine session the tests use (tools/bench-saver.sh starts it).
//   startup_bench [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "build_paths.h"
#include "wine_session.h"
#include "x_screen.h"

namespace {

namespace fs = std::filesystem;
using namespace orvane::e2e;
using Clock = std::chrono::steady_clock;

// Milliseconds from starting `program` to a window titled `title` being shown.
double TimeToWindow(XScreen& screen, const fs::path& program, const std::vector<std::string>& arguments,
                    const std::string& title, const fs::path& log) {
  const auto start = Clock::now();
  ChildProcess process = WineSession::Current().Start(program, arguments, log);
  while (!screen.WindowShown(title) && Clock::now() - start < std::chrono::seconds(60)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  process.WaitForExit(std::chrono::seconds(60));
  return ms;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const fs::path folder = kBuildFolder / "bench" / "program";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(DistFolder(PrimaryBuild()) / "3dOrvane.scr", folder / "3dOrvane.scr");
  fs::copy_file(TestTools(PrimaryBuild()) / "probe.exe", folder / "3dOrvane.dll");
  std::ofstream(folder / "3dOrvane.x") << "xof 0303txt 0032\n";
  std::ofstream(folder / "renderer-keep.txt") << "100\n";

  XScreen screen(WineSession::Current().Variable("DISPLAY"));
  std::vector<double> saverMs, baselineMs;
  for (int run = 0; run < runs; ++run) {
    saverMs.push_back(TimeToWindow(screen, folder / "3dOrvane.scr", {"/s"}, "3dOrvane_Main",
                                   folder / "saver.log"));
    baselineMs.push_back(TimeToWindow(screen, TestTools(PrimaryBuild()) / "probe.exe",
                                      {"hold", "Baseline", "100"}, "Baseline", folder / "probe.log"));
  }
  const double saver = Median(saverMs);
  const double baseline = Median(baselineMs);
  std::printf("start-up: %d runs; saver to desktop picture on screen %.0f ms median "
              "(%.0f-%.0f); a trivial Wine program to its window %.0f ms median; ratio %.2f\n",
              runs, saver, *std::min_element(saverMs.begin(), saverMs.end()),
              *std::max_element(saverMs.begin(), saverMs.end()), baseline, saver / baseline);
  return 0;
}
