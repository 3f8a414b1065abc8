#include "storage/Format.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsPlainNameCharacter(char c, bool first)
{
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    return letter || (!first && c >= '0' && c <= '9');
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Inserts a point between each group of three digits, counted from the right.
std::string GroupThousands(std::string_view digits)
{
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped.push_back('.');
        grouped.push_back(digits[i]);
    }
    return grouped;
}

}  // namespace

std::string FormatFixed(double value, int decimals)
{
    // Enough for the 309 integer digits of the largest double plus decimals.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                      decimals < 0 ? 0 : (decimals > 60 ? 60 : decimals));
    if (result.ec != std::errc())
        throw std::invalid_argument("FormatFixed: Zahl zu lang");
    return std::string(buffer, result.ptr);
}

std::string FormatAmount(double value)
{
    return FormatFixed(value, 2);
}

double ParseNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    // from_chars would also accept "inf" and "nan"; a number text here is
    // digits and a point only.
    if (pos >= text.size() || !((text[pos] >= '0' && text[pos] <= '9') || text[pos] == '.'))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

std::string FormatGermanNumber(double value, int decimals)
{
    const std::string plain = FormatFixed(std::fabs(value), decimals);
    const std::size_t point = plain.find('.');
    std::string text = value < 0 ? "-" : "";
    text += GroupThousands(std::string_view(plain).substr(0, point));
    if (point != std::string::npos)
        text += "," + plain.substr(point + 1);
    return text;
}

double ParseGermanNumber(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (char c : text) {
        if (c == ',')
            plain.push_back('.');
        else if (c != '.')
            plain.push_back(c);
    }
    return ParseNumber(plain);
}

std::size_t Utf8Length(std::string_view text)
{
    std::size_t length = 0;
    for (char c : text)
        length += IsContinuationByte(c) ? 0 : 1;
    return length;
}

std::string TruncateUtf8(std::string_view text, std::size_t maxChars)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i]))
            continue;
        if (characters == maxChars)
            return std::string(text.substr(0, i));
        ++characters;
    }
    return std::string(text);
}

std::string QuoteSqlText(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.push_back('\'');
    for (char c : text) {
        if (c == '\0')
            continue;
        if (c == '\'')
            quoted.push_back('\'');
        quoted.push_back(c);
    }
    quoted.push_back('\'');
    return quoted;
}

bool SameSqlName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

std::string QuoteSqlName(std::string_view name)
{
    bool plain = !name.empty();
    for (std::size_t i = 0; i < name.size() && plain; ++i)
        plain = IsPlainNameCharacter(name[i], i == 0);
    if (plain)
        return std::string(name);
    if (name.find(']') != std::string_view::npos)
        throw std::invalid_argument("QuoteSqlName: Name mit ']' nicht zulässig");
    return "[" + std::string(name) + "]";
}
