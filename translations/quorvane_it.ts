<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Light A</source>
        <translation>Luce A</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Luce B</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Luce C</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Stupendo</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Sogno A</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Sogno B</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Bordo A</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Bordo B</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Shows the ten effects of %1</source>
        <translation>Mostra i dieci effetti di %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>The effect categories</source>
        <translation>Le categorie di effetti</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Undo, Redo, Open, Save, Help, Looks and Batch</source>
        <translation>Annulla, Ripeti, Apri, Salva, Guida, Look ed Elaborazione in batch</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>The picture being edited</source>
        <translation>L’immagine in modifica</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>The ten effects of the category chosen</source>
        <translation>I dieci effetti della categoria scelta</translation>
    </message>
    <message>
        <source>Strip size</source>
        <translation>Dimensione della striscia</translation>
    </message>
    <message>
        <source>Drag to share the height between the display and the strip</source>
        <translation>Trascina per dividere l’altezza tra la visualizzazione e la striscia</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Takes the last step back</source>
        <translation>Annulla l’ultimo passaggio</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Takes the step undone last again</source>
        <translation>Ripete l’ultimo passaggio annullato</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Every step by name, to go back to any of them</source>
        <translation>Ogni passaggio per nome, per tornare a uno qualsiasi</translation>
    </message>
    <message>
        <source>Opens a picture</source>
        <translation>Apre un’immagine</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Apri recenti</translation>
    </message>
    <message>
        <source>The pictures opened or saved last</source>
        <translation>Le ultime immagini aperte o salvate</translation>
    </message>
    <message>
        <source>Saves the picture</source>
        <translation>Salva l’immagine</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>Apre la pagina della guida</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Thumbnails, language, metadata and memory</source>
        <translation>Miniature, lingua, metadati e memoria</translation>
    </message>
    <message>
        <source>Where the picture was saved</source>
        <translation>Dove è stata salvata l’immagine</translation>
    </message>
    <message>
        <source>The number of the effect above</source>
        <translation>Il numero dell’effetto sopra</translation>
    </message>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation>%1, %2 × %3 pixel</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>The effect on the whole picture</source>
        <translation>L’effetto sull’intera immagine</translation>
    </message>
    <message>
        <source>The picture with the effect</source>
        <translation>L’immagine con l’effetto</translation>
    </message>
    <message>
        <source>Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; hold Space for the picture without the effect</source>
        <translation>Zoom con Ctrl+più e Ctrl+meno, Ctrl+0 adatta l’immagine, Ctrl+1 la mostra al 100 %; tieni premuto Spazio per l’immagine senza l’effetto</translation>
    </message>
    <message>
        <source>The effect is being rendered</source>
        <translation>L’effetto è in elaborazione</translation>
    </message>
    <message>
        <source>Render progress</source>
        <translation>Avanzamento dell’elaborazione</translation>
    </message>
    <message>
        <source>How much of the effect has been rendered</source>
        <translation>Quanta parte dell’effetto è stata elaborata</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect</source>
        <translation>Tieni premuto per vedere l’immagine senza l’effetto</translation>
    </message>
    <message>
        <source>Before and after side by side</source>
        <translation>Prima e dopo affiancati</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Shows more of the picture, smaller</source>
        <translation>Mostra più immagine, più piccola</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Shows the picture larger</source>
        <translation>Mostra l’immagine più grande</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Shows the whole picture</source>
        <translation>Mostra l’intera immagine</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel</source>
        <translation>Un pixel dell’immagine per un pixel dello schermo</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>How much of the effect goes onto the picture, 0 to 100 %</source>
        <translation>Quanto effetto viene applicato all’immagine, da 0 a 100%</translation>
    </message>
    <message>
        <source>The strength Apply uses</source>
        <translation>L’intensità usata da Applica</translation>
    </message>
    <message>
        <source>Renders the effect again in colours you pick</source>
        <translation>Rielabora l’effetto nei colori che scegli</translation>
    </message>
    <message>
        <source>Puts the effect onto the picture (Enter)</source>
        <translation>Applica l’effetto all’immagine (Invio)</translation>
    </message>
    <message>
        <source>Closes the preview and leaves the picture as it was (Esc)</source>
        <translation>Chiude l’anteprima e lascia l’immagine com’era (Esc)</translation>
    </message>
    <message>
        <source>Mask tools</source>
        <translation>Strumenti maschera</translation>
    </message>
    <message>
        <source>Where the effect goes: brush, eraser and gradients</source>
        <translation>Dove va l’effetto: pennello, gomma e sfumature</translation>
    </message>
