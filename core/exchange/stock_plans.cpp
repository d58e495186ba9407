#include "exchange/stock_plans.h"

#include "image/ui_text.h"

#include <array>
#include <string>

// In the build directory, generated from plans/*.csv.
extern const std::string_view kStockPlanFiles[][2];
extern const int kStockPlanFileCount;

namespace {

struct PlanInfo {
    std::string_view name;
    std::string_view modelText;
    std::string_view description;
};

constexpr PlanInfo kPlans[] = {
    {"pmr446", "HM-615U",
     HMPROG_TEXT("PMR446: the 16 licence-free channels 446.00625-446.19375 MHz, narrow, low power")},
    {"marine-vhf", "HM-615V",
     HMPROG_TEXT("Marine VHF: channel 16 and 15 simplex ship channels, 156.300-156.875 MHz")},
    {"2m-simplex", "HM-615V",
     HMPROG_TEXT("2 m amateur FM simplex (US band plan): 146.400-146.580 and 147.420-147.450 MHz")},
};

std::string_view fileText(std::string_view name)
{
    for (int i = 0; i < kStockPlanFileCount; ++i) {
        if (kStockPlanFiles[i][0] == name)
            return kStockPlanFiles[i][1];
    }
    return {};
}

std::array<StockPlan, std::size(kPlans)> buildPlans()
{
    std::array<StockPlan, std::size(kPlans)> plans;
    for (std::size_t i = 0; i < plans.size(); ++i)
        plans[i] = {kPlans[i].name, kPlans[i].modelText, kPlans[i].description, fileText(kPlans[i].name)};
    return plans;
}

} // namespace

std::span<const StockPlan> StockPlans()
{
    static const auto plans = buildPlans();
    return plans;
}

std::optional<StockPlan> StockPlanNamed(std::string_view name)
{
    for (const StockPlan& plan : StockPlans()) {
        if (plan.name == name)
            return plan;
    }
    return std::nullopt;
}
