#include "Internal.h"

using quorvel::CConditionEntry;

int AI_NO_ERROR = 0;
int AI_NO_PROBLEM = 0;
int nQuorvel = 0;

int fnQuorvel() { return 42; }

CQuorvel::CQuorvel() = default;

// --- problems ---------------------------------------------------------------

CAIProblem::CAIProblem() : m_iReserved(0) {}

CAIStdProb::CAIStdProb() : CAIStdProb(0, 0, 0.0, 0.0, nullptr) {}

CAIStdProb::CAIStdProb(int first, int second, double firstD, double secondD, void* data)
    : m_iFirst(first), m_iSecond(second), m_dFirst(firstD), m_dSecond(secondD), m_pData(data) {}

int CAIStdProb::CAISetStdProb(int first, int second, double firstD, double secondD, void* data) {
    m_iFirst = first;
    m_iSecond = second;
    m_dFirst = firstD;
    m_dSecond = secondD;
    m_pData = data;
    return 1;
}

CAIProblem* CAIStdProb::Clone() {
    return new CAIStdProb(m_iFirst, m_iSecond, m_dFirst, m_dSecond, m_pData);
}

namespace quorvel {

std::unique_ptr<CAIProblem> CloneOrZero(CAIProblem* p) {
    if (p == nullptr) return std::make_unique<CAIStdProb>();
    return std::unique_ptr<CAIProblem>(p->Clone());
}

}  // namespace quorvel

// --- actions ----------------------------------------------------------------

CAIAction::CAIAction() : CAIAction(0, 0) {}

CAIAction::CAIAction(int actionId, int problemNumber)
    : m_pModule(nullptr), m_iActionId(actionId), m_iProblemNumber(problemNumber) {}

int CAIAction::GetErrorCode() { return m_pModule != nullptr ? m_pModule->GetErrorCode() : AI_NO_ERROR; }

void CAIAction::SetErrorCode(int code) {
    if (m_pModule != nullptr) m_pModule->Internal().errorCode = code;
}

// --- options ----------------------------------------------------------------

COptimizeOptions::COptimizeOptions() { SetDefault(); }

COptimizeOptions::COptimizeOptions(COptimizeOptions* other) {
    if (other == nullptr) {
        SetDefault();
        return;
    }
    m_iPriority = other->m_iPriority;
    m_iDirection = other->m_iDirection;
    m_iCombination = other->m_iCombination;
    m_iHorizon = other->m_iHorizon;
    m_iRequired = other->m_iRequired;
    m_iMaxSolutions = other->m_iMaxSolutions;
}

COptimizeOptions::~COptimizeOptions() = default;

int COptimizeOptions::SetDefault() {
    m_iPriority = 0;
    m_iDirection = 1;
    m_iCombination = 0;
    m_iHorizon = 0;
    m_iRequired = 1;
    m_iMaxSolutions = 0;
    return 0;
}

COptimizeOptions* COptimizeOptions::Clone() { return new COptimizeOptions(this); }

// --- condition sets ---------------------------------------------------------

CConditionSet::CConditionSet() : m_pRep(std::make_unique<Rep>()) {}

CConditionSet::~CConditionSet() = default;

namespace {

// Keeps the entries in descending priority; a new entry goes before the first
// one of lower priority, so equal priorities keep the order they came in.
void InsertByPriority(quorvel::CAIList& entries, int number, CAIProblem* p, const COptimizeOptions& o) {
    auto entry = new CConditionEntry(number, quorvel::CloneOrZero(p), o);
    auto* tail = static_cast<CConditionEntry*>(entries.Tail());
    if (tail == nullptr || tail->m_Options.m_iPriority >= o.m_iPriority) {
        entries.Append(entry);  // the common case: nothing of lower priority yet
        return;
    }
    int position = 0;
    for (CAIListNode* n = entries.Head(); n != nullptr; n = n->m_pNext, ++position)
        if (static_cast<CConditionEntry*>(n)->m_Options.m_iPriority < o.m_iPriority) break;
    entries.InsertAt(entry, position);
}

}  // namespace

