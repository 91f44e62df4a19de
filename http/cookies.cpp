#include "http/cookies.h"

#include "text/find.h"
#include "text/spaces.h"
#include "text/split.h"

namespace zerulin {
namespace {

constexpr char kSeparator[] = "; ";

bool IsDeleted(const Text& cookie) { return TextRight(cookie, 8) == Text("=deleted"); }

// `text` without its last `count` bytes.
Text DropLast(const Text& text, int count) { return TextLeft(text, TextLength(text) - count); }

}  // namespace

Text MergeCookies(Text* cookieText, Text* newCookieText) {
  Text ownCookies, ownNewCookies;
  Text& kept = cookieText != nullptr ? *cookieText : ownCookies;
  Text& received = newCookieText != nullptr ? *newCookieText : ownNewCookies;
  kept = RemoveAllSpaces(kept);
  received = RemoveAllSpaces(received);

  const TextArray old = SplitText(kept, Text(";"));
  TextArray merged = SplitText(received, Text(";"));
  for (const Text& cookie : old) {
    if (!CookieListHasName(merged, CookieName(cookie))) ArrayAppend(&merged, cookie);
  }

  std::string joined;
  for (const Text& cookie : merged) {
    if (IsDeleted(cookie)) continue;
    joined.append(cookie.view());
    joined.append(kSeparator);
  }
  kept = JoinUnique(DropLast(Text(std::move(joined)), 2), kSeparator);
  return kept;
}

Text CookieName(const Text& cookie) {
  const int equals = FindText(cookie, "=");
  return TrimBothEnds(equals == -1 ? cookie : TextLeft(cookie, equals - 1));
}

bool CookieListHasName(const TextArray& cookies, const Text& name) {
  for (const Text& cookie : cookies) {
    if (CompareText(CookieName(cookie), name) == 0) return true;
  }
  return false;
}

Text JoinUnique(const Text& text, const Text& separator) {
  TextArray seen;
  std::string out;
  for (const Text& piece : SplitText(text, separator)) {
    if (IndexInTextArray(seen, piece) != -1) continue;
    ArrayAppend(&seen, piece);
    out.append(piece.view());
    out.append(separator.view());
  }
  return DropLast(Text(std::move(out)), TextLength(separator));
}

int IndexInTextArray(const TextArray& array, const Text& text) {
  for (int index = 1; index <= ArrayCount(array); ++index) {
    if (CompareText(array[index], text) == 0) return index;
  }
  return -1;
}

}  // namespace zerulin
