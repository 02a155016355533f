<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Light A</source>
        <translation>Licht A</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Licht B</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Licht C</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Magisch</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Traum A</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Traum B</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kunst</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Rand A</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Rand B</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Shows the ten effects of %1</source>
        <translation>Zeigt die zehn Effekte von %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>The effect categories</source>
        <translation>Die Effektkategorien</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Undo, Redo, Open, Save, Help, Looks and Batch</source>
        <translation>Rückgängig, Wiederholen, Öffnen, Speichern, Hilfe, Looks und Stapelverarbeitung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>The picture being edited</source>
        <translation>Das Bild in Bearbeitung</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>The ten effects of the category chosen</source>
        <translation>Die zehn Effekte der gewählten Kategorie</translation>
    </message>
    <message>
        <source>Strip size</source>
        <translation>Größe der Leiste</translation>
    </message>
    <message>
        <source>Drag to share the height between the display and the strip</source>
        <translation>Ziehen, um die Höhe zwischen Anzeige und Leiste aufzuteilen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Takes the last step back</source>
        <translation>Nimmt den letzten Schritt zurück</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Takes the step undone last again</source>
        <translation>Stellt den zuletzt rückgängig gemachten Schritt wieder her</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Every step by name, to go back to any of them</source>
        <translation>Alle Schritte mit Namen, um zu jedem zurückzukehren</translation>
    </message>
    <message>
        <source>Opens a picture</source>
        <translation>Öffnet ein Bild</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>The pictures opened or saved last</source>
        <translation>Die zuletzt geöffneten oder gespeicherten Bilder</translation>
    </message>
    <message>
        <source>Saves the picture</source>
        <translation>Speichert das Bild</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>Öffnet die Hilfeseite</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Thumbnails, language, metadata and memory</source>
        <translation>Miniaturen, Sprache, Metadaten und Speicher</translation>
    </message>
    <message>
        <source>Where the picture was saved</source>
        <translation>Wo das Bild gespeichert wurde</translation>
    </message>
    <message>
        <source>The number of the effect above</source>
        <translation>Die Nummer des Effekts darüber</translation>
    </message>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation>%1, %2 × %3 Pixel</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The effect on the whole picture</source>
        <translation>Der Effekt auf dem ganzen Bild</translation>
    </message>
    <message>
        <source>The picture with the effect</source>
        <translation>Das Bild mit dem Effekt</translation>
    </message>
    <message>
        <source>Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; hold Space for the picture without the effect</source>
        <translation>Zoomen mit Strg+Plus und Strg+Minus, Strg+0 zeigt das ganze Bild, Strg+1 zeigt es in 100 %; Leertaste halten für das Bild ohne Effekt</translation>
    </message>
    <message>
        <source>The effect is being rendered</source>
        <translation>Der Effekt wird berechnet</translation>
    </message>
    <message>
        <source>Render progress</source>
        <translation>Fortschritt der Berechnung</translation>
    </message>
    <message>
        <source>How much of the effect has been rendered</source>
        <translation>Wie viel des Effekts schon berechnet ist</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect</source>
        <translation>Halten, um das Bild ohne Effekt zu sehen</translation>
    </message>
    <message>
        <source>Before and after side by side</source>
        <translation>Vorher und nachher nebeneinander</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Shows more of the picture, smaller</source>
        <translation>Zeigt mehr vom Bild, kleiner</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Shows the picture larger</source>
        <translation>Zeigt das Bild größer</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Shows the whole picture</source>
        <translation>Zeigt das ganze Bild</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel</source>
        <translation>Ein Bildpixel auf ein Bildschirmpixel</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>How much of the effect goes onto the picture, 0 to 100 %</source>
        <translation>Wie stark der Effekt auf das Bild wirkt, 0 bis 100 %</translation>
    </message>
    <message>
        <source>The strength Apply uses</source>
        <translation>Die Stärke, die „Anwenden“ verwendet</translation>
    </message>
    <message>
        <source>Renders the effect again in colours you pick</source>
        <translation>Berechnet den Effekt neu in Farben Ihrer Wahl</translation>
    </message>
    <message>
        <source>Puts the effect onto the picture (Enter)</source>
        <translation>Überträgt den Effekt auf das Bild (Eingabe)</translation>
    </message>
    <message>
        <source>Closes the preview and leaves the picture as it was (Esc)</source>
        <translation>Schließt die Vorschau und lässt das Bild, wie es war (Esc)</translation>
    </message>
    <message>
        <source>Mask tools</source>
        <translation>Maskenwerkzeuge</translation>
    </message>
    <message>
        <source>Where the effect goes: brush, eraser and gradients</source>
        <translation>Wohin der Effekt geht: Pinsel, Radierer und Verläufe</translation>
    </message>
