#pragma once

#include "storage/Date.h"
#include "storage/Record.h"

#include <string>

// Tables of the print templates.
// Row structs: one public member per column, named like it. Domain classes
// derive from them and add behaviour.

// Print templates.
struct CVorlageRow : CRecord {
    int DruckId = 0;
    int VorlageId = 0;
    std::string Bezeichnung;
    int InclGrafik = 0;
    int LastUsed = 0;
    int GrafikDesign = 0;
    std::string TextFont;
    int TextSize = 0;
    int SeitenFormat = 0;
    int LayoutId = 0;
    int TrenlinieW = 0;
    int TrenlinieS = 0;
    int SummeUeberVarId = 0;
    int Sortierung1VarId = 0;
    int Gruppierung1 = 0;
    int Zwischensumme1 = 0;
    int Sortierung2VarId = 0;
    int Gruppierung2 = 0;
    int Zwischensumme2 = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Print columns; looked up by PostenId, not by SpaltenId.
struct CSpaltenRow : CRecord {
    int DruckId = 0;
    int VorlageId = 0;
    int SpaltenId = 0;
    int PostenId = 0;
    std::string AltBezeichnung;
    int Checked = 0;
    double BreiteProz = 0.0;
    int OrderNr = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Page layouts; Datum is a flag here, not a date.
struct CLayoutRow : CRecord {
    int LayoutId = 0;
    std::string Bezeichnung;
    int FontAusVorlage = 0;
    std::string TextFont;
    int TextSize = 0;
    int Datum = 0;
    int DatumMitUhrzeit = 0;
    int Seitenzahlen = 0;
    int SeitenzahlenMitVonMaxSeite = 0;
    int Buchname = 0;
    int BuchnameNurErsteSeite = 0;
    int Vorlage = 0;
    int VorlageNurErsteSeite = 0;
    int Filter = 0;
    int FilterNurErsteSeite = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Print row conditions.
struct CConstrainRow : CRecord {
    int DruckId = 0;
    int ConstrainId = 0;
    int VorlageId = 0;
    int VariableId = 0;
    int Operator = 0;
    int TypValue = 0;
    double dCmpValue = 0.0;
    int iCmpValue = 0;
    int GanzeZeile = 0;
    int Style = 0;
    int Color = 0;
    int SpaltenNr = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};
