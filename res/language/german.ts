<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
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
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>Erfassen Sie die Zeit</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>Maximal</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>Cool</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Weiss</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>摄氏度℃</source>
        <translation>Celsius (℃)</translation>
    </message>
    <message>
        <source>华氏度℉</source>
        <translation>Fahrenheit (℉)</translation>
    </message>
    <message>
        <source>开氏度K</source>
        <translation>Kelvin (K)</translation>
    </message>
    <message>
        <source>融合度</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>Emissionsgrad</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>Ein-/Ausblenden</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>Bitte öffnen Sie die Datei</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Datei aussuchen</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>Keine radiometrische Aufnahme: %1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>Öffnen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>Speichern fehlgeschlagen: Die Originalaufnahme %1 ist nicht mehr lesbar</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>Speichern fehlgeschlagen: Die Originalaufnahme %1 ist nicht mehr lesbar (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>Speichern fehlgeschlagen: Die Daten der Originalaufnahme %1 sind beschädigt</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>Speichern fehlgeschlagen: Die Momentaufnahme konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>Speichern fehlgeschlagen: %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>Speichern fehlgeschlagen: %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>Aufnahme öffnen</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>Aufnahme mit Messungen speichern</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>Punktmessung</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>Linienmessung</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>Rechteckmessung</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>Ovalmessung</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>Letzte Messung rückgängig machen</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>Alle Messungen löschen</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>Temperatur kopieren</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>Temperaturen als CSV exportieren…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>Messungen als CSV exportieren…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>Temperaturen exportieren</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>Messungen exportieren</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>Export fehlgeschlagen: %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>Export fehlgeschlagen: %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>Speichern fehlgeschlagen: %1 wurde seit dem Öffnen geändert</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>Auswahl zu klein zum Messen</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>Die Messungen auf %1 Foto(s) sind nicht gespeichert. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>%1 Foto(s) konnten nicht gespeichert werden; das Fenster bleibt offen</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>Nicht gespeicherte Messungen</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>Dieses Foto hat nicht gespeicherte Messungen</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>Temperaturbereich: die Temperaturen, über die sich die Palette erstreckt</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>Obergrenze des Bereichs (in der Anzeigeeinheit)</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>Untergrenze des Bereichs (in der Anzeigeeinheit)</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>Diesen Bereich beim Wechsel zum nächsten Foto beibehalten, um Fotos auf einer Skala zu vergleichen</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>Mausrad: Bereich verschieben. Mitte ziehen zum Verschieben, ein Ende ziehen, um es zu ändern</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>Bereich an die letzte Messung anpassen</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>Unter</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>Zwischen</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>Farbe der Isotherme</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>Isotherme</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>Isotherme: Temperaturen über, unter oder zwischen Grenzwerten in einer Kontrastfarbe hervorheben</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>Grenzwert der Isotherme (in der Anzeigeeinheit)</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>Zweiter Grenzwert der Isotherme (in der Anzeigeeinheit)</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>Farbe der Isotherme wählen</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>Lässt die Farben der Palette durch die Farbe der Isotherme scheinen</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>Anteil des Bildes, den die Isotherme bedeckt</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>Fotos immer mit dem Wärmebild öffnen</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>Für alle Fotos verwenden</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1 (Kamera %2)</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>Reflektierte Temperatur</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>Entfernung (m)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>Lufttemperatur</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>Relative Luftfeuchte (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>Von der Kamera verwendete Werte</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>Werte der Kamera wiederherstellen</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>Zeigt die Temperaturen mit den Parametern der Aufnahme</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>Klicken oder Strg+E drücken, um Emissionsgrad, reflektierte Temperatur und Luft zu korrigieren; alle Temperaturen werden neu berechnet</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>Emissionsgrad der gemessenen Oberfläche, 0,01 bis 1,00</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>Scheinbare Temperatur der Umgebung, die die Oberfläche spiegelt (in der Anzeigeeinheit)</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>Entfernung von der Kamera zur Oberfläche; 0 lässt die Luft außer Acht</translation>
    </message>
    <message>
        <source>测量的发射率</source>
        <translation>Emissionsgrad einer Messung</translation>
    </message>
    <message>
        <source>最后一个测量所测表面的发射率：</source>
        <translation>Emissionsgrad der Oberfläche der neuesten Messung:</translation>
    </message>
    <message>
        <source>最后一个测量的发射率…</source>
        <translation>Emissionsgrad der neuesten Messung…</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Art</translation>
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
        <translation>Mittel</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>温差</source>
        <translation>ΔT</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>点</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>线</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Heißester Punkt</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Kältester Punkt</translation>
    </message>
    <message>
        <source>中心点</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>无缺陷</source>
        <translation>Kein Mangel</translation>
    </message>
    <message>
        <source>可能缺陷：需调查</source>
        <translation>Möglicher Mangel: untersuchen</translation>
    </message>
    <message>
        <source>很可能缺陷：择时维修</source>
        <translation>Wahrscheinlicher Mangel: bei Gelegenheit reparieren</translation>
    </message>
    <message>
        <source>严重缺陷：立即维修</source>
        <translation>Schwerer Mangel: sofort reparieren</translation>
    </message>
    <message>
        <source>优先级 4</source>
        <translation>Priorität 4</translation>
    </message>
    <message>
        <source>优先级 3</source>
        <translation>Priorität 3</translation>
    </message>
    <message>
        <source>优先级 2</source>
        <translation>Priorität 2</translation>
    </message>
    <message>
        <source>优先级 1</source>
        <translation>Priorität 1</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>判定标准</source>
        <translation>Kriterium</translation>
    </message>
    <message>
        <source>同类部件对比</source>
        <translation>Gleichartige Bauteile</translation>
    </message>
    <message>
        <source>高于环境温度</source>
        <translation>Über Umgebung</translation>
    </message>
    <message>
        <source>NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较</source>
        <translation>NETA-Wartungsprüfkriterien: gegen ein gleichartiges Bauteil unter ähnlicher Last oder gegen die Umgebung (die reflektierte Temperatur)</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Tabelle kopieren</translation>
    </message>
    <message>
        <source>以制表符分隔的文本复制到剪贴板</source>
        <translation>Kopiert die Tabelle als tabulatorgetrennten Text in die Zwischenablage</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>反射温度（环境）</source>
        <translation>Reflektierte Temperatur (Umgebung)</translation>
    </message>
    <message>
        <source>复制图表</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>把线的温度分布或区域的直方图作为图片复制到剪贴板</source>
        <translation>Kopiert das Profil der Linie oder das Histogramm des Bereichs als Bild in die Zwischenablage</translation>
    </message>
</context>
</TS>
