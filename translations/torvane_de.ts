<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>Es gibt keinen Ordner für die Bestzeiten, daher werden die Ergebnisse dieser Sitzung nicht gespeichert.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>Die Bestzeiten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>Die Datei mit den Bestzeiten ist beschädigt, und es ließ sich keine Sicherungskopie anlegen. Sie bleibt unverändert, und die Ergebnisse dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>Ein Ordner auf diesem Pfad existiert nicht.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>Hier liegt ein Ordner oder etwas anderes, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>Die Berechtigung zum Lesen oder Schreiben der Datei oder ihres Ordners fehlt.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>Der Datenträger ist voll, oder das Speicherkontingent ist aufgebraucht.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>Sie liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Eine andere laufende Torvane-Instanz hat die Datei zu lange belegt.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>Spielfeldgröße</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Minen:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>Glückwunsch! Bitte gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>Neuer Rekord</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Namenloser Neuling</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Rangliste</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>Anfänger:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>Fortgeschrittene:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>Profis:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Anonym</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Klicken, um zwischen verbleibenden Minen und verbleibenden sicheren Feldern zu wechseln</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Noch nicht markierte Minen; klicken, um die noch verdeckten sicheren Felder zu zeigen</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Noch verdeckte sichere Felder; klicken, um die noch nicht markierten Minen zu zeigen</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Minen übrig: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Sichere Felder übrig: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Verloren: auf eine Mine getreten</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Neues Spiel: ein Feld drücken, um zu beginnen</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>Fortgeschrittene</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>Profis</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Benutzerdefiniert…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Minenfeld</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Sechseckiges Minenfeld: Die linke Maustaste deckt ein Feld auf, die rechte setzt oder entfernt eine Flagge</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Spielzeit in Sekunden</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Zeit: %n Sekunde</numerusform>
            <numerusform>Zeit: %n Sekunden</numerusform>
        </translation>
    </message>
</context>
</TS>
