// Each library declares the libraries it uses (the build's table): code in
// src/<library>/ and its tests in tests/<library>/ include only their own
// library and those it declares, and the facade-only libraries (the shell and
// the screens) none of the managers state/owned_managers.h lists. SDL belongs
// to the SDL library alone: only sdl/ folders and src/main.cpp include SDL or
// host/sdl/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> split(const std::string& list, char separator) {
    std::vector<std::string> names;
    if (list.empty()) return names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(separator, start), list.size());
        names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// The build's table: each library, in order, with the libraries it uses.
struct Library {
    std::string name;
    std::set<std::string> uses;
};
using Table = std::vector<Library>;

Table tableOf(const std::string& text) {
    Table table;
    for (const std::string& entry : split(text, ' ')) {
        const std::size_t colon = entry.find(':');
        const auto used = split(entry.substr(colon + 1), ',');
        table.push_back({entry.substr(0, colon), {used.begin(), used.end()}});
    }
    return table;
}

const Library* find(const Table& table, const std::string& name) {
    for (const Library& library : table)
        if (library.name == name) return &library;
    return nullptr;
}

// The manager headers a facade-only library may not include, as include texts.
std::set<std::string> managerHeaders(const fs::path& root) {
    std::set<std::string> headers;
    std::ifstream in(root / "src/state/owned_managers.h");
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with("#include \"")) headers.insert(line.substr(9));
    }
    return headers;
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

// Every include of the files under `root` that crosses an undeclared edge,
// as "<file>: <include line>".
std::vector<std::string> layeringViolations(const fs::path& root, const Table& table,
                                            const std::set<std::string>& facadeOnly,
                                            const std::set<std::string>& managers) {
    std::vector<std::string> violations;
    for (const std::string top : {"src", "tests", "bench", "tools"}) {
        if (!fs::is_directory(root / top)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            if (!entry.is_regular_file() || !isSource(entry.path())) continue;
            const std::string file = fs::relative(entry.path(), root).generic_string();
            // The library a file belongs to: src/<library>/... or tests/<library>/...
            const std::string folder = fs::relative(entry.path(), root / top).begin()->string();
            const Library* own = top == "src" || top == "tests" ? find(table, folder) : nullptr;
            std::ifstream in(entry.path());
            std::string line;
            while (std::getline(in, line)) {
                const std::string included = includedBy(line);
                if (included.empty()) continue;
                if (usesSdl(included)) {
                    if (!maySeeSdl(file)) violations.push_back(file + ": " + line);
                    continue;
                }
                if (!own) continue;
                const std::string used = libraryOf(included);
                if (find(table, used) && used != own->name && !own->uses.contains(used))
                    violations.push_back(file + ": " + line);
                else if (facadeOnly.contains(own->name) && managers.contains(included))
                    violations.push_back(file + ": " + line);
            }
        }
    }
    std::sort(violations.begin(), violations.end());
    return violations;
}

const Table kTable = tableOf(QUORVEL_LIBRARIES);
const std::set<std::string> kFacadeOnly = [] {
    const auto names = split(QUORVEL_FACADE_ONLY, ',');
    return std::set<std::string>(names.begin(), names.end());
}();

TEST(IncludeChain, EachLibraryUsesOnlyLibrariesListedBeforeIt) {
    ASSERT_GE(kTable.size(), 2u);
    std::set<std::string> before;
    for (const Library& library : kTable) {
        for (const std::string& used : library.uses)
            EXPECT_TRUE(before.contains(used)) << library.name << " uses " << used;
        before.insert(library.name);
    }
    EXPECT_FALSE(managerHeaders(QUORVEL_SOURCE_DIR).empty());
}

TEST(IncludeChain, TheTreeIncludesOnlyAlongDeclaredEdges) {
    const auto violations =
        layeringViolations(QUORVEL_SOURCE_DIR, kTable, kFacadeOnly, managerHeaders(QUORVEL_SOURCE_DIR));
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
        // Sideways: each library sees only what it declares.
        {.file = "src/battle/combat/a.cpp", .include = "#include \"toolkit/b.h\"", .allowed = false},
        {.file = "src/state/a.cpp", .include = "#include \"grids/b.h\"", .allowed = false},
        {.file = "src/state/a.cpp", .include = "#include \"battleview/battle_driver.h\"", .allowed = false},
        {.file = "src/grids/a.cpp", .include = "#include \"economy/b.h\"", .allowed = false},
        {.file = "tests/state/a_test.cpp", .include = "#include \"toolkit/b.h\"", .allowed = false},
        {.file = "src/grids/a.cpp", .include = "#include \"toolkit/b.h\"", .allowed = true},
        // The screens reach the game through the facade only.
        {.file = "src/app/screens/a.cpp", .include = "#include \"state/cls_data.h\"", .allowed = true},
        {.file = "src/app/screens/a.cpp",
         .include = "#include \"students/roster/cls_mng_student.h\"",
         .allowed = false},
        {.file = "src/app/shell/a.cpp", .include = "#include \"economy/cls_mng_item.h\"", .allowed = false},
        {.file = "src/app/shell/a.cpp",
         .include = "#include \"students/roster/cls_unit_data.h\"",
         .allowed = true},
        {.file = "src/devtools/a.cpp", .include = "#include \"app/shell/b.h\"", .allowed = true},
    };
    const std::set<std::string> managers = managerHeaders(QUORVEL_SOURCE_DIR);
    const fs::path root = fs::temp_directory_path() / ("quorvel-layering-" + std::to_string(::getpid()));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.include);
        fs::remove_all(root);
        fs::create_directories((root / c.file).parent_path());
        std::ofstream(root / c.file) << "// a file\n" << c.include << "\n";
        EXPECT_EQ(layeringViolations(root, kTable, kFacadeOnly, managers).empty(), c.allowed);
    }
    fs::remove_all(root);
}

} // namespace
