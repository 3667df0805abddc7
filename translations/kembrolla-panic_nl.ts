<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>O&amp;ver</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <comment>TabTouches</comment>
        <translation>&amp;Toetsen</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>KeysTouches</comment>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <comment>KeysManette</comment>
        <translation>Controller</translation>
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
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>Eén rij omlaag</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Laten vallen</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Paniek</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Level opnieuw beginnen</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Level overslaan</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>D-pad</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Druk op een toets (Backspace: geen; klik nogmaals om de oude te houden).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Druk op een knop van de controller (Backspace: geen; klik nogmaals om de oude te houden).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>“%1” wordt al gebruikt voor “%2”: kies een andere, of wijzig eerst die van “%2”.</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>“%1” is de sneltoets van “%2” in het menu: kies een andere.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Toetsherhaling:</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Vertraging (ms):</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Interval (ms):</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>&amp;Standaard</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Geen controller aangesloten.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Controller: %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Algemene instellingen:</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Aantal rijen van de put</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Aantal kolommen van de put</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Aantal kleuren in het spel</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Aantal vakjes van dezelfde kleur nodig om smiley&apos;s weg te spelen</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Eerste level (begin van het spel):</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Aantal smiley&apos;s</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Aantal rijen waarop smiley&apos;s komen</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Valtijd van een capsule per rij (in milliseconden)</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Elk volgend level:</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Aantal extra smiley&apos;s</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Aantal extra rijen waarop smiley&apos;s komen</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Maximaal aantal rijen waarop smiley&apos;s komen</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Versnelling: valtijd per rij korter met (in milliseconden)</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Voorinstellingen:</translation>
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
        <translation>Stuur het gerust door naar je vrienden!</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Kampioen</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Bekijken</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>Het team van bètatesters</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Topscores wissen</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>&amp;Wissen...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Met deze score kom je in de topscores.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Vul je naam in:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>Schrijf naar de auteur</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>De instellingen zijn gewijzigd.<byte value="xd"/>Als je ze toepast, begint het huidige spel opnieuw.<byte value="xd"/><byte value="xd"/>Wil je de nieuwe instellingen toepassen?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>Topscores wissen?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>%1 rijen × %2 kolommen, %3 smiley&apos;s op %4 rijen, %5 kleuren, reeksen van %6, elke %7 ms een rij omlaag</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Hint</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Kembrolla Panic!-spellen (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Spel1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Spel openen</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Spel opslaan als</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Achtergrondafbeelding openen</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Alle afbeeldingen (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>JPEG-afbeeldingen (*.jpg *.jpeg)</translation>
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
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;SPELREGELS:&lt;/h3&gt;
&lt;p&gt;Tweekleurige capsules vallen een voor een in de put. Verschuif en draai ze zo dat ze
reeksen vormen van &lt;b&gt;4 vakjes van dezelfde kleur&lt;/b&gt;, horizontaal of verticaal (dit aantal
stel je in op de pagina “Instellingen”). De vakjes van een reeks verdwijnen, en de smiley&apos;s
erin ook; capsulehelften die daarna nergens meer op rusten, vallen omlaag en kunnen zo in een
kettingreactie nieuwe reeksen vormen.&lt;/p&gt;
&lt;p&gt;Speel &lt;b&gt;alle smiley&apos;s&lt;/b&gt; weg om naar het volgende level te gaan. Elk level brengt meer
smiley&apos;s, verspreid over meer rijen, en de capsules vallen sneller. De volgende capsule staat
boven de put.&lt;/p&gt;
&lt;p&gt;Het spel is &lt;b&gt;verloren&lt;/b&gt; als de stapel de bovenkant van de put bereikt en er geen capsule
meer naar beneden kan.&lt;/p&gt;

&lt;h3&gt;TOETSEN:&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pijl-links, 4&lt;/td&gt;&lt;td&gt;Capsule naar links&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pijl-rechts, 6&lt;/td&gt;&lt;td&gt;Capsule naar rechts&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pijl-omlaag, 2&lt;/td&gt;&lt;td&gt;Capsule omlaag&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Pijl-omhoog, 8, 5&lt;/td&gt;&lt;td&gt;Capsule draaien&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Spatiebalk, 0&lt;/td&gt;&lt;td&gt;Capsule snel laten vallen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Esc, Enter&lt;/td&gt;&lt;td&gt;Paniek!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;De cijfers zijn die van het numerieke toetsenblok. &lt;b&gt;Paniek!&lt;/b&gt; verbergt het spel meteen,
gepauzeerd en zonder geluid, en laat alleen een pictogram in het systeemvak achter: klik op het
pictogram, of kies “Spel hervatten” in het menu ervan, om terug te keren. Op een bureaublad
zonder systeemvak wordt het venster geminimaliseerd als het bureaublad dat toelaat, en toont
het alleen nog de randkleur: keer terug via de taakbalk, het dock of Alt+Tab, of, als het
venster op het scherm is gebleven, met een klik of een toets.&lt;/p&gt;
&lt;p&gt;Sneltoetsen in het menu: &lt;b&gt;F1&lt;/b&gt; deze help, &lt;b&gt;F2&lt;/b&gt; nieuw spel, &lt;b&gt;F3&lt;/b&gt; level opnieuw
beginnen, &lt;b&gt;F4&lt;/b&gt; naar het volgende level, &lt;b&gt;F5&lt;/b&gt; pauze.&lt;/p&gt;
&lt;p&gt;Dit zijn de standaardtoetsen: op het tabblad &lt;b&gt;Toetsen&lt;/b&gt; (menu Opties, “Toetsen en
controller...”) kies je je eigen toetsen, en hoe een ingedrukt gehouden richtingstoets herhaalt.
Een controller kun je op elk moment aansluiten: de D-pad of de stick verplaatst de capsule, A draait
hem, B laat hem vallen, Start pauzeert, Select verbergt het spel.&lt;/p&gt;

&lt;h3&gt;AUTOMATISCHE PAUZE:&lt;/h3&gt;
&lt;p&gt;Het spel pauzeert vanzelf aan het begin van elk level (de melding “Level” verschijnt) en
zodra het venster niet meer actief is, bijvoorbeeld als je naar een ander programma gaat of dit
venster opent. &lt;b&gt;Elke toets&lt;/b&gt; hervat het spel en werkt meteen: een pijltoets verplaatst de
capsule al. Met F5 pauzeer en hervat je wanneer je maar wilt.&lt;/p&gt;

&lt;h3&gt;SCORES:&lt;/h3&gt;
&lt;p&gt;De score lees je af op de tellers boven de put: &lt;b&gt;links het level&lt;/b&gt; dat je hebt bereikt,
&lt;b&gt;rechts het aantal smiley&apos;s&lt;/b&gt; dat nog over is (in het midden staat de speeltijd). De beste
score is die met het hoogste level en, bij hetzelfde level, die met de minste smiley&apos;s over.&lt;/p&gt;
&lt;p&gt;Na “Level opnieuw beginnen” of “Level overslaan” wordt de score verborgen en kan die pas in
de topscores komen als het volgende level helemaal is uitgespeeld.&lt;/p&gt;
&lt;p&gt;Als een verloren spel bij de 3 beste hoort, vraagt het spel om je naam. De 3 beste scores
staan op de pagina “Over”.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>Er loopt een duel: als je het verlaat, is het verloren.

Wil je het duel verlaten?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Je &amp;beginlevel:</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>Beginlevel van de tegen&amp;stander:</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>&amp;Rondes om te winnen:</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Aanvallen &amp;heffen elkaar op</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>Via het netwerk</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Speler 2</translation>
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
        <translation>Gelijkspel!</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>&amp;Tegenstander:</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>&amp;Gamepad van speler 2:</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Geen (toetsenbord)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>Level opnieuw &amp;beginnen</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>Level o&amp;verslaan</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>Paniek&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>Spel &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>Spel op&amp;slaan als...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>Laatste spel &amp;terugkijken</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>&amp;Replay openen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Replay opslaan a&amp;ls...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Taal/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Frans/Français</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>&amp;Engels/English</translation>
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
        <translation>Animatie van de &amp;smiley&apos;s</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>&amp;Geen animatie</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimVirusLente</comment>
        <translation>&amp;Langzaam</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimVirusMoyenne</comment>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimVirusRapide</comment>
        <translation>&amp;Snel</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>Animatie van &amp;verdwijnende smiley&apos;s</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>&amp;Geen animatie</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimSupprLente</comment>
        <translation>&amp;Langzaam</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimSupprMoyenne</comment>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimSupprRapide</comment>
        <translation>&amp;Snel</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Schuddend venster</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>&amp;Formaat van de smiley&apos;s</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Standaardformaat</translation>
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
        <translation>&amp;Kleuren van de smiley&apos;s</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Standaardkleuren</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1e smileykleur...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2e smileykleur...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3e smileykleur...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4e smileykleur...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5e smileykleur...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Kleursymbolen</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>&amp;Pin-up</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Geen pin-up</translation>
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
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>&amp;Geen geluid</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>&amp;Luidsprekers</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>&amp;PC-speaker</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Laag</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuSonVolumeMoyen</comment>
        <translation>&amp;Gemiddeld</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuSonVolumeFort</comment>
        <translation>&amp;Hoog</translation>
    </message>
    <message>
        <source>Music</source>
        <comment>MenuMusique</comment>
        <translation>&amp;Muziek</translation>
    </message>
    <message>
        <source>No music</source>
        <comment>MenuMusiquePas</comment>
        <translation>&amp;Geen muziek</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Laag</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuMusiqueVolumeMoyen</comment>
        <translation>&amp;Gemiddeld</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuMusiqueVolumeFort</comment>
        <translation>&amp;Hoog</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuMusiqueOptions</comment>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Herhaald afspelen</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>&amp;Achtergrond</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>&amp;Effen achtergrond...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>Achtergrond met &amp;verloop...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>&amp;Kembrolla Panic!-achtergrond</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>&amp;Afbeelding openen...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Formaat van de afbeelding</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>&amp;Normaal formaat</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>Passend in het &amp;venster</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>Passend in de &amp;breedte</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>Passend in de &amp;hoogte</translation>
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
        <translation>&amp;Positie van de afbeelding</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>&amp;Links uitgelijnd</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>&amp;Horizontaal gecentreerd</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>&amp;Rechts uitgelijnd</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>&amp;Boven uitgelijnd</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>&amp;Verticaal gecentreerd</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>&amp;Onder uitgelijnd</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Opties voor de afbeelding</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>&amp;Getegeld</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>&amp;Zwart-wit</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>&amp;Negatief</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>Kleur van de &amp;rand...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>Score&amp;bord</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>&amp;Tellers tonen</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>&amp;Volgende capsule tonen</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>Kleur en lettertype van de &amp;meldingen...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>Toetsen en &amp;controller...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>&amp;Spel hervatten</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Nieuw &amp;duel...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>&amp;Enkel spel</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>Net&amp;werkduel...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Paused</source>
        <translation>Pauze</translation>
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
        <translation>Afspelen mislukt.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Muziek wordt geladen...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>het schijfquotum is opgebruikt</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>het bestand is groter dan toegestaan</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>de toegang is geweigerd</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>de bewerking is niet toegestaan</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>het bestand of de map ervan bestaat niet</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>de naam is te lang</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>het pad loopt via te veel symbolische koppelingen</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>de schijf meldt een lees- of schrijffout</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>er zijn te veel bestanden geopend</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>het bestand is in gebruik</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>het bestand staat op een andere schijf dan de map ervan</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>er bestaat al een bestand met die naam</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>er is te weinig geheugen</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>het apparaat ontbreekt</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>de netwerkschijf reageert niet meer</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>het bestaande bestand is te groot</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>het bestand is te groot</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>het is geen gewoon bestand maar een apparaat of een pipe</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>het bestaande bestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation> want </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>het systeem meldt fout %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Een ander exemplaar van het spel, dat misschien vastzit, houdt het bestand %1 al meer dan %2 seconden bezet: het is opgeslagen zonder daarop te wachten.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Een ander exemplaar van het spel, dat misschien vastzit, houdt de bestanden %1 al meer dan %2 seconden bezet: ze zijn opgeslagen zonder daarop te wachten.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Het bestand %1 kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>Het bestand %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>de waarde “%1”</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>te veel waarden in “%1”</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>de actie “%1”</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>de acties stoppen bij regel %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>een regel zonder acties</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>acties voorbij het opgegeven aantal</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>de bestandsgrootte</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>de wijzigingen van de instellingen</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 acties</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>de opbouw van de levels</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>het werk om hem opnieuw af te spelen</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>Achtergrondafbeelding %1 niet gevonden of niet herkend.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Dit bestand is geen replay van Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Deze replay is gemaakt met een nieuwere versie van het spel (formaat %1): werk het spel bij om hem te bekijken.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Deze replay is beschadigd en kan niet worden bekeken.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Deze replay is beschadigd (%1) en kan niet worden bekeken.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Deze replay is veel groter dan welk opgenomen spel ook.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Deze replay is veel groter dan welk opgenomen spel ook (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>Opnieuw afgespeeld komt deze replay niet uit op het opgenomen einde: hij is gewijzigd, of komt van een andere versie van de spelregels.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Het bestand “%1” bestaat niet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>“%1” is een map, geen opgeslagen spel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>“%1” is geen bestand maar een apparaat of een pipe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>Het bestand “%1” is veel te groot voor een opgeslagen spel.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Het bestand “%1” kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>Het bestand bevat geen opgeslagen spel van Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Bewerking geannuleerd.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 bestaat niet.
Wil je die aanmaken?</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Cancel</source>
        <extracomment>The host button while the game waits for a player: it stops waiting.</extracomment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Host</source>
        <extracomment>The host button: the game starts waiting for a player.</extracomment>
        <translation>Hosten</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Deze computer: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Poort: %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Vertraging van aanvallen: %1 ms</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>Geen spel gevonden in het lokale netwerk</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>H&amp;osten</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>&amp;Deelnemen</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Code voor je vriend:</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Spellen in het lokale netwerk:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>naam of 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 letters of cijfers</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Deelnemen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>De code hoort niet bij dit spel.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>De verbinding is geweigerd: op dat adres wacht geen spel.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>Dat adres is niet gevonden.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>De andere computer antwoordt niet.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>Het andere spel is een andere versie en kan niet met deze spelen.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>Dat spel heeft al een tegenstander.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Typ een naam of een adres, en zo nodig de poort (bijvoorbeeld 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>Kan niet op een speler wachten: de poort is al bezet.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>De verbinding met de andere speler is verbroken.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>trage verbinding...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>het duel loopt niet meer gelijk</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 heeft het duel verlaten.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 heeft het duel gepauzeerd.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>Wachten op een speler...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Kembrolla Panic!-replays (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Nog geen afgelopen spel om te bekijken.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Nog geen afgelopen spel om op te slaan.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>einde, spel gecontroleerd</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>stap voor stap</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4: snelheid · Spatie: stap · andere toets: terug</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>Er kon geen beeldscherm worden geopend: het spel heeft een grafische sessie nodig (X11 of Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>Alle statistieken wissen?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Gewonnen levels</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Weggespeelde smiley&apos;s</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Geplaatste capsules</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Langste kettingreactie</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Totale speeltijd</translation>
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
        <translation>Beste tijd</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>De laatste 50 spellen</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Seconden per gewonnen level</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Weggespeelde smiley&apos;s per minuut</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 u %2 min %3 s</translation>
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
        <translation>Tegen</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Attacks sent</source>
        <translation>Verzonden aanvallen</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Duels</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Beste ketting</translation>
    </message>
</context>
</TS>
