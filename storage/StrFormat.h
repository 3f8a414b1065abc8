#pragma once

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

// One argument of StrFormat: an integer, a floating value or a text.
class CFormatArg {
public:
    enum class EType { Integer, Floating, Text };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    CFormatArg(T value) : m_type(EType::Integer), m_integer(static_cast<long long>(value))
    {
    }
    template <std::floating_point T>
    CFormatArg(T value) : m_type(EType::Floating), m_floating(static_cast<double>(value))
    {
    }
    CFormatArg(std::string_view text) : m_type(EType::Text), m_text(text) {}
    CFormatArg(const std::string& text) : m_type(EType::Text), m_text(text) {}
    CFormatArg(const char* text) : m_type(EType::Text), m_text(text) {}

    EType Type() const { return m_type; }
    long long Integer() const { return m_integer; }
    double Floating() const { return m_type == EType::Integer ? static_cast<double>(m_integer) : m_floating; }
    std::string_view Text() const { return m_text; }

private:
    EType m_type;
    long long m_integer = 0;
    double m_floating = 0.0;
    std::string_view m_text;
};

// printf-style formatting that never looks at the process locale: "%f" always
// writes a point, "%d" never groups digits. Understood: %d and %i (integers),
// %f (floating values and integers), %s (texts), %%, with the flags '-', '0',
// '+' and ' ', a width and, for %f, a precision (six decimals by default); for
// %s the width and the precision count UTF-8 characters, and a precision cuts
// the text on a character boundary.
// A conversion that does not match its argument, or a count of arguments that
// does not match the format, throws std::invalid_argument: that is a fault of
// the calling code, not of the user's data.
// Texts are copied as they are: SQL values still need QuoteSqlText.
std::string StrFormatArgs(std::string_view format, std::initializer_list<CFormatArg> args);

template <class... Args>
std::string StrFormat(std::string_view format, const Args&... args)
{
    return StrFormatArgs(format, {CFormatArg(args)...});
}
