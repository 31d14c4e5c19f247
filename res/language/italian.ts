<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="zh_CN">
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
        <translation>Apri il file</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Unità di temperatura</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>Cattura il tempo</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>Tavolozza</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Spettro</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>Freddo</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Nero</translation>
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
        <translation>Miscela</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>Emissività</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>Caratteristiche</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>Mostra / Nascondi</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>Si prega di aprire il file</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Seleziona il file</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>Foto non radiometrica: %1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>Impossibile aprire: %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>%1 salvato</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>Impossibile salvare: la foto originale %1 non è più leggibile</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>Impossibile salvare: la foto originale %1 non è più leggibile (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>Impossibile salvare: i dati della foto originale %1 sono danneggiati</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>Impossibile salvare: codifica dell'istantanea non riuscita</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>Impossibile salvare: scrittura di %1 non riuscita</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>Impossibile salvare: scrittura di %1 non riuscita (%2)</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>Apri una foto</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>Salva la foto annotata</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>Misura puntuale</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>Misura lungo una linea</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>Misura in un rettangolo</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>Misura in un ovale</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>Annulla l'ultima misura</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>Cancella tutte le misure</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>Copia la temperatura</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>Copia l'immagine</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>Esporta le temperature in CSV…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>Esporta le misure in CSV…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>Esporta le temperature</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>Esporta le misure</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>%1 esportato</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>Impossibile esportare: scrittura di %1 non riuscita</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>Impossibile esportare: scrittura di %1 non riuscita (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>Impossibile salvare: %1 è stato modificato dopo l'apertura</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>Area troppo piccola da misurare</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>Le misure di %1 foto non sono state salvate. Salvarle prima di chiudere?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Salva tutto</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>Impossibile salvare %1 foto; la finestra resta aperta</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>Misure non salvate</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>Questa foto ha misure non salvate</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Istogramma</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>Intervallo di temperatura coperto dalla tavolozza</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>Limite superiore dell’intervallo (nell’unità mostrata)</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>Limite inferiore dell’intervallo (nell’unità mostrata)</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Tieni</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>Mantieni questo intervallo passando a un’altra foto, per confrontare le foto sulla stessa scala</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>Rotella: sposta l’intervallo. Trascina il centro per spostarlo, un estremo per cambiarlo</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>Adatta l’intervallo all’ultima misura</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>Tra</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>Colore dell'isoterma</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>Isoterma</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>Isoterma: evidenzia con un colore a contrasto le temperature sopra, sotto o tra dei limiti</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>Limite dell'isoterma (nell'unità visualizzata)</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>Secondo limite dell'isoterma (nell'unità visualizzata)</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>Scegli il colore dell'isoterma</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>Traslucida</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>Lascia trasparire i colori della tavolozza sotto quello dell'isoterma</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>Quota dell'immagine coperta dall'isoterma</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>Apri sempre le foto mostrando l'immagine termica</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>Usa per tutte le foto</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1 (fotocamera %2)</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>Temperatura riflessa</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>Distanza (m)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>Temperatura dell'aria</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>Umidità relativa (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>Valori usati dalla fotocamera</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>Ripristina i valori della fotocamera</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>Mostra le temperature con i parametri usati dalla fotocamera</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>Fai clic o premi Ctrl+E per correggere emissività, temperatura riflessa e aria; tutte le temperature vengono ricalcolate</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>Emissività della superficie misurata, da 0,01 a 1,00</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>Temperatura apparente dell'ambiente riflesso dalla superficie (nell'unità visualizzata)</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>Distanza tra fotocamera e superficie; 0 ignora l'aria</translation>
    </message>
    <message>
        <source>测量的发射率</source>
        <translation>Emissività di una misura</translation>
    </message>
    <message>
        <source>最后一个测量所测表面的发射率：</source>
        <translation>Emissività della superficie dell'ultima misura:</translation>
    </message>
    <message>
        <source>最后一个测量的发射率…</source>
        <translation>Emissività dell'ultima misura…</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Dimensione</translation>
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
        <translation>Nota</translation>
    </message>
    <message>
        <source>点</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>线</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Punto più caldo</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Punto più freddo</translation>
    </message>
    <message>
        <source>中心点</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>无缺陷</source>
        <translation>Nessuna anomalia</translation>
    </message>
    <message>
        <source>可能缺陷：需调查</source>
        <translation>Possibile anomalia: indagare</translation>
    </message>
    <message>
        <source>很可能缺陷：择时维修</source>
        <translation>Probabile anomalia: riparare appena possibile</translation>
    </message>
    <message>
        <source>严重缺陷：立即维修</source>
        <translation>Anomalia grave: riparare subito</translation>
    </message>
    <message>
        <source>优先级 4</source>
        <translation>Priorità 4</translation>
    </message>
    <message>
        <source>优先级 3</source>
        <translation>Priorità 3</translation>
    </message>
    <message>
        <source>优先级 2</source>
        <translation>Priorità 2</translation>
    </message>
    <message>
        <source>优先级 1</source>
        <translation>Priorità 1</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>判定标准</source>
        <translation>Criterio</translation>
    </message>
    <message>
        <source>同类部件对比</source>
        <translation>Componenti simili</translation>
    </message>
    <message>
        <source>高于环境温度</source>
        <translation>Sopra l'ambiente</translation>
    </message>
    <message>
        <source>NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较</source>
        <translation>Criteri di prova di manutenzione NETA: rispetto a un componente simile con carico simile, o all'ambiente (la temperatura riflessa)</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copia tabella</translation>
    </message>
    <message>
        <source>以制表符分隔的文本复制到剪贴板</source>
        <translation>Copia la tabella negli appunti come testo separato da tabulazioni</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>反射温度（环境）</source>
        <translation>Temperatura riflessa (ambiente)</translation>
    </message>
    <message>
        <source>复制图表</source>
        <translation>Copia grafico</translation>
    </message>
    <message>
        <source>把线的温度分布或区域的直方图作为图片复制到剪贴板</source>
        <translation>Copia il profilo della linea o l'istogramma dell'area negli appunti come immagine</translation>
    </message>
</context>
</TS>
