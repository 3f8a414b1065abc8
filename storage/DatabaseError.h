#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The one exception of the storage layer. what() is a complete German
// message for the user (naming the database file, and the statement when one
// failed); EngineMessage() is SQLite's own reason, EngineCode() its primary
// result code (SQLITE_BUSY, SQLITE_READONLY, ...).
class CDatabaseError : public std::runtime_error {
public:
    CDatabaseError(const std::string& message, std::string engineMessage, int engineCode);

    // The error of SQLite result `code` on the file `path`: a German lead
    // chosen by the code (locked, read-only, damaged, ...), SQLite's reason
    // and, when given, the statement that failed.
    static CDatabaseError FromEngine(std::string_view path, int code, std::string reason,
                                     std::string_view sql = {});

    const std::string& EngineMessage() const { return m_engineMessage; }
    int EngineCode() const { return m_engineCode; }

private:
    std::string m_engineMessage;
    int m_engineCode;
};
