#include "dialogs/TfrmProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace scrivix {

TfrmProgress::TfrmProgress(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_label(new QLabel(text))
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Progress Bar"));
    setFixedSize(396, 124);
    m_label->setObjectName(QStringLiteral("lblProgress"));
    m_label->setAlignment(Qt::AlignCenter);
    QFont font = m_label->font();
    font.setPointSize(12);
    m_label->setFont(font);
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("pbrProgressBar"));
    bar->setRange(0, 0); // busy: the search does not know its length
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(bar);
}

QString TfrmProgress::text() const
{
    return m_label->text();
}

} // namespace scrivix
