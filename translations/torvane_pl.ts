<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>Brak folderu na rekordy, więc wyniki tej sesji nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>Nie udało się zapisać rekordów.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>Plik z rekordami jest uszkodzony i nie udało się zrobić jego kopii zapasowej, więc pozostaje bez zmian, a wyniki tej sesji nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>Jeden z folderów na tej ścieżce nie istnieje.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>Jest tu folder lub coś innego, a nie zwykły plik.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>Brak uprawnień do odczytu lub zapisu pliku albo jego folderu.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>Dysk jest pełny albo wyczerpano przydział miejsca na dysku.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>Znajduje się w systemie plików tylko do odczytu.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Inna uruchomiona kopia Torvane zbyt długo blokowała plik.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>Wymiary</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>&amp;Szerokość:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>&amp;Wysokość:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Liczba min:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::NamePrompt</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>Gratulacje! Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>Nowy rekord</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Bezimienny nowicjusz</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>Początkujący:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>Średnio zaawansowany:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>Zaawansowany:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Anonim</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Kliknij, aby przełączać między pozostałymi minami a pozostałymi bezpiecznymi polami</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Nieoznaczone miny; kliknij, aby pokazać zakryte bezpieczne pola</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Zakryte bezpieczne pola; kliknij, aby pokazać nieoznaczone miny</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Pozostałe miny: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Pozostałe bezpieczne pola: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Gra w toku</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Przegrana: odkryto minę</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Nowa gra: naciśnij pole, aby zacząć</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>Średnio zaawansowany</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>Zaawansowany</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Niestandardowy…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Pole minowe</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Sześciokątne pole minowe: lewy przycisk odkrywa pole, prawy stawia lub zdejmuje flagę</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Czas tej gry w sekundach</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Czas: %n sekunda</numerusform>
            <numerusform>Czas: %n sekundy</numerusform>
            <numerusform>Czas: %n sekund</numerusform>
        </translation>
    </message>
</context>
</TS>
