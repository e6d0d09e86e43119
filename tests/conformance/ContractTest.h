// Base of every conformance test: a fresh backend, installed as the process's
// services for the length of one test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "conformance/Backend.h"

namespace conformance {

class ContractTest : public ::testing::Test {
 protected:
  ContractTest() : backend_(MakeBackend()) {}

  platform::Registry& Reg() { return backend_->Registry(); }
  platform::MouseParams& Mouse() { return backend_->MouseParams(); }
  Backend& Platform() { return *backend_; }

 private:
  std::unique_ptr<Backend> backend_;
};

// A key of the tests' own under HKCU, empty at the start of each test and
// removed at its end.
inline constexpr char kScratchKey[] = "Software\\KV3050P Conformance";

}  // namespace conformance
