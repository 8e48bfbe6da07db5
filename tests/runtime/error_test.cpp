// The fatal path: the printed lines and the exit status of runtime errors, a
// normal end and fatal signals.
#include "runtime/error.h"

#include <gtest/gtest.h>

#include <csignal>

#include "tests/support/stdout_capture.h"

namespace {

using ::testing::ExitedWithCode;

TEST(FatalPathDeathTest, RuntimeErrorPrintsTheMessageAndAnEmptyStackLine) {
    EXPECT_EXIT(
        {
            StdoutToStderr();
            bbError("Something broke");
        },
        ExitedWithCode(255), "^Zorbit Runtime Error : Something broke\n\n$");
}

TEST(FatalPathDeathTest, RuntimeErrorMessageIsWrittenAsUtf8) {
    EXPECT_EXIT(
        {
            StdoutToStderr();
            bbError(String(std::u16string(u"Datei \u00e4\u20ac")));
        },
        ExitedWithCode(255), "^Zorbit Runtime Error : Datei \xc3\xa4\xe2\x82\xac\n\n$");
}

TEST(FatalPathDeathTest, EmptyMessageIsANormalEnd) {
    EXPECT_EXIT(
        {
            StdoutToStderr();
            std::fputs("pending", stdout);  // buffered output survives the exit
            bbError("");
        },
        ExitedWithCode(0), "^pending$");
}

TEST(FatalPathDeathTest, FatalSignalsAreReportedAsRuntimeErrors) {
    const struct {
        int sig;
        const char* message;
    } cases[] = {
        {SIGSEGV, "Memory access violation"},
        {SIGILL, "Illegal instruction"},
        {SIGFPE, "Floating point exception"},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                StdoutToStderr();
                bbInstallSignalHandlers();
                std::raise(c.sig);
            },
            ExitedWithCode(255),
            std::string("^Zorbit Runtime Error : ") + c.message + "\n\n$")
            << c.message;
    }
}

TEST(FatalPathDeathTest, RealAccessViolationIsCaught) {
    EXPECT_EXIT(
        {
            StdoutToStderr();
            bbInstallSignalHandlers();
            volatile int* volatile p = nullptr;
            *p = 1;
        },
        ExitedWithCode(255), "Memory access violation");
}

TEST(PrintTest, PrintWritesUtf8AndANewline) {
    testing::internal::CaptureStdout();
    bbPrint(String(std::u16string(u"\u00fc x")));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\xc3\xbc x\n");
}

}  // namespace
