<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr">
<context>
    <name>AccordeurDlg</name>
    <message>
        <source>ZIB 0.10 - Accordeur</source>
        <translation>ZIB 0.10 - Accordeur</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Analyser le signal à l'entrée du microphone.
La détection ne se déclenche que si le niveau du signal dépasse le niveau du bruit plancher</source>
        <translation>Analyser le signal à l'entrée du microphone.
La détection ne se déclenche que si le niveau du signal dépasse le niveau du bruit plancher</translation>
    </message>
    <message>
        <source>Autocorrélation</source>
        <translation>Autocorrélation</translation>
    </message>
    <message>
        <source>Cepstre</source>
        <translation>Cepstre</translation>
    </message>
    <message>
        <source>HPS</source>
        <translation>HPS</translation>
    </message>
    <message>
        <source>Algorithmes de detection : Autocorrélation (méthode temporelle), Cepstre et HPS (méthodes spectrales)</source>
        <translation>Algorithmes de detection : Autocorrélation (méthode temporelle), Cepstre et HPS (méthodes spectrales)</translation>
    </message>
    <message>
        <source>Rectangulaire</source>
        <translation>Rectangulaire</translation>
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
        <translation>Fenêtres temporelles utilisées dans les méthodes spectrales (Cpestre et HPS) pour minimiser les distorsions du spectre</translation>
    </message>
    <message>
        <source>Nombre d'échantillons utilisés dans l'analyse ou taille de la fenêtre temporelle.
Dans les méthodes spectrales (cepstre et HPS), le choix des valeurs élévées augmente la résolution,
mais alourdit les calculs (valeurs recommandées 4048 ou plus).
Pour l'autocorrélation, ce nombre détermine la fréquence la plus basse détectable, alors que la résolution
ne dépend que de la fréquence d'échantillonnage (valeur recommandée 2024).
Voir la résolution et les fréquences Min-Max</source>
        <translation>Nombre d'échantillons utilisés dans l'analyse ou taille de la fenêtre temporelle.
Dans les méthodes spectrales (cepstre et HPS), le choix des valeurs élévées augmente la résolution,
mais alourdit les calculs (valeurs recommandées 4048 ou plus).
Pour l'autocorrélation, ce nombre détermine la fréquence la plus basse détectable, alors que la résolution
ne dépend que de la fréquence d'échantillonnage (valeur recommandée 2024).
Voir la résolution et les fréquences Min-Max</translation>
    </message>
    <message>
        <source>Choisir un système audio parmi ceux disponibles</source>
        <translation>Choisir un système audio parmi ceux disponibles</translation>
    </message>
    <message>
        <source>Fréquence d'échantillonage du signal :
- Pour l'autocorrélation, prendre des valeurs élevées (valeurs recommandées 44100 ou plus).
- Pour les méthodes spectrales, le choix des valeurs élevées diminue la résolution,
sauf si on choisit aussi un grand nombre de points.</source>
        <translation>Fréquence d'échantillonage du signal :
- Pour l'autocorrélation, prendre des valeurs élevées (valeurs recommandées 44100 ou plus).
- Pour les méthodes spectrales, le choix des valeurs élevées diminue la résolution,
sauf si on choisit aussi un grand nombre de points.</translation>
    </message>
    <message>
        <source>Si la note détectée est proche de la notre cible,
l'aiguille devient rouge et indique la différence en cents entre les deux valeurs</source>
        <translation>Si la note détectée est proche de la notre cible,
l'aiguille devient rouge et indique la différence en cents entre les deux valeurs</translation>
    </message>
    <message>
        <source>Note cible définie dans la fenêtre de dialogue prinipale : fréquence 2</source>
        <translation>Note cible définie dans la fenêtre de dialogue prinipale : fréquence 2</translation>
    </message>
    <message>
        <source>Déterminer le niveau minimum du signal pour le distinguer du bruit.
L'analyse ne se déclenche que si le niveau du signal à l'entrée du microphone dépasse le niveau du bruit.
Choisir un niveau élevé, en fonction du niveau du signal capté en entrée.</source>
        <translation>Déterminer le niveau minimum du signal pour le distinguer du bruit.
L'analyse ne se déclenche que si le niveau du signal à l'entrée du microphone dépasse le niveau du bruit.
Choisir un niveau élevé, en fonction du niveau du signal capté en entrée.</translation>
    </message>
    <message>
        <source>Paramètres d'Analyse</source>
        <translation>Paramètres d'Analyse</translation>
    </message>
    <message>
        <source>Méthode de détection</source>
        <translation>Méthode de détection</translation>
    </message>
    <message>
        <source>Fenêtre</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Nombre de points</source>
        <translation>Nombre de points</translation>
    </message>
    <message>
        <source>Résolution (cents)</source>
        <translation>Résolution (cents)</translation>
    </message>
    <message>
        <source>Fréquences Min-Max</source>
        <translation>Fréquences Min-Max</translation>
    </message>
    <message>
        <source>Entrée Audio</source>
        <translation>Entrée Audio</translation>
    </message>
    <message>
        <source>Système (driver)</source>
        <translation>Système (driver)</translation>
    </message>
    <message>
        <source>Freq Ech (Hz)</source>
        <translation>Freq Ech (Hz)</translation>
    </message>
    <message>
        <source>Bruit Plancher</source>
        <translation>Bruit Plancher</translation>
    </message>
    <message>
        <source>Note Détectée</source>
        <translation>Note Détectée</translation>
    </message>
    <message>
        <source>Accordage</source>
        <translation>Accordage</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;Pas d'entrée audio&lt;/font&gt;</source>
        <translation>&lt;font color=red&gt;Pas d'entrée audio&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Précise</source>
        <translation>Précise</translation>
    </message>
    <message>
        <source>(figée)</source>
        <translation>(figée)</translation>
    </message>
    <message>
        <source>Cible : liste d'intervalles</source>
        <translation>Cible : liste d'intervalles</translation>
    </message>
    <message>
        <source>Mesurer l'écart au degré le plus proche de la liste d'intervalles ouverte,
joué sur Fréquence 1, au lieu de Fréquence 2</source>
        <translation>Mesurer l'écart au degré le plus proche de la liste d'intervalles ouverte,
joué sur Fréquence 1, au lieu de Fréquence 2</translation>
    </message>
