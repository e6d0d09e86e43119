#include "platform/ShellStart.h"

#include <optional>
#include <string>

#include "platform/Ownership.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/Threads.h"

namespace platform {
namespace {

std::optional<std::string> Copy(const char* text) {
  return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

const char* Pointer(const std::optional<std::string>& text) {
  return text ? text->c_str() : nullptr;
}

}  // namespace

bool ShellExecuteOnWorker(win::HWND owner, const char* operation, const char* file,
                          const char* parameters, const char* directory, int showCommand) {
  // The services are taken here, on the caller's thread: the worker must not
  // depend on what is installed by the time it runs.
  Shell& shell = Use<Shell>();
  Threads& threads = Use<Threads>();
  return threads.CreateThread([&shell, &threads, owner, showCommand, operation = Copy(operation),
                               file = Copy(file), parameters = Copy(parameters),
                               directory = Copy(directory)] {
    // Shell extensions and URL handlers may use COM; the shell asks callers
    // for an apartment thread without OLE1 DDE.
    const ComApartment com(threads, win::COINIT_APARTMENTTHREADED | win::COINIT_DISABLE_OLE1DDE);
    // A start the shell refuses is not reported, as a start inside the
    // shell never was; the user sees nothing open.
    (void)shell.ShellExecuteA(owner, Pointer(operation), Pointer(file), Pointer(parameters),
                              Pointer(directory), showCommand);
  });
}

}  // namespace platform
