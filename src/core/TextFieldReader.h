#pragma once

#include <QByteArray>

#include <utility>

namespace scrivix {

// Reads the program's line files (answer file, settings file) positionally,
// the way text files were read line by line: whole lines for texts, fields
// for numbers that skip blanks and line ends first. Line ends may be CR LF,
// LF or CR. Running out of file gives empty lines and zero numbers; a number
// field that does not convert throws FileError "Invalid numeric input".
class TextFieldReader
{
public:
    explicit TextFieldReader(const QByteArray& bytes);

    // The rest of the current line, without its line end.
    std::pair<const char*, qsizetype> line();
    void skipLine() { line(); }

    int integerField();
    double realField();

private:
    QByteArray field(int maxLength);
    void skipLineEnd();

    const char* m_end;
    const char* m_pos;
};

} // namespace scrivix
