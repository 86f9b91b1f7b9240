#pragma once
// Shared option parsing of the zavora-xref commands: FILE, repeated
// --lib-path DIR, --context FILE, --json, and each command's own flags and
// valued options.
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

struct CliOptions {
    std::string file;
    std::vector<std::string> positional;      // after FILE
    std::vector<std::string> libPaths;
    std::string context;
    bool json = false;
    std::set<std::string> flags;
    std::map<std::string, std::string> values;

    bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
    const std::string* Value(const std::string& name) const
    {
        auto it = values.find(name);
        return it == values.end() ? nullptr : &it->second;
    }
};

// False with a message when the words are off.
bool ParseCliOptions(const std::vector<std::string>& args, std::initializer_list<const char*> flags,
                     std::initializer_list<const char*> valued, CliOptions& options, std::string& error);
