#include "storage/StrFormat.h"

#include "storage/Format.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

struct CConversion {
    bool leftAlign = false;
    bool zeroPad = false;
    bool plusSign = false;
    bool spaceSign = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

int ReadNumber(std::string_view format, std::size_t& pos)
{
    int value = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9')
        value = value * 10 + (format[pos++] - '0');
    return value;
}

// Reads the conversion after a '%'; `pos` ends behind its type character.
CConversion ReadConversion(std::string_view format, std::size_t& pos)
{
    CConversion conversion;
    for (; pos < format.size(); ++pos) {
        const char c = format[pos];
        if (c == '-')
            conversion.leftAlign = true;
        else if (c == '0')
            conversion.zeroPad = true;
        else if (c == '+')
            conversion.plusSign = true;
        else if (c == ' ')
            conversion.spaceSign = true;
        else
            break;
    }
    conversion.width = ReadNumber(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        conversion.precision = ReadNumber(format, pos);
    }
    if (pos >= format.size())
        throw std::invalid_argument("StrFormat: unvollständige Umwandlung in \"" + std::string(format) + "\"");
    conversion.type = format[pos++];
    return conversion;
}

void AppendPadded(std::string& out, std::string_view sign, std::string_view body, std::size_t bodyLength,
                  const CConversion& conversion)
{
    const std::size_t length = sign.size() + bodyLength;
    const std::size_t padding = conversion.width > static_cast<int>(length) ? conversion.width - length : 0;
    if (conversion.leftAlign) {
        out.append(sign).append(body).append(padding, ' ');
    } else if (conversion.zeroPad && conversion.type != 's') {
        out.append(sign).append(padding, '0').append(body);
    } else {
        out.append(padding, ' ').append(sign).append(body);
    }
}

std::string_view SignText(bool negative, const CConversion& conversion)
{
    if (negative)
        return "-";
    if (conversion.plusSign)
        return "+";
    return conversion.spaceSign ? " " : "";
}

void AppendInteger(std::string& out, const CFormatArg& arg, const CConversion& conversion)
{
    if (arg.Type() != CFormatArg::EType::Integer)
        throw std::invalid_argument("StrFormat: %d erwartet eine ganze Zahl");
    const long long value = arg.Integer();
    char digits[24];
    // The magnitude as unsigned, so the most negative value has one as well.
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const std::string_view body(digits, static_cast<std::size_t>(end - digits));
    AppendPadded(out, SignText(value < 0, conversion), body, body.size(), conversion);
}

void AppendFloating(std::string& out, const CFormatArg& arg, const CConversion& conversion)
{
    if (arg.Type() == CFormatArg::EType::Text)
        throw std::invalid_argument("StrFormat: %f erwartet eine Zahl");
    const double value = arg.Floating();
    const int decimals = conversion.precision < 0 ? 6 : conversion.precision;
    const std::string body = FormatFixed(std::fabs(value), decimals);
    AppendPadded(out, SignText(std::signbit(value), conversion), body, body.size(), conversion);
}

void AppendText(std::string& out, const CFormatArg& arg, const CConversion& conversion)
{
    if (arg.Type() != CFormatArg::EType::Text)
        throw std::invalid_argument("StrFormat: %s erwartet einen Text");
    std::string_view text = arg.Text();
    std::string cut;
    if (conversion.precision >= 0) {
        cut = TruncateUtf8(text, static_cast<std::size_t>(conversion.precision));
        text = cut;
    }
    AppendPadded(out, "", text, Utf8Length(text), conversion);
}

}  // namespace

std::string StrFormatArgs(std::string_view format, std::initializer_list<CFormatArg> args)
{
    std::string out;
    out.reserve(format.size() + 16 * args.size());
    auto nextArg = args.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        out.append(format.substr(pos, percent - pos));
        if (percent == std::string_view::npos)
            break;
        pos = percent + 1;
        if (pos < format.size() && format[pos] == '%') {
            out.push_back('%');
            ++pos;
            continue;
        }
        const CConversion conversion = ReadConversion(format, pos);
        if (nextArg == args.end())
            throw std::invalid_argument("StrFormat: zu wenige Werte für \"" + std::string(format) + "\"");
        const CFormatArg& arg = *nextArg++;
        switch (conversion.type) {
        case 'd':
        case 'i':
            AppendInteger(out, arg, conversion);
            break;
        case 'f':
            AppendFloating(out, arg, conversion);
            break;
        case 's':
            AppendText(out, arg, conversion);
            break;
        default:
            throw std::invalid_argument("StrFormat: unbekannte Umwandlung in \"" + std::string(format) + "\"");
        }
    }
    if (nextArg != args.end())
        throw std::invalid_argument("StrFormat: zu viele Werte für \"" + std::string(format) + "\"");
    return out;
}
