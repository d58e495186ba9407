# Writes the stock plan CSV files into one C++ source as raw string literals,
# in the order given, for stock_plans.cpp to look up by file name. PLANS is
# the list of files separated by "|".
string(REPLACE "|" ";" PLANS "${PLANS}")
set(body "// Generated from core/exchange/plans/*.csv; edit those files instead.\n#include <string_view>\n\nextern const std::string_view kStockPlanFiles[][2] = {\n")
foreach(plan IN LISTS PLANS)
  get_filename_component(name ${plan} NAME_WE)
  file(READ ${plan} text)
  string(APPEND body "    {\"${name}\", R\"hmprogplan(${text})hmprogplan\"},\n")
endforeach()
string(APPEND body "};\n")
list(LENGTH PLANS count)
string(APPEND body "extern const int kStockPlanFileCount = ${count};\n")
file(WRITE ${OUTPUT} "${body}")
