<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Light A</source>
        <translation>Luz A</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Luz B</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Luz C</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Asombroso</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Sueño A</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Sueño B</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Clima</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Borde A</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Borde B</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Shows the ten effects of %1</source>
        <translation>Muestra los diez efectos de %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>The effect categories</source>
        <translation>Las categorías de efectos</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Undo, Redo, Open, Save, Help, Looks and Batch</source>
        <translation>Deshacer, Rehacer, Abrir, Guardar, Ayuda, Estilos y Procesamiento por lotes</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>The picture being edited</source>
        <translation>La imagen que se está editando</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>The ten effects of the category chosen</source>
        <translation>Los diez efectos de la categoría elegida</translation>
    </message>
    <message>
        <source>Strip size</source>
        <translation>Tamaño de la tira</translation>
    </message>
    <message>
        <source>Drag to share the height between the display and the strip</source>
        <translation>Arrastre para repartir la altura entre el visor y la tira</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Takes the last step back</source>
        <translation>Deshace el último paso</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Takes the step undone last again</source>
        <translation>Rehace el último paso deshecho</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Every step by name, to go back to any of them</source>
        <translation>Cada paso por su nombre, para volver a cualquiera de ellos</translation>
    </message>
    <message>
        <source>Opens a picture</source>
        <translation>Abre una imagen</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recientes</translation>
    </message>
    <message>
        <source>The pictures opened or saved last</source>
        <translation>Las últimas imágenes abiertas o guardadas</translation>
    </message>
    <message>
        <source>Saves the picture</source>
        <translation>Guarda la imagen</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>Abre la página de ayuda</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Thumbnails, language, metadata and memory</source>
        <translation>Miniaturas, idioma, metadatos y memoria</translation>
    </message>
    <message>
        <source>Where the picture was saved</source>
        <translation>Dónde se guardó la imagen</translation>
    </message>
    <message>
        <source>The number of the effect above</source>
        <translation>El número del efecto de arriba</translation>
    </message>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation>%1, %2 × %3 píxeles</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The effect on the whole picture</source>
        <translation>El efecto en toda la imagen</translation>
    </message>
    <message>
        <source>The picture with the effect</source>
        <translation>La imagen con el efecto</translation>
    </message>
    <message>
        <source>Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; hold Space for the picture without the effect</source>
        <translation>Amplíe con Ctrl+más y Ctrl+menos, Ctrl+0 ajusta la imagen, Ctrl+1 la muestra al 100 %; mantenga pulsada la barra espaciadora para ver la imagen sin el efecto</translation>
    </message>
    <message>
        <source>The effect is being rendered</source>
        <translation>Se está generando el efecto</translation>
    </message>
    <message>
        <source>Render progress</source>
        <translation>Progreso del procesamiento</translation>
    </message>
    <message>
        <source>How much of the effect has been rendered</source>
        <translation>Cuánto del efecto se ha generado</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect</source>
        <translation>Mantenga pulsado para ver la imagen sin el efecto</translation>
    </message>
    <message>
        <source>Before and after side by side</source>
        <translation>Antes y después, lado a lado</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Shows more of the picture, smaller</source>
        <translation>Muestra más de la imagen, más pequeña</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Shows the picture larger</source>
        <translation>Muestra la imagen más grande</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Shows the whole picture</source>
        <translation>Muestra la imagen completa</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel</source>
        <translation>Un píxel de la imagen por cada píxel de la pantalla</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>How much of the effect goes onto the picture, 0 to 100 %</source>
        <translation>Cuánto del efecto se aplica a la imagen, de 0 a 100 %</translation>
    </message>
    <message>
        <source>The strength Apply uses</source>
        <translation>La intensidad que usa Aplicar</translation>
    </message>
    <message>
        <source>Renders the effect again in colours you pick</source>
        <translation>Vuelve a generar el efecto con los colores que elija</translation>
    </message>
    <message>
        <source>Puts the effect onto the picture (Enter)</source>
        <translation>Aplica el efecto a la imagen (Intro)</translation>
    </message>
    <message>
        <source>Closes the preview and leaves the picture as it was (Esc)</source>
        <translation>Cierra la vista previa y deja la imagen como estaba (Esc)</translation>
    </message>
    <message>
        <source>Mask tools</source>
        <translation>Herramientas de máscara</translation>
    </message>
    <message>
        <source>Where the effect goes: brush, eraser and gradients</source>
        <translation>Dónde va el efecto: pincel, borrador y degradados</translation>
    </message>
