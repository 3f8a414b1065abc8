#pragma once

#include "storage/Database.h"
#include "storage/Record.h"
#include "storage/Transaction.h"

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// An owning, ordered list of records of one kind (a row struct or a class
// derived from one). Every record's Position() is its 0-based index, kept
// current by every operation. Iterating yields T&.
template <class T>
class CRecordList {
    static_assert(std::is_base_of_v<CRecord, T>, "CRecordList holds records");

    using COwned = std::vector<std::unique_ptr<T>>;

public:
    template <class Base, class Record>
    class CIterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::remove_const_t<Record>;
        using difference_type = std::ptrdiff_t;
        using pointer = Record*;
        using reference = Record&;

        CIterator() = default;
        explicit CIterator(Base it) : m_it(it) {}
        Record& operator*() const { return **m_it; }
        Record* operator->() const { return m_it->get(); }
        CIterator& operator++() { ++m_it; return *this; }
        CIterator operator++(int) { return CIterator(m_it++); }
        CIterator& operator--() { --m_it; return *this; }
        CIterator operator--(int) { return CIterator(m_it--); }
        CIterator& operator+=(difference_type n) { m_it += n; return *this; }
        CIterator& operator-=(difference_type n) { m_it -= n; return *this; }
        friend CIterator operator+(CIterator it, difference_type n) { return it += n; }
        friend CIterator operator+(difference_type n, CIterator it) { return it += n; }
        friend CIterator operator-(CIterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const CIterator& a, const CIterator& b) { return a.m_it - b.m_it; }
        Record& operator[](difference_type n) const { return *m_it[n]; }
        friend bool operator==(const CIterator& a, const CIterator& b) { return a.m_it == b.m_it; }
        friend auto operator<=>(const CIterator& a, const CIterator& b) { return a.m_it <=> b.m_it; }

    private:
        Base m_it{};
    };
    using iterator = CIterator<typename COwned::iterator, T>;
    using const_iterator = CIterator<typename COwned::const_iterator, const T>;

    CRecordList() = default;
    CRecordList(CRecordList&&) noexcept = default;
    CRecordList& operator=(CRecordList&&) noexcept = default;
    CRecordList(const CRecordList&) = delete;
    CRecordList& operator=(const CRecordList&) = delete;
    virtual ~CRecordList() = default;

    int Count() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }

    iterator begin() { return iterator(m_records.begin()); }
    iterator end() { return iterator(m_records.end()); }
    const_iterator begin() const { return const_iterator(m_records.begin()); }
    const_iterator end() const { return const_iterator(m_records.end()); }

    // The record at the position, or null when there is none.
    T* Find(int position) { return IsPosition(position) ? m_records[position].get() : nullptr; }
    const T* Find(int position) const { return IsPosition(position) ? m_records[position].get() : nullptr; }

    // Appends the record, which the list owns from now on; returns it.
    T& Append(std::unique_ptr<T> record) { return InsertAt(Count(), std::move(record)); }
    // Appends a record made from the arguments.
    template <class... Args>
    T& AppendNew(Args&&... args)
    {
        return Append(std::make_unique<T>(std::forward<Args>(args)...));
    }
    // Inserts before the record at `position`; appends when the position is
    // not below the count (and inserts first when it is negative).
    T& InsertAt(int position, std::unique_ptr<T> record)
    {
        if (!record)
            throw std::invalid_argument("CRecordList: kein Datensatz zum Einfügen");
        const int at = std::clamp(position, 0, Count());
        T& inserted = **m_records.insert(m_records.begin() + at, std::move(record));
        Renumber(at);
        return inserted;
    }

    // Deletes the record at the position; false when there is none.
    bool RemoveAt(int position)
    {
        if (!IsPosition(position))
            return false;
        m_records.erase(m_records.begin() + position);
        Renumber(position);
        return true;
    }
    // Deletes the given record; false when it is not in this list.
    bool Remove(const T& record)
    {
        return Find(record.Position()) == &record && RemoveAt(record.Position());
    }
    // Deletes every record for which `condition(record)` holds; returns how
    // many went.
    template <class Condition>
    int RemoveIf(Condition condition)
    {
        const auto removed = std::erase_if(m_records, [&](const std::unique_ptr<T>& record) {
            return condition(static_cast<const T&>(*record));
        });
        Renumber(0);
        return static_cast<int>(removed);
    }
    void DeleteAll() { m_records.clear(); }

    // Sorts ascending by the records' SortKey(which); records with equal keys
    // keep their order.
    void SortByKey(int which = 0)
    {
        Sort([which](const T& a, const T& b) { return a.SortKey(which) < b.SortKey(which); });
    }
    // Sorts with `less(a, b)` (a strict weak order on const T&); records that
    // compare equal keep their order.
    template <class Less>
    void Sort(Less less)
    {
        std::stable_sort(m_records.begin(), m_records.end(),
                         [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return less(*a, *b); });
        Renumber(0);
    }

    // Appends one default-made record per row of the query, each filled by
    // ReadRow; returns how many. When reading fails nothing is appended.
    int Load(CDatabase& database, std::string_view sql)
    {
        COwned loaded;
        for (CResult result = database.Query(sql); !result.AtEnd(); result.MoveNext()) {
            loaded.push_back(std::make_unique<T>());
            loaded.back()->ReadRow(result);
        }
        const int first = Count();
        m_records.reserve(m_records.size() + loaded.size());
        std::move(loaded.begin(), loaded.end(), std::back_inserter(m_records));
        Renumber(first);
        return Count() - first;
    }

    // Storing is split in two, so that several lists can be written in one
    // transaction and memory stays untouched when it fails: Write issues the
    // statements and changes nothing in the list; Settle, called after the
    // commit, lets the stored records that are marked deleted go.
    //
    // Write: CRecord::Store for every record for which `selected(record)`
    // holds, in one transaction of its own or inside the caller's.
    template <class Selected>
    void Write(CDatabase& database, int bookId, Selected selected) const
    {
        CTransaction transaction(database);
        for (const auto& record : m_records)
            if (selected(static_cast<const T&>(*record)))
                record->Store(database, bookId);
        transaction.Commit();
    }
    void Write(CDatabase& database, int bookId) const { Write(database, bookId, All); }
    // After the commit: the selected records marked deleted leave the list.
    template <class Selected>
    void Settle(Selected selected)
    {
        RemoveIf([&](const T& record) { return record.IsDeleted() && selected(record); });
    }
    void Settle() { Settle(All); }
    // Write and Settle in one: all of it lands or nothing; when a statement
    // fails the error propagates and the list stays as it was.
    template <class Selected>
    void Store(CDatabase& database, int bookId, Selected selected)
    {
        Write(database, bookId, selected);
        Settle(selected);
    }
    void Store(CDatabase& database, int bookId) { Store(database, bookId, All); }

private:
    static bool All(const T&) { return true; }
    bool IsPosition(int position) const { return position >= 0 && position < Count(); }
    void Renumber(int from)
    {
        for (int position = from; position < Count(); ++position)
            m_records[position]->m_position = position;
    }

    COwned m_records;
};
