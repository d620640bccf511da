// The libraries form one chain (host, platform, school, ... devtools): code
// in src/<library>/ and its tests in tests/<library>/ include only their own
// library and those before it. SDL belongs to the SDL library alone: only
// sdl/ folders and src/main.cpp include SDL or host/sdl/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> split(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

bool isSource(const fs::path& file) {
    const auto extension = file.extension();
    return extension == ".cpp" || extension == ".h";
}

// May this file (relative to the root, "/"-separated) use SDL?
bool maySeeSdl(const std::string& file) {
    return file == "src/main.cpp" || file.find("/sdl/") != std::string::npos;
}

// What a line includes: "<SDL.h>" or "\"host/sdl/a.h\"" with its delimiters;
// empty for a line that is no include.
std::string includedBy(const std::string& line) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#') return "";
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0) return "";
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos || (line[at] != '"' && line[at] != '<')) return "";
    const std::size_t end = line.find(line[at] == '"' ? '"' : '>', at + 1);
    return end == std::string::npos ? "" : line.substr(at, end - at + 1);
}

bool usesSdl(const std::string& included) {
    return included.starts_with("<SDL") || included.starts_with("\"host/sdl/");
}

// The library folder a project include names ("school" of "\"school/a.h\"").
std::string libraryOf(const std::string& included) {
    const std::size_t slash = included.find('/');
    if (included.front() != '"' || slash == std::string::npos) return "";
    return included.substr(1, slash - 1);
}

// Every include of the files under `root` that breaks the chain, as
// "<file>: <include line>".
std::vector<std::string> layeringViolations(const fs::path& root, const std::vector<std::string>& chain) {
    std::vector<std::string> violations;
    for (const std::string top : {"src", "tests", "bench", "tools"}) {
        if (!fs::is_directory(root / top)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            if (!entry.is_regular_file() || !isSource(entry.path())) continue;
            const std::string file = fs::relative(entry.path(), root).generic_string();
            // The library a file belongs to: src/<library>/... or tests/<library>/...
            const std::string folder = fs::relative(entry.path(), root / top).begin()->string();
            const auto own =
                top == "src" || top == "tests" ? std::find(chain.begin(), chain.end(), folder) : chain.end();
            std::ifstream in(entry.path());
            std::string line;
            while (std::getline(in, line)) {
                const std::string included = includedBy(line);
                if (included.empty()) continue;
                if (usesSdl(included)) {
                    if (!maySeeSdl(file)) violations.push_back(file + ": " + line);
                } else if (own != chain.end()) {
                    const auto used = std::find(chain.begin(), chain.end(), libraryOf(included));
                    if (used != chain.end() && used > own) violations.push_back(file + ": " + line);
                }
            }
        }
    }
    std::sort(violations.begin(), violations.end());
    return violations;
}

const std::vector<std::string> kChain = split(QUORVEL_CHAIN);

TEST(IncludeChain, TheTreeIncludesOnlyDownTheChain) {
    ASSERT_GE(kChain.size(), 2u);
    const auto violations = layeringViolations(QUORVEL_SOURCE_DIR, kChain);
    EXPECT_TRUE(violations.empty()) << ::testing::PrintToString(violations);
}

TEST(IncludeChain, EachIncludeIsJudgedByTheFoldersOfBothEnds) {
    const struct {
        const char* file;
        const char* include;
        bool allowed;
    } cases[] = {
        {.file = "src/school/a.cpp", .include = "#include \"platform/files/b.h\"", .allowed = true},
        {.file = "src/school/a.cpp", .include = "#include \"school/b.h\"", .allowed = true},
        {.file = "src/platform/a.cpp", .include = "#include \"school/b.h\"", .allowed = false},
        {.file = "src/students/teachers/a.h", .include = "#  include \"economy/b.h\"", .allowed = false},
        {.file = "src/grids/a.cpp", .include = "#include \"state/b.h\"", .allowed = false},
        {.file = "src/host/ui/a.cpp", .include = "#include \"host/runtime/b.h\"", .allowed = true},
        {.file = "tests/host/a_test.cpp", .include = "#include \"platform/b.h\"", .allowed = false},
        {.file = "tests/platform/a_test.cpp", .include = "#include \"support/error_of.h\"", .allowed = true},
        {.file = "tests/content/a_test.cpp", .include = "#include \"devtools/b.h\"", .allowed = true},
        {.file = "src/host/ui/a.cpp", .include = "#include \"host/sdl/b.h\"", .allowed = false},
        {.file = "src/host/sound/a.cpp", .include = "#include <SDL_mixer.h>", .allowed = false},
        {.file = "tests/platform/a_test.cpp", .include = "#include <SDL.h>", .allowed = false},
        {.file = "bench/bench_a.cpp", .include = "#include <SDL.h>", .allowed = false},
        {.file = "src/host/sdl/a.cpp", .include = "#include <SDL.h>", .allowed = true},
        {.file = "tests/content/sdl/a_test.cpp", .include = "#include \"host/sdl/b.h\"", .allowed = true},
        {.file = "src/main.cpp", .include = "#include \"host/sdl/b.h\"", .allowed = true},
    };
    const fs::path root = fs::temp_directory_path() / ("quorvel-layering-" + std::to_string(::getpid()));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.include);
        fs::remove_all(root);
        fs::create_directories((root / c.file).parent_path());
        std::ofstream(root / c.file) << "// a file\n" << c.include << "\n";
        EXPECT_EQ(layeringViolations(root, kChain).empty(), c.allowed);
    }
    fs::remove_all(root);
}

} // namespace
