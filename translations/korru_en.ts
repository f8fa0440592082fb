<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>Step size</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>Move the candle</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>End</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>Optical bench</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>Move the candle down</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>Move the candle up</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>Move the candle towards the lens</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>Move the candle away from the lens</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>Rays</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>Focal pts</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>small</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>A quarter of a square a click</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>big</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>Half a square a click</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>short</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>Focal length 4 squares</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>long</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>Focal length 6 squares</translation>
    </message>
    <message>
        <source>像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>光源</source>
        <translation>Obj.</translation>
    </message>
    <message>
        <source>焦点</source>
        <translation>F</translation>
    </message>
    <message>
        <source>実像ができています。上下が逆さまです。</source>
        <translation>A real image forms, upside down.</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>A virtual image appears, the right way up.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>The candle stands on the focal point: no image forms.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>The candle stands %1 left of the lens, %2 above the axis.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>The candle stands %1 left of the lens, %2 below the axis.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>The candle stands %1 left of the lens, on the axis.</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>The focal length is %1.</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>The image forms %1 right of the lens, %2 the size of the candle.</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>The image appears %1 left of the lens, on the candle&apos;s side, %2 the size of the candle.</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1 squares</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1 square</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1 times</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>Virtual</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>The program has ended. You may close this tab.</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>The program ended because of a run-time error.</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>To start again, reload the page.</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>Tavensu could not run in this browser.</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>Save as PNG picture</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>Save as SVG drawing</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>The browser would not let the picture onto the clipboard, so it was not copied. Ctrl+S saves it.</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>The scene’s “%1” is not understood, so the bench starts as usual.</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>The count in the scene’s “%1” is not understood, so the bench starts as usual.</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>The scene has too many clicks, so the bench starts as usual.</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>Make a prediction: mark where the tip of the image will form, then look at the answer.</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>The mark was %1 from the tip of the image.</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>No mark was made.</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>Image side</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>Right of the lens</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>Candle’s side</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>Inverted</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>Upright</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>Image distance b against candle distance a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b against 1/a: 1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (squares)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (squares)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/square)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/square)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1 squares</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>Copy the scene</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>Projector look</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>Predict the image</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>Show the answer</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>Record in the notebook</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>Open the notebook</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>Scene copied: %1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>Too many clicks to copy the scene.</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>Show the answer before recording.</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>R, or “Record in the notebook” in the bench’s menu, records the scene as it stands as a row.</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>Table of measurements</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>Copy the table</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>Clear…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>Clear every row of the notebook (%n row)?</numerusform>
            <numerusform>Clear every row of the notebook (%n rows)?</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>Remove row…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>Remove row %1?</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>Distances a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>Reciprocals 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>Save the plot…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>The mark is %2 %1 of the lens and %4 %3 the axis.</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>The mark is %2 %1 of the lens, on the axis.</translation>
    </message>
    <message>
        <source>右</source>
        <translation>right</translation>
    </message>
    <message>
        <source>左</source>
        <translation>left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>above</translation>
    </message>
    <message>
        <source>下</source>
        <translation>below</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>Save the plot as PNG</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>Save the plot as SVG</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>Copy a link to this scene</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>The browser would not let the page use the clipboard, so nothing was copied.</translation>
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
        <translation>Way up</translation>
    </message>
    <message>
        <source>光源の距離 a (マス)</source>
        <translation>Candle distance a (squares)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>Candle height h (squares)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>Focal length f (squares)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>Image distance b (squares, negative for a virtual image)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>Image height h′ (squares)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>Part of the kept notebook %1 could not be read, so it was set aside as %2. The notebook goes on with the %3 rows that could be read.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>The kept notebook %1 cannot be read, nor set aside under another name. The rows are not kept yet.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>The kept notebook %1 cannot be read (%2). The rows are not kept yet.</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>%1 is full, so the notebook could not be kept. Make some room and the next record keeps it.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>The notebook could not be kept in %1 (%2). The next record tries again.</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>The notebook is kept again: every row is kept.</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>Browser storage</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>this browser does not let this page keep anything</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>the browser&apos;s error %1</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>Click or tap where you expect the tip of the image, or move the mark with Shift and the arrow keys, then choose “Show the answer”.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>Row %1 recorded: real image, b = %2 squares.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>Row %1 recorded: virtual image, b = %2 squares.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>Row %1 recorded: no image.</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>The same as row %1: not recorded again.</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>%n row not kept yet.</numerusform>
            <numerusform>%n rows not kept yet.</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>Open a scene…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>Paste a scene or a link to the page:</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>No image forms</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>Predict</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>Next prediction</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>Stop predicting</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>Move the candle and watch the image. “Predict” lets you say first where the image will form.</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>Predicting: tap (click) where you expect the tip of the image.</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>Predicting: marked. “Show the answer” shows it.</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>Answer: the mark was %1 from the tip of the image. “Next prediction”: move the candle and predict again.</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>Answer: no mark was made. “Next prediction” predicts again.</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>Answer: the candle stands on the focal point and no image forms. “Next prediction” predicts again.</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>the disk is full, or the file would pass the size allowed</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>writing there is not allowed</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>reading it is not allowed</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>the place is read-only</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>the disk failed to read or write</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>the system refused: %1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>%1 could not be saved (%2).</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>Make some room, then save again.</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>Choose another place and save again.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>Screen position x (squares)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>The screen stands %1 right of the lens.</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>The image on it is sharp.</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>The image on it is blurred.</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>The lens is covered: no light reaches the screen.</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>The upper half of the lens is covered.</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>The lower half of the lens is covered.</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>It is sharp %1 right of the lens.</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>Wherever the screen stands, the image on it is never sharp.</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>Hollow: where the screen showed it sharp</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>Find it on a screen</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ Screen</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>Screen ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>Cover the upper half</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>Cover the lower half</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>Move the screen to find where the image on it is sharp. Found it? “Record”.</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>The image on the screen is sharp. “Record” records it.</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>The image is virtual: no screen shows it. Move the candle beyond the focal point for a real image.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>The candle stands on the focal point and no image forms: there is none to find on the screen.</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>The image forms farther away than the screen can go. Move the candle away from the lens.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>The image has moved, so your mark is gone. Put a new one.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>The image has moved: predict again. Mark where you expect the tip of the image.</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>You are already predicting. Put your mark and choose “Show the answer”, or “Stop predicting”.</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>Predict first (“Predict”), then show the answer.</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>The answer is shown. Choose “Next prediction” to predict again.</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>“Next prediction” comes after the answer.</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>You are not predicting.</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>The screen and the covers work only while you find the image on a screen.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>The screen cannot come any closer to the lens.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>The screen cannot go any further from the lens.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>The notebook was written to %1, but it read back otherwise. The next record keeps it again.</translation>
    </message>
    <message>
        <source>別のウィンドウが測定ノートを保存し続けています</source>
        <translation>another window keeps writing the notebook</translation>
    </message>
    <message>
        <source>普通のファイルではありません</source>
        <translation>it is not an ordinary file</translation>
    </message>
    <message>
        <source>%1 のあるディスク</source>
        <translation>The disk of %1</translation>
    </message>
    <message>
        <source>測定ノート %1 を読めません (%2)。</source>
        <translation>The notebook %1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>測定ノート %1 の一部が読めません。読めた %2 行を書き出します。</source>
        <translation>Part of the notebook %1 cannot be read; exporting the %2 rows that can.</translation>
    </message>
    <message>
        <source>標準出力</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>%1 終わると、その行は失われます。CSV として別の場所に保存しますか?</source>
        <translation>%1 Ending now loses them. Save them as CSV somewhere else?</translation>
    </message>
    <message>
        <source>CSV として保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>保存せずに終わる</source>
        <translation>Quit without saving</translation>
    </message>
    <message>
        <source>終わらない</source>
        <translation>Stay</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>A thin convex lens forms the image of a candle on an optical bench.</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>Show the bench&apos;s window alone, without the lesson&apos;s bar and the notebook beside it (the bench&apos;s menu chooses it too).</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>Show the bench&apos;s window alone (from the next start)</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>Start with the clicks of a scene, as the bench&apos;s menu copies it (kosen.mr*24.fmove(0)), or the page&apos;s link to one.</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>Write the kept notebook as the CSV its window saves to FILE (&apos;-&apos; for standard output) and exit.</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>Show the version and exit.</translation>
    </message>
</context>
</TS>