</context>
<context>
    <name>ProgressJob</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>, masked</source>
        <translation>, con maschera</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Brush strokes belong to their photo: the look keeps %1 without them.</source>
        <translation>Le pennellate appartengono alla loro foto: il look mantiene %1 senza di esse.</translation>
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
        <translation>Come l’originale</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Elaborazione in batch</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>Aggiungi immagini...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Aggiungi cartella...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>The effect in the preview</source>
        <translation>L’effetto nell’anteprima</translation>
    </message>
    <message>
        <source>The steps applied to this photo</source>
        <translation>I passaggi applicati a questa foto</translation>
    </message>
    <message>
        <source>A saved look:</source>
        <translation>Un look salvato:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Keep the sub-folders</source>
        <translation>Mantieni le sottocartelle</translation>
    </message>
    <message>
        <source>{name}: the picture&apos;s name, {look}: the look&apos;s, {n}: its number in the batch, {n:3}: the number with three digits</source>
        <translation>{name}: il nome dell’immagine, {look}: quello del look, {n}: il suo numero nel batch, {n:3}: il numero a tre cifre</translation>
    </message>
    <message>
        <source>quality </source>
        <translation>qualità </translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Al massimo</translation>
    </message>
    <message>
        <source> pixels on the longest side</source>
        <translation> pixel sul lato più lungo</translation>
    </message>
    <message>
        <source>Keep the metadata (camera, date, place, colour profile)</source>
        <translation>Mantieni i metadati (fotocamera, data, luogo, profilo colore)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>sostituisci</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>salta</translation>
    </message>
    <message>
        <source>add a number</source>
        <translation>aggiungi un numero</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nomi:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Files that exist:</source>
        <translation>File esistenti:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>A&amp;vvia</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Mostra nella &amp;cartella</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v di %m</translation>
    </message>
    <message>
        <source>Pictures that failed</source>
        <translation>Immagini non riuscite</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>A folder: its pictures</source>
        <translation>Una cartella: le sue immagini</translation>
    </message>
    <message>
        <source>A picture</source>
        <translation>Un’immagine</translation>
    </message>
    <message>
        <source>Save Into</source>
        <translation>Salva in</translation>
    </message>
    <message>
        <source>A file of the same name in the save folder is replaced.</source>
        <translation>Un file con lo stesso nome nella cartella di salvataggio viene sostituito.</translation>
    </message>
    <message>
        <source>A picture whose file is already in the save folder is skipped.</source>
        <translation>Un’immagine il cui file è già nella cartella di salvataggio viene saltata.</translation>
    </message>
    <message>
        <source>Where a file of the same name is in the save folder, the new one gets a number: NAME (2).</source>
        <translation>Se nella cartella di salvataggio c’è un file con lo stesso nome, quello nuovo riceve un numero: NOME (2).</translation>
    </message>
    <message>
        <source>Your originals are never written over.</source>
        <translation>I tuoi originali non vengono mai sovrascritti.</translation>
    </message>
    <message>
        <source>Choose what to apply: the preview&apos;s effect, this photo&apos;s steps or a saved look.</source>
        <translation>Scegli cosa applicare: l’effetto dell’anteprima, i passaggi di questa foto o un look salvato.</translation>
    </message>
    <message>
        <source>The names cannot be made from &quot;%1&quot;: %2</source>
        <translation>Impossibile formare i nomi da «%1»: %2</translation>
    </message>
    <message>
        <source>There are no pictures in the files and folders chosen.</source>
        <translation>Nei file e nelle cartelle scelti non ci sono immagini.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>%1 of %2 done, now %3</source>
        <translation>%1 di %2 completate, ora %3</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>mancano circa %1</translation>
    </message>
    <message>
        <source>written, but read with damage: %1</source>
        <translation>salvata, ma letta con danni: %1</translation>
    </message>
    <message>
        <source>Cancelled after %1.</source>
        <translation>Annullato dopo %1.</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Completato in %1.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures written</source>
        <translation>%1 di %2 immagini salvate</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 saltate</translation>
    </message>
    <message>
        <source>%1 of them read with damage</source>
        <translation>di cui %1 lette con danni</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 non riuscite</translation>
    </message>
    <message>
        <source>(listed below)</source>
        <translation>(elencate sotto)</translation>
    </message>
    <message>
        <source>There is nothing on this desktop to show the folder %1.</source>
        <translation>Su questo desktop non c’è nulla per mostrare la cartella %1.</translation>
    </message>
