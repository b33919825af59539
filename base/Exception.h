#pragma once
// The program's exception kind: a failed operation ends at once and reaches the application's top-level
// handler, which shows the message in its error box. Messages are French and wide.
#include <exception>
#include <string>

namespace base {

class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return "base::Exception"; }

 private:
  std::wstring message_;
};

}  // namespace base
