#include "storage/ImportTables.h"

const CTableInfo& CImportFormatRow::Info()
{
    static const CTableInfo info{"ImportFormat", {"ImportFormatId"}, EBookColumn::None};
    return info;
}

void CImportFormatRow::BindFields(CFieldTable& fields)
{
    fields.Bind("ImportFormatId", ImportFormatId);
    fields.Bind("Bezeichnung", Bezeichnung);
    fields.Bind("AutoReadInPath", AutoReadInPath);
    fields.Bind("DateiEndungGleich", DateiEndungGleich);
    fields.Bind("DateiEndung", DateiEndung);
    fields.Bind("DateiNameGleich", DateiNameGleich);
    fields.Bind("DateiNameTeilweiseGleich", DateiNameTeilweiseGleich);
    fields.Bind("DateiNameKennstring", DateiNameKennstring);
    fields.Bind("Seperator", Seperator);
    fields.Bind("SpaltenNrKonto", SpaltenNrKonto);
    fields.Bind("SpaltenNrBeschreibung", SpaltenNrBeschreibung);
    fields.Bind("SpaltenNrBeschreibung2", SpaltenNrBeschreibung2);
    fields.Bind("SpaltenNrBeschreibung3", SpaltenNrBeschreibung3);
    fields.Bind("SpaltenNrDatum", SpaltenNrDatum);
    fields.Bind("SpaltenNrBetragHaben", SpaltenNrBetragHaben);
    fields.Bind("SpaltenNrBetragSoll", SpaltenNrBetragSoll);
    fields.Bind("SpaltenNrZielkonto", SpaltenNrZielkonto);
    fields.Bind("SpaltenNrKontostandKennstring", SpaltenNrKontostandKennstring);
    fields.Bind("SpaltenNrKontostandHaben", SpaltenNrKontostandHaben);
    fields.Bind("SpaltenNrKontostandSoll", SpaltenNrKontostandSoll);
    fields.Bind("SpaltenNrKontostandDatum", SpaltenNrKontostandDatum);
    fields.Bind("PflichtKonto", PflichtKonto);
    fields.Bind("PflichtBeschreibung", PflichtBeschreibung);
    fields.Bind("PflichtDatum", PflichtDatum);
    fields.Bind("PflichtBetragHaben", PflichtBetragHaben);
    fields.Bind("PflichtZielkonto", PflichtZielkonto);
    fields.Bind("PflichtKontostandKennstring", PflichtKontostandKennstring);
    fields.Bind("PflichtKontostandHaben", PflichtKontostandHaben);
    fields.Bind("PflichtKontostandDatum", PflichtKontostandDatum);
    fields.Bind("AlternativBetragHaben", AlternativBetragHaben);
    fields.Bind("AlternativKontostandHaben", AlternativKontostandHaben);
    fields.Bind("VorzeichenBetragFormat", VorzeichenBetragFormat);
    fields.Bind("VorzeichenKontostandFormat", VorzeichenKontostandFormat);
    fields.Bind("VorzeichenBetrag", VorzeichenBetrag);
    fields.Bind("VorzeichenKontostand", VorzeichenKontostand);
    fields.Bind("m_iKontoInfoEinzelZeile", m_iKontoInfoEinzelZeile);
    fields.Bind("m_iKontoInfoZeilenOperator", m_iKontoInfoZeilenOperator);
    fields.Bind("m_iKontoInfoZeile", m_iKontoInfoZeile);
    fields.Bind("m_iKontostandEinzelZeile", m_iKontostandEinzelZeile);
    fields.Bind("m_iKontostandZeilenOperator", m_iKontostandZeilenOperator);
    fields.Bind("m_iKontostandZeile", m_iKontostandZeile);
}

const CTableInfo& CImportRegelRow::Info()
{
    static const CTableInfo info{"ImportRegel", {"ImportRegelId"}, EBookColumn::None};
    return info;
}

void CImportRegelRow::BindFields(CFieldTable& fields)
{
    fields.Bind("ImportRegelId", ImportRegelId);
    fields.Bind("RegelTypId", RegelTypId);
    fields.Bind("Kennstring", Kennstring);
    fields.Bind("Selected", Selected);
    fields.Bind("UseKennstring", UseKennstring);
    fields.Bind("KennstringEnthalten", KennstringEnthalten);
    fields.Bind("KennstringPflicht", KennstringPflicht);
    fields.Bind("KennstringPruef", KennstringPruef);
    fields.Bind("UseDatum", UseDatum);
    fields.Bind("Datum", Datum);
    fields.Bind("DatumAbweichung", DatumAbweichung);
    fields.Bind("DatumAnzahlTageAbweichung", DatumAnzahlTageAbweichung);
    fields.Bind("DatumPflicht", DatumPflicht);
    fields.Bind("DatumPruef", DatumPruef);
    fields.Bind("UseBetrag", UseBetrag);
    fields.Bind("OpBetrag", OpBetrag);
    fields.Bind("Betrag", Betrag);
    fields.Bind("BetragAbweichungEUR", BetragAbweichungEUR);
    fields.Bind("BetragAbweichung", BetragAbweichung);
    fields.Bind("BetragPflicht", BetragPflicht);
    fields.Bind("BetragPruef", BetragPruef);
    fields.Bind("UseImportFormat", UseImportFormat);
    fields.Bind("ImportFormatId", ImportFormatId);
    fields.Bind("ImportFormatPflicht", ImportFormatPflicht);
    fields.Bind("ImportFormatPruef  ", ImportFormatPruef);
    fields.Bind("KontoInfoKontoId", KontoInfoKontoId);
    fields.Bind("KontoInfoDatei", KontoInfoDatei);
    fields.Bind("KontoInfoAbZeile", KontoInfoAbZeile);
    fields.Bind("KontoStandKontoId", KontoStandKontoId);
    fields.Bind("KontoStandRechnung", KontoStandRechnung);
    fields.Bind("m_iKontoStandAltNeu", m_iKontoStandAltNeu);
    fields.Bind("UebernahmeDirekt", UebernahmeDirekt);
    fields.Bind("UebernahmeMeldung", UebernahmeMeldung);
    fields.Bind("UebernahmePruefung", UebernahmePruefung);
    fields.Bind("UebernahmeText", UebernahmeText);
    fields.Bind("VertragId", VertragId);
    fields.Bind("VorgangsTyp", VorgangsTyp);
    fields.Bind("VonKontoId", VonKontoId);
    fields.Bind("NachKontoId", NachKontoId);
    fields.Bind("KategorieId", KategorieId);
}

const CTableInfo& CUserImportRow::Info()
{
    static const CTableInfo info{"UserImport", {"UserImportId"}, EBookColumn::None};
    return info;
}

void CUserImportRow::BindFields(CFieldTable& fields)
{
    fields.Bind("UserImportId", UserImportId);
    fields.Bind("RegelId", RegelId);
    fields.Bind("ImportType", ImportType);
    fields.Bind("UserImportStatus", UserImportStatus);
    fields.Bind("Datum", Datum);
    fields.Bind("Faelligkeit", Faelligkeit);
    fields.Bind("Betrag", Betrag);
    fields.Bind("sBeschreibung", sBeschreibung);
    fields.Bind("sUebernahmeText", sUebernahmeText);
    fields.Bind("VertragId", VertragId);
    fields.Bind("KategorieId", KategorieId);
    fields.Bind("VonKontoId", VonKontoId);
    fields.Bind("NachKontoId", NachKontoId);
    fields.Bind("iBestaetigt", iBestaetigt);
}
