#pragma once
// Storing a recognised layout: a bank file that no format fits gets a format
// of its own, named "Auto-Format <file name>" and bound to the file's name
// and extension, so that reading the file again chooses it directly. The
// user's formats ("Standard" above all) are never overwritten by a
// recognition they did not ask for, and a file whose layout is not
// recognised gets no format. User-interface thread only.

#include <string>

class CCsvTable;
class CFormatAnalysis;
class CFormatXML;
class CImportFormat;
class CImportFormatData;
class CImportPacket;
class CImportRegel;

// Recognises the layout of table (read from the file table.FileName()) into
// the format bound to that file when it has one of its own, else into a new
// format, and prepares the rules for it (the account-information rule
// assigns mainAccountId). Returns the format, owned by formats; null when
// the layout was not recognised (the message has been shown, no format or
// rule was made or changed).
CImportFormatData* RecogniseAutoFormat(CImportFormat& formats, CImportRegel& rules, const CCsvTable& table,
                                       CFormatAnalysis& analysis, int mainAccountId);

// "Format - Analyse" of the format screen: recognises table into the format
// the user chose and prepares the rules for it. Returns 1; 0 when the layout
// was not recognised (message shown, format and rules unchanged).
int RecogniseIntoFormat(CImportFormatData& format, CImportRegel& rules, const CCsvTable& table,
                        CFormatAnalysis& analysis, int mainAccountId);

// The name of the format made for a file: "Auto-Format <file name>", at most
// 51 characters, with " (2)", " (3)" … when another format has it already.
std::string AutoFormatName(const CImportFormat& formats, const std::string& fileName);

// The header names of the import manager when they are the program's reader
// of "format.xml"; null otherwise.
const CFormatXML* HeaderNamesOf(CImportPacket& packet);
