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
        <source>絵を保存</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>絵を保存できませんでした: %1</source>
        <translation>The picture could not be saved: %1</translation>
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
</context>
</TS>
