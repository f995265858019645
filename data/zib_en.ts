<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AccordeurDlg</name>
    <message>
        <source>ZIB 0.10 - Accordeur</source>
        <translation>ZIB 0.10 - Tuner</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Analyser le signal à l&apos;entrée du microphone.
La détection ne se déclenche que si le niveau du signal dépasse le niveau du bruit plancher</source>
        <translation>Analyse the signal at the microphone input.
Detection only starts when the signal level exceeds the noise floor</translation>
    </message>
    <message>
        <source>Autocorrélation</source>
        <translation>Autocorrelation</translation>
    </message>
    <message>
        <source>Cepstre</source>
        <translation>Cepstrum</translation>
    </message>
    <message>
        <source>HPS</source>
        <translation>HPS</translation>
    </message>
    <message>
        <source>Algorithmes de detection : Autocorrélation (méthode temporelle), Cepstre et HPS (méthodes spectrales)</source>
        <translation>Detection algorithms: autocorrelation (time-domain method), cepstrum and HPS (spectral methods)</translation>
    </message>
    <message>
        <source>Rectangulaire</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Hann</source>
        <translation>Hann</translation>
    </message>
    <message>
        <source>Hamming</source>
        <translation>Hamming</translation>
    </message>
    <message>
        <source>Blackman</source>
        <translation>Blackman</translation>
    </message>
    <message>
        <source>Fenêtres temporelles utilisées dans les méthodes spectrales (Cpestre et HPS) pour minimiser les distorsions du spectre</source>
        <translation>Time windows used by the spectral methods (cepstrum and HPS) to reduce spectral distortion</translation>
    </message>
    <message>
        <source>Nombre d&apos;échantillons utilisés dans l&apos;analyse ou taille de la fenêtre temporelle.
Dans les méthodes spectrales (cepstre et HPS), le choix des valeurs élévées augmente la résolution,
mais alourdit les calculs (valeurs recommandées 4048 ou plus).
Pour l&apos;autocorrélation, ce nombre détermine la fréquence la plus basse détectable, alors que la résolution
ne dépend que de la fréquence d&apos;échantillonnage (valeur recommandée 2024).
Voir la résolution et les fréquences Min-Max</source>
        <translation>Number of samples used in the analysis, or size of the time window.
For the spectral methods (cepstrum and HPS), high values improve the resolution
but make the computation heavier (4096 or more recommended).
For the autocorrelation, this number sets the lowest detectable frequency, while the resolution
depends only on the sampling frequency (2048 recommended).
See the resolution and the Min-Max frequencies</translation>
    </message>
    <message>
        <source>Choisir un système audio parmi ceux disponibles</source>
        <translation>Choose one of the available audio systems</translation>
    </message>
    <message>
        <source>Fréquence d&apos;échantillonage du signal :
- Pour l&apos;autocorrélation, prendre des valeurs élevées (valeurs recommandées 44100 ou plus).
- Pour les méthodes spectrales, le choix des valeurs élevées diminue la résolution,
sauf si on choisit aussi un grand nombre de points.</source>
        <translation>Sampling frequency of the signal:
- For the autocorrelation, take high values (44100 or more recommended).
- For the spectral methods, high values lower the resolution,
unless a large number of points is chosen as well.</translation>
    </message>
    <message>
        <source>Si la note détectée est proche de la notre cible,
l&apos;aiguille devient rouge et indique la différence en cents entre les deux valeurs</source>
        <translation>When the detected note is close to the target note,
the needle turns red and shows the difference between them in cents</translation>
    </message>
    <message>
        <source>Note cible définie dans la fenêtre de dialogue prinipale : fréquence 2</source>
        <translation>Target note set in the main window: frequency 2</translation>
    </message>
    <message>
        <source>Déterminer le niveau minimum du signal pour le distinguer du bruit.
L&apos;analyse ne se déclenche que si le niveau du signal à l&apos;entrée du microphone dépasse le niveau du bruit.
Choisir un niveau élevé, en fonction du niveau du signal capté en entrée.</source>
        <translation>Set the minimum signal level that tells the signal from the noise.
The analysis only starts when the level at the microphone input exceeds the noise level.
Choose a high level, according to the level of the captured signal.</translation>
    </message>
    <message>
        <source>Paramètres d&apos;Analyse</source>
        <translation>Analysis Parameters</translation>
    </message>
    <message>
        <source>Méthode de détection</source>
        <translation>Detection method</translation>
    </message>
    <message>
        <source>Fenêtre</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Nombre de points</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Résolution (cents)</source>
        <translation>Resolution (cents)</translation>
    </message>
    <message>
        <source>Fréquences Min-Max</source>
        <translation>Min-Max frequencies</translation>
    </message>
    <message>
        <source>Entrée Audio</source>
        <translation>Audio Input</translation>
    </message>
    <message>
        <source>Système (driver)</source>
        <translation>System (driver)</translation>
    </message>
    <message>
        <source>Freq Ech (Hz)</source>
        <translation>Sample rate (Hz)</translation>
    </message>
    <message>
        <source>Bruit Plancher</source>
        <translation>Noise Floor</translation>
    </message>
    <message>
        <source>Note Détectée</source>
        <translation>Detected Note</translation>
    </message>
    <message>
        <source>Accordage</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;Pas d&apos;entrée audio&lt;/font&gt;</source>
        <translation>&lt;font color=red&gt;No audio input&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Précise</source>
        <translation>Precise</translation>
    </message>
    <message>
        <source>(figée)</source>
        <translation>(held)</translation>
    </message>
    <message>
        <source>Cible : liste d&apos;intervalles</source>
        <translation>Target: interval list</translation>
    </message>
    <message>
        <source>Mesurer l&apos;écart au degré le plus proche de la liste d&apos;intervalles ouverte,
joué sur Fréquence 1, au lieu de Fréquence 2</source>
        <translation>Measure the deviation from the nearest degree of the open interval list,
played on Frequency 1, instead of Frequency 2</translation>
    </message>
