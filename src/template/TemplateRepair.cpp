#include "template/TemplateRepair.h"

#include "template/TemplateFile.h"

namespace scrivix {

namespace {

bool isRepairedKind(QChar c)
{
    return c == QLatin1Char('$') || c == QLatin1Char('*') || c == QLatin1Char('+');
}

// The end (the closing slash) of the candidate variable that starts with the
// slash at p, or -1. A kind character escaped by a backslash is RTF ({\*...),
// not a variable, and ends the look.
qsizetype candidateEnd(const QString& text, qsizetype p)
{
    bool marked = false;
    for (qsizetype q = p + 1; q < text.size() - 2; ++q) {
        const QChar c = text.at(q);
        if (c == QLatin1Char('/'))
            return marked ? q : -1;
        if (isRepairedKind(c)) {
            if (text.at(q - 1) == QLatin1Char('\\'))
                return -1;
            marked = true;
        }
    }
    return -1;
}

} // namespace

bool TemplateRepair::repair(QString& text)
{
    bool changed = false;
    for (qsizetype p = 0; p < text.size() - 2; ++p) {
        if (text.at(p) != QLatin1Char('/'))
            continue;
        // Each pass removes one control word from the candidate; the same
        // slash is looked at again until none is left.
        for (;;) {
            const qsizetype end = candidateEnd(text, p);
            if (end < 0)
                break;
            const qsizetype length = end - p + 1;
            QString segment = text.mid(p, length);
            const qsizetype backslash = segment.indexOf(QLatin1Char('\\'));
            if (backslash < 0)
                break;
            segment.remove(QLatin1Char('{'));
            segment.remove(QLatin1Char('}'));
            segment.remove(QLatin1Char('\n'));
            segment.remove(QLatin1Char('\r'));
            const qsizetype controlWord = segment.indexOf(QLatin1Char('\\'));
            const qsizetype blank = segment.indexOf(QLatin1Char(' '), controlWord);
            const bool removedControlWord = blank >= 0;
            if (removedControlWord)
                segment.remove(controlWord, blank - controlWord + 1);
            if (segment != text.mid(p, length)) {
                text.replace(p, length, segment);
                changed = true;
            }
            if (!removedControlWord)
                break;
        }
    }
    return changed;
}

bool TemplateRepair::repairFile(const QString& path)
{
    QString text = TemplateFile::load(path);
    const bool changed = repair(text);
    TemplateFile::save(path, text);
    return changed;
}

} // namespace scrivix
