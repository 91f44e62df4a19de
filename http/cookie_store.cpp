#include "http/cookie_store.h"

#include <map>
#include <mutex>
#include <string_view>

namespace zerulin::cookie_store {
namespace {

// A cookie's identity: domain, path and name (fields 1, 3 and 6 of a Netscape line), with
// the HttpOnly mark on the domain left out.
std::string KeyOf(std::string_view line) {
  constexpr std::string_view kHttpOnly = "#HttpOnly_";
  if (line.starts_with(kHttpOnly)) line.remove_prefix(kHttpOnly.size());
  std::string key;
  size_t field = 1;
  for (size_t begin = 0; begin <= line.size(); ++field) {
    size_t end = line.find('\t', begin);
    if (end == std::string_view::npos) end = line.size();
    if (field == 1 || field == 3 || field == 6) key.append(line.substr(begin, end - begin)) += '\t';
    begin = end + 1;
  }
  return key;
}

std::map<std::string, std::string> ByKey(const std::vector<std::string>& lines) {
  std::map<std::string, std::string> byKey;
  for (const std::string& line : lines) byKey[KeyOf(line)] = line;
  return byKey;
}

struct Store {
  std::mutex mutex;
  std::map<std::string, std::string> linesByKey;
};

// Never destroyed: a request may still be running on another thread while the process exits.
Store& TheStore() {
  static auto* store = new Store();
  return *store;
}

}  // namespace

std::vector<std::string> Snapshot() {
  Store& store = TheStore();
  std::lock_guard lock(store.mutex);
  std::vector<std::string> lines;
  lines.reserve(store.linesByKey.size());
  for (const auto& [key, line] : store.linesByKey) lines.push_back(line);
  return lines;
}

void Update(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  const auto beforeByKey = ByKey(before);
  const auto afterByKey = ByKey(after);
  Store& store = TheStore();
  std::lock_guard lock(store.mutex);
  for (const auto& [key, line] : afterByKey) {
    const auto old = beforeByKey.find(key);
    if (old == beforeByKey.end() || old->second != line) store.linesByKey[key] = line;
  }
  for (const auto& [key, line] : beforeByKey) {
    if (afterByKey.contains(key)) continue;
    const auto stored = store.linesByKey.find(key);
    if (stored != store.linesByKey.end() && stored->second == line) {
      store.linesByKey.erase(stored);
    }
  }
}

void ClearForTesting() {
  Store& store = TheStore();
  std::lock_guard lock(store.mutex);
  store.linesByKey.clear();
}

}  // namespace zerulin::cookie_store
