<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>&amp;Configuration...</source>
        <comment>TabConfiguration</comment>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>TabAide</comment>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>TabAPropos</comment>
        <translation>Об &amp;игре</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <comment>TabTouches</comment>
        <translation>&amp;Клавиши</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>KeysTouches</comment>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <comment>KeysManette</comment>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>KeysGauche</comment>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>KeysDroite</comment>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Turn</source>
        <comment>KeysTourner</comment>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Down one row</source>
        <comment>KeysDescendre</comment>
        <translation>Вниз на строку</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>KeysLacher</comment>
        <translation>Бросить</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>KeysPause</comment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Panic</source>
        <comment>KeysPanique</comment>
        <translation>Паника</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>KeysNouvellePartie</comment>
        <translation>Новая партия</translation>
    </message>
    <message>
        <source>Restart the level</source>
        <comment>KeysRecommencerNiveau</comment>
        <translation>Переиграть уровень</translation>
    </message>
    <message>
        <source>Skip the level</source>
        <comment>KeysPasserNiveau</comment>
        <translation>Пропустить уровень</translation>
    </message>
    <message>
        <source>D-pad</source>
        <comment>KeysCroix</comment>
        <translation>D-pad</translation>
    </message>
    <message>
        <source>Press a key (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteTouche</comment>
        <translation>Нажмите клавишу (Backspace — без клавиши; щёлкните ещё раз, чтобы оставить прежнюю).</translation>
    </message>
    <message>
        <source>Press a gamepad button (Backspace: none; click again to keep the old one).</source>
        <comment>KeysAttenteBouton</comment>
        <translation>Нажмите кнопку геймпада (Backspace — без кнопки; щёлкните ещё раз, чтобы оставить прежнюю).</translation>
    </message>
    <message>
        <source>“%1” is already used for “%2”: choose another, or change that one first.</source>
        <comment>KeysDejaPrise</comment>
        <translation>«%1» уже используется для «%2»: выберите другую или сначала освободите её у действия «%2».</translation>
    </message>
    <message>
        <source>“%1” is the menu shortcut of “%2”: choose another.</source>
        <comment>KeysRaccourciMenu</comment>
        <translation>«%1» — горячая клавиша пункта меню «%2»: выберите другую.</translation>
    </message>
    <message>
        <source>Key repeat:</source>
        <comment>KeysRepetition</comment>
        <translation>Повтор клавиш:</translation>
    </message>
    <message>
        <source>System</source>
        <comment>KeysRepetitionSysteme</comment>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>KeysRepetitionJeu</comment>
        <translation>Игровой</translation>
    </message>
    <message>
        <source>Delay (ms):</source>
        <comment>KeysDelai</comment>
        <translation>Задержка (мс):</translation>
    </message>
    <message>
        <source>Interval (ms):</source>
        <comment>KeysIntervalle</comment>
        <translation>Интервал (мс):</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <comment>KeysParDefaut</comment>
        <translation>По &amp;умолчанию</translation>
    </message>
    <message>
        <source>No gamepad connected.</source>
        <comment>KeysAucuneManette</comment>
        <translation>Геймпад не подключён.</translation>
    </message>
    <message>
        <source>Gamepad: %1</source>
        <comment>KeysManetteBranchee</comment>
        <translation>Геймпад: %1</translation>
    </message>
    <message>
        <source>General configuration :</source>
        <comment>LabelConfigGenerale</comment>
        <translation>Общие настройки:</translation>
    </message>
    <message>
        <source>Number of lines of the play</source>
        <comment>NbLgn_Label</comment>
        <translation>Число строк в колодце</translation>
    </message>
    <message>
        <source>Number of columns of the play</source>
        <comment>NbCol_Label</comment>
        <translation>Число столбцов в колодце</translation>
    </message>
    <message>
        <source>Number of colors of the game</source>
        <comment>NbColor_Edit_Label</comment>
        <translation>Число цветов</translation>
    </message>
    <message>
        <source>Number of colors identical necessary for the elimination of smileys</source>
        <comment>MinCasesConsecutives_EditLabel</comment>
        <translation>Сколько клеток одного цвета нужно в линии, чтобы убрать смайлики</translation>
    </message>
    <message>
        <source>Configuration of the first level (starting of the play) :</source>
        <comment>LabelConfigPremierNiveau</comment>
        <translation>Первый уровень (начало партии):</translation>
    </message>
    <message>
        <source>Number of smileys</source>
        <comment>NbVirus_EditLabel</comment>
        <translation>Число смайликов</translation>
    </message>
    <message>
        <source>Number of lines on which to place the smileys</source>
        <comment>NbVirusLignes_EditLabel</comment>
        <translation>Число строк со смайликами</translation>
    </message>
    <message>
        <source>Speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoDepart_Label</comment>
        <translation>Время падения капсулы на одну строку (мс)</translation>
    </message>
    <message>
        <source>Configuration of each following level :</source>
        <comment>LabelConfigNiveauSuivant</comment>
        <translation>Каждый следующий уровень:</translation>
    </message>
    <message>
        <source>Number of additional smileys</source>
        <comment>NbVirusInc_Edit_Label</comment>
        <translation>Сколько смайликов добавляется</translation>
    </message>
    <message>
        <source>Number of additional lines on which to place the smileys</source>
        <comment>NbVirusLignesInc_Edit_Label</comment>
        <translation>Сколько строк со смайликами добавляется</translation>
    </message>
    <message>
        <source>Maximum number of lines on which to place the smileys</source>
        <comment>NbVirusLignesMax_EditLabel</comment>
        <translation>Максимум строк со смайликами</translation>
    </message>
    <message>
        <source>Acceleration speed of descent of the capsules (in milliseconds)</source>
        <comment>TempoNiveauInc_Edit_Label</comment>
        <translation>Ускорение падения капсулы (мс)</translation>
    </message>
    <message>
        <source>Preset configurations :</source>
        <comment>LabelConfigPredefinies</comment>
        <translation>Готовые настройки:</translation>
    </message>
    <message>
        <source>Freeware</source>
        <comment>LabelFreeware</comment>
        <translation>Бесплатная программа</translation>
    </message>
    <message>
        <source>FreeWare !</source>
        <comment>LabelFreeware1</comment>
        <translation>Бесплатно!</translation>
    </message>
    <message>
        <source>Do not hesitate to send it to your friends !</source>
        <comment>LabelFreeware2</comment>
        <translation>Не стесняйся — поделись ею с друзьями!</translation>
    </message>
    <message>
        <source>Clas</source>
        <comment>LabelClt</comment>
        <translation>Место</translation>
    </message>
    <message>
        <source>Champion(ne)</source>
        <comment>LabelChampion</comment>
        <translation>Чемпион</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>LabelScore</comment>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>LabelDate</comment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Table of the scores</source>
        <comment>LabelPalmares</comment>
        <translation>Таблица рекордов</translation>
    </message>
    <message>
        <source>Watch</source>
        <comment>BtnVoir</comment>
        <translation>Смотреть</translation>
    </message>
    <message>
        <source>The team of the beta-testers</source>
        <comment>LabelBetaTesteurs</comment>
        <translation>Команда бета-тестеров</translation>
    </message>
    <message>
        <source>Erase the table of the scores</source>
        <comment>LabelEffacerScores</comment>
        <translation>Очистить таблицу рекордов</translation>
    </message>
    <message>
        <source>&amp;Erase...</source>
        <comment>BtnEffacerScores</comment>
        <translation>О&amp;чистить...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>BtnOK</comment>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Congratulations !</source>
        <comment>LabelMsg1</comment>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Your score enables you to enter to the prize list.</source>
        <comment>LabelMsg2</comment>
        <translation>Ваш результат попал в таблицу рекордов.</translation>
    </message>
    <message>
        <source>Seize your name :</source>
        <comment>LabelMsg3</comment>
        <translation>Введите своё имя:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>BtnAnnuler</comment>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Write to the author</source>
        <comment>LabelMail</comment>
        <translation>Написать автору</translation>
    </message>
    <message>
        <source>The configuration was modified.<byte value="xd"/>If you apply it, the game in progress will be re-initialized.<byte value="xd"/><byte value="xd"/>Want you to apply the new configuration ?</source>
        <translation>Настройки изменены.<byte value="xd"/>Если их применить, текущая партия начнётся заново.<byte value="xd"/><byte value="xd"/>Применить новые настройки?</translation>
    </message>
    <message>
        <source>Erase the table of the scores ?</source>
        <translation>Очистить таблицу рекордов?</translation>
    </message>
    <message>
        <source>%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, runs of %6, a fall every %7 ms</source>
        <translation>Строк: %1, столбцов: %2, смайликов: %3, строк со смайликами: %4, цветов: %5, длина линии: %6, падение раз в %7 мс</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>KeysIndice</comment>
        <translation>Подсказка</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Parties Kembrolla Panic! (*.Kembrolla)</source>
        <translation>Партии Kembrolla Panic! (*.Kembrolla)</translation>
    </message>
    <message>
        <source>Partie1</source>
        <translation>Партия1</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Открыть партию</translation>
    </message>
    <message>
        <source>Enregistrer la partie sous</source>
        <translation>Сохранить партию как</translation>
    </message>
    <message>
        <source>Ouvrir une image de fond</source>
        <translation>Открыть фоновое изображение</translation>
    </message>
    <message>
        <source>Tous (*.bmp *.jpg *.jpeg)</source>
        <translation>Все изображения (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Изображения BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Images JPEG (*.jpg *.jpeg)</source>
        <translation>Изображения JPEG (*.jpg *.jpeg)</translation>
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
&lt;h3 style=&quot;margin-top: 0px&quot;&gt;ПРАВИЛА ИГРЫ:&lt;/h3&gt;
&lt;p&gt;Двухцветные капсулы по одной падают в колодец. Двигайте и поворачивайте их, складывая
линии из &lt;b&gt;4 клеток одного цвета&lt;/b&gt; по горизонтали или по вертикали (это число можно изменить
на странице «Настройки»). Клетки линии исчезают, а вместе с ними и попавшие в неё смайлики;
половинки капсул, под которыми ничего не осталось, падают вниз и могут цепочкой собрать новые
линии.&lt;/p&gt;
&lt;p&gt;Уберите &lt;b&gt;все смайлики&lt;/b&gt;, чтобы перейти на следующий уровень. С каждым уровнем смайликов
становится больше, они занимают больше строк, а капсулы падают быстрее. Следующая капсула
видна над колодцем.&lt;/p&gt;
&lt;p&gt;Партия &lt;b&gt;проиграна&lt;/b&gt;, когда куча доходит до верха колодца и новой капсуле уже некуда
опуститься.&lt;/p&gt;

&lt;h3&gt;КЛАВИШИ:&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Стрелка влево, 4&lt;/td&gt;&lt;td&gt;Сдвинуть капсулу влево&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Стрелка вправо, 6&lt;/td&gt;&lt;td&gt;Сдвинуть капсулу вправо&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Стрелка вниз, 2&lt;/td&gt;&lt;td&gt;Сдвинуть капсулу вниз&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Стрелка вверх, 8, 5&lt;/td&gt;&lt;td&gt;Повернуть капсулу&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Пробел, 0&lt;/td&gt;&lt;td&gt;Быстро бросить капсулу&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td class=&quot;k&quot;&gt;Esc, Enter&lt;/td&gt;&lt;td&gt;Паника!&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Цифры — на цифровом блоке клавиатуры. &lt;b&gt;Паника!&lt;/b&gt; мгновенно прячет игру (она встаёт
на паузу и замолкает), оставляя только значок в области уведомлений: чтобы вернуться,
щёлкните по значку или выберите в его меню «Продолжить партию». Если области уведомлений на
рабочем столе нет, окно сворачивается, когда это возможно, и показывает только цвет рамки:
вернитесь к нему через панель задач, док или Alt+Tab, а если оно осталось на экране —
щелчком или любой клавишей.&lt;/p&gt;
&lt;p&gt;Горячие клавиши меню: &lt;b&gt;F1&lt;/b&gt; — эта справка, &lt;b&gt;F2&lt;/b&gt; — новая партия, &lt;b&gt;F3&lt;/b&gt; —
переиграть уровень, &lt;b&gt;F4&lt;/b&gt; — перейти на следующий уровень, &lt;b&gt;F5&lt;/b&gt; — пауза.&lt;/p&gt;
&lt;p&gt;Это клавиши по умолчанию: на вкладке &lt;b&gt;«Клавиши»&lt;/b&gt; (меню «Параметры», пункт «Клавиши и
геймпад...») можно назначить свои и настроить повтор при удержании направления. Геймпад
можно подключить в любой момент: крестовина или стик двигают капсулу, A поворачивает её,
B бросает, Start ставит паузу, Select прячет игру.&lt;/p&gt;

&lt;h3&gt;АВТОМАТИЧЕСКАЯ ПАУЗА:&lt;/h3&gt;
&lt;p&gt;Игра сама встаёт на паузу в начале каждого уровня (появляется сообщение «Уровень») и как
только её окно перестаёт быть активным — например, когда вы переключаетесь на другую программу
или открываете это окно. &lt;b&gt;Любая клавиша&lt;/b&gt; продолжает игру и сразу же срабатывает: стрелка
уже сдвигает капсулу. F5 ставит игру на паузу и снимает с паузы когда угодно.&lt;/p&gt;

&lt;h3&gt;РЕЗУЛЬТАТЫ:&lt;/h3&gt;
&lt;p&gt;Результат виден на счётчиках над колодцем: &lt;b&gt;слева — достигнутый уровень&lt;/b&gt;,
&lt;b&gt;справа — число оставшихся смайликов&lt;/b&gt; (посередине — время игры). Лучший результат —
самый высокий уровень, а при равном уровне — тот, где осталось меньше смайликов.&lt;/p&gt;
&lt;p&gt;После «Переиграть уровень» или «Пропустить уровень» результат скрывается и может попасть в
таблицу, только когда следующий уровень будет пройден целиком.&lt;/p&gt;
&lt;p&gt;Если проигранная партия входит в 3 лучших, игра спросит ваше имя. Таблица 3 лучших
результатов находится на странице «Об игре».&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>A match is under way: if you leave it, it is lost.

Do you want to leave the match?</source>
        <translation>Идёт дуэль: если из неё выйти, она будет потеряна.

Выйти из дуэли?</translation>
    </message>
    <message>
        <source>&amp;Your starting level:</source>
        <translation>Ваш &amp;начальный уровень:</translation>
    </message>
    <message>
        <source>Opponent&apos;s starting &amp;level:</source>
        <translation>Начальный уровень со&amp;перника:</translation>
    </message>
    <message>
        <source>&amp;Rounds to win:</source>
        <translation>&amp;Раунды до победы:</translation>
    </message>
    <message>
        <source>&amp;Attacks cancel</source>
        <translation>Атаки &amp;взаимно гасятся</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Over the network</source>
        <translation>По сети</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Компьютер (%1)</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Реванш</translation>
    </message>
    <message>
        <source>Draw!</source>
        <translation>Ничья!</translation>
    </message>
    <message>
        <source>Won!</source>
        <translation>Победа!</translation>
    </message>
    <message>
        <source>O&amp;pponent:</source>
        <translation>&amp;Соперник:</translation>
    </message>
    <message>
        <source>Player 2&apos;s &amp;gamepad:</source>
        <translation>&amp;Геймпад игрока 2:</translation>
    </message>
    <message>
        <source>None (keyboard)</source>
        <translation>Нет (клавиатура)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <comment>MenuFichier</comment>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>MenuNouveauJeu</comment>
        <translation>&amp;Новая партия</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <comment>MenuRecommencerNiveau</comment>
        <translation>&amp;Переиграть уровень</translation>
    </message>
    <message>
        <source>&amp;Jump level</source>
        <comment>MenuPasserNiveau</comment>
        <translation>Пропустить &amp;уровень</translation>
    </message>
    <message>
        <source>P&amp;aused</source>
        <comment>MenuPause</comment>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>Panic&amp;!</source>
        <comment>MenuPanic</comment>
        <translation>Паника&amp;!</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <comment>MenuOuvrir</comment>
        <translation>&amp;Открыть партию...</translation>
    </message>
    <message>
        <source>&amp;Save game as...</source>
        <comment>MenuEnregistrerSous</comment>
        <translation>&amp;Сохранить партию как...</translation>
    </message>
    <message>
        <source>&amp;Watch the last game</source>
        <comment>MenuRevoir</comment>
        <translation>Пос&amp;мотреть последнюю партию</translation>
    </message>
    <message>
        <source>Open a re&amp;play...</source>
        <comment>MenuOuvrirReplay</comment>
        <translation>Открыть &amp;запись...</translation>
    </message>
    <message>
        <source>Sa&amp;ve the replay as...</source>
        <comment>MenuEnregistrerReplay</comment>
        <translation>Сохранить запись &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuQuitter</comment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>MenuOptions</comment>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Language/Langue</source>
        <comment>MenuLangue</comment>
        <translation>&amp;Язык/Language</translation>
    </message>
    <message>
        <source>French/Français</source>
        <comment>MenuLangueFrancais</comment>
        <translation>&amp;Французский/Français</translation>
    </message>
    <message>
        <source>English/Anglais</source>
        <comment>MenuLangueAnglais</comment>
        <translation>&amp;Английский/English</translation>
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
        <translation>&amp;Анимация смайликов</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimVirusPasAnim</comment>
        <translation>Без &amp;анимации</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimVirusLente</comment>
        <translation>&amp;Медленная</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimVirusMoyenne</comment>
        <translation>&amp;Средняя</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimVirusRapide</comment>
        <translation>&amp;Быстрая</translation>
    </message>
    <message>
        <source>Animation of eliminations of smileys</source>
        <comment>MenuAnimSuppr</comment>
        <translation>Анимация &amp;исчезновения смайликов</translation>
    </message>
    <message>
        <source>No animation</source>
        <comment>MenuAnimSupprPasAnim</comment>
        <translation>Без &amp;анимации</translation>
    </message>
    <message>
        <source>Slow</source>
        <comment>MenuAnimSupprLente</comment>
        <translation>&amp;Медленная</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>MenuAnimSupprMoyenne</comment>
        <translation>&amp;Средняя</translation>
    </message>
    <message>
        <source>Fast</source>
        <comment>MenuAnimSupprRapide</comment>
        <translation>&amp;Быстрая</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuAnimSupprOptions</comment>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Tremors of the window</source>
        <comment>MenuAnimSupprTremblement</comment>
        <translation>&amp;Тряска окна</translation>
    </message>
    <message>
        <source>Size of the smileys</source>
        <comment>MenuSmileyTaille</comment>
        <translation>&amp;Размер смайликов</translation>
    </message>
    <message>
        <source>Size by default</source>
        <comment>MenuSmileyTailleNormale</comment>
        <translation>&amp;Размер по умолчанию</translation>
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
        <translation>&amp;Цвета смайликов</translation>
    </message>
    <message>
        <source>Colors by default</source>
        <comment>MenuSmileyCouleurOrigine</comment>
        <translation>&amp;Цвета по умолчанию</translation>
    </message>
    <message>
        <source>1st color of smiley...</source>
        <comment>MenuSmileyCouleur0</comment>
        <translation>&amp;1-й цвет смайликов...</translation>
    </message>
    <message>
        <source>2nd color of smiley...</source>
        <comment>MenuSmileyCouleur1</comment>
        <translation>&amp;2-й цвет смайликов...</translation>
    </message>
    <message>
        <source>3rd color of smiley...</source>
        <comment>MenuSmileyCouleur2</comment>
        <translation>&amp;3-й цвет смайликов...</translation>
    </message>
    <message>
        <source>4th color of smiley...</source>
        <comment>MenuSmileyCouleur3</comment>
        <translation>&amp;4-й цвет смайликов...</translation>
    </message>
    <message>
        <source>5th color of smiley...</source>
        <comment>MenuSmileyCouleur4</comment>
        <translation>&amp;5-й цвет смайликов...</translation>
    </message>
    <message>
        <source>Colour &amp;symbols</source>
        <comment>MenuSymbolesCouleur</comment>
        <translation>&amp;Символы цветов</translation>
    </message>
    <message>
        <source>Pinup</source>
        <comment>MenuPinup</comment>
        <translation>&amp;Пин-ап</translation>
    </message>
    <message>
        <source>No pinup</source>
        <comment>MenuPinupPas</comment>
        <translation>&amp;Без пин-апа</translation>
    </message>
    <message>
        <source>Pinup of left-hand side</source>
        <comment>MenuPinUp1</comment>
        <translation>&amp;Левый пин-ап</translation>
    </message>
    <message>
        <source>Pinup of right-hand side</source>
        <comment>MenuPinup2</comment>
        <translation>&amp;Правый пин-ап</translation>
    </message>
    <message>
        <source>Both</source>
        <comment>MenuPinupToutes</comment>
        <translation>&amp;Оба</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>MenuSon</comment>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>No sound</source>
        <comment>MenuSonPasDeSon</comment>
        <translation>&amp;Без звука</translation>
    </message>
    <message>
        <source>Loudspeakers</source>
        <comment>MenuSonHautParleur</comment>
        <translation>&amp;Динамики</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <comment>MenuSonPCSpeaker</comment>
        <translation>&amp;Системный динамик</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuSonVolume</comment>
        <translation>&amp;Громкость</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuSonVolumeFaible</comment>
        <translation>&amp;Низкая</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuSonVolumeMoyen</comment>
        <translation>&amp;Средняя</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuSonVolumeFort</comment>
        <translation>&amp;Высокая</translation>
    </message>
    <message>
        <source>Music</source>
        <comment>MenuMusique</comment>
        <translation>&amp;Музыка</translation>
    </message>
    <message>
        <source>No music</source>
        <comment>MenuMusiquePas</comment>
        <translation>&amp;Без музыки</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>MenuMusiqueVolume</comment>
        <translation>&amp;Громкость</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>MenuMusiqueVolumeFaible</comment>
        <translation>&amp;Низкая</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>MenuMusiqueVolumeMoyen</comment>
        <translation>&amp;Средняя</translation>
    </message>
    <message>
        <source>High</source>
        <comment>MenuMusiqueVolumeFort</comment>
        <translation>&amp;Высокая</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>MenuMusiqueOptions</comment>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Playing in loop</source>
        <comment>MenuMusiqueBoucle</comment>
        <translation>&amp;Повторять по кругу</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>MenuFond</comment>
        <translation>&amp;Фон</translation>
    </message>
    <message>
        <source>Uniform background...</source>
        <comment>MenuFondUni</comment>
        <translation>&amp;Однотонный фон...</translation>
    </message>
    <message>
        <source>Range background...</source>
        <comment>MenuFondDegrade</comment>
        <translation>&amp;Градиентный фон...</translation>
    </message>
    <message>
        <source>&amp;Kembrolla Panic! background</source>
        <comment>MenuFondLogo</comment>
        <translation>&amp;Фон Kembrolla Panic!</translation>
    </message>
    <message>
        <source>Open background image...</source>
        <comment>MenuFondCharger</comment>
        <translation>Открыть фоновое &amp;изображение...</translation>
    </message>
    <message>
        <source>Size of background image</source>
        <comment>MenuImageFondTaille</comment>
        <translation>&amp;Масштаб изображения</translation>
    </message>
    <message>
        <source>Normal size</source>
        <comment>MenuTailleNormale</comment>
        <translation>&amp;Исходный размер</translation>
    </message>
    <message>
        <source>Adjusted at the size of the window</source>
        <comment>MenuTailleEtiree</comment>
        <translation>По &amp;размеру окна</translation>
    </message>
    <message>
        <source>Adjusted with the width of the window</source>
        <comment>MenuTailleAjusteeLargeur</comment>
        <translation>По &amp;ширине окна</translation>
    </message>
    <message>
        <source>Adjusted with the height of the window</source>
        <comment>MenuTailleAjusteeHauteur</comment>
        <translation>По &amp;высоте окна</translation>
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
        <translation>&amp;Положение изображения</translation>
    </message>
    <message>
        <source>Aligned on the left</source>
        <comment>MenuPositionGauche</comment>
        <translation>По &amp;левому краю</translation>
    </message>
    <message>
        <source>Centered horizontally</source>
        <comment>MenuPositionCentreH</comment>
        <translation>По центру по &amp;горизонтали</translation>
    </message>
    <message>
        <source>Aligned on the right</source>
        <comment>MenuPositionDroite</comment>
        <translation>По &amp;правому краю</translation>
    </message>
    <message>
        <source>Aligned in top</source>
        <comment>MenuPositionHaut</comment>
        <translation>По &amp;верхнему краю</translation>
    </message>
    <message>
        <source>Centered vertically</source>
        <comment>MenuPositionCentreV</comment>
        <translation>По центру по в&amp;ертикали</translation>
    </message>
    <message>
        <source>Aligned in bottom</source>
        <comment>MenuPositionBas</comment>
        <translation>По &amp;нижнему краю</translation>
    </message>
    <message>
        <source>Options of the background image</source>
        <comment>MenuImageFondOptions</comment>
        <translation>Параметры изображения</translation>
    </message>
    <message>
        <source>Tiled image</source>
        <comment>MenuOptionsMosaique</comment>
        <translation>&amp;Плиткой</translation>
    </message>
    <message>
        <source>Black and white image</source>
        <comment>MenuOptionsNoirEtBlanc</comment>
        <translation>&amp;Чёрно-белое</translation>
    </message>
    <message>
        <source>Negative image</source>
        <comment>MenuOptionsNegatif</comment>
        <translation>&amp;Негатив</translation>
    </message>
    <message>
        <source>Color of the contour of the image...</source>
        <comment>MenuCouleurBordure</comment>
        <translation>Цвет &amp;рамки изображения...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <comment>MenuAffichage</comment>
        <translation>&amp;Табло</translation>
    </message>
    <message>
        <source>Show the meters</source>
        <comment>MenuAffCompteurs</comment>
        <translation>Показывать &amp;счётчики</translation>
    </message>
    <message>
        <source>Show the following capsule</source>
        <comment>MenuAffPieceSuivante</comment>
        <translation>Показывать следующую &amp;капсулу</translation>
    </message>
    <message>
        <source>Color and font of the messages...</source>
        <comment>MenuCouleurTexte</comment>
        <translation>&amp;Цвет и шрифт сообщений...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <comment>MenuConfig</comment>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>&amp;Keys and gamepad...</source>
        <comment>MenuTouches</comment>
        <translation>&amp;Клавиши и геймпад...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <comment>MenuPtInterro</comment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>MenuAide</comment>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>MenuAPropos</comment>
        <translation>Об &amp;игре...</translation>
    </message>
    <message>
        <source>Take again the game</source>
        <comment>MenuPopupPanicRestaurer</comment>
        <translation>&amp;Продолжить партию</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>MenuPopupQuitter</comment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <comment>MenuNouveauDuel</comment>
        <translation>Новая &amp;дуэль...</translation>
    </message>
    <message>
        <source>&amp;Single game</source>
        <comment>MenuPartieSeul</comment>
        <translation>Одиночная &amp;игра</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <comment>MenuDemo</comment>
        <translation>&amp;Демонстрация</translation>
    </message>
    <message>
        <source>&amp;Network match...</source>
        <comment>MenuDuelReseau</comment>
        <translation>Се&amp;тевая дуэль...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>Проигрыш!</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Уровень %1</translation>
    </message>
    <message>
        <source>Impossible playing.</source>
        <translation>Не удаётся воспроизвести музыку.</translation>
    </message>
    <message>
        <source>Loading the music...</source>
        <translation>Загрузка музыки...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>the file is over the size allowed</source>
        <translation>файл превышает допустимый размер</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>операция не разрешена</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск доступен только для чтения</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>файл или его папка не существует</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>часть пути не является папкой</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>имя слишком длинное</translation>
    </message>
    <message>
        <source>the path goes through too many symbolic links</source>
        <translation>путь проходит через слишком много символических ссылок</translation>
    </message>
    <message>
        <source>the disk reports a read or write error</source>
        <translation>диск сообщает об ошибке чтения или записи</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>открыто слишком много файлов</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>файл занят</translation>
    </message>
    <message>
        <source>the file is on another disk than its folder</source>
        <translation>файл и его папка находятся на разных дисках</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>файл с таким именем уже существует</translation>
    </message>
    <message>
        <source>memory is short</source>
        <translation>не хватает памяти</translation>
    </message>
    <message>
        <source>the device is missing</source>
        <translation>устройство отсутствует</translation>
    </message>
    <message>
        <source>the network disk no longer answers</source>
        <translation>сетевой диск не отвечает</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a file name in quotes</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>the existing file is too large</source>
        <translation>существующий файл слишком велик</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>файл слишком велик</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>это не обычный файл, а устройство или канал</translation>
    </message>
    <message>
        <source>the existing file cannot be read</source>
        <translation>существующий файл не удаётся прочитать</translation>
    </message>
    <message>
        <source> because </source>
        <comment>between a reason and its cause</comment>
        <translation>, так как </translation>
    </message>
    <message>
        <source>the system reports error %1</source>
        <translation>система сообщает об ошибке %1</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the file %1 for more than %2 seconds: it was written without waiting for it.</source>
        <translation>Другая копия игры (возможно, зависшая) держит файл %1 уже больше %2 с, поэтому он записан без ожидания.</translation>
    </message>
    <message>
        <source>Another copy of the game, perhaps stuck, has held the files %1 for more than %2 seconds: they were written without waiting for it.</source>
        <translation>Другая копия игры (возможно, зависшая) держит файлы %1 уже больше %2 с, поэтому они записаны без ожидания.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Не удаётся записать файл %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read</source>
        <translation>Не удаётся прочитать файл %1</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a failure and its reason</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>the value &quot;%1&quot;</source>
        <translation>значение «%1»</translation>
    </message>
    <message>
        <source>too many values in &quot;%1&quot;</source>
        <translation>слишком много значений в «%1»</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot;</source>
        <translation>действие «%1»</translation>
    </message>
    <message>
        <source>the inputs stop at line %1</source>
        <translation>действия обрываются на строке %1</translation>
    </message>
    <message>
        <source>an empty line of inputs</source>
        <translation>пустая строка действий</translation>
    </message>
    <message>
        <source>inputs beyond their count</source>
        <translation>действия сверх заявленного числа</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>размер файла</translation>
    </message>
    <message>
        <source>the changes of parameters</source>
        <translation>изменения параметров</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>действий: %1</translation>
    </message>
    <message>
        <source>the level set-ups</source>
        <translation>расстановка уровней</translation>
    </message>
    <message>
        <source>the work of playing it again</source>
        <translation>объём работы для воспроизведения</translation>
    </message>
    <message>
        <source>Background image %1 not found or not recognized.</source>
        <translation>Фоновое изображение %1 не найдено или не распознано.</translation>
    </message>
    <message>
        <source>This file is not a Kembrolla Panic! replay.</source>
        <translation>Этот файл не является записью партии Kembrolla Panic!</translation>
    </message>
    <message>
        <source>This replay was made by a newer version of the game (format %1): update the game to watch it.</source>
        <translation>Эта запись сделана более новой версией игры (формат %1): обновите игру, чтобы её посмотреть.</translation>
    </message>
    <message>
        <source>This replay is damaged and cannot be watched.</source>
        <translation>Эта запись повреждена, её нельзя посмотреть.</translation>
    </message>
    <message>
        <source>This replay is damaged (%1) and cannot be watched.</source>
        <translation>Эта запись повреждена (%1), её нельзя посмотреть.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records.</source>
        <translation>Эта запись намного больше любой партии, которую записывает игра.</translation>
    </message>
    <message>
        <source>This replay is far larger than any game the game records (%1).</source>
        <translation>Эта запись намного больше любой партии, которую записывает игра (%1).</translation>
    </message>
    <message>
        <source>Played again, this replay does not reach the end it was recorded with: it was changed, or comes from another version of the rules.</source>
        <translation>При повторном проигрывании эта запись не приходит к сохранённому в ней финалу: её изменили, или она сделана по другой версии правил.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Файл «%1» не существует.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a saved game.</source>
        <translation>«%1» — это папка, а не сохранённая партия.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a device or a pipe.</source>
        <translation>«%1» — не файл, а устройство или канал.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is far too large to be a saved game.</source>
        <translation>Файл «%1» слишком велик для сохранённой партии.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Не удаётся прочитать файл «%1»: %2.</translation>
    </message>
    <message>
        <source>The file does not contain backup Kembrolla Panic!.<byte value="xd"/><byte value="xd"/>Cancelled operation.</source>
        <translation>В файле нет сохранённой партии Kembrolla Panic!<byte value="xd"/><byte value="xd"/>Операция отменена.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>Файл %1 не существует.
Создать его?</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Cancel</source>
        <extracomment>The host button while the game waits for a player: it stops waiting.</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Host</source>
        <extracomment>The host button: the game starts waiting for a player.</extracomment>
        <translation>Создать</translation>
    </message>
    <message>
        <source>This computer: %1</source>
        <translation>Этот компьютер: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Порт: %1</translation>
    </message>
    <message>
        <source>Attack delay: %1 ms</source>
        <translation>Задержка атак: %1 мс</translation>
    </message>
    <message>
        <source>No game found on the local network</source>
        <translation>В локальной сети игр не найдено</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <extracomment>The choice at the top: this game waits for a friend&apos;s.</extracomment>
        <translation>&amp;Создать игру</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <extracomment>The choice at the top: this game goes to a friend&apos;s.</extracomment>
        <translation>По&amp;дключиться</translation>
    </message>
    <message>
        <source>Code to give your friend:</source>
        <translation>Код для вашего друга:</translation>
    </message>
    <message>
        <source>&amp;Games on the local network:</source>
        <translation>&amp;Игры в локальной сети:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Адрес:</translation>
    </message>
    <message>
        <source>name or 192.168.1.20:47470</source>
        <translation>имя или 192.168.1.20:47470</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Код:</translation>
    </message>
    <message>
        <source>6 letters or digits</source>
        <translation>6 букв или цифр</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join button: this game tries to connect to the friend&apos;s.</extracomment>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The code does not match this game.</source>
        <translation>Код не подходит к этой игре.</translation>
    </message>
    <message>
        <source>The connection was refused: no game is waiting at that address.</source>
        <translation>В соединении отказано: по этому адресу никакая игра не ждёт.</translation>
    </message>
    <message>
        <source>That address could not be found.</source>
        <translation>Этот адрес не найден.</translation>
    </message>
    <message>
        <source>The other computer does not answer.</source>
        <translation>Другой компьютер не отвечает.</translation>
    </message>
    <message>
        <source>The other game is another version and cannot play with this one.</source>
        <translation>Другая игра другой версии и не может играть с этой.</translation>
    </message>
    <message>
        <source>That game already has an opponent.</source>
        <translation>У этой игры уже есть соперник.</translation>
    </message>
    <message>
        <source>Type a name or an address, and the port if needed (for example 192.168.1.20:47470).</source>
        <translation>Введите имя или адрес и при необходимости порт (например, 192.168.1.20:47470).</translation>
    </message>
    <message>
        <source>Cannot wait for a player: the port is already taken.</source>
        <translation>Невозможно ждать игрока: порт уже занят.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>Соединение с другим игроком потеряно.</translation>
    </message>
    <message>
        <source>slow connection...</source>
        <translation>медленное соединение...</translation>
    </message>
    <message>
        <source>the match went out of step</source>
        <translation>дуэль рассинхронизировалась</translation>
    </message>
    <message>
        <source>%1 left the match.</source>
        <translation>%1 выходит из дуэли.</translation>
    </message>
    <message>
        <source>%1 paused the match.</source>
        <translation>%1 ставит дуэль на паузу.</translation>
    </message>
    <message>
        <source>Waiting for a player...</source>
        <translation>Ожидание игрока...</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Kembrolla Panic! replays (*.KembrollaReplay)</source>
        <translation>Записи партий Kembrolla Panic! (*.KembrollaReplay)</translation>
    </message>
    <message>
        <source>No finished game to watch yet.</source>
        <translation>Пока нет завершённой партии для просмотра.</translation>
    </message>
    <message>
        <source>No finished game to save yet.</source>
        <translation>Пока нет завершённой партии для сохранения.</translation>
    </message>
    <message>
        <source>end, game checked</source>
        <translation>конец, партия проверена</translation>
    </message>
    <message>
        <source>step by step</source>
        <translation>пошагово</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Просмотр записи</translation>
    </message>
    <message>
        <source>1 2 4: speed · Space: step · other key: back</source>
        <translation>1 2 4: скорость · Пробел: шаг · другая клавиша: выход</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No display could be opened: the game needs a graphical session (X11 or Wayland).</source>
        <translation>Не удалось открыть ни одного дисплея: игре нужен графический сеанс (X11 или Wayland).</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Clear all the statistics?</source>
        <translation>Очистить всю статистику?</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Сыграно партий</translation>
    </message>
    <message>
        <source>Levels won</source>
        <translation>Пройдено уровней</translation>
    </message>
    <message>
        <source>Smileys cleared</source>
        <translation>Убрано смайликов</translation>
    </message>
    <message>
        <source>Capsules placed</source>
        <translation>Уложено капсул</translation>
    </message>
    <message>
        <source>Longest chain</source>
        <translation>Самая длинная цепочка</translation>
    </message>
    <message>
        <source>Total time played</source>
        <translation>Общее время игры</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Пройдено</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>The last 50 games</source>
        <translation>Последние 50 партий</translation>
    </message>
    <message>
        <source>Seconds per level won</source>
        <translation>Секунд на пройденный уровень</translation>
    </message>
    <message>
        <source>Smileys cleared per minute</source>
        <translation>Убрано смайликов в минуту</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Партия</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 ч %2 мин %3 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>Противник</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Поражения</translation>
    </message>
    <message>
        <source>Attacks sent</source>
        <translation>Отправлено атак</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Уровни</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Дуэли</translation>
    </message>
    <message>
        <source>Best chain</source>
        <translation>Лучшая цепь</translation>
    </message>
</context>
</TS>
