#include "app/DiapasonUi.h"

#include "app/DecimalValidator.h"
#include "synth/SampleRates.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The widest texts each field can show: typed within its validator's bounds, or written by the
// program in the general format with 6 significant digits (4 for the Frequency 2 display).
const QStringList kWidestFrequency1 = {QStringLiteral("15999.999"), QStringLiteral("8888.888")};
const QStringList kWidestCents = {QStringLiteral("-49.99"), QStringLiteral("-49")};
const QStringList kWidestUnits = {QStringLiteral("-19999.999"), QStringLiteral("-23917.7")};
const QStringList kWidestDecimal = {QStringLiteral("119.999999"), QStringLiteral("0.000001")};
const QStringList kWidestFraction = {QStringLiteral("999999/999999"), QStringLiteral("888888/888888")};
const QStringList kWidestDuration = {QStringLiteral("119.99"), QStringLiteral("88.88")};

/// Frequency 2 (Frequency 1 up to 15000 Hz times a ratio from 10^-6 to 120, so 10^-5 to
/// 1.8·10^6 Hz, octaves −21 to 16) in 4 significant digits, a colon and the longest note names.
QStringList widestFrequency2()
{
    QStringList texts;
    for (const char *number : {"1.235e+06", "1.235e-05", "8888"})
        for (const char *octave : {"-21", "16"})
            texts << QString::fromUtf8("%1:Sol\u266E%2-50").arg(QLatin1String(number), QLatin1String(octave));
    return texts;
}