</context>
<context>
    <name>Diapason</name>
    <message>
        <source>ZIB - Diapason Numérique v0.10</source>
        <translation>ZIB - Diapason Numérique v0.10</translation>
    </message>
    <message>
        <source>Fréquence 1 (référence) de 10 à 17000 Hz</source>
        <translation>Fréquence 1 (référence) de 10 à 17000 Hz</translation>
    </message>
    <message>
        <source>&amp;Fréquence 1 </source>
        <translation>&amp;Fréquence 1 </translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Frequence de reference pour La4 de 435 à 445</source>
        <translation>Frequence de reference pour La4 de 435 à 445</translation>
    </message>
    <message>
        <source>bémol</source>
        <translation>bémol</translation>
    </message>
    <message>
        <source>bécarre</source>
        <translation>bécarre</translation>
    </message>
    <message>
        <source>dièze</source>
        <translation>dièze</translation>
    </message>
    <message>
        <source>Choisir une altération : bémol, bécarre, dièze</source>
        <translation>Choisir une altération : bémol, bécarre, dièze</translation>
    </message>
    <message>
        <source>Choisir l'octave entre -2 et 10</source>
        <translation>Choisir l'octave entre -2 et 10</translation>
    </message>
    <message>
        <source>&lt;small&gt;&lt;i&gt;ZIB, le diapason&lt;br&gt;numérique&lt;/i&gt;&lt;/small&gt;</source>
        <translation>&lt;small&gt;&lt;i&gt;ZIB, le diapason&lt;br&gt;numérique&lt;/i&gt;&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Correction par pas de 1 cent</source>
        <translation>Correction par pas de 1 cent</translation>
    </message>
    <message>
        <source>Correction de -49 à +49 cents</source>
        <translation>Correction de -49 à +49 cents</translation>
    </message>
    <message>
        <source>En cents</source>
        <translation>En cents</translation>
    </message>
    <message>
        <source>En savarts</source>
        <translation>En savarts</translation>
    </message>
    <message>
        <source>En commas</source>
        <translation>En commas</translation>
    </message>
    <message>
        <source>Choix de l'unité de mesure pour les intervalles</source>
        <translation>Choix de l'unité de mesure pour les intervalles</translation>
    </message>
    <message>
        <source>Intervalle en cents, en savarts ou commas</source>
        <translation>Intervalle en cents, en savarts ou commas</translation>
    </message>
    <message>
        <source>Intervalle sous forme décimal : exemple 1.5 pour la quinte</source>
        <translation>Intervalle sous forme décimal : exemple 1.5 pour la quinte</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Cliquer pour choisir un degré dans une liste</source>
        <translation>Cliquer pour choisir un degré dans une liste</translation>
    </message>
    <message>
        <source>Freq 2 = Freq 1 + Intervalle </source>
        <translation>Freq 2 = Freq 1 + Intervalle </translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>parabole</source>
        <translation>parabole</translation>
    </message>
    <message>
        <source>carré</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>rampe</source>
        <translation>rampe</translation>
    </message>
    <message>
        <source>synthèse</source>
        <translation>synthèse</translation>
    </message>
    <message>
        <source>Forme du signal : sinus, triangle, parabole, etc.</source>
        <translation>Forme du signal : sinus, triangle, parabole, etc.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Augmenter ou diminuer l'amplitude.
Attention le changement de volume n'a d'effet que pour les enregistrements</source>
        <translation>Augmenter ou diminuer l'amplitude.
Attention le changement de volume n'a d'effet que pour les enregistrements</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Actif dans le cas d'une synthèse modale</source>
        <translation>Actif dans le cas d'une synthèse modale</translation>
    </message>
    <message>
        <source>Fréquence d'échantillonnage</source>
        <translation>Fréquence d'échantillonnage</translation>
    </message>
    <message>
        <source>Durée du son enregistré, de 0.01 à 120 secondes</source>
        <translation>Durée du son enregistré, de 0.01 à 120 secondes</translation>
    </message>
    <message>
        <source>Accordeur</source>
        <translation>Accordeur</translation>
    </message>
    <message>
        <source>Jouer Freq &amp;1</source>
        <translation>Jouer Freq &amp;1</translation>
    </message>
    <message>
        <source>Jouer Freq &amp;2</source>
        <translation>Jouer Freq &amp;2</translation>
    </message>
    <message>
        <source>Sauv. Fréq 1</source>
        <translation>Sauv. Fréq 1</translation>
    </message>
    <message>
        <source>Enregistrer Fréq. 1 dans un fichier</source>
        <translation>Enregistrer Fréq. 1 dans un fichier</translation>
    </message>
    <message>
        <source>Sauv. Fréq 2</source>
        <translation>Sauv. Fréq 2</translation>
    </message>
    <message>
        <source>Enregistrer Fréq. 2 dans un fichier</source>
        <translation>Enregistrer Fréq. 2 dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>En boucle</source>
        <translation>En boucle</translation>
    </message>
    <message>
        <source>Pour jouer le fichier en boucle</source>
        <translation>Pour jouer le fichier en boucle</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Fréquence de référence</source>
        <translation>Fréquence de référence</translation>
    </message>
    <message>
        <source>Notes musicales</source>
        <translation>Notes musicales</translation>
    </message>
    <message>
        <source>Diapason La 4</source>
        <translation>Diapason La 4</translation>
    </message>
    <message>
        <source>Altération</source>
        <translation>Altération</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>Ecart en Cents</source>
        <translation>Ecart en Cents</translation>
    </message>
    <message>
        <source>Intervalle Freq1-Freq2</source>
        <translation>Intervalle Freq1-Freq2</translation>
    </message>
    <message>
        <source>En décimal</source>
        <translation>En décimal</translation>
    </message>
    <message>
        <source>En fraction</source>
        <translation>En fraction</translation>
    </message>
    <message>
        <source>Liste d'intervalles</source>
        <translation>Liste d'intervalles</translation>
    </message>
    <message>
        <source>Fréquence 2</source>
        <translation>Fréquence 2</translation>
    </message>
    <message>
        <source>Paramètres Audio</source>
        <translation>Paramètres Audio</translation>
    </message>
    <message>
        <source>Forme du Signal</source>
        <translation>Forme du Signal</translation>
    </message>
    <message>
        <source>Fe</source>
        <translation>Fe</translation>
    </message>
    <message>
        <source>&amp;Durée</source>
        <translation>&amp;Durée</translation>
    </message>
    <message>
        <source>Accorder</source>
        <translation>Accorder</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Ecouter Fichier</source>
        <translation>Ecouter Fichier</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;&lt;b&gt;Fréquence 2 non permise&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=red&gt;&lt;b&gt;Fréquence 2 non permise&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=red&gt;&lt;b&gt;Fréquence non permise&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=red&gt;&lt;b&gt;Fréquence non permise&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>La correction en cent ne doit pas depasser 49 cents</source>
        <translation>La correction en cent ne doit pas depasser 49 cents</translation>
    </message>
    <message>
        <source>Zib Diapason Numérique v0.10</source>
        <translation>Zib Diapason Numérique v0.10</translation>
    </message>
    <message>
        <source>ZIB, diapason numérique : notes, intervalles, sons et accordeur.</source>
        <translation>ZIB, diapason numérique : notes, intervalles, sons et accordeur.</translation>
    </message>
    <message>
        <source>Choisir d'abord un modele de synthèse</source>
        <translation>Choisir d'abord un modele de synthèse</translation>
    </message>
    <message>
        <source>Sauvegarder fichier</source>
        <translation>Sauvegarder fichier</translation>
    </message>
    <message>
        <source>Impossible d'ouvrir le fichier pour écriture</source>
        <translation>Impossible d'ouvrir le fichier pour écriture</translation>
    </message>
    <message>
        <source>Saturation ! Baisser le volume de %1 dB
