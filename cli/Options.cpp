#include "cli/Options.h"

#include <algorithm>
#include <cstring>

bool ParseCliOptions(const std::vector<std::string>& args, std::initializer_list<const char*> flags,
                     std::initializer_list<const char*> valued, CliOptions& options, std::string& error)
{
    auto in = [](std::initializer_list<const char*> list, const std::string& word) {
        return std::any_of(list.begin(), list.end(), [&](const char* s) { return word == s; });
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = word + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        if (word == "--lib-path") {
            std::string dir;
            if (!value(dir)) return false;
            options.libPaths.push_back(dir);
        } else if (word == "--context") {
            if (!value(options.context)) return false;
        } else if (word == "--json") {
            options.json = true;
        } else if (in(flags, word)) {
            options.flags.insert(word);
        } else if (in(valued, word)) {
            if (!value(options.values[word])) return false;
        } else if (word.size() > 1 && word[0] == '-') {
            error = "unknown option " + word;
            return false;
        } else if (options.file.empty()) {
            options.file = word;
        } else {
            options.positional.push_back(word);
        }
    }
    if (options.file.empty()) {
        error = "no FILE given";
        return false;
    }
    return true;
}
