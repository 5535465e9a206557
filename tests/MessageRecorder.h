#pragma once

#include "text/Messages.h"

#include <QStringList>

// Records the numbered messages shown while it lives, in place of the dialog.
class MessageRecorder
{
public:
    MessageRecorder()
        : m_previous(scrivix::setMessagePresenter([this](const QString& text) { m_texts.append(text); }))
    {
    }
    ~MessageRecorder() { scrivix::setMessagePresenter(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& texts() const { return m_texts; }

private:
    QStringList m_texts;
    scrivix::MessagePresenter m_previous;
};