</context>
<context>
    <name>ProgressJob</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>, masked</source>
        <translation>, maskiert</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Brush strokes belong to their photo: the look keeps %1 without them.</source>
        <translation>Pinselstriche gehören zu ihrem Foto: Der Look behält %1 ohne sie.</translation>
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
        <translation>Wie das Original</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapelverarbeitung</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>Bilder hinzufügen...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>The effect in the preview</source>
        <translation>Den Effekt in der Vorschau</translation>
    </message>
    <message>
        <source>The steps applied to this photo</source>
        <translation>Die auf dieses Foto angewendeten Schritte</translation>
    </message>
    <message>
        <source>A saved look:</source>
        <translation>Einen gespeicherten Look:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Keep the sub-folders</source>
        <translation>Unterordner beibehalten</translation>
    </message>
    <message>
        <source>{name}: the picture&apos;s name, {look}: the look&apos;s, {n}: its number in the batch, {n:3}: the number with three digits</source>
        <translation>{name}: der Name des Bildes, {look}: der des Looks, {n}: seine Nummer im Stapel, {n:3}: die Nummer mit drei Ziffern</translation>
    </message>
    <message>
        <source>quality </source>
        <translation>Qualität </translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source> pixels on the longest side</source>
        <translation> Pixel an der längsten Seite</translation>
    </message>
    <message>
        <source>Keep the metadata (camera, date, place, colour profile)</source>
        <translation>Metadaten behalten (Kamera, Datum, Ort, Farbprofil)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>ersetzen</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>überspringen</translation>
    </message>
    <message>
        <source>add a number</source>
        <translation>Nummer anhängen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Namen:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Files that exist:</source>
        <translation>Vorhandene Dateien:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
    </message>
    <message>
        <source>Pictures that failed</source>
        <translation>Fehlgeschlagene Bilder</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>A folder: its pictures</source>
        <translation>Ein Ordner: seine Bilder</translation>
    </message>
    <message>
        <source>A picture</source>
        <translation>Ein Bild</translation>
    </message>
    <message>
        <source>Save Into</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>A file of the same name in the save folder is replaced.</source>
        <translation>Eine gleichnamige Datei im Zielordner wird ersetzt.</translation>
    </message>
    <message>
        <source>A picture whose file is already in the save folder is skipped.</source>
        <translation>Ein Bild, dessen Datei schon im Zielordner liegt, wird übersprungen.</translation>
    </message>
    <message>
        <source>Where a file of the same name is in the save folder, the new one gets a number: NAME (2).</source>
        <translation>Liegt eine gleichnamige Datei im Zielordner, erhält die neue eine Nummer: NAME (2).</translation>
    </message>
    <message>
        <source>Your originals are never written over.</source>
        <translation>Ihre Originale werden nie überschrieben.</translation>
    </message>
    <message>
        <source>Choose what to apply: the preview&apos;s effect, this photo&apos;s steps or a saved look.</source>
        <translation>Wählen Sie, was angewendet werden soll: den Effekt der Vorschau, die Schritte dieses Fotos oder einen gespeicherten Look.</translation>
    </message>
    <message>
        <source>The names cannot be made from &quot;%1&quot;: %2</source>
        <translation>Aus „%1“ lassen sich keine Namen bilden: %2</translation>
    </message>
    <message>
        <source>There are no pictures in the files and folders chosen.</source>
        <translation>In den gewählten Dateien und Ordnern sind keine Bilder.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>%1 of %2 done, now %3</source>
        <translation>%1 von %2 fertig, jetzt %3</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <source>written, but read with damage: %1</source>
        <translation>gespeichert, aber beschädigt gelesen: %1</translation>
    </message>
    <message>
        <source>Cancelled after %1.</source>
        <translation>Nach %1 abgebrochen.</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Fertig in %1.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures written</source>
        <translation>%1 von %2 Bildern gespeichert</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 übersprungen</translation>
    </message>
    <message>
        <source>%1 of them read with damage</source>
        <translation>davon %1 beschädigt gelesen</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>(listed below)</source>
        <translation>(unten aufgeführt)</translation>
    </message>
    <message>
        <source>There is nothing on this desktop to show the folder %1.</source>
        <translation>In dieser Arbeitsumgebung gibt es kein Programm, das den Ordner %1 anzeigen kann.</translation>
    </message>