</context>
<context>
    <name>ProgressJob</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>, masked</source>
        <translation>, con máscara</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Brush strokes belong to their photo: the look keeps %1 without them.</source>
        <translation>Las pinceladas pertenecen a su foto: el estilo conserva %1 sin ellas.</translation>
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
        <translation>Como el original</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Procesamiento por lotes</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>Añadir imágenes...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>The effect in the preview</source>
        <translation>El efecto de la vista previa</translation>
    </message>
    <message>
        <source>The steps applied to this photo</source>
        <translation>Los pasos aplicados a esta foto</translation>
    </message>
    <message>
        <source>A saved look:</source>
        <translation>Un estilo guardado:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Keep the sub-folders</source>
        <translation>Conservar las subcarpetas</translation>
    </message>
    <message>
        <source>{name}: the picture&apos;s name, {look}: the look&apos;s, {n}: its number in the batch, {n:3}: the number with three digits</source>
        <translation>{name}: el nombre de la imagen, {look}: el del estilo, {n}: su número en el lote, {n:3}: el número con tres cifras</translation>
    </message>
    <message>
        <source>quality </source>
        <translation>calidad </translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Como máximo</translation>
    </message>
    <message>
        <source> pixels on the longest side</source>
        <translation> píxeles en el lado más largo</translation>
    </message>
    <message>
        <source>Keep the metadata (camera, date, place, colour profile)</source>
        <translation>Conservar los metadatos (cámara, fecha, lugar, perfil de color)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>reemplazar</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>omitir</translation>
    </message>
    <message>
        <source>add a number</source>
        <translation>añadir un número</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nombres:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Files that exist:</source>
        <translation>Archivos existentes:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>&amp;Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Pictures that failed</source>
        <translation>Imágenes que fallaron</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>A folder: its pictures</source>
        <translation>Una carpeta: sus imágenes</translation>
    </message>
    <message>
        <source>A picture</source>
        <translation>Una imagen</translation>
    </message>
    <message>
        <source>Save Into</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>A file of the same name in the save folder is replaced.</source>
        <translation>Se reemplaza un archivo con el mismo nombre en la carpeta de destino.</translation>
    </message>
    <message>
        <source>A picture whose file is already in the save folder is skipped.</source>
        <translation>Se omite una imagen cuyo archivo ya está en la carpeta de destino.</translation>
    </message>
    <message>
        <source>Where a file of the same name is in the save folder, the new one gets a number: NAME (2).</source>
        <translation>Si hay un archivo con el mismo nombre en la carpeta de destino, el nuevo recibe un número: NOMBRE (2).</translation>
    </message>
    <message>
        <source>Your originals are never written over.</source>
        <translation>Sus originales nunca se sobrescriben.</translation>
    </message>
    <message>
        <source>Choose what to apply: the preview&apos;s effect, this photo&apos;s steps or a saved look.</source>
        <translation>Elija qué aplicar: el efecto de la vista previa, los pasos de esta foto o un estilo guardado.</translation>
    </message>
    <message>
        <source>The names cannot be made from &quot;%1&quot;: %2</source>
        <translation>No se pueden formar los nombres a partir de «%1»: %2</translation>
    </message>
    <message>
        <source>There are no pictures in the files and folders chosen.</source>
        <translation>No hay imágenes en los archivos y carpetas elegidos.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>%1 of %2 done, now %3</source>
        <translation>%1 de %2 hechas, ahora %3</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>quedan unos %1</translation>
    </message>
    <message>
        <source>written, but read with damage: %1</source>
        <translation>guardada, pero leída con daños: %1</translation>
    </message>
    <message>
        <source>Cancelled after %1.</source>
        <translation>Cancelado tras %1.</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Terminado en %1.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures written</source>
        <translation>%1 de %2 imágenes guardadas</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 omitidas</translation>
    </message>
    <message>
        <source>%1 of them read with damage</source>
        <translation>%1 de ellas leídas con daños</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fallidas</translation>
    </message>
    <message>
        <source>(listed below)</source>
        <translation>(en la lista de abajo)</translation>
    </message>
    <message>
        <source>There is nothing on this desktop to show the folder %1.</source>
        <translation>No hay nada en este escritorio para mostrar la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>qv::EditSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>qv::LooksWindow</name>
    <message>
        <source>Looks</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>Choose a look and press Apply (or double-click it) to see it on your photo; Apply in the preview then keeps it as one step.</source>
        <translation>Elija un estilo y pulse Aplicar (o haga doble clic en él) para verlo en su foto; Aplicar en la vista previa lo conserva después como un solo paso.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Guardar estilo...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Cambiar nombre...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>From This Picture</source>
        <translation>De esta imagen</translation>
    </message>
    <message>
        <source>Keep the look the opened picture says it was made with</source>
        <translation>Conservar el estilo con el que, según la imagen abierta, se hizo</translation>
    </message>
    <message numerus="yes">
        <source>A look of %n step(s):</source>
        <translation>
            <numerusform>Un estilo de %n paso:</numerusform>
            <numerusform>Un estilo de %n pasos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of the look:</source>
        <translation>Nombre del estilo:</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>Guardar estilo</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Estilo %1</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>Cambiar nombre del estilo</translation>
    </message>
    <message>
        <source>New name of the look:</source>
        <translation>Nuevo nombre del estilo:</translation>
    </message>
    <message>
        <source>Delete the look %1?</source>
        <translation>¿Eliminar el estilo %1?</translation>
    </message>
    <message>
        <source>Import Look</source>
        <translation>Importar estilo</translation>
    </message>
    <message>
        <source>Export Look</source>
        <translation>Exportar estilo</translation>
    </message>
