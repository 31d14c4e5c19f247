<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
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
        <translation>打开</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>温度单位</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>抓拍时间</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>最高温</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>调色板</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>最低温</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>中心温</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>铁红</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>冷色</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>白热</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>黑热</translation>
    </message>
    <message>
        <source>摄氏度℃</source>
        <translation>摄氏度℃</translation>
    </message>
    <message>
        <source>华氏度℉</source>
        <translation>华氏度℉</translation>
    </message>
    <message>
        <source>开氏度K</source>
        <translation>开氏度K</translation>
    </message>
    <message>
        <source>融合度</source>
        <translation>融合度</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>发射率</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>温度特征</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>显示/隐藏</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>请打开文件</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>不是辐射照片：%1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>无法保存：原照片 %1 已无法读取</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>无法保存：原照片 %1 已无法读取（%2）</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>无法保存：原照片 %1 的数据已损坏</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>无法保存：无法编码快照</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>无法保存：无法写入 %1</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>无法保存：无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>打开照片</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>保存带标注的照片</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>点测温</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>线测温</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>矩形测温</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>椭圆测温</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>撤销上一个测量</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>清除所有测量</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>复制温度</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>复制图像</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>导出温度为 CSV…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>导出测量为 CSV…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>导出温度</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>导出测量</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>已导出 %1</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>无法导出：无法写入 %1</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>无法导出：无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>无法保存：原照片 %1 在打开后已被改动</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>选区太小，无法测量</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>%1 张照片的测量尚未保存。关闭前要保存吗？</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>全部保存</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>有 %1 张照片未能保存，窗口保持打开</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>未保存的测量</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>这张照片有未保存的测量</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>直方图</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>温度范围：调色板覆盖的温度</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>范围上限（显示单位）</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>范围下限（显示单位）</translation>
    </message>
</context>
</TS>
