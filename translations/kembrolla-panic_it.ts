<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Configurazione...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <comment>TabTouches</comment>
        <translation>&amp;Tasti</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>KeysTouches</comment>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <comment>KeysManette</comment>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>KeysGauche</comment>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>KeysDroite</comment>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Turn</source>
        <comment>KeysTourner</comment>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>Giù di una riga</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Lascia cadere</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Panic!</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Ricomincia il livello</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Salta il livello</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>Croce</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Premi un tasto (Backspace: nessuno; clicca di nuovo per tenere quello di prima).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Premi un pulsante del gamepad (Backspace: nessuno; clicca di nuovo per tenere quello di prima).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>«%1» è già usato per «%2»: scegline un altro, oppure cambia prima quello di «%2».</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>«%1» è la scorciatoia del menu «%2»: scegline un altro.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Ripetizione dei tasti:</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Ritardo (ms):</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Intervallo (ms):</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>&amp;Predefiniti</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Nessun gamepad collegato.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Gamepad: %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Configurazione generale:</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Numero di righe del pozzo</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Numero di colonne del pozzo</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Numero di colori in gioco</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Caselle dello stesso colore da allineare per eliminare le faccine</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Configurazione del primo livello (inizio della partita):</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Numero di faccine</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Numero di righe su cui disporre le faccine</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Millisecondi impiegati da una capsula per scendere di una riga</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Configurazione di ogni livello successivo:</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Numero di faccine in più</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Numero di righe in più su cui disporre le faccine</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Numero massimo di righe su cui disporre le faccine</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Accelerazione: millisecondi in meno per scendere di una riga</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Configurazioni predefinite:</translation>
    </message>
    <message>
        <source>Freeware</source>
        <comment>LabelFreeware</comment>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>FreeWare !</source>
        <comment>LabelFreeware1</comment>
        <translation>FreeWare!</translation>
    </message>
    <message>
        <source>Do not hesitate to send it to your friends !</source>
        <comment>LabelFreeware2</comment>
        <translation>Non esitare a mandarlo ai tuoi amici!</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Campione</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Guarda</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>La squadra dei beta tester</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Azzera la classifica</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>&amp;Azzera...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Il tuo punteggio ti fa entrare in classifica.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>Scrivi all&apos;autore</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>La configurazione è stata modificata.<byte value="xd"/>Se la applichi, la partita in corso ricomincerà da capo.<byte value="xd"/><byte value="xd"/>Vuoi applicare la nuova configurazione?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>Azzerare la classifica?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>%1 righe × %2 colonne, %3 faccine su %4 righe, %5 colori, allineamenti di %6, una caduta ogni %7 ms</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Suggerimento</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Partite di Kembrolla Panic! (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Partita1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Apri una partita</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Salva la partita con nome</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Apri un&apos;immagine di sfondo</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Tutte le immagini (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>Immagini JPEG (*.jpg *.jpeg)</translation>
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
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;REGOLE DEL GIOCO:&lt;/h3&gt;
&lt;p&gt;Le capsule bicolori cadono nel pozzo una alla volta. Spostale e ruotale per impilarle in modo
da formare allineamenti di &lt;b&gt;4 caselle dello stesso colore&lt;/b&gt;, in orizzontale o in verticale (il
numero si può cambiare nella pagina «Configurazione»). Le caselle di un allineamento spariscono,
e con esse le faccine che ne fanno parte; le metà di capsula rimaste senza niente sotto cadono,
e possono formare altri allineamenti a catena.&lt;/p&gt;
&lt;p&gt;Elimina &lt;b&gt;tutte le faccine&lt;/b&gt; per passare al livello successivo. Ogni livello porta più
faccine, sparse su più righe, e le capsule cadono più in fretta. La capsula successiva è
mostrata sopra il pozzo.&lt;/p&gt;
&lt;p&gt;La partita è &lt;b&gt;persa&lt;/b&gt; quando la pila arriva in cima al pozzo e nessuna capsula può più
scendere.&lt;/p&gt;

&lt;h3&gt;TASTI:&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Freccia sinistra, 4&lt;/td&gt;&lt;td&gt;Sposta la capsula a sinistra&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Freccia destra, 6&lt;/td&gt;&lt;td&gt;Sposta la capsula a destra&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Freccia giù, 2&lt;/td&gt;&lt;td&gt;Sposta la capsula in basso&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Freccia su, 8, 5&lt;/td&gt;&lt;td&gt;Ruota la capsula&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Spazio, 0&lt;/td&gt;&lt;td&gt;Lascia cadere la capsula&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Esc, Invio&lt;/td&gt;&lt;td&gt;Panic!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Le cifre sono quelle del tastierino numerico. &lt;b&gt;Panic!&lt;/b&gt; nasconde subito il gioco, in pausa
e in silenzio, lasciando solo un&apos;icona nell&apos;area di notifica: per tornare a giocare clicca
sull&apos;icona, oppure scegli «Riprendi la partita» nel suo menu. Su un desktop senza area di
notifica la finestra viene ridotta a icona, se il desktop lo consente, e mostra soltanto il
colore del bordo: torna al gioco dalla barra delle applicazioni, dal dock o con Alt+Tab oppure,
se la finestra è rimasta sullo schermo, con un clic o un tasto.&lt;/p&gt;
&lt;p&gt;Scorciatoie dei menu: &lt;b&gt;F1&lt;/b&gt; questa guida, &lt;b&gt;F2&lt;/b&gt; nuova partita, &lt;b&gt;F3&lt;/b&gt; ricomincia il
livello, &lt;b&gt;F4&lt;/b&gt; salta al livello successivo, &lt;b&gt;F5&lt;/b&gt; pausa.&lt;/p&gt;
&lt;p&gt;Questi sono i tasti predefiniti: la scheda &lt;b&gt;Tasti&lt;/b&gt; (menu Opzioni, «Tasti e gamepad...»)
ti permette di sceglierne altri e di regolare la ripetizione di una direzione tenuta premuta.
Puoi collegare un gamepad in qualsiasi momento: la croce direzionale o la levetta spostano la
capsula, A la ruota, B la lascia cadere, Start mette in pausa, Select nasconde il gioco.&lt;/p&gt;

&lt;h3&gt;PAUSA AUTOMATICA:&lt;/h3&gt;
&lt;p&gt;Il gioco va in pausa da solo all&apos;inizio di ogni livello (compare il messaggio «Livello») e
non appena la sua finestra non è più quella attiva, per esempio quando passi a un altro
programma o apri questa finestra. &lt;b&gt;Qualsiasi tasto&lt;/b&gt; fa ripartire la partita e agisce
subito: una freccia sposta già la capsula. F5 mette in pausa e fa ripartire il gioco quando
vuoi.&lt;/p&gt;

&lt;h3&gt;PUNTEGGI:&lt;/h3&gt;
&lt;p&gt;Il punteggio si legge sui contatori sopra il pozzo: &lt;b&gt;a sinistra il livello&lt;/b&gt; raggiunto,
&lt;b&gt;a destra il numero di faccine&lt;/b&gt; rimaste (al centro, il tempo di gioco). Il punteggio
migliore è quello del livello più alto e, a parità di livello, quello che lascia meno
faccine.&lt;/p&gt;
&lt;p&gt;Dopo «Ricomincia livello» o «Salta livello» il punteggio viene nascosto e può entrare in
classifica solo quando il livello successivo è stato completato per intero.&lt;/p&gt;
&lt;p&gt;Quando una partita persa è tra le 3 migliori, il gioco ti chiede il nome. La classifica dei 3
migliori punteggi si trova nella pagina «Informazioni».&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>C&apos;è un duello in corso: se lo lasci, è perso.

Vuoi lasciare il duello?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Il tuo livello &amp;iniziale:</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>&amp;Livello iniziale dell&apos;avversario:</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>&amp;Round da vincere:</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Gli a&amp;ttacchi si annullano</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Novizio</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>In rete</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Computer (%1)</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Rivincita</translation>
    </message>
    <message>
        <source>Draw!</source>
        <translation>Pareggio!</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>Vinto!</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>Avv&amp;ersario:</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>&amp;Gamepad del giocatore 2:</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Nessuno (tastiera)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>Ricomincia &amp;livello</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>&amp;Salta livello</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>Panic&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>&amp;Apri partita...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>Salva partita &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>Rivedi l&apos;&amp;ultima partita</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>&amp;Guarda un replay...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Salva il &amp;replay con nome...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Lingua/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Francese/Français</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>In&amp;glese/English</translation>
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
        <translation>&amp;Animazione delle faccine</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>&amp;Nessuna animazione</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimVirusLente</comment>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimVirusMoyenne</comment>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimVirusRapide</comment>
        <translation>&amp;Veloce</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>Animazione delle &amp;eliminazioni</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>&amp;Nessuna animazione</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimSupprLente</comment>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimSupprMoyenne</comment>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimSupprRapide</comment>
        <translation>&amp;Veloce</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Vibrazione della finestra</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>&amp;Dimensione delle faccine</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Dimensione predefinita</translation>
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
        <translation>C&amp;olori delle faccine</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Colori predefiniti</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1° colore delle faccine...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2° colore delle faccine...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3° colore delle faccine...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4° colore delle faccine...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5° colore delle faccine...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Simboli dei colori</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>&amp;Pin-up</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Nessuna pin-up</translation>
    </message>
    <message>
        <source>Pinup of left-hand side</source>
        <comment>MenuPinUp1</comment>
        <translation>Pin-up a &amp;sinistra</translation>
    </message>
    <message>
        <source>Pinup of right-hand side</source>
        <comment>MenuPinup2</comment>
        <translation>Pin-up a &amp;destra</translation>
    </message>
    <message>
        <source>Both</source>
        <comment>MenuPinupToutes</comment>
        <translation>&amp;Entrambe</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>MenuSon</comment>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>&amp;Nessun suono</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>&amp;Altoparlanti</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>PC &amp;speaker</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Basso</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuSonVolumeMoyen</comment>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuSonVolumeFort</comment>
        <translation>&amp;Alto</translation>
    </message>
    <message>
        <source>Music</source>
        <comment>MenuMusique</comment>
        <translation>&amp;Musica</translation>
    </message>
    <message>
        <source>No music</source>
        <comment>MenuMusiquePas</comment>
        <translation>&amp;Nessuna musica</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Basso</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuMusiqueVolumeMoyen</comment>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuMusiqueVolumeFort</comment>
        <translation>&amp;Alto</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuMusiqueOptions</comment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Ripetizione continua</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>S&amp;fondo</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>Sfondo in tinta &amp;unita...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>Sfondo &amp;sfumato...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>Sfondo &amp;Kembrolla Panic!</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>&amp;Apri un&apos;immagine di sfondo...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Dimensione dell&apos;immagine di sfondo</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>Dimensione &amp;normale</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>Adattata alle &amp;dimensioni della finestra</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>Adattata alla &amp;larghezza della finestra</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>Adattata all&apos;&amp;altezza della finestra</translation>
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
        <translation>&amp;Posizione dell&apos;immagine di sfondo</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>Allineata a &amp;sinistra</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>Centrata &amp;orizzontalmente</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>Allineata a &amp;destra</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>Allineata in &amp;alto</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>Centrata &amp;verticalmente</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>Allineata in &amp;basso</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Opzioni dell&apos;immagine di sfondo</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>Immagine a &amp;mosaico</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>Immagine in &amp;bianco e nero</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>Immagine in &amp;negativo</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>Colore del &amp;bordo dell&apos;immagine...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>&amp;Tabellone</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>Mostra i &amp;contatori</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>Mostra la capsula &amp;successiva</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>Colore e carattere dei &amp;messaggi...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Configurazione...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>Tasti e &amp;gamepad...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>&amp;Riprendi la partita</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Nuovo &amp;duello...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>Partita s&amp;ingola</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Dimostrazione</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>Duello in re&amp;te...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Paused</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>Hai perso!</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>Impossible playing.</source>
        <translation>Riproduzione impossibile.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Caricamento della musica...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>il file supera la dimensione consentita</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>l&apos;accesso è negato</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>l&apos;operazione non è consentita</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>il file o la sua cartella non esiste</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>il nome è troppo lungo</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>il percorso passa per troppi collegamenti simbolici</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>il disco segnala un errore di lettura o di scrittura</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>ci sono troppi file aperti</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>il file è occupato</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>il file è su un disco diverso da quello della sua cartella</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>esiste già un file con quel nome</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>la memoria è insufficiente</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>il dispositivo è assente</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>il disco di rete non risponde più</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>il file esistente è troppo grande</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>non è un file normale ma un dispositivo o una pipe</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>il file esistente non si può leggere</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation> perché </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>il sistema segnala l&apos;errore %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Un&apos;altra copia del gioco, forse bloccata, tiene occupato il file %1 da più di %2 secondi: è stato salvato senza aspettarla.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Un&apos;altra copia del gioco, forse bloccata, tiene occupati i file %1 da più di %2 secondi: sono stati salvati senza aspettarla.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Impossibile salvare il file %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>Impossibile leggere il file %1</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>il valore «%1»</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>troppi valori in «%1»</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>l&apos;input «%1»</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>gli input si fermano alla riga %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>una riga di input vuota</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>input oltre il numero previsto</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>la dimensione del file</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>le modifiche dei parametri</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 input</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>le disposizioni iniziali dei livelli</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>il lavoro necessario per rigiocarlo</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>Immagine di sfondo %1 non trovata o non riconosciuta.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Questo file non è un replay di Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Questo replay è stato creato da una versione più recente del gioco (formato %1): aggiorna il gioco per guardarlo.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Questo replay è danneggiato e non si può guardare.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Questo replay è danneggiato (%1) e non si può guardare.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Questo replay è molto più grande di qualsiasi partita registrata dal gioco.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Questo replay è molto più grande di qualsiasi partita registrata dal gioco (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>Rigiocando questo replay non si arriva alla fine registrata: è stato modificato oppure proviene da un&apos;altra versione delle regole.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Il file «%1» non esiste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>«%1» è una cartella, non una partita salvata.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>«%1» non è un file ma un dispositivo o una pipe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>Il file «%1» è decisamente troppo grande per essere una partita salvata.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossibile leggere il file «%1»: %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>Il file non contiene una partita salvata di Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Operazione annullata.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>Il file %1 non esiste.
Vuoi crearlo?</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Cancel</source>
        <extracomment>The host button while the game waits for a player: it stops waiting.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Host</source>
        <extracomment>The host button: the game starts waiting for a player.</extracomment>
        <translation>Ospita</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Questo computer: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Porta: %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Ritardo degli attacchi: %1 ms</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>Nessuna partita trovata sulla rete locale</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>&amp;Ospita</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>&amp;Unisciti</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Codice da dare al tuo amico:</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Partite sulla rete locale:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>In&amp;dirizzo:</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>nome o 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Codice:</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 lettere o cifre</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Unisciti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>Il codice non corrisponde a questa partita.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>La connessione è stata rifiutata: nessuna partita è in attesa a quell&apos;indirizzo.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>Impossibile trovare quell&apos;indirizzo.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>L&apos;altro computer non risponde.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>L&apos;altra partita è di un&apos;altra versione del gioco e non può giocare con questa.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>Quella partita ha già un avversario.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Scrivi un nome o un indirizzo e, se serve, la porta (per esempio 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>Impossibile attendere un giocatore: la porta è già occupata.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>La connessione con l&apos;altro giocatore si è interrotta.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>connessione lenta...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>il duello non è più sincronizzato</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 ha lasciato il duello.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 ha messo in pausa il duello.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>In attesa di un giocatore...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Replay di Kembrolla Panic! (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Ancora nessuna partita terminata da guardare.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Ancora nessuna partita terminata da salvare.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>fine, partita verificata</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>passo passo</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4: velocità · Spazio: passo · altro tasto: esci</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>Impossibile aprire un display: il gioco ha bisogno di una sessione grafica (X11 o Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>Azzerare tutte le statistiche?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Livelli vinti</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Faccine eliminate</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Capsule posate</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Catena più lunga</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Tempo di gioco totale</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinti</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Tempo migliore</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>Le ultime 50 partite</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Secondi per livello vinto</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Faccine eliminate al minuto</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Azzera</translation>
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
        <translation>Contro</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Sconfitte</translation>
    </message>
    <message>
        <source>Attacks sent</source>
        <translation>Attacchi inviati</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Sfide</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Catena migliore</translation>
    </message>
</context>
</TS>
