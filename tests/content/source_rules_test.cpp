// Rules over the program's own sources that no run of a test can see: the
// compiler picks the order of two draws in one expression, and ours happens
// to pick the written one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The text with comments, string and character literals blanked out.
std::string codeOnly(const std::string& text) {
    std::string code = text;
    enum class In { Code, LineComment, BlockComment, String, Char } in = In::Code;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i], next = i + 1 < code.size() ? code[i + 1] : '\0';
        switch (in) {
        case In::Code:
            if (c == '/' && (next == '/' || next == '*')) {
                in = next == '/' ? In::LineComment : In::BlockComment;
                code[i] = code[i + 1] = ' ';
                ++i;
            } else if (c == '"')
                in = In::String;
            else if (c == '\'')
                in = In::Char;
            continue;
        case In::LineComment:
            if (c == '\n') in = In::Code;
            break;
        case In::BlockComment:
            if (c == '*' && next == '/') {
                code[i] = code[i + 1] = ' ';
                ++i;
                in = In::Code;
                continue;
            }
            break;
        case In::String:
        case In::Char:
            if (c == '\\') {
                code[i] = ' ';
                if (i + 1 < code.size() && code[i + 1] != '\n') code[++i] = ' ';
                continue;
            }
            if (c == (in == In::String ? '"' : '\'')) {
                in = In::Code;
                continue;
            }
            break;
        }
        if (c != '\n') code[i] = ' ';
    }
    return code;
}

bool blankAt(const std::string& text, std::size_t i) {
    return text[i] == ' ' || text[i] == '\t';
}

// A brace that opens or closes a block: the last thing on its line or the
// first. Braces inside a line (braced initialisers) are not.
bool blockBrace(const std::string& code, std::size_t at) {
    std::size_t after = at + 1;
    while (after < code.size() && blankAt(code, after))
        ++after;
    if (after == code.size() || code[after] == '\n') return true;
    std::size_t before = at;
    while (before > 0 && blankAt(code, before - 1))
        --before;
    return before == 0 || code[before - 1] == '\n';
}

// Statements with the line each begins on: the text between semicolons and
// block braces.
std::vector<std::pair<int, std::string>> statementsOf(const std::string& code) {
    std::vector<std::pair<int, std::string>> statements;
    int line = 1, startLine = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= code.size(); ++i) {
        const bool ends =
            i == code.size() || code[i] == ';' || ((code[i] == '{' || code[i] == '}') && blockBrace(code, i));
        if (ends) {
            std::string statement = code.substr(start, i - start);
            const std::size_t first = std::min(statement.find_first_not_of(" \t\n\r"), statement.size());
            const auto leading =
                std::count(statement.begin(), statement.begin() + static_cast<long>(first), '\n');
            statements.emplace_back(startLine + static_cast<int>(leading), std::move(statement));
            start = i + 1;
            startLine = line;
        }
        if (i < code.size() && code[i] == '\n') ++line;
    }
    return statements;
}

bool identifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Calls of the draw functions in a statement.
int drawsIn(const std::string& statement) {
    int draws = 0;
    for (const char* name : {"RandomInt", "RandomRate", "CheckPercent", "Rnd"}) {
        const std::string word = name;
        for (std::size_t at = statement.find(word); at != std::string::npos;
             at = statement.find(word, at + 1)) {
            if (at > 0 && identifierChar(statement[at - 1])) continue;
            std::size_t after = at + word.size();
            if (after < statement.size() && identifierChar(statement[after])) continue;
            while (after < statement.size() && std::isspace(static_cast<unsigned char>(statement[after])))
                ++after;
            if (after < statement.size() && statement[after] == '(') ++draws;
        }
    }
    return draws;
}

// The lines of the statements of the code that make two draws or more.
std::vector<int> linesWithTwoDraws(const std::string& code) {
    std::vector<int> lines;
    for (const auto& [line, statement] : statementsOf(code))
        if (drawsIn(statement) >= 2) lines.push_back(line);
    return lines;
}

TEST(SourceRules, NoStatementMakesTwoRandomDraws) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(QUORVEL_SOURCE_DIR) / "src")) {
        const auto extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        for (int line : linesWithTwoDraws(codeOnly({std::istreambuf_iterator<char>(in), {}})))
            found.push_back(fs::relative(entry.path(), QUORVEL_SOURCE_DIR).string() + ":" +
                            std::to_string(line));
    }
    EXPECT_TRUE(found.empty()) << "two draws in one statement (one statement per draw, in the rules' order): "
                               << ::testing::PrintToString(found);
}

TEST(SourceRules, TheDrawScanSeesThroughCommentsAndBracedValues) {
    const std::string code = codeOnly("// RandomInt(1, 2) RandomInt(3, 4);\n"
                                      "x = std::int64_t{RandomInt(1, 2)} - RandomInt(3, 4);\n"
                                      "s = \"RandomInt(\"; y = RandomInt(1, 2);\n"
                                      "if (a) {\n  b = RandomInt(1, 2);\n}\n"
                                      "c = Services().Rnd() < Rnd();\n");
    EXPECT_EQ(linesWithTwoDraws(code), (std::vector<int>{2, 7}));
}

} // namespace
