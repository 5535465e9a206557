#pragma once

#include <QDialog>

class QGraphicsOpacityEffect;

namespace scrivix {

// The about box: the program's name, its picture and version.
class TfrmAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAboutDlg(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QGraphicsOpacityEffect* m_pictureOpacity = nullptr;
};

} // namespace scrivix
