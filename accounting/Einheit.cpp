#include "accounting/Einheit.h"

CEinheit* CEinheitList::FindByName(std::string_view name) {
  for (CEinheit& einheit : *this)
    if (!einheit.IsDeleted() && einheit.Bezeichnung == name) return &einheit;
  return nullptr;
}
