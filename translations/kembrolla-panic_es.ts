<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>Acerca d&amp;e</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <comment>TabTouches</comment>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>KeysTouches</comment>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <comment>KeysManette</comment>
        <translation>Mando</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>KeysGauche</comment>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>KeysDroite</comment>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Turn</source>
        <comment>KeysTourner</comment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>Bajar una fila</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Dejar caer</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Pánico</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Reiniciar el nivel</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Saltar el nivel</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>Cruceta</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Pulsa una tecla (Retroceso: ninguna; vuelve a hacer clic para conservar la anterior).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Pulsa un botón del mando (Retroceso: ninguno; vuelve a hacer clic para conservar el anterior).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>«%1» ya se usa para «%2»: elige otra o cambia antes la de «%2».</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>«%1» es el atajo del menú «%2»: elige otra.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Repetición de teclas:</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Retardo (ms):</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Intervalo (ms):</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Ningún mando conectado.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Mando: %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Configuración general:</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Número de filas del pozo</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Número de columnas del pozo</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Número de colores del juego</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Casillas del mismo color necesarias para eliminar las caritas</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Configuración del primer nivel (inicio de la partida):</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Número de caritas</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Número de filas donde se colocan las caritas</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Milisegundos que tarda una cápsula en bajar una fila</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Configuración de cada nivel siguiente:</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Número de caritas adicionales</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Número de filas adicionales donde se colocan las caritas</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Número máximo de filas donde se colocan las caritas</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Aceleración de la caída de las cápsulas (en milisegundos)</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Configuraciones predefinidas:</translation>
    </message>
    <message>
        <source>Freeware</source>
        <comment>LabelFreeware</comment>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>FreeWare !</source>
        <comment>LabelFreeware1</comment>
        <translation>¡FreeWare!</translation>
    </message>
    <message>
        <source>Do not hesitate to send it to your friends !</source>
        <comment>LabelFreeware2</comment>
        <translation>¡No dudes en enviárselo a tus amigos!</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Campeón/a</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Tabla de puntuaciones</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Ver</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>El equipo de probadores beta</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Borrar la tabla de puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>&amp;Borrar...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Tu puntuación entra en el cuadro de honor.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>Escribir al autor</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>Se ha modificado la configuración.<byte value="xd"/>Si la aplicas, se reiniciará la partida en curso.<byte value="xd"/><byte value="xd"/>¿Quieres aplicar la nueva configuración?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>¿Borrar la tabla de puntuaciones?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>%1 filas × %2 columnas, %3 caritas en %4 filas, %5 colores, líneas de %6, una caída cada %7 ms</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Pista</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Partidas de Kembrolla Panic! (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Partida1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Abrir una partida</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Guardar la partida como</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Abrir una imagen de fondo</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Todas las imágenes (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>Imágenes JPEG (*.jpg *.jpeg)</translation>
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
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;REGLAS DEL JUEGO:&lt;/h3&gt;
&lt;p&gt;Las cápsulas, de dos colores, caen de una en una en el pozo. Muévelas y gíralas para
apilarlas formando líneas de &lt;b&gt;4 casillas del mismo color&lt;/b&gt;, en horizontal o en vertical (el
número se puede cambiar en la página «Configuración»). Las casillas de una línea desaparecen, y
con ellas las caritas que haya en ella; las mitades de cápsula que se quedan sin nada debajo caen
entonces, lo que puede formar nuevas líneas en cadena.&lt;/p&gt;
&lt;p&gt;Elimina &lt;b&gt;todas las caritas&lt;/b&gt; para pasar al nivel siguiente. Cada nivel trae más caritas,
repartidas en más filas, y las cápsulas caen más deprisa. La cápsula siguiente se muestra encima
del pozo.&lt;/p&gt;
&lt;p&gt;La partida está &lt;b&gt;perdida&lt;/b&gt; cuando el montón llega a lo alto del pozo y ya no puede bajar
ninguna cápsula.&lt;/p&gt;

&lt;h3&gt;TECLAS:&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flecha izquierda, 4&lt;/td&gt;&lt;td&gt;Mover la cápsula a la izquierda&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flecha derecha, 6&lt;/td&gt;&lt;td&gt;Mover la cápsula a la derecha&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flecha abajo, 2&lt;/td&gt;&lt;td&gt;Bajar la cápsula&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Flecha arriba, 8, 5&lt;/td&gt;&lt;td&gt;Girar la cápsula&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Espacio, 0&lt;/td&gt;&lt;td&gt;Dejar caer la cápsula de golpe&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Esc, Intro&lt;/td&gt;&lt;td&gt;¡Pánico!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Las cifras son las del teclado numérico. &lt;b&gt;¡Pánico!&lt;/b&gt; oculta el juego al instante, en pausa
y en silencio, y solo deja un icono en el área de notificación: para volver, haz clic en el icono
o elige «Reanudar la partida» en su menú. En un escritorio sin área de notificación, la ventana
se minimiza si el escritorio lo permite y solo muestra el color del borde: vuelve desde la barra
de tareas, el dock o Alt+Tab o, si se ha quedado en pantalla, con un clic o una tecla.&lt;/p&gt;
&lt;p&gt;Atajos del menú: &lt;b&gt;F1&lt;/b&gt; esta ayuda, &lt;b&gt;F2&lt;/b&gt; nueva partida, &lt;b&gt;F3&lt;/b&gt; reiniciar el nivel,
&lt;b&gt;F4&lt;/b&gt; saltar al nivel siguiente, &lt;b&gt;F5&lt;/b&gt; pausa.&lt;/p&gt;
&lt;p&gt;Estas son las teclas de serie: la pestaña &lt;b&gt;Teclas&lt;/b&gt; (menú Opciones, «Teclas y
mando...») te permite elegir las tuyas y cómo se repite una dirección mantenida. Puedes conectar
un mando en cualquier momento: la cruceta o el stick mueven la cápsula, A la gira, B la deja caer,
Start pone la pausa y Select oculta el juego.&lt;/p&gt;

&lt;h3&gt;PAUSA AUTOMÁTICA:&lt;/h3&gt;
&lt;p&gt;El juego se pone en pausa solo al empezar cada nivel (aparece el mensaje «Nivel») y en cuanto
su ventana deja de ser la activa, por ejemplo cuando cambias a otro programa o abres este cuadro.
&lt;b&gt;Cualquier tecla&lt;/b&gt; reanuda la partida y actúa al momento: una flecha ya mueve la cápsula. F5
pone y quita la pausa cuando quieras.&lt;/p&gt;

&lt;h3&gt;PUNTUACIÓN:&lt;/h3&gt;
&lt;p&gt;La puntuación se lee en los contadores de encima del pozo: &lt;b&gt;a la izquierda, el nivel&lt;/b&gt;
alcanzado; &lt;b&gt;a la derecha, el número de caritas&lt;/b&gt; que quedan (en el centro, el tiempo de
juego). La mejor puntuación es la del nivel más alto y, a igual nivel, la que deja menos
caritas.&lt;/p&gt;
&lt;p&gt;Después de «Reiniciar nivel» o «Saltar nivel», la puntuación queda oculta y solo puede entrar
en la tabla cuando se haya completado entero el nivel siguiente.&lt;/p&gt;
&lt;p&gt;Cuando una partida perdida está entre las 3 mejores, el juego te pide tu nombre. La tabla de
las 3 mejores puntuaciones está en la página «Acerca de».&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>Hay un duelo en curso: si lo dejas, se pierde.

¿Quieres dejar el duelo?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Tu &amp;nivel inicial:</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>Nivel inicial del ri&amp;val:</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>Rondas para &amp;ganar:</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Los ataques se an&amp;ulan</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>En red</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Ordenador (%1)</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Revancha</translation>
    </message>
    <message>
        <source>Draw!</source>
        <translation>¡Empate!</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>¡Ganaste!</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>&amp;Rival:</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>&amp;Mando del jugador 2:</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Ninguno (teclado)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>&amp;Reiniciar nivel</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>Sal&amp;tar nivel</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>¡Pánico&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>&amp;Abrir partida...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>&amp;Guardar partida como...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>&amp;Ver la última partida</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>Abrir una r&amp;epetición...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Guardar la repetición &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Idioma/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Francés/Français</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>&amp;Inglés/English</translation>
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
        <translation>I&amp;taliano</translation>
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
        <translation>&amp;Animación de las caritas</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>&amp;Sin animación</translation>
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
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>Animación al &amp;eliminar caritas</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>&amp;Sin animación</translation>
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
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Temblor de la ventana</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>&amp;Tamaño de las caritas</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Tamaño predeterminado</translation>
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
        <translation>C&amp;olores de las caritas</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Colores predeterminados</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1.er color de las caritas...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2.º color de las caritas...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3.er color de las caritas...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4.º color de las caritas...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5.º color de las caritas...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Símbolos de color</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>&amp;Pin-up</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Sin pin-up</translation>
    </message>
    <message>
        <source>Pinup of left-hand side</source>
        <comment>MenuPinUp1</comment>
        <translation>Pin-up de la &amp;izquierda</translation>
    </message>
    <message>
        <source>Pinup of right-hand side</source>
        <comment>MenuPinup2</comment>
        <translation>Pin-up de la &amp;derecha</translation>
    </message>
    <message>
        <source>Both</source>
        <comment>MenuPinupToutes</comment>
        <translation>&amp;Ambas</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>MenuSon</comment>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>&amp;Sin sonido</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>&amp;Altavoces</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>Altavoz del &amp;PC</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Bajo</translation>
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
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>No music</source>
        <comment>MenuMusiquePas</comment>
        <translation>&amp;Sin música</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Bajo</translation>
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
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Reproducción en bucle</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>Fondo &amp;liso...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>Fondo &amp;degradado...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>Fondo &amp;Kembrolla Panic!</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>&amp;Abrir una imagen de fondo...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Tamaño de la imagen de fondo</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>Ajustada al &amp;tamaño de la ventana</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>Ajustada al &amp;ancho de la ventana</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>Ajustada al a&amp;lto de la ventana</translation>
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
        <translation>&amp;Posición de la imagen de fondo</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>Alineada a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>Centrada &amp;horizontalmente</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>Alineada a la &amp;derecha</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>Alineada &amp;arriba</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>Centrada &amp;verticalmente</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>Alineada a&amp;bajo</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Opciones de la imagen de fondo</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>Imagen en &amp;mosaico</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>Imagen en &amp;blanco y negro</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>Imagen en &amp;negativo</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>Color del &amp;borde de la imagen...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>Ma&amp;rcador</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>Mostrar los &amp;contadores</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>Mostrar la cápsula &amp;siguiente</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>Color y fuente de los &amp;mensajes...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>Tec&amp;las y mando...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>A&amp;cerca de...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>&amp;Reanudar la partida</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Nuevo &amp;duelo...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>Partida &amp;individual</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Demostración</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>D&amp;uelo en red...</translation>
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
        <translation>¡Se acabó!</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Impossible playing.</source>
        <translation>No se puede reproducir.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Cargando la música...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>el archivo supera el tamaño permitido</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>se ha denegado el acceso</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>la operación no está permitida</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>el archivo o su carpeta no existen</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>la ruta pasa por demasiados enlaces simbólicos</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>el disco indica un error de lectura o escritura</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>hay demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>el archivo está en uso</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>el archivo está en un disco distinto del de su carpeta</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>falta el dispositivo</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>el disco de red ya no responde</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>el archivo existente es demasiado grande</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>no es un archivo normal, sino un dispositivo o una tubería</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>el archivo existente no se puede leer</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation> porque </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>el sistema indica el error %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Otra copia del juego, quizá bloqueada, retiene el archivo %1 desde hace más de %2 segundos: se ha guardado sin esperarla.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Otra copia del juego, quizá bloqueada, retiene los archivos %1 desde hace más de %2 segundos: se han guardado sin esperarla.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>No se puede guardar el archivo %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>el valor «%1»</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>demasiados valores en «%1»</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>la entrada «%1»</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>las entradas terminan en la línea %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>una línea de entradas vacía</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>más entradas de las indicadas</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>el tamaño del archivo</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>los cambios de parámetros</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>la preparación de los niveles</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>el trabajo de volver a jugarla</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>No se ha encontrado o no se reconoce la imagen de fondo %1.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Este archivo no es una repetición de Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Esta repetición es de una versión más reciente del juego (formato %1): actualiza el juego para verla.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Esta repetición está dañada y no se puede ver.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Esta repetición está dañada (%1) y no se puede ver.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Esta repetición es mucho más grande que cualquier partida que guarde el juego.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Esta repetición es mucho más grande que cualquier partida que guarde el juego (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>Al volver a jugarla, esta repetición no llega al final con el que se grabó: se ha modificado o procede de otra versión de las reglas.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>«%1» es una carpeta, no una partida guardada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>«%1» no es un archivo, sino un dispositivo o una tubería.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>El archivo «%1» es demasiado grande para ser una partida guardada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>El archivo no contiene ninguna partida guardada de Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Operación cancelada.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 no existe.
¿Quieres crearlo?</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Cancel</source>
        <extracomment>The host button while the game waits for a player: it stops waiting.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Host</source>
        <extracomment>The host button: the game starts waiting for a player.</extracomment>
        <translation>Crear</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Este ordenador: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Puerto: %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Retardo de los ataques: %1 ms</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>No se ha encontrado ninguna partida en la red local</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>Un&amp;irse</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Código para tu amigo:</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Partidas en la red local:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>nombre o 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>Códi&amp;go:</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 letras o cifras</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>El código no corresponde a esta partida.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>Se ha rechazado la conexión: ninguna partida espera en esa dirección.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>No se encuentra esa dirección.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>El otro ordenador no responde.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>La otra partida es de otra versión del juego y no puede jugar con esta.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>Esa partida ya tiene un rival.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Escribe un nombre o una dirección y, si hace falta, el puerto (por ejemplo 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>No se puede esperar a un jugador: el puerto ya está ocupado.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>Se ha perdido la conexión con el otro jugador.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>conexión lenta...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>el duelo ya no está sincronizado</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 ha dejado el duelo.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 ha puesto el duelo en pausa.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>Esperando a un jugador...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Repeticiones de Kembrolla Panic! (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Aún no hay ninguna partida terminada que ver.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Aún no hay ninguna partida terminada que guardar.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>fin, partida verificada</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>paso a paso</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4: velocidad · Espacio: paso a paso · otra tecla: volver</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>No se pudo abrir ninguna pantalla: el juego necesita una sesión gráfica (X11 o Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>¿Borrar todas las estadísticas?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Niveles superados</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Caritas eliminadas</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Cápsulas colocadas</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Cadena más larga</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Tiempo total de juego</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>Las últimas 50 partidas</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Segundos por nivel superado</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Caritas eliminadas por minuto</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
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
        <translation>Contra</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Attacks sent</source>
        <translation>Ataques enviados</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Duelos</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Mejor cadena</translation>
    </message>
</context>
</TS>
