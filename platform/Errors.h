#pragma once
// The one exception type of the program. Every failure that reaches the user
// carries its message text here ("The file is not valid", "Cannot create file
// %s"); the window that started the operation shows the text and goes on.

#include <stdexcept>
#include <string>

class EQuillbayError : public std::runtime_error {
public:
  explicit EQuillbayError(const std::string& Message) : std::runtime_error(Message) {}
};

// Replaces the first "%s" of Format with Arg ("Cannot open file %s").
std::string FormatMessage(const std::string& Format, const std::string& Arg);
