<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>torvane::app::RecordsMessage</name>
    <message>
        <source>找不到可以保存成绩的文件夹，本次的成绩不会被保存。</source>
        <translation>Aucun dossier ne permet de conserver les records&#xa0;: les résultats de cette session ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>成绩无法保存。</source>
        <translation>Les records n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。</source>
        <translation>Le fichier des records est endommagé et aucune copie de secours n’a pu en être faite&#xa0;: il reste tel quel et les résultats de cette session ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>路径中的某个文件夹不存在。</source>
        <translation>Un dossier de ce chemin n’existe pas.</translation>
    </message>
    <message>
        <source>该位置是文件夹或其他项目，不是普通文件。</source>
        <translation>Il s’agit d’un dossier ou d’autre chose, pas d’un fichier ordinaire.</translation>
    </message>
    <message>
        <source>没有读写该文件或其所在文件夹的权限。</source>
        <translation>Vous n’avez pas le droit de lire ou d’écrire ce fichier ou son dossier.</translation>
    </message>
    <message>
        <source>磁盘已满，或磁盘配额已用完。</source>
        <translation>Le disque est plein, ou votre quota de disque est épuisé.</translation>
    </message>
    <message>
        <source>该位置所在的文件系统是只读的。</source>
        <translation>Il se trouve sur un système de fichiers en lecture seule.</translation>
    </message>
    <message>
        <source>另一个正在运行的 Torvane 长时间占用着该文件。</source>
        <translation>Une autre copie de Torvane en cours d’exécution a occupé le fichier trop longtemps.</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::CustomDialog</name>
    <message>
        <source>自定义难度</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>雷数：</source>
        <translation>&amp;Mines&#xa0;:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>恭喜，请输入您的大名：</source>
        <translation>Félicitations&#xa0;! Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>继续努力</source>
        <translation>Nouveau record</translation>
    </message>
    <message>
        <source>无名菜鸟</source>
        <translation>Débutant anonyme</translation>
    </message>
</context>
<context>
    <name>torvane::dialogs::ScoresDialog</name>
    <message>
        <source>成绩榜</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>排名：</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>菜鸟玩家：</source>
        <translation>Débutant&#xa0;:</translation>
    </message>
    <message>
        <source>中级玩家：</source>
        <translation>Intermédiaire&#xa0;:</translation>
    </message>
    <message>
        <source>专业玩家：</source>
        <translation>Expert&#xa0;:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>匿名</source>
        <translation>Anonyme</translation>
    </message>
</context>
<context>
    <name>torvane::status::CounterLabel</name>
    <message>
        <source>单击切换显示：剩余地雷数 / 未翻开的安全格数</source>
        <translation>Cliquez pour basculer entre les mines restantes et les cases sûres restantes</translation>
    </message>
    <message>
        <source>未标记的地雷数；单击改为显示未翻开的安全格数</source>
        <translation>Mines pas encore signalées&#xa0;; cliquez pour afficher les cases sûres encore couvertes</translation>
    </message>
    <message>
        <source>未翻开的安全格数；单击改为显示未标记的地雷数</source>
        <translation>Cases sûres encore couvertes&#xa0;; cliquez pour afficher les mines pas encore signalées</translation>
    </message>
    <message>
        <source>剩余地雷：%1</source>
        <translation>Mines restantes&#xa0;: %1</translation>
    </message>
    <message>
        <source>剩余安全格：%1</source>
        <translation>Cases sûres restantes&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>torvane::status::FaceButton</name>
    <message>
        <source>新游戏</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>游戏进行中</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>胜利</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>失败：踩到了地雷</source>
        <translation>Perdu&#xa0;: vous avez marché sur une mine</translation>
    </message>
    <message>
        <source>新的一局：按下雷区中的格子开始</source>
        <translation>Nouvelle partie&#xa0;: appuyez sur une case pour commencer</translation>
    </message>
</context>
<context>
    <name>torvane::view::MainWindow</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>新手</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>中级玩家</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>专业玩家</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>自定义难度</source>
        <translation>Personnalisé…</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>雷区</source>
        <translation>Champ de mines</translation>
    </message>
    <message>
        <source>六角形雷区：左键翻开格子，右键插上或拔掉旗子</source>
        <translation>Champ de mines hexagonal&#xa0;: le bouton gauche découvre une case, le bouton droit y pose un drapeau ou l’enlève</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>本局用时（秒）</source>
        <translation>Durée de la partie, en secondes</translation>
    </message>
    <message numerus="yes">
        <source>用时：%n 秒</source>
        <translation>
            <numerusform>Temps&#xa0;: %n seconde</numerusform>
            <numerusform>Temps&#xa0;: %n secondes</numerusform>
        </translation>
    </message>
</context>
</TS>
