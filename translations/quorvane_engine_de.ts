<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Engine</name>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Picture is too large (%1 x %2 pixels); the limit is %3 megapixels</source>
        <translation>Das Bild ist zu groß (%1 × %2 Pixel); die Grenze liegt bei %3 Megapixeln</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>Bitmap image is not valid: %1</source>
        <translation>Das Bitmap-Bild ist ungültig: %1</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>the file ends before its pixels do</source>
        <translation>die Datei endet mitten in den Pixeldaten</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks are not valid</source>
        <translation>die Farbmasken sind ungültig</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks overlap</source>
        <translation>die Farbmasken überschneiden sich</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it does not start with "BM"</source>
        <translation>die Datei beginnt nicht mit "BM"</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8 or 24</source>
        <translation>die Anzahl der Bits pro Pixel ist nicht 1, 4, 8 oder 24</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 Huffman coding</source>
        <translation>OS/2-Huffman-Codierung</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 RLE24 coding</source>
        <translation>OS/2-RLE24-Codierung</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its OS/2 compression is not supported</source>
        <translation>die OS/2-Kompression wird nicht unterstützt</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its header size is unknown</source>
        <translation>die Größe des Headers ist unbekannt</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its number of planes is not 1</source>
        <translation>die Anzahl der Farbebenen ist nicht 1</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it has no pixels</source>
        <translation>es hat keine Pixel</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8, 16, 24 or 32</source>
        <translation>die Anzahl der Bits pro Pixel ist nicht 1, 4, 8, 16, 24 oder 32</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coding does not match its bits per pixel</source>
        <translation>die Lauflängencodierung passt nicht zur Anzahl der Bits pro Pixel</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coded rows run top-down</source>
        <translation>die lauflängencodierten Zeilen verlaufen von oben nach unten</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks need 16 or 32 bits per pixel</source>
        <translation>die Farbmasken erfordern 16 oder 32 Bit pro Pixel</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>JPEG inside a bitmap</source>
        <translation>JPEG in einer Bitmap</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>PNG inside a bitmap</source>
        <translation>PNG in einer Bitmap</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its compression is not supported</source>
        <translation>die Kompression wird nicht unterstützt</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its pixel data lies outside the file</source>
        <translation>die Pixeldaten liegen außerhalb der Datei</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>colour indices past the end of its palette</source>
        <translation>Farbindizes zeigen über das Ende der Palette hinaus</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>run-length codes reach outside the picture</source>
        <translation>Lauflängencodes reichen über das Bild hinaus</translation>
    </message>
    <message>
        <extracomment>codecs/BmpEncoder.cpp</extracomment>
        <source>Picture is too large for a BMP file</source>
        <translation>Das Bild ist zu groß für eine BMP-Datei</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: the file is read-only</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot write file %1 (%2)</source>
        <translation>Die Datei %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>File %1 is too large to be a picture</source>
        <translation>Die Datei %1 ist zu groß für ein Bild</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its primary picture is missing</source>
        <translation>das Hauptbild fehlt</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its picture is of the item type '%1'</source>
        <translation>das Bild hat den Elementtyp '%1'</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its coded pictures (tiles, alpha, depth and thumbnails) are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>die codierten Bilder (Kacheln, Alphakanäle, Tiefenkarten und Miniaturen) sind zu groß für das Bild mit %1 (insgesamt %2 Megapixel)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its grids, overlays and turned copies are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>die Raster, Überlagerungen und gedrehten Kopien sind zu groß für das Bild mit %1 (insgesamt %2 Megapixel)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>overlay</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>derived picture</source>
        <translation>abgeleitetes Bild</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>coded picture</source>
        <translation>codiertes Bild</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>%1 (item %2)</source>
        <translation>Element %2 (%1)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has a damaged size</source>
        <translation>das %1 hat eine beschädigte Größenangabe</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large (%2 pixels)</source>
        <translation>das %1 ist zu groß (%2 Pixel)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large: it makes %2 pixels but declares %3</source>
        <translation>das %1 ist zu groß: es ergibt %2 Pixel, gibt aber %3 an</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>the data of its %1 lies outside the file</source>
        <translation>die Daten von %1 liegen außerhalb der Datei</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is damaged</source>
        <translation>das %1 ist beschädigt</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has no coded data</source>
        <translation>das %1 hat keine codierten Daten</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>it refers to an item it does not have (item %1)</source>
        <translation>es verweist auf ein Element, das nicht vorhanden ist (Element %1)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from itself</source>
        <translation>das %1 ist aus sich selbst aufgebaut</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from item %2, which is not a picture</source>
        <translation>das %1 ist aus Element %2 aufgebaut, das kein Bild ist</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its pictures are built from each other too many steps deep</source>
        <translation>die Bilder bauen über zu viele Stufen aufeinander auf</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>its picture could not be decoded</source>
        <translation>das Bild konnte nicht decodiert werden</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has no meta box</source>
        <translation>die meta-Box fehlt</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its meta box is cut short</source>
        <translation>die meta-Box ist abgeschnitten</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its %1 box is cut short</source>
        <translation>die %1-Box ist abgeschnitten</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its items hold too many references and properties</source>
        <translation>die Elemente enthalten zu viele Verweise und Eigenschaften</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many items</source>
        <translation>es enthält zu viele Elemente</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its infe box is cut short</source>
        <translation>die infe-Box ist abgeschnitten</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is declared twice</source>
        <translation>das Element %1 ist zweimal deklariert</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iloc box is not valid</source>
        <translation>die iloc-Box ist ungültig</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is located twice</source>
        <translation>die Lage von Element %1 ist zweimal angegeben</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iref box is cut short</source>
        <translation>die iref-Box ist abgeschnitten</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iprp box is cut short</source>
        <translation>die iprp-Box ist abgeschnitten</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its ipco box is cut short</source>
        <translation>die ipco-Box ist abgeschnitten</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many properties</source>
        <translation>es enthält zu viele Eigenschaften</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLibrary.cpp</extracomment>
        <source>HEIF and AVIF pictures need libheif, which cannot be loaded (%1)</source>
        <translation>HEIF- und AVIF-Bilder benötigen die Bibliothek libheif, die nicht geladen werden kann (%1)</translation>
    </message>
    <message>
        <extracomment>codecs/JpegDecoder.cpp</extracomment>
        <source>JPEG picture has too many scans</source>
        <translation>Das JPEG-Bild hat zu viele Scans</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Cannot write</source>
        <translation>Schreiben nicht möglich</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Picture is too large for a JPEG file (%1 x %2 pixels): JPEG holds at most 65,500 pixels a side; save it as BMP, which can hold it</source>
        <translation>Das Bild ist zu groß für eine JPEG-Datei (%1 × %2 Pixel): JPEG fasst höchstens 65.500 Pixel je Seite; speichern Sie es als BMP, das diese Größe fasst</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (only 8-bit JPEG pictures can be opened)</source>
        <translation>JPEG-Fehler #%1: %2 (nur 8-Bit-JPEG-Bilder können geöffnet werden)</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (lossless and hierarchical JPEG pictures cannot be opened)</source>
        <translation>JPEG-Fehler #%1: %2 (verlustfreie und hierarchische JPEG-Bilder können nicht geöffnet werden)</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2</source>
        <translation>JPEG-Fehler #%1: %2</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>JPEG stream ended inside a segment</source>
        <translation>Der JPEG-Datenstrom endet mitten in einem Segment</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its extended XMP block is incomplete and was left out</source>
        <translation>der erweiterte XMP-Block ist unvollständig und wurde weggelassen</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its colour profile is incomplete and was left out</source>
        <translation>das Farbprofil ist unvollständig und wurde weggelassen</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>some of its metadata was too large and was left out</source>
        <translation>ein Teil der Metadaten war zu groß und wurde weggelassen</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its %1 block is damaged and was left out</source>
        <translation>der %1-Block ist beschädigt und wurde weggelassen</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged; the tags that could be read were kept</source>
        <translation>der EXIF-Block ist beschädigt; die lesbaren Tags wurden behalten</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged and was left out</source>
        <translation>der EXIF-Block ist beschädigt und wurde weggelassen</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its colour profile is damaged and was left out</source>
        <translation>das Farbprofil ist beschädigt und wurde weggelassen</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension: the file name has none, and %1</source>
        <translation>Unbekannte Bilddateiendung: der Dateiname hat keine Endung, und %1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension (.%1): %2</source>
        <translation>Unbekannte Bilddateiendung (.%1): %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>the file holds no %1 picture</source>
        <translation>die Datei enthält kein Bild im Format %1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>pictures are saved as %1</source>
        <translation>Bilder werden als %1 gespeichert</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 pictures can be opened but not saved: pictures are saved as %2</source>
        <translation>Bilder im Format %1 können geöffnet, aber nicht gespeichert werden: Bilder werden als %2 gespeichert</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>No encoder for this picture format</source>
        <translation>Für dieses Bildformat gibt es keinen Encoder</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>the file is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its data does not match its checksums and may be damaged (%1)</source>
        <translation>die Daten passen nicht zu ihren Prüfsummen und sind möglicherweise beschädigt (%1)</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its %1 chunk is damaged and was left out</source>
        <translation>der %1-Chunk ist beschädigt und wurde weggelassen</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>it does not start with the PNG signature</source>
        <translation>die Datei beginnt nicht mit der PNG-Signatur</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG image is not valid: a picture without pixels</source>
        <translation>Das PNG-Bild ist ungültig: ein Bild ohne Pixel</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG error: %1</source>
        <translation>PNG-Fehler: %1</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>part of the picture is missing or damaged (%1)</source>
        <translation>ein Teil des Bildes fehlt oder ist beschädigt (%1)</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is not valid: %2</source>
        <translation>Das %1-Bild ist ungültig: %2</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is a kind of picture Quorvane does not open (%2)</source>
        <translation>Das %1-Bild ist von einer Art, die Quorvane nicht öffnet (%2)</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it has no picture size</source>
        <translation>die Bildgröße fehlt</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it does not say how its samples make colours</source>
        <translation>es gibt nicht an, wie seine Samples Farben ergeben</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, floating point</source>
        <translation>, Gleitkomma</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, signed</source>
        <translation>, vorzeichenbehaftet</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>photometric %1, %2 samples of %3 bits%4</source>
        <translation>Photometrie %1, %2 Samples zu %3 Bit%4</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its palette is missing</source>
        <translation>die Palette fehlt</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles are too large</source>
        <translation>die Streifen oder Kacheln sind zu groß</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles have no size</source>
        <translation>die Streifen oder Kacheln haben keine Größe</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its tiles are far larger than the picture</source>
        <translation>die Kacheln sind weit größer als das Bild</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its pixels cannot be read</source>
        <translation>die Pixel können nicht gelesen werden</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF image is not valid: a picture without pixels</source>
        <translation>Das TIFF-Bild ist ungültig: ein Bild ohne Pixel</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF error: %1</source>
        <translation>TIFF-Fehler: %1</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it uses a feature this reader does not know</source>
        <translation>es verwendet eine Funktion, die dieser Decoder nicht kennt</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture data is damaged</source>
        <translation>die Bilddaten sind beschädigt</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its first frame cannot be decoded</source>
        <translation>das erste Einzelbild kann nicht decodiert werden</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it does not start with a WebP header</source>
        <translation>die Datei beginnt nicht mit einem WebP-Header</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its chunks are not valid</source>
        <translation>die Chunks sind ungültig</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>the file ends before its header does</source>
        <translation>die Datei endet mitten im Header</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture and its canvas differ in size</source>
        <translation>Bild und Leinwand sind verschieden groß</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: out of memory</source>
        <translation>WebP-Fehler: nicht genügend Speicher</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>Picture is too large for a WebP file (%1 x %2 pixels): WebP holds at most 16,383 pixels a side; save it as PNG or TIFF, which can hold it</source>
        <translation>Das Bild ist zu groß für eine WebP-Datei (%1 × %2 Pixel): WebP fasst höchstens 16.383 Pixel je Seite; speichern Sie es als PNG oder TIFF, die diese Größe fassen</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP image is not valid: a picture without pixels</source>
        <translation>Das WebP-Bild ist ungültig: ein Bild ohne Pixel</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be encoded</source>
        <translation>WebP-Fehler: das Bild konnte nicht codiert werden</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be assembled</source>
        <translation>WebP-Fehler: das Bild konnte nicht zusammengesetzt werden</translation>
    </message>
    <message>
        <extracomment>kernels/ArtEffect.cpp</extracomment>
        <source>There is no art effect %1</source>
        <translation>Es gibt keinen Kunst-Effekt %1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is not a look: %1</source>
        <translation>ist kein Look: %1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its "version" is not written as "MAJOR.MINOR"</source>
        <translation>der Eintrag "version" hat nicht die Form "MAJOR.MINOR"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version "%1" is not written as "MAJOR.MINOR"</source>
        <translation>die Version "%1" hat nicht die Form "MAJOR.MINOR"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has %1 bytes; a look may have less than 1 MB</source>
        <translation>die Datei hat %1 Byte; ein Look muss kleiner als 1 MB sein</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it is no JSON (%1)</source>
        <translation>der Inhalt ist kein JSON (%1)</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it does not say "format": "quorvane-look"</source>
        <translation>der Eintrag "format": "quorvane-look" fehlt</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "version"</source>
        <translation>der Eintrag "version" fehlt</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is a look of version %1.%2, made by a newer Quorvane; this one reads %3.x</source>
        <translation>ist ein Look der Version %1.%2, erstellt mit einem neueren Quorvane; diese Version liest %3.x</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version %1 never existed</source>
        <translation>die Version %1 hat es nie gegeben</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "name"</source>
        <translation>der Eintrag "name" fehlt</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no list of "steps"</source>
        <translation>die Liste "steps" fehlt</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no steps</source>
        <translation>es sind keine Schritte vorhanden</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>has %1 steps; a look may have at most %2</source>
        <translation>hat %1 Schritte; ein Look darf höchstens %2 haben</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>step %1 (%2): %3</source>
        <translation>Schritt %1 (%2): %3</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>write it as CATEGORY/N[@STRENGTH][#RRGGBB...]</source>
        <translation>schreiben Sie ihn als CATEGORY/N[@STRENGTH][#RRGGBB...]</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>there is no effect "%1" (see 'quorvane-fx list')</source>
        <translation>es gibt keinen Effekt "%1" (siehe 'quorvane-fx list')</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>no %1 where one belongs</source>
        <translation>die %1 fehlt</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>effect number</source>
        <translation>Effektnummer</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>%1 has no effect %2 (it has 1 to 10)</source>
        <translation>%1 hat keinen Effekt %2 (es gibt die Effekte 1 bis 10)</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>the strength %1 is outside 0 to 100</source>
        <translation>die Stärke %1 liegt nicht zwischen 0 und 100</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>"%1" is no colour; write it as #RRGGBB</source>
        <translation>"%1" ist keine Farbe; schreiben Sie sie als #RRGGBB</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>#? leaves the colours open: give none beside it</source>
        <translation>#? lässt die Farben offen: geben Sie daneben keine an</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The strength must be %1 to %2, not %3</source>
        <translation>Die Stärke muss zwischen %1 und %2 liegen, nicht %3</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The effect and the picture differ in size</source>
        <translation>Effekt und Bild sind verschieden groß</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is damaged</source>
        <translation>Die gemalte Maske ist beschädigt</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is not a mask file</source>
        <translation>Die gemalte Maske ist keine Maskendatei</translation>
    </message>
    <message>
        <extracomment>kernels/RecipeRows.cpp</extracomment>
        <source>An art effect needs the whole picture</source>
        <translation>Ein Kunst-Effekt braucht das ganze Bild</translation>
    </message>
    <message>
        <extracomment>kernels/Recipes.cpp</extracomment>
        <source>There is no effect %1 in category %2</source>
        <translation>Es gibt keinen Effekt %1 in der Kategorie %2</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The mask is %1 x %2 pixels and the picture %3 x %4; they must be the same size</source>
        <translation>Die Maske hat %1 × %2 Pixel und das Bild %3 × %4; beide müssen gleich groß sein</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The strength %1 is outside 0 to 100</source>
        <translation>Die Stärke %1 liegt nicht zwischen 0 und 100</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>step %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"%1" is not a whole number</source>
        <translation>"%1" ist keine ganze Zahl</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a colour is not written as RRGGBB</source>
        <translation>eine Farbe hat nicht die Form RRGGBB</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the colour "%1" is not RRGGBB</source>
        <translation>die Farbe "%1" hat nicht die Form RRGGBB</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's %1</source>
        <translation>bei der Maske %1</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"mask" is not an object</source>
        <translation>"mask" ist kein Objekt</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask is both linear and radial</source>
        <translation>die Maske ist zugleich linear und radial</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "%1" is not four numbers</source>
        <translation>der Eintrag "%1" der Maske besteht nicht aus vier Zahlen</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>points must be -1 to 2</source>
        <translation>müssen die Punkte zwischen -1 und 2 liegen</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's two points are the same</source>
        <translation>die beiden Punkte der Maske sind gleich</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>radii must be above 0 and at most 2</source>
        <translation>müssen die Radien größer als 0 und höchstens 2 sein</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>feather must be 0 to 1</source>
        <translation>muss die Weichheit zwischen 0 und 1 liegen</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "invert" is not true or false</source>
        <translation>der Eintrag "invert" der Maske ist weder true noch false</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is not an object</source>
        <translation>ist kein Objekt</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is a look without its steps</source>
        <translation>ist ein Look ohne seine Schritte</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a look within a look is not allowed</source>
        <translation>ein Look in einem Look ist nicht erlaubt</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>names no effect</source>
        <translation>nennt keinen Effekt</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>there is no effect "%1"</source>
        <translation>es gibt keinen Effekt "%1"</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"colors" is not a list</source>
        <translation>"colors" ist keine Liste</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Scan line index out of range</source>
        <translation>Zeilenindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1 takes %2 values, not %3</source>
        <translation>%1 erwartet %2 Werte, nicht %3</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1: %2 must be %3, not %4</source>
        <translation>%1: %2 muss %3 sein, nicht %4</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has a '{' without its '}'</source>
        <translation>das Muster enthält ein '{' ohne zugehöriges '}'</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has an unknown field {%1} (it takes {name}, {look}, {n} and {n:W})</source>
        <translation>das Muster enthält ein unbekanntes Feld {%1} (möglich sind {name}, {look}, {n} und {n:W})</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern gives no file name</source>
        <translation>das Muster ergibt keinen Dateinamen</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern is a file name, without '/' (sub-folders come from the inputs' own)</source>
        <translation>das Muster ist ein Dateiname, ohne '/' (die Unterordner ergeben sich aus denen der Originale)</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 would replace an input</source>
        <translation>das Ergebnis %1 würde ein Original ersetzen</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 is already %2's</source>
        <translation>das Ergebnis %1 gehört schon zu %2</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>unknown failure</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>the result exists</source>
        <translation>das Ergebnis ist bereits vorhanden</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>Bitmap image is not valid: it has no pixels</source>
        <translation>Das Bitmap-Bild ist ungültig: es hat keine Pixel</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) cannot be read any more</source>
        <translation>Die nicht gespeicherten Änderungen an %1 können nicht wiederhergestellt werden: das Bild, an dem sie vorgenommen wurden (%2), kann nicht mehr gelesen werden</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) has changed since</source>
        <translation>Die nicht gespeicherten Änderungen an %1 können nicht wiederhergestellt werden: das Bild, an dem sie vorgenommen wurden (%2), hat sich seitdem geändert</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot make the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot remove the look %1</source>
        <translation>Der Look %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the fingerprint is not 16 hex digits</source>
        <translation>der Fingerabdruck besteht nicht aus 16 Hexadezimalziffern</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it is of another version</source>
        <translation>sie stammen aus einer anderen Version</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>step %1 names no mask of its own</source>
        <translation>Schritt %1 nennt keine eigene Maske</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the mask of step %1: %2</source>
        <translation>die Maske von Schritt %1: %2</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it stands beyond its steps</source>
        <translation>die Position liegt hinter dem letzten Schritt</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>The recovery record is damaged: %1</source>
        <translation>Die Wiederherstellungsdaten sind beschädigt: %1</translation>
    </message>
    <message>
        <extracomment>app/Unit1.cpp</extracomment>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
</TS>
