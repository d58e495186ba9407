#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Small conversions between the format's field texts and values.

[[nodiscard]] std::string UpperCase(std::string_view text);

// The field in double quotes for a report, cut short when long, its control
// characters escaped.
[[nodiscard]] std::string QuotedValue(std::string_view field);

// A plain decimal number: an optional sign, digits, an optional decimal mark
// and digits, spaces around it. Returned with '.' as its mark; none for
// anything else. decimalComma: ',' is the decimal mark too.
[[nodiscard]] std::optional<std::string> DecimalText(std::string_view field, bool decimalComma);

// Whether two decimal texts without sign name the same number: "088.50" and
// "88.5" do.
[[nodiscard]] bool SameDecimal(std::string_view a, std::string_view b);

// A count of 10 Hz in MHz with six decimals, exactly: 14652000 gives "146.520000".
[[nodiscard]] std::string MegahertzText(std::uint64_t count);
