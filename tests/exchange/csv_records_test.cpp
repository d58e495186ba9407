#include "exchange/csv_records.h"
#include <gtest/gtest.h>
TEST(Tmp, X) {}
