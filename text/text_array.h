// TextArray: an ordered, append-only list of Text indexed from 1.
#pragma once

#include <vector>

#include "text/text.h"

namespace zerulin {

class TextArray {
 public:
  TextArray() = default;

  // Element `index`, 1-based; `index` must lie in 1..ArrayCount.
  const Text& operator[](int index) const { return elements_.at(static_cast<size_t>(index) - 1); }

  std::vector<Text>::const_iterator begin() const { return elements_.begin(); }
  std::vector<Text>::const_iterator end() const { return elements_.end(); }

  // Makes room for `count` elements ahead of appending them; the elements do not change.
  void Reserve(size_t count) { elements_.reserve(count); }

  friend bool operator==(const TextArray&, const TextArray&) = default;
  friend int ArrayCount(const TextArray& array);
  friend void ArrayAppend(TextArray* array, Text text);

 private:
  std::vector<Text> elements_;
};

// Number of elements.
int ArrayCount(const TextArray& array);

// Adds a copy of `text` after the last element; does nothing when `array` is absent (null).
void ArrayAppend(TextArray* array, Text text);

}  // namespace zerulin
