<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>O &amp;grze</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <comment>TabTouches</comment>
        <translation>&amp;Sterowanie</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>KeysTouches</comment>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <comment>KeysManette</comment>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>KeysGauche</comment>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>KeysDroite</comment>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Turn</source>
        <comment>KeysTourner</comment>
        <translation>Obrót</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>W dół o jeden wiersz</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Zrzut</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Panika</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Poziom od nowa</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Pomiń poziom</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>Krzyżak</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Naciśnij klawisz (Backspace: brak; kliknij jeszcze raz, aby zostawić poprzedni).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Naciśnij przycisk pada (Backspace: brak; kliknij jeszcze raz, aby zostawić poprzedni).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>„%1” służy już do akcji „%2”: wybierz inny albo najpierw zmień przypisanie akcji „%2”.</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>„%1” to skrót polecenia menu „%2”: wybierz inny.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Powtarzanie klawiszy:</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>Systemowe</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>W grze</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Opóźnienie (ms):</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Odstęp (ms):</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>&amp;Domyślne</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Nie podłączono pada.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Pad: %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Ustawienia ogólne:</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Liczba wierszy studni</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Liczba kolumn studni</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Liczba kolorów w grze</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Liczba pól jednego koloru potrzebna do usunięcia buziek</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Pierwszy poziom (początek gry):</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Liczba buziek</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Liczba wierszy, w których są buźki</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Czas opadania kapsułki o jeden wiersz (w milisekundach)</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Każdy kolejny poziom:</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Liczba dodatkowych buziek</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Liczba dodatkowych wierszy z buźkami</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Maksymalna liczba wierszy z buźkami</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Skrócenie czasu opadania kapsułki (w milisekundach)</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Gotowe ustawienia:</translation>
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
        <translation>Śmiało podeślij ją znajomym!</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Lp.</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Mistrz(yni)</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Tabela wyników</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Obejrzyj</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>Zespół betatesterów</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Wyczyść tabelę wyników</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>&amp;Wyczyść...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Twój wynik zapewnia ci miejsce w tabeli wyników.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>Napisz do autora</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>Ustawienia zostały zmienione.<byte value="xd"/>Jeśli je zastosujesz, bieżąca gra zacznie się od nowa.<byte value="xd"/><byte value="xd"/>Czy zastosować nowe ustawienia?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>Wyczyścić tabelę wyników?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>Wiersze × kolumny: %1 × %2, buźki: %3, wiersze z buźkami: %4, kolory: %5, ciągi po %6, spadek co %7 ms</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Podpowiedź</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Zapisane gry Kembrolla Panic! (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Gra1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Otwórz grę</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Zapisz grę jako</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Wczytaj obraz tła</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Wszystkie obrazy (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapy bitowe (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>Obrazy JPEG (*.jpg *.jpeg)</translation>
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
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;ZASADY GRY:&lt;/h3&gt;
&lt;p&gt;Dwukolorowe kapsułki wpadają do studni jedna po drugiej. Przesuwaj je i obracaj tak, żeby
układały się w ciągi &lt;b&gt;4 pól tego samego koloru&lt;/b&gt;, poziomo lub pionowo (tę liczbę można
zmienić na karcie „Ustawienia”). Pola tworzące ciąg znikają, a razem z nimi buźki, które do
niego należą. Połówki kapsułek, pod którymi nic już nie ma, spadają wtedy w dół i mogą ułożyć
kolejne ciągi w reakcji łańcuchowej.&lt;/p&gt;
&lt;p&gt;Usuń &lt;b&gt;wszystkie buźki&lt;/b&gt;, aby przejść na następny poziom. Na każdym kolejnym poziomie jest
więcej buziek, rozmieszczonych w większej liczbie wierszy, a kapsułki spadają szybciej. Następna
kapsułka jest widoczna nad studnią.&lt;/p&gt;
&lt;p&gt;Gra kończy się &lt;b&gt;przegraną&lt;/b&gt;, gdy stos sięgnie szczytu studni i żadna kapsułka nie może już
wpaść do środka.&lt;/p&gt;

&lt;h3&gt;KLAWISZE:&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Strzałka w lewo, 4&lt;/td&gt;&lt;td&gt;Przesunięcie kapsułki w lewo&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Strzałka w prawo, 6&lt;/td&gt;&lt;td&gt;Przesunięcie kapsułki w prawo&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Strzałka w dół, 2&lt;/td&gt;&lt;td&gt;Przesunięcie kapsułki w dół&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Strzałka w górę, 8, 5&lt;/td&gt;&lt;td&gt;Obrót kapsułki&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Spacja, 0&lt;/td&gt;&lt;td&gt;Szybkie zrzucenie kapsułki&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Esc, Enter&lt;/td&gt;&lt;td&gt;Panika!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Cyfry to klawisze klawiatury numerycznej. &lt;b&gt;Panika!&lt;/b&gt; natychmiast ukrywa grę – zatrzymaną
i wyciszoną – i zostawia tylko ikonę w obszarze powiadomień: aby wrócić, kliknij ikonę albo
wybierz „Wznów grę” z jej menu. Na pulpicie bez obszaru powiadomień okno zostaje
zminimalizowane, jeśli pulpit na to pozwala, i widać w nim tylko kolor obramowania: wróć do gry
przez pasek zadań, dok lub Alt+Tab, a jeśli okno zostało na ekranie – kliknięciem lub dowolnym
klawiszem.&lt;/p&gt;
&lt;p&gt;Skróty menu: &lt;b&gt;F1&lt;/b&gt; ta pomoc, &lt;b&gt;F2&lt;/b&gt; nowa gra, &lt;b&gt;F3&lt;/b&gt; rozpoczęcie poziomu od nowa,
&lt;b&gt;F4&lt;/b&gt; przejście na następny poziom, &lt;b&gt;F5&lt;/b&gt; pauza.&lt;/p&gt;
&lt;p&gt;To są klawisze domyślne: na karcie &lt;b&gt;Sterowanie&lt;/b&gt; (menu Opcje, „Sterowanie...”) możesz
wybrać własne i ustawić powtarzanie przytrzymanego kierunku. Pad można podłączyć w dowolnej
chwili: krzyżak lub gałka analogowa przesuwają kapsułkę, A ją obraca, B ją zrzuca, Start włącza
pauzę, Select ukrywa grę.&lt;/p&gt;

&lt;h3&gt;AUTOMATYCZNA PAUZA:&lt;/h3&gt;
&lt;p&gt;Gra sama włącza pauzę na początku każdego poziomu (pojawia się wtedy komunikat „Poziom”) oraz
gdy tylko jej okno przestaje być aktywne, na przykład gdy przełączysz się do innego programu albo
otworzysz to okno. &lt;b&gt;Dowolny klawisz&lt;/b&gt; wznawia grę i od razu działa: strzałka już przesuwa
kapsułkę. Klawisz F5 włącza i wyłącza pauzę w dowolnej chwili.&lt;/p&gt;

&lt;h3&gt;WYNIKI:&lt;/h3&gt;
&lt;p&gt;Wynik odczytasz z liczników nad studnią: &lt;b&gt;po lewej&lt;/b&gt; jest osiągnięty &lt;b&gt;poziom&lt;/b&gt;,
&lt;b&gt;po prawej&lt;/b&gt; – &lt;b&gt;liczba buziek&lt;/b&gt;, które jeszcze zostały (pośrodku widać czas gry).
Najlepszy wynik to najwyższy poziom, a przy tym samym poziomie – ten, po którym zostaje najmniej
buziek.&lt;/p&gt;
&lt;p&gt;Po użyciu „Zacznij poziom od nowa” lub „Pomiń poziom” wynik jest ukryty i może trafić do
tabeli dopiero po pełnym ukończeniu następnego poziomu.&lt;/p&gt;
&lt;p&gt;Jeśli wynik przegranej gry mieści się w pierwszej trójce, gra zapyta cię o imię. Tabela
3 najlepszych wyników znajduje się na karcie „O grze”.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>Trwa mecz: jeśli go opuścisz, przepadnie.

Czy opuścić mecz?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Twój poziom &amp;startowy:</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>Poziom startowy prze&amp;ciwnika:</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>&amp;Rundy do wygrania:</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Ataki się &amp;znoszą</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Nowicjusz</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>Przez sieć</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Komputer (%1)</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Rewanż</translation>
    </message>
    <message>
        <source>Draw!</source>
        <translation>Remis!</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>&amp;Przeciwnik:</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>Pa&amp;d gracza 2:</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Brak (klawiatura)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>&amp;Zacznij poziom od nowa</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>&amp;Pomiń poziom</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>P&amp;auza</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>Panika&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>&amp;Otwórz grę...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>Zapisz &amp;grę jako...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>Obejrzyj o&amp;statnią grę</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>Otwórz po&amp;wtórkę...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Zapisz powtórkę &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Język/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Francuski/Français</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>&amp;Angielski/English</translation>
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
        <translation>&amp;Animacja buziek</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>&amp;Brak animacji</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimVirusLente</comment>
        <translation>&amp;Wolna</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimVirusMoyenne</comment>
        <translation>Ś&amp;rednia</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimVirusRapide</comment>
        <translation>&amp;Szybka</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>Animacja &amp;znikania buziek</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>&amp;Brak animacji</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimSupprLente</comment>
        <translation>&amp;Wolna</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimSupprMoyenne</comment>
        <translation>Ś&amp;rednia</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimSupprRapide</comment>
        <translation>&amp;Szybka</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Trzęsienie okna</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>&amp;Rozmiar buziek</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Domyślny rozmiar</translation>
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
        <translation>&amp;Kolory buziek</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Domyślne kolory</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1. kolor buziek...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2. kolor buziek...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3. kolor buziek...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4. kolor buziek...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5. kolor buziek...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Symbole kolorów</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>&amp;Pin-up</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Bez pin-up</translation>
    </message>
    <message>
        <source>Pinup of left-hand side</source>
        <comment>MenuPinUp1</comment>
        <translation>Pin-up po &amp;lewej</translation>
    </message>
    <message>
        <source>Pinup of right-hand side</source>
        <comment>MenuPinup2</comment>
        <translation>Pin-up po &amp;prawej</translation>
    </message>
    <message>
        <source>Both</source>
        <comment>MenuPinupToutes</comment>
        <translation>&amp;Obie</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>MenuSon</comment>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>Bez &amp;dźwięku</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>Głoś&amp;niki</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>PC &amp;Speaker</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>&amp;Głośność</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Cicho</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuSonVolumeMoyen</comment>
        <translation>Ś&amp;rednio</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuSonVolumeFort</comment>
        <translation>&amp;Głośno</translation>
    </message>
    <message>
        <source>Music</source>
        <comment>MenuMusique</comment>
        <translation>&amp;Muzyka</translation>
    </message>
    <message>
        <source>No music</source>
        <comment>MenuMusiquePas</comment>
        <translation>Bez &amp;muzyki</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>&amp;Głośność</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Cicho</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuMusiqueVolumeMoyen</comment>
        <translation>Ś&amp;rednio</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuMusiqueVolumeFort</comment>
        <translation>&amp;Głośno</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuMusiqueOptions</comment>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Odtwarzanie w pętli</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>&amp;Tło</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>&amp;Jednolite tło...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>Tło &amp;gradientowe...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>Tło &amp;Kembrolla Panic!</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>&amp;Wczytaj obraz tła...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Rozmiar obrazu tła</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>&amp;Normalny rozmiar</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>Dopasowany do &amp;rozmiaru okna</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>Dopasowany do &amp;szerokości okna</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>Dopasowany do &amp;wysokości okna</translation>
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
        <translation>&amp;Położenie obrazu tła</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>Wyrównany do &amp;lewej</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>Wyśrodkowany w p&amp;oziomie</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>Wyrównany do &amp;prawej</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>Wyrównany do &amp;góry</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>Wyśrodkowany w p&amp;ionie</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>Wyrównany do &amp;dołu</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Opcje obrazu tła</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>Obraz w &amp;kafelkach</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>Obraz &amp;czarno-biały</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>Obraz w &amp;negatywie</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>Kolor &amp;obramowania obrazu...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>&amp;Wyświetlanie</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>Pokaż &amp;liczniki</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>Pokaż &amp;następną kapsułkę</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>Kolor i czcionka &amp;komunikatów...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>&amp;Sterowanie...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>&amp;O grze...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>&amp;Wznów grę</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Nowy &amp;mecz...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>G&amp;ra solo</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Demonstracja</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>M&amp;ecz sieciowy...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>Przegrana!</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Poziom %1</translation>
    </message>
    <message>
        <source>Impossible playing.</source>
        <translation>Odtwarzanie niemożliwe.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Wczytywanie muzyki...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>wyczerpano limit miejsca na dysku</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>plik przekracza dozwolony rozmiar</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>odmowa dostępu</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>operacja jest niedozwolona</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>plik lub jego folder nie istnieje</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest folder</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>część ścieżki nie jest folderem</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>nazwa jest za długa</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>ścieżka prowadzi przez zbyt wiele dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>dysk zgłasza błąd odczytu lub zapisu</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>otwarto zbyt wiele plików</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>plik jest zajęty</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>plik jest na innym dysku niż jego folder</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>plik o tej nazwie już istnieje</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>brakuje pamięci</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>brak urządzenia</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>dysk sieciowy przestał odpowiadać</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>istniejący plik jest za duży</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>plik jest za duży</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>to nie jest zwykły plik, tylko urządzenie lub potok</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>nie można odczytać istniejącego pliku</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation>, ponieważ </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>system zgłasza błąd %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Inna kopia gry, być może zawieszona, blokuje plik %1 od ponad %2 s: zapisano go bez czekania na nią.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Inna kopia gry, być może zawieszona, blokuje pliki %1 od ponad %2 s: zapisano je bez czekania na nią.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>Nie można odczytać pliku %1</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>wartość „%1”</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>zbyt wiele wartości w „%1”</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>ruch „%1”</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>ruchy urywają się w wierszu %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>pusty wiersz ruchów</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>więcej ruchów, niż zapisano w pliku</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>rozmiar pliku</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>zmiany ustawień</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>liczba ruchów: %1</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>układy poziomów</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>nakład pracy na jej odtworzenie</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>Nie znaleziono obrazu tła %1 lub nie rozpoznano jego formatu.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Ten plik nie jest powtórką z gry Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Ta powtórka pochodzi z nowszej wersji gry (format %1): zaktualizuj grę, aby ją obejrzeć.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Ta powtórka jest uszkodzona i nie da się jej obejrzeć.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Ta powtórka jest uszkodzona (%1) i nie da się jej obejrzeć.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Ta powtórka jest znacznie większa niż jakakolwiek rozgrywka zapisywana przez grę.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Ta powtórka jest znacznie większa niż jakakolwiek rozgrywka zapisywana przez grę (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>Po odtworzeniu ta powtórka nie kończy się tak, jak ją nagrano: została zmieniona albo pochodzi z innej wersji zasad gry.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>„%1” to folder, a nie zapisana gra.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>„%1” to nie plik, tylko urządzenie lub potok.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>Plik „%1” jest o wiele za duży jak na zapisaną grę.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Nie można odczytać pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>Plik nie zawiera zapisanej gry Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Operacja została anulowana.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 nie istnieje.
Czy chcesz go utworzyć?</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Cancel</source>
        <extracomment>The host button while the game waits for a player: it stops waiting.</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Host</source>
        <extracomment>The host button: the game starts waiting for a player.</extracomment>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Ten komputer: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Opóźnienie ataków: %1 ms</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>Nie znaleziono gry w sieci lokalnej</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>&amp;Utwórz grę</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>&amp;Dołącz</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Kod dla znajomego:</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Gry w sieci lokalnej:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>nazwa lub 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kod:</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 liter lub cyfr</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Dołącz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>Kod nie pasuje do tej gry.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>Połączenie zostało odrzucone: pod tym adresem nie czeka żadna gra.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>Nie można znaleźć tego adresu.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>Drugi komputer nie odpowiada.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>Druga gra jest w innej wersji i nie może grać z tą.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>Ta gra ma już przeciwnika.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Wpisz nazwę lub adres, a w razie potrzeby port (na przykład 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>Nie można czekać na gracza: port jest już zajęty.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>Połączenie z drugim graczem zostało utracone.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>wolne połączenie...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>mecz stracił synchronizację</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 opuszcza mecz.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 wstrzymuje mecz.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>Oczekiwanie na gracza...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Powtórki Kembrolla Panic! (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Nie ma jeszcze ukończonej gry do obejrzenia.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Nie ma jeszcze ukończonej gry do zapisania.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>koniec, gra sprawdzona</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>krok po kroku</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4: prędkość · Spacja: krok · inny klawisz: powrót</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>Nie udało się otworzyć żadnego ekranu: gra potrzebuje sesji graficznej (X11 lub Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>Wyczyścić wszystkie statystyki?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Wygrane poziomy</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Usunięte buźki</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Ułożone kapsułki</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Najdłuższy łańcuch</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Łączny czas gry</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>Ostatnie 50 gier</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Sekundy na wygrany poziom</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Usunięte buźki na minutę</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 godz. %2 min %3 s</translation>
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
        <translation>Przeciwnik</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Attacks sent</source>
        <translation>Wysłane ataki</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Poziomy</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Pojedynki</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Najlepszy łańcuch</translation>
    </message>
</context>
</TS>
