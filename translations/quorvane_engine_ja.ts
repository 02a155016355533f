<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Engine</name>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Bitmap image is not valid</source>
        <translation>Bitmap 画像が正しくありません</translation>
    </message>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Picture is too large (%1 x %2 pixels); the limit is %3 megapixels</source>
        <translation>画像が大きすぎます（%1 × %2 ピクセル）。上限は %3 メガピクセルです</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>Bitmap image is not valid: %1</source>
        <translation>Bitmap 画像が正しくありません: %1</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>the file ends before its pixels do</source>
        <translation>ピクセルデータの途中でファイルが終わっています</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks are not valid</source>
        <translation>カラーマスクが正しくありません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks overlap</source>
        <translation>カラーマスクが重なっています</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it does not start with "BM"</source>
        <translation>先頭が "BM" ではありません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8 or 24</source>
        <translation>1 ピクセルあたりのビット数が 1、4、8、24 のいずれでもありません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 Huffman coding</source>
        <translation>OS/2 のハフマン符号化</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 RLE24 coding</source>
        <translation>OS/2 の RLE24 符号化</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its OS/2 compression is not supported</source>
        <translation>この OS/2 の圧縮方式には対応していません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its header size is unknown</source>
        <translation>ヘッダーのサイズが不明です</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its number of planes is not 1</source>
        <translation>プレーン数が 1 ではありません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it has no pixels</source>
        <translation>ピクセルがありません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8, 16, 24 or 32</source>
        <translation>1 ピクセルあたりのビット数が 1、4、8、16、24、32 のいずれでもありません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coding does not match its bits per pixel</source>
        <translation>ランレングス符号化が 1 ピクセルあたりのビット数と合っていません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coded rows run top-down</source>
        <translation>ランレングス符号化された行が上から下の順に並んでいます</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks need 16 or 32 bits per pixel</source>
        <translation>カラーマスクには 1 ピクセルあたり 16 または 32 ビットが必要です</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>JPEG inside a bitmap</source>
        <translation>ビットマップ内の JPEG</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>PNG inside a bitmap</source>
        <translation>ビットマップ内の PNG</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its compression is not supported</source>
        <translation>この圧縮方式には対応していません</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its pixel data lies outside the file</source>
        <translation>ピクセルデータがファイルの範囲外にあります</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>colour indices past the end of its palette</source>
        <translation>パレットの末尾を超える色インデックス</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>run-length codes reach outside the picture</source>
        <translation>ランレングス符号が画像の範囲外に及んでいます</translation>
    </message>
    <message>
        <extracomment>codecs/BmpEncoder.cpp</extracomment>
        <source>Picture is too large for a BMP file</source>
        <translation>画像が大きすぎて BMP ファイルにできません</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: %2</source>
        <translation>ファイル %1 を開けません: %2</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: the file is read-only</source>
        <translation>ファイル %1 を開けません: このファイルは読み取り専用です</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot write file %1 (%2)</source>
        <translation>ファイル %1 に書き込めません（%2）</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>File %1 is too large to be a picture</source>
        <translation>ファイル %1 は画像としては大きすぎます</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its primary picture is missing</source>
        <translation>メイン画像がありません</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its picture is of the item type '%1'</source>
        <translation>画像のアイテムタイプが '%1' です</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its coded pictures (tiles, alpha, depth and thumbnails) are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>符号化された画像（タイル、アルファ、深度、サムネイル）が %1 の画像に対して大きすぎます（合計 %2 メガピクセル）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its grids, overlays and turned copies are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>グリッド、オーバーレイ、回転したコピーが %1 の画像に対して大きすぎます（合計 %2 メガピクセル）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>overlay</source>
        <translation>オーバーレイ</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>derived picture</source>
        <translation>派生画像</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>coded picture</source>
        <translation>符号化画像</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>%1 (item %2)</source>
        <translation>%1（アイテム %2）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has a damaged size</source>
        <translation>%1のサイズ情報が破損しています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large (%2 pixels)</source>
        <translation>%1が大きすぎます（%2 ピクセル）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large: it makes %2 pixels but declares %3</source>
        <translation>%1が大きすぎます: 実際は %2 ピクセルですが、宣言は %3 です</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>the data of its %1 lies outside the file</source>
        <translation>%1のデータがファイルの範囲外にあります</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is damaged</source>
        <translation>%1が破損しています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has no coded data</source>
        <translation>%1に符号化データがありません</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>it refers to an item it does not have (item %1)</source>
        <translation>存在しないアイテムを参照しています（アイテム %1）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from itself</source>
        <translation>%1が自分自身から作られています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from item %2, which is not a picture</source>
        <translation>%1がアイテム %2 から作られていますが、そのアイテムは画像ではありません</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its pictures are built from each other too many steps deep</source>
        <translation>画像どうしの構成の入れ子が深すぎます</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>its picture could not be decoded</source>
        <translation>画像をデコードできませんでした</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has no meta box</source>
        <translation>meta ボックスがありません</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its meta box is cut short</source>
        <translation>meta ボックスが途中で切れています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its %1 box is cut short</source>
        <translation>%1 ボックスが途中で切れています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its items hold too many references and properties</source>
        <translation>アイテムの参照とプロパティが多すぎます</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many items</source>
        <translation>アイテムが多すぎます</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its infe box is cut short</source>
        <translation>infe ボックスが途中で切れています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is declared twice</source>
        <translation>アイテム %1 が二重に宣言されています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iloc box is not valid</source>
        <translation>iloc ボックスが正しくありません</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is located twice</source>
        <translation>アイテム %1 の位置が二重に指定されています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iref box is cut short</source>
        <translation>iref ボックスが途中で切れています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iprp box is cut short</source>
        <translation>iprp ボックスが途中で切れています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its ipco box is cut short</source>
        <translation>ipco ボックスが途中で切れています</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many properties</source>
        <translation>プロパティが多すぎます</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLibrary.cpp</extracomment>
        <source>HEIF and AVIF pictures need libheif, which cannot be loaded (%1)</source>
        <translation>HEIF と AVIF の画像には libheif が必要ですが、読み込めません（%1）</translation>
    </message>
    <message>
        <extracomment>codecs/JpegDecoder.cpp</extracomment>
        <source>JPEG picture has too many scans</source>
        <translation>JPEG 画像のスキャンが多すぎます</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Cannot write</source>
        <translation>書き込めません</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Picture is too large for a JPEG file (%1 x %2 pixels): JPEG holds at most 65,500 pixels a side; save it as BMP, which can hold it</source>
        <translation>画像が大きすぎて JPEG ファイルにできません（%1 × %2 ピクセル）: JPEG の 1 辺は最大 65,500 ピクセルです。この大きさを保存できる BMP で保存してください</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (only 8-bit JPEG pictures can be opened)</source>
        <translation>JPEG エラー #%1: %2（開けるのは 8 ビットの JPEG 画像だけです）</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (lossless and hierarchical JPEG pictures cannot be opened)</source>
        <translation>JPEG エラー #%1: %2（可逆圧縮および階層型の JPEG 画像は開けません）</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2</source>
        <translation>JPEG エラー #%1: %2</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>JPEG stream ended inside a segment</source>
        <translation>JPEG ストリームがセグメントの途中で終わっています</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its extended XMP block is incomplete and was left out</source>
        <translation>拡張 XMP ブロックが不完全なため、省きました</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its colour profile is incomplete and was left out</source>
        <translation>カラープロファイルが不完全なため、省きました</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>some of its metadata was too large and was left out</source>
        <translation>一部のメタデータが大きすぎるため、省きました</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its %1 block is damaged and was left out</source>
        <translation>%1 ブロックが破損しているため、省きました</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged; the tags that could be read were kept</source>
        <translation>EXIF ブロックが破損しています。読み取れたタグは残しました</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged and was left out</source>
        <translation>EXIF ブロックが破損しているため、省きました</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its colour profile is damaged and was left out</source>
        <translation>カラープロファイルが破損しているため、省きました</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension: the file name has none, and %1</source>
        <translation>不明な画像ファイル拡張子: ファイル名に拡張子がなく、%1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension (.%1): %2</source>
        <translation>不明な画像ファイル拡張子（.%1）: %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>the file holds no %1 picture</source>
        <translation>ファイルに %1 の画像が含まれていません</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>pictures are saved as %1</source>
        <translation>保存形式は %1 です</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 pictures can be opened but not saved: pictures are saved as %2</source>
        <translation>%1 画像は開けますが、保存はできません: 保存形式は %2 です</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>No encoder for this picture format</source>
        <translation>この画像形式のエンコーダーがありません</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>the file is cut short</source>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its data does not match its checksums and may be damaged (%1)</source>
        <translation>データがチェックサムと一致せず、破損している可能性があります（%1）</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its %1 chunk is damaged and was left out</source>
        <translation>%1 チャンクが破損しているため、省きました</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>it does not start with the PNG signature</source>
        <translation>先頭に PNG シグネチャがありません</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG image is not valid: a picture without pixels</source>
        <translation>PNG 画像が正しくありません: ピクセルのない画像です</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG error: %1</source>
        <translation>PNG エラー: %1</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>part of the picture is missing or damaged (%1)</source>
        <translation>画像の一部が欠けているか、破損しています（%1）</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is not valid: %2</source>
        <translation>%1 画像が正しくありません: %2</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is a kind of picture Quorvane does not open (%2)</source>
        <translation>%1 画像は Quorvane で開けない種類の画像です（%2）</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it has no picture size</source>
        <translation>画像サイズの情報がありません</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it does not say how its samples make colours</source>
        <translation>サンプルから色を作る方法が指定されていません</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, floating point</source>
        <translation>、浮動小数点</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, signed</source>
        <translation>、符号付き</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>photometric %1, %2 samples of %3 bits%4</source>
        <translation>フォトメトリック %1、%3 ビットのサンプル %2 個%4</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its palette is missing</source>
        <translation>パレットがありません</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles are too large</source>
        <translation>ストリップまたはタイルが大きすぎます</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles have no size</source>
        <translation>ストリップまたはタイルにサイズがありません</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its tiles are far larger than the picture</source>
        <translation>タイルが画像よりはるかに大きくなっています</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its pixels cannot be read</source>
        <translation>ピクセルを読み取れません</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF image is not valid: a picture without pixels</source>
        <translation>TIFF 画像が正しくありません: ピクセルのない画像です</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF error: %1</source>
        <translation>TIFF エラー: %1</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it uses a feature this reader does not know</source>
        <translation>この読み込み処理では扱えない機能が使われています</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture data is damaged</source>
        <translation>画像データが破損しています</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its first frame cannot be decoded</source>
        <translation>最初のフレームをデコードできません</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it does not start with a WebP header</source>
        <translation>先頭に WebP ヘッダーがありません</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its chunks are not valid</source>
        <translation>チャンクが正しくありません</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>the file ends before its header does</source>
        <translation>ヘッダーの途中でファイルが終わっています</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture and its canvas differ in size</source>
        <translation>画像とキャンバスのサイズが異なります</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: out of memory</source>
        <translation>WebP エラー: メモリが不足しています</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>Picture is too large for a WebP file (%1 x %2 pixels): WebP holds at most 16,383 pixels a side; save it as PNG or TIFF, which can hold it</source>
        <translation>画像が大きすぎて WebP ファイルにできません（%1 × %2 ピクセル）: WebP の 1 辺は最大 16,383 ピクセルです。この大きさを保存できる PNG または TIFF で保存してください</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP image is not valid: a picture without pixels</source>
        <translation>WebP 画像が正しくありません: ピクセルのない画像です</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be encoded</source>
        <translation>WebP エラー: 画像をエンコードできませんでした</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be assembled</source>
        <translation>WebP エラー: 画像を組み立てられませんでした</translation>
    </message>
    <message>
        <extracomment>kernels/ArtEffect.cpp</extracomment>
        <source>There is no art effect %1</source>
        <translation>アートのエフェクト %1 はありません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is not a look: %1</source>
        <translation>ルックではありません: %1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its "version" is not written as "MAJOR.MINOR"</source>
        <translation>"version" が "MAJOR.MINOR" の形式で書かれていません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version "%1" is not written as "MAJOR.MINOR"</source>
        <translation>バージョン "%1" が "MAJOR.MINOR" の形式で書かれていません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has %1 bytes; a look may have less than 1 MB</source>
        <translation>%1 バイトあります。ルックは 1 MB 未満でなければなりません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it is no JSON (%1)</source>
        <translation>JSON ではありません（%1）</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it does not say "format": "quorvane-look"</source>
        <translation>"format": "quorvane-look" の記述がありません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "version"</source>
        <translation>"version" がありません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is a look of version %1.%2, made by a newer Quorvane; this one reads %3.x</source>
        <translation>より新しい Quorvane で作られた、バージョン %1.%2 のルックです。このバージョンが読めるのは %3.x です</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version %1 never existed</source>
        <translation>バージョン %1 は存在しません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "name"</source>
        <translation>"name" がありません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no list of "steps"</source>
        <translation>"steps" のリストがありません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no steps</source>
        <translation>ステップがありません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>has %1 steps; a look may have at most %2</source>
        <translation>ステップが %1 個あります。ルックのステップは最大 %2 個です</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>step %1 (%2): %3</source>
        <translation>ステップ %1（%2）: %3</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>write it as CATEGORY/N[@STRENGTH][#RRGGBB...]</source>
        <translation>CATEGORY/N[@STRENGTH][#RRGGBB...] の形式で書いてください</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>there is no effect "%1" (see 'quorvane-fx list')</source>
        <translation>"%1" というエフェクトはありません（'quorvane-fx list' を参照してください）</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>no %1 where one belongs</source>
        <translation>あるべき%1がありません</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>effect number</source>
        <translation>エフェクト番号</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>%1 has no effect %2 (it has 1 to 10)</source>
        <translation>%1 にエフェクト %2 はありません（1～10 のみです）</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>the strength %1 is outside 0 to 100</source>
        <translation>強さ %1 が 0～100 の範囲外です</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>"%1" is no colour; write it as #RRGGBB</source>
        <translation>"%1" は色ではありません。#RRGGBB の形式で書いてください</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>#? leaves the colours open: give none beside it</source>
        <translation>#? は色を指定しないという意味です: ほかの色を一緒に書かないでください</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The strength must be %1 to %2, not %3</source>
        <translation>強さは %1～%2 でなければなりません（%3 ではありません）</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The effect and the picture differ in size</source>
        <translation>エフェクトと画像のサイズが異なります</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is damaged</source>
        <translation>描画したマスクが破損しています</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is not a mask file</source>
        <translation>描画したマスクがマスクファイルではありません</translation>
    </message>
    <message>
        <extracomment>kernels/RecipeRows.cpp</extracomment>
        <source>An art effect needs the whole picture</source>
        <translation>アートのエフェクトには画像全体が必要です</translation>
    </message>
    <message>
        <extracomment>kernels/Recipes.cpp</extracomment>
        <source>There is no effect %1 in category %2</source>
        <translation>カテゴリ %2 にエフェクト %1 はありません</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The mask is %1 x %2 pixels and the picture %3 x %4; they must be the same size</source>
        <translation>マスクは %1 × %2 ピクセル、画像は %3 × %4 ピクセルです。同じサイズでなければなりません</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The strength %1 is outside 0 to 100</source>
        <translation>強さ %1 が 0～100 の範囲外です</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>step %1: %2</source>
        <translation>ステップ %1: %2</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"%1" is not a whole number</source>
        <translation>"%1" は整数ではありません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a colour is not written as RRGGBB</source>
        <translation>RRGGBB の形式で書かれていない色があります</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the colour "%1" is not RRGGBB</source>
        <translation>色 "%1" が RRGGBB の形式ではありません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's %1</source>
        <translation>マスクの%1</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"mask" is not an object</source>
        <translation>"mask" がオブジェクトではありません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask is both linear and radial</source>
        <translation>マスクが線形と放射の両方になっています</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "%1" is not four numbers</source>
        <translation>マスクの "%1" が 4 つの数値ではありません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>points must be -1 to 2</source>
        <translation>点の座標は -1 から 2 の範囲でなければなりません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's two points are the same</source>
        <translation>マスクの 2 つの点が同じです</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>radii must be above 0 and at most 2</source>
        <translation>半径は 0 より大きく 2 以下でなければなりません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>feather must be 0 to 1</source>
        <translation>ぼかしは 0 から 1 の範囲でなければなりません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "invert" is not true or false</source>
        <translation>マスクの "invert" が true でも false でもありません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is not an object</source>
        <translation>オブジェクトではありません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is a look without its steps</source>
        <translation>ステップのないルックです</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a look within a look is not allowed</source>
        <translation>ルックの中にルックを入れることはできません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>names no effect</source>
        <translation>エフェクトが指定されていません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>there is no effect "%1"</source>
        <translation>"%1" というエフェクトはありません</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"colors" is not a list</source>
        <translation>"colors" がリストではありません</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Floating point division by zero</source>
        <translation>浮動小数点のゼロ除算</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Scan line index out of range</source>
        <translation>スキャンラインのインデックスが範囲外です</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1 takes %2 values, not %3</source>
        <translation>%1 には %2 個の値が必要です（%3 個ではありません）</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1: %2 must be %3, not %4</source>
        <translation>%1: %2 は %4 ではなく %3 でなければなりません</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has a '{' without its '}'</source>
        <translation>パターンの '{' に対応する '}' がありません</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has an unknown field {%1} (it takes {name}, {look}, {n} and {n:W})</source>
        <translation>パターンに不明なフィールド {%1} があります（使えるのは {name}、{look}、{n}、{n:W} です）</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern gives no file name</source>
        <translation>パターンからファイル名が得られません</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern is a file name, without '/' (sub-folders come from the inputs' own)</source>
        <translation>パターンはファイル名だけで、'/' は使えません（サブフォルダーは入力ファイルのものがそのまま使われます）</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 would replace an input</source>
        <translation>結果の %1 が入力ファイルを置き換えてしまいます</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 is already %2's</source>
        <translation>結果の %1 は既に %2 の結果になっています</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>unknown failure</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>the result exists</source>
        <translation>結果のファイルが既に存在します</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>Cannot make the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>Bitmap image is not valid: it has no pixels</source>
        <translation>Bitmap 画像が正しくありません: ピクセルがありません</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) cannot be read any more</source>
        <translation>%1 への保存されていない変更を復元できません: 変更を加えた画像（%2）を読み込めなくなっています</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) has changed since</source>
        <translation>%1 への保存されていない変更を復元できません: 変更を加えた画像（%2）がその後変更されています</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot make the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot remove the look %1</source>
        <translation>ルック %1 を削除できません</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the fingerprint is not 16 hex digits</source>
        <translation>フィンガープリントが 16 桁の 16 進数ではありません</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it is of another version</source>
        <translation>別のバージョンのものです</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>step %1 names no mask of its own</source>
        <translation>ステップ %1 に固有のマスクが指定されていません</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the mask of step %1: %2</source>
        <translation>ステップ %1 のマスク: %2</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it stands beyond its steps</source>
        <translation>現在位置がステップの範囲を超えています</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>The recovery record is damaged: %1</source>
        <translation>復元用の記録が破損しています: %1</translation>
    </message>
    <message>
        <extracomment>app/Unit1.cpp</extracomment>
        <source>Cannot open file %1</source>
        <translation>ファイル %1 を開けません</translation>
    </message>
</context>
</TS>
