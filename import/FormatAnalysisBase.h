#pragma once
// The common ground of the recognition's actions: the problem values under
// plain names, adding candidates and conditions, and the base class that
// writes the engine's trace lines to the debug log ("Valuation %d" when an
// alternative is valued, "ImnerExecute %d" when a solution is chosen).
// Check, Prepare and GetConditions only look; what an action finds goes into
// the recognition state in Solved (during the search, so later questions
// see it) and again in Perform.

#include <memory>

#include "engine/Quorvel.h"

class CRecognitionState;

struct CFormatValues {
  int first = 0;
  int second = 0;
  double firstD = 0.0;
};

class CFormatAction : public CAIAction {
 public:
  CFormatAction(int actionId, int problemNumber, CRecognitionState& state)
      : CAIAction(actionId, problemNumber), state_(state) {}

  int GetParameters(CAIProblem* problem, CParameterSet* parameters) override;
  int GetConditions(CAIProblem* problem, CConditionSet* conditions) override;
  double GetValue(CAIProblem* problem, int direction, int combination) override;
  int Check(CAIProblem*) override { return 1; }
  void Prepare(CAIProblem*) override {}
  void Solved(CAIProblem* problem) override;
  int Perform(CAIProblem* problem) override;
  void Reserved(CAIProblem*) override {}

 protected:
  // Candidates of the action; none means the problem itself is the only one.
  virtual void Offer(const CFormatValues&, CParameterSet&) {}
  virtual void Require(const CFormatValues&, CConditionSet&) {}
  virtual double Value(const CFormatValues&) { return 0.0; }
  virtual void Record(const CFormatValues&) {}
  virtual void Apply(const CFormatValues&) {}

  static void Add(CParameterSet& parameters, int first, int second, double firstD = 0.0);
  static void Need(CConditionSet& conditions, int problemNumber, int first, int second);
  static void Allow(CConditionSet& conditions, int problemNumber, int first, int second);

  CRecognitionState& State() { return state_; }
  const CRecognitionState& State() const { return state_; }

 private:
  CRecognitionState& state_;
};

// The actions of FormatAnalysisLineActions.cpp, for the registration.
std::unique_ptr<CAIAction> MakeDescriptionAction(CRecognitionState& state);
std::unique_ptr<CAIAction> MakeHeaderLineAction(CRecognitionState& state);
std::unique_ptr<CAIAction> MakeDataRangeAction(CRecognitionState& state);
std::unique_ptr<CAIAction> MakeBalanceLineAction(CRecognitionState& state);
std::unique_ptr<CAIAction> MakeNoBalanceLineAction(CRecognitionState& state);
// Actions 7 and 8 answer problem 7, which no action raises; they keep their
// place in the registration.
std::unique_ptr<CAIAction> MakeUnusedAction(int actionId, CRecognitionState& state);
