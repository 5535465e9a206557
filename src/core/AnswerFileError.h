#pragma once

#include <QString>

#include <stdexcept>

namespace scrivix {

// A failure to read or write an answer file, with the text the user is shown
// ("Invalid numeric input", or the file system's own words).
class AnswerFileError : public std::runtime_error
{
public:
    explicit AnswerFileError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace scrivix
