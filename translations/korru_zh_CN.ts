<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>焦距</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>移动量</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>移动蜡烛</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>光具座</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>把蜡烛向下移</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>把蜡烛向上移</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>把蜡烛移近透镜</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>把蜡烛移离透镜</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>光屏</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>光线</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>焦点</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>方格</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>小</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>每次移动四分之一格</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>大</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>每次移动半格</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>短</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>焦距 4 格</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>长</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>焦距 6 格</translation>
    </message>
    <message>
        <source>像</source>
        <translation>像</translation>
    </message>
    <message>
        <source>光源</source>
        <translation>蜡烛</translation>
    </message>
    <message>
        <source>焦点</source>
        <translation>焦点</translation>
    </message>
    <message>
        <source>実像ができています。上下が逆さまです。</source>
        <translation>成实像，是倒立的。</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>看到虚像，是正立的。</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>蜡烛在焦点上，不成像。</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>蜡烛在透镜左侧 %1，主光轴上方 %2。</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>蜡烛在透镜左侧 %1，主光轴下方 %2。</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>蜡烛在透镜左侧 %1，立在主光轴上。</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>焦距是 %1。</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>像成在透镜右侧 %1 处，大小是蜡烛的 %2。</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>像出现在透镜左侧 %1 处（蜡烛一侧），大小是蜡烛的 %2。</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1 格</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1 格</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1 倍</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>虚像</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>保存图片…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>SVG 图 (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>程序已结束。可以关闭此标签页。</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>程序因运行错误而结束。</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>要重新开始，请重新加载页面。</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>Tavensu 无法在此浏览器中运行。</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>保存为 PNG 图片</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>保存为 SVG 图</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>浏览器不允许使用剪贴板，所以没有复制图片。可以用 Ctrl+S 保存。</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>场景中的“%1”无法识别，所以从初始状态开始。</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>场景中“%1”的次数无法识别，所以从初始状态开始。</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>场景中的点击太多，所以从初始状态开始。</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>请预测：在像的顶端会出现的位置做标记，然后看答案。</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>标记离像的顶端 %1。</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>没有做标记。</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>像的位置</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>放大率</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>像的正倒</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>实像</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>无</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>透镜右侧</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>蜡烛一侧</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>倒立</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>正立</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>像距 b 与物距 a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b 与 1/a：1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (格)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (格)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/格)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/格)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1 格</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>复制场景</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>投影仪显示</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>预测像的位置</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>看答案</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>记入实验记录</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>打开实验记录</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>已复制场景：%1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>点击太多，无法复制场景。</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>请先看答案再记录。</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>实验记录</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>按 R 键或光具座菜单中的“记入实验记录”，把当前场景记为一行。</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>测量表</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>复制表格</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>全部删除…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>要删除实验记录的全部行吗？(%n 行)</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>删除行…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>要删除第 %1 行吗？</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>距离 a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>倒数 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>保存图像…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>标记在透镜%1 %2、主光轴%3 %4 处。</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>标记在透镜%1 %2 处，在主光轴上。</translation>
    </message>
    <message>
        <source>右</source>
        <translation>右侧</translation>
    </message>
    <message>
        <source>左</source>
        <translation>左侧</translation>
    </message>
    <message>
        <source>上</source>
        <translation>上方</translation>
    </message>
    <message>
        <source>下</source>
        <translation>下方</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>关闭</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>将图像保存为 PNG</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>将图像保存为 SVG</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>复制此场景的链接</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>浏览器不允许使用剪贴板，所以没有复制。</translation>
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
        <translation>正倒</translation>
    </message>
    <message>
        <source>光源の距離 a (マス)</source>
        <translation>物距 a (格)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>蜡烛高度 h (格)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>焦距 f (格)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>像距 b (格，虚像为负)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>像高 h′ (格)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>保存的实验记录 %1 有一部分无法读取，原文件已保留为 %2。用读取到的 %3 行继续。</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>无法读取保存的实验记录 %1，也无法改名。记录尚未保存。</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>无法读取保存的实验记录 %1 (%2)。记录尚未保存。</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>%1 已满，无法保存实验记录。腾出空间后，下次记录时会保存。</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>无法把实验记录保存到 %1 (%2)。下次记录时会再试一次。</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>实验记录已保存，没有未保存的行。</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>浏览器的存储空间</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>此浏览器不允许此页面保存任何内容</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>浏览器错误 %1</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>点击或轻触你认为像的顶端会出现的位置，或用 Shift+方向键做标记，然后选“看答案”。</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>已记录第 %1 行：实像，b = %2 格。</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>已记录第 %1 行：虚像，b = %2 格。</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>已记录第 %1 行：不成像。</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>与第 %1 行相同，没有记录。</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>还有 %n 行没有保存。</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>打开场景…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>请粘贴场景文字或页面链接：</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>保存为 CSV…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>不成像</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>预测</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>下一个预测</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>停止预测</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>课堂</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>移动蜡烛，观察像。用“预测”可以先预测像的位置。</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>预测：轻触 (点击) 你认为像的顶端会出现的位置做标记。</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>预测：已做标记。用“看答案”看答案。</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>答案：标记离像的顶端 %1。用“下一个预测”移动蜡烛再预测一次。</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>答案：没有做标记。用“下一个预测”再预测一次。</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>答案：蜡烛在焦点上，不成像。用“下一个预测”再预测一次。</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>磁盘空间不足，或超过了文件大小的上限</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>不允许在那里写入</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>不允许读取</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>该位置是只读的</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>没有那个文件夹</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>那是文件夹，不是文件</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>磁盘读写失败</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>名称太长</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>打开的文件太多</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>系统拒绝了：%1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>无法保存到 %1 (%2)。</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>请腾出空间后再保存一次。</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>请选择别的位置再保存一次。</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>光屏位置 x (格)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>光屏在透镜右侧 %1 处。</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>光屏上的像是清晰的。</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>光屏上的像是模糊的。</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>透镜被挡住，光到不了光屏。</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>透镜的上半部分被挡住了。</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>透镜的下半部分被挡住了。</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>像在透镜右侧 %1 处最清晰。</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>光屏放在哪里，像都不会清晰。</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>空心：用光屏找到的位置</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>用光屏寻找</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ 光屏</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>光屏 ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>挡住上半部分</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>挡住下半部分</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>移动光屏，找到像最清晰的位置。找到后按“记录”。</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>光屏上的像是清晰的。按“记录”可以记录。</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>像是虚像，光屏上承接不到。把蜡烛移到焦点以外，就能成实像。</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>蜡烛在焦点上，不成像：光屏上没有像可找。</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>像成在光屏移动不到的远处。请把蜡烛移得离透镜远一些。</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>在光具座上，薄凸透镜成蜡烛的像。</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>只显示光具座窗口，旁边不放课堂栏和实验记录（也可在光具座菜单中选择）。</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>只显示光具座窗口（下次启动起）</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>从场景的点击开始：光具座菜单复制的文字 (kosen.mr*24.fmove(0))，或页面中该场景的链接。</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>把保存的实验记录按其窗口保存的 CSV 格式写入 FILE（“-”表示标准输出），然后结束。</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>显示此帮助并结束。</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>显示版本并结束。</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>看过答案后才能选择“下一个预测”。</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>已经在预测中。请做好标记，然后选择“看答案”或“停止预测”。</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>光屏和遮挡只能在“用光屏寻找”时使用。</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>光屏不能再远离透镜了。</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>光屏不能再靠近透镜了。</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>现在没有在预测。</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>像的位置变了，预测的标记已删除。请重新做标记。</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>像的位置变了，开始下一个预测。请在你认为像的尖端所在处做标记。</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>测量笔记已保存到 %1，但读回时内容不同。下次记录时会再次保存。</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>答案已经显示。选择“下一个预测”再预测一次。</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>先用“预测”做预测，再看答案。</translation>
    </message>
</context>
</TS>
