#pragma once

#include <stdexcept>
#include <string>

namespace calc {

// Every condition that stops a handler is one of these. The message names the
// condition; the window that ran the handler shows it to the user.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

class DivisionByZero : public Failure {
public:
    DivisionByZero() : Failure("Division by zero") {}
};

class Overflow : public Failure {
public:
    Overflow() : Failure("Overflow") {}
};

class InvalidOperation : public Failure {
public:
    InvalidOperation() : Failure("Invalid operation") {}
};

class FileNotFound : public Failure {
public:
    explicit FileNotFound(const std::string& name) : Failure("File not found: " + name) {}
};

class InputPastEndOfFile : public Failure {
public:
    InputPastEndOfFile() : Failure("Input past end of file") {}
};

// A file that exists but cannot be opened, read or written, or whose content
// is not what it must be.
class FileFailure : public Failure {
public:
    using Failure::Failure;
};

} // namespace calc
