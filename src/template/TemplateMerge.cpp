#include "template/TemplateMerge.h"

#include "core/TAnswer.h"
#include "text/Messages.h"
#include "text/Wording.h"

#include <optional>
#include <vector>

namespace scrivix {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// A number ends at a blank, a control word, a brace or a line end.
bool endsNumber(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\\') || c == QLatin1Char('{') ||
           c == QLatin1Char('}') || isLineBreak(c);
}

// Reads the number at offset q of a text seen through peek(offset). Each
// character that makes the number unreadable is reported (21060); the value
// is that of the longest readable start, or -1.
template <typename Peek> int readNumber(Peek peek, qsizetype q)
{
    if (!peek(q + 3)) {
        ShowNumberedMessage(21070);
        return -1;
    }
    int result = -1;
    QString taken;
    for (std::optional<QChar> c = peek(q); c && !endsNumber(*c); c = peek(++q)) {
        taken += *c;
        bool ok = false;
        const int value = taken.toInt(&ok);
        if (ok)
            result = value;
        else
            ShowNumberedMessage(21060);
    }
    return result;
}

QString markOverridden(const QString& text, bool overridden)
{
    return overridden ? QLatin1String("\\cf1 ") + text + QLatin1String("\\cf0 ") : text;
}

} // namespace

// The text still to be scanned: the rest of the template under the answers
// inserted into it, innermost on top. Reading goes through the stack, so an
// inserted answer is scanned before the template goes on, without ever
// splicing it into the template.
class TemplateMerge::Scanner
{
public:
    explicit Scanner(const QString& text) { m_segments.push_back({text, 0, 0}); }

    bool atEnd()
    {
        dropFinished();
        return m_segments.empty();
    }

    // The character at an offset from the reading position, across segments.
    std::optional<QChar> peek(qsizetype offset) const
    {
        for (auto it = m_segments.rbegin(); it != m_segments.rend(); ++it) {
            const qsizetype left = it->text.size() - it->pos;
            if (offset < left)
                return it->text.at(it->pos + offset);
            offset -= left;
        }
        return std::nullopt;
    }

    // The run of the top segment up to the next character that may start
    // something, which is moved past.
    QStringView takePlainRun()
    {
        Segment& top = m_segments.back();
        const qsizetype start = top.pos;
        const QChar* data = top.text.constData();
        qsizetype end = start;
        while (end < top.text.size() && data[end] != QLatin1Char('/') && data[end] != QLatin1Char('\\'))
            ++end;
        top.pos = end;
        return QStringView(top.text).mid(start, end - start);
    }

    void advance(qsizetype count)
    {
        while (count > 0) {
            dropFinished();
            Segment& top = m_segments.back();
            const qsizetype step = std::min(count, top.text.size() - top.pos);
            top.pos += step;
            count -= step;
        }
    }

    int depth() const { return m_segments.empty() ? 0 : m_segments.back().depth; }

    void insert(const QString& text, int depth)
    {
        if (!text.isEmpty())
            m_segments.push_back({text, 0, depth});
    }

    // What is left, as it stands.
    QString rest() const
    {
        QString text;
        for (auto it = m_segments.rbegin(); it != m_segments.rend(); ++it)
            text += QStringView(it->text).mid(it->pos);
        return text;
    }

private:
    struct Segment
    {
        QString text;
        qsizetype pos;
        int depth;
    };

    void dropFinished()
    {
        while (!m_segments.empty() && m_segments.back().pos >= m_segments.back().text.size())
            m_segments.pop_back();
    }

