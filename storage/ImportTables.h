#pragma once

#include "storage/Date.h"
#include "storage/Record.h"

#include <string>

// Tables of the bank import; their rows belong to the database, not to a book.
// Row structs: one public member per column, named like it. Domain classes
// derive from them and add behaviour.

// Bank file formats, shared by all books.
struct CImportFormatRow : CRecord {
    int ImportFormatId = 0;
    std::string Bezeichnung;
    int AutoReadInPath = 0;
    int DateiEndungGleich = 0;
    std::string DateiEndung;
    int DateiNameGleich = 0;
    int DateiNameTeilweiseGleich = 0;
    std::string DateiNameKennstring;
    int Seperator = 0;
    int SpaltenNrKonto = 0;
    int SpaltenNrBeschreibung = 0;
    int SpaltenNrBeschreibung2 = 0;
    int SpaltenNrBeschreibung3 = 0;
    int SpaltenNrDatum = 0;
    int SpaltenNrBetragHaben = 0;
    int SpaltenNrBetragSoll = 0;
    int SpaltenNrZielkonto = 0;
    int SpaltenNrKontostandKennstring = 0;
    int SpaltenNrKontostandHaben = 0;
    int SpaltenNrKontostandSoll = 0;
    int SpaltenNrKontostandDatum = 0;
    int PflichtKonto = 0;
    int PflichtBeschreibung = 0;
    int PflichtDatum = 0;
    int PflichtBetragHaben = 0;
    int PflichtZielkonto = 0;
    int PflichtKontostandKennstring = 0;
    int PflichtKontostandHaben = 0;
    int PflichtKontostandDatum = 0;
    int AlternativBetragHaben = 0;
    int AlternativKontostandHaben = 0;
    std::string VorzeichenBetragFormat;
    std::string VorzeichenKontostandFormat;
    int VorzeichenBetrag = 0;
    int VorzeichenKontostand = 0;
    int m_iKontoInfoEinzelZeile = 0;
    int m_iKontoInfoZeilenOperator = 0;
    int m_iKontoInfoZeile = 0;
    int m_iKontostandEinzelZeile = 0;
    int m_iKontostandZeilenOperator = 0;
    int m_iKontostandZeile = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Import rules, shared by all books. The column of ImportFormatPruef is
// named "ImportFormatPruef  ", with two trailing blanks, in every database.
struct CImportRegelRow : CRecord {
    int ImportRegelId = 0;
    int RegelTypId = 0;
    std::string Kennstring;
    int Selected = 0;
    int UseKennstring = 0;
    int KennstringEnthalten = 0;
    int KennstringPflicht = 0;
    int KennstringPruef = 0;
    int UseDatum = 0;
    CDate Datum;
    int DatumAbweichung = 0;
    int DatumAnzahlTageAbweichung = 0;
    int DatumPflicht = 0;
    int DatumPruef = 0;
    int UseBetrag = 0;
    int OpBetrag = 0;
    double Betrag = 0.0;
    double BetragAbweichungEUR = 0.0;
    int BetragAbweichung = 0;
    int BetragPflicht = 0;
    int BetragPruef = 0;
    int UseImportFormat = 0;
    int ImportFormatId = 0;
    int ImportFormatPflicht = 0;
    int ImportFormatPruef = 0;
    int KontoInfoKontoId = 0;
    int KontoInfoDatei = 0;
    int KontoInfoAbZeile = 0;
    int KontoStandKontoId = 0;
    int KontoStandRechnung = 0;
    int m_iKontoStandAltNeu = 0;
    int UebernahmeDirekt = 0;
    int UebernahmeMeldung = 0;
    int UebernahmePruefung = 0;
    std::string UebernahmeText;
    int VertragId = 0;
    int VorgangsTyp = 0;
    int VonKontoId = 0;
    int NachKontoId = 0;
    int KategorieId = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Imported bank records and their assignment, shared by all books.
struct CUserImportRow : CRecord {
    int UserImportId = 0;
    int RegelId = 0;
    int ImportType = 0;
    int UserImportStatus = 0;
    CDate Datum;
    CDate Faelligkeit;
    double Betrag = 0.0;
    std::string sBeschreibung;
    std::string sUebernahmeText;
    int VertragId = 0;
    int KategorieId = 0;
    int VonKontoId = 0;
    int NachKontoId = 0;
    int iBestaetigt = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};