Le fichier n'a pas été enregistré</source>
        <translation>Saturation ! Baisser le volume de %1 dB
Le fichier n'a pas été enregistré</translation>
    </message>
    <message>
        <source>Saturation ! Baisser le volume de %1 dB</source>
        <translation>Saturation ! Baisser le volume de %1 dB</translation>
    </message>
    <message>
        <source>Le modèle ne sonne pas à cette fréquence
Le fichier a tout même été  enregistré</source>
        <translation>Le modèle ne sonne pas à cette fréquence
Le fichier a tout même été  enregistré</translation>
    </message>
    <message>
        <source>Le modèle ne sonne pas à cette fréquence</source>
        <translation>Le modèle ne sonne pas à cette fréquence</translation>
    </message>
    <message>
        <source>Volume trop faible ! Vous pouvez augmenter le volume de %1 dB
Le fichier a tout même été  enregistré</source>
        <translation>Volume trop faible ! Vous pouvez augmenter le volume de %1 dB
Le fichier a tout même été  enregistré</translation>
    </message>
    <message>
        <source>Volume trop faible ! Vous pouvez augmenter le volume de %1 dB</source>
        <translation>Volume trop faible ! Vous pouvez augmenter le volume de %1 dB</translation>
    </message>
    <message>
        <source>Fréquence non admise</source>
        <translation>Fréquence non admise</translation>
    </message>
    <message>
        <source>Choisir d'abord un modèle de synthèse</source>
        <translation>Choisir d'abord un modèle de synthèse</translation>
    </message>
    <message>
        <source>Fréquence non permise</source>
        <translation>Fréquence non permise</translation>
    </message>
    <message>
        <source>Définir d'abord un modèle de synthèse</source>
        <translation>Définir d'abord un modèle de synthèse</translation>
    </message>
    <message>
        <source>Pour jouer ce son en boucle, choisir une durée supérieure ou égale à 1 seconde</source>
        <translation>Pour jouer ce son en boucle, choisir une durée supérieure ou égale à 1 seconde</translation>
    </message>
    <message>
        <source>Impossible de jouer ce son : la sortie audio n'est pas disponible</source>
        <translation>Impossible de jouer ce son : la sortie audio n'est pas disponible</translation>
    </message>
    <message>
        <source>Choisir un fichier</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Fichier (*.wav)</source>
        <translation>Fichier (*.wav)</translation>
    </message>
    <message>
        <source>Problème de lecture du fichier audio</source>
        <translation>Problème de lecture du fichier audio</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>La page d'aide est introuvable :
%1</source>
        <translation>La page d'aide est introuvable :
%1</translation>
    </message>
    <message>
        <source>Aucun navigateur n'a pu afficher l'aide. Ouvrez cette page avec votre navigateur :
%1</source>
        <translation>Aucun navigateur n'a pu afficher l'aide. Ouvrez cette page avec votre navigateur :
%1</translation>
    </message>