    std::vector<Segment> m_segments;
};

int TemplateMerge::kindOf(QChar kindCharacter)
{
    switch (kindCharacter.unicode()) {
    case '*':
        return AsStored;
    case '$':
        return Amount;
    case '%':
        return AmountOrEmpty;
    case '#':
    case '+':
        return Plain;
    case '&':
        return CheckBox;
    case '@':
        return AmountColumn;
    case '^':
        return Date;
    case '<':
        return 9;
    default:
        return -1;
    }
}

void TemplateMerge::TransferDocument(QString& document, const TAnswer& store, int pageNo)
{
    document = TransferAnswers(document, store, pageNo);
}

QString TemplateMerge::TransferAnswers(const QString& workText, const TAnswer& store, int pageNo)
{
    m_wingdings = wingdingsSelector(workText);
    Scanner scanner(workText);
    QString merged;
    merged.reserve(workText.size() + workText.size() / 2);

    while (!scanner.atEnd()) {
        merged += scanner.takePlainRun();
        if (scanner.atEnd())
            break;
        const QChar c = *scanner.peek(0);
        if (c == QLatin1Char('\\')) {
            // "\fs" and a digit set the size that check boxes return to.
            const auto digit = scanner.peek(3);
            if (scanner.peek(1) == QLatin1Char('f') && scanner.peek(2) == QLatin1Char('s') && digit &&
                isDigit(*digit))
                m_fontSize = readNumber([&scanner](qsizetype k) { return scanner.peek(k); }, 3);
            merged += c;
            scanner.advance(1);
            continue;
        }

        // A slash: an answer variable when a kind character and one to three
        // digits and a slash follow. A word processor may have wrapped the
        // variable across lines; line breaks inside it are dropped.
        qsizetype k = 1;
        const auto next = [&scanner, &k]() {
            while (scanner.peek(k) && isLineBreak(*scanner.peek(k)))
                ++k;
            return scanner.peek(k++);
        };
        const auto kindCharacter = next();
        const int kind = kindCharacter ? kindOf(*kindCharacter) : -1;
        int answerNo = -1;
        if (kind >= 0) {
            int digits = 0;
            int number = 0;
            for (auto d = next(); d; d = next()) {
                if (*d == QLatin1Char('/') && digits > 0) {
                    answerNo = number;
                    break;
                }
                if (!isDigit(*d) || digits == 3)
                    break;
                number = number * 10 + (d->unicode() - '0');
                ++digits;
            }
        }
        if (answerNo < 0) {
            merged += c;
            scanner.advance(1);
            continue;
        }

        const int depth = scanner.depth() + 1;
        if (depth > MaxNesting || merged.size() > MaxLength) {
            ShowNumberedMessage(21030);
            return merged + scanner.rest();
        }
        scanner.advance(k);
        scanner.insert(InsertString(store, pageNo, answerNo, kind), depth);
    }
    return merged;
}

QString TemplateMerge::InsertString(const TAnswer& store, int pageNo, int answerNo, int kind) const
{
    setMergeDiagnostics(pageNo, answerNo);
    const QString& text = store.text(pageNo, answerNo);
    const bool overridden = store.ovRide(pageNo, answerNo);
    // The last page prints empty amounts as nothing rather than 0.00.
    const bool blankWhenEmpty = pageNo == 99;

    switch (kind) {
    case Amount: {
        const QString cleaned = RemoveCommasAndSigns(text);
        if (cleaned.isEmpty() && blankWhenEmpty)
            return {};
        return Float2Amount(Str2Float_2(cleaned));
    }
    case AmountOrEmpty:
        return text.isEmpty() ? QString() : Float2Amount(Str2Float_P(text));
    case Plain:
        return text;
    case CheckBox: {
        // A box with a cross for "X", an empty box otherwise, at 12 points,
        // then back to the running size and font.
        const int size = m_fontSize > 0 ? m_fontSize : 24;
        const QLatin1String glyph(text == QLatin1String("X") ? "\\uc0\\u9746 " : "\\uc0\\u9744 ");
        return m_wingdings + QLatin1String("\\fs24 ") + glyph + QLatin1String("\\fs") +
               QString::number(size) + QLatin1String("\\f0 ");
    }
    case AmountColumn: {
        const QString cleaned = RemoveCommasAndSigns(text);
        if (cleaned.isEmpty() && blankWhenEmpty)
            return {};
        return Float2Amount(Str2Float_2(cleaned)).rightJustified(8, QLatin1Char(' '));
    }
    case Date:
        return markOverridden(NormalizeDate(text).ok ? ConvertDate(text) : text, overridden);
    default:
        return markOverridden(text, overridden);
    }
}

QString TemplateMerge::wingdingsSelector(const QString& text)
{
    const qsizetype fontTable = text.indexOf(QLatin1String("fonttbl"));
    if (fontTable < 0 || !text.contains(QLatin1String("Wingdings")))
        return {};
    qsizetype at = fontTable + 7;
    while ((at = text.indexOf(QLatin1String("\\f"), at)) >= 0) {
        qsizetype end = at + 2;
        while (end < text.size() && end - at - 2 < 3 && isDigit(text.at(end)))
            ++end;
        if (end == at + 2) {
            at = end;
            continue;
        }
        const QString number = text.mid(at + 2, end - at - 2);
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'), end);
        const qsizetype entryEnd = semicolon >= 0 ? std::min(semicolon + 1, end + 100) : end + 100;
        const QString entry = text.mid(end, entryEnd - end);
        if (entry.toUpper().contains(QLatin1String("WINGDINGS")))
            return QLatin1String("\\f") + number + QLatin1Char(' ');
        at = entryEnd;
    }
    return {};
}

int TemplateMerge::GetNumFromText(const QString& text, qsizetype q)
{
    return readNumber(
        [&text](qsizetype k) { return k < text.size() ? std::optional<QChar>(text.at(k)) : std::nullopt; },
        q);
}

} // namespace scrivix
