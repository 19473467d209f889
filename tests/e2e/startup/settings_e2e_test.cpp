// The settings file through Wine's real profile and file functions in the Japanese locale:
// the code page 932 bytes on disk, a long Japanese file name read back whole, and a music file
// that cannot be opened read as no music.
#include <filesystem>
#include <fstream>

#include "../dialog/dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    program_ = MakeProgramFolder();
    fs::copy_file(TestTools(PrimaryBuild()) / "settings_host.exe", program_ / "settings_host.exe");
  }
  std::string Host(const std::vector<std::string>& arguments) {
    return RunTool(program_ / "settings_host.exe", arguments);
  }
  static std::string Loaded(int kind, int repeat, const std::string& file) {
    return "kind=" + std::to_string(kind) + "\nrepeat=" + std::to_string(repeat) + "\nfile=" +
           file + "\n";
  }

  fs::path program_;
};

TEST_F(SettingsFileTest, AJapaneseFileNameIsSavedInCodePage932AndReadBackWhole) {
  // 曲 forty times: with the folder, longer than half the 255 bytes a value may hold.
  std::string name, nameBytes;
  for (int i = 0; i < 40; ++i) name += "曲", nameBytes += "\x8b\xc8";
  std::ofstream(program_ / (name + ".wav")) << "RIFF";
  const std::string song = WindowsPath(program_) + "\\" + name + ".wav";

  Host({"save", "2", "12", song});

  EXPECT_EQ(ReadBytes(program_ / "3dOrvane.ini"),
            IniText("2", "12", WindowsPath(program_) + "\\" + nameBytes + ".wav"));
  EXPECT_EQ(Host({"load"}), Loaded(2, 12, song));

  // Neither a missing file nor a folder can be opened, and looking leaves no file behind.
  fs::create_directory(program_ / "folder.mp3");
  for (const std::string file : {"missing.mp3", "folder.mp3"}) {
    Host({"save", "2", "3", WindowsPath(program_ / file)});
    EXPECT_EQ(Host({"load"}), Loaded(0, 3, "")) << file;
  }
  EXPECT_FALSE(fs::exists(program_ / "missing.mp3"));
}

}  // namespace
}  // namespace orvane::e2e
