#include "registry/ScriptFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace registry {
namespace {

#ifdef _WIN32
int CreateExclusive(const char* name) {
  return ::_open(name, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long WriteSome(int fd, const char* data, std::size_t size) {
  // The runtime takes an unsigned int count; a script block never comes near it.
  const unsigned chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
  return ::_write(fd, data, chunk);
}
int CloseFile(int fd) { return ::_close(fd); }
#else
int CreateExclusive(const char* name) {
  return ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long WriteSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }
int CloseFile(int fd) { return ::close(fd); }
#endif

}  // namespace

ScriptWriter::~ScriptWriter() { Close(); }

bool ScriptWriter::CreateNew(const std::string& name) {
  if (fd_ >= 0) return false;
  fd_ = CreateExclusive(name.c_str());
  return fd_ >= 0;
}

bool ScriptWriter::Append(std::string_view bytes) {
  if (fd_ < 0) return false;
  while (!bytes.empty()) {
    const long written = WriteSome(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool ScriptWriter::Close() {
  if (fd_ < 0) return true;
  const int status = CloseFile(fd_);
  fd_ = -1;
  return status == 0;
}

bool ReadScriptFile(const std::string& name, std::string* bytes) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) return false;
  bytes->clear();
  char buffer[1 << 16];
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    bytes->append(buffer, got);
    if (got < sizeof buffer) return std::ferror(file.get()) == 0;
  }
}

}  // namespace registry
