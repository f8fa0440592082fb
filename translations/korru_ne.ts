<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ne" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>फोकल लम्बाइ</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>देखाउनुहोस्</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>चालको नाप</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>मैनबत्ती सार्नुहोस्</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>अन्त्य</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>अप्टिकल बेन्च</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>मैनबत्ती तल सार्नुहोस्</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>मैनबत्ती माथि सार्नुहोस्</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>मैनबत्ती लेन्सतिर सार्नुहोस्</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>मैनबत्ती लेन्सबाट टाढा सार्नुहोस्</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>पर्दा</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>किरण</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>फोकस</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>ग्रिड</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>सानो</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>एक क्लिकमा एक चौथाइ कोठा</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>ठूलो</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>एक क्लिकमा आधा कोठा</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>छोटो</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>फोकल लम्बाइ 4 कोठा</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>लामो</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>फोकल लम्बाइ 6 कोठा</translation>
    </message>
    <message>
        <source>像</source>
        <translation>प्रतिबिम्ब</translation>
    </message>
    <message>
        <source>光源</source>
        <translation>वस्तु</translation>
    </message>
    <message>
        <source>焦点</source>
        <translation>F</translation>
    </message>
    <message>
        <source>実像ができています。上下が逆さまです。</source>
        <translation>वास्तविक प्रतिबिम्ब बन्छ, उल्टो।</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>काल्पनिक प्रतिबिम्ब देखिन्छ, सुल्टो।</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>मैनबत्ती फोकसमा छ: प्रतिबिम्ब बन्दैन।</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>मैनबत्ती लेन्सको %1 बायाँ, अक्षभन्दा %2 माथि छ।</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>मैनबत्ती लेन्सको %1 बायाँ, अक्षभन्दा %2 तल छ।</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>मैनबत्ती लेन्सको %1 बायाँ, अक्षमाथि उभिएको छ।</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>फोकल लम्बाइ %1 हो।</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>प्रतिबिम्ब लेन्सको %1 दायाँ बन्छ, मैनबत्तीको %2 आकारको।</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>प्रतिबिम्ब लेन्सको %1 बायाँ, मैनबत्तीकै पट्टि देखिन्छ, मैनबत्तीको %2 आकारको।</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1 कोठा</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1 कोठा</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1 गुणा</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>काल्पनिक</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>चित्र कपी</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>चित्र सेभ…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>SVG रेखाचित्र (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>कार्यक्रम सकियो। यो ट्याब बन्द गर्न सक्नुहुन्छ।</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>चलाउँदा त्रुटि भएकाले कार्यक्रम सकियो।</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>फेरि सुरु गर्न पृष्ठ पुनः लोड गर्नुहोस्।</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>यो ब्राउजरमा Tavensu चल्न सकेन।</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>PNG चित्रका रूपमा सेभ गर्नुहोस्</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>SVG रेखाचित्रका रूपमा सेभ गर्नुहोस्</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>ब्राउजरले क्लिपबोर्ड प्रयोग गर्न दिएन, त्यसैले चित्र कपी भएन। Ctrl+S ले सेभ गर्छ।</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>दृश्यको “%1” बुझिएन, त्यसैले बेन्च सधैँझैँ सुरु हुन्छ।</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>दृश्यको “%1” मा भएको सङ्ख्या बुझिएन, त्यसैले बेन्च सधैँझैँ सुरु हुन्छ।</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>दृश्यमा धेरै क्लिक छन्, त्यसैले बेन्च सधैँझैँ सुरु हुन्छ।</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>अनुमान गर्नुहोस्: प्रतिबिम्बको टुप्पो कहाँ बन्छ भनी चिनो लगाउनुहोस्, अनि उत्तर हेर्नुहोस्।</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>चिनो प्रतिबिम्बको टुप्पोबाट %1 टाढा थियो।</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>कुनै चिनो लगाइएन।</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>प्रतिबिम्बको पट्टि</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>आवर्धन</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>दिशा</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>वास्तविक</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>छैन</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>लेन्सको दायाँ</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>मैनबत्तीको पट्टि</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>उल्टो</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>सुल्टो</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>प्रतिबिम्बको दूरी b र मैनबत्तीको दूरी a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b र 1/a: 1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (कोठा)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (कोठा)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/कोठा)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/कोठा)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1 कोठा</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>दृश्य कपी गर्नुहोस्</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>प्रोजेक्टरका लागि दृश्य</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>प्रतिबिम्बको अनुमान</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>उत्तर हेर्नुहोस्</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>नोटबुकमा लेख्नुहोस्</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>नोटबुक खोल्नुहोस्</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>दृश्य कपी भयो: %1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>क्लिक धेरै भएकाले दृश्य कपी गर्न सकिँदैन।</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>लेख्नुअघि उत्तर हेर्नुहोस्।</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>नोटबुक</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>R, वा बेन्चको मेनुमा “नोटबुकमा लेख्नुहोस्” ले अहिलेको दृश्य एक पङ्क्तिमा लेख्छ।</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>नापको तालिका</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>तालिका कपी गर्नुहोस्</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>सबै मेटाउनुहोस्…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>नोटबुकका सबै पङ्क्ति मेटाउने (%n पङ्क्ति)?</numerusform>
            <numerusform>नोटबुकका सबै पङ्क्ति मेटाउने (%n पङ्क्ति)?</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>पङ्क्ति हटाउनुहोस्…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>पङ्क्ति %1 हटाउने?</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>ग्राफ</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>दूरी a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>उल्टो अङ्क 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>ग्राफ सेभ…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV फाइल (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>चिनो लेन्सको %2 %1, अक्षभन्दा %4 %3 छ।</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>चिनो लेन्सको %2 %1, अक्षमाथि छ।</translation>
    </message>
    <message>
        <source>右</source>
        <translation>दायाँ</translation>
    </message>
    <message>
        <source>左</source>
        <translation>बायाँ</translation>
    </message>
    <message>
        <source>上</source>
        <translation>माथि</translation>
    </message>
    <message>
        <source>下</source>
        <translation>तल</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>बन्द गर्नुहोस्</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n पङ्क्ति</numerusform>
            <numerusform>%n पङ्क्ति</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>ग्राफ PNG मा सेभ गर्नुहोस्</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>ग्राफ SVG मा सेभ गर्नुहोस्</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>यो दृश्यको लिङ्क कपी गर्नुहोस्</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>ब्राउजरले पृष्ठलाई क्लिपबोर्ड प्रयोग गर्न दिएन, त्यसैले केही कपी भएन।</translation>
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
        <translation>दिशा</translation>
    </message>
    <message>
        <source>光源の距離 a (マス)</source>
        <translation>मैनबत्तीको दूरी a (कोठा)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>मैनबत्तीको उचाइ h (कोठा)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>फोकल लम्बाइ f (कोठा)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>प्रतिबिम्बको दूरी b (कोठा, काल्पनिक प्रतिबिम्बमा ऋणात्मक)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>प्रतिबिम्बको उचाइ h′ (कोठा)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>राखिएको नोटबुक %1 को केही भाग पढ्न सकिएन, त्यसैले यसलाई %2 नाममा छुट्टै राखियो। पढ्न सकिएका %3 पङ्क्तिसँग नोटबुक अघि बढ्छ।</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>राखिएको नोटबुक %1 पढ्न सकिएन, अर्को नाममा छुट्टै राख्न पनि सकिएन। पङ्क्तिहरू अझै राखिएका छैनन्।</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>राखिएको नोटबुक %1 पढ्न सकिएन (%2)। पङ्क्तिहरू अझै राखिएका छैनन्।</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>%1 भरिएकाले नोटबुक राख्न सकिएन। ठाउँ खाली गर्नुहोस्, अर्को लेखाइले राख्नेछ।</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>नोटबुक %1 मा राख्न सकिएन (%2)। अर्को लेखाइले फेरि प्रयास गर्छ।</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>नोटबुक फेरि राखियो: सबै पङ्क्ति राखिएका छन्।</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>ब्राउजरको भण्डार</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>यो ब्राउजरले यो पृष्ठलाई केही राख्न दिँदैन</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>ब्राउजरको त्रुटि %1</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>प्रतिबिम्बको टुप्पो बन्ला भन्ने ठाउँमा क्लिक वा ट्याप गर्नुहोस्, वा Shift र तीर कुञ्जीले चिनो सार्नुहोस्, अनि “उत्तर हेर्नुहोस्” छान्नुहोस्।</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>पङ्क्ति %1 लेखियो: वास्तविक प्रतिबिम्ब, b = %2 कोठा।</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>पङ्क्ति %1 लेखियो: काल्पनिक प्रतिबिम्ब, b = %2 कोठा।</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>पङ्क्ति %1 लेखियो: प्रतिबिम्ब छैन।</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>पङ्क्ति %1 जस्तै: फेरि लेखिएन।</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>%n पङ्क्ति अझै राखिएको छैन।</numerusform>
            <numerusform>%n पङ्क्ति अझै राखिएका छैनन्।</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>दृश्य खोल्नुहोस्…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>दृश्य वा पृष्ठको लिङ्क टाँस्नुहोस्:</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>CSV मा सेभ…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>प्रतिबिम्ब बन्दैन</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>अनुमान</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>अर्को अनुमान</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>अनुमान रोक्नुहोस्</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>लेख्नुहोस्</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>पाठ</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>मैनबत्ती सारेर प्रतिबिम्ब हेर्नुहोस्। “अनुमान” ले प्रतिबिम्ब कहाँ बन्छ भनी पहिले भन्न दिन्छ।</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>अनुमान: प्रतिबिम्बको टुप्पो बन्ला भन्ने ठाउँमा ट्याप (क्लिक) गर्नुहोस्।</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>अनुमान: चिनो लगाइयो। “उत्तर हेर्नुहोस्” ले देखाउँछ।</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>उत्तर: चिनो प्रतिबिम्बको टुप्पोबाट %1 टाढा थियो। “अर्को अनुमान”: मैनबत्ती सारेर फेरि अनुमान गर्नुहोस्।</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>उत्तर: कुनै चिनो लगाइएन। “अर्को अनुमान” ले फेरि अनुमान गर्छ।</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>उत्तर: मैनबत्ती फोकसमा छ र प्रतिबिम्ब बन्दैन। “अर्को अनुमान” ले फेरि अनुमान गर्छ।</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>डिस्क भरियो, वा फाइल अनुमति भएको आकारभन्दा ठूलो हुन्छ</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>त्यहाँ लेख्न अनुमति छैन</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>यसलाई पढ्न अनुमति छैन</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>यो ठाउँ पढ्न मात्र मिल्ने हो</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>त्यस्तो फोल्डर छैन</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>यो फाइल होइन, फोल्डर हो</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>डिस्कले पढ्न वा लेख्न सकेन</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>नाम धेरै लामो छ</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>धेरै फाइलहरू खुला छन्</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>प्रणालीले अस्वीकार गर्‍यो: %1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>%1 सेभ गर्न सकिएन (%2)।</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>ठाउँ खाली गरेर फेरि सेभ गर्नुहोस्।</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>अर्को ठाउँ छानेर फेरि सेभ गर्नुहोस्।</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>पर्दाको स्थान x (कोठा)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>पर्दा लेन्सको %1 दायाँ छ।</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>पर्दामा प्रतिबिम्ब स्पष्ट छ।</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>पर्दामा प्रतिबिम्ब धमिलो छ।</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>लेन्स छोपिएको छ: पर्दासम्म प्रकाश पुग्दैन।</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>लेन्सको माथिल्लो आधा छोपिएको छ।</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>लेन्सको तल्लो आधा छोपिएको छ।</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>लेन्सको %1 दायाँ स्पष्ट हुन्छ।</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>पर्दा जहाँ राखे पनि प्रतिबिम्ब कहिल्यै स्पष्ट हुँदैन।</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>खोक्रो: पर्दाले स्पष्ट देखाएको ठाउँ</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>पर्दामा खोज्नुहोस्</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ पर्दा</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>पर्दा ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>माथिल्लो आधा छोप्नुहोस्</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>तल्लो आधा छोप्नुहोस्</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>प्रतिबिम्ब स्पष्ट देखिने ठाउँ खोज्न पर्दा सार्नुहोस्। भेटियो? “लेख्नुहोस्”।</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>पर्दामा प्रतिबिम्ब स्पष्ट देखिन्छ। “लेख्नुहोस्” ले यसलाई लेख्छ।</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>प्रतिबिम्ब काल्पनिक हो: कुनै पर्दामा देखिँदैन। वास्तविक प्रतिबिम्बका लागि मैनबत्ती फोकसभन्दा टाढा सार्नुहोस्।</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>मैनबत्ती फोकसमा छ र प्रतिबिम्ब बन्दैन: पर्दामा खोज्ने प्रतिबिम्ब छैन।</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>प्रतिबिम्ब पर्दा पुग्न सक्नेभन्दा टाढा बन्छ। मैनबत्तीलाई लेन्सबाट टाढा सार्नुहोस्।</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>अप्टिकल बेन्चमा पातलो उत्तल लेन्सले मैनबत्तीको प्रतिबिम्ब बनाउँछ।</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>प्रयोग: %1 [विकल्पहरू]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>विकल्पहरू:</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>पाठको पट्टी र नोटबुक छेउमा नराखी बेन्चको सञ्झ्याल मात्र देखाउँछ (बेन्चको मेनुबाट पनि छान्न सकिन्छ)।</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>बेन्चको सञ्झ्याल मात्र देखाउने (अर्को पटक खोल्दादेखि)</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>दृश्यका क्लिकहरूबाट सुरु गर्छ: बेन्चको मेनुले कपी गर्ने पाठ (kosen.mr*24.fmove(0)), वा पृष्ठको त्यस दृश्यको लिङ्क।</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>राखिएको नोटबुकलाई यसको विन्डोले सेभ गर्ने CSV का रूपमा FILE मा लेखेर बन्द हुन्छ (&apos;-&apos; भए मानक आउटपुट)।</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>यो सहायता देखाएर बन्द हुन्छ।</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>संस्करण देखाएर बन्द हुन्छ।</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>“अर्को अनुमान” उत्तर हेरेपछि मात्र छान्न सकिन्छ।</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>तपाईं अहिले नै अनुमान गर्दै हुनुहुन्छ। चिन्ह लगाएर “उत्तर हेर्नुहोस्” वा “अनुमान रोक्नुहोस्” छान्नुहोस्।</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>पर्दा र छोपन “पर्दामा खोज्नुहोस्” गर्दा मात्र चल्छन्।</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>पर्दालाई लेन्सबाट अझ टाढा लैजान सकिँदैन।</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>पर्दालाई लेन्सको अझ नजिक ल्याउन सकिँदैन।</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>तपाईं अनुमान गरिरहनुभएको छैन।</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>प्रतिबिम्ब सरेकाले तपाईंको चिन्ह हटाइयो। फेरि चिन्ह लगाउनुहोस्।</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>प्रतिबिम्ब सरेकाले अर्को अनुमान। प्रतिबिम्बको टुप्पो बन्ने ठाउँमा चिन्ह लगाउनुहोस्।</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>नाप कापी %1 मा लेखियो, तर फेरि पढ्दा फरक भयो। अर्को रेकर्डमा फेरि सुरक्षित गरिन्छ।</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>उत्तर देखिइसकेको छ। फेरि अनुमान गर्न “अर्को अनुमान” छान्नुहोस्।</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>पहिले “अनुमान” ले अनुमान गर्नुहोस्, त्यसपछि उत्तर हेर्नुहोस्।</translation>
    </message>
</context>
</TS>
