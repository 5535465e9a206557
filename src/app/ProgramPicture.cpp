#include "app/ProgramPicture.h"

#include <QPainter>

#include <algorithm>

namespace scrivix {

QPixmap programPicture(const QSize& size, bool withHint)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x3a, 0x5f));
    painter.drawRoundedRect(QRectF(picture.rect()).adjusted(4, 4, -4, -4), 24, 24);
    painter.setPen(QColor(0xf5, 0xf0, 0xe1));
    QFont font(QStringLiteral("serif"));
    font.setPixelSize(std::max(24, size.height() / 4));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect().adjusted(0, 0, 0, withHint ? -size.height() / 6 : 0),
                     Qt::AlignCenter,
                     QStringLiteral("Scrivix"));
    if (withHint) {
        font.setPixelSize(std::max(12, size.height() / 14));
        font.setBold(false);
        painter.setFont(font);
        painter.drawText(picture.rect().adjusted(0, size.height() / 3, 0, 0),
                         Qt::AlignCenter,
                         QStringLiteral("Choose a document from the tree or the Display menu"));
    }
    return picture;
}

} // namespace scrivix
