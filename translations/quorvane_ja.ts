<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Light A</source>
        <translation>ライト A</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>ライト B</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>ライト C</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>スター</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>驚異</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>夢 A</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>夢 B</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>天気</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>グラデ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>アート</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>エッジ A</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>エッジ B</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>線画</translation>
    </message>
    <message>
        <source>Shows the ten effects of %1</source>
        <translation>「%1」の 10 種類のエフェクトを表示します</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>The effect categories</source>
        <translation>エフェクトのカテゴリ</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Undo, Redo, Open, Save, Help, Looks and Batch</source>
        <translation>元に戻す、やり直し、開く、保存、ヘルプ、ルック、一括処理</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>The picture being edited</source>
        <translation>編集中の画像</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>The ten effects of the category chosen</source>
        <translation>選んだカテゴリの 10 種類のエフェクト</translation>
    </message>
    <message>
        <source>Strip size</source>
        <translation>サムネイル欄の大きさ</translation>
    </message>
    <message>
        <source>Drag to share the height between the display and the strip</source>
        <translation>ドラッグして表示とサムネイル欄の高さを配分します</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Takes the last step back</source>
        <translation>最後のステップを取り消します</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Takes the step undone last again</source>
        <translation>最後に取り消したステップをやり直します</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Every step by name, to go back to any of them</source>
        <translation>すべてのステップを名前で一覧し、どこへでも戻れます</translation>
    </message>
    <message>
        <source>Opens a picture</source>
        <translation>画像を開きます</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>The pictures opened or saved last</source>
        <translation>最近開いた、または保存した画像</translation>
    </message>
    <message>
        <source>Saves the picture</source>
        <translation>画像を保存します</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>ヘルプページを開きます</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Thumbnails, language, metadata and memory</source>
        <translation>サムネイル、言語、メタデータ、メモリ</translation>
    </message>
    <message>
        <source>Where the picture was saved</source>
        <translation>画像の保存先</translation>
    </message>
    <message>
        <source>The number of the effect above</source>
        <translation>上のエフェクトの番号</translation>
    </message>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation>%1、%2 × %3 ピクセル</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>The effect on the whole picture</source>
        <translation>画像全体へのエフェクト</translation>
    </message>
    <message>
        <source>The picture with the effect</source>
        <translation>エフェクトを適用した画像</translation>
    </message>
    <message>
        <source>Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; hold Space for the picture without the effect</source>
        <translation>Ctrl+プラスと Ctrl+マイナスでズーム、Ctrl+0 で全体表示、Ctrl+1 で 100% 表示。スペースキーを押している間は効果なしの画像を表示します</translation>
    </message>
    <message>
        <source>The effect is being rendered</source>
        <translation>エフェクトを処理しています</translation>
    </message>
    <message>
        <source>Render progress</source>
        <translation>処理の進行状況</translation>
    </message>
    <message>
        <source>How much of the effect has been rendered</source>
        <translation>エフェクトの処理がどこまで進んだか</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect</source>
        <translation>押している間、効果なしの画像を表示します</translation>
    </message>
    <message>
        <source>Before and after side by side</source>
        <translation>前後を並べて表示</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Shows more of the picture, smaller</source>
        <translation>画像を小さくして、より広く表示します</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Shows the picture larger</source>
        <translation>画像を大きく表示します</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>Shows the whole picture</source>
        <translation>画像全体を表示します</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel</source>
        <translation>画像の 1 ピクセルを画面の 1 ピクセルで表示</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>How much of the effect goes onto the picture, 0 to 100 %</source>
        <translation>画像にかけるエフェクトの量（0～100%）</translation>
    </message>
    <message>
        <source>The strength Apply uses</source>
        <translation>［適用］で使われる強さ</translation>
    </message>
    <message>
        <source>Renders the effect again in colours you pick</source>
        <translation>選んだ色でエフェクトを作り直します</translation>
    </message>
    <message>
        <source>Puts the effect onto the picture (Enter)</source>
        <translation>エフェクトを画像に適用します（Enter）</translation>
    </message>
    <message>
        <source>Closes the preview and leaves the picture as it was (Esc)</source>
        <translation>プレビューを閉じ、画像を元のままにします（Esc）</translation>
    </message>
    <message>
        <source>Mask tools</source>
        <translation>マスクツール</translation>
    </message>
    <message>
        <source>Where the effect goes: brush, eraser and gradients</source>
        <translation>エフェクトのかかる範囲: ブラシ、消しゴム、グラデーション</translation>
    </message>
