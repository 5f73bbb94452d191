#pragma once
// The build's version in the two forms the program shows and stores.
#include <string>

namespace revtal {

// 1.2.5 shows as "1.02.005".
std::string shownVersion(int major, int minor, int revision);
// 1.2.5 is 125: the digits one after another. Fits the 16-bit Var1 field.
int numericVersion(int major, int minor, int revision);

std::string shownVersion();
int numericVersion();

}  // namespace revtal