</context>
<context>
    <name>qv::MaskToolBar</name>
    <message>
        <source>Brush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Paint the effect in; on a mask of nothing yet, the first stroke starts from no effect anywhere. Size: [ and ], or Ctrl+wheel</source>
        <translation>Pinte el efecto; en una máscara aún vacía, el primer trazo parte de ningún efecto en ninguna parte. Tamaño: [ y ], o Ctrl+rueda</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Take the effect away where you paint. Size: [ and ], or Ctrl+wheel</source>
        <translation>Quite el efecto donde pinte. Tamaño: [ y ], o Ctrl+rueda</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Linear gradient: drag from full effect to none; its handles move it until Apply</source>
        <translation>Degradado lineal: arrastre desde el efecto completo hasta ninguno; sus tiradores lo mueven hasta Aplicar</translation>
    </message>
    <message>
        <source>Radial</source>
        <translation>Radial</translation>
    </message>
    <message>
        <source>Radial gradient: drag from the centre outwards; its handles move, stretch and soften it until Apply</source>
        <translation>Degradado radial: arrastre desde el centro hacia fuera; sus tiradores lo mueven, estiran y suavizan hasta Aplicar</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Turn the mask over: the effect where it was not</source>
        <translation>Invierta la máscara: el efecto donde no estaba</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask edit, Ctrl+Shift+Z redoes it</source>
        <translation>Quite la máscara: de nuevo el efecto en todas partes. Ctrl+Z deshace una edición de la máscara, Ctrl+Mayús+Z la rehace</translation>
    </message>
    <message>
        <source>Show mask</source>
        <translation>Mostrar máscara</translation>
    </message>
    <message>
        <source>Show where the effect goes, tinted red (M)</source>
        <translation>Muestre en rojo dónde va el efecto (M)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)</source>
        <translation>Tamaño del pincel: su radio en píxeles de pantalla ([ y ], o Ctrl+rueda)</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Brush hardness: how much of the brush paints at full strength (Shift+wheel)</source>
        <translation>Dureza del pincel: cuánto del pincel pinta con intensidad completa (Mayús+rueda)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flujo</translation>
    </message>
    <message>
        <source>Brush flow: how much each touch of the brush adds</source>
        <translation>Flujo del pincel: cuánto añade cada toque del pincel</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Tamaño del pincel</translation>
    </message>
    <message>
        <source>Brush hardness</source>
        <translation>Dureza del pincel</translation>
    </message>
    <message>
        <source>Brush flow</source>
        <translation>Flujo del pincel</translation>
    </message>
    <message>
        <source>Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)</source>
        <translation>Tamaño del pincel: %1 píxeles en pantalla ([ y ], o Ctrl+rueda)</translation>
    </message>
    <message>
        <source>Brush hardness: %1 % (Shift+wheel)</source>
        <translation>Dureza del pincel: %1 % (Mayús+rueda)</translation>
    </message>
    <message>
        <source>Brush flow: %1 % a touch</source>
        <translation>Flujo del pincel: %1 % por toque</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Tamaño %1</translation>
    </message>
    <message>
        <source>Hardness %1 %</source>
        <translation>Dureza %1 %</translation>
    </message>
    <message>
        <source>Flow %1 %</source>
        <translation>Flujo %1 %</translation>
    </message>
