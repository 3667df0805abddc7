<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>A &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <comment>TabTouches</comment>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>KeysTouches</comment>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <comment>KeysManette</comment>
        <translation>Manette</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>KeysGauche</comment>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>KeysDroite</comment>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Turn</source>
        <comment>KeysTourner</comment>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>Descendre d&apos;une ligne</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Lâcher</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Panique</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Recommencer le niveau</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Passer le niveau</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Appuyez sur une touche (Retour arrière : aucune ; cliquez à nouveau pour garder l&apos;ancienne).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Appuyez sur un bouton de la manette (Retour arrière : aucun ; cliquez à nouveau pour garder l&apos;ancien).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>« %1 » sert déjà à « %2 » : choisissez-en une autre, ou changez d&apos;abord celle de « %2 ».</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>« %1 » est le raccourci du menu « %2 » : choisissez-en une autre.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Répétition des touches :</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Délai (ms) :</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Intervalle (ms) :</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Aucune manette branchée.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Manette : %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Configuration générale :</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Nombre de lignes du jeu</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Nombre de colonnes du jeu</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Nombre de couleurs du jeu</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Nombre de couleurs identiques nécessaires pour l&apos;élimination des smileys</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Configuration du premier niveau (démarrage du jeu) :</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Nombre de smileys</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Nombre de lignes sur lesquelles placer les smileys</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Vitesse de descente des gélules (en millisecondes)</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Configuration de chacun des niveaux suivants :</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Nombre de smileys supplémentaires</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Nombre de lignes supplémentaires sur lesquelles placer les smileys</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Nombre de lignes maximum sur lesquelles placer les smileys</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Accélération de la vitesse de descente des gélules (en millisecondes)</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Configurations prédéfinies :</translation>
    </message>
    <message>
        <source>Freeware</source>
        <comment>LabelFreeware</comment>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>FreeWare !</source>
        <comment>LabelFreeware1</comment>
        <translation>FreeWare !</translation>
    </message>
    <message>
        <source>Do not hesitate to send it to your friends !</source>
        <comment>LabelFreeware2</comment>
        <translation>N&apos;hésites pas à l&apos;envoyer à tes amis !</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Clt</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Champion(ne)</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Voir</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>L&apos;équipe des beta-testeurs</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Effacer le tableau des scores</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>&amp;Effacer...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Votre score vous permet d&apos;entrer au palmarès.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Saisissez votre nom :</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>Écrire à l&apos;auteur</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>La configuration a été modifiée.<byte value="xd"/>Si vous l&apos;appliquez, la partie en cours sera ré-initialisée.<byte value="xd"/><byte value="xd"/>Voulez-vous appliquer la nouvelle configuration ?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>Effacer le tableau des scores ?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>%1 lignes × %2 colonnes, %3 smileys sur %4 lignes, %5 couleurs, alignements de %6, une chute toutes les %7 ms</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Indice</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Parties Kembrolla Panic! (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Partie1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Enregistrer la partie sous</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Ouvrir une image de fond</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Tous (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>Images JPEG (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;PRINCIPLES OF THE GAME :&lt;/h3&gt;
&lt;p&gt;Two-coloured capsules fall into the well one at a time. Move and turn them so that they pile
up into runs of &lt;b&gt;4 cells of the same colour&lt;/b&gt;, horizontally or vertically (the number can be
changed on the Configuration page). The cells of a run disappear, and the smileys in it with
them; capsule halves that are left with nothing underneath then fall, which may complete more
runs in a chain.&lt;/p&gt;
&lt;p&gt;Clear &lt;b&gt;every smiley&lt;/b&gt; to reach the next level. Each level brings more smileys, spread
over more lines, and the capsules fall faster. The next capsule is shown above the well.&lt;/p&gt;
&lt;p&gt;The game is &lt;b&gt;lost&lt;/b&gt; when the pile reaches the top of the well and no capsule can come
down any more.&lt;/p&gt;

&lt;h3&gt;KEYS :&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Left arrow, 4&lt;/td&gt;&lt;td&gt;Move the capsule to the left&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Right arrow, 6&lt;/td&gt;&lt;td&gt;Move the capsule to the right&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Down arrow, 2&lt;/td&gt;&lt;td&gt;Move the capsule down&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Up arrow, 8, 5&lt;/td&gt;&lt;td&gt;Turn the capsule&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Space, 0&lt;/td&gt;&lt;td&gt;Drop the capsule quickly&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Escape, Enter&lt;/td&gt;&lt;td&gt;Panic!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;The digits are those of the numeric keypad. &lt;b&gt;Panic!&lt;/b&gt; hides the game at once, paused
and silent, leaving only an icon in the notification area: click the icon, or choose &quot;Take
again the game&quot; in its menu, to come back. On a desktop with no notification area the window
is minimised where the desktop allows it and shows nothing but the border colour: come back
through the taskbar, the dock or Alt+Tab, or, if it stayed on screen, with a click or a key.&lt;/p&gt;
&lt;p&gt;Menu shortcuts: &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;F2&lt;/b&gt; new game, &lt;b&gt;F3&lt;/b&gt; restart the level,
&lt;b&gt;F4&lt;/b&gt; jump to the next level, &lt;b&gt;F5&lt;/b&gt; pause.&lt;/p&gt;
&lt;p&gt;Those are the keys out of the box: the &lt;b&gt;Keys&lt;/b&gt; tab (Options menu, &quot;Keys and
gamepad...&quot;) lets you choose your own, and how a held direction repeats. A gamepad can be
plugged in at any time: the d-pad or the stick move the capsule, A turns it, B drops it, Start
pauses, Select hides the game.&lt;/p&gt;

&lt;h3&gt;AUTOMATIC PAUSE :&lt;/h3&gt;
&lt;p&gt;The game pauses by itself at the start of every level (the &quot;Level&quot; message shows) and as
soon as its window is no longer the active one, for instance when you switch to another program
or open this box. &lt;b&gt;Any key&lt;/b&gt; resumes the game and acts at once: an arrow already moves the
capsule. F5 pauses and resumes whenever you like.&lt;/p&gt;

&lt;h3&gt;SCORES&amp;nbsp; :&lt;/h3&gt;
&lt;p&gt;The score is read on the counters above the well: &lt;b&gt;the level&lt;/b&gt; reached &lt;b&gt;on the
left&lt;/b&gt;, &lt;b&gt;the number of smileys&lt;/b&gt; left &lt;b&gt;on the right&lt;/b&gt; (the playing time is in the
middle). The best score is the highest level and, for the same level, the one that leaves the
fewest smileys.&lt;/p&gt;
&lt;p&gt;After &quot;Restart level&quot; or &quot;Jump level&quot;, the score is hidden and can only enter the table once
the next level has been fully completed.&lt;/p&gt;
&lt;p&gt;When a lost game is among the 3 best, the game asks for your name. The table of the 3 best
scores is on the &quot;About&quot; page.&lt;/p&gt;
</source>
        <translation>
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;PRINCIPES DU JEU :&lt;/h3&gt;
&lt;p&gt;Des gélules bicolores tombent une à une dans le puits. Déplacez-les et faites-les tourner
pour les empiler de façon à former des alignements de &lt;b&gt;4 cases de la même couleur&lt;/b&gt;,
horizontalement ou verticalement (ce nombre se règle dans la page Configuration). Les cases
alignées disparaissent, et avec elles les smileys qui en font partie&amp;nbsp;; les moitiés de
gélules qui ne reposent plus sur rien tombent alors, ce qui peut provoquer de nouveaux
alignements en cascade.&lt;/p&gt;
&lt;p&gt;Éliminez &lt;b&gt;tous les smileys&lt;/b&gt; pour passer au niveau suivant. Chaque niveau apporte des
smileys en plus, sur davantage de lignes, et les gélules y tombent plus vite. La gélule
suivante s&apos;affiche au-dessus du puits.&lt;/p&gt;
&lt;p&gt;La partie est &lt;b&gt;perdue&lt;/b&gt; quand la pile atteint le haut du puits et qu&apos;aucune gélule ne
peut plus descendre.&lt;/p&gt;

&lt;h3&gt;TOUCHES :&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flèche gauche, 4&lt;/td&gt;&lt;td&gt;Déplacement de la gélule vers la gauche&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flèche droite, 6&lt;/td&gt;&lt;td&gt;Déplacement de la gélule vers la droite&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flèche bas, 2&lt;/td&gt;&lt;td&gt;Déplacement de la gélule vers le bas&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flèche haut, 8, 5&lt;/td&gt;&lt;td&gt;Rotation de la gélule&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Espace, 0&lt;/td&gt;&lt;td&gt;Déplacement rapide de la gélule vers le bas&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Échap, Entrée&lt;/td&gt;&lt;td&gt;Panic!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Les chiffres sont ceux du pavé numérique. &lt;b&gt;Panic!&lt;/b&gt; cache le jeu aussitôt, en pause et
sans un bruit, et ne laisse qu&apos;une icône dans la zone de notification&amp;nbsp;: cliquez sur
l&apos;icône, ou choisissez «&amp;nbsp;Reprendre la partie&amp;nbsp;» dans son menu, pour revenir au jeu.
Sur un bureau sans zone de notification, la fenêtre est réduite quand le bureau le permet et ne
montre plus que la couleur de la bordure&amp;nbsp;: revenez-y par la barre des tâches, le dock ou
Alt+Tab, ou, si elle est restée à l&apos;écran, par un clic ou une touche.&lt;/p&gt;
&lt;p&gt;Raccourcis du menu&amp;nbsp;: &lt;b&gt;F1&lt;/b&gt; cette aide, &lt;b&gt;F2&lt;/b&gt; nouvelle partie, &lt;b&gt;F3&lt;/b&gt;
recommencer le niveau, &lt;b&gt;F4&lt;/b&gt; passer au niveau suivant, &lt;b&gt;F5&lt;/b&gt; pause.&lt;/p&gt;
&lt;p&gt;Ce sont les touches d&apos;origine&amp;nbsp;: l&apos;onglet &lt;b&gt;Touches&lt;/b&gt; (menu Options, «&amp;nbsp;Touches
et manette...&amp;nbsp;») permet de choisir les vôtres, et la répétition d&apos;une direction tenue. Une
manette se branche à tout moment&amp;nbsp;: la croix ou le stick déplacent la gélule, A la tourne,
B la lâche, Start met en pause, Select cache le jeu.&lt;/p&gt;

&lt;h3&gt;PAUSE AUTOMATIQUE :&lt;/h3&gt;
&lt;p&gt;Le jeu se met de lui-même en pause au début de chaque niveau (le message «&amp;nbsp;Niveau&amp;nbsp;»
s&apos;affiche) et dès que sa fenêtre n&apos;est plus la fenêtre active, par exemple quand vous passez
à un autre programme ou que vous ouvrez cette boîte. &lt;b&gt;N&apos;importe quelle touche&lt;/b&gt; relance la
partie, et agit aussitôt&amp;nbsp;: une flèche déplace déjà la gélule. La touche F5 met en pause et
relance à volonté.&lt;/p&gt;

&lt;h3&gt;SCORES&amp;nbsp; :&lt;/h3&gt;
&lt;p&gt;Le score se lit sur les compteurs au-dessus du puits&amp;nbsp;: &lt;b&gt;à gauche le niveau&lt;/b&gt;
atteint, &lt;b&gt;à droite le nombre de smileys&lt;/b&gt; qui restent (au milieu, le temps de jeu). Le
meilleur score est celui du niveau le plus élevé et, à niveau égal, celui qui laisse le moins de
smileys.&lt;/p&gt;
&lt;p&gt;Après «&amp;nbsp;Recommencer niveau&amp;nbsp;» ou «&amp;nbsp;Passer niveau&amp;nbsp;», le score est masqué et
ne peut entrer au tableau qu&apos;une fois le niveau suivant entièrement terminé.&lt;/p&gt;
&lt;p&gt;Quand une partie perdue fait partie des 3 meilleures, le jeu vous demande votre nom. Le
tableau des 3 meilleurs scores se trouve dans la page «&amp;nbsp;A propos&amp;nbsp;».&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>Un duel est en cours : si vous le quittez, il est perdu.

Voulez-vous quitter le duel ?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Votre &amp;niveau de départ :</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>Niveau de départ de l&apos;ad&amp;versaire :</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>&amp;Manches à gagner :</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Annuler les a&amp;ttaques</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>En réseau</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Ordinateur (%1)</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Revanche</translation>
    </message>
    <message>
        <source>Draw!</source>
        <translation>Égalité !</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>Gagné !</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>A&amp;dversaire :</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>Manette du &amp;joueur 2 :</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Aucune (clavier)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>&amp;Recommencer niveau</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>&amp;Passer niveau</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>P&amp;ause</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>Panic&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>&amp;Ouvrir une partie...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>&amp;Enregistrer la partie sous...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>Re&amp;voir la dernière partie</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>Ouvrir un rep&amp;lay...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Enregistrer le replay so&amp;us...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Langue/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Français/French</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>&amp;Anglais/English</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <comment>MenuLangueAllemand</comment>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Español</source>
        <comment>MenuLangueEspagnol</comment>
        <translation>&amp;Español</translation>
    </message>
    <message>
        <source>&amp;Italiano</source>
        <comment>MenuLangueItalien</comment>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;Português (Brasil)</source>
        <comment>MenuLanguePortugais</comment>
        <translation>&amp;Português (Brasil)</translation>
    </message>
    <message>
        <source>&amp;Nederlands</source>
        <comment>MenuLangueNeerlandais</comment>
        <translation>&amp;Nederlands</translation>
    </message>
    <message>
        <source>P&amp;olski</source>
        <comment>MenuLanguePolonais</comment>
        <translation>P&amp;olski</translation>
    </message>
    <message>
        <source>&amp;Русский</source>
        <comment>MenuLangueRusse</comment>
        <translation>&amp;Русский</translation>
    </message>
    <message>
        <source>Animation of the smileys</source>
        <comment>MenuAnimVirus</comment>
        <translation>Animation des smile&amp;ys</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>&amp;Pas d&apos;animation</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimVirusLente</comment>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimVirusMoyenne</comment>
        <translation>&amp;Moyenne</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimVirusRapide</comment>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>Animation des &amp;éliminations de smileys</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>&amp;Pas d&apos;animation</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimSupprLente</comment>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimSupprMoyenne</comment>
        <translation>&amp;Moyenne</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimSupprRapide</comment>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Tremblements de la fenêtre</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>Tai&amp;lle des smileys</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Taille par défaut</translation>
    </message>
    <message>
        <source>50%</source>
        <comment>MenuSmileyTaille50</comment>
        <translation>50%</translation>
    </message>
    <message>
        <source>75%</source>
        <comment>MenuSmileyTaille75</comment>
        <translation>75%</translation>
    </message>
    <message>
        <source>100%</source>
        <comment>MenuSmileyTaille100</comment>
        <translation>100%</translation>
    </message>
    <message>
        <source>150%</source>
        <comment>MenuSmileyTaille150</comment>
        <translation>150%</translation>
    </message>
    <message>
        <source>200%</source>
        <comment>MenuSmileyTaille200</comment>
        <translation>200%</translation>
    </message>
    <message>
        <source>300%</source>
        <comment>MenuSmileyTaille300</comment>
        <translation>300%</translation>
    </message>
    <message>
        <source>Colors of the smileys</source>
        <comment>MenuSmileyCouleur</comment>
        <translation>&amp;Couleurs des smileys</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Couleurs par défaut</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1ère couleur de smileys...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2ème couleur de smileys...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3ème couleur de smileys...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4ème couleur de smileys...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5ème couleur de smileys...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Symboles de couleur</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>Pin-&amp;up</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Pas de pin-up</translation>
    </message>
    <message>
        <source>Pinup of left-hand side</source>
        <comment>MenuPinUp1</comment>
        <translation>Pin-up de &amp;gauche</translation>
    </message>
    <message>
        <source>Pinup of right-hand side</source>
        <comment>MenuPinup2</comment>
        <translation>Pin-up de &amp;droite</translation>
    </message>
    <message>
        <source>Both</source>
        <comment>MenuPinupToutes</comment>
        <translation>Les &amp;deux</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>MenuSon</comment>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>&amp;Pas de son</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>&amp;Hauts-parleurs</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>PC &amp;Speaker</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuSonVolumeMoyen</comment>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuSonVolumeFort</comment>
        <translation>F&amp;ort</translation>
    </message>
    <message>
        <source>Music</source>
        <comment>MenuMusique</comment>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>No music</source>
        <comment>MenuMusiquePas</comment>
        <translation>&amp;Pas de musique</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuMusiqueVolumeMoyen</comment>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuMusiqueVolumeFort</comment>
        <translation>F&amp;ort</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuMusiqueOptions</comment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Lecture en boucle</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>Fond &amp;uni...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>Fond &amp;dégradé...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>Fond &amp;Kembrolla Panic!</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>&amp;Ouvrir une image de fond...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Taille de l&apos;image de fond</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>Ajustée à la &amp;taille de la fenêtre</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>Ajustée à la &amp;largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>Ajustée à la &amp;hauteur de la fenêtre</translation>
    </message>
    <message>
        <source>25%</source>
        <comment>MenuTaille25pc</comment>
        <translation>25%</translation>
    </message>
    <message>
        <source>50%</source>
        <comment>MenuTaille50pc</comment>
        <translation>50%</translation>
    </message>
    <message>
        <source>75%</source>
        <comment>MenuTaille75pc</comment>
        <translation>75%</translation>
    </message>
    <message>
        <source>100%</source>
        <comment>MenuTaille100pc</comment>
        <translation>100%</translation>
    </message>
    <message>
        <source>150%</source>
        <comment>MenuTaille150pc</comment>
        <translation>150%</translation>
    </message>
    <message>
        <source>200%</source>
        <comment>MenuTaille200pc</comment>
        <translation>200%</translation>
    </message>
    <message>
        <source>Position of the background image</source>
        <comment>MenuImageFondPosition</comment>
        <translation>&amp;Position de l&apos;image de fond</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>Aligné à &amp;gauche</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>Centré &amp;horizontalement</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>Aligné à &amp;droite</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>Aligné en &amp;haut</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>Centré &amp;verticalement</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>Aligné en &amp;bas</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Options de l&apos;image de fond</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>Image &amp;mosaïquée</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>Image en &amp;noir et blanc</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>Image en né&amp;gatif</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>Couleur du &amp;contour de l&apos;image...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>&amp;Tableau de bord</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>Afficher les &amp;compteurs</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>Afficher la &amp;pièce suivante</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>Couleur et police des &amp;messages...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>T&amp;ouches et manette...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>A &amp;propos de...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>&amp;Reprendre la partie</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Nouveau &amp;duel...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>Partie &amp;seul</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Démonstration</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>Duel en &amp;réseau...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>Perdu !</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Impossible playing.</source>
        <translation>Lecture impossible.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Chargement de la musique en cours...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est atteint</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>le fichier dépasse la taille permise</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>l&apos;accès est refusé</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>l&apos;opération n&apos;est pas permise</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>le fichier ou son dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>un élément du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>le chemin passe par trop de liens symboliques</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>le disque signale une erreur de lecture ou d&apos;écriture</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>trop de fichiers sont ouverts</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>le fichier est occupé</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>le fichier est sur un autre disque que son dossier</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>la mémoire manque</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>le périphérique est absent</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>le disque réseau ne répond plus</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>le fichier existant est trop volumineux</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais un périphérique ou un tube</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>le fichier existant ne peut pas être lu</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation> car </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>le système signale l&apos;erreur %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Un autre exemplaire du jeu, peut-être bloqué, retient le fichier %1 depuis plus de %2 secondes : il a été enregistré sans l&apos;attendre.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Un autre exemplaire du jeu, peut-être bloqué, retient les fichiers %1 depuis plus de %2 secondes : ils ont été enregistrés sans l&apos;attendre.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Enregistrement du fichier %1 impossible</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>Lecture du fichier %1 impossible</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation> : </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>la valeur « %1 »</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>trop de valeurs dans « %1 »</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>l&apos;entrée « %1 »</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>les entrées s&apos;arrêtent à la ligne %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>une ligne d&apos;entrées vide</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>des entrées au-delà de leur nombre</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>la taille du fichier</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>les changements de paramètres</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entrées</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>les mises en place de niveaux</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>le travail pour le rejouer</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>Image de fond %1 non trouvée ou non reconnue.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Ce fichier n&apos;est pas un replay de Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Ce replay vient d&apos;une version plus récente du jeu (format %1) : mettez le jeu à jour pour le revoir.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Ce replay est abîmé et ne peut pas être revu.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Ce replay est abîmé (%1) et ne peut pas être revu.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Ce replay est bien plus grand qu&apos;aucune partie enregistrée par le jeu.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Ce replay est bien plus grand qu&apos;aucune partie enregistrée par le jeu (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>Rejoué, ce replay n&apos;arrive pas à la fin enregistrée : il a été modifié, ou vient d&apos;une autre version des règles.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>« %1 » est un dossier, pas une partie enregistrée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>« %1 » n&apos;est pas un fichier mais un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>Le fichier « %1 » est bien trop grand pour être une partie enregistrée.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Lecture du fichier « %1 » impossible : %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>Le fichier ne contient pas de sauvegarde Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Opération annulée.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 n&apos;existe pas.
Voulez-vous le créer ?</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Cancel</source>
        <extracomment>The host button while the game waits for a player: it stops waiting.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Host</source>
        <extracomment>The host button: the game starts waiting for a player.</extracomment>
        <translation>Héberger</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Cet ordinateur : %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port : %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Délai des attaques : %1 ms</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>Aucune partie trouvée sur le réseau local</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>&amp;Héberger</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Code à donner à votre ami :</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Parties sur le réseau local :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>nom ou 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code :</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 lettres ou chiffres</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>Le code ne correspond pas à cette partie.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>La connexion a été refusée : aucune partie n&apos;attend à cette adresse.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>Cette adresse est introuvable.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>L&apos;autre ordinateur ne répond pas.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>L&apos;autre partie a une autre version du jeu et ne peut pas jouer avec celle-ci.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>Cette partie a déjà un adversaire.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Écrivez un nom ou une adresse, et au besoin le port (exemple : 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>Impossible d&apos;attendre un joueur : le port est déjà pris.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>La connexion avec l&apos;autre joueur est perdue.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>connexion lente...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>la partie n&apos;est plus synchronisée</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 a quitté la partie.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 est en pause.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>En attente d&apos;un joueur...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Replays Kembrolla Panic! (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Aucune partie terminée à revoir pour l&apos;instant.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Aucune partie terminée à enregistrer pour l&apos;instant.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>fin, partie vérifiée</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>pas à pas</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Revoir</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4 : vitesse · Espace : pas à pas · autre touche : retour</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>Aucun affichage n&apos;a pu être ouvert : le jeu a besoin d&apos;une session graphique (X11 ou Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>Effacer toutes les statistiques ?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Niveaux gagnés</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Smileys éliminés</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Gélules posées</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Plus longue chaîne</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Temps de jeu total</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>Les 50 dernières parties</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Secondes par niveau gagné</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Smileys éliminés par minute</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>Contre</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>Attacks sent</source>
        <translation>Attaques envoyées</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Duels</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Meilleure chaîne</translation>
    </message>
</context>
</TS>
