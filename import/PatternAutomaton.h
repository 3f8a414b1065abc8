#pragma once
// CPatternAutomaton: finds, in one pass over a text, which of many byte
// patterns it contains (the automaton of Aho and Corasick). Built once from
// all patterns, then asked for any number of texts.

#include <algorithm>
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
  // in no particular order. Not reentrant: one search at a time.
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
  mutable std::vector<std::uint32_t> reportedStamp_;
  mutable std::uint32_t searchStamp_ = 0;
};

template <class Found>
void CPatternAutomaton::Search(std::string_view text, Found&& found) const {
  // A pattern may end at many places; it is reported at the first only.
  // A pattern was reported in this search when its stamp is this search's.
  if (++searchStamp_ == 0) {
    std::fill(reportedStamp_.begin(), reportedStamp_.end(), 0u);
    searchStamp_ = 1;
  }
  int node = 0;
  for (const char character : text) {
    node = Step(node, static_cast<unsigned char>(character));
    for (int output = nodes_[node].patterns.empty() ? nodes_[node].nextOutput : node; output >= 0;
         output = nodes_[output].nextOutput) {
      for (const int pattern : nodes_[output].patterns) {
        if (reportedStamp_[pattern] == searchStamp_) continue;
        reportedStamp_[pattern] = searchStamp_;
        found(pattern);
      }
    }
  }
}
