#pragma once

#include "storage/Date.h"
#include "storage/Record.h"

#include <string>

// Tables of the accounting: accounts, entries, contracts, categories, units.
// Row structs: one public member per column, named like it. Domain classes
// derive from them and add behaviour.

// Accounts and assets, one row per account and month.
struct CBestandsdatenRow : CRecord {
    int PostenId = 0;
    int MonatId = 0;
    std::string Bezeichnung;
    int KategorieId = 0;
    int Typ = 0;
    double Betrag = 0.0;
    CDate Datum;
    int CheckErforderlich = 0;
    int Bestaetigt = 0;
    int FirstMonatId = 0;
    int LastMonatId = 0;
    CDate DatumAnschaffung;
    double BetragEndMonat = 0.0;
    int AbschreibArt = 0;
    int LaufzeitEinheit = 0;
    int LaufzeitAnz = 0;
    int KontoAktiv = 0;
    int CalcZins = 0;
    double Zins_Proz_0 = 0.0;
    double Zins_Proz_1 = 0.0;
    double Zins_Proz_2 = 0.0;
    double Zins_Proz_3 = 0.0;
    double Zins_Grenze_0 = 0.0;
    double Zins_Grenze_1 = 0.0;
    double Zins_Grenze_2 = 0.0;
    double BetragFixKosten = 0.0;
    int BerechnungAm = 0;
    double ZinsenMonat = 0.0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Single entries, one row per entry and month.
struct CVorgangRow : CRecord {
    int PostenId = 0;
    int MonatId = 0;
    std::string Bezeichnung;
    int Typ = 0;
    int KategorieId = 0;
    double Betrag = 0.0;
    CDate Datum;
    int Bestaetigt = 0;
    int Sonder = 0;
    int RefVertragPostenId = 0;
    int RefRestwertPostenId = 0;
    CDate FaelligDatum;
    int VorratZugangPostenId = 0;
    int SrcKontoId = 0;
    int TarKontoId = 0;
    int BetrKontoId = 0;
    int TerminMonatId = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Contracts and recurring payments, one row per contract and month.
struct CVertragRow : CRecord {
    int PostenId = 0;
    int MonatId = 0;
    std::string Bezeichnung;
    int Typ = 0;
    int KategorieId = 0;
    int CheckErforderlich = 0;
    double Betrag = 0.0;
    int KontoId = 0;
    int TarKontoId = 0;
    CDate ErsteFaelligkeit;
    CDate NaechsteFaelligkeit;
    CDate LetzteFaelligkeit;
    CDate Zahlung_am;
    int Rueckstellung = 0;
    int AnzZahlungen = 0;
    int ZahlungInTagen = 0;
    int LaufZeit = 0;
    int LaufZeitMonate = 0;
    int FirstMonat = 0;
    int LastMonat = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Categories of a book.
struct CKategorieRow : CRecord {
    int KategorieId = 0;
    std::string Beschreibung;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Units of a book: WertEinheit euros buy AnzEinheit units.
struct CEinheitRow : CRecord {
    int EinheitId = 0;
    std::string Bezeichnung;
    double WertEinheit = 0.0;
    double AnzEinheit = 0.0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};
