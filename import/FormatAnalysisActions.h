#pragma once
// The engine actions of the format recognition. Each poses or answers one
// question about a bank file (the header line, the bookings, the date, text
// and amount columns, the balance line): it offers its candidates, values
// them, and records the one chosen in the recognition state. Problem values
// travel as (first integer, second integer, first double) of a CAIStdProb.
// User-interface thread only.

#include "engine/Quorvel.h"

class CRecognitionState;

// The problems of the recognition.
namespace format_problem {
inline constexpr int kFormat = 1;
inline constexpr int kDateColumn = 2;
inline constexpr int kAmount = 3;
inline constexpr int kDescription = 4;   // first integer: description 0, 1 or 2
inline constexpr int kHeaderLine = 5;
inline constexpr int kDataRange = 6;
inline constexpr int kUnused = 7;        // raised by no action
inline constexpr int kAmountLayout = 8;  // numeric columns, the only one or -1
inline constexpr int kBalanceLine = 9;
inline constexpr int kNever = 99;        // no action solves it
}  // namespace format_problem

// Registers the thirteen actions with module, in the order in which the
// alternatives of one problem are tried; the module owns them. REQUIRES:
// state outlives the module.
void RegisterFormatActions(IAI_Module& module, CRecognitionState& state);
