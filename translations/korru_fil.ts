<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>Haba ng pokus</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>Ipakita</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>Hakbang</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>Ilipat ang kandila</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>Tapusin</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>Optical bench</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>Ibaba ang kandila</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>Itaas ang kandila</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>Ilapit ang kandila sa lente</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>Ilayo ang kandila sa lente</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>Iskrin</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>Sinag</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>Pokus</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>¼</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>Sangkapat na kahon bawat klik</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>½</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>Kalahating kahon bawat klik</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>4</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>Haba ng pokus 4 na kahon</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>6</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>Haba ng pokus 6 na kahon</translation>
    </message>
    <message>
        <source>像</source>
        <translation>Imahe</translation>
    </message>
    <message>
        <source>光源</source>
        <translation>Bagay</translation>
    </message>
    <message>
        <source>焦点</source>
        <translation>F</translation>
    </message>
    <message>
        <source>実像ができています。上下が逆さまです。</source>
        <translation>May tunay na imahe, nakabaligtad.</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>May virtual na imahe, nakatayo nang tuwid.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>Nasa pokus ang kandila: walang nabubuong imahe.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>Ang kandila ay %1 sa kaliwa ng lente, %2 sa itaas ng aksis.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>Ang kandila ay %1 sa kaliwa ng lente, %2 sa ibaba ng aksis.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>Ang kandila ay %1 sa kaliwa ng lente, nakatayo sa aksis.</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>Ang haba ng pokus ay %1.</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>Nabubuo ang imahe %1 sa kanan ng lente, %2 ang laki ng kandila.</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>Lumilitaw ang imahe %1 sa kaliwa ng lente, sa panig ng kandila, %2 ang laki ng kandila.</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1 kahon</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1 kahon</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1 beses</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>Virtual</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>Kopyahin ang larawan</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>I-save ang larawan…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>Larawang PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>Guhit na SVG (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>Tapos na ang programa. Maaari mo nang isara ang tab na ito.</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>Natapos ang programa dahil sa error habang tumatakbo.</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>Para magsimula ulit, i-reload ang pahina.</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>Hindi mapatakbo ang Tavensu sa browser na ito.</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>I-save bilang larawang PNG</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>I-save bilang guhit na SVG</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>Hindi pinayagan ng browser na ilagay ang larawan sa clipboard, kaya hindi ito nakopya. Sa Ctrl+S, mase-save ito.</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>Hindi maintindihan ang “%1” ng eksena, kaya nagsisimula ang bench gaya ng dati.</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>Hindi maintindihan ang bilang sa “%1” ng eksena, kaya nagsisimula ang bench gaya ng dati.</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>Napakaraming klik ng eksena, kaya nagsisimula ang bench gaya ng dati.</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>Manghula: markahan kung saan mabubuo ang dulo ng imahe, saka tingnan ang sagot.</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>Ang marka ay %1 mula sa dulo ng imahe.</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>Walang inilagay na marka.</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>Panig ng imahe</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Paglaki</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>Oryentasyon</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>Tunay</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Wala</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>Kanan ng lente</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>Panig ng kandila</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>Baligtad</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>Tuwid</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>Layo ng imahe b laban sa layo ng kandila a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b laban sa 1/a: 1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (kahon)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (kahon)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/kahon)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/kahon)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1 kahon</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>Kopyahin ang eksena</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>Anyo para sa projector</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>Hulaan ang imahe</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>Ipakita ang sagot</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>Itala sa kuwaderno</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>Buksan ang kuwaderno</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>Nakopya ang eksena: %1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>Napakaraming klik para kopyahin ang eksena.</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>Ipakita muna ang sagot bago magtala.</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>Kuwaderno</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>Ang R, o “Itala sa kuwaderno” sa menu ng bench, ay nagtatala ng kasalukuyang eksena bilang isang hanay.</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>Talaan ng mga sukat</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>Kopyahin ang talaan</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>Burahin lahat…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>Burahin ang lahat ng hanay ng kuwaderno (%n hanay)?</numerusform>
            <numerusform>Burahin ang lahat ng hanay ng kuwaderno (%n hanay)?</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>Alisin ang hanay…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>Alisin ang hanay %1?</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>Mga layo a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>Mga reciprocal 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>I-save ang graph…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>Mga file na CSV (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>Ang marka ay %2 sa %1 ng lente at %4 sa %3 ng aksis.</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>Ang marka ay %2 sa %1 ng lente, nasa aksis.</translation>
    </message>
    <message>
        <source>右</source>
        <translation>kanan</translation>
    </message>
    <message>
        <source>左</source>
        <translation>kaliwa</translation>
    </message>
    <message>
        <source>上</source>
        <translation>itaas</translation>
    </message>
    <message>
        <source>下</source>
        <translation>ibaba</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Isara</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n hanay</numerusform>
            <numerusform>%n hanay</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>I-save ang graph bilang PNG</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>I-save ang graph bilang SVG</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>Kopyahin ang link sa eksenang ito</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>Hindi pinayagan ng browser na gamitin ng pahina ang clipboard, kaya walang nakopya.</translation>
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
        <translation>Ayos</translation>
    </message>
    <message>
        <source>光源の距離 a (マス)</source>
        <translation>Layo ng kandila a (kahon)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>Taas ng kandila h (kahon)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>Haba ng pokus f (kahon)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>Layo ng imahe b (kahon, negatibo kung virtual ang imahe)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>Taas ng imahe h′ (kahon)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>Hindi mabasa ang bahagi ng nakatagong kuwaderno %1, kaya itinabi ito bilang %2. Nagpapatuloy ang kuwaderno sa %3 hanay na nabasa.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>Hindi mabasa ang nakatagong kuwaderno %1, at hindi rin maitabi sa ibang pangalan. Hindi pa nakatago ang mga hanay.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>Hindi mabasa ang nakatagong kuwaderno %1 (%2). Hindi pa nakatago ang mga hanay.</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>Puno na ang %1, kaya hindi naitago ang kuwaderno. Magbakante ng espasyo at itatago ito ng susunod na pagtatala.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>Hindi naitago ang kuwaderno sa %1 (%2). Susubukan ulit sa susunod na pagtatala.</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>Nakatago na ulit ang kuwaderno: nakatago ang bawat hanay.</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>Imbakan ng browser</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>hindi pinapayagan ng browser na ito na magtago ng kahit ano ang pahinang ito</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>ang error %1 ng browser</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>I-klik o i-tap kung saan sa tingin mo ang dulo ng imahe, o ilipat ang marka gamit ang Shift at mga arrow key, saka piliin ang “Ipakita ang sagot”.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>Naitala ang hanay %1: tunay na imahe, b = %2 kahon.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>Naitala ang hanay %1: virtual na imahe, b = %2 kahon.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>Naitala ang hanay %1: walang imahe.</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>Kapareho ng hanay %1: hindi na itinala ulit.</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>%n hanay ang hindi pa nakatago.</numerusform>
            <numerusform>%n hanay ang hindi pa nakatago.</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>Magbukas ng eksena…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>I-paste ang eksena o link sa pahina:</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>I-save bilang CSV…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>Walang nabubuong imahe</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>Manghula</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>Susunod na hula</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>Itigil ang hula</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>Itala</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>Aralin</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>Ilipat ang kandila at tingnan ang imahe. Sa “Manghula”, masasabi mo muna kung saan mabubuo ang imahe.</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>Hula: i-tap (i-klik) kung saan sa tingin mo ang dulo ng imahe.</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>Hula: may marka na. Ipinapakita ito ng “Ipakita ang sagot”.</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>Sagot: ang marka ay %1 mula sa dulo ng imahe. “Susunod na hula”: ilipat ang kandila at manghula ulit.</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>Sagot: walang inilagay na marka. Sa “Susunod na hula”, manghula ulit.</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>Sagot: nasa pokus ang kandila at walang nabubuong imahe. Sa “Susunod na hula”, manghula ulit.</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>puno na ang disk, o lalampas ang file sa pinapayagang laki</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>hindi pinapayagang sumulat doon</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>hindi pinapayagang basahin ito</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>read-only ang lugar na iyon</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>walang ganoong folder</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>folder ito, hindi file</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>pumalya ang disk sa pagbasa o pagsulat</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>masyadong mahaba ang pangalan</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>napakaraming nakabukas na file</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>tumanggi ang sistema: %1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>Hindi na-save ang %1 (%2).</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>Magbakante ng espasyo, saka i-save ulit.</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>Pumili ng ibang lugar at i-save ulit.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>Posisyon ng iskrin x (kahon)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>Ang iskrin ay %1 sa kanan ng lente.</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>Malinaw ang imahe sa iskrin.</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>Malabo ang imahe sa iskrin.</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>Natatakpan ang lente: walang liwanag na umaabot sa iskrin.</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>Natatakpan ang itaas na kalahati ng lente.</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>Natatakpan ang ibabang kalahati ng lente.</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>Malinaw ito %1 sa kanan ng lente.</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>Saanman ilagay ang iskrin, hindi kailanman luminaw ang imahe rito.</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>Guwang: kung saan ito ipinakitang malinaw ng iskrin</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>Hanapin sa iskrin</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ Iskrin</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>Iskrin ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>Takpan ang itaas</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>Takpan ang ibaba</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>Ilipat ang iskrin hanggang lumiwanag ang imahe rito. Nahanap mo? “Itala”.</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>Malinaw ang imahe sa iskrin. Sa “Itala”, maitatala ito.</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>Virtual ang imahe: walang iskrin na makapagpapakita nito. Ilayo ang kandila lampas sa pokus para sa tunay na imahe.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>Nasa pokus ang kandila at walang nabubuong imahe: walang hahanapin sa iskrin.</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>Nabubuo ang imahe nang mas malayo kaysa maaabot ng iskrin. Ilayo ang kandila sa lente.</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Wika</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>Isang manipis na convex na lente ang bumubuo ng imahe ng kandila sa optical bench.</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>Paggamit: %1 [mga opsiyon]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Mga opsiyon:</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>Ipakita lamang ang window ng bench, nang walang bar ng aralin at kuwaderno sa tabi nito (mapipili rin ito sa menu ng bench).</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>Ipakita lamang ang window ng bench (mula sa susunod na pagbukas)</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>Magsimula sa mga klik ng isang eksena, gaya ng pagkopya nito ng menu ng bench (kosen.mr*24.fmove(0)), o sa link ng pahina rito.</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>Isulat ang nakatagong kuwaderno sa FILE bilang CSV na sine-save ng window nito (&apos;-&apos; para sa standard output) at lumabas.</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>Ipakita ang tulong na ito at lumabas.</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>Ipakita ang bersiyon at lumabas.</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>Ang “Susunod na hula” ay pagkatapos makita ang sagot.</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>Nanghuhula ka na. Maglagay ng marka at piliin ang “Ipakita ang sagot” o “Itigil ang hula”.</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>Magagamit lang ang iskrin at ang mga takip habang “Hanapin sa iskrin”.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>Hindi na mailalayo pa ang iskrin sa lente.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>Hindi na mailalapit pa ang iskrin sa lente.</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>Hindi ka nanghuhula.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>Gumalaw ang larawan, kaya binura ang iyong marka. Maglagay ng bago.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>Gumalaw ang larawan: bagong hula. Markahan kung saan mo inaasahan ang dulo ng larawan.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>Naisulat ang kuwaderno sa %1, pero iba ito nang basahin muli. Itatago itong muli sa susunod na tala.</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>Nakalabas na ang sagot. Piliin ang “Susunod na hula” para manghula muli.</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>Manghula muna (“Manghula”), saka tingnan ang sagot.</translation>
    </message>
</context>
</TS>
