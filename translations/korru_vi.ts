<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>Tiêu cự</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>Hiển thị</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>Bước</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>Di chuyển nến</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>Giá quang học</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>Dời nến xuống</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>Dời nến lên</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>Dời nến lại gần thấu kính</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>Dời nến ra xa thấu kính</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>Màn</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>Tia sáng</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>Điểm F</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>Lưới ô</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>nhỏ</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>Mỗi lần dời một phần tư ô</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>lớn</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>Mỗi lần dời nửa ô</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>ngắn</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>Tiêu cự 4 ô</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>dài</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>Tiêu cự 6 ô</translation>
    </message>
    <message>
        <source>像</source>
        <translation>Ảnh</translation>
    </message>
    <message>
        <source>光源</source>
        <translation>Vật</translation>
    </message>
    <message>
        <source>焦点</source>
        <translation>F</translation>
    </message>
    <message>
        <source>実像ができています。上下が逆さまです。</source>
        <translation>Có ảnh thật, ngược chiều.</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>Thấy ảnh ảo, cùng chiều với vật.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>Nến ở tại tiêu điểm: không có ảnh.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>Nến ở bên trái thấu kính %1, phía trên trục chính %2.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>Nến ở bên trái thấu kính %1, phía dưới trục chính %2.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>Nến ở bên trái thấu kính %1, đứng trên trục chính.</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>Tiêu cự là %1.</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>Ảnh hiện ra bên phải thấu kính %1, lớn bằng %2 nến.</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>Ảnh hiện ra bên trái thấu kính %1, cùng phía với nến, lớn bằng %2 nến.</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1 ô</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1 ô</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1 lần</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>Ảnh ảo</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>Chép hình</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>Lưu hình…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>Hình PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>Hình vẽ SVG (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>Chương trình đã kết thúc. Có thể đóng thẻ này.</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>Chương trình kết thúc do lỗi khi chạy.</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>Để bắt đầu lại, hãy tải lại trang.</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>Tavensu không chạy được trên trình duyệt này.</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>Lưu thành hình PNG</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>Lưu thành hình vẽ SVG</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>Trình duyệt không cho dùng bộ nhớ tạm nên không chép được hình. Ctrl+S để lưu hình.</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>Không hiểu “%1” của cảnh, nên giá quang học bắt đầu như thường.</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>Không hiểu số lần trong “%1” của cảnh, nên giá quang học bắt đầu như thường.</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>Cảnh có quá nhiều cú nhấp, nên giá quang học bắt đầu như thường.</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>Hãy dự đoán: đánh dấu chỗ đầu của ảnh sẽ hiện ra, rồi xem đáp án.</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>Dấu cách đầu của ảnh %1.</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>Chưa đánh dấu.</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>Phía của ảnh</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Độ phóng đại</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>Chiều ảnh</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>Ảnh thật</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Không có</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>Bên phải thấu kính</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>Phía nến</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>Ngược chiều</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>Cùng chiều</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>Khoảng cách ảnh b theo khoảng cách vật a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b theo 1/a: 1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (ô)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (ô)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/ô)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/ô)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1 ô</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>Chép cảnh</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>Giao diện cho máy chiếu</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>Dự đoán vị trí ảnh</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>Xem đáp án</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>Ghi vào sổ đo</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>Mở sổ đo</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>Đã chép cảnh: %1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>Quá nhiều cú nhấp nên không chép được cảnh.</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>Hãy xem đáp án trước khi ghi.</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>Sổ đo</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>Phím R, hoặc “Ghi vào sổ đo” trong menu của giá quang học, ghi cảnh hiện tại thành một dòng.</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>Bảng số đo</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>Chép bảng</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>Xóa hết…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>Xóa mọi dòng của sổ đo (%n dòng)?</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>Xóa dòng…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>Xóa dòng %1?</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Đồ thị</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>Khoảng cách a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>Nghịch đảo 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>Lưu đồ thị…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>Tệp CSV (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>Dấu ở bên %1 thấu kính %2, phía %3 trục chính %4.</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>Dấu ở bên %1 thấu kính %2, trên trục chính.</translation>
    </message>
    <message>
        <source>右</source>
        <translation>phải</translation>
    </message>
    <message>
        <source>左</source>
        <translation>trái</translation>
    </message>
    <message>
        <source>上</source>
        <translation>trên</translation>
    </message>
    <message>
        <source>下</source>
        <translation>dưới</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Đóng</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n dòng</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>Lưu đồ thị thành PNG</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>Lưu đồ thị thành SVG</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>Chép liên kết đến cảnh này</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>Trình duyệt không cho trang dùng bộ nhớ tạm nên không chép được gì.</translation>
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
        <translation>Chiều</translation>
    </message>
    <message>
        <source>光源の距離 a (マス)</source>
        <translation>Khoảng cách vật a (ô)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>Chiều cao vật h (ô)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>Tiêu cự f (ô)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>Khoảng cách ảnh b (ô, âm với ảnh ảo)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>Chiều cao ảnh h′ (ô)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>Một phần sổ đo đã lưu %1 không đọc được nên được giữ lại với tên %2. Sổ đo tiếp tục với %3 dòng đọc được.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>Không đọc được sổ đo đã lưu %1, cũng không giữ lại dưới tên khác được. Các dòng chưa được lưu.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>Không đọc được sổ đo đã lưu %1 (%2). Các dòng chưa được lưu.</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>%1 đã đầy nên không lưu được sổ đo. Hãy dọn chỗ trống, lần ghi sau sẽ lưu.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>Không lưu được sổ đo vào %1 (%2). Lần ghi sau sẽ thử lại.</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>Sổ đo đã được lưu lại: mọi dòng đều đã lưu.</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>Bộ nhớ của trình duyệt</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>trình duyệt này không cho trang này lưu gì cả</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>lỗi %1 của trình duyệt</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>Nhấp hoặc chạm vào chỗ bạn nghĩ đầu của ảnh sẽ hiện ra, hoặc dời dấu bằng Shift và phím mũi tên, rồi chọn “Xem đáp án”.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>Đã ghi dòng %1: ảnh thật, b = %2 ô.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>Đã ghi dòng %1: ảnh ảo, b = %2 ô.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>Đã ghi dòng %1: không có ảnh.</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>Giống dòng %1: không ghi lại.</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>%n dòng chưa được lưu.</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>Mở cảnh…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>Dán một cảnh hoặc liên kết đến trang:</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>Lưu thành CSV…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>Không có ảnh</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>Dự đoán</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>Dự đoán tiếp</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>Thôi dự đoán</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>Ghi</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>Bài học</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>Di chuyển nến và quan sát ảnh. “Dự đoán” cho bạn nói trước ảnh sẽ hiện ra ở đâu.</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>Dự đoán: chạm (nhấp) vào chỗ bạn nghĩ đầu của ảnh sẽ hiện ra.</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>Dự đoán: đã đánh dấu. “Xem đáp án” để xem.</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>Đáp án: dấu cách đầu của ảnh %1. “Dự đoán tiếp”: dời nến rồi dự đoán lại.</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>Đáp án: chưa đánh dấu. “Dự đoán tiếp” để dự đoán lại.</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>Đáp án: nến ở tại tiêu điểm nên không có ảnh. “Dự đoán tiếp” để dự đoán lại.</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>đĩa đã đầy, hoặc tệp sẽ vượt quá kích thước cho phép</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>không được phép ghi vào đó</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>không được phép đọc</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>chỗ này chỉ đọc</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>không có thư mục đó</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>đó là thư mục, không phải tệp</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>đĩa đọc hoặc ghi bị lỗi</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>tên quá dài</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>có quá nhiều tệp đang mở</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>hệ thống từ chối: %1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>Không lưu được %1 (%2).</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>Hãy dọn chỗ trống rồi lưu lại.</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>Hãy chọn chỗ khác rồi lưu lại.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>Vị trí màn x (ô)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>Màn ở bên phải thấu kính %1.</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>Ảnh trên màn rõ nét.</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>Ảnh trên màn bị mờ.</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>Thấu kính bị che: không có ánh sáng tới màn.</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>Nửa trên của thấu kính bị che.</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>Nửa dưới của thấu kính bị che.</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>Ảnh rõ nét ở bên phải thấu kính %1.</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>Đặt màn ở đâu thì ảnh trên màn cũng không rõ nét.</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>Rỗng: chỗ màn cho ảnh rõ nét</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>Tìm ảnh bằng màn</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ Màn</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>Màn ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>Che nửa trên</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>Che nửa dưới</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>Dời màn để tìm chỗ ảnh trên màn rõ nét. Tìm được rồi? “Ghi”.</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>Ảnh trên màn đã rõ nét. “Ghi” để ghi lại.</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>Ảnh là ảnh ảo: không màn nào hứng được. Dời nến ra xa hơn tiêu điểm để có ảnh thật.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>Nến ở tại tiêu điểm nên không có ảnh: không có ảnh nào để tìm trên màn.</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>Ảnh hiện ra xa hơn chỗ màn có thể tới. Dời nến ra xa thấu kính.</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>Một thấu kính hội tụ mỏng tạo ảnh của cây nến trên giá quang học.</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>Cách dùng: %1 [tùy chọn]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Tùy chọn:</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>Chỉ hiện cửa sổ giá quang học, không có thanh bài học và sổ đo bên cạnh (cũng chọn được trong menu của giá quang học).</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>Chỉ hiện cửa sổ giá quang học (từ lần khởi động sau)</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>Bắt đầu với các cú nhấp của một cảnh, như menu của giá quang học chép nó (kosen.mr*24.fmove(0)), hoặc liên kết của trang đến cảnh đó.</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>Ghi sổ đo đã lưu vào FILE dưới dạng CSV mà cửa sổ của nó lưu (&apos;-&apos; là đầu ra chuẩn) rồi thoát.</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>Hiện trợ giúp này rồi thoát.</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>Hiện phiên bản rồi thoát.</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>“Dự đoán tiếp” chỉ chọn được sau khi xem đáp án.</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>Bạn đang dự đoán rồi. Hãy đánh dấu rồi chọn “Xem đáp án” hoặc “Thôi dự đoán”.</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>Màn và tấm che chỉ dùng được khi đang “Tìm ảnh bằng màn”.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>Không thể đưa màn ra xa thấu kính hơn nữa.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>Không thể đưa màn lại gần thấu kính hơn nữa.</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>Bạn đang không dự đoán.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>Ảnh đã đổi chỗ nên dấu dự đoán đã bị xoá. Hãy đánh dấu lại.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>Ảnh đã đổi chỗ: dự đoán tiếp. Hãy đánh dấu chỗ bạn nghĩ đỉnh của ảnh sẽ hiện ra.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>Sổ đo đã được ghi vào %1 nhưng khi đọc lại thì khác. Lần ghi sau sẽ lưu lại.</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>Đáp án đã hiện ra. Chọn “Dự đoán tiếp” để dự đoán lại.</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>Hãy dự đoán trước (“Dự đoán”), rồi mới xem đáp án.</translation>
    </message>
</context>
</TS>
