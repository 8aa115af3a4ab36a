<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>기록을 저장할 폴더가 없어 이번 기록은 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>기록을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>기록 파일이 손상되었고 백업할 수 없어 그대로 둡니다. 이번 기록은 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>경로에 포함된 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>이 위치에 있는 것은 일반 파일이 아니라 폴더 등입니다.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>이 파일이나 파일이 있는 폴더를 읽고 쓸 권한이 없습니다.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>디스크가 가득 찼거나 디스크 할당량을 모두 사용했습니다.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>읽기 전용 파일 시스템에 있습니다.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>실행 중인 다른 Torvane이 이 파일을 오랫동안 사용하고 있습니다.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>너비(&amp;W):</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>높이(&amp;H):</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>지뢰 수(&amp;M):</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::NamePrompt</name>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>축하합니다! 이름을 입력하세요:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>신기록</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>이름 없는 초보</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>최고 기록</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>순위</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>초급:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>중급:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>고급:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>익명</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>클릭하면 남은 지뢰 수와 남은 안전한 칸 수를 번갈아 표시합니다</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>깃발을 꽂지 않은 지뢰 수. 클릭하면 아직 열지 않은 안전한 칸 수를 표시합니다</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>아직 열지 않은 안전한 칸 수. 클릭하면 깃발을 꽂지 않은 지뢰 수를 표시합니다</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>남은 지뢰: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>남은 안전 칸: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>게임 중</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>승리</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>패배: 지뢰를 밟았습니다</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>새 게임: 칸을 눌러 시작하세요</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>새 게임(&amp;N)</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>초급</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>중급</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>사용자 지정…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>최고 기록</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>지뢰밭</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>육각형 지뢰밭: 왼쪽 버튼으로 칸을 열고, 오른쪽 버튼으로 깃발을 꽂거나 뽑습니다</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>이번 게임 시간(초)</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>시간: %n초</numerusform>
        </translation>
    </message>
</context>
</TS>
