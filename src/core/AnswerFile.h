#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

namespace scrivix {

class TAnswer;

// One client's answer file (.scx): program name, version, the page to return
// to, then every answer of every page with its override flag, one line each,
// CR LF, Windows-1252. Read positionally, so files of any age read the same.
class AnswerFile
{
public:
    struct Position
    {
        int pageNo;
        int answerNo;
        friend bool operator==(const Position&, const Position&) = default;
    };

    // Sets LastDocNo (-1 for the default answer file "default.scx", else the
    // current page number) and returns the whole file.
    static QByteArray toBytes(TAnswer& store, const QString& currentFileName, int currentPageNo);
    static void write(QIODevice& device, TAnswer& store, const QString& currentFileName, int currentPageNo);

    // Fills every answer and flag of the store; what a short file lacks reads
    // as empty. A number field that does not convert throws FileError
    // "Invalid numeric input"; answers read before it stay in the store.
    static bool fromBytes(const QByteArray& bytes, TAnswer& store);
    static bool read(QIODevice& device, TAnswer& store);

    // Writes the store to path as a whole: a failed write leaves the previous
    // file as it was. Throws FileError with the file system's error.
    static void save(const QString& path, TAnswer& store, int currentPageNo);
    // Reads path into the store. Throws FileError.
    static bool load(const QString& path, TAnswer& store);

    // The answers that Windows-1252 cannot hold and that would therefore be
    // written with '?' in place of some characters, in page and answer order.
    static QList<Position> unencodableAnswers(const TAnswer& store);

    // The version number as the file writes it: width 23, 15 significant
    // digits, a four-digit exponent (" 6.15000000000000E+0000").
    static QByteArray formatVersion(double value);
};

} // namespace scrivix
