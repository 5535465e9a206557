#pragma once

#include <QDialog>

class QLabel;

namespace scrivix {

// A small window that tells the user a long search is under way.
class TfrmProgress : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmProgress(const QString& text, QWidget* parent = nullptr);
    QString text() const;

private:
    QLabel* m_label;
};

} // namespace scrivix
