#include "dialogs/TfrmAboutDlg.h"

#include "app/ProgramPicture.h"
#include "core/TAnswer.h"

#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPropertyAnimation>
#include <QVBoxLayout>

namespace scrivix {

TfrmAboutDlg::TfrmAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAboutDlg"));
    setFixedSize(500, 500);
    setWindowTitle(QStringLiteral("About Scrivix - Version ") +
                   QLocale().toString(TAnswer::CurrentVersionNo, 'f', 2));

    auto* name = new QLabel(QStringLiteral("Scrivix"), this);
    QFont font = name->font();
    font.setPointSize(36);
    font.setBold(true);
    name->setFont(font);
    name->setAlignment(Qt::AlignCenter);
    name->setStyleSheet(QStringLiteral("color: white;"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(programPicture(QSize(440, 304), false));
    picture->setAlignment(Qt::AlignCenter);
    m_pictureOpacity = new QGraphicsOpacityEffect(picture);
    picture->setGraphicsEffect(m_pictureOpacity);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setLineWidth(4);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(picture, 1);
    layout->addWidget(rule);
}

void TfrmAboutDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    auto* fade = new QPropertyAnimation(m_pictureOpacity, "opacity", this);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setDuration(3000);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void TfrmAboutDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, Qt::black);
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}

} // namespace scrivix
