#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "platform/win32/handles.h"

namespace orvane::platform::win32 {

// Files in a folder that other users can write into (a folder made on the system drive, say),
// opened so that no link anyone placed there is followed.

// What tells one file from another: its volume and its number on it.
struct FileIdentity {
  DWORD volume = 0;
  DWORD indexHigh = 0;
  DWORD indexLow = 0;
  bool operator==(const FileIdentity& other) const {
    return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
  }
};
std::optional<FileIdentity> IdentityOf(HANDLE file);

// The folder at `path` (a full path such as "C:\v_orim"), open for as long as the handle lives,
// so that it can be neither deleted nor renamed nor replaced meanwhile; none when it is a file,
// a junction or a symbolic link, or is reached through one.
UniqueFile OpenPlainFolder(const std::wstring& path);

// `path` opened without following a link at its end; none when what is there is a link or not
// a file. `access` and `sharing` as for CreateFileW.
UniqueFile OpenPlainFile(const std::wstring& path, DWORD access, DWORD sharing);

// The whole file at `path` in the plain folder `folder`, when it is a plain file of at most
// `largest` bytes; nothing otherwise.
std::optional<std::string> ReadPlainFile(const std::wstring& folder, const std::wstring& name, std::size_t largest);

}  // namespace orvane::platform::win32
