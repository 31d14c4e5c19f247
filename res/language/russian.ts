<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
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
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранять</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Единица измерения температуры</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>Захват времени</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>Палитра</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Спектр</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Железо</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>классный цвет</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>черный</translation>
    </message>
    <message>
        <source>摄氏度℃</source>
        <translation>Цельсия (℃)</translation>
    </message>
    <message>
        <source>华氏度℉</source>
        <translation>Фаренгейты（℉）</translation>
    </message>
    <message>
        <source>开氏度K</source>
        <translation>Кельвин (К)</translation>
    </message>
    <message>
        <source>融合度</source>
        <translation>Смешивать</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>Коэффициент излучения</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>Характеристики</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>Показать / Скрыть</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>Пожалуйста, откройте файл</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>Не радиометрический снимок: %1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>Не удалось открыть: %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>Не удалось сохранить: исходный снимок %1 больше не читается</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>Не удалось сохранить: исходный снимок %1 больше не читается (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>Не удалось сохранить: данные исходного снимка %1 повреждены</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>Не удалось сохранить: ошибка кодирования изображения</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>Не удалось сохранить: ошибка записи %1</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>Не удалось сохранить: ошибка записи %1 (%2)</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>Открыть снимок</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>Сохранить снимок с измерениями</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>Измерение в точке</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>Измерение по линии</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>Измерение в прямоугольнике</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>Измерение в овале</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>Отменить последнее измерение</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>Удалить все измерения</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>Копировать температуру</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>Копировать изображение</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>Экспорт температур в CSV…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>Экспорт измерений в CSV…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>Экспорт температур</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>Экспорт измерений</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>Экспортировано: %1</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>Не удалось экспортировать: ошибка записи %1</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>Не удалось экспортировать: ошибка записи %1 (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>Не удалось сохранить: %1 изменён после открытия</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>Область слишком мала для измерения</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>Измерения на снимках (%1) не сохранены. Сохранить их перед закрытием?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Сохранить все</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>Не удалось сохранить снимков: %1. Окно остаётся открытым</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>Несохранённые измерения</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>На этом снимке есть несохранённые измерения</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Гистограмма</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>Диапазон температур, который охватывает палитра</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>Верхняя граница диапазона (в единицах отображения)</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>Нижняя граница диапазона (в единицах отображения)</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Держать</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>Сохранять этот диапазон при переходе к другому снимку, чтобы сравнивать снимки по одной шкале</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>Колесо: сдвиг диапазона. Перетащите середину, чтобы сдвинуть его, или край, чтобы изменить границу</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>Подогнать диапазон под последнее измерение</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>Выше</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>Ниже</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>Между</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>Цвет изотермы</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>Изотерма</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>Изотерма: выделяет контрастным цветом температуры выше, ниже или между пределами</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>Предел изотермы (в единицах отображения)</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>Второй предел изотермы (в единицах отображения)</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>Выбрать цвет изотермы</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>Прозрачная</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>Цвета палитры просвечивают сквозь цвет изотермы</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>Доля изображения, покрытая изотермой</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>Всегда открывать снимки с тепловым изображением</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>Использовать для всех снимков</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1 (камера %2)</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>Отражённая температура</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>Расстояние (м)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>Температура воздуха</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>Относительная влажность (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>Значения, использованные камерой</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>Вернуть значения камеры</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>Показывает температуры с параметрами съёмки</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>Щёлкните или нажмите Ctrl+E, чтобы исправить коэффициент излучения, отражённую температуру и параметры воздуха; все температуры пересчитываются</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>Коэффициент излучения измеряемой поверхности, от 0,01 до 1,00</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>Кажущаяся температура окружения, которое отражает поверхность (в единицах отображения)</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>Расстояние от камеры до поверхности; 0 — без учёта воздуха</translation>
    </message>
    <message>
        <source>测量的发射率</source>
        <translation>Коэффициент излучения измерения</translation>
    </message>
    <message>
        <source>最后一个测量所测表面的发射率：</source>
        <translation>Коэффициент излучения поверхности последнего измерения:</translation>
    </message>
    <message>
        <source>最后一个测量的发射率…</source>
        <translation>Коэффициент излучения последнего измерения…</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>温差</source>
        <translation>ΔT</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>Класс</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>点</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>线</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Овал</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Самая горячая точка</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Самая холодная точка</translation>
    </message>
    <message>
        <source>中心点</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>无缺陷</source>
        <translation>Дефекта нет</translation>
    </message>
    <message>
        <source>可能缺陷：需调查</source>
        <translation>Возможный дефект: проверить</translation>
    </message>
    <message>
        <source>很可能缺陷：择时维修</source>
        <translation>Вероятный дефект: отремонтировать при возможности</translation>
    </message>
    <message>
        <source>严重缺陷：立即维修</source>
        <translation>Серьёзный дефект: отремонтировать немедленно</translation>
    </message>
    <message>
        <source>优先级 4</source>
        <translation>Приоритет 4</translation>
    </message>
    <message>
        <source>优先级 3</source>
        <translation>Приоритет 3</translation>
    </message>
    <message>
        <source>优先级 2</source>
        <translation>Приоритет 2</translation>
    </message>
    <message>
        <source>优先级 1</source>
        <translation>Приоритет 1</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Эталон</translation>
    </message>
    <message>
        <source>判定标准</source>
        <translation>Критерий</translation>
    </message>
    <message>
        <source>同类部件对比</source>
        <translation>Аналогичные компоненты</translation>
    </message>
    <message>
        <source>高于环境温度</source>
        <translation>Выше окружающей</translation>
    </message>
    <message>
        <source>NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较</source>
        <translation>Критерии NETA: сравнение с аналогичным компонентом при сходной нагрузке или с окружением (отражённой температурой)</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Копировать таблицу</translation>
    </message>
    <message>
        <source>以制表符分隔的文本复制到剪贴板</source>
        <translation>Копирует таблицу в буфер обмена как текст с табуляцией</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>反射温度（环境）</source>
        <translation>Отражённая температура (окружение)</translation>
    </message>
    <message>
        <source>复制图表</source>
        <translation>Копировать график</translation>
    </message>
    <message>
        <source>把线的温度分布或区域的直方图作为图片复制到剪贴板</source>
        <translation>Копирует профиль линии или гистограмму области в буфер обмена как изображение</translation>
    </message>
</context>
</TS>
