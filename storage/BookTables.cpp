#include "storage/BookTables.h"

const CTableInfo& CHaushaltsbuchRow::Info()
{
    static const CTableInfo info{"Haushaltsbuch", {"BuchId"}, EBookColumn::Member};
    return info;
}

void CHaushaltsbuchRow::BindFields(CFieldTable& fields)
{
    fields.Bind("BuchId", BuchId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("LastMonatId", LastMonatId);
    fields.Bind("AktMonatId", AktMonatId);
    fields.Bind("FirstExistMonatId", FirstExistMonatId);
    fields.Bind("LastExistMonatId", LastExistMonatId);
    fields.Bind("FirstLoadMonatId", FirstLoadMonatId);
    fields.Bind("LastLoadMonatId", LastLoadMonatId);
    fields.Bind("IsCurrentBook", IsCurrentBook);
    fields.Bind("FilterSpeichern", FilterSpeichern);
    fields.Bind("AnzMonateLaden", AnzMonateLaden);
    fields.Bind("AnzAngelegteMonate", AnzAngelegteMonate);
    fields.Bind("DatumErstellung", DatumErstellung);
    fields.Bind("DatumLetzteAenderung", DatumLetzteAenderung);
    fields.Bind("AktMonatUser", AktMonatUser);
    fields.Bind("HauptKontoId", HauptKontoId);
    fields.Bind("ProgVers", ProgVers);
    fields.Bind("DBVers", DBVers);
}

const CTableInfo& CMonatRow::Info()
{
    static const CTableInfo info{"Monat", {"BuchId", "MonatId"}, EBookColumn::Member};
    return info;
}

void CMonatRow::BindFields(CFieldTable& fields)
{
    fields.Bind("BuchId", BuchId);
    fields.Bind("MonatId", MonatId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("Gewinn", Gewinn);
    fields.Bind("Vermoegen", Vermoegen);
    fields.Bind("Zuwachs", Zuwachs);
    fields.Bind("SumEinahmen", SumEinahmen);
    fields.Bind("SumAusgaben", SumAusgaben);
    fields.Bind("SumAbschreib", SumAbschreib);
    fields.Bind("SumRueckstell", SumRueckstell);
}

const CTableInfo& CAusblickRow::Info()
{
    static const CTableInfo info{"Ausblick", {"BuchId", "AusblickId"}, EBookColumn::Caller};
    return info;
}

void CAusblickRow::BindFields(CFieldTable& fields)
{
    fields.Bind("AusblickId", AusblickId);
    fields.Bind("PostenId", PostenId);
    fields.Bind("AusblickTyp", AusblickTyp);
    fields.Bind("AusblickExtTyp", AusblickExtTyp);
    fields.Bind("KontoId", KontoId);
    fields.Bind("TarKontoId", TarKontoId);
    fields.Bind("Ignorieren", Ignorieren);
    fields.Bind("Verteilt", Verteilt);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("Datum", Datum);
    fields.Bind("Betrag", Betrag);
    fields.Bind("Tagesbetrag", Tagesbetrag);
    fields.Bind("MinBetrag", MinBetrag);
    fields.Bind("MaxBetrag", MaxBetrag);
    fields.Bind("Score", Score);
    fields.Bind("VaterScore", VaterScore);
    fields.Bind("Haeufigkeit", Haeufigkeit);
}

const CTableInfo& CMaskDataRow::Info()
{
    static const CTableInfo info{"MaskData", {"BuchId", "MaskId"}, EBookColumn::Caller};
    return info;
}

void CMaskDataRow::BindFields(CFieldTable& fields)
{
    fields.Bind("MaskId", MaskId);
    fields.Bind("FirstFilterMonatId", FirstFilterMonatId);
    fields.Bind("LastFilterMonatId", LastFilterMonatId);
    fields.Bind("GroupBy", GroupBy);
    fields.Bind("VoraeteVerbrauch", VoraeteVerbrauch);
    fields.Bind("InclChecked", InclChecked);
    fields.Bind("InclUnchecked", InclUnchecked);
    fields.Bind("OnlyAktiv", OnlyAktiv);
    fields.Bind("GrafikTyp", GrafikTyp);
    fields.Bind("ShowIgnoreKonto", ShowIgnoreKonto);
    fields.Bind("SofortUpdate", SofortUpdate);
    fields.Bind("AnzProgMonate", AnzProgMonate);
    fields.Bind("FilterKategorieId", FilterKategorieId);
    fields.Bind("FilterKontoId", FilterKontoId);
    fields.Bind("VertragTermingenau", VertragTermingenau);
    fields.Bind("Jahresdurschnitt", Jahresdurschnitt);
    fields.Bind("InclVertraege", InclVertraege);
    fields.Bind("VorgangsTyp", VorgangsTyp);
    fields.Bind("Gehaeuft", Gehaeuft);
    fields.Bind("Vertragstyp", Vertragstyp);
    fields.Bind("StatTyp", StatTyp);
    fields.Bind("LastImportFileName", LastImportFileName);
}

const CTableInfo& CReportRow::Info()
{
    static const CTableInfo info{"Report", {"BuchId", "ReportId"}, EBookColumn::Caller};
    return info;
}

void CReportRow::BindFields(CFieldTable& fields)
{
    fields.Bind("ReportId", ReportId);
    fields.Bind("ReportTyp", ReportTyp);
    fields.Bind("AuagabeText", AuagabeText);
    fields.Bind("FlagAltText", FlagAltText);
    fields.Bind("Aktiv", Aktiv);
    fields.Bind("FarbIndex", FarbIndex);
    fields.Bind("KontoId", KontoId);
    fields.Bind("KategorieId", KategorieId);
    fields.Bind("VertragId", VertragId);
    fields.Bind("NotChecked", NotChecked);
    fields.Bind("FlagObenUnten", FlagObenUnten);
    fields.Bind("FlagCheckBetrag", FlagCheckBetrag);
    fields.Bind("Betrag", Betrag);
    fields.Bind("FlagVorNach", FlagVorNach);
    fields.Bind("FlagTageWochen", FlagTageWochen);
    fields.Bind("AnzTage", AnzTage);
}
