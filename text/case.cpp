#include "text/case.h"

#include "text/walk.h"

namespace zerulin {

Text ToLowerCase(const Text& text) {
  std::string out(text.view());
  for (size_t at = 0; at < out.size(); at += walk::CharWidth(out, at)) {
    out[at] = walk::FoldCase(out[at]);
  }
  return Text(std::move(out));
}

}  // namespace zerulin
