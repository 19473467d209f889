#include "settings/settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::settings {
namespace {

const std::wstring kIniFile = L"C:\\Program Files\\3dOrvane\\3dOrvane.ini";

// The three keys in code page 932, as a Japanese system's profile functions write them.
const std::string kKindKey = "BGM\x8b\xe6\x95\xaa";
const std::string kRepeatKey = "BGM\xd8\xcb\xdf\xb0\xc4";
const std::string kFileKey = "BGM\xcc\xa7\xb2\xd9";
// C:\音楽\夜の曲.mp3
const std::string kJapaneseSongBytes = "C:\\\x89\xb9\x8a\x79\\\x96\xe9\x82\xcc\x8b\xc8.mp3";

std::string IniBytes(const std::string& kind, const std::string& repeat, const std::string& file) {
  return "[Section]\r\n" + kKindKey + "=" + kind + "\r\n" + kRepeatKey + "=" + repeat + "\r\n" +
         kFileKey + "=" + file + "\r\n";
}

// A saver run also drops a music file it cannot open, and with it the music-file source.
TEST(SettingsFile, ReadsInCodePage932AsTheSystemsProfileFunctionsNumbersRoundedDownAndARunDropsWhatItCannotPlay) {
  testing::FakePlatform fake;
  const std::string longPath = "D:\\" + std::string(300, 'a') + ".mp3";
  // 254 bytes and a double-byte character that would end at byte 256.
  const std::string longJapanesePath = "D:\\" + std::string(251, 'a') + "\x89\xb9.mp3";
  fake.readableFiles = {L"D:\\Music\\song.mp3", std::wstring(longPath.begin(), longPath.begin() + 255),
                        L"D:\\" + std::wstring(251, L'a')};
  const struct {
    std::string file;
    bool run;  // read for a saver run
    Settings expected;
  } cases[] = {
      {IniBytes("2", "3", kJapaneseSongBytes), false, {MusicSource::kMusicFile, 3, L"C:\\音楽\\夜の曲.mp3"}},
      // Names whatever the case of their letters, blanks around "=", a quoted value, a key
      // with no "=", and the first section of the name only; no line end at the very end.
      {"[Other]\r\n" + kKindKey + "=7\r\n[sECTION] \r\n ; note\r\n" + kKindKey + " =  1 \n" +
           kRepeatKey + "\r\n" + kFileKey + "= \"D:\\a b.wav\" \r\n[Section]\r\n" + kRepeatKey + "=4",
       false, {MusicSource::kAudioCd, 0, L"D:\\a b.wav"}},
      {IniBytes(" 2", " 3", ""), true, {MusicSource::kNoMusic, 3, L""}},
      {IniBytes(" 2", " 3", "E:\\unplugged.mp3"), true, {MusicSource::kNoMusic, 3, L""}},
      {IniBytes(" 1", " 3", "E:\\unplugged.mp3"), true, {MusicSource::kAudioCd, 3, L""}},
      // Tested without the trailing backslash, but kept as read.
      {IniBytes(" 2", " 3", "D:\\Music\\song.mp3\\"), true, {MusicSource::kMusicFile, 3, L"D:\\Music\\song.mp3\\"}},
      // At most 255 bytes come back, and never half a character.
      {IniBytes(" 2", " 3", longPath), true,
       {MusicSource::kMusicFile, 3, std::wstring(longPath.begin(), longPath.begin() + 255)}},
      {IniBytes(" 2", " 3", longJapanesePath), true, {MusicSource::kMusicFile, 3, L"D:\\" + std::wstring(251, L'a')}},
      // Numbers are rounded down; an empty one is 0, and one that is no 16-bit number keeps the
      // field as it was (9 here).
      {IniBytes("1.9", "-0.5", ""), false, {MusicSource{1}, -1, L""}},
      {IniBytes("+3", "abc", ""), false, {MusicSource{3}, 9, L""}},
      {IniBytes("40000", "", ""), false, {MusicSource{9}, 0, L""}},
      {IniBytes("32767", "32768", ""), false, {MusicSource{32767}, 9, L""}},
      {IniBytes("-32769", "-32768", ""), false, {MusicSource{9}, -32768, L""}},
  };
  for (const auto& c : cases) {
    fake.fileContents[kIniFile] = c.file;
    Settings settings{MusicSource{9}, 9, L"D:\\before.wav"};
    (c.run ? LoadSettings : ReadSettings)(fake.services, settings);
    EXPECT_EQ(settings.bgmKind, c.expected.bgmKind) << c.file;
    EXPECT_EQ(settings.bgmRepeat, c.expected.bgmRepeat) << c.file;
    EXPECT_EQ(settings.bgmFile, c.expected.bgmFile) << c.file;
  }
}

// Through a new file beside it, put in its place: a save that fails at any step leaves the file as
// it was and no new file, and one left by a save cut short is written anew.
TEST(SettingsFile, SavingWritesTheBytesAJapaneseSystemWritesKeepingWhatElseTheFileHoldsOrNothingAtAll) {
  const std::wstring newFile = kIniFile + L".new";
  const std::string old = IniBytes("2", "5", "D:\\a.wav");
  const Settings cd{MusicSource::kAudioCd, 3, L""};
  const struct {
    std::string before;  // empty: no file
    Settings saved;
    std::wstring failingCall;
    bool staleNewFile;
    std::string after;  // as before: the save fails
  } cases[] = {
      {"", {MusicSource::kMusicFile, 0, L"C:\\音楽\\夜の曲.mp3"}, L"", false, IniBytes("2", "0", kJapaneseSongBytes)},
      {IniBytes("2", "5", kJapaneseSongBytes), {MusicSource{-1}, 12, L""}, L"", false, IniBytes("-1", "12", "")},
      // Other sections, notes and keys stay; a missing key goes after the section's last one.
      {"[Other]\r\nx=1\r\n[section]\r\n" + kFileKey + "=old\r\n; note\r\n\r\n[Last]\r\ny=2",
       {MusicSource::kAudioCd, 3, L"C:\\Music\\Café.mp3"}, L"", false,
       "[Other]\r\nx=1\r\n[section]\r\n" + kFileKey + "=C:\\Music\\CAF_~1.MP3\r\n; note\r\n" +
           kKindKey + "=1\r\n" + kRepeatKey + "=3\r\n\r\n[Last]\r\ny=2"},
      {"[Other]\r\nx=1", {MusicSource::kNoMusic, 0, L"D:\\a.wav"}, L"", false,
       "[Other]\r\nx=1\r\n" + IniBytes("0", "0", "D:\\a.wav")},
      {old, cd, L"WriteNewFile", false, old},
      {old, cd, L"MoveFileReplacing", false, old},
      {old, cd, L"", true, IniBytes("1", "3", "")},
  };
  for (const auto& c : cases) {
    testing::FakePlatform fake;
    fake.shortPaths[L"C:\\Music\\Café.mp3"] = L"C:\\Music\\CAF_~1.MP3";
    if (!c.before.empty()) fake.fileContents[kIniFile] = c.before;
    if (!c.before.empty()) fake.readableFiles.insert(kIniFile);
    if (c.staleNewFile) fake.readableFiles.insert(newFile);
    fake.failingCall = c.failingCall;
    EXPECT_EQ(SaveSettings(fake.services, c.saved), c.after == c.before ? SaveResult::kNotWritten : SaveResult::kSaved)
        << c.after;
    EXPECT_EQ(fake.fileContents[kIniFile], c.after);
    EXPECT_EQ(fake.readableFiles, std::set<std::wstring>{kIniFile}) << c.after;
    EXPECT_EQ(fake.CallsBeginningWith({L"WriteNewFile(" + newFile + L", "}).size(), 1u) << c.after;
  }
}

}  // namespace
}  // namespace orvane::settings
