<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
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
        <translation>Abrir Archivo</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Ahorrar</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>tiempo de captura</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Hierro</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>Fresco</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>摄氏度℃</source>
        <translation>centígrados (℃)</translation>
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
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>emisividad</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>Características</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>Mostrar / Ocultar</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>Por favor abre el archivo</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Seleccione Archivo</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>No es una foto radiométrica: %1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>No se pudo abrir: %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>No se pudo guardar: la foto original %1 ya no se puede leer</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>No se pudo guardar: la foto original %1 ya no se puede leer (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>No se pudo guardar: los datos de la foto original %1 están dañados</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>No se pudo guardar: error al codificar la instantánea</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>No se pudo guardar: error al escribir %1</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>No se pudo guardar: error al escribir %1 (%2)</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>Abrir una foto</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>Guardar la foto anotada</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>Medición puntual</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>Medición en línea</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>Medición en rectángulo</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>Medición en óvalo</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>Deshacer la última medición</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>Borrar todas las mediciones</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>Copiar la temperatura</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>Copiar la imagen</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>Exportar las temperaturas como CSV…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>Exportar las mediciones como CSV…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>Exportar las temperaturas</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>Exportar las mediciones</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>No se pudo exportar: error al escribir %1</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>No se pudo exportar: error al escribir %1 (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>No se pudo guardar: %1 ha cambiado desde que se abrió</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>Zona demasiado pequeña para medir</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>Las mediciones de %1 foto(s) no se han guardado. ¿Guardarlas antes de cerrar?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>No se pudieron guardar %1 foto(s); la ventana sigue abierta</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>Mediciones sin guardar</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>Esta foto tiene mediciones sin guardar</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>Rango de temperaturas que abarca la paleta</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>Límite superior del rango (en la unidad mostrada)</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>Límite inferior del rango (en la unidad mostrada)</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>Mantener este rango al pasar a otra foto, para comparar fotos en la misma escala</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>Rueda: mover el rango. Arrastre el centro para moverlo o un extremo para cambiarlo</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>Ajustar el rango a la última medición</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>Por encima</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>Por debajo</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>Color de la isoterma</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>Isoterma</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>Isoterma: resalta en un color de contraste las temperaturas por encima, por debajo o entre unos límites</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>Límite de la isoterma (en la unidad mostrada)</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>Segundo límite de la isoterma (en la unidad mostrada)</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>Elegir el color de la isoterma</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>Translúcida</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>Deja ver los colores de la paleta a través del color de la isoterma</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>Parte de la imagen que cubre la isoterma</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>Abrir siempre las fotos mostrando la imagen térmica</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>Usar para todas las fotos</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1 (cámara %2)</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>Temperatura reflejada</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>Distancia (m)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>Temperatura del aire</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>Humedad relativa (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>Valores que usó la cámara</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>Volver a los valores de la cámara</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>Muestra las temperaturas con los parámetros de la toma</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>Haga clic o pulse Ctrl+E para corregir la emisividad, la temperatura reflejada y el aire; se recalculan todas las temperaturas</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>Emisividad de la superficie medida, de 0,01 a 1,00</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>Temperatura aparente del entorno que refleja la superficie (en la unidad mostrada)</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>Distancia de la cámara a la superficie; 0 no tiene en cuenta el aire</translation>
    </message>
    <message>
        <source>测量的发射率</source>
        <translation>Emisividad de una medición</translation>
    </message>
    <message>
        <source>最后一个测量所测表面的发射率：</source>
        <translation>Emisividad de la superficie de la última medición:</translation>
    </message>
    <message>
        <source>最后一个测量的发射率…</source>
        <translation>Emisividad de la última medición…</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>温差</source>
        <translation>ΔT</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>Clase</translation>
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
        <translation>Línea</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Óvalo</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Punto más caliente</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Punto más frío</translation>
    </message>
    <message>
        <source>中心点</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>无缺陷</source>
        <translation>Sin deficiencia</translation>
    </message>
    <message>
        <source>可能缺陷：需调查</source>
        <translation>Posible deficiencia: investigar</translation>
    </message>
    <message>
        <source>很可能缺陷：择时维修</source>
        <translation>Deficiencia probable: reparar cuando sea posible</translation>
    </message>
    <message>
        <source>严重缺陷：立即维修</source>
        <translation>Deficiencia grave: reparar de inmediato</translation>
    </message>
    <message>
        <source>优先级 4</source>
        <translation>Prioridad 4</translation>
    </message>
    <message>
        <source>优先级 3</source>
        <translation>Prioridad 3</translation>
    </message>
    <message>
        <source>优先级 2</source>
        <translation>Prioridad 2</translation>
    </message>
    <message>
        <source>优先级 1</source>
        <translation>Prioridad 1</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>判定标准</source>
        <translation>Criterio</translation>
    </message>
    <message>
        <source>同类部件对比</source>
        <translation>Componentes similares</translation>
    </message>
    <message>
        <source>高于环境温度</source>
        <translation>Sobre el ambiente</translation>
    </message>
    <message>
        <source>NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较</source>
        <translation>Criterios de prueba de mantenimiento NETA: frente a un componente similar con carga similar, o frente al entorno (la temperatura reflejada)</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copiar tabla</translation>
    </message>
    <message>
        <source>以制表符分隔的文本复制到剪贴板</source>
        <translation>Copia la tabla al portapapeles como texto separado por tabulaciones</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>反射温度（环境）</source>
        <translation>Temperatura reflejada (ambiente)</translation>
    </message>
    <message>
        <source>复制图表</source>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>把线的温度分布或区域的直方图作为图片复制到剪贴板</source>
        <translation>Copia el perfil de la línea o el histograma del área al portapapeles como imagen</translation>
    </message>
</context>
</TS>