</context>
<context>
    <name>Diapason</name>
    <message>
        <source>ZIB - Diapason Numérique v0.10</source>
        <translation>ZIB - Digital Tuning Fork v0.10</translation>
    </message>
    <message>
        <source>Fréquence 1 (référence) de 10 à 17000 Hz</source>
        <translation>Frequency 1 (reference) from 10 to 17000 Hz</translation>
    </message>
    <message>
        <source>&amp;Fréquence 1 </source>
        <translation>&amp;Frequency 1 </translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>G</translation>
    </message>
    <message>
        <source>La</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Frequence de reference pour La4 de 435 à 445</source>
        <translation>Reference frequency for A4 from 435 to 445</translation>
    </message>
    <message>
        <source>bémol</source>
        <translation>flat</translation>
    </message>
    <message>
        <source>bécarre</source>
        <translation>natural</translation>
    </message>
    <message>
        <source>dièze</source>
        <translation>sharp</translation>
    </message>
    <message>
        <source>Choisir une altération : bémol, bécarre, dièze</source>
        <translation>Choose an accidental: flat, natural, sharp</translation>
    </message>
    <message>
        <source>Choisir l&apos;octave entre -2 et 10</source>
        <translation>Choose the octave between -2 and 10</translation>
    </message>
    <message>
        <source>&lt;small&gt;&lt;i&gt;ZIB, le diapason&lt;br&gt;numérique&lt;/i&gt;&lt;/small&gt;</source>
        <translation>&lt;small&gt;&lt;i&gt;ZIB, the digital&lt;br&gt;tuning fork&lt;/i&gt;&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Correction par pas de 1 cent</source>
        <translation>Correction in steps of 1 cent</translation>
    </message>
    <message>
        <source>Correction de -49 à +49 cents</source>
        <translation>Correction from -49 to +49 cents</translation>
    </message>
    <message>
        <source>En cents</source>
        <translation>In cents</translation>
    </message>
    <message>
        <source>En savarts</source>
        <translation>In savarts</translation>
    </message>
    <message>
        <source>En commas</source>
        <translation>In commas</translation>
    </message>
    <message>
        <source>Choix de l&apos;unité de mesure pour les intervalles</source>
        <translation>Unit used for the intervals</translation>
    </message>
    <message>
        <source>Intervalle en cents, en savarts ou commas</source>
        <translation>Interval in cents, savarts or commas</translation>
    </message>
    <message>
        <source>Intervalle sous forme décimal : exemple 1.5 pour la quinte</source>
        <translation>Interval as a decimal ratio: for example 1.5 for the fifth</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Cliquer pour choisir un degré dans une liste</source>
        <translation>Click to choose a degree from a list</translation>
    </message>
    <message>
        <source>Freq 2 = Freq 1 + Intervalle </source>
        <translation>Freq 2 = Freq 1 + Interval </translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>sine</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>parabole</source>
        <translation>parabola</translation>
    </message>
    <message>
        <source>carré</source>
        <translation>square</translation>
    </message>
    <message>
        <source>rampe</source>
        <translation>ramp</translation>
    </message>
    <message>
        <source>synthèse</source>
        <translation>synthesis</translation>
    </message>
    <message>
        <source>Forme du signal : sinus, triangle, parabole, etc.</source>
        <translation>Waveform: sine, triangle, parabola, etc.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Augmenter ou diminuer l&apos;amplitude.
Attention le changement de volume n&apos;a d&apos;effet que pour les enregistrements</source>
        <translation>Raise or lower the amplitude.
Note: the volume only affects recordings</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Actif dans le cas d&apos;une synthèse modale</source>
        <translation>Active for a modal synthesis</translation>
    </message>
    <message>
        <source>Fréquence d&apos;échantillonnage</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Durée du son enregistré, de 0.01 à 120 secondes</source>
        <translation>Length of the recorded sound, from 0.01 to 120 seconds</translation>
    </message>
    <message>
        <source>Accordeur</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Jouer Freq &amp;1</source>
        <translation>Play Freq &amp;1</translation>
    </message>
    <message>
        <source>Jouer Freq &amp;2</source>
        <translation>Play Freq &amp;2</translation>
    </message>
    <message>
        <source>Sauv. Fréq 1</source>
        <translation>Save Freq 1</translation>
    </message>
    <message>
        <source>Enregistrer Fréq. 1 dans un fichier</source>
        <translation>Save Freq. 1 to a file</translation>
    </message>
    <message>
        <source>Sauv. Fréq 2</source>
        <translation>Save Freq 2</translation>
    </message>
    <message>
        <source>Enregistrer Fréq. 2 dans un fichier</source>
        <translation>Save Freq. 2 to a file</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>En boucle</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Pour jouer le fichier en boucle</source>
        <translation>Play the file in a loop</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Fréquence de référence</source>
        <translation>Reference frequency</translation>
    </message>
    <message>
        <source>Notes musicales</source>
        <translation>Musical notes</translation>
    </message>
    <message>
        <source>Diapason La 4</source>
        <translation>Pitch of A4</translation>
    </message>
    <message>
        <source>Altération</source>
        <translation>Accidental</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>Ecart en Cents</source>
        <translation>Deviation in cents</translation>
    </message>
    <message>
        <source>Intervalle Freq1-Freq2</source>
        <translation>Interval Freq1-Freq2</translation>
    </message>
    <message>
        <source>En décimal</source>
        <translation>As a decimal</translation>
    </message>
    <message>
        <source>En fraction</source>
        <translation>As a fraction</translation>
    </message>
    <message>
        <source>Liste d&apos;intervalles</source>
        <translation>Interval list</translation>
    </message>
    <message>
        <source>Fréquence 2</source>
        <translation>Frequency 2</translation>
    </message>
    <message>
        <source>Paramètres Audio</source>
        <translation>Audio parameters</translation>
    </message>
    <message>
        <source>Forme du Signal</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>Fe</source>
        <translation>Fs</translation>
    </message>
    <message>
        <source>&amp;Durée</source>
        <translation>&amp;Length</translation>
    </message>
    <message>
        <source>Accorder</source>
        <translation>Tune</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ecouter Fichier</source>
        <translation>Play a file</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;&lt;b&gt;Fréquence 2 non permise&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=red&gt;&lt;b&gt;Frequency 2 not allowed&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;&lt;b&gt;Fréquence non permise&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=red&gt;&lt;b&gt;Frequency not allowed&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>La correction en cent ne doit pas depasser 49 cents</source>
        <translation>The correction must not exceed 49 cents</translation>
    </message>
    <message>
        <source>Zib Diapason Numérique v0.10</source>
        <translation>Zib Digital Tuning Fork v0.10</translation>
    </message>
    <message>
        <source>ZIB, diapason numérique : notes, intervalles, sons et accordeur.</source>
        <translation>ZIB, digital tuning fork: notes, intervals, sounds and tuner.</translation>
    </message>
    <message>
        <source>Choisir d&apos;abord un modele de synthèse</source>
        <translation>First choose a synthesis model</translation>
    </message>
    <message>
        <source>Sauvegarder fichier</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier pour écriture</source>
        <translation>Cannot open the file for writing</translation>
    </message>
    <message>
        <source>Saturation ! Baisser le volume de %1 dB
