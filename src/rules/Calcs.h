#pragma once

namespace scrivix {

class GlobalDefaults;
class TAnswer;

// The rule set and defaults routine of each document page, one source file a
// page (calcN.cpp).

void Calc0(TAnswer& answers);
void Defaults0(TAnswer& answers, const GlobalDefaults& globals);

void Calc1(TAnswer& answers);
void Defaults1(TAnswer& answers, const GlobalDefaults& globals);

} // namespace scrivix
