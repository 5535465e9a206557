#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace scrivix {

// Shows a message text to the user. The program installs a message box, the
// command-line tool writes to stderr, tests record.
using MessagePresenter = std::function<void(const QString& text)>;

// Builds the text of a numbered message: the catalogue entry of
// messageNo / 10, with the extra text appended by the entries that take one.
QString CreateErrorString(quint16 messageNo, const QString& extraText = {});

// Builds the text and hands it to the installed presenter. The caller goes on
// afterwards whatever the user pressed.
void ShowNumberedMessage(quint16 messageNo, const QString& extraText = {});

// Shows a failure that no routine reported itself, in its own words (the
// top-level error handler of the window).
void ShowError(const QString& text);

// Installs a presenter and returns the one it replaces. An empty presenter
// restores the default, which writes the text to stderr.
MessagePresenter setMessagePresenter(MessagePresenter presenter);

// The page and answer number of the answer variable the merge is formatting,
// named by the date-conversion message so the user can find the field.
void setMergeDiagnostics(int pageNo, int varNo);

} // namespace scrivix
