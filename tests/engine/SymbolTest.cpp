// The library shows only what a client derives from, calls and deletes
// through: the exported classes (with their vtables and type information) and
// the plain data. Everything else stays hidden.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<std::string> DynamicSymbols(const std::string& library) {
    const std::string command = "nm -D --defined-only -C '" + library + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<std::string> symbols;
    if (!pipe) return symbols;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::string s(line);
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        // "<address> <type> <name>"
        const auto first = s.find(' ');
        const auto second = s.find(' ', first + 1);
        if (first == std::string::npos || second == std::string::npos) continue;
        symbols.push_back(s.substr(second + 1));
    }
    return symbols;
}

bool Allowed(const std::string& symbol) {
    static const std::regex exported(
        "^((vtable for |typeinfo for |typeinfo name for )?"
        "(CAIListNode|CAIProblem|CAIStdProb|CAIAction|COptimizeOptions|CConditionSet|CParameterSet|"
        "CSolutionTree|IAI_Module|CQuorvel)"
        "(::.*)?"
        "|AI_NO_ERROR|AI_NO_PROBLEM|nQuorvel|fnQuorvel\\(\\))$");
    // What the toolchain itself puts into every shared object (and the
    // sanitizer runtime into an instrumented one).
    static const std::regex toolchain("^(_init|_fini|_edata|_end|__bss_start|__(asan|ubsan|odr_asan|sancov).*)$");
    return std::regex_match(symbol, exported) || std::regex_match(symbol, toolchain);
}

}  // namespace

TEST(EngineSymbols, OnlyTheExportedClassesAndDataAreVisible) {
    const std::vector<std::string> symbols = DynamicSymbols(QUORVEL_LIBRARY_PATH);
    ASSERT_FALSE(symbols.empty()) << "nm found nothing in " << QUORVEL_LIBRARY_PATH;
    for (const std::string& s : symbols) EXPECT_TRUE(Allowed(s)) << "visible but internal: " << s;

    auto has = [&](const std::string& name) {
        return std::find(symbols.begin(), symbols.end(), name) != symbols.end();
    };
    for (const char* needed : {"IAI_Module::Problem(int, CAIProblem*)", "vtable for CAIAction",
                               "typeinfo for CAIStdProb", "AI_NO_ERROR", "fnQuorvel()"})
        EXPECT_TRUE(has(needed)) << "missing: " << needed;
}

TEST(EngineSymbols, InternalHelpersAreHidden) {
    for (const std::string& s : DynamicSymbols(QUORVEL_LIBRARY_PATH)) {
        EXPECT_EQ(s.find("quorvel::"), std::string::npos) << s;
        EXPECT_EQ(s.find("::Rep"), std::string::npos) << s;
    }
}