Le fichier n&apos;a pas été enregistré</source>
        <translation>Clipping! Lower the volume by %1 dB
The file was not saved</translation>
    </message>
    <message>
        <source>Saturation ! Baisser le volume de %1 dB</source>
        <translation>Clipping! Lower the volume by %1 dB</translation>
    </message>
    <message>
        <source>Le modèle ne sonne pas à cette fréquence
Le fichier a tout même été  enregistré</source>
        <translation>The model does not sound at this frequency
The file was saved all the same</translation>
    </message>
    <message>
        <source>Le modèle ne sonne pas à cette fréquence</source>
        <translation>The model does not sound at this frequency</translation>
    </message>
    <message>
        <source>Volume trop faible ! Vous pouvez augmenter le volume de %1 dB
Le fichier a tout même été  enregistré</source>
        <translation>Volume too low! You can raise the volume by %1 dB
The file was saved all the same</translation>
    </message>
    <message>
        <source>Volume trop faible ! Vous pouvez augmenter le volume de %1 dB</source>
        <translation>Volume too low! You can raise the volume by %1 dB</translation>
    </message>
    <message>
        <source>Fréquence non admise</source>
        <translation>Frequency not accepted</translation>
    </message>
    <message>
        <source>Choisir d&apos;abord un modèle de synthèse</source>
        <translation>First choose a synthesis model</translation>
    </message>
    <message>
        <source>Fréquence non permise</source>
        <translation>Frequency not allowed</translation>
    </message>
    <message>
        <source>Définir d&apos;abord un modèle de synthèse</source>
        <translation>First define a synthesis model</translation>
    </message>
    <message>
        <source>Pour jouer ce son en boucle, choisir une durée supérieure ou égale à 1 seconde</source>
        <translation>To play this sound in a loop, choose a length of 1 second or more</translation>
    </message>
    <message>
        <source>Impossible de jouer ce son : la sortie audio n&apos;est pas disponible</source>
        <translation>Cannot play this sound: the audio output is not available</translation>
    </message>
    <message>
        <source>Choisir un fichier</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Fichier (*.wav)</source>
        <translation>File (*.wav)</translation>
    </message>
    <message>
        <source>Problème de lecture du fichier audio</source>
        <translation>Problem playing the audio file</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Resume</translation>
    </message>
    <message>
        <source>La page d&apos;aide est introuvable :
%1</source>
        <translation>The help page cannot be found:
%1</translation>
    </message>
    <message>
        <source>Aucun navigateur n&apos;a pu afficher l&apos;aide. Ouvrez cette page avec votre navigateur :
%1</source>
        <translation>No browser could show the help. Open this page in your browser:
%1</translation>
    </message>