</context>
<context>
    <name>qv::EditSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>qv::LooksWindow</name>
    <message>
        <source>Looks</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>Choose a look and press Apply (or double-click it) to see it on your photo; Apply in the preview then keeps it as one step.</source>
        <translation>Scegli un look e premi Applica (o fai doppio clic) per vederlo sulla foto; Applica nell’anteprima lo mantiene poi come un unico passaggio.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Salva look...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Rinomina...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>From This Picture</source>
        <translation>Da questa immagine</translation>
    </message>
    <message>
        <source>Keep the look the opened picture says it was made with</source>
        <translation>Conserva il look con cui l’immagine aperta dichiara di essere stata creata</translation>
    </message>
    <message numerus="yes">
        <source>A look of %n step(s):</source>
        <translation>
            <numerusform>Un look di %n passaggio:</numerusform>
            <numerusform>Un look di %n passaggi:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of the look:</source>
        <translation>Nome del look:</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>Salva look</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Look %1</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>Rinomina look</translation>
    </message>
    <message>
        <source>New name of the look:</source>
        <translation>Nuovo nome del look:</translation>
    </message>
    <message>
        <source>Delete the look %1?</source>
        <translation>Eliminare il look %1?</translation>
    </message>
    <message>
        <source>Import Look</source>
        <translation>Importa look</translation>
    </message>
    <message>
        <source>Export Look</source>
        <translation>Esporta look</translation>
    </message>
</context>
<context>
    <name>qv::MaskToolBar</name>
    <message>
        <source>Brush</source>
        <translation>Pennello</translation>
    </message>
    <message>
        <source>Paint the effect in; on a mask of nothing yet, the first stroke starts from no effect anywhere. Size: [ and ], or Ctrl+wheel</source>
        <translation>Dipingi l’effetto; su una maschera ancora vuota, il primo tratto parte da nessun effetto ovunque. Dimensione: [ e ], oppure Ctrl+rotellina</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Take the effect away where you paint. Size: [ and ], or Ctrl+wheel</source>
        <translation>Togli l’effetto dove dipingi. Dimensione: [ e ], oppure Ctrl+rotellina</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Linear gradient: drag from full effect to none; its handles move it until Apply</source>
        <translation>Sfumatura lineare: trascina dall’effetto pieno a nessun effetto; le maniglie la spostano fino ad Applica</translation>
    </message>
    <message>
        <source>Radial</source>
        <translation>Radiale</translation>
    </message>
    <message>
        <source>Radial gradient: drag from the centre outwards; its handles move, stretch and soften it until Apply</source>
        <translation>Sfumatura radiale: trascina dal centro verso l’esterno; le maniglie la spostano, la allungano e la ammorbidiscono fino ad Applica</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Turn the mask over: the effect where it was not</source>
        <translation>Inverti la maschera: l’effetto dove non c’era</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask edit, Ctrl+Shift+Z redoes it</source>
        <translation>Rimuovi la maschera: di nuovo l’effetto ovunque. Ctrl+Z annulla una modifica della maschera, Ctrl+Maiusc+Z la ripete</translation>
    </message>
    <message>
        <source>Show mask</source>
        <translation>Mostra maschera</translation>
    </message>
    <message>
        <source>Show where the effect goes, tinted red (M)</source>
        <translation>Mostra in rosso dove va l’effetto (M)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)</source>
        <translation>Dimensione del pennello: il raggio in pixel dello schermo ([ e ], oppure Ctrl+rotellina)</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Durezza</translation>
    </message>
    <message>
        <source>Brush hardness: how much of the brush paints at full strength (Shift+wheel)</source>
        <translation>Durezza del pennello: quanta parte del pennello dipinge a piena intensità (Maiusc+rotellina)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flusso</translation>
    </message>
    <message>
        <source>Brush flow: how much each touch of the brush adds</source>
        <translation>Flusso del pennello: quanto aggiunge ogni tocco del pennello</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Dimensione del pennello</translation>
    </message>
    <message>
        <source>Brush hardness</source>
        <translation>Durezza del pennello</translation>
    </message>
    <message>
        <source>Brush flow</source>
        <translation>Flusso del pennello</translation>
    </message>
    <message>
        <source>Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)</source>
        <translation>Dimensione del pennello: %1 pixel sullo schermo ([ e ], oppure Ctrl+rotellina)</translation>
    </message>
    <message>
        <source>Brush hardness: %1 % (Shift+wheel)</source>
        <translation>Durezza del pennello: %1% (Maiusc+rotellina)</translation>
    </message>
    <message>
        <source>Brush flow: %1 % a touch</source>
        <translation>Flusso del pennello: %1% per tocco</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Dimensione %1</translation>
    </message>
    <message>
        <source>Hardness %1 %</source>
        <translation>Durezza %1%</translation>
    </message>
    <message>
        <source>Flow %1 %</source>
        <translation>Flusso %1%</translation>
    </message>
