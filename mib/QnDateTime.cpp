#include "mib/QnDateTime.h"

#include "mib/QnValueText.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A small scanf: "%d" reads blanks, an optional sign and at least one digit
// (accumulated modulo 2^32); any other format character must match the input
// exactly. Returns the number of numbers read before the first mismatch.
int Scan(const std::string& text, const char* format, int* out, int maxOut)
{
    size_t p = 0;
    int n = 0;
    for (const char* f = format; *f; ++f) {
        if (f[0] == '%' && f[1] == 'd') {
            ++f;
            while (p < text.size() && IsBlank(text[p]))
                ++p;
            bool negative = false;
            if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
                negative = text[p] == '-';
                ++p;
            }
            if (p >= text.size() || text[p] < '0' || text[p] > '9')
                return n;
            uint32_t v = 0;
            while (p < text.size() && text[p] >= '0' && text[p] <= '9')
                v = v * 10u + uint32_t(text[p++] - '0');
            if (negative)
                v = 0u - v;
            if (n < maxOut)
                out[n] = int(v);
            ++n;
        } else {
            if (p >= text.size() || text[p] != *f)
                return n;
            ++p;
        }
    }
    return n;
}

// Days from 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = yoe + era * 400;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(y + (month <= 2));
}

const int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

// The date-time numbers of 0001-01-01 and of the day after 9999-12-31.
constexpr double kFirstDay = -693593.0;
constexpr double kEndDay = 2958466.0;

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

struct tm LocalNow(long& msec)
{
    const auto now = std::chrono::system_clock::now();
    const auto since = now.time_since_epoch();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    msec = long(std::chrono::duration_cast<std::chrono::milliseconds>(since).count() % 1000);
    struct tm local = {};
    localtime_r(&t, &local);
    return local;
}

} // namespace

QnDateTime::QnDateTime()
{
    long msec = 0;
    const struct tm local = LocalNow(msec);
    Year = uint16_t(local.tm_year + 1900);
    Month = uint8_t(local.tm_mon + 1);
    Day = uint8_t(local.tm_mday);
    Hour = uint8_t(local.tm_hour);
    Minutes = uint8_t(local.tm_min);
    Seconds = uint8_t(local.tm_sec);
}

QnDateTime::QnDateTime(const std::string& text) : QnDateTime()
{
    FromText(text);
}

QnDateTime::QnDateTime(uint16_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minutes,
                       uint8_t seconds, uint8_t deciseconds, char direction, uint8_t hoursFromUTC,
                       uint8_t minutesFromUTC)
    : Year(year), Month(month), Day(day), Hour(hour), Minutes(minutes), Seconds(seconds),
      Deciseconds(deciseconds), Direction(direction), HoursFromUTC(hoursFromUTC),
      MinutesFromUTC(minutesFromUTC)
{
}

int QnDateTime::FromText(const std::string& text)
{
    int v[9] = {Year, Month, Day, Hour, Minutes, Seconds, Deciseconds, 0, 0};
    char direction = '+';
    int n = Scan(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", v, 9);
    if (n != 9) {
        n = Scan(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", v, 9);
        if (n == 9) {
            direction = '-';
        } else {
            // Whatever the longer forms read is read again by the short one.
            int s[7] = {Year, Month, Day, Hour, Minutes, Seconds, Deciseconds};
            n = Scan(text, "%d-%d-%d,%d:%d:%d.%d", s, 7);
            for (int i = 0; i < 7; ++i)
                v[i] = s[i];
            v[7] = v[8] = 0;
        }
    }
    Year = uint16_t(v[0]);
    Month = uint8_t(v[1]);
    Day = uint8_t(v[2]);
    Hour = uint8_t(v[3]);
    Minutes = uint8_t(v[4]);
    Seconds = uint8_t(v[5]);
    Deciseconds = uint8_t(v[6]);
    Direction = direction;
    HoursFromUTC = uint8_t(v[7]);
    MinutesFromUTC = uint8_t(v[8]);
    return n;
}

std::string QnDateTime::ToText() const
{
    char buf[96];
    int n;
    if ((Direction == '+' || Direction == '-') && (HoursFromUTC != 0 || MinutesFromUTC != 0))
        n = std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour, Minutes,
                          Seconds, Deciseconds, Direction, HoursFromUTC, MinutesFromUTC);
    else
        n = std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds,
                          Deciseconds);
    return std::string(buf, size_t(n));
}

void QnDateTime::CopyTo(unsigned char* wire) const
{
    wire[0] = uint8_t(Year >> 8);
    wire[1] = uint8_t(Year & 0xFF);
    wire[2] = Month;
    wire[3] = Day;
    wire[4] = Hour;
    wire[5] = Minutes;
    wire[6] = Seconds;
    wire[7] = Deciseconds;
    wire[8] = uint8_t(Direction);
    wire[9] = HoursFromUTC;
    wire[10] = MinutesFromUTC;
}

