#pragma once

#include <QString>

namespace scrivix {

class TAnswer;

// Fills an RTF template from the answers of one page: every answer variable
// (slash, kind character, answer number, slash: /*24/) is replaced by the
// answer formatted for its kind. The scan goes on through the text it has
// just inserted, so variables inside an answer are replaced too.
//
// The merge builds its result as it scans, in time linear in the size of the
// merged document. An answer that holds its own variable, directly or through
// other answers, would expand for ever: past a nesting depth or a size far
// beyond any real document the merge reports message 21030 and keeps what it
// has merged, with the rest unmerged.
class TemplateMerge
{
public:
    // Kinds of answer variable, by their kind number.
    enum Kind {
        AsStored = 0,
        Amount = 2,
        AmountOrEmpty = 3,
        Plain = 4,
        CheckBox = 5,
        AmountColumn = 6,
        Date = 8
    };

    static constexpr int MaxNesting = 32;
    static constexpr qsizetype MaxLength = 64 * 1024 * 1024;

    // The kind number of a kind character, or -1 for any other character.
    static int kindOf(QChar kindCharacter);

    // Merges the whole document text of a page in place.
    void TransferDocument(QString& document, const TAnswer& store, int pageNo);
    QString TransferAnswers(const QString& workText, const TAnswer& store, int pageNo);

    // The text that replaces variable n of the given kind.
    QString InsertString(const TAnswer& store, int pageNo, int answerNo, int kind) const;

    // The font selector of the template's Wingdings font ("\f2 "), or empty.
    static QString wingdingsSelector(const QString& text);

    // The whole number written at position q (0-based) of the text.
    static int GetNumFromText(const QString& text, qsizetype q);

    // The font size of the last "\fs" the merge passed; kept between merges.
    int currentFontSize() const { return m_fontSize; }

private:
    class Scanner;

    int m_fontSize = 0;
    QString m_wingdings;
};

} // namespace scrivix