</context>
<context>
    <name>IntervDlg</name>
    <message>
        <source>Do-Ré-Mi...</source>
        <translation>Do-Ré-Mi...</translation>
    </message>
    <message>
        <source>Do-Ré [0-200[</source>
        <translation>Do-Ré [0-200[</translation>
    </message>
    <message>
        <source>Ré-Mi [200;400[</source>
        <translation>Ré-Mi [200;400[</translation>
    </message>
    <message>
        <source>Mi-Fa [400;500[</source>
        <translation>Mi-Fa [400;500[</translation>
    </message>
    <message>
        <source>Fa-Sol [500;700[</source>
        <translation>Fa-Sol [500;700[</translation>
    </message>
    <message>
        <source>Sol-La [700;900[</source>
        <translation>Sol-La [700;900[</translation>
    </message>
    <message>
        <source>La-Si [1000;1100[</source>
        <translation>La-Si [1000;1100[</translation>
    </message>
    <message>
        <source>Si-Do [1100;1200[</source>
        <translation>Si-Do [1100;1200[</translation>
    </message>
    <message>
        <source>Do-Re [1200;1250]</source>
        <translation>Do-Re [1200;1250]</translation>
    </message>
    <message>
        <source>0-50-250...</source>
        <translation>0-50-250...</translation>
    </message>
    <message>
        <source>Micro-Tons [0;50[</source>
        <translation>Micro-Tons [0;50[</translation>
    </message>
    <message>
        <source>Secondes [50,250[</source>
        <translation>Secondes [50,250[</translation>
    </message>
    <message>
        <source>Tierces [250,450[</source>
        <translation>Tierces [250,450[</translation>
    </message>
    <message>
        <source>Quartes [450,650[</source>
        <translation>Quartes [450,650[</translation>
    </message>
    <message>
        <source>Quintes [650,750[</source>
        <translation>Quintes [650,750[</translation>
    </message>
    <message>
        <source>Sixte [750,950[</source>
        <translation>Sixte [750,950[</translation>
    </message>
    <message>
        <source>Septième [950,1150[</source>
        <translation>Septième [950,1150[</translation>
    </message>
    <message>
        <source>Octave [1150,1250]</source>
        <translation>Octave [1150,1250]</translation>
    </message>
    <message>
        <source>Modèle de document XML invalide</source>
        <translation>Modèle de document XML invalide</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossible d'ouvrir le fichier pour écriture</source>
        <translation>Impossible d'ouvrir le fichier pour écriture</translation>
    </message>
    <message>
        <source>Sauvegarder un Intervalle</source>
        <translation>Sauvegarder un Intervalle</translation>
    </message>
    <message>
        <source>Fichier d'intervalles</source>
        <translation>Fichier d'intervalles</translation>
    </message>
    <message>
        <source>Erreur à l'ouverture de la liste par défaut</source>
        <translation>Erreur à l'ouverture de la liste par défaut</translation>
    </message>
    <message>
        <source>Le document XML de liste d'intervalle par défaut n'a pas pu être ouvert. Vérifiez que le fichier &lt;b&gt;%1&lt;/b&gt; existe et est placé dans le répertoire des listes d'intervalles. &lt;br/&gt;Sinon, vous pouvez utiliser une liste vide ou charger un autre fichier.</source>
        <translation>Le document XML de liste d'intervalle par défaut n'a pas pu être ouvert. Vérifiez que le fichier &lt;b&gt;%1&lt;/b&gt; existe et est placé dans le répertoire des listes d'intervalles. &lt;br/&gt;Sinon, vous pouvez utiliser une liste vide ou charger un autre fichier.</translation>
    </message>
    <message>
        <source>Fichier :	 </source>
        <translation>Fichier :	 </translation>
    </message>
    <message>
        <source>Erreur à l'ouverture du document XML</source>
        <translation>Erreur à l'ouverture du document XML</translation>
    </message>
    <message>
        <source>Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</source>
        <translation>Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</translation>
    </message>
    <message>
        <source>Le document XML n'a pas pu être attribué à l'objet QDomDocument.</source>
        <translation>Le document XML n'a pas pu être attribué à l'objet QDomDocument.</translation>
    </message>
    <message>
        <source>L'attribut nombre d'intervalles est inexact %1</source>
        <translation>L'attribut nombre d'intervalles est inexact %1</translation>
    </message>
    <message>
        <source>La valeur en Cent est non valide</source>
        <translation>La valeur en Cent est non valide</translation>
    </message>
    <message>
        <source>Attention !</source>
        <translation>Attention !</translation>
    </message>
    <message>
        <source>Cet interval existe déjà dans la liste !</source>
        <translation>Cet interval existe déjà dans la liste !</translation>
    </message>
    <message>
        <source>L'enregistrer à nouveau ?</source>
        <translation>L'enregistrer à nouveau ?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Nouvelle Description à éditer</source>
        <translation>Nouvelle Description à éditer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Fréquence illégale</source>
        <translation>Fréquence illégale</translation>
    </message>
    <message>
        <source>Définir d'abord un modèle de synthèse</source>
        <translation>Définir d'abord un modèle de synthèse</translation>
    </message>
    <message>
        <source>Impossible de jouer la liste : la sortie audio n'est pas disponible</source>
        <translation>Impossible de jouer la liste : la sortie audio n'est pas disponible</translation>
    </message>
    <message>
        <source>Jouer Liste</source>
        <translation>Jouer Liste</translation>
    </message>
    <message>
        <source>La liste a été modifiée</source>
        <translation>La liste a été modifiée</translation>
    </message>
    <message>
        <source>Fermer sans enregistrer ?</source>
        <translation>Fermer sans enregistrer ?</translation>
    </message>
    <message>
        <source>Importer une gamme ou un clavier Scala</source>
        <translation>Importer une gamme ou un clavier Scala</translation>
    </message>
    <message>
        <source>Erreur à l'importation</source>
        <translation>Erreur à l'importation</translation>
    </message>
    <message>
        <source>Le fichier &lt;b&gt;%1&lt;/b&gt; n'a pas été importé.&lt;br/&gt;%2</source>
        <translation>Le fichier &lt;b&gt;%1&lt;/b&gt; n'a pas été importé.&lt;br/&gt;%2</translation>
    </message>
    <message>
        <source>la fréquence du degré 0, %1 Hz, sort de %2 … %3 Hz</source>
        <translation>la fréquence du degré 0, %1 Hz, sort de %2 … %3 Hz</translation>
    </message>
    <message>
        <source>Exporter au format Scala</source>
        <translation>Exporter au format Scala</translation>
    </message>
    <message>
        <source>Fréquence 1 n'est pas une fréquence : rien n'a été exporté.</source>
        <translation>Fréquence 1 n'est pas une fréquence : rien n'a été exporté.</translation>
    </message>
    <message>
        <source>Le fichier %1 n'a pas pu être écrit : %2</source>
        <translation>Le fichier %1 n'a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>La gamme est écrite, mais le fichier %1 n'a pas pu être écrit : %2</source>
        <translation>La gamme est écrite, mais le fichier %1 n'a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>IntervDlgUi</name>
    <message>
        <source>&lt;font color=yellow&gt;&lt;b&gt;L'intervalle ne doit pas dépasser 1250 cents&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=yellow&gt;&lt;b&gt;L'intervalle ne doit pas dépasser 1250 cents&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Ecart : &lt;font color=red&gt;%1&lt;/font&gt; c</source>
        <translation>Ecart : &lt;font color=red&gt;%1&lt;/font&gt; c</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Créer une nouvelle liste à partir d'une liste vide</source>
        <translation>Créer une nouvelle liste à partir d'une liste vide</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Charger une nouvelle liste à partir d'un fichier</source>
        <translation>Charger une nouvelle liste à partir d'un fichier</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Enregistrer la liste dans un fichier</source>
        <translation>Enregistrer la liste dans un fichier</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Ajouter l'intervalle courant à la liste</source>
        <translation>Ajouter l'intervalle courant à la liste</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Supprimer l'intervalle courant</source>
        <translation>Supprimer l'intervalle courant</translation>
    </message>
    <message>
        <source>Jouer Liste</source>
        <translation>Jouer Liste</translation>
    </message>
    <message>
        <source>Mélodie</source>
        <translation>Mélodie</translation>
    </message>
    <message>
        <source>Jouer un fragment mélodique</source>
        <translation>Jouer un fragment mélodique</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Calculer l'écart à la justesse losqu'on transpose l'intervalle courant</source>
        <translation>Calculer l'écart à la justesse losqu'on transpose l'intervalle courant</translation>
    </message>
    <message>
        <source>Intervalle en Cents, entre 0 et 1200</source>
        <translation>Intervalle en Cents, entre 0 et 1200</translation>
    </message>
    <message>
        <source>Intervalle en cents</source>
        <translation>Intervalle en cents</translation>
    </message>
    <message>
        <source>Fichier  : </source>
        <translation>Fichier  : </translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Auteur</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Développer</source>
        <translation>Développer</translation>
    </message>
    <message>
        <source>Développer toutes les catégories d'intervalles</source>
        <translation>Développer toutes les catégories d'intervalles</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Justesse</source>
        <translation>Justesse</translation>
    </message>
    <message>
        <source>ZIB - Edition de liste d'intervalles</source>
        <translation>ZIB - Edition de liste d'intervalles</translation>
    </message>
    <message>
        <source>Au-delà de 1250 cents, absents de l'arbre : %1</source>
        <translation>Au-delà de 1250 cents, absents de l'arbre : %1</translation>
    </message>
    <message>
        <source>Importer…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Importer une gamme Scala (.scl), ou la référence d'un clavier Scala (.kbm) comme Fréquence 1</source>
        <translation>Importer une gamme Scala (.scl), ou la référence d'un clavier Scala (.kbm) comme Fréquence 1</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Exporter la liste en gamme Scala (.scl), avec un clavier (.kbm) qui la joue à Fréquence 1 depuis la note MIDI 60</source>
        <translation>Exporter la liste en gamme Scala (.scl), avec un clavier (.kbm) qui la joue à Fréquence 1 depuis la note MIDI 60</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Les quintes, quartes, tierces et sixtes de chaque degré : écart au pur et battements</source>
        <translation>Les quintes, quartes, tierces et sixtes de chaque degré : écart au pur et battements</translation>
    </message>
</context>
<context>
    <name>KeyboardMapping</name>
    <message>
        <source>la taille de la table</source>
        <translation>la taille de la table</translation>
    </message>
    <message>
        <source>la première note</source>
        <translation>la première note</translation>
    </message>
    <message>
        <source>la dernière note</source>
        <translation>la dernière note</translation>
    </message>
    <message>
        <source>la note centrale</source>
        <translation>la note centrale</translation>
    </message>
    <message>
        <source>la note de référence</source>
        <translation>la note de référence</translation>
    </message>
    <message>
        <source>la fréquence de référence</source>
        <translation>la fréquence de référence</translation>
    </message>
    <message>
        <source>le degré de l'octave</source>
        <translation>le degré de l'octave</translation>
    </message>
    <message>
        <source>« %1 » n'est pas une fréquence (%2)</source>
        <translation>« %1 » n'est pas une fréquence (%2)</translation>
    </message>
    <message>
        <source>%1 vaut %2 Hz, hors de 0 … %3 Hz</source>
        <translation>%1 vaut %2 Hz, hors de 0 … %3 Hz</translation>
    </message>
    <message>
        <source>« %1 » n'est pas un nombre entier (%2)</source>
        <translation>« %1 » n'est pas un nombre entier (%2)</translation>
    </message>
    <message>
        <source>%1 vaut %2, hors de %3 … %4</source>
        <translation>%1 vaut %2, hors de %3 … %4</translation>
    </message>
    <message>
        <source>la dernière note (%1) est avant la première (%2)</source>
        <translation>la dernière note (%1) est avant la première (%2)</translation>
    </message>
    <message>
        <source>entrée de trop : la table en a %1</source>
        <translation>entrée de trop : la table en a %1</translation>
    </message>
    <message>
        <source>« %1 » n'est ni un degré ni « x »</source>
        <translation>« %1 » n'est ni un degré ni « x »</translation>
    </message>
    <message>
        <source>le degré %1 sort de 0 … %2</source>
        <translation>le degré %1 sort de 0 … %2</translation>
    </message>
    <message>
        <source>%1 manque</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>la gamme n'a pas de degré %1 : elle a %2 hauteurs</source>
        <translation>la gamme n'a pas de degré %1 : elle a %2 hauteurs</translation>
    </message>
    <message>
        <source>la note %1 ne joue aucun degré de la gamme</source>
        <translation>la note %1 ne joue aucun degré de la gamme</translation>
    </message>
    <message>
        <source>la table : le degré de chaque touche à partir de la note centrale</source>
        <translation>la table : le degré de chaque touche à partir de la note centrale</translation>
    </message>
</context>
<context>
    <name>ListView</name>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Représentation circulaire</source>
        <translation>Représentation circulaire</translation>
    </message>
    <message>
        <source>Transposer</source>
        <translation>Transposer</translation>
    </message>
    <message>
        <source>Transposer l'échelle pour visualiser la justesse des intervalles</source>
        <translation>Transposer l'échelle pour visualiser la justesse des intervalles</translation>
    </message>
    <message>
        <source>Tierce pure 5/4</source>
        <translation>Tierce pure 5/4</translation>
    </message>
    <message>
        <source>Quarte 4/3</source>
        <translation>Quarte 4/3</translation>
    </message>
    <message>
        <source>Quinte 3/2</source>
        <translation>Quinte 3/2</translation>
    </message>
    <message>
        <source>Sixte Min. Juste 8/5</source>
        <translation>Sixte Min. Juste 8/5</translation>
    </message>
</context>
<context>
    <name>MMod_Dom</name>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Enregistrer Fichier de paramètres</source>
        <translation>Enregistrer Fichier de paramètres</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Le modèle n'a pas été enregistré</source>
        <translation>Le modèle n'a pas été enregistré</translation>
    </message>
    <message>
        <source>Fréquence illégale</source>
        <translation>Fréquence illégale</translation>
    </message>
    <message>
        <source>Les fréquences doivent être des nombres strictement positifs</source>
        <translation>Les fréquences doivent être des nombres strictement positifs</translation>
    </message>
    <message>
        <source>Amortissement illégal</source>
        <translation>Amortissement illégal</translation>
    </message>
    <message>
        <source>Les amortissements doivent être positifs ou nuls</source>
        <translation>Les amortissements doivent être positifs ou nuls</translation>
    </message>
    <message>
        <source>Poids illégal</source>
        <translation>Poids illégal</translation>
    </message>
    <message>
        <source>Les poids  doivent être des nombres décimaux</source>
        <translation>Les poids  doivent être des nombres décimaux</translation>
    </message>
    <message>
        <source>Fichier de paramètres</source>
        <translation>Fichier de paramètres</translation>
    </message>
    <message>
        <source>Erreur à l'ouverture du document XML</source>
        <translation>Erreur à l'ouverture du document XML</translation>
    </message>
    <message>
        <source>Le document XML n'a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</source>
        <translation>Le document XML n'a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</translation>
    </message>
    <message>
        <source>Le document XML n'a pas pu être attribué à l'objet QDomDocument.</source>
        <translation>Le document XML n'a pas pu être attribué à l'objet QDomDocument.</translation>
    </message>
    <message>
        <source>Nombre de modes inexact</source>
        <translation>Nombre de modes inexact</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Amort.</source>
        <translation>Amort.</translation>
    </message>
    <message>
        <source>Poids</source>
        <translation>Poids</translation>
    </message>
</context>
<context>
    <name>MMod_DomUi</name>
    <message>
        <source>Description du modèle</source>
        <translation>Description du modèle</translation>
    </message>
    <message>
        <source>Ecrire une description du modèle</source>
        <translation>Ecrire une description du modèle</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Amort.</source>
        <translation>Amort.</translation>
    </message>
    <message>
        <source>Poids</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edition</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cliquer pour ajouter un mode vibratoire</source>
        <translation>Cliquer pour ajouter un mode vibratoire</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Selectionner un mode et cliquer pour supprimer</source>
        <translation>Selectionner un mode et cliquer pour supprimer</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Enregistrer le modèle dans un fichier XML</source>
        <translation>Enregistrer le modèle dans un fichier XML</translation>
    </message>
    <message>
        <source>Coeff. Amort</source>
        <translation>Coeff. Amort</translation>
    </message>
    <message>
        <source>Selectionner</source>
        <translation>Selectionner</translation>
    </message>
    <message>
        <source>Selectionner le modèle courant</source>
        <translation>Selectionner le modèle courant</translation>
    </message>
    <message>
        <source>Création de modèles Corde/Tige ou Barre/Poutre</source>
        <translation>Création de modèles Corde/Tige ou Barre/Poutre</translation>
    </message>
    <message>
        <source>Choisir une structure vibrante dans la liste</source>
        <translation>Choisir une structure vibrante dans la liste</translation>
    </message>
    <message>
        <source>Nombre de modes à créer</source>
        <translation>Nombre de modes à créer</translation>
    </message>
    <message>
        <source>Position du point de percussion est un nombre entre 0 et 1</source>
        <translation>Position du point de percussion est un nombre entre 0 et 1</translation>
    </message>
    <message>
        <source>Amortissement</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Amortissement externe, affecte tous les modes de façon uniforme</source>
        <translation>Amortissement externe, affecte tous les modes de façon uniforme</translation>
    </message>
    <message>
        <source>Amortissement par hystérésis, affecte chaque mode proportionnellement à sa fréquence</source>
        <translation>Amortissement par hystérésis, affecte chaque mode proportionnellement à sa fréquence</translation>
    </message>
    <message>
        <source>Amortissement interne (visoélastique), affecte chaque mode proportionnellement au carré de sa fréquence</source>
        <translation>Amortissement interne (visoélastique), affecte chaque mode proportionnellement au carré de sa fréquence</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Appliquer les coefficients d'amortissement</source>
        <translation>Appliquer les coefficients d'amortissement</translation>
    </message>
    <message>
        <source>Créer</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Externe</source>
        <translation>Externe</translation>
    </message>
    <message>
        <source>Hystérésis</source>
        <translation>Hystérésis</translation>
    </message>
    <message>
        <source>Interne</source>
        <translation>Interne</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Point Perc.</source>
        <translation>Point Perc.</translation>
    </message>
    <message>
        <source>Fichier :</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Titre :</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Auteur :</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Partiels :</source>
        <translation>Partiels :</translation>
    </message>
    <message>
        <source>ZIB-Edition d'un modèle de synthèse</source>
        <translation>ZIB-Edition d'un modèle de synthèse</translation>
    </message>
</context>
<context>
    <name>MelodyDlg</name>
    <message>
        <source>Intervalles</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>ZIB</source>
        <translation>ZIB</translation>
    </message>
    <message>
        <source>Attention : un modèle de synthèse doit être défini auparavant</source>
        <translation>Attention : un modèle de synthèse doit être défini auparavant</translation>
    </message>
    <message>
        <source>Traitement de partition</source>
        <translation>Traitement de partition</translation>
    </message>
    <message>
        <source> de la note %1 n'est pas valide : %2 !</source>
        <translation> de la note %1 n'est pas valide : %2 !</translation>
    </message>
    <message>
        <source>La durée</source>
        <translation>La durée</translation>
    </message>
    <message>
        <source>L'amplitude</source>
        <translation>L'amplitude</translation>
    </message>
    <message>
        <source>La date</source>
        <translation>La date</translation>
    </message>
    <message>
        <source> de la note %1 n'est pas valide !</source>
        <translation> de la note %1 n'est pas valide !</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Degré</source>
        <translation>Degré</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transposition</translation>
    </message>
    <message>
        <source> en octave de la note %1 (date %2) n'est pas valide : %3 !</source>
        <translation> en octave de la note %1 (date %2) n'est pas valide : %3 !</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Définition de l'enveloppe</source>
        <translation>Définition de l'enveloppe</translation>
    </message>
    <message>
        <source>Entrée invalide : entrer un nombre positif !</source>
        <translation>Entrée invalide : entrer un nombre positif !</translation>
    </message>
    <message>
        <source>La date doite être un nombre entre 0 et 1 !</source>
        <translation>La date doite être un nombre entre 0 et 1 !</translation>
    </message>
    <message>
        <source>Cette date existe déjà !</source>
        <translation>Cette date existe déjà !</translation>
    </message>
    <message>
        <source>Définir d'abord la date !</source>
        <translation>Définir d'abord la date !</translation>
    </message>
    <message>
        <source>Fichier musique</source>
        <translation>Fichier musique</translation>
    </message>
    <message>
        <source>Fichier de mélodie : </source>
        <translation>Fichier de mélodie : </translation>
    </message>
    <message>
        <source>Erreur à l'ouverture de la liste par défaut</source>
        <translation>Erreur à l'ouverture de la liste par défaut</translation>
    </message>
    <message>
        <source>Le document XML de liste d'intervalle par défaut n'a pas pu être ouvert. Vérifiez que le fichier &lt;b&gt;%1&lt;/b&gt; existe et est placé dans le répertoire des listes d'intervalles. &lt;br/&gt;Sinon, vous pouvez utiliser une liste vide ou charger un autre fichier.</source>
        <translation>Le document XML de liste d'intervalle par défaut n'a pas pu être ouvert. Vérifiez que le fichier &lt;b&gt;%1&lt;/b&gt; existe et est placé dans le répertoire des listes d'intervalles. &lt;br/&gt;Sinon, vous pouvez utiliser une liste vide ou charger un autre fichier.</translation>
    </message>
    <message>
        <source>Erreur à l'ouverture du document XML</source>
        <translation>Erreur à l'ouverture du document XML</translation>
    </message>
    <message>
        <source>Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</source>
        <translation>Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le nom est le bon et que le document est bien placé</translation>
    </message>
    <message>
        <source>Le document XML n'a pas pu être attribué à l'objet QDomDocument.</source>
        <translation>Le document XML n'a pas pu être attribué à l'objet QDomDocument.</translation>
    </message>
    <message>
        <source>Date invalide. Une date est nombre flottant entre 0 et %2</source>
        <translation>Date invalide. Une date est nombre flottant entre 0 et %2</translation>
    </message>
    <message>
        <source>Degré illégal %1 dépassant le nombre de degrés dans la liste</source>
        <translation>Degré illégal %1 dépassant le nombre de degrés dans la liste</translation>
    </message>
    <message>
        <source>Enregistrement de la partition</source>
        <translation>Enregistrement de la partition</translation>
    </message>
    <message>
        <source>Pas de note à enregistrer</source>
        <translation>Pas de note à enregistrer</translation>
    </message>
    <message>
        <source>Enregistrer Fichier de paramètres</source>
        <translation>Enregistrer Fichier de paramètres</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossible d'ouvrir le fichier pour écriture</source>
        <translation>Impossible d'ouvrir le fichier pour écriture</translation>
    </message>
    <message>
        <source>Synthèse de la mélodie</source>
        <translation>Synthèse de la mélodie</translation>
    </message>
    <message>
        <source>Le tempo doit être compris entre 30 et 300 battements par minute.</source>
        <translation>Le tempo doit être compris entre 30 et 300 battements par minute.</translation>
    </message>
    <message>
        <source>La fréquence de référence doit être comprise entre 20 et 10000 Hz.</source>
        <translation>La fréquence de référence doit être comprise entre 20 et 10000 Hz.</translation>
    </message>
    <message>
        <source>Synthèse de la mélodie…</source>
        <translation>Synthèse de la mélodie…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour synthétiser cette mélodie.</source>
        <translation>Mémoire insuffisante pour synthétiser cette mélodie.</translation>
    </message>
    <message>
        <source>Choisir un nom fichier</source>
        <translation>Choisir un nom fichier</translation>
    </message>
    <message>
        <source>Fichier (*.wav)</source>
        <translation>Fichier (*.wav)</translation>
    </message>
    <message>
        <source>Le fichier son &lt;b&gt;%1&lt;/b&gt; n'a pas pu être écrit : vérifiez que le dossier existe et accepte l'écriture.</source>
        <translation>Le fichier son &lt;b&gt;%1&lt;/b&gt; n'a pas pu être écrit : vérifiez que le dossier existe et accepte l'écriture.</translation>
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
        <source>ZIB 0.10 - Synthèse d'une mélodie</source>
        <translation>ZIB 0.10 - Synthèse d'une mélodie</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Créer une nouvelle mélodie</source>
        <translation>Créer une nouvelle mélodie</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Ouvrir un fichier de mélodie</source>
        <translation>Ouvrir un fichier de mélodie</translation>
    </message>
    <message>
        <source>Enregister</source>
        <translation>Enregister</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Mélodie</source>
        <translation>Mélodie</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Auteur</source>
        <translation>Auteur</translation>
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
        <translation>Ajuster le tempo en battement par minute</translation>
    </message>
    <message>
        <source>Fréq. de Réf.</source>
        <translation>Fréq. de Réf.</translation>
    </message>
    <message>
        <source>Fréquence de référence limitée à l'intervalle [50;1000] Hz</source>
        <translation>Fréquence de référence limitée à l'intervalle [50;1000] Hz</translation>
    </message>
    <message>
        <source>Forme d'onde</source>
        <translation>Forme d'onde</translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>parabole</source>
        <translation>parabole</translation>
    </message>
    <message>
        <source>carré</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>rampe</source>
        <translation>rampe</translation>
    </message>
    <message>
        <source>synthèse</source>
        <translation>synthèse</translation>
    </message>
    <message>
        <source>Forme du signal : sinus, triangle, parabole, etc.</source>
        <translation>Forme du signal : sinus, triangle, parabole, etc.</translation>
    </message>
    <message>
        <source>Fréq. Ech.</source>
        <translation>Fréq. Ech.</translation>
    </message>
    <message>
        <source>Fréquence d'échantillonnage</source>
        <translation>Fréquence d'échantillonnage</translation>
    </message>
    <message>
        <source>Synthétiser</source>
        <translation>Synthétiser</translation>
    </message>
    <message>
        <source>Synthétiser le son</source>
        <translation>Synthétiser le son</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Enregistrer le rendu sonore sous format wav</source>
        <translation>Enregistrer le rendu sonore sous format wav</translation>
    </message>
    <message>
        <source>Enveloppe</source>
        <translation>Enveloppe</translation>
    </message>
</context>
<context>
    <name>MusicalNote</name>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
</context>
<context>
    <name>PhysicalModel</name>
    <message>
        <source>Corde Fixe-Fixe</source>
        <translation>Corde Fixe-Fixe</translation>
    </message>
    <message>
        <source>Modèle de corde/tige avec des extrémités Fixe-Fixe à %1 partiels.</source>
        <translation>Modèle de corde/tige avec des extrémités Fixe-Fixe à %1 partiels.</translation>
    </message>
    <message>
        <source>Corde Fixe-Libre</source>
        <translation>Corde Fixe-Libre</translation>
    </message>
    <message>
        <source>Modèle de corde Appuyée-Libre à %1 partiels.</source>
        <translation>Modèle de corde Appuyée-Libre à %1 partiels.</translation>
    </message>
    <message>
        <source>Corde Libre-Libre</source>
        <translation>Corde Libre-Libre</translation>
    </message>
    <message>
        <source>Modèle de corde/tige Libre-Libre à %1 partiels.</source>
        <translation>Modèle de corde/tige Libre-Libre à %1 partiels.</translation>
    </message>
    <message>
        <source>Corde sans bord</source>
        <translation>Corde sans bord</translation>
    </message>
    <message>
        <source>Modèle de corde/tige Sans Bord (périodique) à %1 partiels. Attention les modes sont doublés.</source>
        <translation>Modèle de corde/tige Sans Bord (périodique) à %1 partiels. Attention les modes sont doublés.</translation>
    </message>
    <message>
        <source>Barre Enc-Enc</source>
        <translation>Barre Enc-Enc</translation>
    </message>
    <message>
        <source>Modèle de barre Encastrée-Encastrée (Euler-Bernoulli) à %1 partiels.</source>
        <translation>Modèle de barre Encastrée-Encastrée (Euler-Bernoulli) à %1 partiels.</translation>
    </message>
    <message>
        <source>Barre Enc-App</source>
        <translation>Barre Enc-App</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) Encastrée-Appuyée à %1 partiels.</source>
        <translation>Modèle de barre (Euler-Bernoulli) Encastrée-Appuyée à %1 partiels.</translation>
    </message>
    <message>
        <source>Barre App-App</source>
        <translation>Barre App-App</translation>
    </message>
    <message>
        <source>Modèle de barre Appuyée-Appuyée à %1 partiels.</source>
        <translation>Modèle de barre Appuyée-Appuyée à %1 partiels.</translation>
    </message>
    <message>
        <source>Barre Enc-lib</source>
        <translation>Barre Enc-lib</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) aux extrémités Encastrée-Libre à %1 partiels.</source>
        <translation>Modèle de barre (Euler-Bernoulli) aux extrémités Encastrée-Libre à %1 partiels.</translation>
    </message>
    <message>
        <source>Barre App-lib</source>
        <translation>Barre App-lib</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) aux extrémités Appuyée-Libre à %1 partiels.</source>
        <translation>Modèle de barre (Euler-Bernoulli) aux extrémités Appuyée-Libre à %1 partiels.</translation>
    </message>
    <message>
        <source>Barre lib-lib</source>
        <translation>Barre lib-lib</translation>
    </message>
    <message>
        <source>Modèle de barre (Euler-Bernoulli) aux extrémités libre-libre à %1 partiels.</source>
        <translation>Modèle de barre (Euler-Bernoulli) aux extrémités libre-libre à %1 partiels.</translation>
    </message>
    <message>
        <source>Barre sans bord</source>
        <translation>Barre sans bord</translation>
    </message>
    <message>
        <source>Modèle de Barre/Poutre Sans Bord (périodique) à %1 partiels. Attention les modes sont doublés.</source>
        <translation>Modèle de Barre/Poutre Sans Bord (périodique) à %1 partiels. Attention les modes sont doublés.</translation>
    </message>
    <message>
        <source>Invalide(s)</source>
        <translation>Invalide(s)</translation>
    </message>
    <message>
        <source>Point de Percussion </source>
        <translation>Point de Percussion </translation>
    </message>
    <message>
        <source>Nombre de modes </source>
        <translation>Nombre de modes </translation>
    </message>
    <message>
        <source>
Points d'excitation et d'écoute à %2</source>
        <translation>
Points d'excitation et d'écoute à %2</translation>
    </message>
    <message>
        <source>
Coefficients d'amortissement %3, %4 et %5</source>
        <translation>
Coefficients d'amortissement %3, %4 et %5</translation>
    </message>
</context>
<context>
    <name>ScalaFile</name>
    <message>
        <source>« %1 » n'est ni une valeur en cents ni un rapport</source>
        <translation>« %1 » n'est ni une valeur en cents ni un rapport</translation>
    </message>
    <message>
        <source>le rapport %1 est nul ou négatif</source>
        <translation>le rapport %1 est nul ou négatif</translation>
    </message>
    <message>
        <source>le rapport %1 a un dénominateur nul</source>
        <translation>le rapport %1 a un dénominateur nul</translation>
    </message>
    <message>
        <source>un terme du rapport dépasse %1</source>
        <translation>un terme du rapport dépasse %1</translation>
    </message>
    <message>
        <source>%1 cents dépasse ±%2 cents</source>
        <translation>%1 cents dépasse ±%2 cents</translation>
    </message>
    <message>
        <source>le nombre de hauteurs manque</source>
        <translation>le nombre de hauteurs manque</translation>
    </message>
    <message>
        <source>« %1 » n'est pas un nombre de hauteurs</source>
        <translation>« %1 » n'est pas un nombre de hauteurs</translation>
    </message>
    <message>
        <source>trop de hauteurs (au plus %1)</source>
        <translation>trop de hauteurs (au plus %1)</translation>
    </message>
    <message>
        <source>la description manque</source>
        <translation>la description manque</translation>
    </message>
    <message>
        <source>%1 hauteurs annoncées, %2 trouvées</source>
        <translation>%1 hauteurs annoncées, %2 trouvées</translation>
    </message>
</context>
<context>
    <name>ScalaLines</name>
    <message>
        <source>ligne trop longue (plus de %1 caractères)</source>
        <translation>ligne trop longue (plus de %1 caractères)</translation>
    </message>
    <message>
        <source>Impossible d'ouvrir le fichier : %1</source>
        <translation>Impossible d'ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>Le fichier dépasse %1 Mo</source>
        <translation>Le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier : %1</source>
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>Ligne %1 : %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>ScaleView</name>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Ré</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
</context>
<context>
    <name>TemperamentChart</name>
    <message>
        <source>Quinte 3/2</source>
        <translation>Quinte 3/2</translation>
    </message>
    <message>
        <source>Quarte 4/3</source>
        <translation>Quarte 4/3</translation>
    </message>
    <message>
        <source>Tierce majeure 5/4</source>
        <translation>Tierce majeure 5/4</translation>
    </message>
    <message>
        <source>Tierce mineure 6/5</source>
        <translation>Tierce mineure 6/5</translation>
    </message>
    <message>
        <source>Sixte majeure 5/3</source>
        <translation>Sixte majeure 5/3</translation>
    </message>
    <message>
        <source>Sixte mineure 8/5</source>
        <translation>Sixte mineure 8/5</translation>
    </message>
    <message>
        <source>Degré</source>
        <translation>Degré</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>%1 : degré</source>
        <translation>%1 : degré</translation>
    </message>
    <message>
        <source>%1 : écart (c)</source>
        <translation>%1 : écart (c)</translation>
    </message>
    <message>
        <source>%1 : battements (Hz)</source>
        <translation>%1 : battements (Hz)</translation>
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
        <translation>%1 → %2 : %3 c, pur %4 c</translation>
    </message>
    <message>
        <source>Enregistrer le tableau</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Le fichier %1 n'a pas pu être écrit : %2</source>
        <translation>Le fichier %1 n'a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>TemperamentChartDlgUi</name>
    <message>
        <source>Fréquence 1 : %1 Hz</source>
        <translation>Fréquence 1 : %1 Hz</translation>
    </message>
    <message>
        <source>Pour chaque degré pris comme note grave et chaque intervalle pur : le degré de la liste le plus proche au-dessus, l'écart au pur en cents et les battements par seconde à Fréquence 1. Vert : pur ; rouge : %1 cents d'écart ou plus.</source>
        <translation>Pour chaque degré pris comme note grave et chaque intervalle pur : le degré de la liste le plus proche au-dessus, l'écart au pur en cents et les battements par seconde à Fréquence 1. Vert : pur ; rouge : %1 cents d'écart ou plus.</translation>
    </message>
    <message>
        <source>Degré</source>
        <translation>Degré</translation>
    </message>
    <message>
        <source>Actualiser</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Refaire le tableau avec la liste et la Fréquence 1 actuelles</source>
        <translation>Refaire le tableau avec la liste et la Fréquence 1 actuelles</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copier le tableau en texte, colonnes séparées par des tabulations</source>
        <translation>Copier le tableau en texte, colonnes séparées par des tabulations</translation>
    </message>
    <message>
        <source>Enregistrer CSV…</source>
        <translation>Enregistrer CSV…</translation>
    </message>
    <message>
        <source>Enregistrer le tableau dans un fichier CSV pour un tableur</source>
        <translation>Enregistrer le tableau dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>ZIB - Tableau de justesse</source>
        <translation>ZIB - Tableau de justesse</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>impossible de créer le dossier %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>impossible de copier %1 vers %2 (%3)</source>
        <translation>impossible de copier %1 vers %2 (%3)</translation>
    </message>
    <message>
        <source>impossible de remplacer le lien %1</source>
        <translation>impossible de remplacer le lien %1</translation>
    </message>
    <message>
        <source>impossible de lier %1 à %2</source>
        <translation>impossible de lier %1 à %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Le dossier de travail %1 n'a pas pu être préparé entièrement : %2</source>
        <translation>Le dossier de travail %1 n'a pas pu être préparé entièrement : %2</translation>
    </message>
</context>
</TS>
