// Lets GoogleTest show a Text or Bytes value as its bytes when a check fails.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text/bytes.h"
#include "text/text.h"

namespace zerulin {

inline void PrintTo(const Text& text, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(text.view()));
}

inline void PrintTo(const Bytes& bytes, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(bytes.view()));
}

}  // namespace zerulin