</context>
<context>
    <name>ProgressJob</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています...</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>, masked</source>
        <translation>、マスクあり</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>Brush strokes belong to their photo: the look keeps %1 without them.</source>
        <translation>ブラシのストロークはその写真のものです。ルックには %1 がストロークなしで保存されます。</translation>
    </message>
</context>
<context>
    <name>qv::BatchWindow</name>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>WebP</source>
        <translation>WebP</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>As the original</source>
        <translation>元画像と同じ</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>一括処理</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>画像を追加...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>サブフォルダーを含める</translation>
    </message>
    <message>
        <source>The effect in the preview</source>
        <translation>プレビュー中のエフェクト</translation>
    </message>
    <message>
        <source>The steps applied to this photo</source>
        <translation>この写真に適用したステップ</translation>
    </message>
    <message>
        <source>A saved look:</source>
        <translation>保存したルック:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Keep the sub-folders</source>
        <translation>サブフォルダーを保つ</translation>
    </message>
    <message>
        <source>{name}: the picture&apos;s name, {look}: the look&apos;s, {n}: its number in the batch, {n:3}: the number with three digits</source>
        <translation>{name}: 画像の名前、{look}: ルックの名前、{n}: 一括処理での番号、{n:3}: 3 桁の番号</translation>
    </message>
    <message>
        <source>quality </source>
        <translation>画質 </translation>
    </message>
    <message>
        <source>At most</source>
        <translation>長辺を</translation>
    </message>
    <message>
        <source> pixels on the longest side</source>
        <translation> ピクセル以内に</translation>
    </message>
    <message>
        <source>Keep the metadata (camera, date, place, colour profile)</source>
        <translation>メタデータを残す（カメラ、日付、場所、カラープロファイル）</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>add a number</source>
        <translation>番号を付ける</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Files that exist:</source>
        <translation>既存のファイル:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>フォルダーで表示(&amp;F)</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Pictures that failed</source>
        <translation>失敗した画像</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>A folder: its pictures</source>
        <translation>フォルダー: その中の画像</translation>
    </message>
    <message>
        <source>A picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Save Into</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>A file of the same name in the save folder is replaced.</source>
        <translation>保存先フォルダーにある同じ名前のファイルは置き換えられます。</translation>
    </message>
    <message>
        <source>A picture whose file is already in the save folder is skipped.</source>
        <translation>保存先フォルダーに既にファイルがある画像はスキップされます。</translation>
    </message>
    <message>
        <source>Where a file of the same name is in the save folder, the new one gets a number: NAME (2).</source>
        <translation>保存先フォルダーに同じ名前のファイルがある場合は、新しいファイルに番号が付きます: 名前 (2)。</translation>
    </message>
    <message>
        <source>Your originals are never written over.</source>
        <translation>元の画像が上書きされることはありません。</translation>
    </message>
    <message>
        <source>Choose what to apply: the preview&apos;s effect, this photo&apos;s steps or a saved look.</source>
        <translation>適用するものを選んでください: プレビューのエフェクト、この写真のステップ、または保存したルック。</translation>
    </message>
    <message>
        <source>The names cannot be made from &quot;%1&quot;: %2</source>
        <translation>「%1」から名前を作れません: %2</translation>
    </message>
    <message>
        <source>There are no pictures in the files and folders chosen.</source>
        <translation>選んだファイルとフォルダーに画像がありません。</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>開始しています...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています...</translation>
    </message>
    <message>
        <source>%1 of %2 done, now %3</source>
        <translation>%1 / %2 完了、処理中: %3</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>残り約 %1</translation>
    </message>
    <message>
        <source>written, but read with damage: %1</source>
        <translation>保存しましたが、読み込み時に破損がありました: %1</translation>
    </message>
    <message>
        <source>Cancelled after %1.</source>
        <translation>%1 後にキャンセルしました。</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>%1 で完了しました。</translation>
    </message>
    <message>
        <source>%1 of %2 pictures written</source>
        <translation>%2 枚中 %1 枚の画像を保存</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 枚をスキップ</translation>
    </message>
    <message>
        <source>%1 of them read with damage</source>
        <translation>うち %1 枚は読み込み時に破損あり</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 枚が失敗</translation>
    </message>
    <message>
        <source>(listed below)</source>
        <translation>（下に一覧表示）</translation>
    </message>
    <message>
        <source>There is nothing on this desktop to show the folder %1.</source>
        <translation>このデスクトップには、フォルダー %1 を表示できるものがありません。</translation>
    </message>
