<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>Widget</name>
    <message>
        <source>Widget</source>
        <translation>Korvex</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>한국인</source>
        <translation>한국인</translation>
    </message>
    <message>
        <source>v1.2.6</source>
        <translation>v1.2.6</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Fichier ouvert</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Unité de température</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>Temps de capture</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>Le minimum</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Spectre</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Fer</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>Cool</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>摄氏度℃</source>
        <translation>Celsius(℃)</translation>
    </message>
    <message>
        <source>华氏度℉</source>
        <translation>Fahrenheit（℉）</translation>
    </message>
    <message>
        <source>开氏度K</source>
        <translation>Kelvin（K）</translation>
    </message>
    <message>
        <source>融合度</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>Emissivité</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>Caractéristique</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>Afficher / Masquer</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>Veuillez ouvrir le fichier</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choisissez le fichier</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>Photo non radiométrique : %1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>Impossible d'ouvrir : %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>Impossible d'enregistrer : la photo d'origine %1 n'est plus lisible</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>Impossible d'enregistrer : la photo d'origine %1 n'est plus lisible (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>Impossible d'enregistrer : les données de la photo d'origine %1 sont endommagées</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>Impossible d'enregistrer : l'instantané n'a pas pu être encodé</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>Impossible d'enregistrer : %1 n'a pas pu être écrit</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>Impossible d'enregistrer : %1 n'a pas pu être écrit (%2)</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>Enregistrer la photo annotée</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>Mesure ponctuelle</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>Mesure sur une ligne</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>Mesure dans un rectangle</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>Mesure dans un ovale</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>Annuler la dernière mesure</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>Effacer toutes les mesures</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>Copier la température</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>Copier l'image</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>Exporter les températures en CSV…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>Exporter les mesures en CSV…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>Exporter les températures</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>Exporter les mesures</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>%1 exporté</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>Impossible d'exporter : %1 n'a pas pu être écrit</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>Impossible d'exporter : %1 n'a pas pu être écrit (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>Impossible d'enregistrer : %1 a été modifié depuis son ouverture</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>Zone trop petite pour être mesurée</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>Les mesures de %1 photo(s) ne sont pas enregistrées. Les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>Impossible d’enregistrer %1 photo(s) ; la fenêtre reste ouverte</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>Mesures non enregistrées</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>Cette photo a des mesures non enregistrées</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>Plage de températures couverte par la palette</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>Haut de la plage (dans l’unité affichée)</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>Bas de la plage (dans l’unité affichée)</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>Garder cette plage en passant à une autre photo, pour comparer les photos sur une même échelle</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>Molette : déplacer la plage. Faites glisser le milieu pour la déplacer, une extrémité pour la modifier</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>Ajuster la plage à la dernière mesure</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>Au-dessus</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>En dessous</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>Couleur de l'isotherme</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>Isotherme</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>Isotherme : fait ressortir dans une couleur contrastée les températures au-dessus, en dessous ou entre des limites</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>Limite de l'isotherme (dans l'unité affichée)</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>Seconde limite de l'isotherme (dans l'unité affichée)</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>Choisir la couleur de l'isotherme</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>Translucide</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>Laisse transparaître les couleurs de la palette sous celle de l'isotherme</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>Part de l'image couverte par l'isotherme</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>Toujours ouvrir les photos sur l'image thermique</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>Utiliser pour toutes les photos</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1 (caméra %2)</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>Température réfléchie</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>Température de l'air</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>Humidité relative (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>Valeurs utilisées par la caméra</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>Revenir aux valeurs de la caméra</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>Affiche les températures avec les paramètres de la prise de vue</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>Cliquez ou appuyez sur Ctrl+E pour corriger l'émissivité, la température réfléchie et l'air ; toutes les températures sont recalculées</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>Émissivité de la surface mesurée, de 0,01 à 1,00</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>Température apparente de l'environnement que reflète la surface (dans l'unité affichée)</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>Distance de la caméra à la surface ; 0 ignore l'air</translation>
    </message>
    <message>
        <source>测量的发射率</source>
        <translation>Émissivité d'une mesure</translation>
    </message>
    <message>
        <source>最后一个测量所测表面的发射率：</source>
        <translation>Émissivité de la surface de la dernière mesure :</translation>
    </message>
    <message>
        <source>最后一个测量的发射率…</source>
        <translation>Émissivité de la dernière mesure…</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>温差</source>
        <translation>ΔT</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>点</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>线</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Point le plus chaud</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Point le plus froid</translation>
    </message>
    <message>
        <source>中心点</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>无缺陷</source>
        <translation>Aucun défaut</translation>
    </message>
    <message>
        <source>可能缺陷：需调查</source>
        <translation>Défaut possible : à examiner</translation>
    </message>
    <message>
        <source>很可能缺陷：择时维修</source>
        <translation>Défaut probable : réparer dès que possible</translation>
    </message>
    <message>
        <source>严重缺陷：立即维修</source>
        <translation>Défaut majeur : réparer immédiatement</translation>
    </message>
    <message>
        <source>优先级 4</source>
        <translation>Priorité 4</translation>
    </message>
    <message>
        <source>优先级 3</source>
        <translation>Priorité 3</translation>
    </message>
    <message>
        <source>优先级 2</source>
        <translation>Priorité 2</translation>
    </message>
    <message>
        <source>优先级 1</source>
        <translation>Priorité 1</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>判定标准</source>
        <translation>Critère</translation>
    </message>
    <message>
        <source>同类部件对比</source>
        <translation>Composants similaires</translation>
    </message>
    <message>
        <source>高于环境温度</source>
        <translation>Au-dessus de l'ambiante</translation>
    </message>
    <message>
        <source>NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较</source>
        <translation>Critères d'essai de maintenance NETA : par rapport à un composant similaire sous une charge similaire, ou à l'environnement (la température réfléchie)</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copier le tableau</translation>
    </message>
    <message>
        <source>以制表符分隔的文本复制到剪贴板</source>
        <translation>Copie le tableau dans le presse-papiers en texte séparé par des tabulations</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>反射温度（环境）</source>
        <translation>Température réfléchie (ambiante)</translation>
    </message>
    <message>
        <source>复制图表</source>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>把线的温度分布或区域的直方图作为图片复制到剪贴板</source>
        <translation>Copie le profil de la ligne ou l'histogramme de la zone dans le presse-papiers sous forme d'image</translation>
    </message>
</context>
</TS>
