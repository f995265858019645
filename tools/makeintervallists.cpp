// Computes the interval lists of data/interval_lists/: the default list and a small library of
// tunings. Just intervals come from their ratios, tempered ones from their construction (a chain
// of fifths, each narrowed by its share of a comma, or an equal division of the octave); the
// cents are 1200·log2 of the ratio. Run it from the project root after changing a list:
//     cmake --build build --target makeintervallists && build/tools/makeintervallists data/interval_lists

#include "intervals/IntervalListFile.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>
#include <cstdio>

namespace {

struct Step
{
    QString desc;
    double ratio;
};

double cents(double ratio)
{
    return 1200 * std::log2(ratio);
}

double ratioOf(double cents)
{
    return std::exp2(cents / 1200);
}

/// cents folded into [0, 1200).
double folded(double c)
{
    const double f = std::fmod(c, 1200.0);
    return f < 0 ? f + 1200 : f;
}

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

const double kPureFifth = cents(1.5);
const double kSyntonicComma = cents(81.0 / 80);
const double kPythagoreanComma = cents(531441.0 / 524288);

// The chromatic note names from Do, as the lists spell them.
const char *const kNames[12] = {"Do", "Do♯", "Ré", "Mi♭", "Mi", "Fa", "Fa♯", "Sol", "Sol♯", "La", "Si♭", "Si"};

/// Twelve notes from the fifths of each pitch class, given as cents above Do, then the octave.
QList<Step> chromatic(const double (&centsOf)[12], const char *suffix = "")
{
    QList<Step> steps;
    for (int k = 0; k < 12; ++k)
        steps << Step{u(kNames[k]) + u(suffix), ratioOf(centsOf[k])};
    steps << Step{u("Do (octave)"), 2.0};
    return steps;
}

/// A chain of fifths of the given size from Mi♭ (−3 fifths) to Sol♯ (+8), folded into the octave.
QList<Step> chainOfFifths(double fifth)
{
    double c[12];
    for (int n = -3; n <= 8; ++n) {
        const int pitch = ((n * 7) % 12 + 12) % 12;
        c[pitch] = folded(n * fifth);
    }
    return chromatic(c);
}

QList<Step> equal(int divisions)
{
    QList<Step> steps;
    for (int k = 0; k <= divisions; ++k) {
        const QString desc = k == 0 ? u("Unisson") : k == divisions ? u("Octave")
                                                                     : u("Degré %1 sur %2").arg(k).arg(divisions);
        steps << Step{desc, ratioOf(1200.0 * k / divisions)};
    }
    return steps;
}

bool write(const QString &folder, const char *file, const QString &title, const QString &author,
           const QString &description, const QList<Step> &steps)
{
    IntervalListFile::Contents contents;
    contents.title = title;
    contents.author = author;
    contents.description = description;
    for (const Step &s : steps) {
        Interval i;
        i.cent = float(cents(s.ratio));
        // 1200·log2(1) may come out as a tiny negative value.
        if (std::fabs(i.cent) < 1e-6f)
            i.cent = 0;
        i.frac = float(s.ratio);
        i.desc = s.desc;
        contents.intervals << i;
    }
    QString error;
    const QString path = QDir(folder).filePath(QLatin1String(file));
    if (!IntervalListFile::write(path, contents, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // The same attribute order on every run, so that regenerated lists differ only where they changed.
    qSetGlobalQHashSeed(0);
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    // The usual intervals, just and tempered side by side, in order of size.
    QList<Step> usual;
    auto tempered = [](int k, const char *name) { return Step{u(name), std::exp2(k / 12.0)}; };
    usual << Step{u("Unisson (1/1)"), 1.0} << tempered(1, "Demi-ton tempéré")
          << Step{u("Demi-ton diatonique juste (16/15)"), 16.0 / 15} << tempered(2, "Ton tempéré")
          << Step{u("Ton majeur juste (9/8)"), 9.0 / 8} << tempered(3, "Tierce mineure tempérée")
          << Step{u("Tierce mineure juste (6/5)"), 6.0 / 5} << Step{u("Tierce majeure juste (5/4)"), 5.0 / 4}
          << tempered(4, "Tierce majeure tempérée") << Step{u("Quarte juste (4/3)"), 4.0 / 3}
          << tempered(5, "Quarte tempérée") << Step{u("Triton juste (45/32)"), 45.0 / 32}
          << tempered(6, "Triton tempéré") << tempered(7, "Quinte tempérée")
          << Step{u("Quinte juste (3/2)"), 3.0 / 2} << tempered(8, "Sixte mineure tempérée")
          << Step{u("Sixte mineure juste (8/5)"), 8.0 / 5} << Step{u("Sixte majeure juste (5/3)"), 5.0 / 3}
          << tempered(9, "Sixte majeure tempérée") << Step{u("Septième mineure juste (16/9)"), 16.0 / 9}
          << tempered(10, "Septième mineure tempérée") << Step{u("Septième majeure juste (15/8)"), 15.0 / 8}
          << tempered(11, "Septième majeure tempérée") << Step{u("Octave (2/1)"), 2.0};
    ok &= write(folder, "liste_defaut.int", u("Intervalles justes et tempérés"), u("ZIB"),
                u("Les intervalles usuels dans leurs deux versions, côte à côte : les douze demi-tons du\n"
                  "tempérament égal (100 cents chacun) et les intervalles justes de l'intonation à 5 limites\n"
                  "(rapports de petits nombres entiers). Gamme majeure juste : degrés 0 4 7 9 14 17 21 23 ;\n"
                  "gamme majeure tempérée : degrés 0 3 8 10 13 18 22 23."),
                usual);

    const double equal12[12] = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100};
    ok &= write(folder, "temperament_egal_12.int", u("Tempérament égal à 12 degrés"),
                u("Tradition occidentale (Mersenne, 1636)"),
                u("L'octave divisée en douze demi-tons égaux de 100 cents (rapport 2^(1/12)).\n"
                  "Toutes les tonalités sonnent de même ; seule l'octave est juste."),
                chromatic(equal12));

    const QList<Step> just = {
        {u("Do (1/1)"), 1.0},          {u("Ré♭ (16/15)"), 16.0 / 15}, {u("Ré (9/8)"), 9.0 / 8},
        {u("Mi♭ (6/5)"), 6.0 / 5},     {u("Mi (5/4)"), 5.0 / 4},      {u("Fa (4/3)"), 4.0 / 3},
        {u("Fa♯ (45/32)"), 45.0 / 32}, {u("Sol (3/2)"), 3.0 / 2},     {u("La♭ (8/5)"), 8.0 / 5},
        {u("La (5/3)"), 5.0 / 3},      {u("Si♭ (9/5)"), 9.0 / 5},     {u("Si (15/8)"), 15.0 / 8},
        {u("Do (2/1)"), 2.0}};
    ok &= write(folder, "juste_chromatique.int", u("Gamme chromatique juste"), u("Ptolémée, Zarlino (1558)"),
                u("Gamme chromatique de l'intonation juste à 5 limites : tous les rapports sont des produits\n"
                  "de puissances de 2, 3 et 5. Tierces et quintes pures, mais deux tons différents (9/8 et 10/9)."),
                just);

    const QList<Step> pythagorean = {
        {u("Do (1/1)"), 1.0},               {u("Do♯ (2187/2048)"), 2187.0 / 2048}, {u("Ré (9/8)"), 9.0 / 8},
        {u("Mi♭ (32/27)"), 32.0 / 27},      {u("Mi (81/64)"), 81.0 / 64},          {u("Fa (4/3)"), 4.0 / 3},
        {u("Fa♯ (729/512)"), 729.0 / 512},  {u("Sol (3/2)"), 3.0 / 2},             {u("Sol♯ (6561/4096)"), 6561.0 / 4096},
        {u("La (27/16)"), 27.0 / 16},       {u("Si♭ (16/9)"), 16.0 / 9},           {u("Si (243/128)"), 243.0 / 128},
        {u("Do (2/1)"), 2.0}};
    ok &= write(folder, "pythagoricien.int", u("Gamme pythagoricienne"), u("Pythagore"),
                u("Chaîne de quintes pures (3/2) de Mi♭ à Sol♯, ramenée dans l'octave. La quinte Sol♯-Mi♭\n"
                  "qui ferme le cercle est trop courte d'un comma pythagoricien (23,46 cents) : la quinte du loup."),
                pythagorean);

    ok &= write(folder, "mesotonique_quart_comma.int", u("Tempérament mésotonique au quart de comma"),
                u("Pietro Aron (1523)"),
                u("Chaîne de quintes de Mi♭ à Sol♯, chacune diminuée d'un quart de comma syntonique\n"
                  "(quinte de 696,578 cents, rapport 5^(1/4)), pour que les tierces majeures soient pures (5/4)."),
                chainOfFifths(kPureFifth - kSyntonicComma / 4));

    const double w = std::sqrt(std::sqrt(2.0));
    const QList<Step> werckmeister = {
        {u("Do"), 1.0},                        {u("Do♯ (256/243)"), 256.0 / 243},
        {u("Ré (64/81·√2)"), 64.0 / 81 * std::sqrt(2.0)}, {u("Mi♭ (32/27)"), 32.0 / 27},
        {u("Mi (256/243·∜2)"), 256.0 / 243 * w}, {u("Fa (4/3)"), 4.0 / 3},
        {u("Fa♯ (1024/729)"), 1024.0 / 729},   {u("Sol (8/9·∜8)"), 8.0 / 9 * w * w * w},
        {u("Sol♯ (128/81)"), 128.0 / 81},      {u("La (1024/729·∜2)"), 1024.0 / 729 * w},
        {u("Si♭ (16/9)"), 16.0 / 9},           {u("Si (128/81·∜2)"), 128.0 / 81 * w},
        {u("Do (octave)"), 2.0}};
    ok &= write(folder, "werckmeister_3.int", u("Werckmeister III"), u("Andreas Werckmeister (1691)"),
                u("Tempérament inégal : les quintes Do-Sol, Sol-Ré, Ré-La et Si-Fa♯ sont diminuées chacune\n"
                  "d'un quart de comma pythagoricien, les huit autres sont pures. Toutes les tonalités sont\n"
                  "jouables, chacune avec sa couleur."),
                werckmeister);

    double kirnberger[12];
    const double narrow = kPureFifth - kSyntonicComma / 4;
    kirnberger[0] = 0;                                     // Do
    kirnberger[7] = narrow;                                // Sol
    kirnberger[2] = folded(2 * narrow);                    // Ré
    kirnberger[9] = folded(3 * narrow);                    // La
    kirnberger[4] = cents(5.0 / 4);                        // Mi: four narrow fifths make a pure third
    kirnberger[11] = folded(kirnberger[4] + kPureFifth);   // Si
    kirnberger[6] = folded(kirnberger[11] + kPureFifth);   // Fa♯
    kirnberger[5] = folded(-kPureFifth);                   // Fa
    kirnberger[10] = folded(-2 * kPureFifth);              // Si♭
    kirnberger[3] = folded(-3 * kPureFifth);               // Mi♭
    kirnberger[8] = folded(-4 * kPureFifth);               // La♭
    kirnberger[1] = folded(-5 * kPureFifth);               // Ré♭
    ok &= write(folder, "kirnberger_3.int", u("Kirnberger III"), u("Johann Philipp Kirnberger (1779)"),
                u("Les quatre quintes Do-Sol-Ré-La-Mi sont diminuées d'un quart de comma syntonique, de sorte\n"
                  "que la tierce Do-Mi est pure (5/4) ; la quinte Fa♯-Do♯ est diminuée d'un schisma, les\n"
                  "autres sont pures."),
                chromatic(kirnberger));

    double vallotti[12];
    const double sixth = kPureFifth - kPythagoreanComma / 6;
    const int tempered6[7] = {5, 0, 7, 2, 9, 4, 11}; // Fa Do Sol Ré La Mi Si
    for (int n = 0; n < 7; ++n)
        vallotti[tempered6[n]] = folded((n - 1) * sixth);
    const int pure[5] = {6, 1, 8, 3, 10}; // Fa♯ Do♯ Sol♯ Ré♯ La♯, pure fifths up from Si
    for (int n = 0; n < 5; ++n)
        vallotti[pure[n]] = folded(vallotti[11] + (n + 1) * kPureFifth);
    ok &= write(folder, "vallotti.int", u("Tempérament de Vallotti"), u("Francesco Antonio Vallotti (vers 1750)"),
                u("Les six quintes Fa-Do-Sol-Ré-La-Mi-Si sont diminuées d'un sixième de comma pythagoricien\n"
                  "(698,045 cents), les six autres sont pures."),
                chromatic(vallotti));

    ok &= write(folder, "temperament_egal_19.int", u("Tempérament égal à 19 degrés"),
                u("Guillaume Costeley (1570)"),
                u("L'octave divisée en 19 parties égales de 63,158 cents : tierces mineures presque pures,\n"
                  "dièses et bémols distincts."),
                equal(19));
    ok &= write(folder, "temperament_egal_31.int", u("Tempérament égal à 31 degrés"), u("Christiaan Huygens (1691)"),
                u("L'octave divisée en 31 parties égales de 38,710 cents, très proche du tempérament\n"
                  "mésotonique au quart de comma, avec des tierces majeures presque pures."),
                equal(31));

    const QList<Step> harmonics = {
        {u("Harmoniques 1, 2, 4, 8 et 16 (1/1)"), 1.0}, {u("Harmonique 9 (9/8)"), 9.0 / 8},
        {u("Harmoniques 5 et 10 (5/4)"), 5.0 / 4},      {u("Harmonique 11 (11/8)"), 11.0 / 8},
        {u("Harmoniques 3, 6 et 12 (3/2)"), 3.0 / 2},   {u("Harmonique 13 (13/8)"), 13.0 / 8},
        {u("Harmoniques 7 et 14 (7/4)"), 7.0 / 4},      {u("Harmonique 15 (15/8)"), 15.0 / 8},
        {u("Octave (2/1)"), 2.0}};
    ok &= write(folder, "harmoniques_16.int", u("Harmoniques 1 à 16"), u("Série harmonique naturelle"),
                u("Les seize premiers harmoniques d'un son, ramenés dans une octave (divisés par la plus\n"
                  "grande puissance de 2 qui les précède). Les harmoniques 7, 11 et 13 n'ont pas d'équivalent\n"
                  "dans le tempérament égal."),
                harmonics);
    return ok ? 0 : 1;
}
