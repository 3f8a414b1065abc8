#pragma once

#include "storage/FieldTable.h"
#include "storage/TableInfo.h"

#include <string>

class CDatabase;
class CResult;

// The base of every row of every table: a record knows its table, binds its
// members to the table's columns (BindFields) and from that alone reads,
// inserts, updates, deletes and stores itself with the SQL texts of the
// household book.
//
// The book id: every operation takes the id of the book it works for. A
// table whose BuchId is EBookColumn::Caller writes that id into its BuchId
// column and looks its rows up with it; the row has no member for it (a
// BuchId read from the database is dropped). Haushaltsbuch and Monat carry
// their own BuchId member and ignore the argument; the tables without BuchId
// ignore it as well.
//
// Records are owned by a CRecordList, which keeps Position() current.
class CRecord {
public:
    virtual ~CRecord() = default;

    virtual const CTableInfo& Table() const = 0;
    // Binds the record's columns in table order, without Id and without a
    // caller's BuchId (the record layer puts that one first).
    virtual void BindFields(CFieldTable& fields) = 0;
    // The key CRecordList::SortByKey sorts by; `which` picks one of several
    // orders a class may offer. By default the list position.
    virtual double SortKey(int which) const;

    int Position() const { return m_position; }
    bool IsDeleted() const { return m_deleted; }
    // A record marked deleted has its row deleted by the next Store.
    void MarkDeleted(bool deleted = true) { m_deleted = deleted; }

    // The bound field table of this record, BuchId first where the caller
    // supplies it. REQUIRES: `bookId` outlives the table.
    CFieldTable Fields(int& bookId);

    // The SQL texts, exactly as issued. The key condition is
    // "T.K1 = v1 and T.K2 = v2" over the table's key columns.
    std::string KeyCondition(int bookId) const;
    std::string SelectByKeySql(int bookId) const;
    std::string InsertSql(int bookId) const;
    std::string UpdateSql(int bookId) const;
    std::string DeleteSql(int bookId) const;

    // True when a row with this record's key exists.
    bool ExistsInDatabase(CDatabase& database, int bookId) const;
    // Reads the first row with this record's key into the record; false (and
    // the record unchanged) when there is none.
    bool LoadByKey(CDatabase& database, int bookId);
    // Fills the record from the result's current row by column name: NULL
    // gives 0, the empty text or the zero date; columns the record does not
    // know are ignored.
    void ReadRow(const CResult& result);

    void Insert(CDatabase& database, int bookId) const;
    void Update(CDatabase& database, int bookId) const;
    void Delete(CDatabase& database, int bookId) const;
    // Deleted → Delete; a row with the key exists → Update; else Insert.
    // Writes with one statement at most.
    // A record read from or stored to the database remembers that its row
    // exists and skips the select; should its update change no row after all
    // (the key changed, or an outer transaction rolled the row back) it is
    // inserted, so a store never loses a record.
    void Store(CDatabase& database, int bookId) const;
    // Whether the record believes its row exists (a hint, see Store).
    bool KnownInDatabase() const { return m_knownInDatabase; }

protected:
    CRecord() = default;
    CRecord(const CRecord&) = default;
    CRecord& operator=(const CRecord&) = default;

private:
    template <class> friend class CRecordList;

    // The builders only read through the table they bind.
    CFieldTable FieldsForReading(int& bookId) const { return const_cast<CRecord*>(this)->Fields(bookId); }
    std::string KeyConditionOf(const CFieldTable& fields) const;

    void StoreExisting(CDatabase& database, int bookId) const;

    int m_position = 0;
    bool m_deleted = false;
    mutable bool m_knownInDatabase = false;
};
