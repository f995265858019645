#ifndef VUMETRE_H
#define VUMETRE_H

#include <QWidget>

/// The tuner's level meter, 250 × 20 pixels: the input level as a red bar on a white track, and
/// the noise floor as the button-coloured zone that shows above and below the track.
class VuMetre : public QWidget
{
    Q_OBJECT

public:
    explicit VuMetre(QWidget *parent = nullptr);

    /// Fraction of full scale, 0 … 1.
    double level() const { return m_level; }
    /// Fraction of full scale, 0 … 1.
    double noiseFloor() const { return m_noiseFloor; }

public slots:
    /// Store the value (0 … 1; painted within those bounds); the caller repaints.
    void setLevel(double value);
    void setNoiseFloor(double value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_level = 0.0;
    double m_noiseFloor = 0.1;
};

#endif
