#include <windows.h>

#include <algorithm>
#include <memory>

#include "platform/win32/handles.h"
#include "platform/win32/plain_files.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {
namespace {

// Held open for reading and sharing only reading: a renderer may open the file to read it,
// sharing writes or not, while nobody can open it to write or to delete it.
class Win32HeldFile final : public HeldFile {
 public:
  Win32HeldFile(std::wstring path, FileIdentity identity) : path_(std::move(path)), identity_(identity) {}
  ~Win32HeldFile() override { Remove(); }

  // Holds the file again, as written: the same file, with `bytes` in it and no more.
  bool Hold(const std::vector<std::uint8_t>& bytes) {
    file_ = OpenPlainFile(path_, GENERIC_READ, FILE_SHARE_READ);
    std::vector<std::uint8_t> check(bytes.size() + 1);
    DWORD read = 0;
    return file_ && IdentityOf(file_.get()) == identity_ &&
           ReadFile(file_.get(), check.data(), static_cast<DWORD>(check.size()), &read, nullptr) &&
           read == bytes.size() && std::equal(bytes.begin(), bytes.end(), check.begin());
  }

  void Remove() override {
    if (removed_) return;
    removed_ = true;
    file_.reset();
    // The name may lead to another file by now; only the one written goes, through its handle,
    // as soon as whoever still reads it lets go.
    const UniqueFile file = OpenPlainFile(path_, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    FILE_DISPOSITION_INFO disposition{TRUE};
    if (file && IdentityOf(file.get()) == identity_) {
      SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition, sizeof disposition);
    }
  }

 private:
  std::wstring path_;
  FileIdentity identity_;
  UniqueFile file_;
  bool removed_ = false;
};

class Win32HeldFolder final : public HeldFolder {
 public:
  Win32HeldFolder(std::wstring path, UniqueFile folder) : path_(std::move(path)), folder_(std::move(folder)) {}

  std::unique_ptr<HeldFile> WriteFile(const std::wstring& name, const std::vector<std::uint8_t>& bytes) override {
    const std::wstring path = path_ + L"\\" + name;
    // A name left by an earlier run, or put there by someone else, goes first: deleting a
    // name never touches the file another name of it leads to.
    DeleteFileW(path.c_str());
    std::optional<FileIdentity> identity;
    bool written = false;
    {
      const UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file || !(identity = IdentityOf(file.get()))) return nullptr;
      DWORD count = 0;
      written = ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) &&
                count == bytes.size();
    }
    // Written by a handle that shares nothing, it is held by one that reads: in between,
    // someone may have opened it, so it must still be the file written, whole.
    auto held = std::make_unique<Win32HeldFile>(path, *identity);
    if (written && held->Hold(bytes)) return held;
    return nullptr;  // which removes it, if it is still ours
  }

 private:
  std::wstring path_;
  UniqueFile folder_;
};

}  // namespace

bool Win32FileServices::CanOpenForReading(const std::wstring& path) {
  const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  return static_cast<bool>(file);
}

bool Win32FileServices::CreateFolder(const std::wstring& path) {
  return CreateDirectoryW(path.c_str(), nullptr) != 0;
}

std::unique_ptr<HeldFolder> Win32FileServices::HoldFolder(const std::wstring& path) {
  UniqueFile folder = OpenPlainFolder(path);
  if (!folder) return nullptr;
  return std::make_unique<Win32HeldFolder>(path, std::move(folder));
}

bool Win32FileServices::WriteNewFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  const UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size() && FlushFileBuffers(file.get());
}

bool Win32FileServices::MoveFileReplacing(const std::wstring& source, const std::wstring& target) {
  return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileServices::RemoveFile(const std::wstring& path) {
  return DeleteFileW(path.c_str()) != 0;
}

std::optional<std::string> Win32FileServices::ReadWholeFile(const std::wstring& path) {
  const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > MAXDWORD) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return std::nullopt;
  }
  bytes.resize(read);
  return bytes;
}

std::optional<std::wstring> Win32FileServices::ShortPath(const std::wstring& path) {
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring shortPath(size, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  shortPath.resize(length);
  return shortPath;
}

}  // namespace orvane::platform::win32
