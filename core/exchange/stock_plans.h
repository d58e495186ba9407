#pragma once

#include <optional>
#include <span>
#include <string_view>

// Standard 16-channel plans that ship with the program as channel lists in
// the exchange format, opened through the import like any user's file.
struct StockPlan {
    std::string_view name;          // what the command line takes: "pmr446"
    std::string_view modelText;     // the radio it is for: "HM-615U"
    std::string_view description;   // English, marked with HMPROG_TEXT
    std::string_view csv;           // the file's text
};

[[nodiscard]] std::span<const StockPlan> StockPlans();

[[nodiscard]] std::optional<StockPlan> StockPlanNamed(std::string_view name);
