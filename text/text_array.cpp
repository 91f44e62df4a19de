#include "text/text_array.h"

namespace zerulin {

int ArrayCount(const TextArray& array) { return static_cast<int>(array.elements_.size()); }

void ArrayAppend(TextArray* array, Text text) {
  // An absent array is a private empty one: the append has no effect the caller can see.
  if (array == nullptr) return;
  array->elements_.push_back(std::move(text));
}

}  // namespace zerulin
