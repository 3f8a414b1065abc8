// Quorvel: a small planning engine that solves problems by backward chaining
// over actions the client registers.
//
// The client derives its actions from CAIAction, gives each an action id and
// the number of the problem it solves, and registers them with an IAI_Module.
// IAI_Module::Problem searches for the best way to solve a problem number and
// returns a CSolutionTree; IAI_Module::Execute runs the tree, sub-problems
// first. The engine learns about problems only through the actions' virtual
// operations and CAIProblem::Clone; it never dereferences a problem's data.
//
// Threading: a module runs one search or execution at a time, on the thread
// that calls it. Actions may call back into their module (SetErrorCode).
//
// Ownership, in short: the module owns every registered action and deletes it
// through its virtual destructor; a tree returned by Problem belongs to the
// caller; condition and parameter sets keep their own copies of the problems
// added to them; everything else is the engine's.
#pragma once

#include <memory>

#define QUORVEL_API __attribute__((visibility("default")))
#define QUORVEL_LOCAL __attribute__((visibility("hidden")))

class CConditionSet;
class CParameterSet;
class IAI_Module;

// Base of every object the engine keeps in a list. The list that holds a node
// keeps m_pNext and m_iPosition (0 for the first node) current.
class QUORVEL_API CAIListNode {
public:
    CAIListNode();
    virtual ~CAIListNode();
    // Default: the node's position. Nothing in the engine calls it.
    virtual double SortKey(int key);

    CAIListNode* m_pNext;
    int m_iPosition;
};

// A problem the engine passes around. Clone must return an independent copy
// created with new; the engine deletes it through the virtual destructor.
class QUORVEL_API CAIProblem : public CAIListNode {
public:
    CAIProblem();
    virtual CAIProblem* Clone() = 0;

    int m_iReserved;  // 0; used by nobody
};

// The concrete problem: two integers, two doubles and an untyped pointer
// whose meaning is the client's. The engine never dereferences m_pData.
class QUORVEL_API CAIStdProb : public CAIProblem {
public:
    CAIStdProb();  // all five values zero
    CAIStdProb(int first, int second, double firstD, double secondD, void* data);
    // Sets all five values; the result carries no information.
    int CAISetStdProb(int first, int second, double firstD, double secondD, void* data);
    // REQUIRES nothing; returns a new CAIStdProb owned by the caller.
    CAIProblem* Clone() override;

    int m_iFirst;
    int m_iSecond;
    double m_dFirst;
    double m_dSecond;
    void* m_pData;
};

// Base of the client's actions. An action solves problems of number
// m_iProblemNumber. Check, Prepare, GetConditions and GetValue may run for
// alternatives that are later discarded: change the client's data only in
// Perform.
class QUORVEL_API CAIAction : public CAIListNode {
public:
    CAIAction();
    CAIAction(int actionId, int problemNumber);

    // May add alternative problems with CParameterSet::NewParameterSet; each
    // becomes a candidate of its own. The result is ignored.
    virtual int GetParameters(CAIProblem* problem, CParameterSet* parameters) = 0;
    // Adds the sub-problems this action needs before it can run. The result
    // is ignored.
    virtual int GetConditions(CAIProblem* problem, CConditionSet* conditions) = 0;
    // The value of this step when alternatives are compared.
    virtual double GetValue(CAIProblem* problem, int direction, int combination) = 0;
    // 0 does not apply, 1 applies, 2 veto: give the problem up.
    virtual int Check(CAIProblem* problem) = 0;
    // Called after a successful Check, before GetConditions.
    virtual void Prepare(CAIProblem* problem) = 0;
    // Called once when a solution with this action at its root was chosen.
    virtual void Solved(CAIProblem* problem) = 0;
    // The action's work, called by IAI_Module::Execute. The result is ignored.
    virtual int Perform(CAIProblem* problem) = 0;
    // Never called by the engine.
    virtual void Reserved(CAIProblem* problem) = 0;

    // The error code of the module this action is registered with; 0 while
    // the action is not registered.
    int GetErrorCode();
    // Sets the module's error code; does nothing while not registered.
    void SetErrorCode(int code);

    IAI_Module* m_pModule;  // set by IAI_Module::NewSolutionEdge
    int m_iActionId;
    int m_iProblemNumber;
};

// Options of one search or one condition.
class QUORVEL_API COptimizeOptions {
public:
    COptimizeOptions();                                 // the defaults
    explicit COptimizeOptions(COptimizeOptions* other);  // a copy; defaults for null
    virtual ~COptimizeOptions();

    // Restores priority 0, direction 1, combination 0, horizon 0, required 1,
    // maximum solutions 0; returns 0.
    int SetDefault();
    // Returns a new copy owned by the caller.
    COptimizeOptions* Clone();

    int m_iPriority;      // conditions of higher priority are solved first
    int m_iDirection;     // 1 choose the greatest value, 0 the smallest
    int m_iCombination;   // 1 multiply a tree's values, otherwise add them
    int m_iHorizon;       // absolute depth limit for this condition, 0 none
    int m_iRequired;      // 1 the condition must be solved, 0 it may fail
    int m_iMaxSolutions;  // alternatives to build at most, 0 no limit
};

