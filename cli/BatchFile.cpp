#include "BatchFile.h"

#include <optional>

#include "CliCommands.h"
#include "ModuleRef.h"

namespace gw::cli {

namespace {

constexpr const char* kKeepNetwork = "--keep-network";

// The words of a line; nothing when a quote is not closed.
std::optional<std::vector<std::string>> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quote != 0 && c == quote) {
      quote = 0;
    } else if (quote == 0 && (c == '"' || c == '\'')) {
      quote = c;
      inWord = true;
    } else if (c == '\\' && quote != '\'' && i + 1 < line.size()) {
      word += line[++i];
      inWord = true;
    } else if (quote == 0 && (c == ' ' || c == '\t')) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quote != 0) return std::nullopt;
  if (inWord) words.push_back(std::move(word));
  return words;
}

bool IsModuleReference(const std::string& word) {
  MacAddress mac{};
  if (ParseMac(word, mac)) return true;
  const std::size_t digits = !word.empty() && word[0] == '#' ? 1 : 0;
  return word.size() > digits && word.size() - digits <= 9 &&
         word.find_first_not_of("0123456789", digits) == std::string::npos;
}

// Why the words are no batch command; empty when they are one.
std::string Problem(const std::vector<std::string>& words) {
  const std::string& verb = words[0];
  const bool known = verb == "set" || verb == "import" || verb == "login" || verb == "export";
  if (!known) return "'" + verb + "' is not a batch command (set, import, login, export)";
  if (words.size() < 2) return verb + " names no module";
  if (!IsModuleReference(words[1])) {
    return "'" + words[1] + "' is not a MAC address, a #index or a module number";
  }
  const std::vector<std::string> rest(words.begin() + 2, words.end());
  if (verb == "set") {
    if (rest.empty()) return "set takes at least one KEY=VALUE";
    for (const std::string& word : rest) {
      if (auto problem = AssignmentProblem(word)) {
        if (problem->ends_with('.')) problem->pop_back();
        return *problem;
      }
    }
  } else if (verb == "import") {
    std::vector<std::string> files;
    for (const std::string& word : rest) {
      if (word == kKeepNetwork) continue;
      if (word.starts_with("-")) return "import takes no " + word;
      files.push_back(word);
    }
    if (files.size() != 1) return "import takes one FILE.mod and at most --keep-network";
  } else if (verb == "login" && !rest.empty()) {
    return "login takes only the module (its password comes from NXGCFG_PASSWORD or "
           "--password-file)";
  } else if (verb == "export" && (rest.size() != 1 || rest[0].empty() || rest[0][0] == '-')) {
    return "export takes one FILE";
  }
  return {};
}

}  // namespace

BatchFile ReadBatch(std::istream& in) {
  BatchFile batch;
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos || text[first] == '#') continue;
    text = text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
    const std::string where = "line " + std::to_string(number) + ": ";
    const auto words = SplitWords(text);
    if (!words) {
      batch.errors.push_back(where + "a quote is not closed");
      continue;
    }
    if (const std::string problem = Problem(*words); !problem.empty()) {
      batch.errors.push_back(where + problem);
      continue;
    }
    batch.lines.push_back({number, text, *words});
  }
  return batch;
}

std::vector<std::string> ToolArguments(const BatchLine& line, const std::string& module,
                                       bool login) {
  std::vector<std::string> args = line.words;
  args[1] = module;
  if (login && (line.Verb() == "set" || line.Verb() == "import")) args.push_back("--login");
  return args;
}

}  // namespace gw::cli
