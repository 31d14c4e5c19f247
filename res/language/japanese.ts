<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
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
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>温度単位</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>キャプチャ時間</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>レインボー</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>アイアン</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>コールド</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>黒白</translation>
    </message>
    <message>
        <source>摄氏度℃</source>
        <translation>摂氏 (℃)</translation>
    </message>
    <message>
        <source>华氏度℉</source>
        <translation>華氏（℉）</translation>
    </message>
    <message>
        <source>开氏度K</source>
        <translation>ケルビン（K）</translation>
    </message>
    <message>
        <source>融合度</source>
        <translation>ブレンド</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>放射率</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>温度カーソル</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>表示 / 非表示</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>ファイルを開いてください</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>ファイルを選ぶ</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>ラジオメトリック画像ではありません：%1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>開けません：%1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>保存できません：元の画像 %1 を読み込めなくなりました</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>保存できません：元の画像 %1 を読み込めなくなりました（%2）</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>保存できません：元の画像 %1 のデータが破損しています</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>保存できません：スナップショットをエンコードできません</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>保存できません：%1 を書き込めません</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>保存できません：%1 を書き込めません（%2）</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>注釈付き画像を保存</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>スポット測定</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>ライン測定</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>矩形測定</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>楕円測定</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>最後の測定を取り消す</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>すべての測定を消去</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>温度をコピー</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>温度を CSV にエクスポート…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>測定を CSV にエクスポート…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>温度のエクスポート</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>測定のエクスポート</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>%1 をエクスポートしました</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>エクスポートできません：%1 を書き込めません</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>エクスポートできません：%1 を書き込めません（%2）</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>保存できません：%1 は開いた後に変更されています</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>選択範囲が小さすぎて測定できません</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>%1 枚の写真の測定が保存されていません。閉じる前に保存しますか？</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>すべて保存</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>%1 枚の写真を保存できなかったため、ウィンドウは開いたままです</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>未保存の測定</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>この写真には未保存の測定があります</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>ヒストグラム</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>温度範囲：パレットが表す温度</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>範囲の上限（表示単位）</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>範囲の下限（表示単位）</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>ほかの写真に移ってもこの範囲を保ち、同じスケールで写真を比べます</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>ホイールで範囲を移動。中央をドラッグで移動、端をドラッグでその端を変更</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>範囲を最後の測定に合わせる</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>以上</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>以下</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>範囲内</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>等温線の色</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>等温線</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>等温線：しきい値より高い・低い・範囲内の温度を目立つ色で表示します</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>等温線のしきい値（表示単位）</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>等温線のもう一方のしきい値（表示単位）</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>等温線の色を選ぶ</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>半透明</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>パレットの色を等温線の色から透けて見せます</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>等温線が覆う画面の割合</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>写真を開くときは常に熱画像を表示</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>すべての写真に使用</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1（カメラ %2）</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>反射温度</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>距離 (m)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>気温</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>相対湿度 (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>カメラが使用した値</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>カメラの値に戻す</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>撮影時のカメラのパラメータで温度を表示します</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>クリックまたは Ctrl+E で放射率・反射温度・大気を補正します。すべての温度が再計算されます</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>測定面の放射率（0.01～1.00）</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>表面が反射する周囲の見かけの温度（表示単位）</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>カメラから表面までの距離。0 なら大気を考慮しません</translation>
    </message>
</context>
</TS>
