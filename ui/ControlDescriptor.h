#pragma once

// The per-screen control descriptor tables: one entry per control says what
// kind of widget it is, what an edit field holds, its limit, its tool tip and
// its help topic. The same table drives the binding of the edit fields, the
// tool tips, the control help and the field rules' notion of "set".

#include <span>

// The widget kind of a control, numbered as the tables store it.
enum class ControlKind : int {
  Edit = 0,
  DropDown = 1,
  Button = 2,
  CheckBox = 3,
  RadioButton = 4,
  Spin = 5,
  ReadOnlyEdit = 6,
  ListView = 7,
  Group = 9,
};

// What an edit field holds.
enum class FieldType : int { Text = 0, Number = 1, Date = 2, Other = 3, SignedNumber = 4 };

struct CControlDescriptor {
  int controlId = 0;
  ControlKind kind = ControlKind::Edit;
  FieldType type = FieldType::Text;
  // Text: the most characters; numbers: the decimals shown (0 to 3).
  int limit = 0;
  // The tool tip, or nullptr for none. Static text of the screen's table.
  const char* toolTip = nullptr;
  // The help topic, or 0 for none.
  int helpTopic = 0;
};

// A screen's table. An entry with control id 0 ends it early, so tables
// written with a closing entry read the same.
using CControlTable = std::span<const CControlDescriptor>;

// The entry of controlId, or nullptr when the table has none.
inline const CControlDescriptor* FindControl(CControlTable table, int controlId) {
  for (const CControlDescriptor& entry : table) {
    if (entry.controlId == 0) break;
    if (entry.controlId == controlId) return &entry;
  }
  return nullptr;
}

inline bool IsEditKind(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::ReadOnlyEdit; }
inline bool IsNumberType(FieldType type) { return type == FieldType::Number || type == FieldType::SignedNumber; }
