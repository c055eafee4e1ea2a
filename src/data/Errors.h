#pragma once

// The one family of failures the lower modules raise. Each carries the exact
// text the user sees; the windows' event wrapper shows it in a message box and
// the command line prints it on standard error. Nothing else catches them.

#include <stdexcept>
#include <string>

class KurvixError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should have been a number ("'abc' ist kein gültiger Integerwert").
class ConversionError : public KurvixError {
public:
    using KurvixError::KurvixError;
};

// Bad content in a file, with the file and the line where reading stopped.
class InputError : public KurvixError {
public:
    InputError(const std::string& message, std::string file, int line)
        : KurvixError(message), file_(std::move(file)), line_(line) {}
    const std::string& file() const { return file_; }
    int line() const { return line_; }

private:
    std::string file_;
    int line_;
};

// A file that cannot be opened, created or written, with the system's reason.
class FileError : public KurvixError {
public:
    using KurvixError::KurvixError;
};

// An invalid operation or a division by zero in floating point.
class FloatError : public KurvixError {
public:
    using KurvixError::KurvixError;
};
