<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>초점 거리</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>이동량</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>촛불 이동</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>광학대</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>촛불을 아래로 옮기기</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>촛불을 위로 옮기기</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>촛불을 렌즈에 가까이</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>촛불을 렌즈에서 멀리</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>스크린</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>광선</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>초점</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>모눈</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>한 번에 4분의 1칸 옮기기</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>한 번에 2분의 1칸 옮기기</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>짧게</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>초점 거리 4칸</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>길게</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>초점 거리 6칸</translation>
    </message>
    <message>
        <source>像</source>
        <translation>상</translation>
    </message>
    <message>
        <source>光源</source>
        <translation>촛불</translation>
    </message>
    <message>
        <source>焦点</source>
        <translation>초점</translation>
    </message>
    <message>
        <source>実像ができています。上下が逆さまです。</source>
        <translation>실상이 생깁니다. 위아래가 거꾸로입니다.</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>허상이 보입니다. 방향은 촛불과 같습니다.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>촛불이 초점 위에 있어서 상이 생기지 않습니다.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>촛불은 렌즈 왼쪽 %1, 광축 위 %2에 있습니다.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>촛불은 렌즈 왼쪽 %1, 광축 아래 %2에 있습니다.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>촛불은 렌즈 왼쪽 %1, 광축 위에 서 있습니다.</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>초점 거리는 %1입니다.</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>상은 렌즈 오른쪽 %1에 생기고, 크기는 촛불의 %2입니다.</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>상은 렌즈 왼쪽 %1, 촛불 쪽에 보이고, 크기는 촛불의 %2입니다.</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1칸</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1칸</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1배</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>허상</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>그림 복사</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>그림 저장…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG 그림 (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>SVG 도면 (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>끝났습니다. 이 탭을 닫아도 됩니다.</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>실행 오류로 끝났습니다.</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>다시 시작하려면 페이지를 새로 고치세요.</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>이 브라우저에서는 Tavensu를 실행할 수 없었습니다.</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>PNG 그림으로 저장</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>SVG 도면으로 저장</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>브라우저가 클립보드를 쓰지 못하게 해서 그림을 복사하지 못했습니다. Ctrl+S로 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>장면의 “%1”을(를) 읽을 수 없어 처음 상태로 시작합니다.</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>장면의 “%1”의 횟수를 읽을 수 없어 처음 상태로 시작합니다.</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>장면의 클릭이 너무 많아 처음 상태로 시작합니다.</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>예상해 보세요. 상의 끝이 생길 곳에 표시를 하고 답을 봅니다.</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>예상 표시는 상의 끝에서 %1 떨어져 있었습니다.</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>예상 표시를 하지 않았습니다.</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>상의 위치</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>배율</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>상의 방향</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>실상</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>렌즈 오른쪽</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>촛불 쪽</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>거꾸로</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>바로</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>상 거리 b와 물체 거리 a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b와 1/a: 1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (칸)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (칸)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/칸)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/칸)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1칸</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>장면 복사</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>프로젝터용 화면</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>상의 위치 예상하기</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>답 보기</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>측정 노트에 기록</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>측정 노트 열기</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>장면을 복사했습니다: %1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>클릭이 너무 많아 장면을 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>답을 본 다음에 기록하세요.</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>측정 노트</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>R 키나 광학대 메뉴의 “측정 노트에 기록”으로 지금 장면을 한 줄 기록합니다.</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>측정 표</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>표 복사</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>모두 지우기…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>측정 노트의 줄을 모두 지울까요? (%n줄)</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>줄 지우기…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>%1번째 줄을 지울까요?</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>그래프</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>거리 a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>역수 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>그래프 저장…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>예상 표시는 렌즈 %1 %2, 광축 %3 %4에 있습니다.</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>예상 표시는 렌즈 %1 %2, 광축 위에 있습니다.</translation>
    </message>
    <message>
        <source>右</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>左</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>上</source>
        <translation>위</translation>
    </message>
    <message>
        <source>下</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>닫기</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n줄</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>그래프를 PNG로 저장</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>그래프를 SVG로 저장</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>이 장면의 링크 복사</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>브라우저가 클립보드를 쓰지 못하게 해서 복사하지 못했습니다.</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>h′</source>
        <translation>h′</translation>
    </message>
    <message>
        <source>向き</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>光源の距離 a (マス)</source>
        <translation>물체 거리 a (칸)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>촛불 높이 h (칸)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>초점 거리 f (칸)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>상 거리 b (칸, 허상은 음수)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>상의 높이 h′ (칸)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>저장되어 있던 측정 노트 %1의 일부를 읽을 수 없어 원래 파일을 %2(으)로 남겼습니다. 읽은 %3줄로 계속합니다.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>저장된 측정 노트 %1을(를) 읽을 수 없고 이름을 바꿀 수도 없습니다. 기록은 아직 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>저장된 측정 노트 %1을(를) 읽을 수 없습니다 (%2). 기록은 아직 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>%1이(가) 가득 차서 측정 노트를 저장하지 못했습니다. 공간을 비우면 다음 기록 때 저장됩니다.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>측정 노트를 %1에 저장하지 못했습니다 (%2). 다음 기록 때 다시 저장합니다.</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>측정 노트를 저장했습니다. 저장되지 않은 줄은 없습니다.</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>브라우저 저장 공간</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>이 브라우저는 이 페이지가 저장하지 못하게 합니다</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>브라우저 오류 %1</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>상의 끝이 생길 것 같은 곳을 클릭하거나 탭하거나, Shift+화살표 키로 표시하고, “답 보기”로 답을 봅니다.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>%1번째 줄을 기록했습니다: 실상, b = %2칸.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>%1번째 줄을 기록했습니다: 허상, b = %2칸.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>%1번째 줄을 기록했습니다: 상이 생기지 않습니다.</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>%1번째 줄과 같아서 기록하지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>%n줄이 아직 저장되지 않았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>장면 열기…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>장면 문자열이나 페이지 링크를 붙여 넣으세요:</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>CSV로 저장…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>상이 생기지 않습니다</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>예상하기</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>다음 예상</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>예상 그만하기</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>기록하기</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>수업</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>촛불을 움직여 상을 봅니다. “예상하기”로 상이 생길 곳을 먼저 예상할 수 있습니다.</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>예상: 상의 끝이 생길 것 같은 곳을 탭 (클릭) 해서 표시합니다.</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>예상: 표시했습니다. “답 보기”로 답을 봅니다.</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>답: 표시는 상의 끝에서 %1 떨어져 있었습니다. “다음 예상”으로 촛불을 옮겨 다시 예상합니다.</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>답: 표시를 하지 않았습니다. “다음 예상”으로 다시 예상합니다.</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>답: 촛불이 초점 위에 있어서 상이 생기지 않습니다. “다음 예상”으로 다시 예상합니다.</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>저장 공간이 부족하거나 파일 크기의 한도를 넘습니다</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>쓰기가 허락되지 않습니다</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>읽기가 허락되지 않습니다</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>읽기 전용인 곳입니다</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>그런 폴더가 없습니다</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>파일이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>디스크가 읽기나 쓰기에 실패했습니다</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>열린 파일이 너무 많습니다</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>시스템이 거부했습니다: %1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>%1에 저장하지 못했습니다 (%2).</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>공간을 비운 다음 다시 저장하세요.</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>다른 곳을 골라 다시 저장하세요.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>스크린 위치 x (칸)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>스크린은 렌즈 오른쪽 %1에 있습니다.</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>스크린의 상이 선명합니다.</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>스크린의 상이 흐릿합니다.</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>렌즈가 가려져서 스크린에 빛이 닿지 않습니다.</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>렌즈의 위쪽 절반이 가려져 있습니다.</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>렌즈의 아래쪽 절반이 가려져 있습니다.</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>상이 선명한 곳은 렌즈 오른쪽 %1입니다.</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>스크린을 어디에 두어도 상이 선명하지 않습니다.</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>속이 빈 점: 스크린으로 찾은 위치</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>스크린으로 찾기</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ 스크린</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>스크린 ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>위쪽 절반 가리기</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>아래쪽 절반 가리기</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>스크린을 움직여 상이 선명하게 비치는 곳을 찾습니다. 찾으면 “기록하기”.</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>스크린에 상이 선명하게 비칩니다. “기록하기”로 기록할 수 있습니다.</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>상이 허상이어서 스크린에 비치지 않습니다. 촛불을 초점보다 멀리 옮기면 실상이 생깁니다.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>촛불이 초점 위에 있어서 상이 생기지 않습니다. 스크린에서 찾을 상이 없습니다.</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>상이 스크린을 움직일 수 있는 곳보다 멀리 생깁니다. 촛불을 렌즈에서 멀리 옮기세요.</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>광학대 위에서 얇은 볼록 렌즈가 촛불의 상을 만듭니다.</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>사용법: %1 [옵션]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>옵션:</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>수업 막대와 측정 노트 없이 광학대 창만 표시합니다 (광학대 메뉴에서도 고를 수 있습니다).</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>광학대 창만 표시 (다음 실행부터)</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>장면의 클릭으로 시작합니다. 광학대 메뉴가 복사하는 문자열 (kosen.mr*24.fmove(0))이나 페이지의 그 장면 링크입니다.</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>저장된 측정 노트를 그 창이 저장하는 것과 같은 CSV로 FILE에 쓰고 끝냅니다 (&apos;-&apos;이면 표준 출력).</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>이 도움말을 보이고 끝냅니다.</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>버전을 보이고 끝냅니다.</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>“다음 예상”은 답을 본 뒤에 고릅니다.</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>이미 예상하고 있습니다. 표시를 한 뒤 “답 보기”나 “예상 그만하기”를 고릅니다.</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>스크린과 가리개는 “스크린으로 찾기” 동안에만 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>스크린을 렌즈에서 더 멀리할 수 없습니다.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>스크린을 렌즈에 더 가까이할 수 없습니다.</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>예상하고 있지 않습니다.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>상의 위치가 바뀌어 예상 표시를 지웠습니다. 다시 표시합니다.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>상의 위치가 바뀌어 다음 예상입니다. 상의 끝이 생길 것 같은 곳에 표시합니다.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>측정 노트를 %1에 저장했지만 다시 읽어 보니 달랐습니다. 다음 기록 때 다시 저장합니다.</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>답이 이미 나와 있습니다. “다음 예상”으로 다시 예상합니다.</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>먼저 “예상하기”로 예상한 뒤에 답을 봅니다.</translation>
    </message>
</context>
</TS>
