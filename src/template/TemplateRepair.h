#pragma once

#include <QString>

namespace scrivix {

// Repairs answer variables that a word processor split with formatting when
// the template was edited: /*2{\rtlch\fcs1 4}/ becomes /*24/ again. Only
// variables of the kinds "$", "*" and "+" are repaired.
class TemplateRepair
{
public:
    // Repairs the text in place; true when anything changed.
    static bool repair(QString& text);
    // Repairs a template file in place. Throws FileError.
    static bool repairFile(const QString& path);
};

} // namespace scrivix