void QnDateTime::CopyFrom(const unsigned char* wire)
{
    Year = uint16_t((wire[0] << 8) | wire[1]);
    Month = wire[2];
    Day = wire[3];
    Hour = wire[4];
    Minutes = wire[5];
    Seconds = wire[6];
    Deciseconds = wire[7];
    Direction = char(wire[8]);
    HoursFromUTC = wire[9];
    MinutesFromUTC = wire[10];
}

std::string QnDateTime::ToWire() const
{
    unsigned char wire[WireSize];
    CopyTo(wire);
    return std::string(reinterpret_cast<const char*>(wire), WireSize);
}

bool QnDateTime::FromWire(const unsigned char* bytes, size_t len)
{
    if (len < 8)
        return false;
    unsigned char wire[WireSize] = {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0};
    for (size_t i = 0; i < (len >= WireSize ? WireSize : 8); ++i)
        wire[i] = bytes[i];
    CopyFrom(wire);
    return true;
}

void QnDateTime::SwapYear()
{
    Year = uint16_t((Year << 8) | (Year >> 8));
}

std::string DateAndTimeBytesToText(const unsigned char* bytes, size_t len)
{
    QnDateTime record(0, 0, 0, 0, 0, 0);
    if (!record.FromWire(bytes, len))
        return BytesToHexText(std::string_view(reinterpret_cast<const char*>(bytes), len));
    return record.ToText();
}

double DateTimeNow()
{
    long msec = 0;
    const struct tm local = LocalNow(msec);
    return EncodeDateTimeNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                local.tm_min, local.tm_sec, int(msec));
}

double EncodeDateTimeNumber(int year, int month, int day, int hour, int minutes, int seconds, int msec)
{
    const double days = double(DaysFromCivil(year, month, day) - kEpochDays);
    const double time = (((hour * 60.0 + minutes) * 60.0 + seconds) * 1000.0 + msec) / 86400000.0;
    return days >= 0 ? days + time : days - time;
}

std::string FormatDateTimeNumber(double value)
{
    if (!std::isfinite(value) || value <= kFirstDay - 1.0 || value >= kEndDay)
        return FormatGeneral(value);
    const double whole = std::trunc(value);
    int64_t days = int64_t(whole);
    int64_t ms = std::llround(std::fabs(value - whole) * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    int year = 0, month = 0, day = 0;
    CivilFromDays(days + kEpochDays, year, month, day);
    if (year < 1 || year > 9999)
        return FormatGeneral(value);
    const int64_t secs = ms / 1000;
    const int hour = int(secs / 3600);
    const int minutes = int(secs / 60 % 60);
    const int seconds = int(secs % 60);
    int hour12 = hour % 12;
    if (hour12 == 0)
        hour12 = 12;
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d %s", year, month, day, hour12,
                                minutes, seconds, hour < 12 ? "am" : "pm");
    return std::string(buf, size_t(n));
}

bool ParseDateTimeNumber(const std::string& text, double& value)
{
    size_t p = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        while (p < n && IsBlank(text[p]))
            ++p;
    };
    // Reads up to `maxDigits` digits; false when there is none.
    auto number = [&](int& out, int maxDigits) {
        int digits = 0;
        out = 0;
        while (p < n && text[p] >= '0' && text[p] <= '9' && digits < maxDigits) {
            out = out * 10 + (text[p++] - '0');
            ++digits;
        }
        return digits > 0 && !(p < n && text[p] >= '0' && text[p] <= '9');
    };
    int year = 0, month = 0, day = 0, hour = 0, minutes = 0, seconds = 0;
    skipBlanks();
    if (!number(year, 4) || p >= n || (text[p] != '/' && text[p] != '-'))
        return false;
    ++p;
    if (!number(month, 2) || p >= n || (text[p] != '/' && text[p] != '-'))
        return false;
    ++p;
    if (!number(day, 2))
        return false;
    skipBlanks();
    bool hasTime = false;
    int half = 0; // 1 am, 2 pm
    if (p < n && text[p] >= '0' && text[p] <= '9') {
        hasTime = true;
        if (!number(hour, 2) || p >= n || text[p] != ':')
            return false;
        ++p;
        if (!number(minutes, 2))
            return false;
        if (p < n && text[p] == ':') {
            ++p;
            if (!number(seconds, 2))
                return false;
        }
        skipBlanks();
        if (p + 1 < n && (text[p + 1] == 'm' || text[p + 1] == 'M')) {
            if (text[p] == 'a' || text[p] == 'A')
                half = 1;
            else if (text[p] == 'p' || text[p] == 'P')
                half = 2;
            if (half)
                p += 2;
        }
        skipBlanks();
    }
    if (p != n)
        return false;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    if (hasTime) {
        if (half) {
            if (hour < 1 || hour > 12)
                return false;
            hour = hour % 12 + (half == 2 ? 12 : 0);
        }
        if (hour > 23 || minutes > 59 || seconds > 59)
            return false;
    }
    value = EncodeDateTimeNumber(year, month, day, hour, minutes, seconds);
    return true;
}
