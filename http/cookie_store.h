// The process-wide cookie store of requests that do not keep their cookies themselves.
// Cookies are libcurl's Netscape-format lines; every access holds one mutex, so requests on
// any number of threads may use the store at once.
#pragma once

#include <string>
#include <vector>

namespace zerulin::cookie_store {

// A copy of every stored cookie line, to load into one request's handle.
std::vector<std::string> Snapshot();

// Folds one request's outcome into the store: `after` is what its handle held when it ended,
// `before` the snapshot it started from. New or changed cookies are stored; cookies of
// `before` that are gone from `after` (deleted or expired) are removed unless another request
// has changed them meanwhile.
void Update(const std::vector<std::string>& before, const std::vector<std::string>& after);

// Forgets every cookie, so tests in one process start from an empty store.
void ClearForTesting();

}  // namespace zerulin::cookie_store
