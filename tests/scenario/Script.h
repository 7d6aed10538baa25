// Scenario scripts: one command per line, blank-separated arguments, double-quoted arguments
// with escapes, and the multi-line blocks of "file" and "expect file".
#pragma once

#include <string>
#include <vector>

namespace scenario {

struct Command {
    int line = 0;
    std::vector<std::string> args;   // UTF-8, escapes decoded
    std::vector<std::string> block;  // content lines of "file" / "expect file", as written
};

struct Script {
    std::vector<Command> commands;
    std::string error;  // set when the script cannot be read
};

Script ParseScript(const std::string& text);

// Splits one line into arguments; false (with an error) on an unterminated quote or a bad escape.
bool SplitArguments(const std::string& line, std::vector<std::string>& args, std::string& error);

}  // namespace scenario
