// Program-wide reporting: printing, runtime errors and the fatal path.
#pragma once

#include <exception>

#include "runtime/string.h"

// An exception thrown by application or framework code; the host's guarded calls
// turn any escaping exception into the fatal path.
class ThrowableObject : public std::exception {
public:
    const char* what() const noexcept override { return "Uncaught Zorbit Exception"; }
};

// Writes the text as UTF-8 and a newline to standard output, then flushes.
void bbPrint(const String& text);

// An empty message ends the program normally (status 0); any other message is a
// runtime error: "Zorbit Runtime Error : " and the message, the (empty) call-stack
// line, and exit status -1.
[[noreturn]] void bbError(const String& message);

// Reports access violations, illegal instructions and floating-point faults as
// runtime errors.
void bbInstallSignalHandlers();
