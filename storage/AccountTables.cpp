#include "storage/AccountTables.h"

const CTableInfo& CBestandsdatenRow::Info()
{
    static const CTableInfo info{"Bestandsdaten", {"BuchId", "MonatId", "PostenId"}, EBookColumn::Caller};
    return info;
}

void CBestandsdatenRow::BindFields(CFieldTable& fields)
{
    fields.Bind("PostenId", PostenId);
    fields.Bind("MonatId", MonatId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("KategorieId", KategorieId);
    fields.Bind("Typ", Typ);
    fields.Bind("Betrag", Betrag);
    fields.Bind("Datum", Datum);
    fields.Bind("CheckErforderlich", CheckErforderlich);
    fields.Bind("Bestaetigt", Bestaetigt);
    fields.Bind("FirstMonatId", FirstMonatId);
    fields.Bind("LastMonatId", LastMonatId);
    fields.Bind("DatumAnschaffung", DatumAnschaffung);
    fields.Bind("BetragEndMonat", BetragEndMonat);
    fields.Bind("AbschreibArt", AbschreibArt);
    fields.Bind("LaufzeitEinheit", LaufzeitEinheit);
    fields.Bind("LaufzeitAnz", LaufzeitAnz);
    fields.Bind("KontoAktiv", KontoAktiv);
    fields.Bind("CalcZins", CalcZins);
    fields.Bind("Zins_Proz_0", Zins_Proz_0);
    fields.Bind("Zins_Proz_1", Zins_Proz_1);
    fields.Bind("Zins_Proz_2", Zins_Proz_2);
    fields.Bind("Zins_Proz_3", Zins_Proz_3);
    fields.Bind("Zins_Grenze_0", Zins_Grenze_0);
    fields.Bind("Zins_Grenze_1", Zins_Grenze_1);
    fields.Bind("Zins_Grenze_2", Zins_Grenze_2);
    fields.Bind("BetragFixKosten", BetragFixKosten);
    fields.Bind("BerechnungAm", BerechnungAm);
    fields.Bind("ZinsenMonat", ZinsenMonat);
}

const CTableInfo& CVorgangRow::Info()
{
    static const CTableInfo info{"Vorgang", {"BuchId", "MonatId", "PostenId"}, EBookColumn::Caller};
    return info;
}

void CVorgangRow::BindFields(CFieldTable& fields)
{
    fields.Bind("PostenId", PostenId);
    fields.Bind("MonatId", MonatId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("Typ", Typ);
    fields.Bind("KategorieId", KategorieId);
    fields.Bind("Betrag", Betrag);
    fields.Bind("Datum", Datum);
    fields.Bind("Bestaetigt", Bestaetigt);
    fields.Bind("Sonder", Sonder);
    fields.Bind("RefVertragPostenId", RefVertragPostenId);
    fields.Bind("RefRestwertPostenId", RefRestwertPostenId);
    fields.Bind("FaelligDatum", FaelligDatum);
    fields.Bind("VorratZugangPostenId", VorratZugangPostenId);
    fields.Bind("SrcKontoId", SrcKontoId);
    fields.Bind("TarKontoId", TarKontoId);
    fields.Bind("BetrKontoId", BetrKontoId);
    fields.Bind("TerminMonatId", TerminMonatId);
}

const CTableInfo& CVertragRow::Info()
{
    static const CTableInfo info{"Vertrag", {"BuchId", "MonatId", "PostenId"}, EBookColumn::Caller};
    return info;
}

void CVertragRow::BindFields(CFieldTable& fields)
{
    fields.Bind("PostenId", PostenId);
    fields.Bind("MonatId", MonatId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("Typ", Typ);
    fields.Bind("KategorieId", KategorieId);
    fields.Bind("CheckErforderlich", CheckErforderlich);
    fields.Bind("Betrag", Betrag);
    fields.Bind("KontoId", KontoId);
    fields.Bind("TarKontoId", TarKontoId);
    fields.Bind("ErsteFaelligkeit", ErsteFaelligkeit);
    fields.Bind("NaechsteFaelligkeit", NaechsteFaelligkeit);
    fields.Bind("LetzteFaelligkeit", LetzteFaelligkeit);
    fields.Bind("Zahlung_am", Zahlung_am);
    fields.Bind("Rueckstellung", Rueckstellung);
    fields.Bind("AnzZahlungen", AnzZahlungen);
    fields.Bind("ZahlungInTagen", ZahlungInTagen);
    fields.Bind("LaufZeit", LaufZeit);
    fields.Bind("LaufZeitMonate", LaufZeitMonate);
    fields.Bind("FirstMonat", FirstMonat);
    fields.Bind("LastMonat", LastMonat);
}

const CTableInfo& CKategorieRow::Info()
{
    static const CTableInfo info{"Kategorie", {"BuchId", "KategorieId"}, EBookColumn::Caller};
    return info;
}

void CKategorieRow::BindFields(CFieldTable& fields)
{
    fields.Bind("KategorieId", KategorieId);
    fields.Bind("Beschreibung", Beschreibung);
}

const CTableInfo& CEinheitRow::Info()
{
    static const CTableInfo info{"Einheit", {"BuchId", "EinheitId"}, EBookColumn::Caller};
    return info;
}

void CEinheitRow::BindFields(CFieldTable& fields)
{
    fields.Bind("EinheitId", EinheitId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("WertEinheit", WertEinheit);
    fields.Bind("AnzEinheit", AnzEinheit);
}
