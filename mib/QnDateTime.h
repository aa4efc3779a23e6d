// The DateAndTime record (eleven bytes: year, month, day, hour, minutes,
// seconds, deciseconds, direction from UTC, hours and minutes from UTC) and
// the date-time number (days since 1899-12-30, the fraction being the time of
// day) with their text forms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct QnDateTime
{
    static constexpr size_t WireSize = 11;

    uint16_t Year = 0; // host order in memory, big-endian on the wire
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t Deciseconds = 0;
    char Direction = '+'; // '+' or '-'
    uint8_t HoursFromUTC = 0;
    uint8_t MinutesFromUTC = 0;

    // The current local date and time, deciseconds 0, direction "+", offset 0:0.
    QnDateTime();
    // A record from the clock, then read from the text (see FromText).
    explicit QnDateTime(const std::string& text);
    QnDateTime(uint16_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minutes, uint8_t seconds,
               uint8_t deciseconds = 0, char direction = '+', uint8_t hoursFromUTC = 0,
               uint8_t minutesFromUTC = 0);

    // Reads "y-m-d,h:n:s.d,+h:m", "y-m-d,h:n:s.d,-h:m" (all nine numbers) or
    // "y-m-d,h:n:s.d", tried in that order. The short form sets the fields it
    // reaches (scanf-like: a partial match sets the leading fields), direction
    // "+" and offset 0:0. Returns the number of fields the matching form set.
    int FromText(const std::string& text);
    // "y-m-d,h:n:s.d", with ",<dir>h:m" when the direction is "+" or "-" and
    // the offset is not 0:0.
    std::string ToText() const;

    // Copies to and from the 11-byte wire form, swapping the year bytes.
    void CopyTo(unsigned char* wire) const;
    void CopyFrom(const unsigned char* wire);
    std::string ToWire() const;
    // A record from a wire value: 11 bytes or more use the first 11; 8 to 10
    // bytes (the form without offset) give direction "+" and offset 0:0.
    // Returns false, leaving the record unchanged, for fewer than 8 bytes.
    bool FromWire(const unsigned char* bytes, size_t len);
    // Swaps the two bytes of the year in place.
    void SwapYear();

    friend bool operator==(const QnDateTime&, const QnDateTime&) = default;
};

// The DateAndTime value text of a reply value: the record's text for 8 bytes
// or more, the hex text of the bytes otherwise.
std::string DateAndTimeBytesToText(const unsigned char* bytes, size_t len);

// The current local date and time as a date-time number.
double DateTimeNow();
// Date-time number of a calendar date and time; no range check.
double EncodeDateTimeNumber(int year, int month, int day, int hour, int minutes, int seconds, int msec = 0);
// "yyyy/mm/dd hh:nn:ss am/pm". A number outside the years 1 to 9999 (or not
// finite) has no calendar date and is written in general number format.
std::string FormatDateTimeNumber(double value);
// Reads a date and time in the program's short formats: "yyyy/mm/dd" (or
// with "-"), optionally followed by "hh:nn" or "hh:nn:ss" and "am"/"pm".
// Returns false when the text is not such a date.
bool ParseDateTimeNumber(const std::string& text, double& value);
