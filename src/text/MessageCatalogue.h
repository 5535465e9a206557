#pragma once

#include <QString>

namespace scrivix {

// The fixed catalogue of numbered messages. Texts are reproduced exactly,
// trailing blanks included: they are part of the program's vocabulary.
class MessageCatalogue
{
public:
    // The text of a catalogue entry, or a null string when the table lacks it.
    static QString text(int catalogueNo);
};

} // namespace scrivix
