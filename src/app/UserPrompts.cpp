#include "app/UserPrompts.h"

#include <QFileDialog>

namespace scrivix {

QMessageBox::StandardButton DialogPrompts::askSaveChanges(QWidget* parent)
{
    return QMessageBox::warning(parent, QStringLiteral("Scrivix"), QStringLiteral("Do You Want To Save Your Changes"),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

QString DialogPrompts::chooseFolder(QWidget* parent, const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}

QString DialogPrompts::chooseSaveFile(QWidget* parent, const QString& start)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), start,
                                        QStringLiteral("Scrivix client files (*.scx);;All files (*)"));
}

} // namespace scrivix
