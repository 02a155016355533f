<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Engine</name>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Bitmap image is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Picture is too large (%1 x %2 pixels); the limit is %3 megapixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>Bitmap image is not valid: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>the file ends before its pixels do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks are not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it does not start with "BM"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8 or 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 Huffman coding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 RLE24 coding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its OS/2 compression is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its header size is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its number of planes is not 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it has no pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8, 16, 24 or 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coding does not match its bits per pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coded rows run top-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks need 16 or 32 bits per pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>JPEG inside a bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>PNG inside a bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its compression is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its pixel data lies outside the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>colour indices past the end of its palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>run-length codes reach outside the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/BmpEncoder.cpp</extracomment>
        <source>Picture is too large for a BMP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot write file %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>File %1 is too large to be a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its primary picture is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its picture is of the item type '%1'</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its coded pictures (tiles, alpha, depth and thumbnails) are too large for its %1 picture (%2 megapixels in all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its grids, overlays and turned copies are too large for its %1 picture (%2 megapixels in all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>derived picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>coded picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>%1 (item %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has a damaged size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large (%2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large: it makes %2 pixels but declares %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>the data of its %1 lies outside the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has no coded data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>it refers to an item it does not have (item %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from item %2, which is not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its pictures are built from each other too many steps deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>its picture could not be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has no meta box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its meta box is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its %1 box is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its items hold too many references and properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its infe box is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is declared twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iloc box is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is located twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iref box is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iprp box is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its ipco box is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/HeifLibrary.cpp</extracomment>
        <source>HEIF and AVIF pictures need libheif, which cannot be loaded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegDecoder.cpp</extracomment>
        <source>JPEG picture has too many scans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Cannot write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Picture is too large for a JPEG file (%1 x %2 pixels): JPEG holds at most 65,500 pixels a side; save it as BMP, which can hold it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (only 8-bit JPEG pictures can be opened)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (lossless and hierarchical JPEG pictures cannot be opened)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>JPEG stream ended inside a segment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its extended XMP block is incomplete and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its colour profile is incomplete and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>some of its metadata was too large and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its %1 block is damaged and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged; the tags that could be read were kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its colour profile is damaged and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension: the file name has none, and %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension (.%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>the file holds no %1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>pictures are saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 pictures can be opened but not saved: pictures are saved as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>No encoder for this picture format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>the file is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its data does not match its checksums and may be damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its %1 chunk is damaged and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>it does not start with the PNG signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG image is not valid: a picture without pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>part of the picture is missing or damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is not valid: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is a kind of picture Quorvane does not open (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it has no picture size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it does not say how its samples make colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, floating point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, signed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>photometric %1, %2 samples of %3 bits%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its palette is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles are too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles have no size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its tiles are far larger than the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its pixels cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF image is not valid: a picture without pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it uses a feature this reader does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture data is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its first frame cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it does not start with a WebP header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its chunks are not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>the file ends before its header does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture and its canvas differ in size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>Picture is too large for a WebP file (%1 x %2 pixels): WebP holds at most 16,383 pixels a side; save it as PNG or TIFF, which can hold it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP image is not valid: a picture without pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be assembled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/ArtEffect.cpp</extracomment>
        <source>There is no art effect %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is not a look: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its "version" is not written as "MAJOR.MINOR"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version "%1" is not written as "MAJOR.MINOR"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has %1 bytes; a look may have less than 1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it is no JSON (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it does not say "format": "quorvane-look"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "version"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is a look of version %1.%2, made by a newer Quorvane; this one reads %3.x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version %1 never existed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "name"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no list of "steps"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>has %1 steps; a look may have at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>step %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>write it as CATEGORY/N[@STRENGTH][#RRGGBB...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>there is no effect "%1" (see 'quorvane-fx list')</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>no %1 where one belongs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>effect number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>%1 has no effect %2 (it has 1 to 10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>the strength %1 is outside 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>"%1" is no colour; write it as #RRGGBB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>#? leaves the colours open: give none beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The strength must be %1 to %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The effect and the picture differ in size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is not a mask file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/RecipeRows.cpp</extracomment>
        <source>An art effect needs the whole picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Recipes.cpp</extracomment>
        <source>There is no effect %1 in category %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The mask is %1 x %2 pixels and the picture %3 x %4; they must be the same size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The strength %1 is outside 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>step %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"%1" is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a colour is not written as RRGGBB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the colour "%1" is not RRGGBB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"mask" is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask is both linear and radial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "%1" is not four numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>points must be -1 to 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's two points are the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>radii must be above 0 and at most 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>feather must be 0 to 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "invert" is not true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is a look without its steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a look within a look is not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>names no effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>there is no effect "%1"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"colors" is not a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Floating point division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Scan line index out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1 takes %2 values, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1: %2 must be %3, not %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has a '{' without its '}'</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has an unknown field {%1} (it takes {name}, {look}, {n} and {n:W})</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern gives no file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern is a file name, without '/' (sub-folders come from the inputs' own)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 would replace an input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 is already %2's</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>unknown failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>the result exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>Cannot make the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>Bitmap image is not valid: it has no pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) cannot be read any more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) has changed since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot remove the look %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the fingerprint is not 16 hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it is of another version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>step %1 names no mask of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the mask of step %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it stands beyond its steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>The recovery record is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>app/Unit1.cpp</extracomment>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