</context>
<context>
    <name>qv::EditSession</name>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>qv::LooksWindow</name>
    <message>
        <source>Looks</source>
        <translation>ルック</translation>
    </message>
    <message>
        <source>Choose a look and press Apply (or double-click it) to see it on your photo; Apply in the preview then keeps it as one step.</source>
        <translation>ルックを選んで［適用］を押す（またはダブルクリックする）と写真上で確認できます。プレビューで［適用］すると 1 つのステップとして残ります。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>ルックを保存...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>名前を変更...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>インポート...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>エクスポート...</translation>
    </message>
    <message>
        <source>From This Picture</source>
        <translation>この画像から</translation>
    </message>
    <message>
        <source>Keep the look the opened picture says it was made with</source>
        <translation>開いた画像に記録されている、作成に使われたルックを保存します</translation>
    </message>
    <message numerus="yes">
        <source>A look of %n step(s):</source>
        <translation>
            <numerusform>%n ステップのルック:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of the look:</source>
        <translation>ルックの名前:</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>ルックを保存</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>ルック %1</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>ルックの名前を変更</translation>
    </message>
    <message>
        <source>New name of the look:</source>
        <translation>ルックの新しい名前:</translation>
    </message>
    <message>
        <source>Delete the look %1?</source>
        <translation>ルック %1 を削除しますか?</translation>
    </message>
    <message>
        <source>Import Look</source>
        <translation>ルックをインポート</translation>
    </message>
    <message>
        <source>Export Look</source>
        <translation>ルックをエクスポート</translation>
    </message>
</context>
<context>
    <name>qv::MaskToolBar</name>
    <message>
        <source>Brush</source>
        <translation>ブラシ</translation>
    </message>
    <message>
        <source>Paint the effect in; on a mask of nothing yet, the first stroke starts from no effect anywhere. Size: [ and ], or Ctrl+wheel</source>
        <translation>エフェクトを描き込みます。まだ空のマスクでは、最初のストロークはどこにも効果がない状態から始まります。サイズ: [ と ]、または Ctrl+ホイール</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Take the effect away where you paint. Size: [ and ], or Ctrl+wheel</source>
        <translation>描いた部分のエフェクトを取り除きます。サイズ: [ と ]、または Ctrl+ホイール</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>線形</translation>
    </message>
    <message>
        <source>Linear gradient: drag from full effect to none; its handles move it until Apply</source>
        <translation>線形グラデーション: 効果が最大のところから効果なしのところへドラッグします。［適用］まではハンドルで動かせます</translation>
    </message>
    <message>
        <source>Radial</source>
        <translation>放射</translation>
    </message>
    <message>
        <source>Radial gradient: drag from the centre outwards; its handles move, stretch and soften it until Apply</source>
        <translation>放射グラデーション: 中心から外側へドラッグします。［適用］まではハンドルで移動、伸縮、ぼかしができます</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Turn the mask over: the effect where it was not</source>
        <translation>マスクを反転します。効果がなかったところに効果がかかります</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask edit, Ctrl+Shift+Z redoes it</source>
        <translation>マスクを削除します。再び全体に効果がかかります。Ctrl+Z でマスクの編集を元に戻し、Ctrl+Shift+Z でやり直します</translation>
    </message>
    <message>
        <source>Show mask</source>
        <translation>マスクを表示</translation>
    </message>
    <message>
        <source>Show where the effect goes, tinted red (M)</source>
        <translation>効果がかかる範囲を赤く表示します（M）</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)</source>
        <translation>ブラシのサイズ: 画面ピクセル単位の半径（[ と ]、または Ctrl+ホイール）</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬さ</translation>
    </message>
    <message>
        <source>Brush hardness: how much of the brush paints at full strength (Shift+wheel)</source>
        <translation>ブラシの硬さ: ブラシのうち最大の強さで描く部分の割合（Shift+ホイール）</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>Brush flow: how much each touch of the brush adds</source>
        <translation>ブラシの流量: ブラシが触れるたびに加わる量</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>ブラシのサイズ</translation>
    </message>
    <message>
        <source>Brush hardness</source>
        <translation>ブラシの硬さ</translation>
    </message>
    <message>
        <source>Brush flow</source>
        <translation>ブラシの流量</translation>
    </message>
    <message>
        <source>Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)</source>
        <translation>ブラシのサイズ: 画面上で %1 ピクセル（[ と ]、または Ctrl+ホイール）</translation>
    </message>
    <message>
        <source>Brush hardness: %1 % (Shift+wheel)</source>
        <translation>ブラシの硬さ: %1%（Shift+ホイール）</translation>
    </message>
    <message>
        <source>Brush flow: %1 % a touch</source>
        <translation>ブラシの流量: 1 回のタッチで %1%</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>サイズ %1</translation>
    </message>
    <message>
        <source>Hardness %1 %</source>
        <translation>硬さ %1%</translation>
    </message>
    <message>
        <source>Flow %1 %</source>
        <translation>流量 %1%</translation>
    </message>
