<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Engine</name>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Bitmap image is not valid</source>
        <translation>Bitmap 图片无效</translation>
    </message>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Picture is too large (%1 x %2 pixels); the limit is %3 megapixels</source>
        <translation>图片太大（%1 × %2 像素）；上限为 %3 百万像素</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>Bitmap image is not valid: %1</source>
        <translation>Bitmap 图片无效：%1</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>the file ends before its pixels do</source>
        <translation>文件提前结束，像素数据不完整</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks are not valid</source>
        <translation>颜色掩码无效</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks overlap</source>
        <translation>颜色掩码相互重叠</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it does not start with "BM"</source>
        <translation>文件开头不是 "BM"</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8 or 24</source>
        <translation>每像素位数不是 1、4、8 或 24</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 Huffman coding</source>
        <translation>OS/2 霍夫曼编码</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 RLE24 coding</source>
        <translation>OS/2 RLE24 编码</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its OS/2 compression is not supported</source>
        <translation>不支持其 OS/2 压缩方式</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its header size is unknown</source>
        <translation>文件头大小未知</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its number of planes is not 1</source>
        <translation>平面数不是 1</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it has no pixels</source>
        <translation>没有像素</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8, 16, 24 or 32</source>
        <translation>每像素位数不是 1、4、8、16、24 或 32</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coding does not match its bits per pixel</source>
        <translation>行程编码与每像素位数不符</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coded rows run top-down</source>
        <translation>行程编码的行按自上而下的顺序排列</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks need 16 or 32 bits per pixel</source>
        <translation>颜色掩码要求每像素 16 或 32 位</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>JPEG inside a bitmap</source>
        <translation>位图中内嵌的 JPEG</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>PNG inside a bitmap</source>
        <translation>位图中内嵌的 PNG</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its compression is not supported</source>
        <translation>不支持其压缩方式</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its pixel data lies outside the file</source>
        <translation>像素数据位于文件范围之外</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>colour indices past the end of its palette</source>
        <translation>颜色索引超出调色板末尾</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>run-length codes reach outside the picture</source>
        <translation>行程编码超出了图片范围</translation>
    </message>
    <message>
        <extracomment>codecs/BmpEncoder.cpp</extracomment>
        <source>Picture is too large for a BMP file</source>
        <translation>图片太大，无法保存为 BMP 文件</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: the file is read-only</source>
        <translation>无法打开文件 %1：该文件为只读</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot write file %1 (%2)</source>
        <translation>无法写入文件 %1（%2）</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>File %1 is too large to be a picture</source>
        <translation>文件 %1 太大，不可能是图片</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its primary picture is missing</source>
        <translation>缺少主图片</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its picture is of the item type '%1'</source>
        <translation>其图片的项目类型为 '%1'</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its coded pictures (tiles, alpha, depth and thumbnails) are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>其编码图片（图块、Alpha、深度和缩略图）相对于 %1 的图片过大（总计 %2 百万像素）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its grids, overlays and turned copies are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>其网格、叠加层和旋转副本相对于 %1 的图片过大（总计 %2 百万像素）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>overlay</source>
        <translation>叠加层</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>derived picture</source>
        <translation>派生图片</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>coded picture</source>
        <translation>编码图片</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>%1 (item %2)</source>
        <translation>%1（项目 %2）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has a damaged size</source>
        <translation>%1的尺寸信息已损坏</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large (%2 pixels)</source>
        <translation>%1过大（%2 像素）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large: it makes %2 pixels but declares %3</source>
        <translation>%1过大：实际为 %2 像素，但声明为 %3</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>the data of its %1 lies outside the file</source>
        <translation>%1的数据位于文件范围之外</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is damaged</source>
        <translation>%1已损坏</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has no coded data</source>
        <translation>%1没有编码数据</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>it refers to an item it does not have (item %1)</source>
        <translation>引用了不存在的项目（项目 %1）</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from itself</source>
        <translation>%1由其自身构成</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from item %2, which is not a picture</source>
        <translation>%1由项目 %2 构成，但该项目不是图片</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its pictures are built from each other too many steps deep</source>
        <translation>图片之间相互构成的层级过深</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>its picture could not be decoded</source>
        <translation>无法解码其图片</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has no meta box</source>
        <translation>没有 meta 盒</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its meta box is cut short</source>
        <translation>meta 盒被截断</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its %1 box is cut short</source>
        <translation>%1 盒被截断</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its items hold too many references and properties</source>
        <translation>项目包含的引用和属性过多</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many items</source>
        <translation>项目过多</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its infe box is cut short</source>
        <translation>infe 盒被截断</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is declared twice</source>
        <translation>项目 %1 被声明了两次</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iloc box is not valid</source>
        <translation>iloc 盒无效</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is located twice</source>
        <translation>项目 %1 的位置被指定了两次</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iref box is cut short</source>
        <translation>iref 盒被截断</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iprp box is cut short</source>
        <translation>iprp 盒被截断</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its ipco box is cut short</source>
        <translation>ipco 盒被截断</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many properties</source>
        <translation>属性过多</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLibrary.cpp</extracomment>
        <source>HEIF and AVIF pictures need libheif, which cannot be loaded (%1)</source>
        <translation>HEIF 和 AVIF 图片需要 libheif，但无法加载它（%1）</translation>
    </message>
    <message>
        <extracomment>codecs/JpegDecoder.cpp</extracomment>
        <source>JPEG picture has too many scans</source>
        <translation>JPEG 图片的扫描过多</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Cannot write</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Picture is too large for a JPEG file (%1 x %2 pixels): JPEG holds at most 65,500 pixels a side; save it as BMP, which can hold it</source>
        <translation>图片太大，无法保存为 JPEG 文件（%1 × %2 像素）：JPEG 每边最多 65,500 像素；请保存为可以容纳它的 BMP</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (only 8-bit JPEG pictures can be opened)</source>
        <translation>JPEG 错误 #%1：%2（只能打开 8 位 JPEG 图片）</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (lossless and hierarchical JPEG pictures cannot be opened)</source>
        <translation>JPEG 错误 #%1：%2（无法打开无损和分层 JPEG 图片）</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2</source>
        <translation>JPEG 错误 #%1：%2</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>JPEG stream ended inside a segment</source>
        <translation>JPEG 数据流在段的中途结束</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its extended XMP block is incomplete and was left out</source>
        <translation>扩展 XMP 块不完整，已略去</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its colour profile is incomplete and was left out</source>
        <translation>色彩配置文件不完整，已略去</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>some of its metadata was too large and was left out</source>
        <translation>部分元数据过大，已略去</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its %1 block is damaged and was left out</source>
        <translation>%1 块已损坏，已略去</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged; the tags that could be read were kept</source>
        <translation>EXIF 块已损坏；已保留可以读取的标签</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged and was left out</source>
        <translation>EXIF 块已损坏，已略去</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its colour profile is damaged and was left out</source>
        <translation>色彩配置文件已损坏，已略去</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension: the file name has none, and %1</source>
        <translation>未知的图片文件扩展名：文件名没有扩展名，且%1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension (.%1): %2</source>
        <translation>未知的图片文件扩展名（.%1）：%2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>the file holds no %1 picture</source>
        <translation>文件中没有 %1 图片</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>pictures are saved as %1</source>
        <translation>图片可保存为 %1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 pictures can be opened but not saved: pictures are saved as %2</source>
        <translation>%1 图片可以打开，但无法保存：图片可保存为 %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>No encoder for this picture format</source>
        <translation>没有适用于此图片格式的编码器</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>the file is cut short</source>
        <translation>文件被截断</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its data does not match its checksums and may be damaged (%1)</source>
        <translation>数据与校验和不符，可能已损坏（%1）</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its %1 chunk is damaged and was left out</source>
        <translation>%1 数据块已损坏，已略去</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>it does not start with the PNG signature</source>
        <translation>文件开头不是 PNG 签名</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG image is not valid: a picture without pixels</source>
        <translation>PNG 图片无效：图片没有像素</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG error: %1</source>
        <translation>PNG 错误：%1</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>part of the picture is missing or damaged (%1)</source>
        <translation>图片的一部分缺失或已损坏（%1）</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is not valid: %2</source>
        <translation>%1 图片无效：%2</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is a kind of picture Quorvane does not open (%2)</source>
        <translation>%1 图片属于 Quorvane 无法打开的类型（%2）</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it has no picture size</source>
        <translation>没有图片尺寸</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it does not say how its samples make colours</source>
        <translation>未说明其采样值如何构成颜色</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, floating point</source>
        <translation>，浮点</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, signed</source>
        <translation>，有符号</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>photometric %1, %2 samples of %3 bits%4</source>
        <translation>光度解释 %1，%2 个 %3 位采样%4</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its palette is missing</source>
        <translation>缺少调色板</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles are too large</source>
        <translation>条带或图块过大</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles have no size</source>
        <translation>条带或图块没有尺寸</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its tiles are far larger than the picture</source>
        <translation>图块远大于图片</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its pixels cannot be read</source>
        <translation>无法读取像素</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF image is not valid: a picture without pixels</source>
        <translation>TIFF 图片无效：图片没有像素</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF error: %1</source>
        <translation>TIFF 错误：%1</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it uses a feature this reader does not know</source>
        <translation>使用了此读取器无法识别的功能</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture data is damaged</source>
        <translation>图片数据已损坏</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its first frame cannot be decoded</source>
        <translation>无法解码第一帧</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it does not start with a WebP header</source>
        <translation>文件开头不是 WebP 文件头</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its chunks are not valid</source>
        <translation>数据块无效</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>the file ends before its header does</source>
        <translation>文件提前结束，文件头不完整</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture and its canvas differ in size</source>
        <translation>图片与画布的尺寸不同</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: out of memory</source>
        <translation>WebP 错误：内存不足</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>Picture is too large for a WebP file (%1 x %2 pixels): WebP holds at most 16,383 pixels a side; save it as PNG or TIFF, which can hold it</source>
        <translation>图片太大，无法保存为 WebP 文件（%1 × %2 像素）：WebP 每边最多 16,383 像素；请保存为可以容纳它的 PNG 或 TIFF</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP image is not valid: a picture without pixels</source>
        <translation>WebP 图片无效：图片没有像素</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be encoded</source>
        <translation>WebP 错误：无法编码图片</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be assembled</source>
        <translation>WebP 错误：无法组装图片</translation>
    </message>
    <message>
        <extracomment>kernels/ArtEffect.cpp</extracomment>
        <source>There is no art effect %1</source>
        <translation>没有艺术效果 %1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is not a look: %1</source>
        <translation>不是风格：%1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its "version" is not written as "MAJOR.MINOR"</source>
        <translation>"version" 的写法不是 "MAJOR.MINOR"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version "%1" is not written as "MAJOR.MINOR"</source>
        <translation>版本 "%1" 的写法不是 "MAJOR.MINOR"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has %1 bytes; a look may have less than 1 MB</source>
        <translation>大小为 %1 字节；风格必须小于 1 MB</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it is no JSON (%1)</source>
        <translation>不是 JSON（%1）</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it does not say "format": "quorvane-look"</source>
        <translation>未写明 "format": "quorvane-look"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "version"</source>
        <translation>没有 "version"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is a look of version %1.%2, made by a newer Quorvane; this one reads %3.x</source>
        <translation>是版本 %1.%2 的风格，由较新的 Quorvane 制作；此版本只能读取 %3.x</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version %1 never existed</source>
        <translation>版本 %1 从未存在过</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "name"</source>
        <translation>没有 "name"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no list of "steps"</source>
        <translation>没有 "steps" 列表</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no steps</source>
        <translation>没有任何步骤</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>has %1 steps; a look may have at most %2</source>
        <translation>有 %1 个步骤；一个风格最多只能有 %2 个</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>step %1 (%2): %3</source>
        <translation>步骤 %1（%2）：%3</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>write it as CATEGORY/N[@STRENGTH][#RRGGBB...]</source>
        <translation>请写成 CATEGORY/N[@STRENGTH][#RRGGBB...] 的形式</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>there is no effect "%1" (see 'quorvane-fx list')</source>
        <translation>没有效果 "%1"（请参阅 'quorvane-fx list'）</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>no %1 where one belongs</source>
        <translation>缺少应有的%1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>effect number</source>
        <translation>效果编号</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>%1 has no effect %2 (it has 1 to 10)</source>
        <translation>%1 没有效果 %2（只有 1 到 10）</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>the strength %1 is outside 0 to 100</source>
        <translation>强度 %1 超出 0 到 100 的范围</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>"%1" is no colour; write it as #RRGGBB</source>
        <translation>"%1" 不是颜色；请写成 #RRGGBB 的形式</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>#? leaves the colours open: give none beside it</source>
        <translation>#? 表示不指定颜色：请勿在其旁边再给出颜色</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The strength must be %1 to %2, not %3</source>
        <translation>强度必须在 %1 到 %2 之间，而不是 %3</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The effect and the picture differ in size</source>
        <translation>效果与图片的尺寸不同</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is damaged</source>
        <translation>绘制的蒙版已损坏</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is not a mask file</source>
        <translation>绘制的蒙版不是蒙版文件</translation>
    </message>
    <message>
        <extracomment>kernels/RecipeRows.cpp</extracomment>
        <source>An art effect needs the whole picture</source>
        <translation>艺术效果需要整张图片</translation>
    </message>
    <message>
        <extracomment>kernels/Recipes.cpp</extracomment>
        <source>There is no effect %1 in category %2</source>
        <translation>类别 %2 中没有效果 %1</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The mask is %1 x %2 pixels and the picture %3 x %4; they must be the same size</source>
        <translation>蒙版为 %1 × %2 像素，而图片为 %3 × %4；两者的尺寸必须相同</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The strength %1 is outside 0 to 100</source>
        <translation>强度 %1 超出 0 到 100 的范围</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>step %1: %2</source>
        <translation>步骤 %1：%2</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"%1" is not a whole number</source>
        <translation>"%1" 不是整数</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a colour is not written as RRGGBB</source>
        <translation>有颜色未按 RRGGBB 格式书写</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the colour "%1" is not RRGGBB</source>
        <translation>颜色 "%1" 不是 RRGGBB 格式</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's %1</source>
        <translation>蒙版的%1</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"mask" is not an object</source>
        <translation>"mask" 不是对象</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask is both linear and radial</source>
        <translation>蒙版同时是线性和径向的</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "%1" is not four numbers</source>
        <translation>蒙版的 "%1" 不是四个数字</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>points must be -1 to 2</source>
        <translation>点的坐标必须在 -1 到 2 之间</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's two points are the same</source>
        <translation>蒙版的两个点相同</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>radii must be above 0 and at most 2</source>
        <translation>半径必须大于 0 且不超过 2</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>feather must be 0 to 1</source>
        <translation>羽化值必须在 0 到 1 之间</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "invert" is not true or false</source>
        <translation>蒙版的 "invert" 既不是 true 也不是 false</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is not an object</source>
        <translation>不是对象</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is a look without its steps</source>
        <translation>是没有步骤的风格</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a look within a look is not allowed</source>
        <translation>不允许在风格中嵌套风格</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>names no effect</source>
        <translation>未指定效果</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>there is no effect "%1"</source>
        <translation>没有效果 "%1"</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"colors" is not a list</source>
        <translation>"colors" 不是列表</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Floating point division by zero</source>
        <translation>浮点数除以零</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Scan line index out of range</source>
        <translation>扫描行索引超出范围</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1 takes %2 values, not %3</source>
        <translation>%1 需要 %2 个值，而不是 %3 个</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1: %2 must be %3, not %4</source>
        <translation>%1：%2 必须为 %3，而不是 %4</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has a '{' without its '}'</source>
        <translation>模式中的 '{' 缺少对应的 '}'</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has an unknown field {%1} (it takes {name}, {look}, {n} and {n:W})</source>
        <translation>模式中有未知字段 {%1}（可用字段为 {name}、{look}、{n} 和 {n:W}）</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern gives no file name</source>
        <translation>模式没有给出文件名</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern is a file name, without '/' (sub-folders come from the inputs' own)</source>
        <translation>模式只能是文件名，不能含有 '/'（子文件夹沿用输入文件自身的子文件夹）</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 would replace an input</source>
        <translation>其结果 %1 会替换某个输入文件</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 is already %2's</source>
        <translation>其结果 %1 已属于 %2</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>unknown failure</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>the result exists</source>
        <translation>结果文件已存在</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>Cannot make the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>Bitmap image is not valid: it has no pixels</source>
        <translation>Bitmap 图片无效：没有像素</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) cannot be read any more</source>
        <translation>无法恢复对 %1 所做的未保存更改：进行这些更改时所用的图片（%2）已无法读取</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) has changed since</source>
        <translation>无法恢复对 %1 所做的未保存更改：进行这些更改时所用的图片（%2）此后已被改动</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot make the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot remove the look %1</source>
        <translation>无法删除风格 %1</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the fingerprint is not 16 hex digits</source>
        <translation>指纹不是 16 位十六进制数字</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it is of another version</source>
        <translation>属于其他版本</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>step %1 names no mask of its own</source>
        <translation>步骤 %1 没有指定自己的蒙版</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the mask of step %1: %2</source>
        <translation>步骤 %1 的蒙版：%2</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it stands beyond its steps</source>
        <translation>当前位置超出了步骤范围</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>The recovery record is damaged: %1</source>
        <translation>恢复记录已损坏：%1</translation>
    </message>
    <message>
        <extracomment>app/Unit1.cpp</extracomment>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
</context>
</TS>
