#include "session/ValueText.h"

#include <charconv>
#include <cmath>

namespace valuetext {

namespace {
void appendPadded(std::string &out, unsigned value, int width)
{
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    for (int n = int(res.ptr - buf); n < width; ++n)
        out.push_back('0');
    out.append(buf, res.ptr);
}
}

void appendScaled(std::string &out, int64_t value, int scale)
{
    // The magnitude as unsigned, so the smallest BIGINT has a text too.
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    char digits[32];
    auto res = std::to_chars(digits, digits + sizeof digits, magnitude);
    std::string_view d(digits, size_t(res.ptr - digits));
    if (negative)
        out.push_back('-');
    if (scale >= 0) {
        out.append(d);
        out.append(size_t(scale), '0');
        return;
    }
    const size_t places = size_t(-scale);
    if (d.size() <= places) {
        out.append("0.");
        out.append(places - d.size(), '0');
        out.append(d);
    } else {
        out.append(d.substr(0, d.size() - places));
        out.push_back('.');
        out.append(d.substr(d.size() - places));
    }
}

void appendDate(std::string &out, int32_t days)
{
    // Days since 1858-11-17 to a civil date (H. Hinnant's days-to-civil).
    int64_t z = int64_t(days) - 40587 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t y = int64_t(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2)
        ++y;
    if (y < 0) {
        out.push_back('-');
        y = -y;
    }
    appendPadded(out, unsigned(y), 4);
    out.push_back('-');
    appendPadded(out, m, 2);
    out.push_back('-');
    appendPadded(out, d, 2);
}

void appendTime(std::string &out, uint32_t fractions)
{
    const unsigned seconds = fractions / 10000;
    appendPadded(out, seconds / 3600, 2);
    out.push_back(':');
    appendPadded(out, seconds / 60 % 60, 2);
    out.push_back(':');
    appendPadded(out, seconds % 60, 2);
    out.push_back('.');
    appendPadded(out, fractions % 10000, 4);
}

void appendTimestamp(std::string &out, int32_t days, uint32_t fractions)
{
    appendDate(out, days);
    out.push_back(' ');
    appendTime(out, fractions);
}

void appendDouble(std::string &out, double value)
{
    if (std::isnan(value)) {
        out.append("NaN");
        return;
    }
    if (std::isinf(value)) {
        out.append(value < 0 ? "-Infinity" : "Infinity");
        return;
    }
    // The shortest text that reads back as the same double.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void appendFloat(std::string &out, float value)
{
    if (std::isnan(value) || std::isinf(value)) {
        appendDouble(out, double(value));
        return;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void appendHex(std::string &out, const char *data, size_t length)
{
    static const char hex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        out.push_back(hex[b >> 4]);
        out.push_back(hex[b & 15]);
    }
}

}
