#pragma once

#include "storage/Date.h"
#include "storage/Record.h"

#include <string>

// Tables of a book as a whole: the book, its months, forecast, screen settings, monitoring rules.
// Row structs: one public member per column, named like it. Domain classes
// derive from them and add behaviour.

// One row per book; the row carries its own BuchId.
struct CHaushaltsbuchRow : CRecord {
    int BuchId = 0;
    std::string Bezeichnung;
    int LastMonatId = 0;
    int AktMonatId = 0;
    int FirstExistMonatId = 0;
    int LastExistMonatId = 0;
    int FirstLoadMonatId = 0;
    int LastLoadMonatId = 0;
    int IsCurrentBook = 0;
    int FilterSpeichern = 0;
    int AnzMonateLaden = 0;
    int AnzAngelegteMonate = 0;
    CDate DatumErstellung;
    CDate DatumLetzteAenderung;
    int AktMonatUser = 0;
    int HauptKontoId = 0;
    std::string ProgVers;
    std::string DBVers;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// One row per month of a book; the row carries its own BuchId, set from the
// current book when the month is made.
struct CMonatRow : CRecord {
    int BuchId = 0;
    int MonatId = 0;
    std::string Bezeichnung;
    double Gewinn = 0.0;
    double Vermoegen = 0.0;
    double Zuwachs = 0.0;
    double SumEinahmen = 0.0;
    double SumAusgaben = 0.0;
    double SumAbschreib = 0.0;
    double SumRueckstell = 0.0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Forecast items.
struct CAusblickRow : CRecord {
    int AusblickId = 0;
    int PostenId = 0;
    int AusblickTyp = 0;
    int AusblickExtTyp = 0;
    int KontoId = 0;
    int TarKontoId = 0;
    int Ignorieren = 0;
    int Verteilt = 0;
    std::string Bezeichnung;
    CDate Datum;
    double Betrag = 0.0;
    double Tagesbetrag = 0.0;
    double MinBetrag = 0.0;
    double MaxBetrag = 0.0;
    int Score = 0;
    int VaterScore = 0;
    int Haeufigkeit = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Saved filter settings, one row per screen (MaskId, its dialog id) and book.
struct CMaskDataRow : CRecord {
    int MaskId = 0;
    int FirstFilterMonatId = 0;
    int LastFilterMonatId = 0;
    int GroupBy = 0;
    int VoraeteVerbrauch = 0;
    int InclChecked = 0;
    int InclUnchecked = 0;
    int OnlyAktiv = 0;
    int GrafikTyp = 0;
    int ShowIgnoreKonto = 0;
    int SofortUpdate = 0;
    int AnzProgMonate = 0;
    int FilterKategorieId = 0;
    int FilterKontoId = 0;
    int VertragTermingenau = 0;
    int Jahresdurschnitt = 0;
    int InclVertraege = 0;
    int VorgangsTyp = 0;
    int Gehaeuft = 0;
    int Vertragstyp = 0;
    int StatTyp = 0;
    std::string LastImportFileName;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};

// Monitoring rules.
struct CReportRow : CRecord {
    int ReportId = 0;
    int ReportTyp = 0;
    std::string AuagabeText;
    int FlagAltText = 0;
    int Aktiv = 0;
    int FarbIndex = 0;
    int KontoId = 0;
    int KategorieId = 0;
    int VertragId = 0;
    int NotChecked = 0;
    int FlagObenUnten = 0;
    int FlagCheckBetrag = 0;
    double Betrag = 0.0;
    int FlagVorNach = 0;
    int FlagTageWochen = 0;
    int AnzTage = 0;

    static const CTableInfo& Info();
    const CTableInfo& Table() const override { return Info(); }
    void BindFields(CFieldTable& fields) override;
};
