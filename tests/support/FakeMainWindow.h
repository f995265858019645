#ifndef ZIBTEST_FAKEMAINWINDOW_H
#define ZIBTEST_FAKEMAINWINDOW_H

// The main window as the tool windows see it: values a test sets, and the calls it records.

#include "app/MainWindow.h"
#include "intervals/ListInterv.h"

#include <QList>
#include <QWidget>

class FakeMainWindow : public MainWindow
{
public:
    float f1 = 440;            ///< Frequency 1, Hz
    float ratio = 1;           ///< the decimal ratio
    float durationS = 1;       ///< the duration field, s
    int shape = 0;             ///< the waveform code
    int rate = 44100;          ///< Hz
    Modmod *model = nullptr;
    const ListInterv *list = nullptr; ///< the open interval list dialog's list, or none

    QList<Modmod *> models;         ///< every setModele, in order
    QList<int> degrees;             ///< every deg2interv, in order
    QList<double> frequencies1;     ///< every setFrequency1, in order
    QList<QWidget *> melodyParents; ///< every openMelodyEditor
    QList<int> melodySizes;

    float frequency1() const override { return f1; }
    void setFrequency1(double hz) override
    {
        f1 = float(hz);
        frequencies1 << hz;
    }
    float decimalRatio() const override { return ratio; }
    float duration() const override { return durationS; }
    int waveform() const override { return shape; }
    int freqEch() const override { return rate; }
    Modmod *modele() const override { return model; }
    void setModele(Modmod *m) override
    {
        model = m;
        models << m;
    }
    void deg2interv(const ListInterv &liste, int k) override
    {
        degrees << k;
        if (k >= 0 && k < liste.liste.size())
            ratio = liste.liste[k].frac;
    }
    const ListInterv *intervalList() const override { return list; }
    void openMelodyEditor(QWidget *parent, const ListInterv &liste) override
    {
        melodyParents << parent;
        melodySizes << liste.liste.size();
    }
};

#endif
