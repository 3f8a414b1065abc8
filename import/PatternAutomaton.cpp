#include "import/PatternAutomaton.h"

#include <algorithm>
#include <queue>

CPatternAutomaton::CPatternAutomaton(const std::vector<std::string>& patterns) {
  nodes_.emplace_back();
  for (const std::string& pattern : patterns) Insert(pattern, patternCount_++);
  LinkFailures();
  reportedStamp_.assign(static_cast<std::size_t>(patternCount_), 0u);
}

int CPatternAutomaton::Child(int node, unsigned char byte) const {
  const auto& children = nodes_[node].children;
  const auto at = std::lower_bound(children.begin(), children.end(), byte,
                                   [](const auto& child, unsigned char wanted) { return child.first < wanted; });
  return at != children.end() && at->first == byte ? at->second : -1;
}

int CPatternAutomaton::AddChild(int node, unsigned char byte) {
  const int made = static_cast<int>(nodes_.size());
  nodes_.emplace_back();
  auto& children = nodes_[node].children;
  const auto at = std::lower_bound(children.begin(), children.end(), byte,
                                   [](const auto& child, unsigned char wanted) { return child.first < wanted; });
  children.insert(at, {byte, made});
  return made;
}

void CPatternAutomaton::Insert(std::string_view pattern, int index) {
  int node = 0;
  for (const char character : pattern) {
    const auto byte = static_cast<unsigned char>(character);
    const int next = Child(node, byte);
    node = next >= 0 ? next : AddChild(node, byte);
  }
  nodes_[node].patterns.push_back(index);
}

// Breadth first, so a node's failure target is finished before the node.
void CPatternAutomaton::LinkFailures() {
  std::queue<int> waiting;
  for (const auto& [byte, child] : nodes_[0].children) waiting.push(child);
  while (!waiting.empty()) {
    const int node = waiting.front();
    waiting.pop();
    for (const auto& [byte, child] : nodes_[node].children) {
      int fallback = nodes_[node].failure;
      while (fallback > 0 && Child(fallback, byte) < 0) fallback = nodes_[fallback].failure;
      const int target = Child(fallback, byte);
      nodes_[child].failure = target >= 0 && target != child ? target : 0;
      const CNode& failure = nodes_[nodes_[child].failure];
      nodes_[child].nextOutput = failure.patterns.empty() ? failure.nextOutput : nodes_[child].failure;
      waiting.push(child);
    }
  }
}

int CPatternAutomaton::Step(int node, unsigned char byte) const {
  while (true) {
    const int next = Child(node, byte);
    if (next >= 0) return next;
    if (node == 0) return 0;
    node = nodes_[node].failure;
  }
}
