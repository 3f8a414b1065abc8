#pragma once
// The month choices of the screens as plain data: the labels a drop-down
// list shows, the month id behind each, and the selected index. A screen
// copies labels and selection into its widget and reads the selection back.

#include <string>
#include <vector>

class CMonatList;

struct CMonthChoice {
  std::vector<std::string> labels;
  std::vector<int> ids;
  int selected = -1;  // -1 for none
};

// The months of the list with from <= id <= to (deleted ones left out); with
// currentMonthId not 0 that month reads "*%s". The previous selection index
// is kept where it still exists.
CMonthChoice FillMonthChoice(const CMonatList& months, int from, int to, int currentMonthId = 0,
                             int previousSelected = -1);
// Every month id from ... to, whether it exists or not, with preselect
// selected (none when it is outside).
CMonthChoice FillEveryMonthChoice(int from, int to, int preselect);
// The month id of the selected label; 0 when nothing is selected.
int ReadMonthChoice(const CMonthChoice& choice);
// Moves the selection by the distance between monthId and the selected
// month (from the first entry when nothing is selected), staying inside.
void SelectMonthChoice(CMonthChoice& choice, int monthId);
// The linked "von"/"bis" pair: a new "von" month refills "bis" with the
// months from it to lastLoad, a new "bis" month refills "von" with those
// from firstLoad to it; the refilled list keeps its month where it can.
CMonthChoice RefillBisChoice(const CMonatList& months, int vonMonthId, int lastLoad, int keptBisMonthId);
CMonthChoice RefillVonChoice(const CMonatList& months, int bisMonthId, int firstLoad, int keptVonMonthId);
