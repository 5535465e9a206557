#pragma once

#include <QDialog>

class QLabel;
class QSlider;

namespace scrivix {

// Zoom: a slider from 0 to 200 % for the scale of the input screens.
class TfrmWindowScale : public QDialog
{
    Q_OBJECT

public:
    TfrmWindowScale(double zoomFactor, QWidget* parent = nullptr);

    double value() const;
    void setValue(double factor);
    QString valueText() const;

private:
    void TrackBar1Change();

    QSlider* m_trackBar;
    QLabel* m_value;
};

} // namespace scrivix
