#pragma once

#include <QString>

#include <stdexcept>

namespace scrivix {

// A failure to read or write one of the program's files (answer file,
// settings file, template), with the text the user is shown
// ("Invalid numeric input", or the file system's own words).
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace scrivix
