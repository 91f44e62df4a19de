#include "http/url.h"

#include "http/text_between.h"
#include "text/case.h"
#include "text/find.h"
#include "text/integer.h"
#include "text/replace.h"
#include "text/split.h"
#include "text/text_array.h"

namespace zerulin {
namespace {

Text HostMode(Text s, bool domainFlag) {
  if (TextRight(s, 1) != Text("/")) s = ConcatText(s, "/");
  if (TextLeft(s, 8) == Text("https://")) {
    s = TextBetween(s, "https://", "/");
  } else {
    if (FindText(s, "http://") == -1) s = ConcatText("http://", s);
    s = TextBetween(s, "http://", "/");
  }
  if (domainFlag) {
    const TextArray labels = SplitText(s, Text("."));
    const int count = ArrayCount(labels);
    if (count > 1) s = ConcatText(labels[count - 1], ".", labels[count]);
  }
  return s;
}

// The last "." lying wholly before `position`; -1 stays -1.
int DotBefore(const Text& s, int position) {
  return position == -1 ? -1 : FindTextReverse(s, ".", position);
}

Text DomainMode(Text s, bool domainFlag, int levelCount) {
  s = ReplaceSubtext(s, "http://", Text(), {}, {}, /*caseSensitive=*/true);
  s = ReplaceSubtext(s, "https://", Text(), {}, {}, /*caseSensitive=*/true);
  if (const int slash = FindText(s, "/"); slash != -1) s = TextLeft(s, slash - 1);
  const int n = TextLength(s);
  int pos = n;
  for (int level = 0; level < levelCount && pos != -1; ++level) pos = DotBefore(s, pos);
  const int pos2 = DotBefore(s, pos);
  if (domainFlag) return TextRight(s, n - pos2);
  if (pos2 == -1) return s;
  const int pos3 = DotBefore(s, pos2);
  return pos3 == -1 ? s : TextRight(s, n - pos3);
}

}  // namespace

Text UrlHost(const Text& url, std::optional<bool> domainFlag, std::optional<bool> keepPort,
             std::optional<int> levelCount) {
  const Text s = ToLowerCase(url);
  const Text host = levelCount ? DomainMode(s, domainFlag.value_or(false), *levelCount)
                               : HostMode(s, domainFlag.value_or(false));
  if (keepPort.value_or(false)) return host;
  const int colon = FindText(host, ":");
  return colon == -1 ? host : TextLeft(host, colon - 1);
}

int32_t UrlPort(const Text& url) {
  const Text host = UrlHost(url, {}, /*keepPort=*/true);
  if (const int colon = FindTextReverse(host, ":"); colon != -1) {
    return ToInteger(TextRight(host, TextLength(host) - colon));
  }
  return ToLowerCase(TextLeft(url, 5)) == Text("https") ? 443 : 80;
}

Text UrlPath(const Text& url) {
  // The host is sought after the scheme: a host such as "h" or "tp" would otherwise be found
  // inside "http://" itself and the path would start at the scheme's slashes.
  const Text scheme = ToLowerCase(TextLeft(url, 8));
  const int afterScheme = scheme == Text("https://")               ? 9
                          : TextLeft(scheme, 7) == Text("http://") ? 8
                                                                   : 1;
  const int host = FindText(url, UrlHost(url), afterScheme, /*ignoreCase=*/true);
  const int slash = FindText(url, "/", host, /*ignoreCase=*/true);
  if (slash == -1) return Text("/");
  return TextRight(url, TextLength(url) - slash + 1);
}

}  // namespace zerulin
