#include "synth/Modmod.h"

#include "synth/RingKernel.h"

#include <QDebug>

#include <cmath>

Modmod::Modmod(int nbMod, float *freq, float *amort, float *poids)
    : nbMod(nbMod), freq(freq), amort(amort), poids(poids)
{
    if (this->nbMod < 0 || !freq || !amort || !poids)
        this->nbMod = 0;
    etat1.reset(new float[this->nbMod]());
    etat2.reset(new float[this->nbMod]());
    oscil.reset(new Oscil[this->nbMod]);
}

void Modmod::normalise(float g)
{
    // A zero or invalid norm would leave weights that no later normalisation can restore, in a
    // bank that every later synthesis shares.
    if (!(g > 0.0f) || !std::isfinite(g))
        return;
    double somme = 0.0;
    for (int i = 0; i < nbMod; ++i)
        somme += double(poids[i]) * double(poids[i]);
    const double s = std::sqrt(somme);
    if (!(s > 0.0) || !std::isfinite(s))
        return;
    for (int i = 0; i < nbMod; ++i)
        poids[i] = float(double(poids[i]) * double(g) / s);
}

void Modmod::initialiseImp(float fe)
{
    for (int i = 0; i < nbMod; ++i) {
        etat1[i] = 0.0f;
        etat2[i] = 0.0f;
    }
    if (!(fe > 0.0f))
        return;
    for (int i = 0; i < nbMod; ++i) {
        const double omega = 2.0 * M_PI * double(freq[i]);
        const double sinc = omega != 0.0 ? std::sin(omega / fe) / omega : 1.0 / fe;
        etat2[i] = float(-std::exp(-double(amort[i]) / fe) * double(poids[i]) * sinc);
    }
}

void Modmod::oscils(float fond, int fe)
{
    nbActif = 0;
    for (int i = 0; i < nbMod; ++i)
        oscil[i] = Oscil();
    if (typeAmort == 1)
        calcAmort(fond);

    const float limite = 0.48f * float(fe);
    for (int i = 0; i < nbMod; ++i) {
        const float f = fond * freq[i];
        if (!(f < limite))
            break;
        oscil[i].freq = f;
        oscil[i].amort = amort[i];
        oscil[i].freqEch = float(fe);
        oscil[i].oscilFilt();
        ++nbActif;
    }
}

void Modmod::calcAmort(float fond)
{
    for (int i = 0; i < nbMod; ++i) {
        const float f = fond * freq[i];
        float valeur = 0.0f;
        float puissance = 1.0f;
        for (const float c : qAsConst(coeffs)) {
            valeur += c * puissance;
            puissance *= f;
        }
        amort[i] = valeur;
        qDebug() << "fond " << fond << "mode " << i << " amort " << valeur;
    }
}

void Modmod::actualise(float *sortie)
{
    float somme = 0.0f;
    for (int i = 0; i < nbActif; ++i) {
        const float y = oscil[i].c1 * etat1[i] + oscil[i].c2 * etat2[i];
        etat2[i] = etat1[i];
        etat1[i] = y;
        somme += poids[i] * y;
    }
    *sortie = somme;
}

void Modmod::actualiseBloc(float *sortie, int n)
{
    ringModes(oscil.get(), poids.get(), etat1.get(), etat2.get(), nbActif, sortie, n);
}
