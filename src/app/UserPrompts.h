#pragma once

#include <QMessageBox>
#include <QString>

namespace scrivix {

// The questions the main window asks the user. The program asks with dialogs;
// tests answer them directly.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // "Do You Want To Save Your Changes": Yes, No or Cancel.
    virtual QMessageBox::StandardButton askSaveChanges(QWidget* parent) = 0;
    // A folder, or empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
    // A file name to save a client as, or empty when cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QString& start) = 0;
};

// The prompts as dialogs.
class DialogPrompts : public UserPrompts
{
public:
    QMessageBox::StandardButton askSaveChanges(QWidget* parent) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    QString chooseSaveFile(QWidget* parent, const QString& start) override;
};

} // namespace scrivix
