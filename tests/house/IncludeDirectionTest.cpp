// SPDX-License-Identifier: GPL-2.0-or-later
// The source folders depend on one another in one direction only, from
// the model up: a folder includes headers of its own and of the folders
// below it, never of one above or beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// What each folder may include besides itself.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"platform", {}},
    // The modules stand alone: they are loaded, never linked.
    {"web", {}},
    {"sound", {}},
    // The disc engine module implements the burner's engine interface.
    {"disc", {"burner"}},
    {"model", {"platform"}},
    {"controls", {"model", "platform"}},
    {"player", {"controls", "model", "platform"}},
    {"document", {"player", "controls", "model", "platform"}},
    {"canvas", {"document", "player", "controls", "model", "platform"}},
    {"inspector", {"document", "player", "controls", "model", "platform"}},
    {"burner", {"player", "controls", "model", "platform"}},
    {"studio", {"canvas", "inspector", "document", "burner", "player", "controls", "model", "platform"}},
    {"cli", {"studio", "canvas", "inspector", "document", "burner", "player", "controls", "model", "platform"}},
    {"app", {"studio", "canvas", "inspector", "document", "burner", "player", "controls", "model", "platform"}},
};

// Includes of the form "folder/..." in one file, with their line numbers.
std::vector<std::pair<int, std::string>> IncludedFolders(const fs::path& file)
{
    static const std::regex include(R"(^\s*#\s*include\s*"([A-Za-z_]+)/)");
    std::vector<std::pair<int, std::string>> folders;
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch match;
        if (std::regex_search(line, match, include)) folders.emplace_back(number, match[1]);
    }
    return folders;
}

std::vector<std::string> Violations(const fs::path& sourceRoot)
{
    std::vector<std::string> found;
    for (const auto& item : fs::recursive_directory_iterator(sourceRoot)) {
        if (!item.is_regular_file()) continue;
        const std::string extension = item.path().extension().string();
        if (extension != ".h" && extension != ".cpp" && extension != ".c") continue;
        const std::string folder = fs::relative(item.path(), sourceRoot).begin()->string();
        const auto allowed = kAllowed.find(folder);
        if (allowed == kAllowed.end()) {
            found.push_back(folder + ": a source folder without a place in the layers");
            continue;
        }
        for (const auto& [line, included] : IncludedFolders(item.path()))
            if (included != folder && !allowed->second.count(included))
                found.push_back(fs::relative(item.path(), sourceRoot).string() + ":" + std::to_string(line) +
                                " includes " + included + "/");
    }
    return found;
}

} // namespace

TEST(IncludeDirection, NoSourceFolderIncludesAHeaderOfAFolderAboveIt)
{
    const fs::path root = fs::path(VELOMNI_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(root)) << root;
    const std::vector<std::string> violations = Violations(root);
    std::string text;
    for (const std::string& v : violations) text += v + "\n";
    EXPECT_TRUE(violations.empty()) << text;
}

TEST(IncludeDirection, TheCheckSeesAnUpwardInclude)
{
    const fs::path root = fs::temp_directory_path() / "velomni-include-direction";
    fs::remove_all(root);
    fs::create_directories(root / "player");
    fs::create_directories(root / "model");
    std::ofstream(root / "player" / "Fine.cpp") << "#include \"model/VoObject.h\"\n#include \"player/Other.h\"\n";
    std::ofstream(root / "model" / "Wrong.h") << "#pragma once\n\n  # include \"studio/MainForm.h\"\n";
    const std::vector<std::string> violations = Violations(root);
    fs::remove_all(root);
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0], "model/Wrong.h:3 includes studio/");
}
