#include "platform/win32/plain_files.h"

#include <cwctype>

namespace orvane::platform::win32 {
namespace {

bool SameText(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towupper(a[i]) != std::towupper(b[i])) return false;
  }
  return true;
}

// Where the handle really leads, every link on the way followed, in its "\\?\C:\..." form.
std::wstring FinalPath(HANDLE file) {
  wchar_t path[MAX_PATH + 8] = {};
  const DWORD length = GetFinalPathNameByHandleW(file, path, MAX_PATH + 8, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  return length > 0 && length < MAX_PATH + 8 ? std::wstring(path, length) : std::wstring();
}

}  // namespace

std::optional<FileIdentity> IdentityOf(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(file, &information)) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

UniqueFile OpenPlainFolder(const std::wstring& path) {
  // Without FILE_SHARE_DELETE nobody can delete or rename the folder while it is open.
  UniqueFile folder(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!folder || !GetFileInformationByHandle(folder.get(), &information)) return UniqueFile();
  const DWORD attributes = information.dwFileAttributes;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return UniqueFile();
  // A link higher up the path leads elsewhere too.
  if (!SameText(FinalPath(folder.get()), L"\\\\?\\" + path)) return UniqueFile();
  return folder;
}

UniqueFile OpenPlainFile(const std::wstring& path, DWORD access, DWORD sharing) {
  UniqueFile file(CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES, sharing, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file || !GetFileInformationByHandle(file.get(), &information)) return UniqueFile();
  if (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return UniqueFile();
  return file;
}

std::optional<std::string> ReadPlainFile(const std::wstring& folder, const std::wstring& name, std::size_t largest) {
  const UniqueFile heldFolder = OpenPlainFolder(folder);
  if (!heldFolder) return std::nullopt;
  const UniqueFile file = OpenPlainFile(folder + L"\\" + name, GENERIC_READ, FILE_SHARE_READ);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > largest) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size()) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace orvane::platform::win32
