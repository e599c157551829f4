#pragma once
// JSON output of the tool: indented, and safe for bytes that are not UTF-8
// (module names and paths come from outside).

#include <nlohmann/json.hpp>
#include <string>

namespace gw::cli {

inline std::string DumpJson(const nlohmann::json& j) {
  return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace gw::cli
