// Taking a URL apart: server name, port and object path. Nothing is decoded or validated.
#pragma once

#include <cstdint>
#include <optional>

#include "text/text.h"

namespace zerulin {

// The lower-cased server name of `url`. Host mode (no `levelCount`): the text between the
// scheme and the next "/", without scheme "http://" when none is given; with `domainFlag`
// only its last two labels. Domain mode (`levelCount` supplied, whatever its value): the last
// levelCount + 1 labels with `domainFlag`, levelCount + 2 without, the whole host when it has
// too few dots. The port stays only with `keepPort`.
//   UrlHost("HTTP://W.A.B:81/x?y") == "w.a.b", UrlHost("http://w.a.b?q=1") == "w.a.b?q=1"
//   UrlHost("http://a.b.c.d:81/x", true, {}, 1) == "c.d"
Text UrlHost(const Text& url, std::optional<bool> domainFlag = {},
             std::optional<bool> keepPort = {}, std::optional<int> levelCount = {});

// The number after the host's last colon (0 when it is not a number), else 443 for a URL
// starting "https" in any case and 80 otherwise.
int32_t UrlPort(const Text& url);

// `url` from the first "/" after its host (sought after the scheme) to the end, in the URL's
// own case, with query and fragment; "/" when there is none.
//   UrlPath("http://w.a.b?q=1") == "/", UrlPath("http://h/x") == "/x"
Text UrlPath(const Text& url);

}  // namespace zerulin
