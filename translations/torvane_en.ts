<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>There is no folder to keep the best times in, so this session&apos;s results will not be saved.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>The best times could not be saved.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>The best-times file is damaged and could not be backed up, so it is left as it is and this session&apos;s results will not be saved.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>A folder in this path does not exist.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>This is a folder or something else, not an ordinary file.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>You have no permission to read or write the file or its folder.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>The disk is full, or your disk quota is used up.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>It is on a read-only file system.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Another running copy of Torvane held the file for too long.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>Custom Size</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Mines:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>Congratulations! Please enter your name:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>New Record</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Nameless Rookie</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Best Times</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Rankings</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>Beginner:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>Intermediate:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>Expert:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Anonymous</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Click to switch between mines left and safe cells left</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Mines not yet flagged; click to show the safe cells still covered</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Safe cells still covered; click to show the mines not yet flagged</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Mines left: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Safe cells left: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Game in progress</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Lost: a mine was opened</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Ready: press a cell of the field to begin</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Custom…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Best Times</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Minefield</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Hexagonal minefield: the left button opens a cell, the right button puts a flag on it or takes it away</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Elapsed time in seconds</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Time: %n second</numerusform>
            <numerusform>Time: %n seconds</numerusform>
        </translation>
    </message>
</context>
</TS>