int CConditionSet::NewProblem(int number, CAIProblem* p) {
    return NewProblem(number, p, nullptr);
}

int CConditionSet::NewProblem(int number, CAIProblem* p, COptimizeOptions* o) {
    InsertByPriority(m_pRep->entries, number, p, COptimizeOptions(o));
    return 1;
}

int CConditionSet::NewMayProblem(int number, CAIProblem* p) {
    COptimizeOptions optional;
    optional.m_iRequired = 0;
    InsertByPriority(m_pRep->entries, number, p, optional);
    return 1;
}

int CConditionSet::NewMayProblem(int number, CAIProblem* p, COptimizeOptions* o) {
    if (o == nullptr) return NewMayProblem(number, p);
    o->m_iRequired = 0;
    InsertByPriority(m_pRep->entries, number, p, *o);
    return 1;
}

// --- parameter sets ---------------------------------------------------------

CParameterSet::CParameterSet() : m_pRep(std::make_unique<Rep>()) {}

CParameterSet::~CParameterSet() = default;

int CParameterSet::NewParameterSet(CAIProblem* p) {
    m_pRep->problems.Append(quorvel::CloneOrZero(p).release());
    return 1;
}

// The diagnostic output is silent in release builds: the walk is kept so that
// a debugging build can print each entry here.
void CParameterSet::Ausgabe() {
    quorvel::ForEach<CAIProblem>(m_pRep->problems, [](CAIProblem*) {});
}

// --- solution trees ---------------------------------------------------------

CSolutionTree::CSolutionTree() : m_iActionId(0), m_pRep(std::make_unique<Rep>()) {}

CSolutionTree::~CSolutionTree() = default;

int CSolutionTree::GetChildCount() { return m_pRep->children.Count(); }

CSolutionTree* CSolutionTree::GetChild(int position) {
    return static_cast<CSolutionTree*>(m_pRep->children.Find(position));
}

CAIAction* CSolutionTree::GetAction() { return m_pRep->step ? m_pRep->step->m_pAction : nullptr; }

CAIProblem* CSolutionTree::GetProblem() { return m_pRep->step ? m_pRep->step->m_pProblem.get() : nullptr; }

// --- the module -------------------------------------------------------------

IAI_Module::IAI_Module() : m_pRep(std::make_unique<Rep>()) {}

IAI_Module::~IAI_Module() = default;

int IAI_Module::NewSolutionEdge(CAIAction* action) {
    if (action == nullptr) return 0;
    action->m_pModule = this;
    m_pRep->actions.Append(action);
    return 1;
}

int IAI_Module::NewSolutionEdge(int, int) { return 0; }

CSolutionTree* IAI_Module::Problem(int number, CAIProblem* problem) {
    COptimizeOptions options;
    m_pRep->depth = 0;
    m_pRep->errorCode = AI_NO_ERROR;
    // The caller keeps its problem; the search works on a copy of it.
    std::unique_ptr<CAIProblem> copy = quorvel::CloneOrZero(problem);
    return quorvel::Solve(*m_pRep, number, copy.get(), options);
}

void IAI_Module::Execute(CSolutionTree* tree) {
    if (tree == nullptr) return;
    quorvel::ExecuteNode(*m_pRep, tree);
}

int IAI_Module::GetErrorCode() { return m_pRep->errorCode; }

void IAI_Module::SetHorizont(COptimizeOptions*, int h) { m_pRep->horizon = m_pRep->depth + h; }

void IAI_Module::SetMaxSolution(COptimizeOptions* o, int n) {
    if (o != nullptr) o->m_iMaxSolutions = n;
}

void IAI_Module::SetOptimierung(COptimizeOptions* o, int direction, int combination) {
    if (o == nullptr) return;
    o->m_iDirection = direction;
    o->m_iCombination = combination;
}

void IAI_Module::SetPrioritaet(COptimizeOptions* o, int priority) {
    if (o != nullptr) o->m_iPriority = priority;
}
