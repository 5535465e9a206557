#include "app/UserPrompts.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>

namespace scrivix {

QMessageBox::StandardButton DialogPrompts::askSaveChanges(QWidget* parent)
{
    return QMessageBox::warning(parent,
                                QStringLiteral("Scrivix"),
                                QStringLiteral("Do You Want To Save Your Changes"),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                QMessageBox::Yes);
}

QString DialogPrompts::chooseFolder(QWidget* parent, const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}

QString DialogPrompts::chooseOpenFile(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Open File Dialog"), folder, QStringLiteral("Scrivix Answer Files (*.scx)"));
}

QString DialogPrompts::chooseSaveFile(QWidget* parent, const QString& folder, const QString& suggestedName)
{
    return QFileDialog::getSaveFileName(parent,
                                        QStringLiteral("File|Save As Dialog"),
                                        QDir(folder).filePath(suggestedName),
                                        QStringLiteral("Scrivix Files (*.scx)"));
}

bool DialogPrompts::confirmLossySave(QWidget* parent, const QString& details)
{
    QMessageBox box(
        QMessageBox::Warning,
        QStringLiteral("Scrivix"),
        QStringLiteral("Some answers hold characters that a Scrivix client file cannot store. They will be "
                       "saved with \"?\" in their place.\n\nSave anyway, or Cancel to correct them first?"),
        QMessageBox::Save | QMessageBox::Cancel,
        parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setDetailedText(details);
    return box.exec() == QMessageBox::Save;
}

void DialogPrompts::inform(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("Scrivix"), text);
}

int DialogPrompts::exec(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace scrivix
