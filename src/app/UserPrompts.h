#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;

namespace scrivix {

// Every question the main window asks the user, and every modal dialog it
// runs, goes through here: the program asks with real dialogs, tests answer
// in their place.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // "Do You Want To Save Your Changes": Yes, No or Cancel.
    virtual QMessageBox::StandardButton askSaveChanges(QWidget* parent) = 0;
    // A folder, or empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
    // A client file to open, or empty when cancelled.
    virtual QString chooseOpenFile(QWidget* parent, const QString& folder) = 0;
    // A name to save the client as, or empty when cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QString& folder, const QString& suggestedName) = 0;
    // Some answers hold characters an answer file cannot store; true to save all the same.
    virtual bool confirmLossySave(QWidget* parent, const QString& details) = 0;
    // A plain information message.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // Runs a modal dialog and returns its result.
    virtual int exec(QDialog& dialog) = 0;
};

// The prompts as dialogs.
class DialogPrompts : public UserPrompts
{
public:
    QMessageBox::StandardButton askSaveChanges(QWidget* parent) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    QString chooseOpenFile(QWidget* parent, const QString& folder) override;
    QString chooseSaveFile(QWidget* parent, const QString& folder, const QString& suggestedName) override;
    bool confirmLossySave(QWidget* parent, const QString& details) override;
    void inform(QWidget* parent, const QString& text) override;
    int exec(QDialog& dialog) override;
};

} // namespace scrivix
