#pragma once

// The exact decimal product of value and factor, as the nearest double.
// Each operand is first taken as a decimal of 15 significant digits, so that a
// text such as 136.0125 times 100000 gives exactly 13601250 (a plain double
// product gives 13601249.999999998, which truncates one unit too low).
double DecimalScale(double value, double factor);
