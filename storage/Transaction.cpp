#include "storage/Transaction.h"

#include "storage/Database.h"
#include "storage/StrFormat.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

std::string SavepointName(int level)
{
    return StrFormat("pellwick_%d", level);
}

}  // namespace

CTransaction::CTransaction(CDatabase& database) : m_database(database), m_level(database.m_transactionDepth + 1)
{
    m_database.Run(m_level == 1 ? std::string("begin immediate") : "savepoint " + SavepointName(m_level));
    m_database.m_transactionDepth = m_level;
}

CTransaction::~CTransaction()
{
    if (m_open)
        RollBack();
}

void CTransaction::Commit()
{
    if (!m_open)
        throw std::logic_error("CTransaction::Commit: die Transaktion ist schon beendet");
    if (m_database.m_transactionDepth != m_level)
        throw std::logic_error("CTransaction::Commit: eine innere Transaktion ist noch offen");
    m_database.Run(m_level == 1 ? std::string("commit") : "release " + SavepointName(m_level));
    m_open = false;
    m_database.m_transactionDepth = m_level - 1;
}

void CTransaction::RollBack() noexcept
{
    m_open = false;
    m_database.m_transactionDepth = m_level - 1;
    // Some failures (a full disk, an I/O error) make SQLite roll back the
    // whole transaction itself; then there is nothing left to undo.
    if (sqlite3_get_autocommit(m_database.m_handle))
        return;
    try {
        if (m_level == 1) {
            m_database.Run("rollback");
        } else {
            m_database.Run("rollback to " + SavepointName(m_level));
            m_database.Run("release " + SavepointName(m_level));
        }
    } catch (...) {
        // A rollback that fails leaves nothing more to do here; the error
        // that led to it is already on its way.
    }
}
