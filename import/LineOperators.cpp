#include "import/LineOperators.h"

#include <array>

namespace {

constexpr std::array kLineOperators = std::to_array<CLineOperator>({
    {0, "in jeder Zeile"},
    {1, "in erster Zeile"},
    {2, "genau in Zeile"},
    {3, "ab Zeile"},
    {4, "bis Zeile"},
    {5, "genau in x-letzter Zeile"},
    {6, "ab x-letzter Zeile"},
    {7, "in letzer Zeile"},
    {-1, ""},
});

}  // namespace

std::span<const CLineOperator> LineOperators() { return kLineOperators; }

bool LineOperatorMatches(int code, int n, int line, int lineCount) {
  switch (code) {
    case -1:
    case 0: return true;
    case 1: return line == 1;
    case 2: return line == n;
    case 3: return line >= n;
    case 4: return line <= n;
    case 5: return line == lineCount - n;
    case 6: return line >= lineCount - n || line == lineCount;
    case 7: return line == lineCount;
    default: return false;
  }
}
