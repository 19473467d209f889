#include "window_probe.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace orvane::e2e {
namespace {

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  return fields;
}

void ReadRectangle(const std::string& field, int& left, int& top, int& right, int& bottom) {
  std::sscanf(field.c_str(), "%d,%d,%d,%d", &left, &top, &right, &bottom);
}

}  // namespace

ChildProcess Probe::Start(const std::vector<std::string>& arguments) {
  return WineSession::Current().Start(TestTools(PrimaryBuild()) / "probe.exe", arguments,
                                      workFolder_ / ("probe-" + std::to_string(++runs_) + ".txt"));
}

std::vector<std::vector<std::string>> Probe::Run(const std::vector<std::string>& arguments) {
  ChildProcess probe = Start(arguments);
  if (probe.WaitForExit(std::chrono::seconds(30)) != 0) return {};
  std::vector<std::vector<std::string>> lines;
  std::istringstream text(probe.Output());
  for (std::string line; std::getline(text, line);) lines.push_back(SplitFields(line));
  if (lines.empty()) lines.emplace_back();  // a command that printed nothing succeeded too
  return lines;
}

std::vector<WindowInfo> Probe::Windows() {
  std::vector<WindowInfo> windows;
  for (const auto& fields : Run({"windows"})) {
    if (fields.size() < 2) continue;
    WindowInfo& window = windows.emplace_back();
    window.visible = fields[0] == "1";
    ReadRectangle(fields[1], window.left, window.top, window.right, window.bottom);
    if (fields.size() > 2) window.title = fields[2];
  }
  return windows;
}

std::optional<WindowInfo> Probe::Shown(const std::string& title) {
  for (const WindowInfo& window : Windows()) {
    if (window.title == title && window.visible) return window;
  }
  return std::nullopt;
}

std::optional<MessageBoxInfo> Probe::WaitForMessageBox(const std::string& caption,
                                                       std::chrono::milliseconds timeout,
                                                       const std::string& button) {
  std::vector<std::string> arguments{"message", caption};
  if (!button.empty()) arguments.push_back(button);
  std::vector<std::vector<std::string>> lines;
  if (!Eventually([&] { return !(lines = Run(arguments)).empty(); }, timeout, std::chrono::milliseconds(100))) {
    return std::nullopt;
  }
  MessageBoxInfo box;
  for (const auto& fields : lines) {
    if (fields.size() == 2 && fields[0] == "text") box.text = fields[1];
    if (fields.size() == 2 && fields[0] == "button") box.buttons.push_back(fields[1]);
  }
  return box;
}

ChildProcess Probe::Hold(const std::string& title, std::chrono::milliseconds duration, int width,
                         int height, std::string* handle) {
  ChildProcess holder = Start({"hold", title, std::to_string(duration.count()),
                               std::to_string(width) + "x" + std::to_string(height)});
  if (!holder.WaitForOutput("ready", std::chrono::seconds(30))) throw std::runtime_error("the probe could not hold " + title);
  const std::string output = holder.Output();  // "ready\tHANDLE\n"
  if (handle) *handle = output.substr(6, output.find('\n') - 6);
  return holder;
}

std::optional<WindowContents> Probe::Contents(const std::string& title) {
  const auto lines = Run({"children", title});
  if (lines.empty()) return std::nullopt;
  WindowContents contents;
  for (const auto& fields : lines) {
    if (fields.size() == 2 && fields[0] == "client") {
      ReadRectangle(fields[1], contents.clientLeft, contents.clientTop, contents.clientWidth,
                    contents.clientHeight);
    } else if (fields.size() == 2 && fields[0] == "focus") {
      contents.focusId = std::atoi(fields[1].c_str());
    } else if (fields.size() >= 3) {
      ChildWindowInfo& child = contents.children.emplace_back();
      child.enabled = fields[0] == "1";
      child.controlId = std::atoi(fields[1].c_str());
      ReadRectangle(fields[2], child.left, child.top, child.right, child.bottom);
      if (fields.size() > 3) child.text = fields[3];
    }
  }
  return contents;
}

bool Probe::SetText(const std::string& title, int controlId, const std::string& text) {
  return !Run({"settext", title, std::to_string(controlId), text}).empty();
}

}  // namespace orvane::e2e