</context>
<context>
    <name>qv::PictureTypes</name>
    <message>
        <source>All pictures</source>
        <translation>すべての画像</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1 画像</translation>
    </message>
</context>
<context>
    <name>qv::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>&amp;Fitted to the strip, at the photo&apos;s shape</source>
        <translation>サムネイル欄に合わせ、写真の縦横比を保つ(&amp;F)</translation>
    </message>
    <message>
        <source>The thumbnails grow with the strip and keep the photo&apos;s shape</source>
        <translation>サムネイルはサムネイル欄とともに大きくなり、写真の縦横比を保ちます</translation>
    </message>
    <message>
        <source>&amp;Classic: 105 x 105 squares</source>
        <translation>クラシック: 105 × 105 の正方形(&amp;C)</translation>
    </message>
    <message>
        <source>Every thumbnail is the photo squeezed into a 105 x 105 square</source>
        <translation>各サムネイルは写真を 105 × 105 の正方形に押し込んだものです</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>サムネイル:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>デスクトップの言語</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The language of the interface, from the next start</source>
        <translation>インターフェースの言語（次回の起動から）</translation>
    </message>
    <message>
        <source>A new language applies when Quorvane next starts.</source>
        <translation>新しい言語は Quorvane の次回起動時に適用されます。</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>言語(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Keep the photo&apos;s metadata in saved pictures</source>
        <translation>保存する画像に写真のメタデータを残す(&amp;K)</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile go with the saved picture</source>
        <translation>カメラ、日付、場所、作者、カラープロファイルを保存する画像に含めます</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile; without them a saved picture says nothing about where it was taken.</source>
        <translation>カメラ、日付、場所、作者、カラープロファイル。これらがなければ、保存した画像から撮影場所はわかりません。</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>メタデータ:</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> MiB</translation>
    </message>
    <message>
        <source>History memory</source>
        <translation>履歴のメモリ</translation>
    </message>
    <message>
        <source>How much memory the pictures of Undo and Redo may take</source>
        <translation>元に戻す・やり直し用の画像が使えるメモリの量</translation>
    </message>
    <message>
        <source>The default is 512 MiB (a quarter of the memory where that is less). Beyond it, pictures of earlier steps are made again from the steps when Undo or Redo needs them.</source>
        <translation>既定値は 512 MiB です（メモリの 4 分の 1 がそれより少ない場合はその値）。これを超えると、元に戻す・やり直しで必要になったときに、前のステップの画像をステップから作り直します。</translation>
    </message>
    <message>
        <source>&amp;History memory:</source>
        <translation>履歴のメモリ(&amp;H):</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>Keeps these preferences</source>
        <translation>この設定を保存します</translation>
    </message>
    <message>
        <source>Leaves the preferences as they were</source>
        <translation>設定を元のままにします</translation>
    </message>
    <message>
        <source>Shows the preferences Quorvane starts with</source>
        <translation>Quorvane の初期設定を表示します</translation>
    </message>
</context>
<context>
    <name>qv::PreviewView</name>
    <message>
        <source>Before</source>
        <translation>前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>後</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元画像</translation>
    </message>
</context>
<context>
    <name>qv::QtDialogs</name>
    <message>
        <source>Confirm Save As</source>
        <translation>名前を付けて保存の確認</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it all the same?</source>
        <translation>%1 は読み取り専用です。
それでも置き換えますか?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source>The effects applied since it was last saved are lost if you discard them.</source>
        <translation>破棄すると、最後に保存してから適用したエフェクトは失われます。</translation>
    </message>
    <message>
        <source>Restore the unsaved changes to %1 from %2?</source>
        <translation>%2 の時点で保存されていなかった %1 への変更を復元しますか?</translation>
    </message>
    <message>
        <source>Quorvane ended without closing, and these changes were not saved.</source>
        <translation>Quorvane は正しく閉じられずに終了したため、これらの変更は保存されていません。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
</context>
<context>
    <name>qv::StepName</name>
    <message>
        <source>Look %1</source>
        <translation>ルック %1</translation>
    </message>
    <message>
        <source>, strength %1 %</source>
        <translation>、強さ %1%</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, colour %1</source>
        <translation>、色 %1</translation>
    </message>
    <message>
        <source>, colours %1</source>
        <translation>、色 %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 を開きました</translation>
    </message>
</context>
<context>
    <name>qv::TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>小さな写真をクリックすると、このエフェクトをプレビューして適用できます。</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Looks...</source>
        <translation>ルック(&amp;L)...</translation>
    </message>
    <message>
        <source>Save &amp;Look...</source>
        <translation>ルックを保存(&amp;L)...</translation>
    </message>
    <message>
        <source>Apply the Last Effect &amp;Again</source>
        <translation>最後のエフェクトをもう一度適用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>ルック</translation>
    </message>
    <message>
        <source>Looks: effects kept to put on any photo (%1)</source>
        <translation>ルック: どの写真にもかけられるよう保存したエフェクト（%1）</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Preferences (%1)</source>
        <translation>環境設定（%1）</translation>
    </message>
    <message>
        <source>Applying %1</source>
        <translation>%1 を適用しています</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 を保存しています</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 をやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Apply %1 &amp;Again</source>
        <translation>%1 をもう一度適用(&amp;A)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Quorvane ヘルプ</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 を開いています...</translation>
    </message>
    <message>
        <source>&amp;Batch...</source>
        <translation>一括処理(&amp;B)...</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>一括処理</translation>
    </message>
    <message>
        <source>Batch: put an effect or a look on many photos at once (%1)</source>
        <translation>一括処理: エフェクトやルックを多くの写真にまとめて適用（%1）</translation>
    </message>
</context>
<context>
    <name>qv::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>処理中---</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>お待ちください</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>色を変更</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元画像</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect (or hold Space, or the right mouse button on the picture)</source>
        <translation>押している間、効果なしの画像を表示します（スペースキー、または画像上でマウスの右ボタンを押していても同じです）</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Before and after side by side; drag the divider</source>
        <translation>前後を並べて表示。境界線をドラッグできます</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+minus, the wheel)</source>
        <translation>縮小（Ctrl+マイナス、ホイール）</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+plus, the wheel)</source>
        <translation>拡大（Ctrl+プラス、ホイール）</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>The whole picture (Ctrl+0)</source>
        <translation>画像全体（Ctrl+0）</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel (Ctrl+1)</source>
        <translation>画像の 1 ピクセルを画面の 1 ピクセルで表示（Ctrl+1）</translation>
    </message>
    <message>
        <source>Strength of the effect</source>
        <translation>エフェクトの強さ</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>強さ %1%</translation>
    </message>
    <message>
        <source>Strength 100 %</source>
        <translation>強さ 100%</translation>
    </message>
</context>
<context>
    <name>qv::ThumbnailStrip</name>
    <message>
        <source>Effect %1</source>
        <translation>エフェクト %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, effect %2</source>
        <translation>%1、エフェクト %2</translation>
    </message>
    <message>
        <source>Opens the preview of this effect</source>
        <translation>このエフェクトのプレビューを開きます</translation>
    </message>
</context>
</TS>
