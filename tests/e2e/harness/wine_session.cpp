#include "wine_session.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace orvane::e2e {
namespace {

std::vector<char*> NullTerminated(const std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (const std::string& text : texts) pointers.push_back(const_cast<char*>(text.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command, const std::filesystem::path& outputFile,
                           const std::vector<std::string>& overrides)
    : outputFile_(outputFile) {
  std::vector<std::string> environment = overrides;
  for (const std::string& entry : WineSession::Current().Environment()) {
    const std::string name = entry.substr(0, entry.find('=') + 1);
    const auto sameName = [&](const std::string& override) { return override.rfind(name, 0) == 0; };
    if (std::none_of(overrides.begin(), overrides.end(), sameName)) environment.push_back(entry);
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const std::string errorFile = outputFile.string() + ".stderr";
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const auto argv = NullTerminated(command);
  const auto envp = NullTerminated(environment);
  const int error = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + command[0]);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(other.pid_), exitCode_(other.exitCode_), outputFile_(std::move(other.outputFile_)) {
  other.pid_ = -1;
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0 && !HasEnded() && kill(pid_, SIGKILL) == 0) WaitForExit(std::chrono::seconds(5));
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  Eventually([&] {
    int status = 0;
    if (!exitCode_ && pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
      exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return exitCode_ || pid_ <= 0;
  }, timeout);
  return exitCode_;
}

bool ChildProcess::WaitForOutput(const std::string& text, std::chrono::milliseconds timeout) {
  Eventually([&] { return Output().find(text) != std::string::npos || HasEnded(); }, timeout);
  return Output().find(text) != std::string::npos;
}

std::string ChildProcess::Output() const { return ReadBytes(outputFile_); }

WineSession& WineSession::Current() {
  const char* folder = std::getenv("ORVANE_WINE_SESSION");
  static WineSession session(
      (folder && *folder ? std::filesystem::path(folder) : kBuildFolder / "wine-session") / "env");
  return session;
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

ChildProcess WineSession::Start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                const std::filesystem::path& outputFile, const std::vector<std::string>& overrides) const {
  std::vector<std::string> command{Variable("WINE"), program.string()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return ChildProcess(command, outputFile, overrides);
}

std::vector<SessionProcess> WineSession::Processes() const {
  const std::string prefix = "WINEPREFIX=" + Variable("WINEPREFIX");
  std::vector<SessionProcess> processes;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string pid = entry.path().filename();
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string environment = ReadBytes(entry.path() / "environ");
    if (environment.find(prefix + '\0') == std::string::npos) continue;
    std::string commandLine = ReadBytes(entry.path() / "cmdline");
    std::replace(commandLine.begin(), commandLine.end(), '\0', ' ');
    processes.push_back({std::stoi(pid), commandLine});
  }
  return processes;
}

std::vector<pid_t> WineSession::ProcessesWith(const std::string& text) const {
  std::vector<pid_t> found;
  for (const SessionProcess& process : Processes()) {
    if (process.commandLine.find(text) != std::string::npos) found.push_back(process.pid);
  }
  return found;
}

void WineSession::EndProgramsOfTheBuild() const {
  for (const pid_t pid : ProcessesWith("Z:\\")) kill(pid, SIGKILL);
  Eventually([this] { return ProcessesWith("Z:\\").empty(); }, std::chrono::seconds(10));
}

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
                std::chrono::milliseconds interval) {
  for (const auto deadline = std::chrono::steady_clock::now() + timeout; !condition();
       std::this_thread::sleep_for(interval)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
  }
  return true;
}

Build PrimaryBuild() {
  const bool runs32Bit = WineSession::Current().Variable("ORVANE_BUILDS").find("win32") != std::string::npos;
  return runs32Bit ? Build::k32Bit : Build::k64Bit;
}

std::string WindowsPath(const std::filesystem::path& linuxPath) {
  std::string path = "Z:" + std::filesystem::absolute(linuxPath).lexically_normal().string();
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace orvane::e2e