</context>
<context>
    <name>qv::EditSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>qv::LooksWindow</name>
    <message>
        <source>Looks</source>
        <translation>Looks</translation>
    </message>
    <message>
        <source>Choose a look and press Apply (or double-click it) to see it on your photo; Apply in the preview then keeps it as one step.</source>
        <translation>Wählen Sie einen Look und drücken Sie „Anwenden“ (oder doppelklicken Sie ihn), um ihn auf Ihrem Foto zu sehen; „Anwenden“ in der Vorschau übernimmt ihn dann als einen Schritt.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Look speichern...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>From This Picture</source>
        <translation>Aus diesem Bild</translation>
    </message>
    <message>
        <source>Keep the look the opened picture says it was made with</source>
        <translation>Den Look übernehmen, mit dem das geöffnete Bild laut seinen Angaben entstanden ist</translation>
    </message>
    <message numerus="yes">
        <source>A look of %n step(s):</source>
        <translation>
            <numerusform>Ein Look aus %n Schritt:</numerusform>
            <numerusform>Ein Look aus %n Schritten:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of the look:</source>
        <translation>Name des Looks:</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>Look speichern</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Look %1</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>Look umbenennen</translation>
    </message>
    <message>
        <source>New name of the look:</source>
        <translation>Neuer Name des Looks:</translation>
    </message>
    <message>
        <source>Delete the look %1?</source>
        <translation>Den Look %1 löschen?</translation>
    </message>
    <message>
        <source>Import Look</source>
        <translation>Look importieren</translation>
    </message>
    <message>
        <source>Export Look</source>
        <translation>Look exportieren</translation>
    </message>
</context>
<context>
    <name>qv::MaskToolBar</name>
    <message>
        <source>Brush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Paint the effect in; on a mask of nothing yet, the first stroke starts from no effect anywhere. Size: [ and ], or Ctrl+wheel</source>
        <translation>Den Effekt einmalen; auf einer noch leeren Maske beginnt der erste Strich ohne Effekt an jeder Stelle. Größe: [ und ] oder Strg+Mausrad</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Take the effect away where you paint. Size: [ and ], or Ctrl+wheel</source>
        <translation>Den Effekt dort entfernen, wo Sie malen. Größe: [ und ] oder Strg+Mausrad</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Linear gradient: drag from full effect to none; its handles move it until Apply</source>
        <translation>Linearer Verlauf: vom vollen Effekt zu keinem ziehen; bis „Anwenden“ lässt er sich an seinen Griffen verschieben</translation>
    </message>
    <message>
        <source>Radial</source>
        <translation>Radial</translation>
    </message>
    <message>
        <source>Radial gradient: drag from the centre outwards; its handles move, stretch and soften it until Apply</source>
        <translation>Radialer Verlauf: von der Mitte nach außen ziehen; bis „Anwenden“ lässt er sich an seinen Griffen verschieben, dehnen und weicher machen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Turn the mask over: the effect where it was not</source>
        <translation>Die Maske umkehren: der Effekt dort, wo er nicht war</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask edit, Ctrl+Shift+Z redoes it</source>
        <translation>Die Maske entfernen: wieder überall der Effekt. Strg+Z macht eine Maskenänderung rückgängig, Strg+Umschalt+Z stellt sie wieder her</translation>
    </message>
    <message>
        <source>Show mask</source>
        <translation>Maske zeigen</translation>
    </message>
    <message>
        <source>Show where the effect goes, tinted red (M)</source>
        <translation>Rot getönt zeigen, wohin der Effekt geht (M)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)</source>
        <translation>Pinselgröße: ihr Radius in Bildschirmpixeln ([ und ] oder Strg+Mausrad)</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Härte</translation>
    </message>
    <message>
        <source>Brush hardness: how much of the brush paints at full strength (Shift+wheel)</source>
        <translation>Pinselhärte: wie viel des Pinsels mit voller Stärke malt (Umschalt+Mausrad)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluss</translation>
    </message>
    <message>
        <source>Brush flow: how much each touch of the brush adds</source>
        <translation>Pinselfluss: wie viel jede Berührung des Pinsels hinzufügt</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Pinselgröße</translation>
    </message>
    <message>
        <source>Brush hardness</source>
        <translation>Pinselhärte</translation>
    </message>
    <message>
        <source>Brush flow</source>
        <translation>Pinselfluss</translation>
    </message>
    <message>
        <source>Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)</source>
        <translation>Pinselgröße: %1 Pixel auf dem Bildschirm ([ und ] oder Strg+Mausrad)</translation>
    </message>
    <message>
        <source>Brush hardness: %1 % (Shift+wheel)</source>
        <translation>Pinselhärte: %1 % (Umschalt+Mausrad)</translation>
    </message>
    <message>
        <source>Brush flow: %1 % a touch</source>
        <translation>Pinselfluss: %1 % je Berührung</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Größe %1</translation>
    </message>
    <message>
        <source>Hardness %1 %</source>
        <translation>Härte %1 %</translation>
    </message>
    <message>
        <source>Flow %1 %</source>
        <translation>Fluss %1 %</translation>
    </message>
