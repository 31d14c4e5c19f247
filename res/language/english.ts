<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
        <translation>Open File</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Temperature unit</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>Capture time</translation>
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
        <translation>Minimum</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>Cool</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>White</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Black</translation>
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
        <translation>Blend</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>Emissivity</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>Characteristics</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>Show / Hide</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>Please open the file</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Select file</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>Not a radiometric photograph: %1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>Could not open: %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>Could not save: the original photograph %1 can no longer be read</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>Could not save: the original photograph %1 can no longer be read (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>Could not save: the data of the original photograph %1 is damaged</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>Could not save: the snapshot could not be encoded</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>Could not save: %1 could not be written</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>Could not save: %1 could not be written (%2)</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>Open a photograph</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>Save the annotated photograph</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>Point measurement</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>Line measurement</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>Rectangle measurement</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>Oval measurement</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>Undo the last measurement</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>Clear all measurements</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>Copy temperature</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>Copy image</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>Export temperatures as CSV…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>Export shapes as CSV…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>Export temperatures</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>Export shapes</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>Exported %1</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>Could not export: %1 could not be written</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>Could not export: %1 could not be written (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>Cannot save: %1 has changed since it was opened</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>Shape too small to measure</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>Measurements on %1 photograph(s) are not saved. Save them before closing?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don't Save</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>%1 photograph(s) could not be saved; the window stays open</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>Unsaved measurements</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>This photograph has unsaved measurements</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>Temperature range: the temperatures the palette spans</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>Top of the range (in the display unit)</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>Bottom of the range (in the display unit)</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>Keep this range when moving to another photograph, to compare photographs on one scale</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>Wheel: move the range. Drag the middle to move it, an end to change that end</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>Fit the range to the last measurement</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>Between</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>Isotherm colour</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>Isotherm</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>Isotherm: shows temperatures above, below or between limits in a contrasting colour</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>Isotherm limit (in the display unit)</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>The isotherm's other limit (in the display unit)</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>Choose the isotherm's colour</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>Translucent</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>Lets the palette's colours show through the isotherm's colour</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>Share of the picture the isotherm covers</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>Always open photographs showing the thermal picture</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>Use for all photographs</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1 (camera %2)</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>Reflected temperature</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>Relative humidity (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>Values the camera used</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>Back to the camera's values</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>Shows the temperatures with the parameters the camera used</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>Click or press Ctrl+E to correct the emissivity, reflected temperature and air; every temperature is recomputed</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>Emissivity of the measured surface, 0.01 to 1.00</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>Apparent temperature of the surroundings the surface reflects (in the display unit)</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>Distance from the camera to the surface; 0 leaves the air out</translation>
    </message>
    <message>
        <source>测量的发射率</source>
        <translation>Emissivity of a measurement</translation>
    </message>
    <message>
        <source>最后一个测量所测表面的发射率：</source>
        <translation>Emissivity of the surface the newest measurement covers:</translation>
    </message>
    <message>
        <source>最后一个测量的发射率…</source>
        <translation>Emissivity of the newest measurement…</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
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
        <translation>Mean</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>温差</source>
        <translation>ΔT</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>Class</translation>
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
        <translation>Line</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Hottest</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Coldest</translation>
    </message>
    <message>
        <source>中心点</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>无缺陷</source>
        <translation>No deficiency</translation>
    </message>
    <message>
        <source>可能缺陷：需调查</source>
        <translation>Possible deficiency: investigate</translation>
    </message>
    <message>
        <source>很可能缺陷：择时维修</source>
        <translation>Probable deficiency: repair as time permits</translation>
    </message>
    <message>
        <source>严重缺陷：立即维修</source>
        <translation>Major deficiency: repair immediately</translation>
    </message>
    <message>
        <source>优先级 4</source>
        <translation>Priority 4</translation>
    </message>
    <message>
        <source>优先级 3</source>
        <translation>Priority 3</translation>
    </message>
    <message>
        <source>优先级 2</source>
        <translation>Priority 2</translation>
    </message>
    <message>
        <source>优先级 1</source>
        <translation>Priority 1</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>判定标准</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>同类部件对比</source>
        <translation>Similar components</translation>
    </message>
    <message>
        <source>高于环境温度</source>
        <translation>Over ambient</translation>
    </message>
    <message>
        <source>NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较</source>
        <translation>NETA maintenance testing criteria: against a similar component under a similar load, or against the surroundings (the reflected temperature)</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>以制表符分隔的文本复制到剪贴板</source>
        <translation>Copies the table to the clipboard as tab-separated text</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>反射温度（环境）</source>
        <translation>Reflected temperature (ambient)</translation>
    </message>
    <message>
        <source>复制图表</source>
        <translation>Copy chart</translation>
    </message>
    <message>
        <source>把线的温度分布或区域的直方图作为图片复制到剪贴板</source>
        <translation>Copies the line's profile or the area's histogram to the clipboard as a picture</translation>
    </message>
</context>
</TS>
