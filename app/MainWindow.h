#ifndef MAINWINDOW_H
#define MAINWINDOW_H

// What the tool windows may read from the main window and do to it. The main window implements it;
// the interval list dialog, the model editor, the melody editor and the tuner are given a pointer
// to it, so that no tool window includes the main window's header and no ui library links another.

class ListInterv;
class Modmod;
class QWidget;

class MainWindow
{
public:
    /// Frequency 1 as its field reads, Hz; 0 when the text is not a number.
    virtual float frequency1() const = 0;

    /// Types hz into the Frequency 1 field (6 significant digits) and recomputes from it as from a
    /// typed value: Frequency 2, the note controls, the tuner. Outside 10 … 15000 Hz the window
    /// refuses it as it refuses a typed value.
    virtual void setFrequency1(double hz) = 0;

    /// The interval ratio of the "En décimal" field (Frequency 2 = frequency1() · decimalRatio());
    /// 0 when the text is not a number.
    virtual float decimalRatio() const = 0;

    /// The duration field, s, as typed (the field admits 0.01 … 120); 0 when not a number.
    virtual float duration() const = 0;

    /// The waveform combo's shape code (WaveShape::Code, 0 … 5).
    virtual int waveform() const = 0;

    /// The sample rate of the rate combo, Hz: one of kSampleRates, 44100 without a selection.
    virtual int freqEch() const = 0;

    /// The model of the "synthèse" waveform; null until one is selected. Not owned by the caller.
    virtual Modmod *modele() const = 0;

    /// Makes modele the current model. The previous one is not deleted: tones started with it may
    /// still be sounding.
    virtual void setModele(Modmod *modele) = 0;

    /// Makes interval k of liste the current interval: its cents go into the units field, its
    /// ratio into the decimal field, and Frequency 2 follows. An index outside the list does nothing.
    virtual void deg2interv(const ListInterv &liste, int k) = 0;

    /// The list of the interval list dialog while one is open; null otherwise.
    virtual const ListInterv *intervalList() const = 0;

    /// Opens a new melody editor on the degrees of liste, a non-modal child of parent.
    virtual void openMelodyEditor(QWidget *parent, const ListInterv &liste) = 0;

protected:
    // Tool windows never own the main window.
    ~MainWindow() = default;
};

#endif
