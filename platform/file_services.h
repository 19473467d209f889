#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

// A file the program wrote and holds open: meanwhile others may read it, but they can neither
// rewrite nor delete it.
class HeldFile {
 public:
  virtual ~HeldFile() = default;
  // Lets go of the file and deletes it, if it is still the file that was written.
  virtual void Remove() = 0;
};

// A folder of its own (no link to another folder, no file), held open so that nobody can
// delete, rename or replace it meanwhile.
class HeldFolder {
 public:
  virtual ~HeldFolder() = default;
  // Writes `bytes` as the new file `name` in the folder, in place of a file of that name, and
  // holds it; nothing, with no such file left, when that fails.
  virtual std::unique_ptr<HeldFile> WriteFile(const std::wstring& name, const std::vector<std::uint8_t>& bytes) = 0;
};

class FileServices {
 public:
  virtual ~FileServices() = default;

  // Opens `path` for sequential reading without creating it and closes it again at once.
  virtual bool CanOpenForReading(const std::wstring& path) = 0;
  // Creates one folder; false when it fails (it exists already, say).
  virtual bool CreateFolder(const std::wstring& path) = 0;
  // The folder at `path`, held; nothing when it is a file or a link (a junction, a symbolic
  // link) or is reached through one, or cannot be opened.
  virtual std::unique_ptr<HeldFolder> HoldFolder(const std::wstring& path) = 0;
  // Writes `bytes` into a file that must not exist yet, and on to the disk; false when it fails.
  virtual bool WriteNewFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) = 0;
  // Puts `source` in the place of `target` in one step, whatever target held going with it;
  // false, with both left as they were, when it fails.
  virtual bool MoveFileReplacing(const std::wstring& source, const std::wstring& target) = 0;
  virtual bool RemoveFile(const std::wstring& path) = 0;
  // The whole content of the file; nothing when it cannot be read.
  virtual std::optional<std::string> ReadWholeFile(const std::wstring& path) = 0;
  // The path in the short (8.3) form of each of its names where the volume keeps one, the
  // name as it is where it keeps none; nothing when the file cannot be found.
  virtual std::optional<std::wstring> ShortPath(const std::wstring& path) = 0;
};

}  // namespace orvane::platform
