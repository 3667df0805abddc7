<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <comment>TabTouches</comment>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>KeysTouches</comment>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <comment>KeysManette</comment>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>KeysGauche</comment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>KeysDroite</comment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Turn</source>
        <comment>KeysTourner</comment>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>Eine Zeile tiefer</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Fallen lassen</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Panik</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Level neu starten</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Level überspringen</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Drücken Sie eine Taste (Rücktaste: keine; erneut klicken, um die alte zu behalten).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Drücken Sie eine Gamepad-Taste (Rücktaste: keine; erneut klicken, um die alte zu behalten).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>„%1“ ist schon für „%2“ belegt: Wählen Sie eine andere oder ändern Sie zuerst die Belegung von „%2“.</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>„%1“ ist das Tastenkürzel des Menüpunkts „%2“: Wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Tastenwiederholung:</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>System</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Verzögerung (ms):</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Intervall (ms):</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Kein Gamepad angeschlossen.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Gamepad: %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Allgemeine Einstellungen:</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Anzahl der Zeilen im Schacht</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Anzahl der Spalten im Schacht</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Anzahl der Farben im Spiel</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Anzahl gleicher Farben in einer Reihe, um Smileys zu entfernen</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Einstellungen für das erste Level (Spielbeginn):</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Anzahl der Smileys</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Anzahl der Zeilen mit Smileys</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Fallzeit der Kapseln pro Zeile (in Millisekunden)</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Einstellungen für jedes weitere Level:</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Anzahl zusätzlicher Smileys</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Anzahl zusätzlicher Zeilen mit Smileys</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Höchstzahl der Zeilen mit Smileys</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Verkürzung der Fallzeit pro Zeile (in Millisekunden)</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Vordefinierte Einstellungen:</translation>
    </message>
    <message>
        <source>Freeware</source>
        <comment>LabelFreeware</comment>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>FreeWare !</source>
        <comment>LabelFreeware1</comment>
        <translation>Freeware!</translation>
    </message>
    <message>
        <source>Do not hesitate to send it to your friends !</source>
        <comment>LabelFreeware2</comment>
        <translation>Einfach an Freunde weiterschicken!</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Sieger(in)</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>Das Betatester-Team</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Bestenliste löschen</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Mit diesem Ergebnis kommen Sie in die Bestenliste.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>An den Autor schreiben</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>Die Einstellungen wurden geändert.<byte value="xd"/>Wenn Sie sie übernehmen, wird das laufende Spiel zurückgesetzt.<byte value="xd"/><byte value="xd"/>Möchten Sie die neuen Einstellungen übernehmen?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>Bestenliste löschen?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>%1 Zeilen × %2 Spalten, %3 Smileys auf %4 Zeilen, %5 Farben, Reihen aus %6, Fallzeit %7 ms pro Zeile</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Tipp</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Spiele von Kembrolla Panic! (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Spiel1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Spiel speichern unter</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Hintergrundbild öffnen</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Alle Bilder (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>JPEG-Bilder (*.jpg *.jpeg)</translation>
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
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;SPIELPRINZIP:&lt;/h3&gt;
&lt;p&gt;Zweifarbige Kapseln fallen nacheinander in den Schacht. Verschieben und drehen Sie sie so,
dass sie sich zu Reihen aus &lt;b&gt;4 Feldern derselben Farbe&lt;/b&gt; stapeln, waagerecht oder senkrecht
(die Zahl lässt sich auf der Seite „Einstellungen“ ändern). Die Felder einer Reihe verschwinden
und mit ihnen die Smileys darin; Kapselhälften, unter denen dann nichts mehr liegt, fallen nach
unten und können in einer Kettenreaktion weitere Reihen bilden.&lt;/p&gt;
&lt;p&gt;Entfernen Sie &lt;b&gt;alle Smileys&lt;/b&gt;, um ins nächste Level zu kommen. Jedes Level bringt mehr
Smileys, verteilt auf mehr Zeilen, und die Kapseln fallen schneller. Die nächste Kapsel wird über
dem Schacht angezeigt.&lt;/p&gt;
&lt;p&gt;Das Spiel ist &lt;b&gt;verloren&lt;/b&gt;, wenn der Stapel den oberen Rand des Schachts erreicht und keine
Kapsel mehr herunterkommen kann.&lt;/p&gt;

&lt;h3&gt;TASTEN:&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pfeil links, 4&lt;/td&gt;&lt;td&gt;Kapsel nach links bewegen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pfeil rechts, 6&lt;/td&gt;&lt;td&gt;Kapsel nach rechts bewegen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pfeil unten, 2&lt;/td&gt;&lt;td&gt;Kapsel nach unten bewegen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pfeil oben, 8, 5&lt;/td&gt;&lt;td&gt;Kapsel drehen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Leertaste, 0&lt;/td&gt;&lt;td&gt;Kapsel schnell fallen lassen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Esc, Eingabe&lt;/td&gt;&lt;td&gt;Panik!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Gemeint sind die Ziffern des Ziffernblocks. &lt;b&gt;Panik!&lt;/b&gt; versteckt das Spiel sofort, angehalten
und stumm, und lässt nur ein Symbol im Benachrichtigungsbereich zurück: Klicken Sie auf das
Symbol oder wählen Sie in seinem Menü „Spiel fortsetzen“, um zurückzukehren. Auf einem Desktop
ohne Benachrichtigungsbereich wird das Fenster minimiert, sofern der Desktop das zulässt, und
zeigt nur noch die Rahmenfarbe: Kehren Sie über die Taskleiste, das Dock oder Alt+Tab zurück
oder, falls es auf dem Bildschirm geblieben ist, mit einem Klick oder einer Taste.&lt;/p&gt;
&lt;p&gt;Tastenkürzel im Menü: &lt;b&gt;F1&lt;/b&gt; diese Hilfe, &lt;b&gt;F2&lt;/b&gt; neues Spiel, &lt;b&gt;F3&lt;/b&gt; Level neu
starten, &lt;b&gt;F4&lt;/b&gt; zum nächsten Level springen, &lt;b&gt;F5&lt;/b&gt; Pause.&lt;/p&gt;
&lt;p&gt;Das sind die voreingestellten Tasten: Auf der Registerkarte &lt;b&gt;Tasten&lt;/b&gt; (Menü „Optionen“,
„Tasten und Gamepad...“) können Sie eigene wählen und festlegen, wie sich eine gehaltene Richtung
wiederholt. Ein Gamepad lässt sich jederzeit anschließen: Steuerkreuz oder Stick bewegen die
Kapsel, A dreht sie, B lässt sie fallen, Start hält das Spiel an, Select versteckt es.&lt;/p&gt;

&lt;h3&gt;AUTOMATISCHE PAUSE:&lt;/h3&gt;
&lt;p&gt;Das Spiel hält zu Beginn jedes Levels von selbst an (die Meldung „Level“ erscheint), ebenso
sobald sein Fenster nicht mehr das aktive ist, zum Beispiel wenn Sie zu einem anderen Programm
wechseln oder dieses Fenster öffnen. &lt;b&gt;Jede beliebige Taste&lt;/b&gt; setzt das Spiel fort und wirkt
sofort: Ein Pfeil bewegt die Kapsel schon. Mit F5 halten Sie das Spiel an und setzen es fort,
wann immer Sie wollen.&lt;/p&gt;

&lt;h3&gt;ERGEBNISSE:&lt;/h3&gt;
&lt;p&gt;Das Ergebnis steht auf den Zählern über dem Schacht: &lt;b&gt;links das erreichte Level&lt;/b&gt;,
&lt;b&gt;rechts die Zahl der übrigen Smileys&lt;/b&gt; (in der Mitte die Spielzeit). Das beste Ergebnis hat
das höchste Level und, bei gleichem Level, die wenigsten übrigen Smileys.&lt;/p&gt;
&lt;p&gt;Nach „Level neu starten“ oder „Level überspringen“ wird das Ergebnis ausgeblendet und kommt erst
dann in die Bestenliste, wenn das nächste Level vollständig geschafft ist.&lt;/p&gt;
&lt;p&gt;Gehört eine verlorene Partie zu den 3 besten, werden Sie nach Ihrem Namen gefragt. Die
Bestenliste der 3 besten Ergebnisse finden Sie auf der Seite „Über“.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>Ein Duell läuft: Wenn Sie es verlassen, ist es verloren.

Möchten Sie das Duell verlassen?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Ihr &amp;Startlevel:</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>Start&amp;level des Gegners:</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>&amp;Runden zum Sieg:</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Angriffe &amp;heben sich auf</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>Über das Netzwerk</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Computer (%1)</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Revanche</translation>
    </message>
    <message>
        <source>Draw!</source>
        <translation>Remis!</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>&amp;Gegner:</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>Game&amp;pad von Spieler 2:</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Keines (Tastatur)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>&amp;Level neu starten</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>Level &amp;überspringen</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>Panik&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>Spiel &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>Spiel &amp;speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>Letztes Spiel &amp;ansehen</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>&amp;Replay öffnen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Replay speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Sprache/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Französisch/Français</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>&amp;Englisch/English</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <comment>MenuLangueAllemand</comment>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Español</source>
        <comment>MenuLangueEspagnol</comment>
        <translation>E&amp;spañol</translation>
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
        <translation>Smile&amp;y-Animation</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>&amp;Keine Animation</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimVirusLente</comment>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimVirusMoyenne</comment>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimVirusRapide</comment>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>&amp;Animation beim Entfernen</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>&amp;Keine Animation</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimSupprLente</comment>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimSupprMoyenne</comment>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimSupprRapide</comment>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Wackelndes Fenster</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>Smiley-&amp;Größe</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Standardgröße</translation>
    </message>
    <message>
        <source>50%</source>
        <comment>MenuSmileyTaille50</comment>
        <translation>50&#xa0;%</translation>
    </message>
    <message>
        <source>75%</source>
        <comment>MenuSmileyTaille75</comment>
        <translation>75&#xa0;%</translation>
    </message>
    <message>
        <source>100%</source>
        <comment>MenuSmileyTaille100</comment>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>150%</source>
        <comment>MenuSmileyTaille150</comment>
        <translation>150&#xa0;%</translation>
    </message>
    <message>
        <source>200%</source>
        <comment>MenuSmileyTaille200</comment>
        <translation>200&#xa0;%</translation>
    </message>
    <message>
        <source>300%</source>
        <comment>MenuSmileyTaille300</comment>
        <translation>300&#xa0;%</translation>
    </message>
    <message>
        <source>Colors of the smileys</source>
        <comment>MenuSmileyCouleur</comment>
        <translation>Smiley-&amp;Farben</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Standardfarben</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1. Smiley-Farbe...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2. Smiley-Farbe...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3. Smiley-Farbe...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4. Smiley-Farbe...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5. Smiley-Farbe...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Farbsymbole</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>&amp;Pin-up</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Kein Pin-up</translation>
    </message>
    <message>
        <source>Pinup of left-hand side</source>
        <comment>MenuPinUp1</comment>
        <translation>Pin-up &amp;links</translation>
    </message>
    <message>
        <source>Pinup of right-hand side</source>
        <comment>MenuPinup2</comment>
        <translation>Pin-up &amp;rechts</translation>
    </message>
    <message>
        <source>Both</source>
        <comment>MenuPinupToutes</comment>
        <translation>&amp;Beide</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>MenuSon</comment>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>&amp;Keine Klänge</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>&amp;Lautsprecher</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>&amp;PC-Speaker</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>Laut&amp;stärke</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Leise</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuSonVolumeMoyen</comment>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuSonVolumeFort</comment>
        <translation>L&amp;aut</translation>
    </message>
    <message>
        <source>Music</source>
        <comment>MenuMusique</comment>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>No music</source>
        <comment>MenuMusiquePas</comment>
        <translation>&amp;Keine Musik</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>Laut&amp;stärke</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Leise</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuMusiqueVolumeMoyen</comment>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuMusiqueVolumeFort</comment>
        <translation>L&amp;aut</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuMusiqueOptions</comment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Endlosschleife</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>&amp;Einfarbig...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>&amp;Farbverlauf...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>&amp;Kembrolla Panic!</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>Hintergrundbild &amp;öffnen...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Größe des Bildes</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>An &amp;Fenstergröße anpassen</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>An Fenster&amp;breite anpassen</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>An Fenster&amp;höhe anpassen</translation>
    </message>
    <message>
        <source>25%</source>
        <comment>MenuTaille25pc</comment>
        <translation>25&#xa0;%</translation>
    </message>
    <message>
        <source>50%</source>
        <comment>MenuTaille50pc</comment>
        <translation>50&#xa0;%</translation>
    </message>
    <message>
        <source>75%</source>
        <comment>MenuTaille75pc</comment>
        <translation>75&#xa0;%</translation>
    </message>
    <message>
        <source>100%</source>
        <comment>MenuTaille100pc</comment>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>150%</source>
        <comment>MenuTaille150pc</comment>
        <translation>150&#xa0;%</translation>
    </message>
    <message>
        <source>200%</source>
        <comment>MenuTaille200pc</comment>
        <translation>200&#xa0;%</translation>
    </message>
    <message>
        <source>Position of the background image</source>
        <comment>MenuImageFondPosition</comment>
        <translation>&amp;Position des Bildes</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>&amp;Horizontal zentriert</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>&amp;Oben</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>&amp;Vertikal zentriert</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>&amp;Unten</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Bildoptionen</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>&amp;Gekachelt</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>&amp;Schwarzweiß</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>&amp;Negativ</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>&amp;Rahmenfarbe...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>&amp;Zähler anzeigen</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>&amp;Nächste Kapsel anzeigen</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>&amp;Farbe und Schrift der Meldungen...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>&amp;Tasten und Gamepad...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>Spiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Neues &amp;Duell...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>&amp;Einzelspiel</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>Duell im Netz&amp;werk...</translation>
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
        <translation>Verloren!</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Impossible playing.</source>
        <translation>Wiedergabe nicht möglich.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Musik wird geladen...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist erschöpft</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>die Datei überschreitet die zulässige Größe</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>der Zugriff wurde verweigert</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>der Vorgang ist nicht erlaubt</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>die Datei oder ihr Ordner existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>der Pfad führt über zu viele symbolische Links</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>der Datenträger meldet einen Lese- oder Schreibfehler</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>zu viele Dateien sind geöffnet</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>die Datei wird gerade verwendet</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>die Datei liegt auf einem anderen Datenträger als ihr Ordner</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>eine Datei mit diesem Namen existiert bereits</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>der Arbeitsspeicher reicht nicht aus</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>das Gerät fehlt</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>das Netzlaufwerk antwortet nicht mehr</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>die vorhandene Datei ist zu groß</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>es ist keine normale Datei, sondern ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>die vorhandene Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation>, denn </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>das System meldet den Fehler %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Eine andere Instanz des Spiels, vielleicht hängengeblieben, hält die Datei %1 seit über %2 Sekunden: Die Datei wurde gespeichert, ohne darauf zu warten.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Eine andere Instanz des Spiels, vielleicht hängengeblieben, hält die Dateien %1 seit über %2 Sekunden: Sie wurden gespeichert, ohne darauf zu warten.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Die Datei %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>Die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>der Wert „%1“</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>zu viele Werte in „%1“</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>die Eingabe „%1“</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>die Eingaben enden in Zeile %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>eine leere Eingabezeile</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>Eingaben über ihre Anzahl hinaus</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>die Dateigröße</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>die Parameteränderungen</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 Eingaben</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>der Aufbau der Level</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>der Aufwand für das erneute Abspielen</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>Hintergrundbild %1 nicht gefunden oder nicht erkannt.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Diese Datei ist kein Replay von Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Dieses Replay stammt aus einer neueren Version des Spiels (Format %1): Aktualisieren Sie das Spiel, um es anzusehen.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Dieses Replay ist beschädigt und kann nicht angesehen werden.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Dieses Replay ist beschädigt (%1) und kann nicht angesehen werden.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Dieses Replay ist weit größer als alles, was das Spiel aufzeichnet.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Dieses Replay ist weit größer als alles, was das Spiel aufzeichnet (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>Beim erneuten Abspielen erreicht dieses Replay nicht das aufgezeichnete Ende: Es wurde verändert oder stammt aus einer anderen Version der Regeln.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>„%1“ ist ein Ordner, kein gespeichertes Spiel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>„%1“ ist keine Datei, sondern ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>Die Datei „%1“ ist viel zu groß für ein gespeichertes Spiel.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>Die Datei enthält keinen Spielstand von Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 existiert nicht.
Möchten Sie die Datei anlegen?</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Cancel</source>
        <extracomment>The host button while the game waits for a player: it stops waiting.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Host</source>
        <extracomment>The host button: the game starts waiting for a player.</extracomment>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Dieser Computer: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Angriffsverzögerung: %1 ms</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>Kein Spiel im lokalen Netzwerk gefunden</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>Spiel &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>Spiel &amp;beitreten</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Code für Ihren Mitspieler:</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Spiele im lokalen Netzwerk:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>Name oder 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 Buchstaben oder Ziffern</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>Der Code passt nicht zu diesem Spiel.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>Die Verbindung wurde abgelehnt: An dieser Adresse wartet kein Spiel.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>Diese Adresse wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>Der andere Computer antwortet nicht.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>Das andere Spiel hat eine andere Version und kann nicht mit dieser spielen.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>Dieses Spiel hat schon einen Gegner.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Geben Sie einen Namen oder eine Adresse ein, bei Bedarf mit Port (zum Beispiel 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>Warten auf einen Spieler nicht möglich: Der Port ist bereits belegt.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>Die Verbindung zum anderen Spieler ist abgebrochen.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>langsame Verbindung...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>das Duell ist nicht mehr synchron</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 hat das Duell verlassen.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 hat das Duell pausiert.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>Warte auf einen Spieler...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Replays von Kembrolla Panic! (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Noch kein beendetes Spiel zum Ansehen.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Noch kein beendetes Spiel zum Speichern.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>Ende, Spiel überprüft</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>Schritt für Schritt</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4: Tempo · Leertaste: Schritt · andere Taste: zurück</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>Es konnte keine Anzeige geöffnet werden: Das Spiel braucht eine grafische Sitzung (X11 oder Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>Alle Statistiken löschen?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Partien</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Gewonnene Level</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Entfernte Smileys</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Abgelegte Kapseln</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Längste Kettenreaktion</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Gesamte Spielzeit</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>Die letzten 50 Partien</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Sekunden pro gewonnenem Level</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Entfernte Smileys pro Minute</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
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
        <translation>Gegen</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Attacks sent</source>
        <translation>Gesendete Angriffe</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Duelle</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Beste Kette</translation>
    </message>
</context>
</TS>