/// The width a line edit needs to show each of texts whole, measured as the line edit measures
/// its own contents: its frame, its 2-pixel side margins and the cursor.
int lineEditWidth(const QLineEdit *edit, const QStringList &texts)
{
    const QFontMetrics metrics(edit->font());
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QMargins margins = edit->textMargins();
    const QSize contents(widest + 2 * 2 + 1 + margins.left() + margins.right(), metrics.height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
}

/// A field of the given least width, wider when its widest texts need it.
void fitFixedWidth(QLineEdit *edit, int leastWidth, const QStringList &widest)
{
    edit->setFixedWidth(std::max(leastWidth, lineEditWidth(edit, widest)));
}

/// A field that may be at most maxWidth wide, unless its widest texts need more; never narrower
/// than they need.
void fitMaximumWidth(QLineEdit *edit, int maxWidth, const QStringList &widest)
{
    const int needed = lineEditWidth(edit, widest);
    edit->setMinimumWidth(needed);
    edit->setMaximumWidth(std::max(maxWidth, needed));
}

/// The widest size hint of a button over the texts it shows in turn.
int buttonWidth(QPushButton *button, const QStringList &texts)
{
    const QString shown = button->text();
    int widest = button->sizeHint().width();
    for (const QString &text : texts) {
        button->setText(text);
        widest = std::max(widest, button->sizeHint().width());
    }
    button->setText(shown);
    return widest;
}

void raiseMaximumWidth(QWidget *widget, int maxWidth, int needed)
{
    widget->setMinimumWidth(needed);
    widget->setMaximumWidth(std::max(maxWidth, needed));
}

QPushButton *actionButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

template <class Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

QString DiapasonUi::refusedFrequency1()
{
    return tr("<font color=red><b>Fréquence non permise</b></font>");
}

QString DiapasonUi::refusedFrequency2()
{
    return tr("<font color=red><b>Fréquence 2 non permise</b></font>");
}

void DiapasonUi::setupUi(QDialog *window)
{
    createReferenceControls(window);
    createIntervalControls(window);
    createAudioControls(window);
    createActionControls(window);
    message = named(new QMessageBox(window), "message");
    // A path in a message can be copied.
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sizeToTexts();
    layOut(window);
}

void DiapasonUi::createReferenceControls(QDialog *window)
{
    freq1Edit = named(new QLineEdit(QStringLiteral("440"), window), "freq1Edit");
    freq1Edit->setValidator(new DecimalValidator(10, 16000, 3, freq1Edit));
    freq1Edit->setToolTip(tr("Fréquence 1 (référence) de 10 à 17000 Hz"));
    freq1Label = new QLabel(tr("&Fréquence 1 "), window);
    freq1Label->setBuddy(freq1Edit);
    freq1Label->setFixedHeight(40);

    statusLabel = named(new QLabel(window), "statusLabel");
    statusLabel->setWordWrap(true);
    // Blinking hides the label: its room stays, so that the row does not move.
    QSizePolicy policy = statusLabel->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    statusLabel->setSizePolicy(policy);

    helpButton = named(new QPushButton(tr("&Aide"), window), "aideButton");

    notesGroup = named(new QButtonGroup(window), "notesGroup");
    notesGroup->setExclusive(true);
    const char *const names[7] = {QT_TR_NOOP("Do"), QT_TR_NOOP("Ré"), QT_TR_NOOP("Mi"), QT_TR_NOOP("Fa"),
                                  QT_TR_NOOP("Sol"), QT_TR_NOOP("La"), QT_TR_NOOP("Si")};
    for (int id = 1; id <= 7; ++id)
        notesGroup->addButton(new QRadioButton(tr(names[id - 1]), window), id);
    notesGroup->button(6)->setChecked(true);

    la4Spin = named(new QSpinBox(window), "la4Spin");
    la4Spin->setRange(430, 450);
    la4Spin->setSingleStep(1);
    la4Spin->setValue(440);
    la4Spin->setToolTip(tr("Frequence de reference pour La4 de 435 à 445"));

    alterCombo = named(new QComboBox(window), "alterCombo");
    alterCombo->addItems({tr("bémol"), tr("bécarre"), tr("dièze")});
    alterCombo->setCurrentIndex(1);
    alterCombo->setToolTip(tr("Choisir une altération : bémol, bécarre, dièze"));

    octaveSpin = named(new QSpinBox(window), "octaveSpin");
    octaveSpin->setRange(-2, 10);
    octaveSpin->setValue(4);
    octaveSpin->setToolTip(tr("Choisir l'octave entre -2 et 10"));

    creditLabel = new QLabel(tr("<small><i>ZIB, le diapason<br>numérique</i></small>"), window);
    forkLabel = new QLabel(window);
    forkLabel->setFixedSize(50, 60);

    correctionDial = named(new QDial(window), "correctionDial");
    correctionDial->setRange(-49, 49);
    correctionDial->setSingleStep(1);
    correctionDial->setNotchesVisible(true);
    correctionDial->setFocusPolicy(Qt::StrongFocus);
    correctionDial->setFixedWidth(75);
    correctionDial->setToolTip(tr("Correction par pas de 1 cent"));

    centsEdit = named(new QLineEdit(QStringLiteral("0"), window), "centsEdit");
    centsEdit->setReadOnly(true);
    centsEdit->setAlignment(Qt::AlignCenter);
    centsEdit->setToolTip(tr("Correction de -49 à +49 cents"));
}

void DiapasonUi::createIntervalControls(QDialog *window)
{
    unitsCombo = named(new QComboBox(window), "unitesCombo");
    unitsCombo->addItems({tr("En cents"), tr("En savarts"), tr("En commas")});
    unitsCombo->setToolTip(tr("Choix de l'unité de mesure pour les intervalles"));

    unitsEdit = named(new QLineEdit(QStringLiteral("0"), window), "unitesEdit");
    unitsEdit->setValidator(new DecimalValidator(-20000, 20000, 3, unitsEdit));
    unitsEdit->setToolTip(tr("Intervalle en cents, en savarts ou commas"));

    decimalEdit = named(new QLineEdit(QStringLiteral("1"), window), "decimalEdit");
    decimalEdit->setValidator(new DecimalValidator(1e-6, 120, 6, decimalEdit));
    decimalEdit->setToolTip(tr("Intervalle sous forme décimal : exemple 1.5 pour la quinte"));

    fractionEdit = named(new QLineEdit(window), "fractionEdit");
    fractionEdit->setInputMask(QStringLiteral("000009/d00000"));
    fractionEdit->setText(QStringLiteral("1/1"));

    listButton = actionButton(tr("Liste"), "listeButton", window);
    listButton->setToolTip(tr("Cliquer pour choisir un degré dans une liste"));

    freq2Edit = named(new QLineEdit(QStringLiteral("440.0:La 4"), window), "freq2Edit");
    freq2Edit->setReadOnly(true);
    QPalette red = freq2Edit->palette();
    red.setColor(QPalette::Text, Qt::red);
    red.setColor(QPalette::Base, window->palette().color(QPalette::Button));
    freq2Edit->setPalette(red);
    freq2Edit->setToolTip(tr("Freq 2 = Freq 1 + Intervalle "));
}

void DiapasonUi::createAudioControls(QDialog *window)
{
    waveCombo = named(new QComboBox(window), "formeCombo");
    waveCombo->addItems({tr("sinus"), tr("triangle"), tr("parabole"), tr("carré"), tr("rampe"), tr("synthèse")});
    waveCombo->setToolTip(tr("Forme du signal : sinus, triangle, parabole, etc."));

    wavePicture = named(new QLabel(window), "ondeLabel");
    wavePicture->setFixedSize(90, 40);

    volumeGroup = named(new QGroupBox(tr("Volume"), window), "volumeGroup");
    volumeGroup->setAlignment(Qt::AlignHCenter);
    volumeGroup->setEnabled(false);
    volumeSlider = named(new QSlider(Qt::Vertical, volumeGroup), "volumeSlider");
    volumeSlider->setRange(-50, 50);
    volumeSlider->setValue(0);
    volumeSlider->setTickPosition(QSlider::TicksRight);
    volumeSlider->setTickInterval(20);
    volumeSlider->setFixedSize(10, 45);
    volumeSlider->setToolTip(tr("Augmenter ou diminuer l'amplitude.\nAttention le changement de "
                                "volume n'a d'effet que pour les enregistrements"));
    dbLabel = named(new QLabel(QStringLiteral("  0 dB"), volumeGroup), "dbLabel");

    parametersButton = named(new QPushButton(tr("Paramètres"), window), "parametresButton");
    parametersButton->setEnabled(false);
    parametersButton->setDefault(false);
    parametersButton->setAutoDefault(false);
    parametersButton->setToolTip(tr("Actif dans le cas d'une synthèse modale"));

    rateCombo = named(new QComboBox(window), "fechCombo");
    for (int rate : kSampleRates)
        rateCombo->addItem(QString::number(rate));
    rateCombo->setCurrentIndex(kDefaultSampleRateIndex);
    rateCombo->setToolTip(tr("Fréquence d'échantillonnage"));

    durationEdit = named(new QLineEdit(QStringLiteral("1"), window), "dureeEdit");
    durationEdit->setValidator(new DecimalValidator(0.01, 120, 2, durationEdit));
    durationEdit->setToolTip(tr("Durée du son enregistré, de 0.01 à 120 secondes"));
}

void DiapasonUi::createActionControls(QDialog *window)
{
    tunerButton = named(new QPushButton(tr("Accordeur"), window), "accordeurButton");
    play1Button = actionButton(tr("Jouer Freq &1"), "jouer1Button", window);
    play1Button->setDefault(true);
    play2Button = actionButton(tr("Jouer Freq &2"), "jouer2Button", window);
    save1Button = actionButton(tr("Sauv. Fréq 1"), "sauv1Button", window);
    save1Button->setToolTip(tr("Enregistrer Fréq. 1 dans un fichier"));
    save2Button = actionButton(tr("Sauv. Fréq 2"), "sauv2Button", window);
    save2Button->setToolTip(tr("Enregistrer Fréq. 2 dans un fichier"));
    openButton = actionButton(tr("&Ouvrir"), "ouvrirButton", window);
    loopCheck = named(new QCheckBox(tr("En boucle"), window), "boucleCheck");
    loopCheck->setToolTip(tr("Pour jouer le fichier en boucle"));
    stopButton = actionButton(tr("&Stop"), "stopButton", window);
    stopButton->setEnabled(false);
}

void DiapasonUi::sizeToTexts()
{
    fitMaximumWidth(freq1Edit, 60, kWidestFrequency1);
    fitMaximumWidth(centsEdit, 40, kWidestCents);
    fitFixedWidth(unitsEdit, 81, kWidestUnits);
    fitFixedWidth(decimalEdit, 81, kWidestDecimal);
    fitFixedWidth(fractionEdit, 81, kWidestFraction);
    fitFixedWidth(freq2Edit, 82, widestFrequency2());
    fitFixedWidth(durationEdit, 35, kWidestDuration);

    // The status label holds the room of its widest message on one line.
    int statusWidth = 0;
    int statusHeight = 40;
    statusLabel->setWordWrap(false);
    for (const QString &text : {refusedFrequency1(), refusedFrequency2()}) {
        statusLabel->setText(text);
        statusWidth = std::max(statusWidth, statusLabel->sizeHint().width());
        statusHeight = std::max(statusHeight, statusLabel->sizeHint().height());
    }
    statusLabel->clear();
    statusLabel->setWordWrap(true);
    statusLabel->setFixedSize(statusWidth, statusHeight);

    raiseMaximumWidth(la4Spin, 70, la4Spin->sizeHint().width());
    raiseMaximumWidth(octaveSpin, 70, octaveSpin->sizeHint().width());
    raiseMaximumWidth(alterCombo, 70, alterCombo->sizeHint().width());
    raiseMaximumWidth(waveCombo, 90, waveCombo->sizeHint().width());

    raiseMaximumWidth(helpButton, 85, buttonWidth(helpButton, {}));
    raiseMaximumWidth(listButton, 81, buttonWidth(listButton, {}));
    parametersButton->setFixedWidth(std::max(90, buttonWidth(parametersButton, {})));
    const QString stop = tr("&Stop");
    raiseMaximumWidth(play1Button, 85, buttonWidth(play1Button, {stop}));
    raiseMaximumWidth(play2Button, 85, buttonWidth(play2Button, {stop}));
    raiseMaximumWidth(save1Button, 85, buttonWidth(save1Button, {}));
    raiseMaximumWidth(save2Button, 85, buttonWidth(save2Button, {}));
    raiseMaximumWidth(openButton, 85, buttonWidth(openButton, {}));
    raiseMaximumWidth(stopButton, 85, buttonWidth(stopButton, {tr("&Continuer")}));

    const QFontMetrics metrics(dbLabel->font());
    dbLabel->setFixedWidth(std::max(35, metrics.horizontalAdvance(QStringLiteral("-50 dB")) + 2));
}

void DiapasonUi::layOut(QDialog *window)
{
    // Column 1: the reference frequency and its note.
    auto *referenceGroup = new QGroupBox(tr("Fréquence de référence"), window);
    auto *referenceLayout = new QVBoxLayout(referenceGroup);

    auto *freq1Row = new QHBoxLayout;
    freq1Row->addWidget(freq1Label);
    freq1Row->addWidget(freq1Edit);
    freq1Row->addWidget(statusLabel);
    freq1Row->addWidget(helpButton);
    referenceLayout->addLayout(freq1Row);

    auto *notesBox = new QGroupBox(tr("Notes musicales"), referenceGroup);
    auto *notesLayout = new QHBoxLayout(notesBox);
    notesLayout->setSpacing(2);
    for (QAbstractButton *b : notesGroup->buttons())
        notesLayout->addWidget(b);
    notesBox->setFixedSize(notesBox->sizeHint().expandedTo(QSize(300, 70)));
    referenceLayout->addWidget(notesBox);
    referenceLayout->addSpacing(10);

    auto *noteForm = new QFormLayout;
    noteForm->addRow(tr("Diapason La 4"), la4Spin);
    noteForm->addRow(tr("Altération"), alterCombo);
    noteForm->addRow(tr("Octave"), octaveSpin);
    auto *creditRow = new QHBoxLayout;
    creditRow->addWidget(creditLabel);
    creditRow->addWidget(forkLabel);
    auto *noteColumn = new QVBoxLayout;
    noteColumn->addLayout(noteForm);
    noteColumn->addLayout(creditRow);

    auto *deviationGroup = new QGroupBox(tr("Ecart en Cents"), referenceGroup);
    auto *deviationLayout = new QVBoxLayout(deviationGroup);
    deviationLayout->setSpacing(-10);
    deviationLayout->setContentsMargins(0, 0, 0, 0);
    deviationLayout->addWidget(correctionDial);
    deviationLayout->addWidget(centsEdit);
    deviationGroup->setMinimumHeight(std::max(90, deviationGroup->minimumSizeHint().height()));

    auto *noteRow = new QHBoxLayout;
    noteRow->addLayout(noteColumn);
    noteRow->addWidget(deviationGroup);
    referenceLayout->addLayout(noteRow);

    // Column 2: the interval and the audio parameters.
    auto *intervalGroup = new QGroupBox(tr("Intervalle Freq1-Freq2"), window);
    auto *intervalForm = new QFormLayout(intervalGroup);
    intervalForm->addRow(unitsCombo, unitsEdit);
    intervalForm->addRow(tr("En décimal"), decimalEdit);
    intervalForm->addRow(tr("En fraction"), fractionEdit);
    intervalForm->addRow(tr("Liste d'intervalles"), listButton);
    intervalForm->addRow(tr("Fréquence 2"), freq2Edit);

    auto *audioGroup = new QGroupBox(tr("Paramètres Audio"), window);
    auto *audioLayout = new QVBoxLayout(audioGroup);
    auto *volumeLayout = new QHBoxLayout(volumeGroup);
    volumeLayout->addWidget(volumeSlider);
    volumeLayout->addWidget(dbLabel);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Forme du Signal"), audioGroup), 0, 0);
    grid->addWidget(waveCombo, 0, 1);
    grid->addWidget(volumeGroup, 1, 0, 2, 1);
    grid->addWidget(wavePicture, 1, 1);
    grid->addWidget(parametersButton, 2, 1);
    grid->setVerticalSpacing(2);
    audioLayout->addLayout(grid);
    auto *rateRow = new QHBoxLayout;
    rateRow->addWidget(new QLabel(tr("Fe"), audioGroup));
    rateRow->addWidget(rateCombo);
    auto *durationLabel = new QLabel(tr("&Durée"), audioGroup);
    durationLabel->setBuddy(durationEdit);
    rateRow->addWidget(durationLabel);
    rateRow->addWidget(durationEdit);
    audioLayout->addLayout(rateRow);

    auto *column2 = new QVBoxLayout;
    column2->addWidget(intervalGroup);
    column2->addWidget(audioGroup);

    // Column 3: the actions.
    auto *tuneGroup = new QGroupBox(tr("Accorder"), window);
    auto *tuneLayout = new QVBoxLayout(tuneGroup);
    tuneLayout->addWidget(tunerButton);
    tuneLayout->addWidget(play1Button);
    tuneLayout->addWidget(play2Button);
    auto *saveGroup = new QGroupBox(tr("Enregistrer"), window);
    auto *saveLayout = new QVBoxLayout(saveGroup);
    saveLayout->addWidget(save1Button);
    saveLayout->addWidget(save2Button);
    auto *fileGroup = new QGroupBox(tr("Ecouter Fichier"), window);
    auto *fileLayout = new QVBoxLayout(fileGroup);
    fileLayout->addWidget(openButton);
    fileLayout->addWidget(loopCheck);
    fileLayout->addWidget(stopButton);
    auto *column3 = new QVBoxLayout;
    column3->addWidget(tuneGroup);
    column3->addWidget(saveGroup);
    column3->addWidget(fileGroup);
    column3->addStretch();

    auto *main = new QHBoxLayout(window);
    main->addWidget(referenceGroup);
    main->addLayout(column2);
    main->addLayout(column3);
}
