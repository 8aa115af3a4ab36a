<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>Não há uma pasta para guardar os recordes, então os resultados desta sessão não serão salvos.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>Não foi possível salvar os recordes.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>O arquivo de recordes está danificado e não foi possível fazer um backup: ele fica como está e os resultados desta sessão não serão salvos.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>Uma pasta deste caminho não existe.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>Aqui há uma pasta ou outra coisa, não um arquivo comum.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>Você não tem permissão para ler ou gravar o arquivo ou a pasta dele.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>O disco está cheio ou sua cota de disco se esgotou.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>Está em um sistema de arquivos somente leitura.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Outra cópia do Torvane em execução ocupou o arquivo por tempo demais.</translation>
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
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>Al&amp;tura:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Minas:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>Parabéns! Digite seu nome:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>Novo recorde</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Novato sem nome</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Classificação</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>Iniciante:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>Intermediário:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>Avançado:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Anônimo</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Clique para alternar entre as minas restantes e as casas seguras restantes</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Minas ainda não marcadas; clique para mostrar as casas seguras ainda fechadas</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Casas seguras ainda fechadas; clique para mostrar as minas ainda não marcadas</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Minas restantes: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Casas seguras restantes: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Jogo em andamento</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Vitória</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Derrota: você pisou em uma mina</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Novo jogo: pressione uma casa para começar</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Personalizado…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Campo minado</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Campo minado hexagonal: o botão esquerdo abre uma casa e o direito coloca ou tira uma bandeira</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Tempo desta partida, em segundos</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Tempo: %n segundo</numerusform>
            <numerusform>Tempo: %n segundos</numerusform>
        </translation>
    </message>
</context>
</TS>
