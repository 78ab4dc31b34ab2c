#pragma once
// The one exception type of the program. Every failure that reaches the user
// carries its message by identity and arguments (platform/Messages.h);
// what() is the English text, which the command-line tool prints, and the
// window that started the operation shows the message in the user's language
// and goes on.

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Messages.h"

class EQuillbayError : public std::runtime_error {
 public:
  explicit EQuillbayError(TMessage Message)
      : std::runtime_error(EnglishText(Message)), FMessage(std::move(Message)) {}
  explicit EQuillbayError(TMessageId Id, std::vector<std::string> Args = {})
      : EQuillbayError(TMessage{Id, std::move(Args)}) {}
  // A text from outside the program (a library's message), shown as it is.
  explicit EQuillbayError(const std::string& Text) : EQuillbayError(TMessageId::Text, {Text}) {}

  const TMessage& Message() const { return FMessage; }

 private:
  TMessage FMessage;
};
