<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ja">
<context>
    <name>korru</name>
    <message>
        <source>焦点距離</source>
        <translation>Distância focal</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>光源の移動量</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>光源の移動</source>
        <translation>Mover a vela</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>光学台</source>
        <translation>Banco óptico</translation>
    </message>
    <message>
        <source>光源を下へ動かす</source>
        <translation>Mover a vela para baixo</translation>
    </message>
    <message>
        <source>光源を上へ動かす</source>
        <translation>Mover a vela para cima</translation>
    </message>
    <message>
        <source>光源をレンズに近づける</source>
        <translation>Aproximar a vela da lente</translation>
    </message>
    <message>
        <source>光源をレンズから遠ざける</source>
        <translation>Afastar a vela da lente</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝ表示</source>
        <translation>Anteparo</translation>
    </message>
    <message>
        <source>光線表示</source>
        <translation>Raios</translation>
    </message>
    <message>
        <source>焦点表示</source>
        <translation>Focos</translation>
    </message>
    <message>
        <source>方眼表示</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>curto</translation>
    </message>
    <message>
        <source>1 回に 4 分の 1 マス動かす</source>
        <translation>Um quarto de quadrado por clique</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>largo</translation>
    </message>
    <message>
        <source>1 回に 2 分の 1 マス動かす</source>
        <translation>Meio quadrado por clique</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>4</translation>
    </message>
    <message>
        <source>焦点距離 4 マス</source>
        <translation>Distância focal de 4 quadrados</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>6</translation>
    </message>
    <message>
        <source>焦点距離 6 マス</source>
        <translation>Distância focal de 6 quadrados</translation>
    </message>
    <message>
        <source>像</source>
        <translation>Imagem</translation>
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
        <translation>Forma-se uma imagem real, invertida.</translation>
    </message>
    <message>
        <source>虚像が見えます。向きは光源と同じです。</source>
        <translation>Vê-se uma imagem virtual, direita.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。</source>
        <translation>A vela está sobre o foco: não se forma imagem.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 上にあります。</source>
        <translation>A vela está %1 à esquerda da lente, %2 acima do eixo.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸より %2 下にあります。</source>
        <translation>A vela está %1 à esquerda da lente, %2 abaixo do eixo.</translation>
    </message>
    <message>
        <source>光源はレンズの左 %1、光軸の上に立っています。</source>
        <translation>A vela está %1 à esquerda da lente, sobre o eixo.</translation>
    </message>
    <message>
        <source>焦点距離は %1 です。</source>
        <translation>A distância focal é %1.</translation>
    </message>
    <message>
        <source>像はレンズの右 %1 にでき、大きさは光源の %2 です。</source>
        <translation>A imagem se forma %1 à direita da lente, com %2 o tamanho da vela.</translation>
    </message>
    <message>
        <source>像はレンズの左 %1 に見え、大きさは光源の %2 です。</source>
        <translation>A imagem aparece %1 à esquerda da lente, do lado da vela, com %2 o tamanho da vela.</translation>
    </message>
    <message>
        <source>%1 マス</source>
        <translation>%1 quadrados</translation>
    </message>
    <message>
        <source>1 マス</source>
        <translation>1 quadrado</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1 vezes</translation>
    </message>
    <message>
        <source>虚像</source>
        <translation>Virtual</translation>
    </message>
    <message>
        <source>絵をコピー</source>
        <translation>Copiar figura</translation>
    </message>
    <message>
        <source>絵を保存…</source>
        <translation>Salvar figura…</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>Figura PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>おわりました。このタブは閉じてかまいません。</source>
        <translation>O programa terminou. Você pode fechar esta aba.</translation>
    </message>
    <message>
        <source>実行時エラーのため、おわりました。</source>
        <translation>O programa terminou por causa de um erro de execução.</translation>
    </message>
    <message>
        <source>もう一度始めるには、ページを読み込み直してください。</source>
        <translation>Para começar de novo, recarregue a página.</translation>
    </message>
    <message>
        <source>このブラウザーでは Tavensu を動かせませんでした。</source>
        <translation>Não foi possível executar o Tavensu neste navegador.</translation>
    </message>
    <message>
        <source>PNG 画像として保存</source>
        <translation>Salvar como figura PNG</translation>
    </message>
    <message>
        <source>SVG 図として保存</source>
        <translation>Salvar como desenho SVG</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S で保存はできます。</source>
        <translation>O navegador não permitiu usar a área de transferência, então a figura não foi copiada. Ctrl+S a salva.</translation>
    </message>
    <message>
        <source>場面の「%1」が読めないため、はじめの状態から始めます。</source>
        <translation>O “%1” da cena não foi entendido, então o banco óptico começa do início.</translation>
    </message>
    <message>
        <source>場面の「%1」の回数が読めないため、はじめの状態から始めます。</source>
        <translation>A contagem em “%1” da cena não foi entendida, então o banco óptico começa do início.</translation>
    </message>
    <message>
        <source>場面のクリックが多すぎるため、はじめの状態から始めます。</source>
        <translation>A cena tem cliques demais, então o banco óptico começa do início.</translation>
    </message>
    <message>
        <source>予想してください。像の先ができる所に印をつけ、答えを見ます。</source>
        <translation>Faça uma previsão: marque onde a ponta da imagem vai se formar e depois veja a resposta.</translation>
    </message>
    <message>
        <source>予想の印は、像の先から %1 離れていました。</source>
        <translation>A marca estava a %1 da ponta da imagem.</translation>
    </message>
    <message>
        <source>予想の印はつけられていません。</source>
        <translation>Nenhuma marca foi feita.</translation>
    </message>
    <message>
        <source>像の側</source>
        <translation>Lado da imagem</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Aumento</translation>
    </message>
    <message>
        <source>像の向き</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>実像</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>レンズの右</source>
        <translation>À direita da lente</translation>
    </message>
    <message>
        <source>光源の側</source>
        <translation>Lado da vela</translation>
    </message>
    <message>
        <source>倒立</source>
        <translation>Invertida</translation>
    </message>
    <message>
        <source>正立</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>像の距離 b と光源の距離 a</source>
        <translation>Distância da imagem b em função da distância da vela a</translation>
    </message>
    <message>
        <source>1/b と 1/a: 1/a + 1/b = 1/f</source>
        <translation>1/b em função de 1/a: 1/a + 1/b = 1/f</translation>
    </message>
    <message>
        <source>a (マス)</source>
        <translation>a (quadrados)</translation>
    </message>
    <message>
        <source>b (マス)</source>
        <translation>b (quadrados)</translation>
    </message>
    <message>
        <source>1/a (1/マス)</source>
        <translation>1/a (1/quadrado)</translation>
    </message>
    <message>
        <source>1/b (1/マス)</source>
        <translation>1/b (1/quadrado)</translation>
    </message>
    <message>
        <source>f = %1 マス</source>
        <translation>f = %1 quadrados</translation>
    </message>
    <message>
        <source>場面をコピー</source>
        <translation>Copiar a cena</translation>
    </message>
    <message>
        <source>プロジェクター用の表示</source>
        <translation>Visual para projetor</translation>
    </message>
    <message>
        <source>像の位置を予想する</source>
        <translation>Prever a imagem</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>Mostrar a resposta</translation>
    </message>
    <message>
        <source>測定ノートに記録</source>
        <translation>Registrar no caderno</translation>
    </message>
    <message>
        <source>測定ノートを開く</source>
        <translation>Abrir o caderno</translation>
    </message>
    <message>
        <source>場面をコピーしました: %1</source>
        <translation>Cena copiada: %1</translation>
    </message>
    <message>
        <source>クリックが多すぎるため、場面をコピーできません。</source>
        <translation>Cliques demais para copiar a cena.</translation>
    </message>
    <message>
        <source>記録するのは、答えを見てからにしてください。</source>
        <translation>Mostre a resposta antes de registrar.</translation>
    </message>
    <message>
        <source>測定ノート</source>
        <translation>Caderno</translation>
    </message>
    <message>
        <source>R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。</source>
        <translation>R, ou “Registrar no caderno” no menu do banco óptico, registra a cena atual como uma linha.</translation>
    </message>
    <message>
        <source>測定の表</source>
        <translation>Tabela de medidas</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>Copiar a tabela</translation>
    </message>
    <message>
        <source>すべて消す…</source>
        <translation>Apagar…</translation>
    </message>
    <message numerus="yes">
        <source>測定ノートの行をすべて消しますか? (%n 行)</source>
        <translation>
            <numerusform>Apagar todas as linhas do caderno (%n linha)?</numerusform>
            <numerusform>Apagar todas as linhas do caderno (%n linhas)?</numerusform>
        </translation>
    </message>
    <message>
        <source>行を消す…</source>
        <translation>Remover linha…</translation>
    </message>
    <message>
        <source>%1 行目を消しますか?</source>
        <translation>Remover a linha %1?</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>距離 a, b</source>
        <translation>Distâncias a, b</translation>
    </message>
    <message>
        <source>逆数 1/a, 1/b</source>
        <translation>Inversos 1/a, 1/b</translation>
    </message>
    <message>
        <source>グラフを保存…</source>
        <translation>Salvar o gráfico…</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。</source>
        <translation>A marca está %2 à %1 da lente e %4 %3 do eixo.</translation>
    </message>
    <message>
        <source>予想の印は、レンズの%1 %2、光軸の上にあります。</source>
        <translation>A marca está %2 à %1 da lente, sobre o eixo.</translation>
    </message>
    <message>
        <source>右</source>
        <translation>direita</translation>
    </message>
    <message>
        <source>左</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>上</source>
        <translation>acima</translation>
    </message>
    <message>
        <source>下</source>
        <translation>abaixo</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n linha</numerusform>
            <numerusform>%n linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>グラフを PNG で保存</source>
        <translation>Salvar o gráfico como PNG</translation>
    </message>
    <message>
        <source>グラフを SVG で保存</source>
        <translation>Salvar o gráfico como SVG</translation>
    </message>
    <message>
        <source>この場面へのリンクをコピー</source>
        <translation>Copiar um link para esta cena</translation>
    </message>
    <message>
        <source>ブラウザーがクリップボードを使わせないため、コピーできませんでした。</source>
        <translation>O navegador não permitiu que a página usasse a área de transferência, então nada foi copiado.</translation>
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
        <translation>Distância da vela a (quadrados)</translation>
    </message>
    <message>
        <source>光源の高さ h (マス)</source>
        <translation>Altura da vela h (quadrados)</translation>
    </message>
    <message>
        <source>焦点距離 f (マス)</source>
        <translation>Distância focal f (quadrados)</translation>
    </message>
    <message>
        <source>像の距離 b (マス、虚像は負)</source>
        <translation>Distância da imagem b (quadrados, negativa para imagem virtual)</translation>
    </message>
    <message>
        <source>像の高さ h′ (マス)</source>
        <translation>Altura da imagem h′ (quadrados)</translation>
    </message>
    <message>
        <source>保存されていた測定ノート %1 の一部が読めないため、元のものを %2 として残しました。読めた %3 行で続けます。</source>
        <translation>Parte do caderno guardado %1 não pôde ser lida, então ele foi deixado de lado como %2. O caderno continua com as %3 linhas que puderam ser lidas.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。</source>
        <translation>O caderno guardado %1 não pode ser lido nem deixado de lado com outro nome. As linhas ainda não estão guardadas.</translation>
    </message>
    <message>
        <source>保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。</source>
        <translation>O caderno guardado %1 não pode ser lido (%2). As linhas ainda não estão guardadas.</translation>
    </message>
    <message>
        <source>%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存されます。</source>
        <translation>%1 está cheio, então o caderno não pôde ser guardado. Libere espaço e o próximo registro o guardará.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。</source>
        <translation>Não foi possível guardar o caderno em %1 (%2). O próximo registro tentará de novo.</translation>
    </message>
    <message>
        <source>測定ノートを保存できました。まだ保存されていない行はありません。</source>
        <translation>O caderno está guardado de novo: todas as linhas estão guardadas.</translation>
    </message>
    <message>
        <source>ブラウザーの保存領域</source>
        <translation>Armazenamento do navegador</translation>
    </message>
    <message>
        <source>このブラウザーは、このページに保存をさせません</source>
        <translation>este navegador não deixa esta página guardar nada</translation>
    </message>
    <message>
        <source>ブラウザーのエラー %1</source>
        <translation>o erro %1 do navegador</translation>
    </message>
    <message>
        <source>像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」で答えを見ます。</source>
        <translation>Clique ou toque onde você espera a ponta da imagem, ou mova a marca com Shift e as setas, e depois escolha “Mostrar a resposta”.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 実像、b = %2 マス。</source>
        <translation>Linha %1 registrada: imagem real, b = %2 quadrados.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 虚像、b = %2 マス。</source>
        <translation>Linha %1 registrada: imagem virtual, b = %2 quadrados.</translation>
    </message>
    <message>
        <source>%1 行目を記録しました: 像はできません。</source>
        <translation>Linha %1 registrada: sem imagem.</translation>
    </message>
    <message>
        <source>%1 行目と同じなので、記録しませんでした。</source>
        <translation>Igual à linha %1: não registrada de novo.</translation>
    </message>
    <message numerus="yes">
        <source>%n 行はまだ保存されていません。</source>
        <translation>
            <numerusform>%n linha ainda não guardada.</numerusform>
            <numerusform>%n linhas ainda não guardadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>場面を開く…</source>
        <translation>Abrir uma cena…</translation>
    </message>
    <message>
        <source>場面の文字列か、ページへのリンクを貼り付けてください:</source>
        <translation>Cole uma cena ou um link para a página:</translation>
    </message>
    <message>
        <source>CSV で保存…</source>
        <translation>Salvar como CSV…</translation>
    </message>
    <message>
        <source>像はできません</source>
        <translation>Não se forma imagem</translation>
    </message>
    <message>
        <source>予想する</source>
        <translation>Prever</translation>
    </message>
    <message>
        <source>次の予想</source>
        <translation>Nova previsão</translation>
    </message>
    <message>
        <source>予想をやめる</source>
        <translation>Parar de prever</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>授業</source>
        <translation>Aula</translation>
    </message>
    <message>
        <source>光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。</source>
        <translation>Mova a vela e observe a imagem. “Prever” deixa você dizer antes onde a imagem vai se formar.</translation>
    </message>
    <message>
        <source>予想: 像の先ができると思う所をタップ (クリック) して印をつけます。</source>
        <translation>Prevendo: toque (clique) onde você espera a ponta da imagem.</translation>
    </message>
    <message>
        <source>予想: 印をつけました。「答えを見る」で答えを見ます。</source>
        <translation>Prevendo: marcado. “Mostrar a resposta” a mostra.</translation>
    </message>
    <message>
        <source>答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。</source>
        <translation>Resposta: a marca estava a %1 da ponta da imagem. “Nova previsão”: mova a vela e preveja de novo.</translation>
    </message>
    <message>
        <source>答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。</source>
        <translation>Resposta: nenhuma marca foi feita. “Nova previsão” prevê de novo.</translation>
    </message>
    <message>
        <source>答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。</source>
        <translation>Resposta: a vela está sobre o foco e não se forma imagem. “Nova previsão” prevê de novo.</translation>
    </message>
    <message>
        <source>空き容量が足りないか、ファイルの大きさの上限を超えます</source>
        <translation>o disco está cheio, ou o arquivo passaria do tamanho permitido</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>não é permitido gravar ali</translation>
    </message>
    <message>
        <source>読むことが許されていません</source>
        <translation>não é permitido lê-lo</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>o local é somente leitura</translation>
    </message>
    <message>
        <source>そのフォルダーがありません</source>
        <translation>essa pasta não existe</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>ディスクが読み書きに失敗しました</source>
        <translation>o disco falhou ao ler ou gravar</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>há arquivos abertos demais</translation>
    </message>
    <message>
        <source>システムが拒みました: %1</source>
        <translation>o sistema recusou: %1</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした (%2)。</source>
        <translation>Não foi possível salvar %1 (%2).</translation>
    </message>
    <message>
        <source>空きを作ってから、もう一度保存してください。</source>
        <translation>Libere espaço e salve de novo.</translation>
    </message>
    <message>
        <source>別の場所を選んで、もう一度保存してください。</source>
        <translation>Escolha outro local e salve de novo.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>スクリーンの位置 x (マス)</source>
        <translation>Posição do anteparo x (quadrados)</translation>
    </message>
    <message>
        <source>スクリーンはレンズの右 %1 の所にあります。</source>
        <translation>O anteparo está %1 à direita da lente.</translation>
    </message>
    <message>
        <source>スクリーンの像ははっきりしています。</source>
        <translation>A imagem nele está nítida.</translation>
    </message>
    <message>
        <source>スクリーンの像はぼやけています。</source>
        <translation>A imagem nele está borrada.</translation>
    </message>
    <message>
        <source>レンズがふさがれていて、スクリーンに光が届きません。</source>
        <translation>A lente está coberta: nenhuma luz chega ao anteparo.</translation>
    </message>
    <message>
        <source>レンズの上半分がふさがれています。</source>
        <translation>A metade de cima da lente está coberta.</translation>
    </message>
    <message>
        <source>レンズの下半分がふさがれています。</source>
        <translation>A metade de baixo da lente está coberta.</translation>
    </message>
    <message>
        <source>像がはっきりするのは、レンズの右 %1 の所です。</source>
        <translation>Fica nítida %1 à direita da lente.</translation>
    </message>
    <message>
        <source>像は、スクリーンをどこに置いてもはっきりしません。</source>
        <translation>Onde quer que o anteparo esteja, a imagem nele nunca fica nítida.</translation>
    </message>
    <message>
        <source>白抜き: スクリーンで見つけた位置</source>
        <translation>Vazado: onde o anteparo a mostrou nítida</translation>
    </message>
    <message>
        <source>スクリーンで探す</source>
        <translation>Procurar com um anteparo</translation>
    </message>
    <message>
        <source>◀ スクリーン</source>
        <translation>◀ Anteparo</translation>
    </message>
    <message>
        <source>スクリーン ▶</source>
        <translation>Anteparo ▶</translation>
    </message>
    <message>
        <source>上半分をおおう</source>
        <translation>Cobrir a metade de cima</translation>
    </message>
    <message>
        <source>下半分をおおう</source>
        <translation>Cobrir a metade de baixo</translation>
    </message>
    <message>
        <source>スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。</source>
        <translation>Mova o anteparo até a imagem ficar nítida nele. Achou? “Registrar”.</translation>
    </message>
    <message>
        <source>スクリーンに像がはっきり映っています。「記録する」で記録できます。</source>
        <translation>A imagem no anteparo está nítida. “Registrar” a registra.</translation>
    </message>
    <message>
        <source>像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。</source>
        <translation>A imagem é virtual: nenhum anteparo a mostra. Afaste a vela além do foco para ter uma imagem real.</translation>
    </message>
    <message>
        <source>光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。</source>
        <translation>A vela está sobre o foco e não se forma imagem: não há nenhuma para achar no anteparo.</translation>
    </message>
    <message>
        <source>像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。</source>
        <translation>A imagem se forma mais longe do que o anteparo alcança. Afaste a vela da lente.</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>光学台の上で、薄い凸レンズが光源の像をつくります。</source>
        <translation>Uma lente convexa delgada forma a imagem de uma vela num banco óptico.</translation>
    </message>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します (光学台のメニューでも選べます)。</source>
        <translation>Mostra só a janela do banco óptico, sem a barra da aula e o caderno ao lado (também se escolhe no menu do banco óptico).</translation>
    </message>
    <message>
        <source>光学台のウィンドウだけを表示 (次の起動から)</source>
        <translation>Mostrar só a janela do banco óptico (a partir da próxima abertura)</translation>
    </message>
    <message>
        <source>場面のクリックから始めます。光学台のメニューがコピーする文字列 (kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。</source>
        <translation>Começa com os cliques de uma cena, como o menu do banco óptico a copia (kosen.mr*24.fmove(0)), ou com o link da página para ela.</translation>
    </message>
    <message>
        <source>保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で FILE に書き出して終わります (&apos;-&apos; なら標準出力)。</source>
        <translation>Grava o caderno guardado em FILE no CSV que a janela dele salva (&apos;-&apos; para a saída padrão) e sai.</translation>
    </message>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>「次の予想」は、答えを見てから選びます。</source>
        <translation>“Nova previsão” vem depois da resposta.</translation>
    </message>
    <message>
        <source>もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。</source>
        <translation>Você já está prevendo. Marque o ponto e escolha “Mostrar a resposta” ou “Parar de prever”.</translation>
    </message>
    <message>
        <source>スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。</source>
        <translation>O anteparo e as coberturas só funcionam em “Procurar com um anteparo”.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズから遠ざけられません。</source>
        <translation>O anteparo não pode se afastar mais da lente.</translation>
    </message>
    <message>
        <source>スクリーンはこれ以上レンズに近づけられません。</source>
        <translation>O anteparo não pode se aproximar mais da lente.</translation>
    </message>
    <message>
        <source>予想はしていません。</source>
        <translation>Você não está prevendo.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、予想の印を消しました。もう一度印をつけます。</source>
        <translation>A imagem mudou de lugar, então sua marca foi apagada. Marque de novo.</translation>
    </message>
    <message>
        <source>像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。</source>
        <translation>A imagem mudou de lugar: nova previsão. Marque onde você espera a ponta da imagem.</translation>
    </message>
    <message>
        <source>測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存します。</source>
        <translation>O caderno foi gravado em %1, mas ao ler de volta estava diferente. O próximo registro o guarda de novo.</translation>
    </message>
    <message>
        <source>答えはもう出ています。「次の予想」で、もう一度予想します。</source>
        <translation>A resposta já está à vista. Escolha “Nova previsão” para prever de novo.</translation>
    </message>
    <message>
        <source>答えを見るのは、「予想する」で予想してからです。</source>
        <translation>Primeiro preveja (“Prever”), depois veja a resposta.</translation>
    </message>
</context>
</TS>
