// Starting another Windows program from a test and waiting for its end.
#pragma once

#include <string>

namespace e2e {

// Runs the command line (program first) and waits up to 30 s for it to end;
// false when it could not start or did not end in time.
bool RunAndWait(const std::string& commandLine);

}  // namespace e2e
