// The exceptions the digest framework raises when it is misused: one base class and five
// kinds, each naming itself for the report of an unhandled error.
#pragma once

#include <string>

#include "bytestring/Exception.h"

namespace keyloom {

class EHashException : public Exception {
 public:
  using Exception::Exception;
  const char* KindName() const noexcept override { return "EHashException"; }
};

class EArgumentNilHashException : public EHashException {
 public:
  using EHashException::EHashException;
  const char* KindName() const noexcept override { return "EArgumentNilHashException"; }
};

class EIndexOutOfRangeHashException : public EHashException {
 public:
  using EHashException::EHashException;
  const char* KindName() const noexcept override { return "EIndexOutOfRangeHashException"; }
};

class EArgumentHashException : public EHashException {
 public:
  using EHashException::EHashException;
  const char* KindName() const noexcept override { return "EArgumentHashException"; }
};

class ENotImplementedHashException : public EHashException {
 public:
  using EHashException::EHashException;
  const char* KindName() const noexcept override { return "ENotImplementedHashException"; }
};

class EInvalidOperationHashException : public EHashException {
 public:
  using EHashException::EHashException;
  const char* KindName() const noexcept override { return "EInvalidOperationHashException"; }
};

}  // namespace keyloom