// The sub-problems one action needs, kept in descending priority; entries of
// equal priority keep the order in which they were added. Every form stores
// its own Clone of the problem (and a copy of the options), so the caller may
// change and reuse its objects. A null problem stands for a zero CAIStdProb.
// Each returns 1 when the condition was added.
class QUORVEL_API CConditionSet {
public:
    CConditionSet();
    ~CConditionSet();
    CConditionSet(const CConditionSet&) = delete;
    CConditionSet& operator=(const CConditionSet&) = delete;

    // A required condition with default options.
    int NewProblem(int number, CAIProblem* p);
    // A condition with a copy of the options (defaults for null); whether it
    // is required is taken from the options as they are.
    int NewProblem(int number, CAIProblem* p, COptimizeOptions* o);
    // An optional condition with default options.
    int NewMayProblem(int number, CAIProblem* p);
    // Sets required 0 in the caller's options, then adds a condition with a
    // copy of them (defaults with required 0 for null).
    int NewMayProblem(int number, CAIProblem* p, COptimizeOptions* o);

    struct Rep;
    QUORVEL_LOCAL Rep& Internal() { return *m_pRep; }

private:
    std::unique_ptr<Rep> m_pRep;
};

// Alternative problems an action offers for one search step, in the order
// added.
class QUORVEL_API CParameterSet : public CAIListNode {
public:
    CParameterSet();
    ~CParameterSet() override;
    CParameterSet(const CParameterSet&) = delete;
    CParameterSet& operator=(const CParameterSet&) = delete;

    // Appends a Clone of the problem (a zero CAIStdProb for null); returns 1.
    int NewParameterSet(CAIProblem* p);
    // Diagnostic walk over the entries; writes nothing.
    void Ausgabe();

    struct Rep;
    QUORVEL_LOCAL Rep& Internal() { return *m_pRep; }

private:
    std::unique_ptr<Rep> m_pRep;
};

// A solution: the chosen step (an action with its own copy of the problem)
// and one child tree per solved condition, in condition order. Destroying a
// tree destroys its children; the actions stay with their module.
class QUORVEL_API CSolutionTree : public CAIListNode {
public:
    CSolutionTree();
    ~CSolutionTree() override;
    CSolutionTree(const CSolutionTree&) = delete;
    CSolutionTree& operator=(const CSolutionTree&) = delete;

    // Read-only views for clients that want to look at a plan before running
    // it. The pointers stay owned by the tree.
    int GetChildCount();
    CSolutionTree* GetChild(int position);  // null when out of range
    CAIAction* GetAction();
    CAIProblem* GetProblem();

    int m_iActionId;  // the action id of the step

    struct Rep;
    QUORVEL_LOCAL Rep& Internal() { return *m_pRep; }

private:
    std::unique_ptr<Rep> m_pRep;
};

// The engine. A client embeds one, registers its actions and asks it to
// solve problems.
class QUORVEL_API IAI_Module {
public:
    IAI_Module();
    // Deletes every registered action exactly once.
    virtual ~IAI_Module();
    IAI_Module(const IAI_Module&) = delete;
    IAI_Module& operator=(const IAI_Module&) = delete;

    // Registers the action (created with new) and takes ownership of it;
    // actions of one problem number are tried in registration order.
    // Returns 1, or 0 for null.
    int NewSolutionEdge(CAIAction* action);
    // Does nothing; returns 0.
    int NewSolutionEdge(int, int);

    // Solves problem `number`. The engine works on copies: the caller keeps
    // its problem (null stands for a zero CAIStdProb). Returns the solution
    // tree, owned by the caller, or null when there is none. Resets the error
    // code to AI_NO_ERROR first.
    CSolutionTree* Problem(int number, CAIProblem* problem);
    // Runs the tree: every child before its parent, children in order. The
    // results of Perform are ignored. Null does nothing; the tree stays the
    // caller's.
    void Execute(CSolutionTree* tree);

    int GetErrorCode();
    // The horizon becomes the current depth + h (outside a search: h; 0
    // removes it). The options are not used.
    void SetHorizont(COptimizeOptions* o, int h);
    void SetMaxSolution(COptimizeOptions* o, int n);
    void SetOptimierung(COptimizeOptions* o, int direction, int combination);
    void SetPrioritaet(COptimizeOptions* o, int priority);

    struct Rep;
    QUORVEL_LOCAL Rep& Internal() { return *m_pRep; }

private:
    std::unique_ptr<Rep> m_pRep;
};

extern QUORVEL_API int AI_NO_ERROR;    // 0
extern QUORVEL_API int AI_NO_PROBLEM;  // 0

// The library's sample items; nothing uses them.
extern QUORVEL_API int nQuorvel;  // 0
QUORVEL_API int fnQuorvel();      // returns 42
class QUORVEL_API CQuorvel {
public:
    CQuorvel();
};
