#include "wine_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace orvane::e2e {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  return fields;
}

}  // namespace

WineSession& WineSession::Current() {
  const char* folder = std::getenv("ORVANE_WINE_SESSION");
  static WineSession session(
      (folder && *folder ? std::filesystem::path(folder) : kBuildFolder / "wine-session") / "env");
  return session;
}

bool WineSession::Runs(Build build) const {
  return Variable("ORVANE_BUILDS").find(build == Build::k32Bit ? "win32" : "win64") != std::string::npos;
}

WineSession::WineSession(const std::filesystem::path& environmentFile) {
  std::ifstream file(environmentFile);
  if (!file) throw std::runtime_error("no Wine session: " + environmentFile.string());
  for (std::string line; std::getline(file, line);) {
    if (!line.empty()) environment_.push_back(line);
  }
  environment_.push_back(std::string("PATH=") + std::getenv("PATH"));
}

std::string WineSession::Variable(const std::string& name) const {
  for (const std::string& entry : environment_) {
    if (entry.rfind(name + "=", 0) == 0) return entry.substr(name.size() + 1);
  }
  return "";
}

std::filesystem::path WineSession::DriveC() const {
  return std::filesystem::path(Variable("WINEPREFIX")) / "drive_c";
}

ChildProcess WineSession::Start(const std::filesystem::path& program,
                                const std::vector<std::string>& arguments,
                                const std::filesystem::path& outputFile,
                                const std::vector<std::string>& overrides) const {
  std::vector<std::string> command{Variable("WINE"), program.string()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment;
  for (const std::string& entry : environment_) {
    const std::string name = entry.substr(0, entry.find('=') + 1);
    const bool overridden = std::any_of(overrides.begin(), overrides.end(), [&](const std::string& o) {
      return o.rfind(name, 0) == 0;
    });
    if (!overridden) environment.push_back(entry);
  }
  environment.insert(environment.end(), overrides.begin(), overrides.end());
  return ChildProcess(command, environment, outputFile);
}

void WineSession::Screenshot(const std::filesystem::path& pngFile) const {
  ChildProcess import({"import", "-display", Variable("DISPLAY"), "-window", "root",
                       pngFile.string()},
                      environment_, pngFile.string() + ".log");
  import.WaitForExit(std::chrono::seconds(20));
  std::filesystem::remove(pngFile.string() + ".log");
}

std::string WindowsPath(const std::filesystem::path& linuxPath) {
  std::string path = "Z:" + std::filesystem::absolute(linuxPath).lexically_normal().string();
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

Build PrimaryBuild() {
  return WineSession::Current().Runs(Build::k32Bit) ? Build::k32Bit : Build::k64Bit;
}

std::filesystem::path ProbeProgram() { return TestTools(PrimaryBuild()) / "probe.exe"; }

std::filesystem::path Probe::NextOutputFile() {
  return workFolder_ / ("probe-" + std::to_string(++runs_) + ".txt");
}

std::vector<std::vector<std::string>> Probe::Run(const std::vector<std::string>& arguments,
                                                 int* exitCode) {
  const std::filesystem::path output = NextOutputFile();
  ChildProcess probe = WineSession::Current().Start(ProbeProgram(), arguments, output);
  const auto code = probe.WaitForExit(std::chrono::seconds(30));
  if (exitCode) *exitCode = code.value_or(-1);
  std::vector<std::vector<std::string>> lines;
  for (const std::string& line : SplitLines(probe.Output())) lines.push_back(SplitFields(line));
  std::filesystem::remove(output);
  std::filesystem::remove(output.string() + ".stderr");
  return lines;
}

ChildProcess Probe::StartHolder(const std::vector<std::string>& arguments) {
  ChildProcess holder = WineSession::Current().Start(ProbeProgram(), arguments, NextOutputFile());
  if (!holder.WaitForOutput("ready", std::chrono::seconds(30))) {
    throw std::runtime_error("the probe could not hold a window titled " + arguments[1]);
  }
  return holder;
}

std::vector<WindowInfo> Probe::Windows() {
  std::vector<WindowInfo> windows;
  for (const auto& fields : Run({"windows"})) {
    if (fields.size() < 4) continue;
    WindowInfo window{fields[0], fields[1] == "1", fields[2], 0, 0, 0, 0,
                      fields.size() > 4 ? fields[4] : ""};
    std::sscanf(fields[3].c_str(), "%d,%d,%d,%d", &window.left, &window.top, &window.right,
                &window.bottom);
    windows.push_back(window);
  }
  return windows;
}

std::optional<MessageBoxInfo> Probe::WaitForMessageBox(const std::string& caption,
                                                       std::chrono::milliseconds timeout) {
  int exitCode = 0;
  const auto lines = Run({"message", caption, std::to_string(timeout.count())}, &exitCode);
  if (exitCode != 0) return std::nullopt;
  MessageBoxInfo box;
  for (const auto& fields : lines) {
    if (fields.size() == 2 && fields[0] == "text") box.text = fields[1];
    if (fields.size() == 2 && fields[0] == "button") box.buttons.push_back(fields[1]);
  }
  return box;
}

bool Probe::Press(const std::string& caption, const std::string& button) {
  int exitCode = 0;
  Run({"press", caption, button}, &exitCode);
  return exitCode == 0;
}

ChildProcess Probe::Hold(const std::string& title, std::chrono::milliseconds duration, int width,
                         int height, bool hand) {
  std::vector<std::string> arguments{"hold", title, std::to_string(duration.count()),
                                     std::to_string(width) + "x" + std::to_string(height)};
  if (hand) arguments.push_back("hand");
  return StartHolder(arguments);
}

ChildProcess Probe::HoldUntilPressed(const std::string& title, int left, int top, int width,
                                     int height) {
  return StartHolder({"closes-on-press", title, std::to_string(left) + "," + std::to_string(top),
                      std::to_string(width) + "x" + std::to_string(height)});
}

const ChildWindowInfo* WindowContents::Control(int controlId) const {
  for (const ChildWindowInfo& child : children) {
    if (child.controlId == controlId) return &child;
  }
  return nullptr;
}

std::optional<WindowContents> Probe::Contents(const std::string& title) {
  int exitCode = 0;
  const auto lines = Run({"children", title}, &exitCode);
  if (exitCode != 0) return std::nullopt;
  WindowContents contents;
  for (const auto& fields : lines) {
    if (fields.size() == 2 && fields[0] == "client") {
      std::sscanf(fields[1].c_str(), "%d,%d,%d,%d", &contents.clientLeft, &contents.clientTop,
                  &contents.clientWidth, &contents.clientHeight);
    } else if (fields.size() >= 6) {
      ChildWindowInfo child{fields[0], fields[1] == "1", fields[2] == "1", fields[3],
                            std::atoi(fields[4].c_str()), 0, 0, 0, 0,
                            fields.size() > 6 ? fields[6] : ""};
      std::sscanf(fields[5].c_str(), "%d,%d,%d,%d", &child.left, &child.top, &child.right,
                  &child.bottom);
      contents.children.push_back(child);
    }
  }
  return contents;
}

std::vector<std::pair<int, int>> Probe::TextExtents(const std::string& title,
                                                   const std::string& face, double points,
                                                   const std::vector<std::string>& texts) {
  std::vector<std::string> arguments{"extents", title, face, std::to_string(points)};
  arguments.insert(arguments.end(), texts.begin(), texts.end());
  int exitCode = 0;
  const auto lines = Run(arguments, &exitCode);
  std::vector<std::pair<int, int>> extents;
  for (const auto& fields : lines) {
    if (exitCode == 0 && fields.size() == 2) {
      extents.emplace_back(std::atoi(fields[0].c_str()), std::atoi(fields[1].c_str()));
    }
  }
  return extents;
}

bool Probe::Close(const std::string& title) {
  int exitCode = 0;
  Run({"close", title}, &exitCode);
  return exitCode == 0;
}

}  // namespace orvane::e2e
