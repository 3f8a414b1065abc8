#include "model/StringTable.h"

#include <algorithm>
#include <array>

#include "storage/Format.h"

namespace {

struct CStringEntry {
  int id;
  std::string_view text;
};

// Texts are quoted exactly as the program has always shown them, misspellings
// and trailing blanks included. The backslashes before the quotes of 142 and
// 143 are part of those texts and are shown.
constexpr std::array kStrings = std::to_array<CStringEntry>({
    {103, "Alle Änderungen seit dem Betreten der Maske werden rückgängig gemacht. \nNachladen durchführen ? "},
    {104, "Sie haben keinen Monat für den Beginn des Vertrages angegeben."},
    {105, "Ein Wechsel des Kontotyps ist nur möglich, wenn keine Referenzen auf dieses Konto existieren."},
    {106, "Für eine Änderung des Zeitraums müssen alle betroffenen Monate geladen sein."},
    {107, "Es existieren noch %d Vorgänge mit Referenzen auf dieses Konto. Diese Daten gehen verloren. \nWollen Sie trotzdem fortfahren ?"},
    {109, "Es existieren für diesen Vertrag noch %d abhängige Vorgänge für diesen Vertrag. \nWollen Sie diese Vorgänge als jeweils einmalige Vorgänge beibehalten ?"},
    {110, "Sollen die Änderungen von\"%s\" in alle nachfolgende Monate übernommen werden ?"},
    {111, "Um das Konto zu löschen, müssen alle Monate geladen sein, in denen das Konto gültig war. "},
    {112, "Wollen Sie wirklich das Konto komplett löschen ?"},
    {113, "Wollen Sie wirklich den Vertrag komplett löschen ?"},
    {114, "Um den Vertrag zu löschen, müssen alle Monate geladen sein, in denen der Vertrag gültig war. "},
    {116, "Das eingegebene Erfasungsdatum des Eintrag liegt ausserhalb des geladenen Monatsbereichs. \nBitte laden Sie den entsprechende Moant nach oder korrigieren Sie das Datum."},
    {117, "Der Monat des eingegebene Erfassungsdatum hat sich geändert. \nDer Eintrag wird dem  %s zugeordnet. Fortsetzen ?"},
    {118, "Für die Änderung müssen alle relevanten Monate geladen sein. \nBitte laden Sie den %s nach."},
    {119, "Wollen Sie die Änderungen von %s übernehmen ?"},
    {120, "Wollen Sie die Kategorie %s wirklich löschen ?"},
    {121, "Der Monat %s wird gelöscht. Alle Daten, die in diesem Monat eingegeben wurden gehen verloren. \nWollen Sie fortsetzen ?"},
    {122, "Der Monat %s wird angelegt."},
    {125, "Sie haben keine Bezeichnung angegeben !"},
    {126, "Wollen Sie dieses Konto als Hauptkonto festlegen ?"},
    {127, "Es ist eine Differenz im %s zu einem schon bestätigten Konto aufgetreten. Wollen Sie die nicht erfassten Einahmen/Ausgaben anpassen ? \nBei \"Nein\" wird das Konto auf unbestätigt zurückgesetzt. "},
    {128, "Wollen Sie den Korrekturvorgang abschließen ?"},
    {129, "Es existiert bereits ein Konto mit der Bezeichnung %s. Wollen Sie das Konto trotzdem anlegen ?"},
    {130, "Es existiert bereits ein Vertrag mit der Bezeichnung %s. Wollen Sie den Vertrag trotzdem anlegen ?"},
    {131, "Diese Vorlagenbezeichnung ist schon vorhanden. "},
    {132, "Diese Seitenlayoutbezeichnung ist schon vorhanden."},
    {133, "Es existiert mindestes eine Bedingung, in der diese Spalte als Ausgabespalte angegeben wurde. Wollen Sie für die Ausgabe die ganze Zeile verwenden ?"},
    {134, "Sie müssen die Häufigkeit der Zahlung in Tagen eingeben. "},
    {136, "Diese Formatbezeichnung ist schon vorhanden."},
    {137, "Importdatei %s wurde nicht gefunden !"},
    {138, "Wollen Sie das Format %s wirklich löschen ?"},
    {139, "Wollen Sie die Regel %s wirklich löschen ?"},
    {140, "Der Importdatensatz wurde schon importiert. Ein nochmaliger Import würde zu einem doppelten Eintrag führen. Wollen Sie wirklich die Zuweisung zurücknehmen ? \n      "},
    {141, "Die eingegebenen Daten der Zuweisung werden gelöscht. Der Datensatz kann bearbeitet werden. Wollen Sie fortsetzen ? "},
    {142, "Der Kennstring \\\"%s\\\" ist nicht im Verwendungszeck enthalten!"},
    {143, "Kennstring \\\"%s\\\" paßt nicht zum Verwendungszweck!"},
    {144, "Die Abweichung von der Fälligkeit übersteigt %s Tage!"},
    {145, "Der Betrag übersteigt die maximale Abweichung von %s EUR!"},
    {146, "Der Betrag ist kleiner gleich %s EUR."},
    {147, "Der Betrag ist grösser gleich %s EUR."},
    {148, "Der Betrag ist kleiner als %s EUR!"},
    {149, "Der Betrag ist gößer als %s EUR!"},
    {150, "Die Regel wurde speziell für das Importformat %s erstellt. Dieser Datensatz wurde aber mit dem Format %s gelesen!"},
    {151, "%s des Importdatensatzes unterscheidet sich von %s des Vertrages. Soll der Wert übernommen werden ? \n    "},
    {152, "Sie müssen einen Übernahmetext angeben. "},
    {153, "Sie müssen dem Eintrag einem Fälligkeitstermin zurordnen."},
    {154, "Sie müssen erst den benutzerdefinierten Fehler beseitigen."},
    {156, "Wählen Sie die Einträge aus, die Sie verwalten wollen. \r\nEs handlet sich hierbei um eine Vorauswahl. Alle Bezeichnungen, Beträge und Fälligkeiten können \r\nin der Vertragsmaske noch korrigiert werden. "},
    {61702, "Der Druckauftrag konnte nicht gestartet werden."},
});

}  // namespace

std::string_view StringTableText(int stringId) {
  const auto found = std::find_if(kStrings.begin(), kStrings.end(),
                                  [stringId](const CStringEntry& entry) { return entry.id == stringId; });
  return found == kStrings.end() ? std::string_view() : found->text;
}

std::string FormatStringTableText(int stringId, std::initializer_list<CFormatArg> args) {
  const std::string_view format = StringTableText(stringId);
  if (format.empty()) return StrFormat(kMissingStringText, stringId);
  return TruncateUtf8(StrFormatArgs(format, args), kMaxMessageCharacters);
}