</context>
<context>
    <name>qv::PictureTypes</name>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Imagen %1</translation>
    </message>
</context>
<context>
    <name>qv::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;Fitted to the strip, at the photo&apos;s shape</source>
        <translation>&amp;Ajustadas a la tira, con la forma de la foto</translation>
    </message>
    <message>
        <source>The thumbnails grow with the strip and keep the photo&apos;s shape</source>
        <translation>Las miniaturas crecen con la tira y conservan la forma de la foto</translation>
    </message>
    <message>
        <source>&amp;Classic: 105 x 105 squares</source>
        <translation>&amp;Clásicas: cuadrados de 105 × 105</translation>
    </message>
    <message>
        <source>Every thumbnail is the photo squeezed into a 105 x 105 square</source>
        <translation>Cada miniatura es la foto comprimida en un cuadrado de 105 × 105</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>Miniaturas:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language of the interface, from the next start</source>
        <translation>El idioma de la interfaz, a partir del próximo inicio</translation>
    </message>
    <message>
        <source>A new language applies when Quorvane next starts.</source>
        <translation>Un idioma nuevo se aplica la próxima vez que se inicie Quorvane.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Keep the photo&apos;s metadata in saved pictures</source>
        <translation>&amp;Conservar los metadatos de la foto en las imágenes guardadas</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile go with the saved picture</source>
        <translation>La cámara, la fecha, el lugar, el autor y el perfil de color acompañan a la imagen guardada</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile; without them a saved picture says nothing about where it was taken.</source>
        <translation>Cámara, fecha, lugar, autor y perfil de color; sin ellos, una imagen guardada no dice nada de dónde se tomó.</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Metadatos:</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> MiB</translation>
    </message>
    <message>
        <source>History memory</source>
        <translation>Memoria del historial</translation>
    </message>
    <message>
        <source>How much memory the pictures of Undo and Redo may take</source>
        <translation>Cuánta memoria pueden ocupar las imágenes de Deshacer y Rehacer</translation>
    </message>
    <message>
        <source>The default is 512 MiB (a quarter of the memory where that is less). Beyond it, pictures of earlier steps are made again from the steps when Undo or Redo needs them.</source>
        <translation>El valor predeterminado es 512 MiB (una cuarta parte de la memoria si es menos). Por encima, las imágenes de pasos anteriores se vuelven a generar a partir de los pasos cuando Deshacer o Rehacer las necesita.</translation>
    </message>
    <message>
        <source>&amp;History memory:</source>
        <translation>Memoria del &amp;historial:</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Keeps these preferences</source>
        <translation>Conserva estas preferencias</translation>
    </message>
    <message>
        <source>Leaves the preferences as they were</source>
        <translation>Deja las preferencias como estaban</translation>
    </message>
    <message>
        <source>Shows the preferences Quorvane starts with</source>
        <translation>Muestra las preferencias con las que empieza Quorvane</translation>
    </message>
