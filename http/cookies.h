// Cookie texts ("a=1; b=2") and the merge of a server's answer into the ones a caller keeps.
#pragma once

#include "text/text.h"
#include "text/text_array.h"

namespace zerulin {

// Folds `newCookieText` into `cookieText` and returns the result, also left in *cookieText:
// the new cookies first, then the old ones whose name they lack; cookies ending "=deleted"
// dropped; exact repeats removed; pieces joined by "; ". Both texts lose all their spaces
// first, *newCookieText included. A null pointer stands for a private empty text.
//   K "a=1; b=2", R "b=3; c=4"  ->  "b=3; c=4; a=1"
//   K "a=1; b=2", R "b=deleted" ->  "a=1"
Text MergeCookies(Text* cookieText, Text* newCookieText);

// The trimmed text before the first "=", or the whole trimmed cookie without one.
//   CookieName("k=v=w") == "k", CookieName("=v") == ""
Text CookieName(const Text& cookie);

// Whether some cookie of `cookies` bears `name` (exact bytes, letter case significant).
bool CookieListHasName(const TextArray& cookies, const Text& name);

// `text` split on `separator`, later repeats of a piece left out, joined with `separator`.
//   JoinUnique("a; b; a", "; ") == "a; b"
Text JoinUnique(const Text& text, const Text& separator);

// 1-based index of the first element equal to `text`; -1 when none is.
int IndexInTextArray(const TextArray& array, const Text& text);

}  // namespace zerulin
