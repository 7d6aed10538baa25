#include "Script.h"

#include <sstream>

namespace scenario {

bool SplitArguments(const std::string& line, std::vector<std::string>& args, std::string& error) {
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= n) return true;
        std::string arg;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    arg += c;
                    continue;
                }
                if (i >= n) break;
                switch (line[i++]) {
                    case '"':
                        arg += '"';
                        break;
                    case '\\':
                        arg += '\\';
                        break;
                    case 'n':
                        arg += '\n';
                        break;
                    case 'r':
                        arg += '\r';
                        break;
                    case 't':
                        arg += '\t';
                        break;
                    default:
                        error = "unknown escape in quoted argument";
                        return false;
                }
            }
            if (!closed) {
                error = "unterminated quoted argument";
                return false;
            }
            if (i < n && line[i] != ' ' && line[i] != '\t') {
                error = "text directly after a quoted argument";
                return false;
            }
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t') arg += line[i++];
        }
        args.push_back(std::move(arg));
    }
}

Script ParseScript(const std::string& text) {
    Script script;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(std::move(l));
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        const std::size_t first = l.find_first_not_of(" \t");
        if (first == std::string::npos || l[first] == '#') continue;
        Command cmd;
        cmd.line = static_cast<int>(i + 1);
        std::string error;
        if (!SplitArguments(l, cmd.args, error)) {
            script.error = "line " + std::to_string(cmd.line) + ": " + error;
            return script;
        }
        const bool block =
            (cmd.args[0] == "file" && (cmd.args.size() == 2 || cmd.args.size() == 3)) ||
            (cmd.args.size() == 3 && cmd.args[0] == "expect" && cmd.args[1] == "file");
        if (block) {
            std::size_t j = i + 1;
            for (; j < lines.size() && lines[j] != "end"; ++j) cmd.block.push_back(lines[j]);
            if (j >= lines.size()) {
                script.error = "line " + std::to_string(cmd.line) + ": block without \"end\"";
                return script;
            }
            i = j;
        }
        script.commands.push_back(std::move(cmd));
    }
    return script;
}

}  // namespace scenario