</context>
<context>
    <name>qv::PreviewView</name>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
</context>
<context>
    <name>qv::QtDialogs</name>
    <message>
        <source>Confirm Save As</source>
        <translation>Confirmar Guardar como</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it all the same?</source>
        <translation>%1 es de solo lectura.
¿Desea reemplazarlo de todos modos?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>The effects applied since it was last saved are lost if you discard them.</source>
        <translation>Los efectos aplicados desde la última vez que se guardó se pierden si los descarta.</translation>
    </message>
    <message>
        <source>Restore the unsaved changes to %1 from %2?</source>
        <translation>¿Restaurar los cambios sin guardar en %1 del %2?</translation>
    </message>
    <message>
        <source>Quorvane ended without closing, and these changes were not saved.</source>
        <translation>Quorvane terminó sin cerrarse y estos cambios no se guardaron.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>qv::StepName</name>
    <message>
        <source>Look %1</source>
        <translation>Estilo %1</translation>
    </message>
    <message>
        <source>, strength %1 %</source>
        <translation>, intensidad %1 %</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, colour %1</source>
        <translation>, color %1</translation>
    </message>
    <message>
        <source>, colours %1</source>
        <translation>, colores %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 abierto</translation>
    </message>
</context>
<context>
    <name>qv::TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Haga clic en la foto pequeña para ver una vista previa de este efecto y aplicarlo.</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Looks...</source>
        <translation>&amp;Estilos...</translation>
    </message>
    <message>
        <source>Save &amp;Look...</source>
        <translation>Guardar es&amp;tilo...</translation>
    </message>
    <message>
        <source>Apply the Last Effect &amp;Again</source>
        <translation>Aplicar el último efecto de &amp;nuevo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>Looks: effects kept to put on any photo (%1)</source>
        <translation>Estilos: efectos guardados para aplicar a cualquier foto (%1)</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recientes</translation>
    </message>
    <message>
        <source>Preferences (%1)</source>
        <translation>Preferencias (%1)</translation>
    </message>
    <message>
        <source>Applying %1</source>
        <translation>Aplicando %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Guardando %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Apply %1 &amp;Again</source>
        <translation>Aplicar %1 de &amp;nuevo</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Ayuda de Quorvane</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <source>&amp;Batch...</source>
        <translation>Procesamiento por &amp;lotes...</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lotes</translation>
    </message>
    <message>
        <source>Batch: put an effect or a look on many photos at once (%1)</source>
        <translation>Lotes: aplicar un efecto o un estilo a muchas fotos a la vez (%1)</translation>
    </message>
</context>
<context>
    <name>qv::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>PROCESANDO---</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambiar color</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect (or hold Space, or the right mouse button on the picture)</source>
        <translation>Mantenga pulsado para ver la imagen sin el efecto (o mantenga pulsada la barra espaciadora, o el botón derecho del ratón sobre la imagen)</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Before and after side by side; drag the divider</source>
        <translation>Antes y después, lado a lado; arrastre el divisor</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+minus, the wheel)</source>
        <translation>Alejar (Ctrl+menos, la rueda)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+plus, the wheel)</source>
        <translation>Acercar (Ctrl+más, la rueda)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>The whole picture (Ctrl+0)</source>
        <translation>La imagen completa (Ctrl+0)</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel (Ctrl+1)</source>
        <translation>Un píxel de la imagen por cada píxel de la pantalla (Ctrl+1)</translation>
    </message>
    <message>
        <source>Strength of the effect</source>
        <translation>Intensidad del efecto</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Intensidad %1 %</translation>
    </message>
    <message>
        <source>Strength 100 %</source>
        <translation>Intensidad 100 %</translation>
    </message>
</context>
<context>
    <name>qv::ThumbnailStrip</name>
    <message>
        <source>Effect %1</source>
        <translation>Efecto %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, effect %2</source>
        <translation>%1, efecto %2</translation>
    </message>
    <message>
        <source>Opens the preview of this effect</source>
        <translation>Abre la vista previa de este efecto</translation>
    </message>
</context>
</TS>
