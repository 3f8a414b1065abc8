#include "storage/PrintTables.h"

const CTableInfo& CVorlageRow::Info()
{
    static const CTableInfo info{"Vorlage", {"BuchId", "DruckId", "VorlageId"}, EBookColumn::Caller};
    return info;
}

void CVorlageRow::BindFields(CFieldTable& fields)
{
    fields.Bind("DruckId", DruckId);
    fields.Bind("VorlageId", VorlageId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("InclGrafik", InclGrafik);
    fields.Bind("LastUsed", LastUsed);
    fields.Bind("GrafikDesign", GrafikDesign);
    fields.Bind("TextFont", TextFont);
    fields.Bind("TextSize", TextSize);
    fields.Bind("SeitenFormat", SeitenFormat);
    fields.Bind("LayoutId", LayoutId);
    fields.Bind("TrenlinieW", TrenlinieW);
    fields.Bind("TrenlinieS", TrenlinieS);
    fields.Bind("SummeUeberVarId", SummeUeberVarId);
    fields.Bind("Sortierung1VarId", Sortierung1VarId);
    fields.Bind("Gruppierung1", Gruppierung1);
    fields.Bind("Zwischensumme1", Zwischensumme1);
    fields.Bind("Sortierung2VarId", Sortierung2VarId);
    fields.Bind("Gruppierung2", Gruppierung2);
    fields.Bind("Zwischensumme2", Zwischensumme2);
}

const CTableInfo& CSpaltenRow::Info()
{
    static const CTableInfo info{"Spalten", {"BuchId", "DruckId", "PostenId"}, EBookColumn::Caller};
    return info;
}

void CSpaltenRow::BindFields(CFieldTable& fields)
{
    fields.Bind("DruckId", DruckId);
    fields.Bind("VorlageId", VorlageId);
    fields.Bind("SpaltenId", SpaltenId);
    fields.Bind("PostenId", PostenId);
    fields.Bind("AltBezeichnung", AltBezeichnung);
    fields.Bind("Checked", Checked);
    fields.Bind("BreiteProz", BreiteProz);
    fields.Bind("OrderNr", OrderNr);
}

const CTableInfo& CLayoutRow::Info()
{
    static const CTableInfo info{"Layout", {"BuchId", "LayoutId"}, EBookColumn::Caller};
    return info;
}

void CLayoutRow::BindFields(CFieldTable& fields)
{
    fields.Bind("LayoutId", LayoutId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("FontAusVorlage", FontAusVorlage);
    fields.Bind("TextFont", TextFont);
    fields.Bind("TextSize", TextSize);
    fields.Bind("Datum", Datum);
    fields.Bind("DatumMitUhrzeit", DatumMitUhrzeit);
    fields.Bind("Seitenzahlen", Seitenzahlen);
    fields.Bind("SeitenzahlenMitVonMaxSeite", SeitenzahlenMitVonMaxSeite);
    fields.Bind("Buchname", Buchname);
    fields.Bind("BuchnameNurErsteSeite", BuchnameNurErsteSeite);
    fields.Bind("Vorlage", Vorlage);
    fields.Bind("VorlageNurErsteSeite", VorlageNurErsteSeite);
    fields.Bind("Filter", Filter);
    fields.Bind("FilterNurErsteSeite", FilterNurErsteSeite);
}

const CTableInfo& CConstrainRow::Info()
{
    static const CTableInfo info{"Constrain", {"BuchId", "DruckId", "ConstrainId"}, EBookColumn::Caller};
    return info;
}

void CConstrainRow::BindFields(CFieldTable& fields)
{
    fields.Bind("DruckId", DruckId);
    fields.Bind("ConstrainId", ConstrainId);
    fields.Bind("VorlageId", VorlageId);
    fields.Bind("VariableId", VariableId);
    fields.Bind("Operator", Operator);
    fields.Bind("TypValue", TypValue);
    fields.Bind("dCmpValue", dCmpValue);
    fields.Bind("iCmpValue", iCmpValue);
    fields.Bind("GanzeZeile", GanzeZeile);
    fields.Bind("Style", Style);
    fields.Bind("Color", Color);
    fields.Bind("SpaltenNr", SpaltenNr);
}