</context>
<context>
    <name>qv::PictureTypes</name>
    <message>
        <source>All pictures</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Immagine %1</translation>
    </message>
</context>
<context>
    <name>qv::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>&amp;Fitted to the strip, at the photo&apos;s shape</source>
        <translation>&amp;Adattate alla striscia, con la forma della foto</translation>
    </message>
    <message>
        <source>The thumbnails grow with the strip and keep the photo&apos;s shape</source>
        <translation>Le miniature crescono con la striscia e mantengono la forma della foto</translation>
    </message>
    <message>
        <source>&amp;Classic: 105 x 105 squares</source>
        <translation>&amp;Classiche: quadrati di 105 × 105</translation>
    </message>
    <message>
        <source>Every thumbnail is the photo squeezed into a 105 x 105 square</source>
        <translation>Ogni miniatura è la foto compressa in un quadrato di 105 × 105</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>Miniature:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Lingua del desktop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language of the interface, from the next start</source>
        <translation>La lingua dell’interfaccia, dal prossimo avvio</translation>
    </message>
    <message>
        <source>A new language applies when Quorvane next starts.</source>
        <translation>Una nuova lingua si applica al prossimo avvio di Quorvane.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>&amp;Keep the photo&apos;s metadata in saved pictures</source>
        <translation>&amp;Mantieni i metadati della foto nelle immagini salvate</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile go with the saved picture</source>
        <translation>Fotocamera, data, luogo, autore e profilo colore accompagnano l’immagine salvata</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile; without them a saved picture says nothing about where it was taken.</source>
        <translation>Fotocamera, data, luogo, autore e profilo colore; senza di essi un’immagine salvata non dice nulla di dove è stata scattata.</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Metadati:</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> MiB</translation>
    </message>
    <message>
        <source>History memory</source>
        <translation>Memoria della cronologia</translation>
    </message>
    <message>
        <source>How much memory the pictures of Undo and Redo may take</source>
        <translation>Quanta memoria possono occupare le immagini di Annulla e Ripeti</translation>
    </message>
    <message>
        <source>The default is 512 MiB (a quarter of the memory where that is less). Beyond it, pictures of earlier steps are made again from the steps when Undo or Redo needs them.</source>
        <translation>Il valore predefinito è 512 MiB (un quarto della memoria, se è meno). Oltre questo limite, le immagini dei passaggi precedenti vengono ricreate dai passaggi quando Annulla o Ripeti ne ha bisogno.</translation>
    </message>
    <message>
        <source>&amp;History memory:</source>
        <translation>Memoria della &amp;cronologia:</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Pulsanti</translation>
    </message>
    <message>
        <source>Keeps these preferences</source>
        <translation>Conserva queste preferenze</translation>
    </message>
    <message>
        <source>Leaves the preferences as they were</source>
        <translation>Lascia le preferenze come erano</translation>
    </message>
    <message>
        <source>Shows the preferences Quorvane starts with</source>
        <translation>Mostra le preferenze con cui Quorvane parte</translation>
    </message>
