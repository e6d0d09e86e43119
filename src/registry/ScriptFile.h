// Script files opened by the narrow names the class is given. The C runtime's
// narrow functions take those names in the ANSI code page on Windows, as the
// registry functions take key names, and as bytes elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace registry {

// A script file being written: made new, never replacing a file, and
// appended to block by block.
class ScriptWriter {
 public:
  ScriptWriter() = default;
  ~ScriptWriter();
  ScriptWriter(const ScriptWriter&) = delete;
  ScriptWriter& operator=(const ScriptWriter&) = delete;

  // False when a file of that name exists (even one that appeared a moment
  // ago) or the file cannot be made.
  bool CreateNew(const std::string& name);
  // False when not all bytes reached the file.
  bool Append(std::string_view bytes);
  // False when the file could not be closed cleanly.
  bool Close();

 private:
  int fd_ = -1;
};

// The whole file as bytes; false when it cannot be opened or read.
bool ReadScriptFile(const std::string& name, std::string* bytes);

}  // namespace registry
