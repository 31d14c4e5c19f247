<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
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
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장하다</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>온도 단위</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>抓拍时间</source>
        <translation>스냅 타임</translation>
    </message>
    <message>
        <source>最高温</source>
        <translation>최고온</translation>
    </message>
    <message>
        <source>调色板</source>
        <translation>색상표</translation>
    </message>
    <message>
        <source>最低温</source>
        <translation>최저온</translation>
    </message>
    <message>
        <source>中心温</source>
        <translation>중심온도</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>무지개</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>아이언 레드</translation>
    </message>
    <message>
        <source>冷色</source>
        <translation>차가운 색</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>화이트 핫</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>블랙 핫</translation>
    </message>
    <message>
        <source>摄氏度℃</source>
        <translation>섭씨(℃)</translation>
    </message>
    <message>
        <source>华氏度℉</source>
        <translation>화씨(℉)</translation>
    </message>
    <message>
        <source>开氏度K</source>
        <translation>켈빈(K)</translation>
    </message>
    <message>
        <source>融合度</source>
        <translation>퓨전</translation>
    </message>
    <message>
        <source>发射率</source>
        <translation>방사율</translation>
    </message>
    <message>
        <source>温度特征</source>
        <translation>온도 특성</translation>
    </message>
    <message>
        <source>显示/隐藏</source>
        <translation>표시/숨기기</translation>
    </message>
    <message>
        <source>请打开文件</source>
        <translation>파일을 열어주세요</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>不是辐射照片：%1</source>
        <translation>라디오메트릭 사진이 아님: %1</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>열기 실패: %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>%1 저장됨</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取</source>
        <translation>저장 실패: 원본 사진 %1을(를) 더 이상 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 已无法读取（%2）</source>
        <translation>저장 실패: 원본 사진 %1을(를) 더 이상 읽을 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 的数据已损坏</source>
        <translation>저장 실패: 원본 사진 %1의 데이터가 손상되었습니다</translation>
    </message>
    <message>
        <source>无法保存：无法编码快照</source>
        <translation>저장 실패: 스냅샷을 인코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1</source>
        <translation>저장 실패: %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>无法保存：无法写入 %1（%2）</source>
        <translation>저장 실패: %1에 쓸 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>打开照片</source>
        <translation>사진 열기</translation>
    </message>
    <message>
        <source>保存带标注的照片</source>
        <translation>주석이 달린 사진 저장</translation>
    </message>
    <message>
        <source>点测温</source>
        <translation>점 측정</translation>
    </message>
    <message>
        <source>线测温</source>
        <translation>선 측정</translation>
    </message>
    <message>
        <source>矩形测温</source>
        <translation>사각형 측정</translation>
    </message>
    <message>
        <source>椭圆测温</source>
        <translation>타원 측정</translation>
    </message>
    <message>
        <source>撤销上一个测量</source>
        <translation>마지막 측정 취소</translation>
    </message>
    <message>
        <source>清除所有测量</source>
        <translation>모든 측정 지우기</translation>
    </message>
    <message>
        <source>复制温度</source>
        <translation>온도 복사</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>이미지 복사</translation>
    </message>
    <message>
        <source>导出温度为 CSV…</source>
        <translation>온도를 CSV로 내보내기…</translation>
    </message>
    <message>
        <source>导出测量为 CSV…</source>
        <translation>측정을 CSV로 내보내기…</translation>
    </message>
    <message>
        <source>导出温度</source>
        <translation>온도 내보내기</translation>
    </message>
    <message>
        <source>导出测量</source>
        <translation>측정 내보내기</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>%1 내보냄</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1</source>
        <translation>내보내기 실패: %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>无法导出：无法写入 %1（%2）</source>
        <translation>내보내기 실패: %1에 쓸 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>无法保存：原照片 %1 在打开后已被改动</source>
        <translation>저장 실패: %1이(가) 연 후에 변경되었습니다</translation>
    </message>
    <message>
        <source>选区太小，无法测量</source>
        <translation>선택 영역이 너무 작아 측정할 수 없습니다</translation>
    </message>
    <message>
        <source>%1 张照片的测量尚未保存。关闭前要保存吗？</source>
        <translation>사진 %1장의 측정이 저장되지 않았습니다. 닫기 전에 저장할까요?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>모두 저장</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>有 %1 张照片未能保存，窗口保持打开</source>
        <translation>사진 %1장을 저장하지 못해 창을 닫지 않았습니다</translation>
    </message>
    <message>
        <source>未保存的测量</source>
        <translation>저장되지 않은 측정</translation>
    </message>
    <message>
        <source>这张照片有未保存的测量</source>
        <translation>이 사진에 저장되지 않은 측정이 있습니다</translation>
    </message>
    <message>
        <source>相机</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>히스토그램</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>수동</translation>
    </message>
    <message>
        <source>温度范围：调色板覆盖的温度</source>
        <translation>온도 범위: 팔레트가 나타내는 온도</translation>
    </message>
    <message>
        <source>范围上限（显示单位）</source>
        <translation>범위 상한(표시 단위)</translation>
    </message>
    <message>
        <source>范围下限（显示单位）</source>
        <translation>범위 하한(표시 단위)</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>유지</translation>
    </message>
    <message>
        <source>翻页时保持这个范围，以便在同一刻度上比较照片</source>
        <translation>다른 사진으로 넘어가도 이 범위를 유지해 같은 눈금으로 사진을 비교합니다</translation>
    </message>
    <message>
        <source>滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限</source>
        <translation>휠: 범위 이동. 가운데를 끌면 이동, 끝을 끌면 그 끝을 바꿉니다</translation>
    </message>
    <message>
        <source>温度范围适合最后一个测量</source>
        <translation>범위를 마지막 측정에 맞추기</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>高于</source>
        <translation>이상</translation>
    </message>
    <message>
        <source>低于</source>
        <translation>이하</translation>
    </message>
    <message>
        <source>区间</source>
        <translation>사이</translation>
    </message>
    <message>
        <source>等温线颜色</source>
        <translation>등온선 색</translation>
    </message>
    <message>
        <source>等温线</source>
        <translation>등온선</translation>
    </message>
    <message>
        <source>等温线：以醒目的颜色显示高于、低于或介于限值的温度</source>
        <translation>등온선: 한계값보다 높거나 낮거나 그 사이인 온도를 눈에 띄는 색으로 표시합니다</translation>
    </message>
    <message>
        <source>等温线限值（显示单位）</source>
        <translation>등온선 한계값(표시 단위)</translation>
    </message>
    <message>
        <source>等温线的另一个限值（显示单位）</source>
        <translation>등온선의 다른 한계값(표시 단위)</translation>
    </message>
    <message>
        <source>选择等温线颜色</source>
        <translation>등온선 색 선택</translation>
    </message>
    <message>
        <source>半透明</source>
        <translation>반투명</translation>
    </message>
    <message>
        <source>让调色板的颜色透过等温线的颜色显示</source>
        <translation>팔레트 색이 등온선 색 아래로 비쳐 보이게 합니다</translation>
    </message>
    <message>
        <source>等温线覆盖的画面比例</source>
        <translation>등온선이 덮는 화면 비율</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>打开照片时总是显示热图像</source>
        <translation>사진을 열 때 항상 열화상 표시</translation>
    </message>
    <message>
        <source>用于所有照片</source>
        <translation>모든 사진에 사용</translation>
    </message>
    <message>
        <source>%1（相机 %2）</source>
        <translation>%1 (카메라 %2)</translation>
    </message>
    <message>
        <source>反射温度</source>
        <translation>반사 온도</translation>
    </message>
    <message>
        <source>距离 (m)</source>
        <translation>거리 (m)</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>대기 온도</translation>
    </message>
    <message>
        <source>相对湿度 (%)</source>
        <translation>상대 습도 (%)</translation>
    </message>
    <message>
        <source>相机使用的值</source>
        <translation>카메라가 사용한 값</translation>
    </message>
    <message>
        <source>恢复相机的值</source>
        <translation>카메라 값으로 되돌리기</translation>
    </message>
    <message>
        <source>按相机拍摄时的参数显示温度</source>
        <translation>촬영 당시 카메라의 매개변수로 온도를 표시합니다</translation>
    </message>
    <message>
        <source>单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算</source>
        <translation>클릭하거나 Ctrl+E를 눌러 방사율, 반사 온도, 대기를 보정합니다. 모든 온도가 다시 계산됩니다</translation>
    </message>
    <message>
        <source>被测表面的发射率，0.01 到 1.00</source>
        <translation>측정 표면의 방사율, 0.01~1.00</translation>
    </message>
    <message>
        <source>表面反射的环境的表观温度（显示单位）</source>
        <translation>표면이 반사하는 주변의 겉보기 온도(표시 단위)</translation>
    </message>
    <message>
        <source>相机到表面的距离；0 表示不计大气</source>
        <translation>카메라에서 표면까지의 거리. 0이면 대기를 고려하지 않습니다</translation>
    </message>
    <message>
        <source>测量的发射率</source>
        <translation>측정의 방사율</translation>
    </message>
    <message>
        <source>最后一个测量所测表面的发射率：</source>
        <translation>최근 측정 표면의 방사율:</translation>
    </message>
    <message>
        <source>最后一个测量的发射率…</source>
        <translation>최근 측정의 방사율…</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>최고</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>최저</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>평균</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>温差</source>
        <translation>ΔT</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>등급</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>点</source>
        <translation>점</translation>
    </message>
    <message>
        <source>线</source>
        <translation>선</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>최고점</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>최저점</translation>
    </message>
    <message>
        <source>中心点</source>
        <translation>중심</translation>
    </message>
    <message>
        <source>无缺陷</source>
        <translation>결함 없음</translation>
    </message>
    <message>
        <source>可能缺陷：需调查</source>
        <translation>결함 가능성: 조사</translation>
    </message>
    <message>
        <source>很可能缺陷：择时维修</source>
        <translation>결함 가능성 높음: 시간 날 때 수리</translation>
    </message>
    <message>
        <source>严重缺陷：立即维修</source>
        <translation>중대 결함: 즉시 수리</translation>
    </message>
    <message>
        <source>优先级 4</source>
        <translation>우선순위 4</translation>
    </message>
    <message>
        <source>优先级 3</source>
        <translation>우선순위 3</translation>
    </message>
    <message>
        <source>优先级 2</source>
        <translation>우선순위 2</translation>
    </message>
    <message>
        <source>优先级 1</source>
        <translation>우선순위 1</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>기준</translation>
    </message>
    <message>
        <source>判定标准</source>
        <translation>판정 기준</translation>
    </message>
    <message>
        <source>同类部件对比</source>
        <translation>유사 부품 비교</translation>
    </message>
    <message>
        <source>高于环境温度</source>
        <translation>주변 온도 대비</translation>
    </message>
    <message>
        <source>NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较</source>
        <translation>NETA 유지보수 시험 기준: 비슷한 부하의 유사 부품 또는 주변(반사 온도)과 비교</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>표 복사</translation>
    </message>
    <message>
        <source>以制表符分隔的文本复制到剪贴板</source>
        <translation>표를 탭으로 구분된 텍스트로 클립보드에 복사합니다</translation>
    </message>
    <message>
        <source>无</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>反射温度（环境）</source>
        <translation>반사 온도(주변)</translation>
    </message>
    <message>
        <source>复制图表</source>
        <translation>차트 복사</translation>
    </message>
    <message>
        <source>把线的温度分布或区域的直方图作为图片复制到剪贴板</source>
        <translation>선의 온도 프로필 또는 영역의 히스토그램을 이미지로 클립보드에 복사합니다</translation>
    </message>
</context>
</TS>
