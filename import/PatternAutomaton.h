#pragma once
// CPatternAutomaton: finds, in one pass over a text, which of many byte
// patterns it contains (the automaton of Aho and Corasick). Built once from
// all patterns, then asked for any number of texts.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CPatternAutomaton {
 public:
  // REQUIRES: no pattern is empty (every text contains the empty one; the
  // caller knows that without searching).
  explicit CPatternAutomaton(const std::vector<std::string>& patterns);

  // Calls found(pattern index) once for every pattern the text contains,
  // in no particular order.
  template <class Found>
  void Search(std::string_view text, Found&& found) const;

  int PatternCount() const { return patternCount_; }

 private:
  struct CNode {
    // Sorted by byte.
    std::vector<std::pair<unsigned char, int>> children;
    int failure = 0;
    // The nearest node on the failure chain that ends a pattern, -1 if none.
    int nextOutput = -1;
    std::vector<int> patterns;
  };

  int Child(int node, unsigned char byte) const;
  int AddChild(int node, unsigned char byte);
  void Insert(std::string_view pattern, int index);
  void LinkFailures();
  // The node the automaton goes to from `node` on `byte`.
  int Step(int node, unsigned char byte) const;

  std::vector<CNode> nodes_;
  int patternCount_ = 0;
};

template <class Found>
void CPatternAutomaton::Search(std::string_view text, Found&& found) const {
  // A pattern may end at many places; it is reported at the first only.
  std::vector<std::uint8_t> reported(static_cast<std::size_t>(patternCount_), 0);
  int node = 0;
  for (const char character : text) {
    node = Step(node, static_cast<unsigned char>(character));
    for (int output = nodes_[node].patterns.empty() ? nodes_[node].nextOutput : node; output >= 0;
         output = nodes_[output].nextOutput) {
      for (const int pattern : nodes_[output].patterns) {
        if (reported[pattern]) continue;
        reported[pattern] = 1;
        found(pattern);
      }
    }
  }
}
