#pragma once

#include <QPixmap>

namespace scrivix {

// The program's picture: the start picture of the main window and the about box.
QPixmap programPicture(const QSize& size, bool withHint = true);

} // namespace scrivix
