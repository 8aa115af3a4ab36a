<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>Non c&apos;è una cartella in cui conservare i record, quindi i risultati di questa sessione non verranno salvati.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>Non è stato possibile salvare i record.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>Il file dei record è danneggiato e non è stato possibile farne una copia di sicurezza: resta com&apos;è e i risultati di questa sessione non verranno salvati.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>Una cartella di questo percorso non esiste.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>Qui c&apos;è una cartella o altro, non un file normale.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>Non hai il permesso di leggere o scrivere il file o la sua cartella.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>Il disco è pieno o la tua quota disco è esaurita.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>Si trova su un file system di sola lettura.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Un&apos;altra copia di Torvane in esecuzione ha occupato il file troppo a lungo.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>&amp;Altezza:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Mine:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>Complimenti! Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>Nuovo record</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Novellino senza nome</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Migliori tempi</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>Principiante:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>Intermedio:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>Esperto:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Anonimo</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Fai clic per passare dalle mine rimaste alle caselle sicure rimaste e viceversa</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Mine non ancora segnalate; fai clic per vedere le caselle sicure ancora coperte</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Caselle sicure ancora coperte; fai clic per vedere le mine non ancora segnalate</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Mine rimaste: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Caselle sicure rimaste: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Partita in corso</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Vinta</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Persa: hai calpestato una mina</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Nuova partita: premere una casella per iniziare</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Personalizzato…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Migliori tempi</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Campo minato</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Campo minato esagonale: il tasto sinistro scopre una casella, il destro mette o toglie una bandierina</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Tempo di questa partita, in secondi</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Tempo: %n secondo</numerusform>
            <numerusform>Tempo: %n secondi</numerusform>
        </translation>
    </message>
</context>
</TS>
