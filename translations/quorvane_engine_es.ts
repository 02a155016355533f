<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Engine</name>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Bitmap image is not valid</source>
        <translation>La imagen Bitmap no es válida</translation>
    </message>
    <message>
        <extracomment>gfx/Bitmap.cpp</extracomment>
        <source>Picture is too large (%1 x %2 pixels); the limit is %3 megapixels</source>
        <translation>La imagen es demasiado grande (%1 × %2 píxeles); el límite es de %3 megapíxeles</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>Bitmap image is not valid: %1</source>
        <translation>La imagen Bitmap no es válida: %1</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>the file ends before its pixels do</source>
        <translation>el archivo termina antes de que acaben sus píxeles</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks are not valid</source>
        <translation>sus máscaras de color no son válidas</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks overlap</source>
        <translation>sus máscaras de color se solapan</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it does not start with "BM"</source>
        <translation>no empieza por "BM"</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8 or 24</source>
        <translation>su número de bits por píxel no es 1, 4, 8 ni 24</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 Huffman coding</source>
        <translation>codificación Huffman de OS/2</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>OS/2 RLE24 coding</source>
        <translation>codificación RLE24 de OS/2</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its OS/2 compression is not supported</source>
        <translation>no se admite su compresión OS/2</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its header size is unknown</source>
        <translation>el tamaño de su cabecera es desconocido</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its number of planes is not 1</source>
        <translation>su número de planos no es 1</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>it has no pixels</source>
        <translation>no tiene píxeles</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its bits per pixel are not 1, 4, 8, 16, 24 or 32</source>
        <translation>su número de bits por píxel no es 1, 4, 8, 16, 24 ni 32</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coding does not match its bits per pixel</source>
        <translation>su codificación por longitud de series no se corresponde con su número de bits por píxel</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its run-length coded rows run top-down</source>
        <translation>sus filas codificadas por longitud de series van de arriba abajo</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its colour masks need 16 or 32 bits per pixel</source>
        <translation>sus máscaras de color requieren 16 o 32 bits por píxel</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>JPEG inside a bitmap</source>
        <translation>JPEG dentro de un mapa de bits</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>PNG inside a bitmap</source>
        <translation>PNG dentro de un mapa de bits</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its compression is not supported</source>
        <translation>no se admite su compresión</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>its pixel data lies outside the file</source>
        <translation>sus datos de píxeles están fuera del archivo</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>colour indices past the end of its palette</source>
        <translation>índices de color más allá del final de su paleta</translation>
    </message>
    <message>
        <extracomment>codecs/BmpDecoder.cpp</extracomment>
        <source>run-length codes reach outside the picture</source>
        <translation>los códigos por longitud de series salen de la imagen</translation>
    </message>
    <message>
        <extracomment>codecs/BmpEncoder.cpp</extracomment>
        <source>Picture is too large for a BMP file</source>
        <translation>La imagen es demasiado grande para un archivo BMP</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot open file %1: the file is read-only</source>
        <translation>No se puede abrir el archivo %1: el archivo es de solo lectura</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>Cannot write file %1 (%2)</source>
        <translation>No se puede escribir el archivo %1 (%2)</translation>
    </message>
    <message>
        <extracomment>codecs/FileBytes.cpp</extracomment>
        <source>File %1 is too large to be a picture</source>
        <translation>El archivo %1 es demasiado grande para ser una imagen</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its primary picture is missing</source>
        <translation>falta su imagen principal</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its picture is of the item type '%1'</source>
        <translation>su imagen es un elemento de tipo '%1'</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its coded pictures (tiles, alpha, depth and thumbnails) are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>sus imágenes codificadas (teselas, alfa, profundidad y miniaturas) son demasiado grandes para su imagen de %1 (%2 megapíxeles en total)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its grids, overlays and turned copies are too large for its %1 picture (%2 megapixels in all)</source>
        <translation>sus cuadrículas, superposiciones y copias giradas son demasiado grandes para su imagen de %1 (%2 megapíxeles en total)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>grid</source>
        <translation>cuadrícula</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>overlay</source>
        <translation>superposición</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>derived picture</source>
        <translation>imagen derivada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>coded picture</source>
        <translation>imagen codificada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>%1 (item %2)</source>
        <translation>%1 (elemento %2)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has a damaged size</source>
        <translation>su %1 tiene un tamaño dañado</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large (%2 pixels)</source>
        <translation>su %1 es demasiado grande (%2 píxeles)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is too large: it makes %2 pixels but declares %3</source>
        <translation>su %1 es demasiado grande: produce %2 píxeles, pero declara %3</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>the data of its %1 lies outside the file</source>
        <translation>los datos de su %1 están fuera del archivo</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is damaged</source>
        <translation>su %1 está dañada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 has no coded data</source>
        <translation>su %1 no tiene datos codificados</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>it refers to an item it does not have (item %1)</source>
        <translation>hace referencia a un elemento que no tiene (elemento %1)</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from itself</source>
        <translation>su %1 se construye a partir de sí misma</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its %1 is built from item %2, which is not a picture</source>
        <translation>su %1 se construye a partir del elemento %2, que no es una imagen</translation>
    </message>
    <message>
        <extracomment>codecs/HeifBudget.cpp</extracomment>
        <source>its pictures are built from each other too many steps deep</source>
        <translation>sus imágenes se construyen unas a partir de otras con demasiados niveles de profundidad</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <extracomment>codecs/HeifDecoder.cpp</extracomment>
        <source>its picture could not be decoded</source>
        <translation>no se pudo decodificar su imagen</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has no meta box</source>
        <translation>no tiene caja meta</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its meta box is cut short</source>
        <translation>su caja meta está truncada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its %1 box is cut short</source>
        <translation>su caja %1 está truncada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its items hold too many references and properties</source>
        <translation>sus elementos contienen demasiadas referencias y propiedades</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many items</source>
        <translation>tiene demasiados elementos</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its infe box is cut short</source>
        <translation>su caja infe está truncada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is declared twice</source>
        <translation>su elemento %1 está declarado dos veces</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iloc box is not valid</source>
        <translation>su caja iloc no es válida</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its item %1 is located twice</source>
        <translation>la ubicación de su elemento %1 se indica dos veces</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iref box is cut short</source>
        <translation>su caja iref está truncada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its iprp box is cut short</source>
        <translation>su caja iprp está truncada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>its ipco box is cut short</source>
        <translation>su caja ipco está truncada</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLayout.cpp</extracomment>
        <source>it has too many properties</source>
        <translation>tiene demasiadas propiedades</translation>
    </message>
    <message>
        <extracomment>codecs/HeifLibrary.cpp</extracomment>
        <source>HEIF and AVIF pictures need libheif, which cannot be loaded (%1)</source>
        <translation>Las imágenes HEIF y AVIF necesitan libheif, que no se puede cargar (%1)</translation>
    </message>
    <message>
        <extracomment>codecs/JpegDecoder.cpp</extracomment>
        <source>JPEG picture has too many scans</source>
        <translation>La imagen JPEG tiene demasiados escaneos</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Cannot write</source>
        <translation>No se puede escribir</translation>
    </message>
    <message>
        <extracomment>codecs/JpegEncoder.cpp</extracomment>
        <source>Picture is too large for a JPEG file (%1 x %2 pixels): JPEG holds at most 65,500 pixels a side; save it as BMP, which can hold it</source>
        <translation>La imagen es demasiado grande para un archivo JPEG (%1 × %2 píxeles): JPEG admite como máximo 65.500 píxeles por lado; guárdela como BMP, que sí la admite</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (only 8-bit JPEG pictures can be opened)</source>
        <translation>Error JPEG #%1: %2 (solo se pueden abrir imágenes JPEG de 8 bits)</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2 (lossless and hierarchical JPEG pictures cannot be opened)</source>
        <translation>Error JPEG #%1: %2 (no se pueden abrir imágenes JPEG sin pérdida ni jerárquicas)</translation>
    </message>
    <message>
        <extracomment>codecs/JpegErrorManager.cpp</extracomment>
        <source>JPEG error #%1: %2</source>
        <translation>Error JPEG #%1: %2</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>JPEG stream ended inside a segment</source>
        <translation>El flujo JPEG termina dentro de un segmento</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its extended XMP block is incomplete and was left out</source>
        <translation>su bloque XMP extendido está incompleto y se ha omitido</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>its colour profile is incomplete and was left out</source>
        <translation>su perfil de color está incompleto y se ha omitido</translation>
    </message>
    <message>
        <extracomment>codecs/JpegMarkers.cpp</extracomment>
        <source>some of its metadata was too large and was left out</source>
        <translation>parte de sus metadatos era demasiado grande y se ha omitido</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its %1 block is damaged and was left out</source>
        <translation>su bloque %1 está dañado y se ha omitido</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged; the tags that could be read were kept</source>
        <translation>su bloque EXIF está dañado; se han conservado las etiquetas que se pudieron leer</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its EXIF block is damaged and was left out</source>
        <translation>su bloque EXIF está dañado y se ha omitido</translation>
    </message>
    <message>
        <extracomment>codecs/Metadata.cpp</extracomment>
        <source>its colour profile is damaged and was left out</source>
        <translation>su perfil de color está dañado y se ha omitido</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension: the file name has none, and %1</source>
        <translation>Extensión de archivo de imagen desconocida: el nombre del archivo no tiene ninguna y %1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>Unknown picture file extension (.%1): %2</source>
        <translation>Extensión de archivo de imagen desconocida (.%1): %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>the file holds no %1 picture</source>
        <translation>el archivo no contiene ninguna imagen %1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>pictures are saved as %1</source>
        <translation>las imágenes se guardan como %1</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>%1 pictures can be opened but not saved: pictures are saved as %2</source>
        <translation>Las imágenes %1 se pueden abrir, pero no guardar: las imágenes se guardan como %2</translation>
    </message>
    <message>
        <extracomment>codecs/PictureFile.cpp</extracomment>
        <source>No encoder for this picture format</source>
        <translation>No hay ningún codificador para este formato de imagen</translation>
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
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its data does not match its checksums and may be damaged (%1)</source>
        <translation>sus datos no coinciden con sus sumas de comprobación y pueden estar dañados (%1)</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>its %1 chunk is damaged and was left out</source>
        <translation>su fragmento %1 está dañado y se ha omitido</translation>
    </message>
    <message>
        <extracomment>codecs/PngDecoder.cpp</extracomment>
        <source>it does not start with the PNG signature</source>
        <translation>no empieza por la firma PNG</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG image is not valid: a picture without pixels</source>
        <translation>La imagen PNG no es válida: es una imagen sin píxeles</translation>
    </message>
    <message>
        <extracomment>codecs/PngEncoder.cpp</extracomment>
        <source>PNG error: %1</source>
        <translation>Error PNG: %1</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>part of the picture is missing or damaged (%1)</source>
        <translation>falta parte de la imagen o está dañada (%1)</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is not valid: %2</source>
        <translation>La imagen %1 no es válida: %2</translation>
    </message>
    <message>
        <extracomment>codecs/SampleRows.cpp</extracomment>
        <source>%1 image is a kind of picture Quorvane does not open (%2)</source>
        <translation>La imagen %1 es de un tipo que Quorvane no abre (%2)</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it has no picture size</source>
        <translation>no indica el tamaño de la imagen</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>it does not say how its samples make colours</source>
        <translation>no indica cómo forman los colores sus muestras</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, floating point</source>
        <translation>, coma flotante</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>, signed</source>
        <translation>, con signo</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>photometric %1, %2 samples of %3 bits%4</source>
        <translation>interpretación fotométrica %1, %2 muestras de %3 bits%4</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its palette is missing</source>
        <translation>falta su paleta</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles are too large</source>
        <translation>sus tiras o teselas son demasiado grandes</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its strips or tiles have no size</source>
        <translation>sus tiras o teselas no tienen tamaño</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its tiles are far larger than the picture</source>
        <translation>sus teselas son mucho más grandes que la imagen</translation>
    </message>
    <message>
        <extracomment>codecs/TiffDecoder.cpp</extracomment>
        <source>its pixels cannot be read</source>
        <translation>no se pueden leer sus píxeles</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF image is not valid: a picture without pixels</source>
        <translation>La imagen TIFF no es válida: es una imagen sin píxeles</translation>
    </message>
    <message>
        <extracomment>codecs/TiffEncoder.cpp</extracomment>
        <source>TIFF error: %1</source>
        <translation>Error TIFF: %1</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it uses a feature this reader does not know</source>
        <translation>usa una función que este lector no conoce</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture data is damaged</source>
        <translation>sus datos de imagen están dañados</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its first frame cannot be decoded</source>
        <translation>no se puede decodificar su primer fotograma</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>it does not start with a WebP header</source>
        <translation>no empieza por una cabecera WebP</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its chunks are not valid</source>
        <translation>sus fragmentos no son válidos</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>the file ends before its header does</source>
        <translation>el archivo termina antes de que acabe su cabecera</translation>
    </message>
    <message>
        <extracomment>codecs/WebpDecoder.cpp</extracomment>
        <source>its picture and its canvas differ in size</source>
        <translation>su imagen y su lienzo tienen tamaños distintos</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: out of memory</source>
        <translation>Error WebP: memoria insuficiente</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>Picture is too large for a WebP file (%1 x %2 pixels): WebP holds at most 16,383 pixels a side; save it as PNG or TIFF, which can hold it</source>
        <translation>La imagen es demasiado grande para un archivo WebP (%1 × %2 píxeles): WebP admite como máximo 16.383 píxeles por lado; guárdela como PNG o TIFF, que sí la admiten</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP image is not valid: a picture without pixels</source>
        <translation>La imagen WebP no es válida: es una imagen sin píxeles</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be encoded</source>
        <translation>Error WebP: no se pudo codificar la imagen</translation>
    </message>
    <message>
        <extracomment>codecs/WebpEncoder.cpp</extracomment>
        <source>WebP error: the picture could not be assembled</source>
        <translation>Error WebP: no se pudo ensamblar la imagen</translation>
    </message>
    <message>
        <extracomment>kernels/ArtEffect.cpp</extracomment>
        <source>There is no art effect %1</source>
        <translation>No existe el efecto de arte %1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is not a look: %1</source>
        <translation>no es un estilo: %1</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its "version" is not written as "MAJOR.MINOR"</source>
        <translation>el valor de "version" no tiene la forma "MAJOR.MINOR"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version "%1" is not written as "MAJOR.MINOR"</source>
        <translation>su versión "%1" no tiene la forma "MAJOR.MINOR"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has %1 bytes; a look may have less than 1 MB</source>
        <translation>tiene %1 bytes; un estilo debe ocupar menos de 1 MB</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it is no JSON (%1)</source>
        <translation>no es JSON (%1)</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it does not say "format": "quorvane-look"</source>
        <translation>no indica "format": "quorvane-look"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "version"</source>
        <translation>no tiene "version"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>is a look of version %1.%2, made by a newer Quorvane; this one reads %3.x</source>
        <translation>es un estilo de la versión %1.%2, creado con un Quorvane más reciente; este lee la versión %3.x</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>its version %1 never existed</source>
        <translation>su versión %1 nunca existió</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no "name"</source>
        <translation>no tiene "name"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no list of "steps"</source>
        <translation>no tiene una lista "steps"</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>it has no steps</source>
        <translation>no tiene pasos</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>has %1 steps; a look may have at most %2</source>
        <translation>tiene %1 pasos; un estilo puede tener como máximo %2</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>step %1 (%2): %3</source>
        <translation>paso %1 (%2): %3</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>write it as CATEGORY/N[@STRENGTH][#RRGGBB...]</source>
        <translation>escríbalo como CATEGORY/N[@STRENGTH][#RRGGBB...]</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>there is no effect "%1" (see 'quorvane-fx list')</source>
        <translation>no existe el efecto "%1" (consulte 'quorvane-fx list')</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>no %1 where one belongs</source>
        <translation>falta %1 donde corresponde</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>effect number</source>
        <translation>el número de efecto</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>%1 has no effect %2 (it has 1 to 10)</source>
        <translation>%1 no tiene el efecto %2 (tiene del 1 al 10)</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>strength</source>
        <translation>la intensidad</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>the strength %1 is outside 0 to 100</source>
        <translation>la intensidad %1 está fuera del intervalo de 0 a 100</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>"%1" is no colour; write it as #RRGGBB</source>
        <translation>"%1" no es un color; escríbalo como #RRGGBB</translation>
    </message>
    <message>
        <extracomment>kernels/Look.cpp</extracomment>
        <source>#? leaves the colours open: give none beside it</source>
        <translation>#? deja los colores sin definir: no añada ninguno junto a él</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The strength must be %1 to %2, not %3</source>
        <translation>La intensidad debe ser de %1 a %2, no %3</translation>
    </message>
    <message>
        <extracomment>kernels/MaskedMix.cpp</extracomment>
        <source>The effect and the picture differ in size</source>
        <translation>El efecto y la imagen tienen tamaños distintos</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is damaged</source>
        <translation>La máscara pintada está dañada</translation>
    </message>
    <message>
        <extracomment>kernels/PackedMask.cpp</extracomment>
        <source>The painted mask is not a mask file</source>
        <translation>La máscara pintada no es un archivo de máscara</translation>
    </message>
    <message>
        <extracomment>kernels/RecipeRows.cpp</extracomment>
        <source>An art effect needs the whole picture</source>
        <translation>Un efecto de arte necesita la imagen completa</translation>
    </message>
    <message>
        <extracomment>kernels/Recipes.cpp</extracomment>
        <source>There is no effect %1 in category %2</source>
        <translation>No existe el efecto %1 en la categoría %2</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The mask is %1 x %2 pixels and the picture %3 x %4; they must be the same size</source>
        <translation>La máscara mide %1 × %2 píxeles y la imagen %3 × %4; deben tener el mismo tamaño</translation>
    </message>
    <message>
        <extracomment>kernels/Step.cpp</extracomment>
        <source>The strength %1 is outside 0 to 100</source>
        <translation>La intensidad %1 está fuera del intervalo de 0 a 100</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>step %1: %2</source>
        <translation>paso %1: %2</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"%1" is not a whole number</source>
        <translation>"%1" no es un número entero</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a colour is not written as RRGGBB</source>
        <translation>un color no tiene la forma RRGGBB</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the colour "%1" is not RRGGBB</source>
        <translation>el color "%1" no tiene la forma RRGGBB</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's %1</source>
        <translation>en la máscara, %1</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"mask" is not an object</source>
        <translation>"mask" no es un objeto</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask is both linear and radial</source>
        <translation>la máscara es lineal y radial a la vez</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "%1" is not four numbers</source>
        <translation>en la máscara, "%1" no consta de cuatro números</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>points must be -1 to 2</source>
        <translation>los puntos deben estar entre -1 y 2</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's two points are the same</source>
        <translation>los dos puntos de la máscara son iguales</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>radii must be above 0 and at most 2</source>
        <translation>los radios deben ser mayores que 0 y como máximo 2</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>feather must be 0 to 1</source>
        <translation>el suavizado debe estar entre 0 y 1</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>the mask's "invert" is not true or false</source>
        <translation>en la máscara, "invert" no es true ni false</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>is a look without its steps</source>
        <translation>es un estilo sin sus pasos</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>a look within a look is not allowed</source>
        <translation>no se permite un estilo dentro de otro</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>names no effect</source>
        <translation>no indica ningún efecto</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>there is no effect "%1"</source>
        <translation>no existe el efecto "%1"</translation>
    </message>
    <message>
        <extracomment>kernels/StepJson.cpp</extracomment>
        <source>"colors" is not a list</source>
        <translation>"colors" no es una lista</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Floating point division by zero</source>
        <translation>División por cero en coma flotante</translation>
    </message>
    <message>
        <extracomment>effects/FilterErrors.h</extracomment>
        <source>Scan line index out of range</source>
        <translation>Índice de línea de barrido fuera de rango</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1 takes %2 values, not %3</source>
        <translation>%1 admite %2 valores, no %3</translation>
    </message>
    <message>
        <extracomment>effects/FilterTable.cpp</extracomment>
        <source>%1: %2 must be %3, not %4</source>
        <translation>%1: %2 debe ser %3, no %4</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has a '{' without its '}'</source>
        <translation>el patrón tiene una '{' sin la '}' que la cierra</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern has an unknown field {%1} (it takes {name}, {look}, {n} and {n:W})</source>
        <translation>el patrón tiene un campo desconocido {%1} (admite {name}, {look}, {n} y {n:W})</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern gives no file name</source>
        <translation>el patrón no da ningún nombre de archivo</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>the pattern is a file name, without '/' (sub-folders come from the inputs' own)</source>
        <translation>el patrón es un nombre de archivo, sin '/' (las subcarpetas son las de los originales)</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 would replace an input</source>
        <translation>su resultado %1 reemplazaría un original</translation>
    </message>
    <message>
        <extracomment>batch/BatchPlan.cpp</extracomment>
        <source>its result %1 is already %2's</source>
        <translation>su resultado %1 ya es el de %2</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>unknown failure</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>the result exists</source>
        <translation>el resultado ya existe</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <extracomment>batch/BatchRun.cpp</extracomment>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>Bitmap image is not valid: it has no pixels</source>
        <translation>La imagen Bitmap no es válida: no tiene píxeles</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) cannot be read any more</source>
        <translation>No se pueden restaurar los cambios sin guardar en %1: la imagen en la que se hicieron (%2) ya no se puede leer</translation>
    </message>
    <message>
        <extracomment>session/EditSession.cpp</extracomment>
        <source>The unsaved changes to %1 cannot be restored: the picture they were made on (%2) has changed since</source>
        <translation>No se pueden restaurar los cambios sin guardar en %1: la imagen en la que se hicieron (%2) ha cambiado desde entonces</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot make the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <extracomment>session/LookLibrary.cpp</extracomment>
        <source>Cannot remove the look %1</source>
        <translation>No se puede eliminar el estilo %1</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the fingerprint is not 16 hex digits</source>
        <translation>la huella no tiene 16 dígitos hexadecimales</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it is of another version</source>
        <translation>es de otra versión</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>step %1 names no mask of its own</source>
        <translation>el paso %1 no indica una máscara propia</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>the mask of step %1: %2</source>
        <translation>la máscara del paso %1: %2</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>it stands beyond its steps</source>
        <translation>su posición está más allá de sus pasos</translation>
    </message>
    <message>
        <extracomment>session/RecoveryRecord.cpp</extracomment>
        <source>The recovery record is damaged: %1</source>
        <translation>El registro de recuperación está dañado: %1</translation>
    </message>
    <message>
        <extracomment>app/Unit1.cpp</extracomment>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
</context>
</TS>
