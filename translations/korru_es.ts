<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>Distancia focal</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>Mover la vela</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>Banco óptico</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>Bajar la vela</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>Subir la vela</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>Acercar la vela a la lente</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>Alejar la vela de la lente</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>Rayos</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>Focos</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>Rejilla</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>corto</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>Un cuarto de cuadro por clic</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>largo</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>Medio cuadro por clic</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>corta</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>Distancia focal de 4 cuadros</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>larga</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>Distancia focal de 6 cuadros</translation>
    </message>
    <message>
        <source>像</source>
        <translation>Imagen</translation>
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
        <translation>Se forma una imagen real, invertida.</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>Se ve una imagen virtual, derecha.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>La vela está sobre el foco: no se forma imagen.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>La vela está %1 a la izquierda de la lente, %2 por encima del eje.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>La vela está %1 a la izquierda de la lente, %2 por debajo del eje.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>La vela está %1 a la izquierda de la lente, sobre el eje.</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>La distancia focal es %1.</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>La imagen se forma %1 a la derecha de la lente, %2 el tamaño de la vela.</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>La imagen aparece %1 a la izquierda de la lente, del lado de la vela, %2 el tamaño de la vela.</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1 cuadros</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1 cuadro</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1 veces</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>Virtual</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>Copiar dibujo</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>Guardar dibujo…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>El programa ha terminado. Puedes cerrar esta pestaña.</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>El programa terminó por un error de ejecución.</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>Para empezar de nuevo, vuelve a cargar la página.</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>Tavensu no pudo funcionar en este navegador.</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>Guardar como imagen PNG</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>Guardar como dibujo SVG</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>El navegador no dejó poner el dibujo en el portapapeles, así que no se copió. Ctrl+S lo guarda.</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>No se entiende «%1» de la escena, así que el banco empieza como siempre.</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>No se entiende la cuenta en «%1» de la escena, así que el banco empieza como siempre.</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>La escena tiene demasiados clics, así que el banco empieza como siempre.</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>Haz una predicción: marca dónde se formará la punta de la imagen y luego mira la respuesta.</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>La marca estaba a %1 de la punta de la imagen.</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>No se hizo ninguna marca.</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>Lado de la imagen</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Aumento</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>A la derecha de la lente</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>Lado de la vela</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>Invertida</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>Distancia de la imagen b frente a distancia de la vela a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b frente a 1/a: 1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (cuadros)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (cuadros)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/cuadro)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/cuadro)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1 cuadros</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>Copiar la escena</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>Vista para proyector</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>Predecir la imagen</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>Ver la respuesta</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>Anotar en el cuaderno</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>Abrir el cuaderno</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>Escena copiada: %1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>Demasiados clics para copiar la escena.</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>Mira la respuesta antes de anotar.</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>Cuaderno</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>R, o «Anotar en el cuaderno» en el menú del banco, anota la escena actual como una fila.</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>Tabla de medidas</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>Copiar la tabla</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>Borrar…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>¿Borrar todas las filas del cuaderno (%n fila)?</numerusform>
            <numerusform>¿Borrar todas las filas del cuaderno (%n filas)?</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>Quitar fila…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>¿Quitar la fila %1?</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>Distancias a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>Inversos 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>Guardar la gráfica…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>La marca está %2 a la %1 de la lente y %4 %3 del eje.</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>La marca está %2 a la %1 de la lente, sobre el eje.</translation>
    </message>
    <message>
        <source>右</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>左</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>上</source>
        <translation>por encima</translation>
    </message>
    <message>
        <source>下</source>
        <translation>por debajo</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>Guardar la gráfica como PNG</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>Guardar la gráfica como SVG</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>Copiar un enlace a esta escena</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>El navegador no dejó a la página usar el portapapeles, así que no se copió nada.</translation>
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
        <translation>Sentido</translation>
    </message>
    <message>
        <source>光源の距離 a (マス)</source>
        <translation>Distancia de la vela a (cuadros)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>Altura de la vela h (cuadros)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>Distancia focal f (cuadros)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>Distancia de la imagen b (cuadros, negativa si la imagen es virtual)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>Altura de la imagen h′ (cuadros)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>Parte del cuaderno guardado %1 no se pudo leer, así que se dejó aparte como %2. El cuaderno sigue con las %3 filas que se pudieron leer.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>El cuaderno guardado %1 no se puede leer ni dejar aparte con otro nombre. Las filas aún no están guardadas.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>El cuaderno guardado %1 no se puede leer (%2). Las filas aún no están guardadas.</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>%1 está lleno, así que no se pudo guardar el cuaderno. Libera espacio y la próxima anotación lo guardará.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>No se pudo guardar el cuaderno en %1 (%2). La próxima anotación lo intentará de nuevo.</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>El cuaderno vuelve a estar guardado: todas las filas están guardadas.</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>Almacenamiento del navegador</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>este navegador no deja a esta página guardar nada</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>el error %1 del navegador</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>Haz clic o toca donde esperas la punta de la imagen, o mueve la marca con Mayús y las flechas, y luego elige «Ver la respuesta».</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>Fila %1 anotada: imagen real, b = %2 cuadros.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>Fila %1 anotada: imagen virtual, b = %2 cuadros.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>Fila %1 anotada: sin imagen.</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>Igual que la fila %1: no se anota otra vez.</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>%n fila aún sin guardar.</numerusform>
            <numerusform>%n filas aún sin guardar.</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>Abrir una escena…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>Pega una escena o un enlace a la página:</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>No se forma imagen</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>Predecir</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>Otra predicción</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>Dejar de predecir</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>Mueve la vela y observa la imagen. «Predecir» te deja decir antes dónde se formará la imagen.</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>Prediciendo: toca (haz clic) donde esperas la punta de la imagen.</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>Prediciendo: marcado. «Ver la respuesta» la muestra.</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>Respuesta: la marca estaba a %1 de la punta de la imagen. «Otra predicción»: mueve la vela y predice de nuevo.</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>Respuesta: no se hizo ninguna marca. «Otra predicción» predice de nuevo.</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>Respuesta: la vela está sobre el foco y no se forma imagen. «Otra predicción» predice de nuevo.</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>el disco está lleno, o el archivo pasaría del tamaño permitido</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>no se permite escribir ahí</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>no se permite leerlo</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>el lugar es de solo lectura</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>no existe esa carpeta</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>el disco falló al leer o escribir</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>hay demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>el sistema lo rechazó: %1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>No se pudo guardar %1 (%2).</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>Libera espacio y vuelve a guardar.</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>Elige otro lugar y vuelve a guardar.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>Posición de la pantalla x (cuadros)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>La pantalla está %1 a la derecha de la lente.</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>La imagen en ella es nítida.</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>La imagen en ella está borrosa.</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>La lente está tapada: no llega luz a la pantalla.</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>La mitad de arriba de la lente está tapada.</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>La mitad de abajo de la lente está tapada.</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>Es nítida %1 a la derecha de la lente.</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>Dondequiera que esté la pantalla, la imagen en ella nunca es nítida.</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>Hueco: donde la pantalla la mostró nítida</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>Buscarla en una pantalla</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ Pantalla</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>Pantalla ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>Tapar la mitad de arriba</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>Tapar la mitad de abajo</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>Mueve la pantalla hasta que la imagen se vea nítida en ella. ¿La encontraste? «Anotar».</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>La imagen en la pantalla es nítida. «Anotar» la anota.</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>La imagen es virtual: ninguna pantalla la muestra. Aleja la vela más allá del foco para tener una imagen real.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>La vela está sobre el foco y no se forma imagen: no hay ninguna que buscar en la pantalla.</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>La imagen se forma más lejos de donde llega la pantalla. Aleja la vela de la lente.</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>Una lente convexa delgada forma la imagen de una vela en un banco óptico.</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>Muestra solo la ventana del banco, sin la barra de la clase ni el cuaderno a su lado (también se elige en el menú del banco).</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>Mostrar solo la ventana del banco (desde el próximo inicio)</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>Empieza con los clics de una escena, como la copia el menú del banco (kosen.mr*24.fmove(0)), o con el enlace de la página a ella.</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>Escribe el cuaderno guardado en FILE como el CSV que guarda su ventana (&apos;-&apos; para la salida estándar) y termina.</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>“Otra predicción” viene después de la respuesta.</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>Ya estás prediciendo. Pon tu marca y elige “Ver la respuesta” o “Dejar de predecir”.</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>La pantalla y las tapas solo funcionan en “Buscarla en una pantalla”.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>La pantalla no puede alejarse más de la lente.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>La pantalla no puede acercarse más a la lente.</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>No estás prediciendo.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>La imagen se ha movido, así que tu marca se ha borrado. Pon una nueva.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>La imagen se ha movido: nueva predicción. Marca dónde esperas la punta de la imagen.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>El cuaderno se guardó en %1, pero al leerlo de nuevo era distinto. El próximo registro lo guardará otra vez.</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>La respuesta ya se ve. Elige “Otra predicción” para predecir otra vez.</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>Primero predice (“Predecir”) y luego mira la respuesta.</translation>
    </message>
</context>
</TS>