</context>
<context>
    <name>qv::PictureTypes</name>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1-Bild</translation>
    </message>
</context>
<context>
    <name>qv::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Fitted to the strip, at the photo&apos;s shape</source>
        <translation>&amp;An die Leiste angepasst, im Format des Fotos</translation>
    </message>
    <message>
        <source>The thumbnails grow with the strip and keep the photo&apos;s shape</source>
        <translation>Die Miniaturen wachsen mit der Leiste und behalten das Format des Fotos</translation>
    </message>
    <message>
        <source>&amp;Classic: 105 x 105 squares</source>
        <translation>&amp;Klassisch: Quadrate von 105 × 105</translation>
    </message>
    <message>
        <source>Every thumbnail is the photo squeezed into a 105 x 105 square</source>
        <translation>Jede Miniatur ist das Foto, in ein Quadrat von 105 × 105 gestaucht</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>Miniaturen:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language of the interface, from the next start</source>
        <translation>Die Sprache der Oberfläche, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>A new language applies when Quorvane next starts.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start von Quorvane.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Keep the photo&apos;s metadata in saved pictures</source>
        <translation>Metadaten des Fotos in gespeicherten Bildern &amp;behalten</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile go with the saved picture</source>
        <translation>Kamera, Datum, Ort, Urheber und Farbprofil gehen mit dem gespeicherten Bild</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile; without them a saved picture says nothing about where it was taken.</source>
        <translation>Kamera, Datum, Ort, Urheber und Farbprofil; ohne sie verrät ein gespeichertes Bild nichts darüber, wo es aufgenommen wurde.</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Metadaten:</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> MiB</translation>
    </message>
    <message>
        <source>History memory</source>
        <translation>Speicher für den Verlauf</translation>
    </message>
    <message>
        <source>How much memory the pictures of Undo and Redo may take</source>
        <translation>Wie viel Speicher die Bilder für Rückgängig und Wiederholen belegen dürfen</translation>
    </message>
    <message>
        <source>The default is 512 MiB (a quarter of the memory where that is less). Beyond it, pictures of earlier steps are made again from the steps when Undo or Redo needs them.</source>
        <translation>Vorgabe sind 512 MiB (ein Viertel des Arbeitsspeichers, wenn das weniger ist). Darüber hinaus werden Bilder früherer Schritte aus den Schritten neu berechnet, wenn Rückgängig oder Wiederholen sie braucht.</translation>
    </message>
    <message>
        <source>&amp;History memory:</source>
        <translation>&amp;Verlaufsspeicher:</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Keeps these preferences</source>
        <translation>Übernimmt diese Einstellungen</translation>
    </message>
    <message>
        <source>Leaves the preferences as they were</source>
        <translation>Lässt die Einstellungen, wie sie waren</translation>
    </message>
    <message>
        <source>Shows the preferences Quorvane starts with</source>
        <translation>Zeigt die Einstellungen, mit denen Quorvane beginnt</translation>
    </message>
