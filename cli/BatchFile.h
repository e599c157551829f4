#pragma once
// A batch file: one command of the tool per line, each naming its module.
//
//   set MODULE KEY=VALUE...
//   import MODULE FILE.mod [--keep-network]
//   login MODULE
//   export MODULE FILE
//
// Words are separated by blanks; a word with blanks is quoted ("..." or
// '...'), a backslash takes the next character as it is. Blank lines and
// lines that start with # are ignored.

#include <istream>
#include <string>
#include <vector>

namespace gw::cli {

struct BatchLine {
  int number = 0;                  // in the file, from 1
  std::string text;                // as written, without surrounding blanks
  std::vector<std::string> words;  // the command, its module, the rest
  const std::string& Verb() const { return words[0]; }
  const std::string& Module() const { return words[1]; }
};

struct BatchFile {
  std::vector<BatchLine> lines;     // the commands, in file order
  std::vector<std::string> errors;  // one per malformed line: "line N: why"
};

BatchFile ReadBatch(std::istream& in);

// The line's words as a command line of the tool: the module given as
// `module`, set and import logging in first when `login`.
std::vector<std::string> ToolArguments(const BatchLine& line, const std::string& module,
                                       bool login);

}  // namespace gw::cli
