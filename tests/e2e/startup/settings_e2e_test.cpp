// The settings file through the real profile functions of Wine in the Japanese locale: the
// bytes written, and the values read back with their number and file rules.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "build_paths.h"
#include "e2e_test.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// The three keys in code page 932.
const std::string kKindKey = "BGM\x8b\xe6\x95\xaa";
const std::string kRepeatKey = "BGM\xd8\xcb\xdf\xb0\xc4";
const std::string kFileKey = "BGM\xcc\xa7\xb2\xd9";

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
  std::string IniBytes() const {
    std::ifstream file(program_ / "3dOrvane.ini", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  void WriteIni(const std::string& kind, const std::string& repeat, const std::string& file) {
    std::ofstream(program_ / "3dOrvane.ini", std::ios::binary)
        << "[Section]\r\n" << kKindKey << "=" << kind << "\r\n" << kRepeatKey << "=" << repeat
        << "\r\n" << kFileKey << "=" << file << "\r\n";
  }
  static std::string Loaded(int kind, int repeat, const std::string& file) {
    return "kind=" + std::to_string(kind) + "\nrepeat=" + std::to_string(repeat) + "\nfile=" +
           file + "\n";
  }

  fs::path program_;
};

TEST_F(SettingsFileTest, SavedKeysAndTextsAreCodePage932Bytes) {
  Host({"save", "2", "12", "C:\\音楽\\曲.mp3"});

  // Wine's profile writer drops the blank that the program puts before a number.
  EXPECT_EQ(IniBytes(), "[Section]\r\n" + kKindKey + "=2\r\n" + kRepeatKey + "=12\r\n" + kFileKey +
                            "=C:\\\x89\xb9\x8a\x79\\\x8b\xc8.mp3\r\n");

  Host({"save", "-1", "0", ""});
  EXPECT_EQ(IniBytes(),
            "[Section]\r\n" + kKindKey + "=-1\r\n" + kRepeatKey + "=0\r\n" + kFileKey + "=\r\n");
}

TEST_F(SettingsFileTest, WhatIsSavedLoadsBackWithAJapaneseFileName) {
  std::ofstream(program_ / "曲.wav") << "RIFF";
  const std::string song = WindowsPath(program_ / "曲.wav");

  Host({"save", "2", "12", song});

  EXPECT_EQ(Host({"load"}), Loaded(2, 12, song));
}

TEST_F(SettingsFileTest, NumbersAreReadWithTheirRules) {
  const struct {
    std::string text;
    int expected;
  } cases[] = {{" 2", 2}, {"1.9", 1}, {"-0.5", -1}, {"abc", 0}, {"40000", 0}, {"5", 5}};
  for (const auto& c : cases) {
    WriteIni("1", c.text, "");
    EXPECT_EQ(Host({"load"}), Loaded(1, c.expected, "")) << "value " << c.text;
  }
}

TEST_F(SettingsFileTest, NoFileGivesSilence) {
  EXPECT_EQ(Host({"load"}), Loaded(0, 0, ""));
}

TEST_F(SettingsFileTest, AMusicFileThatCannotBeOpenedIsDropped) {
  const std::string missing = WindowsPath(program_ / "missing.mp3");
  fs::create_directory(program_ / "folder.mp3");

  WriteIni(" 2", " 3", missing);
  EXPECT_EQ(Host({"load"}), Loaded(0, 3, ""));
  WriteIni(" 2", " 3", WindowsPath(program_ / "folder.mp3"));
  EXPECT_EQ(Host({"load"}), Loaded(0, 3, ""));
  WriteIni(" 1", " 3", missing);
  EXPECT_EQ(Host({"load"}), Loaded(1, 3, ""));
}

TEST_F(SettingsFileTest, ValuesAreCutAt255Bytes) {
  const std::string folder = WindowsPath(program_) + "\\";
  const std::string name(255 - folder.size(), 'a');
  std::ofstream(program_ / name) << "RIFF";

  WriteIni(" 2", " 0", folder + name + "-and-more.wav");

  EXPECT_EQ(Host({"load"}), Loaded(2, 0, folder + name));
}

TEST_F(SettingsFileTest, FileExistsTakesOffOneTrailingBackslashAndRejectsFolders) {
  std::ofstream(program_ / "song.wav") << "RIFF";
  const std::string file = WindowsPath(program_ / "song.wav");
  const std::string folder = WindowsPath(program_);

  EXPECT_EQ(Host({"exists", file}), "true\n");
  EXPECT_EQ(Host({"exists", file + "\\"}), "true\n");
  EXPECT_EQ(Host({"exists", file + "\\\\"}), "false\n");
  EXPECT_EQ(Host({"exists", folder}), "false\n");
  EXPECT_EQ(Host({"exists", folder + "\\"}), "false\n");
  EXPECT_EQ(Host({"exists", ""}), "false\n");
}

}  // namespace
}  // namespace orvane::e2e
