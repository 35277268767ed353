#pragma once

#include <cstdint>
#include <string>

// Text forms of Firebird's stored values, exact to the last digit:
//   NUMERIC/DECIMAL   the scaled integer with its point: -0.0500, 12345678901234.5678
//   DATE              2026-12-10
//   TIME              14:03:09.1234 (ten-thousandths of a second, as stored)
//   TIMESTAMP         2026-12-10 14:03:09.1234
// DATE counts days from 1858-11-17 and TIME ten-thousandths of a second from midnight.
namespace valuetext {
void appendScaled(std::string &out, int64_t value, int scale);
void appendDate(std::string &out, int32_t days);
void appendTime(std::string &out, uint32_t fractions);
void appendTimestamp(std::string &out, int32_t days, uint32_t fractions);
void appendDouble(std::string &out, double value);
void appendFloat(std::string &out, float value);
void appendHex(std::string &out, const char *data, size_t length);
}
