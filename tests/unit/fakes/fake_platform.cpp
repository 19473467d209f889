#include "fakes/fake_platform.h"

#include <iconv.h>

#include <utility>

namespace orvane::testing {
namespace {

// `size` bytes from one encoding to another; nothing when a character has no form in the other.
template <typename Text>
std::optional<Text> Convert(const char* to, const char* from, const void* data, std::size_t size) {
  const iconv_t converter = iconv_open(to, from);
  std::string converted(size * 4 + 4, '\0');
  char* in = const_cast<char*>(static_cast<const char*>(data));
  char* out = converted.data();
  std::size_t inLeft = size, outLeft = converted.size();
  const bool whole = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  if (!whole) return std::nullopt;
  converted.resize(converted.size() - outLeft);
  return Text(reinterpret_cast<const typename Text::value_type*>(converted.data()),
              converted.size() / sizeof(typename Text::value_type));
}

struct FakeStartedProgram : platform::StartedProgram {
  explicit FakeStartedProgram(FakePlatform& fake) : fake(fake) {}
  bool HasEnded() override { return fake.startedProgramEnded; }
  void End() override { fake.calls.push_back(L"EndProgram"); fake.startedProgramEnded = true; }
  FakePlatform& fake;
};

struct FakeHeldFile final : platform::HeldFile {
  FakeHeldFile(FakePlatform& fake, std::wstring path) : fake(fake), path(std::move(path)) {}
  ~FakeHeldFile() override { Remove(); }
  void Remove() override {
    if (std::exchange(removed, true)) return;
    fake.Record(L"RemoveHeldFile", path);
    fake.Forget(path);
  }
  FakePlatform& fake;
  const std::wstring path;
  bool removed = false;
};

struct FakeHeldFolder final : platform::HeldFolder {
  FakeHeldFolder(FakePlatform& fake, std::wstring path) : fake(fake), path(std::move(path)) {}
  std::unique_ptr<platform::HeldFile> WriteFile(const std::wstring& name,
                                                const std::vector<std::uint8_t>& bytes) override {
    const std::wstring file = path + L"\\" + name;
    fake.Record(L"WriteHeldFile", file, std::to_wstring(bytes.size()) + L" bytes");
    fake.Forget(file);  // what the name held goes whether or not the new file can be written
    if (fake.failingCall == L"WriteHeldFile") return nullptr;
    fake.readableFiles.insert(file);
    fake.fileContents[file].assign(bytes.begin(), bytes.end());
    return std::make_unique<FakeHeldFile>(fake, file);
  }
  FakePlatform& fake;
  const std::wstring path;
};

}  // namespace

std::optional<std::string> FakePlatform::Encode(std::wstring_view text) {
  return Convert<std::string>("CP932", "WCHAR_T", text.data(), text.size() * sizeof(wchar_t));
}

std::wstring FakePlatform::Decode(std::string_view bytes) {
  return Convert<std::wstring>("WCHAR_T", "CP932", bytes.data(), bytes.size()).value_or(L"");
}

std::unique_ptr<platform::HeldFolder> FakePlatform::HoldFolder(const std::wstring& path) {
  Record(L"HoldFolder", path);
  if (linkedFolders.count(path)) return nullptr;
  return std::make_unique<FakeHeldFolder>(*this, path);
}

std::unique_ptr<platform::StartedProgram> FakePlatform::StartProgram(const std::wstring& programPath,
                                                                     const std::wstring& commandLine,
                                                                     int showMode) {
  Record(L"StartProgram", programPath + L" | " + commandLine + L" | " + std::to_wstring(showMode));
  if (startProgramFails) return nullptr;
  return std::make_unique<FakeStartedProgram>(*this);
}

}  // namespace orvane::testing
