// Printing, runtime errors and fatal signals.
#include "runtime/error.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

void bbPrint(const String& text) {
    const std::string utf8 = text.ToUtf8();
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void bbError(const String& message) {
    std::fflush(stdout);
    if (message.Empty()) std::exit(0);
    bbPrint("Zorbit Runtime Error : " + message);
    bbPrint("");  // the call stack, which this runtime does not record
    std::exit(-1);
}

namespace {

void OnFatalSignal(int sig) {
    // Only async-signal-safe calls here: the heap or stdio may be what broke.
    const char* msg = sig == SIGSEGV  ? "Memory access violation"
                      : sig == SIGILL ? "Illegal instruction"
                                      : "Floating point exception";
    static const char prefix[] = "Zorbit Runtime Error : ";
    ssize_t ignored = write(STDOUT_FILENO, prefix, sizeof prefix - 1);
    ignored = write(STDOUT_FILENO, msg, std::strlen(msg));
    ignored = write(STDOUT_FILENO, "\n\n", 2);
    (void)ignored;
    _exit(255);
}

}  // namespace

void bbInstallSignalHandlers() {
    std::signal(SIGSEGV, OnFatalSignal);
    std::signal(SIGILL, OnFatalSignal);
    std::signal(SIGFPE, OnFatalSignal);
}
