#include "storage/DatabaseError.h"

#include "storage/StrFormat.h"

#include <sqlite3.h>

#include <utility>

namespace {

std::string_view LeadFormat(int code)
{
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "Die Datenbank \"%s\" ist durch ein anderes Programm gesperrt";
    case SQLITE_READONLY:
        return "Die Datenbank \"%s\" ist schreibgeschützt";
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return "Die Datei \"%s\" ist keine Datenbank oder sie ist beschädigt";
    case SQLITE_CANTOPEN:
        return "Die Datenbank \"%s\" kann nicht geöffnet werden";
    case SQLITE_FULL:
        return "Die Datenbank \"%s\" kann nicht geschrieben werden, der Datenträger ist voll";
    case SQLITE_IOERR:
        return "Die Datenbank \"%s\" kann nicht gelesen oder geschrieben werden";
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "Der Zugriff auf die Datenbank \"%s\" wurde verweigert";
    default:
        return "Fehler in der Datenbank \"%s\"";
    }
}

}  // namespace

CDatabaseError::CDatabaseError(const std::string& message, std::string engineMessage, int engineCode)
    : std::runtime_error(message), m_engineMessage(std::move(engineMessage)), m_engineCode(engineCode)
{
}

CDatabaseError CDatabaseError::FromEngine(std::string_view path, int code, std::string reason,
                                          std::string_view sql)
{
    const int primary = code & 0xff;
    std::string message = StrFormat(LeadFormat(primary), path) + StrFormat(" (SQLite: %s).", reason);
    if (!sql.empty())
        message += StrFormat("\nAnweisung: %s", sql);
    return CDatabaseError(message, std::move(reason), primary);
}
