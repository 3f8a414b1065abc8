#pragma once

class CDatabase;

// A transaction on a database for the lifetime of this object: it is rolled
// back when the object goes without Commit, for instance while an exception
// of a failed statement passes. Transactions nest: the outermost one is a
// real transaction (taking the write lock at once, so a second program makes
// it wait up to the busy timeout instead of failing later), an inner one a
// savepoint within it. An inner rollback undoes only the inner work; what an
// inner Commit keeps becomes durable only with the outer Commit.
// REQUIRES: transactions of one database end in the reverse order of their
// beginning; the database outlives them.
class CTransaction {
public:
    explicit CTransaction(CDatabase& database);
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;
    ~CTransaction();

    // Throws CDatabaseError when SQLite cannot commit; the transaction then
    // stays open and is rolled back by the destructor.
    void Commit();

private:
    void RollBack() noexcept;

    CDatabase& m_database;
    int m_level;  // 1 for the outermost transaction
    bool m_open = true;
};
