#ifndef FAKEMAINWINDOW_H
#define FAKEMAINWINDOW_H

// The main window as the interval list dialog sees it, with values a test sets and the calls it
// records.

#include "app/MainWindow.h"
#include "intervals/ListInterv.h"

#include <QList>
#include <QWidget>

class FakeMainWindow : public MainWindow
{
public:
    float f1 = 440;
    float ratio = 1;
    float dureeS = 1;
    int forme = 0;
    int fech = 44100;
    Modmod *model = nullptr;

    QList<int> degrees;                 ///< every deg2interv, in order
    QList<double> frequencies1;         ///< every setFrequency1, in order
    QList<QWidget *> melodyParents;     ///< every openMelodyEditor
    QList<int> melodySizes;

    float frequency1() const override { return f1; }
    void setFrequency1(double hz) override
    {
        f1 = float(hz);
        frequencies1 << hz;
    }
    float decimalRatio() const override { return ratio; }
    float duration() const override { return dureeS; }
    int waveform() const override { return forme; }
    int freqEch() const override { return fech; }
    Modmod *modele() const override { return model; }
    void setModele(Modmod *m) override { model = m; }
    void deg2interv(const ListInterv &liste, int k) override
    {
        degrees << k;
        if (k >= 0 && k < liste.liste.size())
            ratio = liste.liste[k].frac;
    }
    const ListInterv *intervalList() const override { return nullptr; }
    void openMelodyEditor(QWidget *parent, const ListInterv &liste) override
    {
        melodyParents << parent;
        melodySizes << liste.liste.size();
    }
};

#endif
