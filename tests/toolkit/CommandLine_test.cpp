#include "toolkit/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandArguments, DropsTheProgramNameAndTheBlanksAfterIt) {
  struct Case {
    const char* line;
    const char* arguments;
  };
  for (const Case& c :
       {Case{"KV3050PSetup.exe -TRAY", "-TRAY"},
        Case{"\"C:\\Program Files\\KV\\KV3050PSetup.exe\" -TRAY", "-TRAY"},
        Case{"\"C:\\Program Files\\KV\\KV3050PSetup.exe\"-TRAY", "-TRAY"},
        Case{"KV3050PSetup.exe \t  -TRAY", "-TRAY"}, Case{"KV3050PSetup.exe -TRAY ", "-TRAY "},
        Case{"KV3050PSetup.exe -TRAY x", "-TRAY x"}, Case{"KV3050PSetup.exe", ""},
        Case{"\"unterminated -TRAY", ""}, Case{"", ""}}) {
    EXPECT_EQ(toolkit::CommandArguments(c.line), c.arguments) << c.line;
  }
}

}  // namespace
