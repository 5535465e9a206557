#include "dialogs/TfrmWindowScale.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace scrivix {

TfrmWindowScale::TfrmWindowScale(double zoomFactor, QWidget* parent)
    : QDialog(parent), m_trackBar(new QSlider(Qt::Horizontal)), m_value(new QLabel)
{
    setObjectName(QStringLiteral("frmWindowScale"));
    setWindowTitle(QStringLiteral("Zoom"));
    resize(411, 235);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    auto* explanation = new QLabel(QStringLiteral("Drag the sliding cursor toward -0- to shrink form, toward "
                                                  "200% to enlarge. Try to stay near 100%."),
                                   panel);
    explanation->setWordWrap(true);
    QFont big = explanation->font();
    big.setPointSize(12);
    explanation->setFont(big);
    m_trackBar->setObjectName(QStringLiteral("TrackBar1"));
    m_trackBar->setRange(0, 200);
    m_value->setObjectName(QStringLiteral("lblValue"));
    m_value->setAlignment(Qt::AlignCenter);
    grid->addWidget(explanation, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("0"), panel), 1, 0);
    grid->addWidget(m_trackBar, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("200%"), panel), 1, 2);
    grid->addWidget(m_value, 2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(buttons);

    connect(m_trackBar, &QSlider::valueChanged, this, &TfrmWindowScale::TrackBar1Change);
    setValue(zoomFactor);
    TrackBar1Change();
}

double TfrmWindowScale::value() const
{
    return m_trackBar->value() / 100.0;
}

void TfrmWindowScale::setValue(double factor)
{
    m_trackBar->setValue(int(std::lround(factor * 100)));
}

QString TfrmWindowScale::valueText() const
{
    return m_value->text();
}

void TfrmWindowScale::TrackBar1Change()
{
    m_value->setText(QString::number(m_trackBar->value()) + QLatin1Char('%'));
}

} // namespace scrivix
