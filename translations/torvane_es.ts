<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>No hay ninguna carpeta donde guardar los récords, así que los resultados de esta sesión no se guardarán.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>No se pudieron guardar los récords.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>El archivo de récords está dañado y no se pudo hacer una copia de seguridad: se deja como está y los resultados de esta sesión no se guardarán.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>Una carpeta de esta ruta no existe.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>Aquí hay una carpeta u otra cosa, no un archivo normal.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>No tienes permiso para leer o escribir el archivo o su carpeta.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>El disco está lleno o se ha agotado tu cuota de disco.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>Está en un sistema de archivos de solo lectura.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Otra copia de Torvane en ejecución ha ocupado el archivo demasiado tiempo.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Minas:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::NamePrompt</name>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>¡Felicidades! Escribe tu nombre:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Novato sin nombre</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Clasificación</translation>
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
        <translation>Experto:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Anónimo</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Haz clic para alternar entre las minas restantes y las casillas seguras restantes</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Minas sin marcar; haz clic para ver las casillas seguras aún cubiertas</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Casillas seguras aún cubiertas; haz clic para ver las minas sin marcar</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Minas restantes: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Casillas seguras restantes: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Partida en curso</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Perdida: has pisado una mina</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Partida nueva: pulse una casilla para empezar</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;Nueva partida</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Personalizado…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Campo de minas</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Campo de minas hexagonal: el botón izquierdo descubre una casilla y el derecho pone o quita una bandera</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Tiempo de esta partida, en segundos</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Tiempo: %n segundo</numerusform>
            <numerusform>Tiempo: %n segundos</numerusform>
        </translation>
    </message>
</context>
</TS>
