// Types the engine keeps to itself. Nothing here is visible outside the
// library.
#pragma once

#include <memory>
#include <vector>

#include "Quorvel.h"

namespace quorvel {

// Owning singly linked list of CAIListNode. Keeps every node's m_pNext and
// m_iPosition current and deletes its nodes through their virtual destructor.
class CAIList {
public:
    CAIList() = default;
    ~CAIList() { Clear(); }
    CAIList(const CAIList&) = delete;
    CAIList& operator=(const CAIList&) = delete;

    void Append(CAIListNode* node);
    // Appends when position is not below the count.
    void InsertAt(CAIListNode* node, int position);
    CAIListNode* Find(int position);
    void Clear();

    CAIListNode* Head() const { return m_pHead; }
    CAIListNode* Tail() const { return m_pTail; }
    int Count() const { return m_iCount; }

private:
    void Renumber(CAIListNode* from, int position);

    CAIListNode* m_pHead = nullptr;
    CAIListNode* m_pTail = nullptr;
    CAIListNode* m_pShortcut = nullptr;  // the node appended or found last
    int m_iCount = 0;
};

// Walks a list's nodes as a given type.
template <class T, class F>
void ForEach(const CAIList& list, F&& visit) {
    for (CAIListNode* n = list.Head(); n != nullptr; n = n->m_pNext)
        visit(static_cast<T*>(n));
}

std::unique_ptr<CAIProblem> CloneOrZero(CAIProblem* p);

// One condition of an action: its problem number with its own copy of the
// problem and of the options.
struct CConditionEntry : CAIListNode {
    CConditionEntry(int number, std::unique_ptr<CAIProblem> p, const COptimizeOptions& o)
        : m_iNumber(number), m_pProblem(std::move(p)), m_Options(o) {}
    int m_iNumber;
    std::unique_ptr<CAIProblem> m_pProblem;
    COptimizeOptions m_Options;
};

// An action bound to its own copy of a problem.
struct CSolutionStep : CAIListNode {
    CSolutionStep(CAIAction* action, std::unique_ptr<CAIProblem> p)
        : m_pAction(action), m_iActionId(action->m_iActionId), m_pProblem(std::move(p)) {}
    CAIAction* m_pAction;  // not owned: it stays with its module
    int m_iActionId;
    std::unique_ptr<CAIProblem> m_pProblem;
};

// The alternatives for one problem number, in registration order.
using CCandidateSet = std::vector<std::unique_ptr<CSolutionStep>>;

}  // namespace quorvel

struct CConditionSet::Rep {
    quorvel::CAIList entries;  // of CConditionEntry, descending priority
};

struct CParameterSet::Rep {
    quorvel::CAIList problems;  // of CAIProblem
};

struct CSolutionTree::Rep {
    std::unique_ptr<quorvel::CSolutionStep> step;
    quorvel::CAIList children;  // of CSolutionTree
};

struct IAI_Module::Rep {
    static constexpr int kMaxDepth = 200;

    quorvel::CAIList actions;  // of CAIAction, registration order
    int errorCode = 0;
    int depth = 0;
    int horizon = 200;
};

namespace quorvel {

// The search and the execution walk (Search.cpp).
CSolutionTree* Solve(IAI_Module::Rep& module, int number, CAIProblem* problem,
                     COptimizeOptions& options);
void ExecuteNode(IAI_Module::Rep& module, CSolutionTree* tree);

}  // namespace quorvel
