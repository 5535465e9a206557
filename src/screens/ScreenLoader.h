#pragma once

#include <QString>

class QWidget;

namespace scrivix {

// Reads a screen file (pageN.psf, Qt Designer UI XML) into a widget tree.
class ScreenLoader
{
public:
    static QString path(const QString& screensFolder, int pageNo);
    // The screen's root widget, parented to parent. Throws FileError when the
    // file is missing or cannot be read.
    static QWidget* load(const QString& path, QWidget* parent);
};

} // namespace scrivix
