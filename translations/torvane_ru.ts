<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>Нет папки для хранения рекордов, поэтому результаты этого сеанса не будут сохранены.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>Не удалось сохранить рекорды.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>Файл рекордов повреждён, и сделать его резервную копию не удалось: он останется как есть, а результаты этого сеанса не будут сохранены.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>Одной из папок на этом пути не существует.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>Здесь находится папка или что-то другое, а не обычный файл.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>Нет прав на чтение или запись этого файла или его папки.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>Диск заполнен или исчерпана дисковая квота.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>Файловая система доступна только для чтения.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Другая запущенная копия Torvane слишком долго занимала файл.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>Размер поля</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>&amp;Ширина:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>&amp;Высота:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Мин:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::NamePrompt</name>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>Поздравляем! Введите своё имя:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>Новый рекорд</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Безымянный новичок</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>Новичок:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>Любитель:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>Профессионал:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Аноним</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Щёлкните, чтобы переключить счётчик: оставшиеся мины / закрытые безопасные клетки</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Число мин без флажка; щёлкните, чтобы показать ещё закрытые безопасные клетки</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Число ещё закрытых безопасных клеток; щёлкните, чтобы показать мины без флажка</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Осталось мин: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Осталось безопасных клеток: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Идёт игра</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Поражение: вы наступили на мину</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Новая игра: нажмите на клетку, чтобы начать</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>Профессионал</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Особое поле…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Минное поле</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Шестиугольное минное поле: левая кнопка открывает клетку, правая ставит или снимает флажок</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Время этой игры в секундах</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Время: %n секунда</numerusform>
            <numerusform>Время: %n секунды</numerusform>
            <numerusform>Время: %n секунд</numerusform>
        </translation>
    </message>
</context>
</TS>