</context>
<context>
    <name>qv::PreviewView</name>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
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
        <translation>Speichern unter bestätigen</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it all the same?</source>
        <translation>%1 ist schreibgeschützt.
Möchten Sie die Datei trotzdem ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The effects applied since it was last saved are lost if you discard them.</source>
        <translation>Die seit dem letzten Speichern angewendeten Effekte gehen verloren, wenn Sie sie verwerfen.</translation>
    </message>
    <message>
        <source>Restore the unsaved changes to %1 from %2?</source>
        <translation>Die nicht gespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>Quorvane ended without closing, and these changes were not saved.</source>
        <translation>Quorvane wurde beendet, ohne geschlossen zu werden, und diese Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>qv::StepName</name>
    <message>
        <source>Look %1</source>
        <translation>Look %1</translation>
    </message>
    <message>
        <source>, strength %1 %</source>
        <translation>, Stärke %1 %</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, colour %1</source>
        <translation>, Farbe %1</translation>
    </message>
    <message>
        <source>, colours %1</source>
        <translation>, Farben %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
</context>
<context>
    <name>qv::TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Klicken Sie auf das kleine Foto, um diesen Effekt in der Vorschau zu sehen und anzuwenden.</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Looks...</source>
        <translation>&amp;Looks...</translation>
    </message>
    <message>
        <source>Save &amp;Look...</source>
        <translation>&amp;Look speichern...</translation>
    </message>
    <message>
        <source>Apply the Last Effect &amp;Again</source>
        <translation>Letzten Effekt &amp;erneut anwenden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Looks</translation>
    </message>
    <message>
        <source>Looks: effects kept to put on any photo (%1)</source>
        <translation>Looks: gespeicherte Effekte für jedes Foto (%1)</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Preferences (%1)</source>
        <translation>Einstellungen (%1)</translation>
    </message>
    <message>
        <source>Applying %1</source>
        <translation>%1 wird angewendet</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 wird gespeichert</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederholen</translation>
    </message>
    <message>
        <source>Apply %1 &amp;Again</source>
        <translation>%1 &amp;erneut anwenden</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Quorvane-Hilfe</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <source>&amp;Batch...</source>
        <translation>S&amp;tapelverarbeitung...</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Batch: put an effect or a look on many photos at once (%1)</source>
        <translation>Stapel: einen Effekt oder Look auf viele Fotos auf einmal anwenden (%1)</translation>
    </message>
</context>
<context>
    <name>qv::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>BERECHNUNG---</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect (or hold Space, or the right mouse button on the picture)</source>
        <translation>Halten, um das Bild ohne Effekt zu sehen (oder die Leertaste oder die rechte Maustaste auf dem Bild halten)</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Before and after side by side; drag the divider</source>
        <translation>Vorher und nachher nebeneinander; den Teiler ziehen</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+minus, the wheel)</source>
        <translation>Verkleinern (Strg+Minus, Mausrad)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+plus, the wheel)</source>
        <translation>Vergrößern (Strg+Plus, Mausrad)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>The whole picture (Ctrl+0)</source>
        <translation>Das ganze Bild (Strg+0)</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel (Ctrl+1)</source>
        <translation>Ein Bildpixel auf ein Bildschirmpixel (Strg+1)</translation>
    </message>
    <message>
        <source>Strength of the effect</source>
        <translation>Stärke des Effekts</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Stärke %1 %</translation>
    </message>
    <message>
        <source>Strength 100 %</source>
        <translation>Stärke 100 %</translation>
    </message>
</context>
<context>
    <name>qv::ThumbnailStrip</name>
    <message>
        <source>Effect %1</source>
        <translation>Effekt %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, effect %2</source>
        <translation>%1, Effekt %2</translation>
    </message>
    <message>
        <source>Opens the preview of this effect</source>
        <translation>Öffnet die Vorschau dieses Effekts</translation>
    </message>
</context>
</TS>
