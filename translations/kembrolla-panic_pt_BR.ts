<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Configuração...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>&amp;Sobre</translation>
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
        <translation>Controle</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>KeysGauche</comment>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>KeysDroite</comment>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Turn</source>
        <comment>KeysTourner</comment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>Descer uma linha</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Pânico</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Recomeçar o nível</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Pular o nível</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>D-pad</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Pressione uma tecla (Backspace: nenhuma; clique de novo para manter a anterior).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Pressione um botão do controle (Backspace: nenhum; clique de novo para manter o anterior).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>“%1” já serve para “%2”: escolha outra opção ou mude antes a configuração de “%2”.</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>“%1” é o atalho do menu “%2”: escolha outra tecla.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Repetição das teclas:</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Atraso (ms):</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Intervalo (ms):</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>&amp;Padrão</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Nenhum controle conectado.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Controle: %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Configuração geral:</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Número de linhas do poço</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Número de colunas do poço</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Número de cores do jogo</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Número de casas da mesma cor necessárias para eliminar os smileys</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Configuração do primeiro nível (início da partida):</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Número de smileys</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Número de linhas onde ficam os smileys</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Tempo para a cápsula descer uma linha (em milissegundos)</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Configuração de cada nível seguinte:</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Número de smileys a mais</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Número de linhas a mais onde ficam os smileys</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Número máximo de linhas onde ficam os smileys</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Aceleração da descida das cápsulas (em milissegundos)</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Configurações predefinidas:</translation>
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
        <translation>Não deixe de mandar para os seus amigos!</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Campeão(ã)</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Tabela de recordes</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Ver</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>A equipe de beta testers</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Limpar a tabela de recordes</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>&amp;Limpar...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Sua pontuação garante um lugar na tabela de recordes.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>Escrever para o autor</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>A configuração foi alterada.<byte value="xd"/>Se você aplicá-la, a partida em andamento será reiniciada.<byte value="xd"/><byte value="xd"/>Deseja aplicar a nova configuração?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>Limpar a tabela de recordes?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>%1 linhas × %2 colunas, %3 smileys em %4 linhas, %5 cores, sequências de %6, uma queda a cada %7 ms</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Dica</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Partidas do Kembrolla Panic! (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Partida1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Salvar partida como</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Abrir imagem de fundo</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Todas as imagens (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Imagens bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>Imagens JPEG (*.jpg *.jpeg)</translation>
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
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;REGRAS DO JOGO:&lt;/h3&gt;
&lt;p&gt;Cápsulas de duas cores caem no poço, uma de cada vez. Mova e gire as cápsulas para
empilhá-las formando sequências de &lt;b&gt;4 casas da mesma cor&lt;/b&gt;, na horizontal ou na vertical
(esse número pode ser mudado na página “Configuração”). As casas de uma sequência desaparecem,
e com elas os smileys que fazem parte dela; as metades de cápsula que ficam sem apoio caem em
seguida, o que pode formar novas sequências em cadeia.&lt;/p&gt;
&lt;p&gt;Elimine &lt;b&gt;todos os smileys&lt;/b&gt; para passar ao próximo nível. Cada nível traz mais smileys,
espalhados por mais linhas, e as cápsulas caem mais rápido. A próxima cápsula aparece acima do
poço.&lt;/p&gt;
&lt;p&gt;A partida está &lt;b&gt;perdida&lt;/b&gt; quando a pilha chega ao alto do poço e nenhuma cápsula consegue
mais descer.&lt;/p&gt;

&lt;h3&gt;TECLAS:&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Seta para a esquerda, 4&lt;/td&gt;&lt;td&gt;Move a cápsula para a esquerda&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Seta para a direita, 6&lt;/td&gt;&lt;td&gt;Move a cápsula para a direita&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Seta para baixo, 2&lt;/td&gt;&lt;td&gt;Move a cápsula para baixo&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Seta para cima, 8, 5&lt;/td&gt;&lt;td&gt;Gira a cápsula&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Espaço, 0&lt;/td&gt;&lt;td&gt;Faz a cápsula cair depressa&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Esc, Enter&lt;/td&gt;&lt;td&gt;Pânico!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Os números são os do teclado numérico. &lt;b&gt;Pânico!&lt;/b&gt; esconde o jogo na hora, pausado e em
silêncio, deixando só um ícone na área de notificação: clique no ícone, ou escolha “Retomar a
partida” no menu dele, para voltar. Em um ambiente gráfico sem área de notificação, a janela é
minimizada quando o ambiente permite e mostra apenas a cor da borda: volte pela barra de
tarefas, pelo dock ou com Alt+Tab, ou, se ela continuou na tela, com um clique ou uma tecla.&lt;/p&gt;
&lt;p&gt;Atalhos do menu: &lt;b&gt;F1&lt;/b&gt; esta ajuda, &lt;b&gt;F2&lt;/b&gt; novo jogo, &lt;b&gt;F3&lt;/b&gt; recomeçar o nível,
&lt;b&gt;F4&lt;/b&gt; pular para o próximo nível, &lt;b&gt;F5&lt;/b&gt; pausa.&lt;/p&gt;
&lt;p&gt;Essas são as teclas de fábrica: a aba &lt;b&gt;Teclas&lt;/b&gt; (menu Opções, “Teclas e controle...”)
permite escolher as suas e como uma direção mantida pressionada se repete. Um controle pode ser
conectado a qualquer momento: o direcional ou o analógico movem a cápsula, A gira, B solta,
Start pausa e Select esconde o jogo.&lt;/p&gt;

&lt;h3&gt;PAUSA AUTOMÁTICA:&lt;/h3&gt;
&lt;p&gt;O jogo pausa sozinho no início de cada nível (aparece a mensagem “Nível”) e sempre que a
janela dele deixa de ser a janela ativa, por exemplo quando você passa para outro programa ou
abre esta janela. &lt;b&gt;Qualquer tecla&lt;/b&gt; retoma a partida e age na hora: uma seta já move a
cápsula. F5 pausa e retoma quando você quiser.&lt;/p&gt;

&lt;h3&gt;PONTUAÇÃO:&lt;/h3&gt;
&lt;p&gt;A pontuação aparece nos contadores acima do poço: &lt;b&gt;à esquerda, o nível&lt;/b&gt; alcançado;
&lt;b&gt;à direita, o número de smileys&lt;/b&gt; que restam (no meio, o tempo de jogo). A melhor pontuação
é a do nível mais alto e, no mesmo nível, a que deixa menos smileys.&lt;/p&gt;
&lt;p&gt;Depois de “Recomeçar nível” ou “Pular nível”, a pontuação fica oculta e só pode entrar na
tabela depois que o nível seguinte for concluído por completo.&lt;/p&gt;
&lt;p&gt;Quando uma partida perdida fica entre as 3 melhores, o jogo pede o seu nome. A tabela de
recordes com as 3 melhores pontuações fica na página “Sobre”.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>Há um duelo em andamento: se você sair dele, ele será perdido.

Deseja sair do duelo?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Seu &amp;nível inicial:</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>Nível inicial do ad&amp;versário:</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>&amp;Rodadas para vencer:</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Os a&amp;taques se anulam</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>Em rede</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Computador (%1)</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Revanche</translation>
    </message>
    <message>
        <source>Draw!</source>
        <translation>Empate!</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>Venceu!</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>&amp;Adversário:</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>Controle do &amp;jogador 2:</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Nenhum (teclado)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>&amp;Recomeçar nível</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>&amp;Pular nível</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>Pânico&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>&amp;Abrir partida...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>Sal&amp;var partida como...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>Assis&amp;tir à última partida</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>Abrir um rep&amp;lay...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Salvar o replay &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Idioma/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Francês/Français</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>In&amp;glês/English</translation>
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
        <translation>&amp;Animação dos smileys</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>&amp;Sem animação</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimVirusLente</comment>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimVirusMoyenne</comment>
        <translation>&amp;Média</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimVirusRapide</comment>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>Animação das &amp;eliminações de smileys</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>&amp;Sem animação</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimSupprLente</comment>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimSupprMoyenne</comment>
        <translation>&amp;Média</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimSupprRapide</comment>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Tremor da janela</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>&amp;Tamanho dos smileys</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Tamanho padrão</translation>
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
        <translation>Co&amp;res dos smileys</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Cores padrão</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1ª cor dos smileys...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2ª cor dos smileys...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3ª cor dos smileys...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4ª cor dos smileys...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5ª cor dos smileys...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Símbolos de cor</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>&amp;Pin-up</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Sem pin-up</translation>
    </message>
    <message>
        <source>Pinup of left-hand side</source>
        <comment>MenuPinUp1</comment>
        <translation>Pin-up da &amp;esquerda</translation>
    </message>
    <message>
        <source>Pinup of right-hand side</source>
        <comment>MenuPinup2</comment>
        <translation>Pin-up da &amp;direita</translation>
    </message>
    <message>
        <source>Both</source>
        <comment>MenuPinupToutes</comment>
        <translation>&amp;As duas</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>MenuSon</comment>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>&amp;Sem som</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>&amp;Alto-falantes</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>&amp;PC Speaker</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Baixo</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuSonVolumeMoyen</comment>
        <translation>&amp;Médio</translation>
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
        <translation>&amp;Sem música</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Baixo</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuMusiqueVolumeMoyen</comment>
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuMusiqueVolumeFort</comment>
        <translation>&amp;Alto</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuMusiqueOptions</comment>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Repetir a música</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>&amp;Fundo</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>Fundo &amp;uniforme...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>Fundo &amp;degradê...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>Fundo &amp;Kembrolla Panic!</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>&amp;Abrir imagem de fundo...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Tamanho da imagem de fundo</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>Tamanho &amp;normal</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>Ajustada ao &amp;tamanho da janela</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>Ajustada à &amp;largura da janela</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>Ajustada à &amp;altura da janela</translation>
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
        <translation>&amp;Posição da imagem de fundo</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>Alinhada à &amp;esquerda</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>Centralizada na &amp;horizontal</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>Alinhada à &amp;direita</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>Alinhada no &amp;topo</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>Centralizada na &amp;vertical</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>Alinhada na &amp;base</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Opções da imagem de fundo</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>Imagem em &amp;mosaico</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>Imagem em &amp;preto e branco</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>Imagem em ne&amp;gativo</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>Cor da &amp;borda da imagem...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>Pai&amp;nel</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>Mostrar os &amp;contadores</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>Mostrar a &amp;próxima cápsula</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>Cor e fonte das &amp;mensagens...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Configuração...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>Teclas e c&amp;ontrole...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>&amp;Retomar a partida</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Novo &amp;duelo...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>Partida &amp;individual</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Demonstração</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>Du&amp;elo em rede...</translation>
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
        <translation>Perdeu!</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nível %1</translation>
    </message>
    <message>
        <source>Impossible playing.</source>
        <translation>Falha ao tocar a música.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Carregando a música...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco acabou</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>o arquivo passa do tamanho permitido</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>o acesso foi negado</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>a operação não é permitida</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>o arquivo ou a pasta dele não existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>o caminho passa por links simbólicos demais</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>o disco informa um erro de leitura ou gravação</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>há arquivos abertos demais</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>o arquivo está em uso</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>o arquivo está em um disco diferente do da pasta dele</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>falta memória</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>o dispositivo não está presente</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>o disco de rede não responde mais</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>o arquivo existente é grande demais</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>não é um arquivo comum, mas um dispositivo ou um pipe</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>não é possível ler o arquivo existente</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation> porque </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>o sistema informa o erro %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Outra cópia do jogo, talvez travada, está bloqueando o arquivo %1 há mais de %2 segundos: ele foi salvo sem esperar por ela.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Outra cópia do jogo, talvez travada, está bloqueando os arquivos %1 há mais de %2 segundos: eles foram salvos sem esperar por ela.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Não foi possível salvar o arquivo %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>Não foi possível ler o arquivo %1</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>o valor “%1”</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>valores demais em “%1”</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>a entrada “%1”</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>as entradas param na linha %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>uma linha de entradas vazia</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>entradas além do total previsto</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>o tamanho do arquivo</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>as mudanças de parâmetros</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>as preparações dos níveis</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>o trabalho para reproduzi-lo</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>Imagem de fundo %1 não encontrada ou não reconhecida.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Este arquivo não é um replay do Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Este replay foi feito por uma versão mais nova do jogo (formato %1): atualize o jogo para assisti-lo.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Este replay está danificado e não pode ser assistido.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Este replay está danificado (%1) e não pode ser assistido.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Este replay é muito maior do que qualquer partida que o jogo grava.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Este replay é muito maior do que qualquer partida que o jogo grava (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>Ao ser reproduzido, este replay não chega ao mesmo final de quando foi gravado: ele foi alterado ou vem de outra versão das regras.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>O arquivo “%1” não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>“%1” é uma pasta, não uma partida salva.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>“%1” não é um arquivo, mas um dispositivo ou um pipe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>O arquivo “%1” é grande demais para ser uma partida salva.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Não foi possível ler o arquivo “%1”: %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>O arquivo não contém nenhuma partida salva do Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Operação cancelada.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>O arquivo %1 não existe.
Deseja criá-lo?</translation>
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
        <translation>Hospedar</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Este computador: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Porta: %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Atraso dos ataques: %1 ms</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>Nenhuma partida encontrada na rede local</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>&amp;Hospedar</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>&amp;Entrar</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Código para passar ao seu amigo:</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Partidas na rede local:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>En&amp;dereço:</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>nome ou 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Código:</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 letras ou algarismos</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>O código não corresponde a esta partida.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>A conexão foi recusada: nenhuma partida está esperando nesse endereço.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>Esse endereço não foi encontrado.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>O outro computador não responde.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>A outra partida é de outra versão do jogo e não pode jogar com esta.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>Essa partida já tem um adversário.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Digite um nome ou um endereço e, se precisar, a porta (por exemplo 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>Não é possível esperar um jogador: a porta já está em uso.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>A conexão com o outro jogador foi perdida.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>conexão lenta...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>o duelo perdeu a sincronia</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 saiu do duelo.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 pausou o duelo.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>Esperando um jogador...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Replays do Kembrolla Panic! (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Ainda não há partida terminada para assistir.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Ainda não há partida terminada para salvar.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>fim, partida verificada</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>passo a passo</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4: velocidade · Espaço: passo · outra tecla: voltar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>Nenhuma tela pôde ser aberta: o jogo precisa de uma sessão gráfica (X11 ou Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>Limpar todas as estatísticas?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Níveis vencidos</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Smileys eliminados</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Cápsulas colocadas</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Maior cadeia</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Tempo total de jogo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>As últimas 50 partidas</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Segundos por nível vencido</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Smileys eliminados por minuto</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
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
        <translation>Vitórias</translation>
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
        <translation>Níveis</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Duelos</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Melhor cadeia</translation>
    </message>
</context>
</TS>
