#pragma once
// JSON output of the tool: indented, and safe for bytes that are not UTF-8
// (module names and paths come from outside).

#include <nlohmann/json.hpp>
#include <string>

namespace gw::cli {

using Json = nlohmann::ordered_json;

inline std::string DumpJson(const Json& j) {
  return j.dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace gw::cli
