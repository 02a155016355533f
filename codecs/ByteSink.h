#pragma once

// Where an encoder's bytes go as it makes them: a file being written, or
// memory. Encoders hand over their output a buffer at a time, so no second
// copy of the whole encoded picture is ever made.

#include <cstdint>
#include <exception>
#include <span>
#include <vector>

namespace qv {

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Takes the next bytes. Encoders call it from inside C libraries, where
  // no exception may pass, so a failure is kept (Fail) and reported as
  // false; the encoder then stops and rethrows it (RethrowFailure).
  virtual bool Put(std::span<const std::uint8_t> bytes) noexcept = 0;

  void RethrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
  }

 protected:
  // Keeps the exception being handled; returns false for Put.
  bool Fail() noexcept {
    failure_ = std::current_exception();
    return false;
  }

 private:
  std::exception_ptr failure_;
};

// Collects the bytes in memory, for callers that want them whole.
class BytesSink : public ByteSink {
 public:
  std::vector<std::uint8_t> Data;
  bool Put(std::span<const std::uint8_t> bytes) noexcept override {
    try {
      Data.insert(Data.end(), bytes.begin(), bytes.end());
      return true;
    } catch (...) {
      return Fail();
    }
  }
};

}  // namespace qv