</context>
<context>
    <name>IntervDlg</name>
    <message>
        <source>Do-Ré-Mi...</source>
        <translation>C-D-E...</translation>
    </message>
    <message>
        <source>Do-Ré [0-200[</source>
        <translation>C-D [0-200[</translation>
    </message>
    <message>
        <source>Ré-Mi [200;400[</source>
        <translation>D-E [200;400[</translation>
    </message>
    <message>
        <source>Mi-Fa [400;500[</source>
        <translation>E-F [400;500[</translation>
    </message>
    <message>
        <source>Fa-Sol [500;700[</source>
        <translation>F-G [500;700[</translation>
    </message>
    <message>
        <source>Sol-La [700;900[</source>
        <translation>G-A [700;900[</translation>
    </message>
    <message>
        <source>La-Si [1000;1100[</source>
        <translation>A-B [1000;1100[</translation>
    </message>
    <message>
        <source>Si-Do [1100;1200[</source>
        <translation>B-C [1100;1200[</translation>
    </message>
    <message>
        <source>Do-Re [1200;1250]</source>
        <translation>C-D [1200;1250]</translation>
    </message>
    <message>
        <source>0-50-250...</source>
        <translation>0-50-250...</translation>
    </message>
    <message>
        <source>Micro-Tons [0;50[</source>
        <translation>Microtones [0;50[</translation>
    </message>
    <message>
        <source>Secondes [50,250[</source>
        <translation>Seconds [50,250[</translation>
    </message>
    <message>
        <source>Tierces [250,450[</source>
        <translation>Thirds [250,450[</translation>
    </message>
    <message>
        <source>Quartes [450,650[</source>
        <translation>Fourths [450,650[</translation>
    </message>
    <message>
        <source>Quintes [650,750[</source>
        <translation>Fifths [650,750[</translation>
    </message>
    <message>
        <source>Sixte [750,950[</source>
        <translation>Sixths [750,950[</translation>
    </message>
    <message>
        <source>Septième [950,1150[</source>
        <translation>Sevenths [950,1150[</translation>
    </message>
    <message>
        <source>Octave [1150,1250]</source>
        <translation>Octave [1150,1250]</translation>
    </message>
    <message>
        <source>Modèle de document XML invalide</source>
        <translation>Invalid XML document template</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier pour écriture</source>
        <translation>Cannot open the file for writing</translation>
    </message>
    <message>
        <source>Sauvegarder un Intervalle</source>
        <translation>Save an interval list</translation>
    </message>
    <message>
        <source>Fichier d&apos;intervalles</source>
        <translation>Interval file</translation>
    </message>
    <message>
        <source>Erreur à l&apos;ouverture de la liste par défaut</source>
        <translation>Error opening the default list</translation>
    </message>
    <message>
        <source>Le document XML de liste d&apos;intervalle par défaut n&apos;a pas pu être ouvert. Vérifiez que le fichier &lt;b&gt;%1&lt;/b&gt; existe et est placé dans le répertoire des listes d&apos;intervalles. &lt;br/&gt;Sinon, vous pouvez utiliser une liste vide ou charger un autre fichier.</source>
        <translation>The default interval list XML document could not be opened. Check that the file &lt;b&gt;%1&lt;/b&gt; exists and is in the interval lists folder. &lt;br/&gt;Otherwise you can use an empty list or load another file.</translation>
    </message>
    <message>
        <source>Fichier :	 </source>
        <translation>File:	 </translation>
    </message>
    <message>
        <source>Erreur à l&apos;ouverture du document XML</source>
        <translation>Error opening the XML document</translation>
    </message>
    <message>
        <source>Le document XML de liste d&apos;intervalle n&apos;a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</source>
        <translation>The interval list XML document could not be opened. Check that the name is right and that the document is in the right place</translation>
    </message>
    <message>
        <source>Le document XML n&apos;a pas pu être attribué à l&apos;objet QDomDocument.</source>
        <translation>The XML document could not be read as an interval list.</translation>
    </message>
    <message>
        <source>L&apos;attribut nombre d&apos;intervalles est inexact %1</source>
        <translation>The number of intervals attribute is wrong: %1</translation>
    </message>
    <message>
        <source>La valeur en Cent est non valide</source>
        <translation>The value in cents is not valid</translation>
    </message>
    <message>
        <source>Attention !</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Cet interval existe déjà dans la liste !</source>
        <translation>This interval is already in the list!</translation>
    </message>
    <message>
        <source>L&apos;enregistrer à nouveau ?</source>
        <translation>Add it again?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nouvelle Description à éditer</source>
        <translation>New description to edit</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Fréquence illégale</source>
        <translation>Illegal frequency</translation>
    </message>
    <message>
        <source>Définir d&apos;abord un modèle de synthèse</source>
        <translation>Define a synthesis model first</translation>
    </message>
    <message>
        <source>Impossible de jouer la liste : la sortie audio n&apos;est pas disponible</source>
        <translation>Cannot play the list: the audio output is not available</translation>
    </message>
    <message>
        <source>Jouer Liste</source>
        <translation>Play List</translation>
    </message>
    <message>
        <source>La liste a été modifiée</source>
        <translation>The list has been modified</translation>
    </message>
    <message>
        <source>Fermer sans enregistrer ?</source>
        <translation>Close without saving?</translation>
    </message>
    <message>
        <source>Importer une gamme ou un clavier Scala</source>
        <translation>Import a Scala scale or keyboard mapping</translation>
    </message>
    <message>
        <source>Erreur à l&apos;importation</source>
        <translation>Import error</translation>
    </message>
    <message>
        <source>Le fichier &lt;b&gt;%1&lt;/b&gt; n&apos;a pas été importé.&lt;br/&gt;%2</source>
        <translation>The file &lt;b&gt;%1&lt;/b&gt; was not imported.&lt;br/&gt;%2</translation>
    </message>
    <message>
        <source>la fréquence du degré 0, %1 Hz, sort de %2 … %3 Hz</source>
        <translation>the frequency of degree 0, %1 Hz, lies outside %2 … %3 Hz</translation>
    </message>
    <message>
        <source>Exporter au format Scala</source>
        <translation>Export as a Scala scale</translation>
    </message>
    <message>
        <source>Fréquence 1 n&apos;est pas une fréquence : rien n&apos;a été exporté.</source>
        <translation>Frequency 1 is not a frequency: nothing was exported.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être écrit : %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>La gamme est écrite, mais le fichier %1 n&apos;a pas pu être écrit : %2</source>
        <translation>The scale was written, but the file %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>IntervDlgUi</name>
    <message>
        <source>&lt;font color=yellow&gt;&lt;b&gt;L&apos;intervalle ne doit pas dépasser 1250 cents&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=yellow&gt;&lt;b&gt;The interval must not exceed 1250 cents&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Ecart : &lt;font color=red&gt;%1&lt;/font&gt; c</source>
        <translation>Deviation: &lt;font color=red&gt;%1&lt;/font&gt; c</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Créer une nouvelle liste à partir d&apos;une liste vide</source>
        <translation>Start a new list from an empty one</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Charger une nouvelle liste à partir d&apos;un fichier</source>
        <translation>Load a new list from a file</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Enregistrer la liste dans un fichier</source>
        <translation>Save the list to a file</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ajouter l&apos;intervalle courant à la liste</source>
        <translation>Add the current interval to the list</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Supprimer l&apos;intervalle courant</source>
        <translation>Remove the current interval</translation>
    </message>
    <message>
        <source>Jouer Liste</source>
        <translation>Play List</translation>
    </message>
    <message>
        <source>Mélodie</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source>Jouer un fragment mélodique</source>
        <translation>Play a melodic fragment</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Calculer l&apos;écart à la justesse losqu&apos;on transpose l&apos;intervalle courant</source>
        <translation>Compute the deviation from just intonation when the current interval is transposed</translation>
    </message>
    <message>
        <source>Intervalle en Cents, entre 0 et 1200</source>
        <translation>Interval in cents, between 0 and 1200</translation>
    </message>
    <message>
        <source>Intervalle en cents</source>
        <translation>Interval in cents</translation>
    </message>
    <message>
        <source>Fichier  : </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Auteur</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Développer</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>Développer toutes les catégories d&apos;intervalles</source>
        <translation>Expand every interval category</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Justesse</source>
        <translation>Justness</translation>
    </message>
    <message>
        <source>ZIB - Edition de liste d&apos;intervalles</source>
        <translation>ZIB - Interval List Editor</translation>
    </message>
    <message>
        <source>Au-delà de 1250 cents, absents de l&apos;arbre : %1</source>
        <translation>Beyond 1250 cents, not in the tree: %1</translation>
    </message>
    <message>
        <source>Importer…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Importer une gamme Scala (.scl), ou la référence d&apos;un clavier Scala (.kbm) comme Fréquence 1</source>
        <translation>Import a Scala scale (.scl), or the reference of a Scala keyboard mapping (.kbm) as Frequency 1</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Exporter la liste en gamme Scala (.scl), avec un clavier (.kbm) qui la joue à Fréquence 1 depuis la note MIDI 60</source>
        <translation>Export the list as a Scala scale (.scl), with a keyboard mapping (.kbm) that plays it at Frequency 1 from MIDI note 60</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Les quintes, quartes, tierces et sixtes de chaque degré : écart au pur et battements</source>
        <translation>The fifths, fourths, thirds and sixths of every degree: deviation from pure and beats</translation>
    </message>
</context>
<context>
    <name>KeyboardMapping</name>
    <message>
        <source>la taille de la table</source>
        <translation>the map size</translation>
    </message>
    <message>
        <source>la première note</source>
        <translation>the first note</translation>
    </message>
    <message>
        <source>la dernière note</source>
        <translation>the last note</translation>
    </message>
    <message>
        <source>la note centrale</source>
        <translation>the middle note</translation>
    </message>
    <message>
        <source>la note de référence</source>
        <translation>the reference note</translation>
    </message>
    <message>
        <source>la fréquence de référence</source>
        <translation>the reference frequency</translation>
    </message>
    <message>
        <source>le degré de l&apos;octave</source>
        <translation>the octave degree</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas une fréquence (%2)</source>
        <translation>&quot;%1&quot; is not a frequency (%2)</translation>
    </message>
    <message>
        <source>%1 vaut %2 Hz, hors de 0 … %3 Hz</source>
        <translation>%1 is %2 Hz, outside 0 … %3 Hz</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre entier (%2)</source>
        <translation>&quot;%1&quot; is not a whole number (%2)</translation>
    </message>
    <message>
        <source>%1 vaut %2, hors de %3 … %4</source>
        <translation>%1 is %2, outside %3 … %4</translation>
    </message>
    <message>
        <source>la dernière note (%1) est avant la première (%2)</source>
        <translation>the last note (%1) comes before the first (%2)</translation>
    </message>
    <message>
        <source>entrée de trop : la table en a %1</source>
        <translation>one entry too many: the map has %1</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un degré ni « x »</source>
        <translation>&quot;%1&quot; is neither a degree nor &quot;x&quot;</translation>
    </message>
    <message>
        <source>le degré %1 sort de 0 … %2</source>
        <translation>degree %1 lies outside 0 … %2</translation>
    </message>
    <message>
        <source>%1 manque</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>la gamme n&apos;a pas de degré %1 : elle a %2 hauteurs</source>
        <translation>the scale has no degree %1: it has %2 pitches</translation>
    </message>
    <message>
        <source>la note %1 ne joue aucun degré de la gamme</source>
        <translation>note %1 plays no degree of the scale</translation>
    </message>
    <message>
        <source>la table : le degré de chaque touche à partir de la note centrale</source>
        <translation>the mapping: the degree of each key from the middle note on</translation>
    </message>
</context>
<context>
    <name>ListView</name>
    <message>
        <source>Do</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>G</translation>
    </message>
    <message>
        <source>La</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Représentation circulaire</source>
        <translation>Circular view</translation>
    </message>
    <message>
        <source>Transposer</source>
        <translation>Transpose</translation>
    </message>
    <message>
        <source>Transposer l&apos;échelle pour visualiser la justesse des intervalles</source>
        <translation>Transpose the scale to see how just its intervals are</translation>
    </message>
    <message>
        <source>Tierce pure 5/4</source>
        <translation>Pure third 5/4</translation>
    </message>
    <message>
        <source>Quarte 4/3</source>
        <translation>Fourth 4/3</translation>
    </message>
    <message>
        <source>Quinte 3/2</source>
        <translation>Fifth 3/2</translation>
    </message>
    <message>
        <source>Sixte Min. Juste 8/5</source>
        <translation>Just minor sixth 8/5</translation>
    </message>
</context>
<context>
    <name>MMod_Dom</name>
    <message>
        <source>Do</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>G</translation>
    </message>
    <message>
        <source>La</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Enregistrer Fichier de paramètres</source>
        <translation>Save Parameter File</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Le modèle n&apos;a pas été enregistré</source>
        <translation>The model was not saved</translation>
    </message>
    <message>
        <source>Fréquence illégale</source>
        <translation>Illegal frequency</translation>
    </message>
    <message>
        <source>Les fréquences doivent être des nombres strictement positifs</source>
        <translation>Frequencies must be strictly positive numbers</translation>
    </message>
    <message>
        <source>Amortissement illégal</source>
        <translation>Illegal damping</translation>
    </message>
    <message>
        <source>Les amortissements doivent être positifs ou nuls</source>
        <translation>Damping rates must be positive or zero</translation>
    </message>
    <message>
        <source>Poids illégal</source>
        <translation>Illegal weight</translation>
    </message>
    <message>
        <source>Les poids  doivent être des nombres décimaux</source>
        <translation>Weights must be decimal numbers</translation>
    </message>
    <message>
        <source>Fichier de paramètres</source>
        <translation>Parameter File</translation>
    </message>
    <message>
        <source>Erreur à l&apos;ouverture du document XML</source>
        <translation>Error opening the XML document</translation>
    </message>
    <message>
        <source>Le document XML n&apos;a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</source>
        <translation>The XML document could not be opened. Check that the name is right and that the document is where it should be</translation>
    </message>
    <message>
        <source>Le document XML n&apos;a pas pu être attribué à l&apos;objet QDomDocument.</source>
        <translation>The XML document could not be read into the QDomDocument object.</translation>
    </message>
    <message>
        <source>Nombre de modes inexact</source>
        <translation>Wrong number of modes</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Amort.</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Poids</source>
        <translation>Weight</translation>
    </message>
</context>
<context>
    <name>MMod_DomUi</name>
    <message>
        <source>Description du modèle</source>
        <translation>Description of the model</translation>
    </message>
    <message>
        <source>Ecrire une description du modèle</source>
        <translation>Write a description of the model</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Amort.</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Poids</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Cliquer pour ajouter un mode vibratoire</source>
        <translation>Click to add a vibration mode</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Selectionner un mode et cliquer pour supprimer</source>
        <translation>Select a mode and click to remove it</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Enregistrer le modèle dans un fichier XML</source>
        <translation>Save the model to an XML file</translation>
    </message>
    <message>
        <source>Coeff. Amort</source>
        <translation>Damping coeff.</translation>
    </message>
    <message>
        <source>Selectionner</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Selectionner le modèle courant</source>
        <translation>Select the current model</translation>
    </message>
    <message>
        <source>Création de modèles Corde/Tige ou Barre/Poutre</source>
        <translation>Creating String/Rod or Bar/Beam Models</translation>
    </message>
    <message>
        <source>Choisir une structure vibrante dans la liste</source>
        <translation>Choose a vibrating structure from the list</translation>
    </message>
    <message>
        <source>Nombre de modes à créer</source>
        <translation>Number of modes to create</translation>
    </message>
    <message>
        <source>Position du point de percussion est un nombre entre 0 et 1</source>
        <translation>The position of the percussion point is a number between 0 and 1</translation>
    </message>
    <message>
        <source>Amortissement</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Amortissement externe, affecte tous les modes de façon uniforme</source>
        <translation>External damping, affects every mode alike</translation>
    </message>
    <message>
        <source>Amortissement par hystérésis, affecte chaque mode proportionnellement à sa fréquence</source>
        <translation>Hysteresis damping, affects each mode in proportion to its frequency</translation>
    </message>
    <message>
        <source>Amortissement interne (visoélastique), affecte chaque mode proportionnellement au carré de sa fréquence</source>
        <translation>Internal (viscoelastic) damping, affects each mode in proportion to the square of its frequency</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Appliquer les coefficients d&apos;amortissement</source>
        <translation>Apply the damping coefficients</translation>
    </message>
    <message>
        <source>Créer</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Externe</source>
        <translation>External</translation>
    </message>
    <message>
        <source>Hystérésis</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <source>Interne</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Point Perc.</source>
        <translation>Perc. point</translation>
    </message>
    <message>
        <source>Fichier :</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Titre :</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Auteur :</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Partiels :</source>
        <translation>Partials:</translation>
    </message>
    <message>
        <source>ZIB-Edition d&apos;un modèle de synthèse</source>
        <translation>ZIB-Editing a Synthesis Model</translation>
    </message>
</context>
<context>
    <name>MelodyDlg</name>
    <message>
        <source>Intervalles</source>
        <translation>Intervals</translation>
    </message>
    <message>
        <source>ZIB</source>
        <translation>ZIB</translation>
    </message>
    <message>
        <source>Attention : un modèle de synthèse doit être défini auparavant</source>
        <translation>Warning: a synthesis model must be defined first</translation>
    </message>
    <message>
        <source>Traitement de partition</source>
        <translation>Score processing</translation>
    </message>
    <message>
        <source> de la note %1 n&apos;est pas valide : %2 !</source>
        <translation> of note %1 is not valid: %2!</translation>
    </message>
    <message>
        <source>La durée</source>
        <translation>The duration</translation>
    </message>
    <message>
        <source>L&apos;amplitude</source>
        <translation>The amplitude</translation>
    </message>
    <message>
        <source>La date</source>
        <translation>The date</translation>
    </message>
    <message>
        <source> de la note %1 n&apos;est pas valide !</source>
        <translation> of note %1 is not valid!</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Degré</source>
        <translation>Degree</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transposition</translation>
    </message>
    <message>
        <source> en octave de la note %1 (date %2) n&apos;est pas valide : %3 !</source>
        <translation> by octaves of note %1 (date %2) is not valid: %3!</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Définition de l&apos;enveloppe</source>
        <translation>Envelope definition</translation>
    </message>
    <message>
        <source>Entrée invalide : entrer un nombre positif !</source>
        <translation>Invalid entry: enter a positive number!</translation>
    </message>
    <message>
        <source>La date doite être un nombre entre 0 et 1 !</source>
        <translation>The date must be a number between 0 and 1!</translation>
    </message>
    <message>
        <source>Cette date existe déjà !</source>
        <translation>This date already exists!</translation>
    </message>
    <message>
        <source>Définir d&apos;abord la date !</source>
        <translation>Define the date first!</translation>
    </message>
    <message>
        <source>Fichier musique</source>
        <translation>Music file</translation>
    </message>
    <message>
        <source>Fichier de mélodie : </source>
        <translation>Melody file: </translation>
    </message>
    <message>
        <source>Erreur à l&apos;ouverture de la liste par défaut</source>
        <translation>Error opening the default list</translation>
    </message>
    <message>
        <source>Le document XML de liste d&apos;intervalle par défaut n&apos;a pas pu être ouvert. Vérifiez que le fichier &lt;b&gt;%1&lt;/b&gt; existe et est placé dans le répertoire des listes d&apos;intervalles. &lt;br/&gt;Sinon, vous pouvez utiliser une liste vide ou charger un autre fichier.</source>
        <translation>The default interval list XML document could not be opened. Check that the file &lt;b&gt;%1&lt;/b&gt; exists and is in the interval lists folder. &lt;br/&gt;Otherwise, you can use an empty list or load another file.</translation>
    </message>
    <message>
        <source>Erreur à l&apos;ouverture du document XML</source>
        <translation>Error opening the XML document</translation>
    </message>
    <message>
        <source>Le document XML de liste d&apos;intervalle n&apos;a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</source>
        <translation>The interval list XML document could not be opened. Check that the name is right and that the document is in the right place</translation>
    </message>
    <message>
        <source>Le document XML n&apos;a pas pu être attribué à l&apos;objet QDomDocument.</source>
        <translation>The XML document could not be assigned to the QDomDocument object.</translation>
    </message>
    <message>
        <source>Date invalide. Une date est nombre flottant entre 0 et %2</source>
        <translation>Invalid date. A date is a floating-point number between 0 and %2</translation>
    </message>
    <message>
        <source>Degré illégal %1 dépassant le nombre de degrés dans la liste</source>
        <translation>Illegal degree %1 beyond the number of degrees in the list</translation>
    </message>
    <message>
        <source>Enregistrement de la partition</source>
        <translation>Saving the score</translation>
    </message>
    <message>
        <source>Pas de note à enregistrer</source>
        <translation>No note to save</translation>
    </message>
    <message>
        <source>Enregistrer Fichier de paramètres</source>
        <translation>Save parameter file</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier pour écriture</source>
        <translation>Cannot open the file for writing</translation>
    </message>
    <message>
        <source>Synthèse de la mélodie</source>
        <translation>Melody synthesis</translation>
    </message>
    <message>
        <source>Le tempo doit être compris entre 30 et 300 battements par minute.</source>
        <translation>The tempo must lie between 30 and 300 beats per minute.</translation>
    </message>
    <message>
        <source>La fréquence de référence doit être comprise entre 20 et 10000 Hz.</source>
        <translation>The reference frequency must lie between 20 and 10000 Hz.</translation>
    </message>
    <message>
        <source>Synthèse de la mélodie…</source>
        <translation>Synthesising the melody…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour synthétiser cette mélodie.</source>
        <translation>Not enough memory to synthesise this melody.</translation>
    </message>
    <message>
        <source>Choisir un nom fichier</source>
        <translation>Choose a file name</translation>
    </message>
    <message>
        <source>Fichier (*.wav)</source>
        <translation>File (*.wav)</translation>
    </message>
    <message>
        <source>Le fichier son &lt;b&gt;%1&lt;/b&gt; n&apos;a pas pu être écrit : vérifiez que le dossier existe et accepte l&apos;écriture.</source>
        <translation>The sound file &lt;b&gt;%1&lt;/b&gt; could not be written: check that the folder exists and accepts writing.</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>Ampl.</source>
        <translation>Ampl.</translation>
    </message>
    <message>
        <source>ZIB 0.10 - Synthèse d&apos;une mélodie</source>
        <translation>ZIB 0.10 - Melody synthesis</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Créer une nouvelle mélodie</source>
        <translation>Create a new melody</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Ouvrir un fichier de mélodie</source>
        <translation>Open a melody file</translation>
    </message>
    <message>
        <source>Enregister</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Mélodie</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Auteur</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Tempo (bpm)</source>
        <translation>Tempo (bpm)</translation>
    </message>
    <message>
        <source>Ajuster le tempo en battement par minute</source>
        <translation>Set the tempo in beats per minute</translation>
    </message>
    <message>
        <source>Fréq. de Réf.</source>
        <translation>Ref. freq.</translation>
    </message>
    <message>
        <source>Fréquence de référence limitée à l&apos;intervalle [50;1000] Hz</source>
        <translation>Reference frequency limited to the range [50;1000] Hz</translation>
    </message>
    <message>
        <source>Forme d&apos;onde</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>sine</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>parabole</source>
        <translation>parabola</translation>
    </message>
    <message>
        <source>carré</source>
        <translation>square</translation>
    </message>
    <message>
        <source>rampe</source>
        <translation>ramp</translation>
    </message>
    <message>
        <source>synthèse</source>
        <translation>synthesis</translation>
    </message>
    <message>
        <source>Forme du signal : sinus, triangle, parabole, etc.</source>
        <translation>Waveform: sine, triangle, parabola, etc.</translation>
    </message>
    <message>
        <source>Fréq. Ech.</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Fréquence d&apos;échantillonnage</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Synthétiser</source>
        <translation>Synthesise</translation>
    </message>
    <message>
        <source>Synthétiser le son</source>
        <translation>Synthesise the sound</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save WAV</translation>
    </message>
    <message>
        <source>Enregistrer le rendu sonore sous format wav</source>
        <translation>Save the rendered sound as a WAV file</translation>
    </message>
    <message>
        <source>Enveloppe</source>
        <translation>Envelope</translation>
    </message>
</context>
<context>
    <name>MusicalNote</name>
    <message>
        <source>Do</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>G</translation>
    </message>
    <message>
        <source>La</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>PhysicalModel</name>
    <message>
        <source>Corde Fixe-Fixe</source>
        <translation>String Fixed-Fixed</translation>
    </message>
    <message>
        <source>Modèle de corde/tige avec des extrémités Fixe-Fixe à %1 partiels.</source>
        <translation>Model of a string/rod with Fixed-Fixed ends, %1 partials.</translation>
    </message>
    <message>
        <source>Corde Fixe-Libre</source>
        <translation>String Fixed-Free</translation>
    </message>
    <message>
        <source>Modèle de corde Appuyée-Libre à %1 partiels.</source>
        <translation>Model of a Supported-Free string, %1 partials.</translation>
    </message>
    <message>
        <source>Corde Libre-Libre</source>
        <translation>String Free-Free</translation>
    </message>
    <message>
        <source>Modèle de corde/tige Libre-Libre à %1 partiels.</source>
        <translation>Model of a Free-Free string/rod, %1 partials.</translation>
    </message>
    <message>
        <source>Corde sans bord</source>
        <translation>String without ends</translation>
    </message>
    <message>
        <source>Modèle de corde/tige Sans Bord (périodique) à %1 partiels. Attention les modes sont doublés.</source>
        <translation>Model of a string/rod Without Ends (periodic), %1 partials. Beware: the modes come in pairs.</translation>
    </message>
    <message>
        <source>Barre Enc-Enc</source>
        <translation>Bar Clamp-Clamp</translation>
    </message>
    <message>
        <source>Modèle de barre Encastrée-Encastrée (Euler-Bernoulli) à %1 partiels.</source>
        <translation>Model of a Clamped-Clamped bar (Euler-Bernoulli), %1 partials.</translation>
    </message>
    <message>
        <source>Barre Enc-App</source>
        <translation>Bar Clamp-Pin</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) Encastrée-Appuyée à %1 partiels.</source>
        <translation>Model of a Clamped-Pinned bar (Euler-Bernoulli), %1 partials.</translation>
    </message>
    <message>
        <source>Barre App-App</source>
        <translation>Bar Pin-Pin</translation>
    </message>
    <message>
        <source>Modèle de barre Appuyée-Appuyée à %1 partiels.</source>
        <translation>Model of a Pinned-Pinned bar, %1 partials.</translation>
    </message>
    <message>
        <source>Barre Enc-lib</source>
        <translation>Bar Clamp-free</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) aux extrémités Encastrée-Libre à %1 partiels.</source>
        <translation>Model of a bar (Euler-Bernoulli) with Clamped-Free ends, %1 partials.</translation>
    </message>
    <message>
        <source>Barre App-lib</source>
        <translation>Bar Pin-free</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) aux extrémités Appuyée-Libre à %1 partiels.</source>
        <translation>Model of a bar (Euler-Bernoulli) with Pinned-Free ends, %1 partials.</translation>
    </message>
    <message>
        <source>Barre lib-lib</source>
        <translation>Bar free-free</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) aux extrémités libre-libre à %1 partiels.</source>
        <translation>Model of a bar (Euler-Bernoulli) with free-free ends, %1 partials.</translation>
    </message>
    <message>
        <source>Barre sans bord</source>
        <translation>Bar without ends</translation>
    </message>
    <message>
        <source>Modèle de Barre/Poutre Sans Bord (périodique) à %1 partiels. Attention les modes sont doublés.</source>
        <translation>Model of a Bar/Beam Without Ends (periodic), %1 partials. Beware: the modes come in pairs.</translation>
    </message>
    <message>
        <source>Invalide(s)</source>
        <translation>Invalid</translation>
    </message>
    <message>
        <source>Point de Percussion </source>
        <translation>Percussion Point </translation>
    </message>
    <message>
        <source>Nombre de modes </source>
        <translation>Number of modes </translation>
    </message>
    <message>
        <source>
Points d&apos;excitation et d&apos;écoute à %2</source>
        <translation>
Struck and listened to at %2</translation>
    </message>
    <message>
        <source>
Coefficients d&apos;amortissement %3, %4 et %5</source>
        <translation>
Damping coefficients %3, %4 and %5</translation>
    </message>
</context>
<context>
    <name>ScalaFile</name>
    <message>
        <source>« %1 » n&apos;est ni une valeur en cents ni un rapport</source>
        <translation>&quot;%1&quot; is neither a value in cents nor a ratio</translation>
    </message>
    <message>
        <source>le rapport %1 est nul ou négatif</source>
        <translation>the ratio %1 is zero or negative</translation>
    </message>
    <message>
        <source>le rapport %1 a un dénominateur nul</source>
        <translation>the ratio %1 has a zero denominator</translation>
    </message>
    <message>
        <source>un terme du rapport dépasse %1</source>
        <translation>a term of the ratio exceeds %1</translation>
    </message>
    <message>
        <source>%1 cents dépasse ±%2 cents</source>
        <translation>%1 cents exceeds ±%2 cents</translation>
    </message>
    <message>
        <source>le nombre de hauteurs manque</source>
        <translation>the number of pitches is missing</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre de hauteurs</source>
        <translation>&quot;%1&quot; is not a number of pitches</translation>
    </message>
    <message>
        <source>trop de hauteurs (au plus %1)</source>
        <translation>too many pitches (%1 at most)</translation>
    </message>
    <message>
        <source>la description manque</source>
        <translation>the description is missing</translation>
    </message>
    <message>
        <source>%1 hauteurs annoncées, %2 trouvées</source>
        <translation>%1 pitches announced, %2 found</translation>
    </message>
</context>
<context>
    <name>ScalaLines</name>
    <message>
        <source>ligne trop longue (plus de %1 caractères)</source>
        <translation>line too long (more than %1 characters)</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier : %1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>Le fichier dépasse %1 Mo</source>
        <translation>The file is larger than %1 MB</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier : %1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message>
        <source>Ligne %1 : %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>ScaleView</name>
    <message>
        <source>Do</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>G</translation>
    </message>
    <message>
        <source>La</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>TemperamentChart</name>
    <message>
        <source>Quinte 3/2</source>
        <translation>Fifth 3/2</translation>
    </message>
    <message>
        <source>Quarte 4/3</source>
        <translation>Fourth 4/3</translation>
    </message>
    <message>
        <source>Tierce majeure 5/4</source>
        <translation>Major third 5/4</translation>
    </message>
    <message>
        <source>Tierce mineure 6/5</source>
        <translation>Minor third 6/5</translation>
    </message>
    <message>
        <source>Sixte majeure 5/3</source>
        <translation>Major sixth 5/3</translation>
    </message>
    <message>
        <source>Sixte mineure 8/5</source>
        <translation>Minor sixth 8/5</translation>
    </message>
    <message>
        <source>Degré</source>
        <translation>Degree</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>%1 : degré</source>
        <translation>%1: degree</translation>
    </message>
    <message>
        <source>%1 : écart (c)</source>
        <translation>%1: deviation (c)</translation>
    </message>
    <message>
        <source>%1 : battements (Hz)</source>
        <translation>%1: beats (Hz)</translation>
    </message>
</context>
<context>
    <name>TemperamentChartDlg</name>
    <message>
        <source>%1 c</source>
        <translation>%1 c</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 → %2 : %3 c, pur %4 c</source>
        <translation>%1 → %2: %3 c, pure %4 c</translation>
    </message>
    <message>
        <source>Enregistrer le tableau</source>
        <translation>Save the chart</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être écrit : %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>TemperamentChartDlgUi</name>
    <message>
        <source>Fréquence 1 : %1 Hz</source>
        <translation>Frequency 1: %1 Hz</translation>
    </message>
    <message>
        <source>Pour chaque degré pris comme note grave et chaque intervalle pur : le degré de la liste le plus proche au-dessus, l&apos;écart au pur en cents et les battements par seconde à Fréquence 1. Vert : pur ; rouge : %1 cents d&apos;écart ou plus.</source>
        <translation>For each degree taken as the lower note and each pure interval: the nearest degree of the list above it, the deviation from pure in cents and the beats per second at Frequency 1. Green: pure; red: %1 cents off or more.</translation>
    </message>
    <message>
        <source>Degré</source>
        <translation>Degree</translation>
    </message>
    <message>
        <source>Actualiser</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Refaire le tableau avec la liste et la Fréquence 1 actuelles</source>
        <translation>Redo the chart with the current list and Frequency 1</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copier le tableau en texte, colonnes séparées par des tabulations</source>
        <translation>Copy the chart as text, columns separated by tabs</translation>
    </message>
    <message>
        <source>Enregistrer CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Enregistrer le tableau dans un fichier CSV pour un tableur</source>
        <translation>Save the chart to a CSV file for a spreadsheet</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ZIB - Tableau de justesse</source>
        <translation>ZIB - Justness chart</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>impossible de créer le dossier %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>impossible de copier %1 vers %2 (%3)</source>
        <translation>cannot copy %1 to %2 (%3)</translation>
    </message>
    <message>
        <source>impossible de remplacer le lien %1</source>
        <translation>cannot replace the link %1</translation>
    </message>
    <message>
        <source>impossible de lier %1 à %2</source>
        <translation>cannot link %1 to %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Le dossier de travail %1 n&apos;a pas pu être préparé entièrement : %2</source>
        <translation>The working folder %1 could not be fully prepared: %2</translation>
    </message>
</context>
</TS>