</context>
<context>
    <name>qv::PreviewView</name>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
</context>
<context>
    <name>qv::QtDialogs</name>
    <message>
        <source>Confirm Save As</source>
        <translation>Conferma Salva con nome</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it all the same?</source>
        <translation>%1 è di sola lettura.
Vuoi sostituirlo comunque?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>The effects applied since it was last saved are lost if you discard them.</source>
        <translation>Gli effetti applicati dall’ultimo salvataggio vanno persi se li scarti.</translation>
    </message>
    <message>
        <source>Restore the unsaved changes to %1 from %2?</source>
        <translation>Ripristinare le modifiche non salvate a %1 del %2?</translation>
    </message>
    <message>
        <source>Quorvane ended without closing, and these changes were not saved.</source>
        <translation>Quorvane si è interrotto senza essere chiuso e queste modifiche non sono state salvate.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
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
        <translation>, intensità %1%</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, colour %1</source>
        <translation>, colore %1</translation>
    </message>
    <message>
        <source>, colours %1</source>
        <translation>, colori %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 aperto</translation>
    </message>
</context>
<context>
    <name>qv::TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Fai clic sulla piccola foto per vedere l’anteprima di questo effetto e applicarlo.</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Looks...</source>
        <translation>&amp;Look...</translation>
    </message>
    <message>
        <source>Save &amp;Look...</source>
        <translation>Salva &amp;look...</translation>
    </message>
    <message>
        <source>Apply the Last Effect &amp;Again</source>
        <translation>Applica di &amp;nuovo l’ultimo effetto</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferenze...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>Looks: effects kept to put on any photo (%1)</source>
        <translation>Look: effetti conservati da applicare a qualsiasi foto (%1)</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Apri recenti</translation>
    </message>
    <message>
        <source>Preferences (%1)</source>
        <translation>Preferenze (%1)</translation>
    </message>
    <message>
        <source>Applying %1</source>
        <translation>Applicazione di %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Salvataggio di %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>Apply %1 &amp;Again</source>
        <translation>Applica di &amp;nuovo %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvato</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Guida di Quorvane</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Apertura di %1...</translation>
    </message>
    <message>
        <source>&amp;Batch...</source>
        <translation>Elaborazione in &amp;batch...</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Batch: put an effect or a look on many photos at once (%1)</source>
        <translation>Batch: applica un effetto o un look a molte foto insieme (%1)</translation>
    </message>
</context>
<context>
    <name>qv::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>ELABORAZIONE---</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Attendere</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambia colore</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect (or hold Space, or the right mouse button on the picture)</source>
        <translation>Tieni premuto per vedere l’immagine senza l’effetto (oppure tieni premuto Spazio o il tasto destro del mouse sull’immagine)</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Before and after side by side; drag the divider</source>
        <translation>Prima e dopo affiancati; trascina il divisore</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+minus, the wheel)</source>
        <translation>Riduci (Ctrl+meno, la rotellina)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+plus, the wheel)</source>
        <translation>Ingrandisci (Ctrl+più, la rotellina)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>The whole picture (Ctrl+0)</source>
        <translation>L’intera immagine (Ctrl+0)</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel (Ctrl+1)</source>
        <translation>Un pixel dell’immagine per un pixel dello schermo (Ctrl+1)</translation>
    </message>
    <message>
        <source>Strength of the effect</source>
        <translation>Intensità dell’effetto</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Intensità %1%</translation>
    </message>
    <message>
        <source>Strength 100 %</source>
        <translation>Intensità 100%</translation>
    </message>
</context>
<context>
    <name>qv::ThumbnailStrip</name>
    <message>
        <source>Effect %1</source>
        <translation>Effetto %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, effect %2</source>
        <translation>%1, effetto %2</translation>
    </message>
    <message>
        <source>Opens the preview of this effect</source>
        <translation>Apre l’anteprima di questo effetto</translation>
    </message>
</context>
</TS>
