#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the program: raised by streams, file loading and
// other model code; caught by the command that started the work and shown to
// the user through the Prompter.
class TolvError : public std::runtime_error {
public:
    explicit TolvError(const std::string& message) : std::runtime_error(message) {}
};
