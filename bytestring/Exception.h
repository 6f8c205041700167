// The program's general exception: an error object that carries its message text and names
// its own kind, so that the report of an unhandled error can show both.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace keyloom {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }
  // The class name shown in the unhandled-error report.
  virtual const char* KindName() const noexcept { return "Exception"; }

  // Return addresses from where the error arose, innermost first; filled by the platform
  // layer for the errors it raises, empty otherwise.
  const std::vector<std::uintptr_t>& CallChain() const { return call_chain_; }
  void SetCallChain(std::vector<std::uintptr_t> chain) { call_chain_ = std::move(chain); }

 private:
  std::string message_;
  std::vector<std::uintptr_t> call_chain_;
};

}  // namespace keyloom
